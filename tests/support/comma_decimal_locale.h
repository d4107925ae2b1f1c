#pragma once

#include <clocale>
#include <cstdlib>
#include <string>

namespace fljudge::testing {

// Switches LC_NUMERIC to German (decimal comma) for the scope; builds the
// locale into a private folder with localedef when the system lacks it.
// active() is false when neither works (the test should then skip).
class CommaDecimalLocale {
  public:
    CommaDecimalLocale() {
        if (std::setlocale(LC_NUMERIC, kName) == nullptr) {
            // glibc remembers a failed look-up, so the locale is built before
            // the private folder is searched. It is built aside and moved into
            // place, so that test programs running at the same time never see
            // it half-written.
            const std::string folder = "/tmp/fljudge-locales";
            const std::string command =
                "d=" + folder + "; test -d $d/" + kName + " || { mkdir -p $d && " +
                "t=$(mktemp -d $d/.build-XXXXXX) && " + "localedef -i de_DE -f UTF-8 $t/" + kName +
                " >/dev/null 2>&1; mv -T $t/" + kName + " $d/" + kName +
                " 2>/dev/null; rm -rf $t; }";
            (void)std::system(command.c_str());
            ::setenv("LOCPATH", folder.c_str(), 1);
        }
        active_ = std::setlocale(LC_NUMERIC, kName) != nullptr &&
                  *std::localeconv()->decimal_point == ',';
    }
    ~CommaDecimalLocale() { std::setlocale(LC_NUMERIC, "C"); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool active() const { return active_; }

  private:
    static constexpr const char* kName = "de_DE.UTF-8";
    bool active_ = false;
};

}  // namespace fljudge::testing
