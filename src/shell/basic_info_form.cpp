#include "shell/basic_info_form.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <utility>
#include <vector>

#include "project/basic_info_file.h"
#include "shell/fs_path.h"
#include "shell/settings_folder.h"
#include "widgets/message_boxes.h"
#include "widgets/number_field.h"

namespace fljudge {
namespace {

// One captioned block of fields: a table of BasicInfo, three columns per row.
struct Block {
    const char* caption;
    const char* unit;  // above the row captions; empty for plain numbers
    std::array<const char*, 3> columns;
    std::vector<const char*> rows;
    int firstField;
    Triple& (*row)(BasicInfo&, int rowNumber);
    int gridRow;  // place of the block in the window
    int gridColumn;
};

const std::array<Block, 3> kBlocks = {{
    {"土の単位体積重量",
     "(kN/m3)",
     {"空中", "水中", "水中(有効)"},
     {"砂質土", "粘性土", "礫質土"},
     0,
     [](BasicInfo& info, int r) -> Triple& { return info.UnitWeightTable[r]; },
     0,
     0},
    {"地域別補正係数",
     "",
     {"Ｃｚ", "ＣⅠｚ", "ＣⅡｚ"},
     {"Ａ１", "Ａ２", "Ｂ１", "Ｂ２", "Ｃ"},
     9,
     [](BasicInfo& info, int r) -> Triple& { return info.RegionFactorTable[r]; },
     1,
     0},
    {"設計水平震度標準値",
     "",
     {"Lv1", "Lv2Type1", "Lv2Type2"},
     {"Ⅰ種地盤", "Ⅱ種地盤", "Ⅲ種地盤"},
     24,
     [](BasicInfo& info, int r) -> Triple& { return info.SeismicCoefTable[r]; },
     0,
     1},
}};

// The BasicInfo element behind each field, in field order.
template <class Visit>
void ForEachField(BasicInfo& info, Visit visit) {
    for (const Block& block : kBlocks) {
        for (int r = 1; r <= static_cast<int>(block.rows.size()); ++r) {
            for (int c = 1; c <= 3; ++c) {
                visit(block.firstField + (r - 1) * 3 + (c - 1), block.row(info, r)[c]);
            }
        }
    }
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr int kFieldWidth = 84;

}  // namespace

BasicInfoForm::BasicInfoForm(BasicInfo& info, std::filesystem::path settingsFolder, QWidget* parent)
    : QDialog(parent), info_(info), settingsFolder_(std::move(settingsFolder)) {
    setObjectName(QStringLiteral("BasicInfoForm"));
    setWindowTitle(QStringLiteral("基本情報"));

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(10);
    for (const Block& block : kBlocks) {
        auto* box = new QGroupBox(Text(block.caption), this);
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(Text(block.unit), box), 0, 0);
        for (int c = 0; c < 3; ++c) {
            grid->addWidget(new QLabel(Text(block.columns[static_cast<std::size_t>(c)]), box), 0,
                            c + 1, Qt::AlignHCenter);
        }
        for (int r = 0; r < static_cast<int>(block.rows.size()); ++r) {
            grid->addWidget(new QLabel(Text(block.rows[static_cast<std::size_t>(r)]), box), r + 1,
                            0);
            for (int c = 0; c < 3; ++c) {
                const int index = block.firstField + r * 3 + c;
                auto* field = new NumberField(box);
                field->setObjectName(QStringLiteral("IN_%1").arg(index));
                field->setFixedWidth(kFieldWidth);
                connect(field, &NumberField::EnterPressed, this, [this, index] { OnEnter(index); });
                IN[static_cast<std::size_t>(index)] = field;
                grid->addWidget(field, r + 1, c + 1);
            }
        }
        layout->addWidget(box, block.gridRow, block.gridColumn, Qt::AlignTop);
    }

    CMD_Init = new QPushButton(QStringLiteral("初期化"), this);
    CMD_Set = new QPushButton(QStringLiteral("設定"), this);
    CMD_Cancel = new QPushButton(QStringLiteral("中止"), this);
    CMD_Init->setObjectName(QStringLiteral("CMD_Init"));
    CMD_Set->setObjectName(QStringLiteral("CMD_Set"));
    CMD_Cancel->setObjectName(QStringLiteral("CMD_Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {CMD_Init, CMD_Set, CMD_Cancel}) {
        // Enter belongs to the fields; a button reacts only when it has the focus.
        button->setAutoDefault(false);
        button->setMinimumWidth(80);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons, 1, 1, Qt::AlignTop);
    layout->setRowStretch(1, 1);

    connect(CMD_Set, &QPushButton::clicked, this, &BasicInfoForm::OnSet);
    connect(CMD_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CMD_Init, &QPushButton::clicked, this, &BasicInfoForm::OnInitialise);

    FillFields();
    IN[0]->setFocus();
}

void BasicInfoForm::FillFields() {
    ForEachField(info_, [this](int index, double value) {
        IN[static_cast<std::size_t>(index)]->SetValue(value);
    });
}

void BasicInfoForm::OnEnter(int index) {
    IN[static_cast<std::size_t>((index + 1) % kFieldCount)]->setFocus();
}

void BasicInfoForm::OnSet() {
    // A field still holding the focus shows its value as if it had been left.
    if (auto* field = qobject_cast<NumberField*>(focusWidget())) {
        field->Commit();
    }
    ForEachField(info_, [this](int index, double& value) {
        value = IN[static_cast<std::size_t>(index)]->Value();
    });
    MakeSettingsFolder(settingsFolder_);
    const FileStatus status = SaveBasicInfo(info_, settingsFolder_);
    if (!status) {
        ShowFileError(this, QStringLiteral("基本情報を保存できませんでした"),
                      FromFsPath(settingsFolder_ / kBasicInfoFileName),
                      QString::fromStdString(status.reason));
    }
    accept();
}

void BasicInfoForm::OnInitialise() {
    const FileStatus status = ResetBasicInfo(info_, settingsFolder_);
    FillFields();
    if (!status) {
        ShowFileError(this, QStringLiteral("基本情報ファイルを削除できませんでした"),
                      FromFsPath(settingsFolder_ / kBasicInfoFileName),
                      QString::fromStdString(status.reason));
    }
}

}  // namespace fljudge
