#pragma once

#include <QDialog>
#include <array>
#include <filesystem>

#include "project/project_data.h"

class QPushButton;

namespace fljudge {

class NumberField;

// "基本情報": the three default tables of the basic information as 33 fields
// numbered row by row within each block. "設定" stores them and writes
// Base.ini, "初期化" restores the built-in defaults at once (the window stays
// open), "中止" or the close box changes nothing.
class BasicInfoForm : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kFieldCount = 33;

    // `settingsFolder` holds Base.ini; it is made when the file is first written.
    BasicInfoForm(BasicInfo& info, std::filesystem::path settingsFolder, QWidget* parent = nullptr);

    NumberField* Field(int index) const { return IN[static_cast<std::size_t>(index)]; }

  private:
    void FillFields();
    void OnEnter(int index);
    void OnSet();
    void OnInitialise();

    BasicInfo& info_;
    std::filesystem::path settingsFolder_;

    std::array<NumberField*, kFieldCount> IN{};
    QPushButton* CMD_Init = nullptr;
    QPushButton* CMD_Set = nullptr;
    QPushButton* CMD_Cancel = nullptr;
};

}  // namespace fljudge
