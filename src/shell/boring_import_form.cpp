#include "shell/boring_import_form.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>

#include "project/number_text.h"

namespace fljudge {
namespace {

// Item data of the water choice: the measurement's index, -1 for none.
constexpr int kNoWater = -1;

QString Fixed(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString SoilClassName(std::int16_t soilClass) {
    switch (soilClass) {
        case kClayey:
            return QStringLiteral("粘性土");
        case kGravelly:
            return QStringLiteral("礫質土");
        default:
            return QStringLiteral("砂質土");
    }
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers, int rows) {
    auto* table = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

QString WaterItemText(std::size_t index, const WaterLevel& level) {
    QString text = QStringLiteral("%1: ").arg(index + 1);
    text += level.Depth ? Fixed(*level.Depth, 2) + QStringLiteral("m") : QStringLiteral("水位なし");
    if (!level.Date.empty()) {
        text += QStringLiteral("  測定日 ") + Text(level.Date);
    }
    if (!level.Condition.empty()) {
        text += QStringLiteral("  掘削 ") + Text(level.Condition);
    }
    if (!level.Kind.empty()) {
        text += QStringLiteral("  種別 ") + Text(level.Kind);
    }
    return text;
}

}  // namespace

BoringImportForm::BoringImportForm(const BoringImport& imported, QWidget* parent)
    : QDialog(parent), imported_(imported) {
    setObjectName(QStringLiteral("BoringImportForm"));
    setWindowTitle(QStringLiteral("ボーリングデータ読込"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    LBL_BoringName =
        new QLabel(QStringLiteral("ボーリング名: ") + Text(imported.BoringName) +
                       QStringLiteral("    （版 ") + Text(imported.Version) + QStringLiteral("）"),
                   this);
    LBL_BoringName->setObjectName(QStringLiteral("LBL_BoringName"));
    layout->addWidget(LBL_BoringName);

    auto* tables = new QHBoxLayout;
    auto* layerColumn = new QVBoxLayout;
    layerColumn->addWidget(
        new QLabel(QStringLiteral("土層情報 %1 層").arg(imported.Layers.size()), this));
    GRD_Layers =
        MakeTable(this, "GRD_Layers",
                  {QStringLiteral("No"), QStringLiteral("深度(m)"), QStringLiteral("層厚(m)"),
                   QStringLiteral("土質区分"), QStringLiteral("土質名")},
                  static_cast<int>(imported.Layers.size()));
    for (int i = 0; i < static_cast<int>(imported.Layers.size()); ++i) {
        const ImportedLayer& layer = imported.Layers[static_cast<std::size_t>(i)];
        SetCell(GRD_Layers, i, 0, QString::number(i + 1), true);
        SetCell(GRD_Layers, i, 1, Fixed(layer.Layer.Depth, 3), true);
        SetCell(GRD_Layers, i, 2, Fixed(layer.Layer.Thickness, 3), true);
        SetCell(GRD_Layers, i, 3, SoilClassName(layer.Layer.SoilClass), false);
        SetCell(GRD_Layers, i, 4, Text(layer.Name), false);
    }
    layerColumn->addWidget(GRD_Layers);
    tables->addLayout(layerColumn, 1);

    auto* nColumn = new QVBoxLayout;
    nColumn->addWidget(
        new QLabel(QStringLiteral("Ｎ値情報 %1 点").arg(imported.NValues.size()), this));
    GRD_NValues =
        MakeTable(this, "GRD_NValues",
                  {QStringLiteral("No"), QStringLiteral("深度(m)"), QStringLiteral("打撃回数"),
                   QStringLiteral("貫入量(cm)"), QStringLiteral("Ｎ値"), QStringLiteral("備考")},
                  static_cast<int>(imported.NValues.size()));
    for (int j = 0; j < static_cast<int>(imported.NValues.size()); ++j) {
        const ImportedNValue& value = imported.NValues[static_cast<std::size_t>(j)];
        SetCell(GRD_NValues, j, 0, QString::number(j + 1), true);
        SetCell(GRD_NValues, j, 1, Fixed(value.Point.Depth, 3), true);
        SetCell(GRD_NValues, j, 2, Text(FormatFileNumber(value.Blows)), true);
        SetCell(GRD_NValues, j, 3, Text(FormatFileNumber(value.Penetration)), true);
        SetCell(GRD_NValues, j, 4, QString::number(value.Point.N), true);
        SetCell(GRD_NValues, j, 5, Text(value.Remark), false);
    }
    nColumn->addWidget(GRD_NValues);
    tables->addLayout(nColumn, 1);
    layout->addLayout(tables, 1);

    auto* water = new QHBoxLayout;
    water->addWidget(new QLabel(QStringLiteral("孔内水位"), this));
    CMB_Water = new QComboBox(this);
    CMB_Water->setObjectName(QStringLiteral("CMB_Water"));
    CMB_Water->addItem(QStringLiteral("水位なし（0m）"), kNoWater);
    auto* model = qobject_cast<QStandardItemModel*>(CMB_Water->model());
    for (std::size_t k = 0; k < imported.WaterLevels.size(); ++k) {
        CMB_Water->addItem(WaterItemText(k, imported.WaterLevels[k]), static_cast<int>(k));
        // A measurement without a usable value cannot be chosen.
        if (!IsUsableWaterLevel(imported.WaterLevels[k]) && model != nullptr) {
            model->item(CMB_Water->count() - 1)->setEnabled(false);
        }
    }
    if (imported.WaterChoice) {
        CMB_Water->setCurrentIndex(static_cast<int>(*imported.WaterChoice) + 1);
    }
    water->addWidget(CMB_Water, 1);
    LBL_WaterDepth = new QLabel(this);
    LBL_WaterDepth->setObjectName(QStringLiteral("LBL_WaterDepth"));
    water->addWidget(LBL_WaterDepth);
    layout->addLayout(water);

    layout->addWidget(new QLabel(QStringLiteral("注意"), this));
    TXT_Warnings = new QPlainTextEdit(this);
    TXT_Warnings->setObjectName(QStringLiteral("TXT_Warnings"));
    TXT_Warnings->setReadOnly(true);
    TXT_Warnings->setMaximumHeight(140);
    layout->addWidget(TXT_Warnings);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    CMD_Read = new QPushButton(QStringLiteral("読込"), this);
    CMD_Read->setObjectName(QStringLiteral("CMD_Read"));
    CMD_Read->setDefault(true);
    CMD_Cancel = new QPushButton(QStringLiteral("中止"), this);
    CMD_Cancel->setObjectName(QStringLiteral("CMD_Cancel"));
    buttons->addWidget(CMD_Read);
    buttons->addWidget(CMD_Cancel);
    layout->addLayout(buttons);
    connect(CMD_Read, &QPushButton::clicked, this, &QDialog::accept);
    connect(CMD_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CMB_Water, &QComboBox::currentIndexChanged, this, &BoringImportForm::ShowWarnings);

    ShowWarnings();
    resize(1000, 640);
}

std::optional<std::size_t> BoringImportForm::WaterChoice() const {
    const int index = CMB_Water->currentData().toInt();
    if (index == kNoWater) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

void BoringImportForm::ShowWarnings() {
    LBL_WaterDepth->setText(QStringLiteral("水位深度 ") +
                            Fixed(ImportedWaterDepth(imported_, WaterChoice()), 3) +
                            QStringLiteral("m"));
    QStringList lines;
    for (const std::string& warning : ImportWarnings(imported_, WaterChoice())) {
        lines << Text(warning);
    }
    TXT_Warnings->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace fljudge
