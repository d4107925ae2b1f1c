#pragma once

namespace fljudge::test {

// Until the settings-file and project-file code is merged, this branch builds
// against placeholders that write nothing. Tests of the file effects skip
// themselves then, and run as soon as the real code is in.
bool BasicInfoFileWrites();
bool ProjectFileWrites();

}  // namespace fljudge::test
