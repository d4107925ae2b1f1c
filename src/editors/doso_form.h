#pragma once

#include <array>

#include "editors/grid_editor.h"
#include "project/project_data.h"

class QButtonGroup;
class QRadioButton;

namespace fljudge {

// "土層情報": the groundwater depth and the soil-layer table, up to 30 rows.
// Open it modally with exec(); it changes the project only on "設定". The unit
// weights of a row using the basic values come from `basicInfo`. `state`
// belongs to the caller and is handed to every opening of this editor.
class DosoForm : public GridEditor {
    Q_OBJECT

  public:
    DosoForm(ProjectData& project, const BasicInfo& basicInfo, GridEditorState& state,
             QWidget* parent = nullptr);

  protected:
    std::vector<WorkRow> ReadProject() const override;
    bool WriteProject() override;
    bool FocusNextOnEnter(int box) override;
    void PutInitialFocus() override;
    void LoadProjectFields() override;
    void LoadEditRow(const WorkRow& row) override;
    WorkRow ReadEditRow() override;
    void ClearEditControls() override;
    void AfterBoxLeft(int box) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildWaterDepth();
    void BuildSoilClass();
    void BuildUnitWeights();
    void BuildWeightLabels();

    void ChooseSoilClass(int element);
    void ChooseWeightSource(int element);
    void OnSoilClassChosen(int element);
    void OnWeightSourceChosen(int element);
    bool HandleOptionKey(QObject* watched, int key);

    ProjectData& project_;
    const BasicInfo& basicInfo_;

    QLineEdit* RWL = nullptr;
    std::array<QRadioButton*, 3> Opt{};   // 砂質土, 粘性土, 礫質土: SoilClass element + 1
    std::array<QRadioButton*, 2> Opt2{};  // 基本値, 入力値: WeightSource element + 1
    std::array<QLabel*, 3> Lab1{};        // the unit weights of a row using the basic values
    QButtonGroup* optGroup_ = nullptr;
    QButtonGroup* opt2Group_ = nullptr;
};

}  // namespace fljudge
