#pragma once

#include "editors/grid_editor.h"
#include "project/project_data.h"

namespace fljudge {

// "N値情報": the N-value table (depth of each standard penetration test and
// its N value), up to 50 rows. Open it modally with exec(); it changes the
// project only on "設定". `state` belongs to the caller and is handed to every
// opening of this editor.
class NForm : public GridEditor {
    Q_OBJECT

  public:
    NForm(ProjectData& project, const BasicInfo& basicInfo, GridEditorState& state,
          QWidget* parent = nullptr);

  protected:
    std::vector<WorkRow> ReadProject() const override;
    bool WriteProject() override;

  private:
    ProjectData& project_;
};

}  // namespace fljudge
