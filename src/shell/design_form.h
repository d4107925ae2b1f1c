#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "project/project_data.h"

class QAction;
class QButtonGroup;
class QLabel;
class QMenuBar;
class QRadioButton;

namespace fljudge {

class NumberField;

// "設計条件設定": the region area with its correction factors, the ground
// type with its standard seismic coefficients, and their products, the design
// horizontal seismic coefficients. The window works on its three-decimal
// labels; the menu command "設定" stores them in the project, "中止" or the
// close box changes nothing.
class DesignForm : public QDialog {
    Q_OBJECT

  public:
    DesignForm(ProjectData& project, const BasicInfo& info, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The region and the ground group alike: options of which the last is
    // "入力", and three values shown either as labels (a table row) or as
    // entry fields at the same places (typed by the user).
    struct OptionGroup {
        std::vector<QRadioButton*> options;
        QButtonGroup* buttons = nullptr;
        std::array<QLabel*, 3> labels{};
        std::array<NumberField*, 3> fields{};
        std::function<const Triple&(int row)> tableRow;

        int InputIndex() const { return static_cast<int>(options.size()) - 1; }
        bool InputChosen() const;
        QRadioButton* Chosen() const;
    };

    void BuildGroup(OptionGroup& group, const char* name, const char* frameCaption,
                    const std::vector<const char*>& optionCaptions,
                    const std::array<const char*, 3>& valueCaptions);
    void OnOptionChosen(OptionGroup& group, int index);
    void OnFieldCommitted(OptionGroup& group, int k);
    void OnEnter(QWidget* from);
    void Recompute();
    void OnSet();

    ProjectData& project_;
    const BasicInfo& info_;

    OptionGroup region_;
    OptionGroup ground_;
    std::array<QLabel*, 3> designLabels_{};
    QMenuBar* menuBar_ = nullptr;
    QAction* mnuSet = nullptr;
    QAction* mnuCancel = nullptr;
};

}  // namespace fljudge
