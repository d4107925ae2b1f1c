#pragma once

#include <QDialog>
#include <cstddef>
#include <optional>

#include "boring/boring_import.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace fljudge {

// "ボーリングデータ読込": what a boring file gives (the boring name, the
// layers, the N values, every water-level measurement to choose from, the
// warnings). Accepted with "読込", rejected with "中止"; it changes nothing
// itself.
class BoringImportForm : public QDialog {
    Q_OBJECT

  public:
    BoringImportForm(const BoringImport& imported, QWidget* parent = nullptr);

    // The measurement chosen for the water depth; nothing for "水位なし".
    std::optional<std::size_t> WaterChoice() const;

  private:
    void ShowWarnings();

    const BoringImport& imported_;
    QLabel* LBL_BoringName = nullptr;
    QTableWidget* GRD_Layers = nullptr;
    QTableWidget* GRD_NValues = nullptr;
    QComboBox* CMB_Water = nullptr;
    QLabel* LBL_WaterDepth = nullptr;
    QPlainTextEdit* TXT_Warnings = nullptr;
    QPushButton* CMD_Read = nullptr;
    QPushButton* CMD_Cancel = nullptr;
};

}  // namespace fljudge
