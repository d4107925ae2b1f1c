#include "editors/doso_form.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "widgets/message_boxes.h"
#include "widgets/number_keys.h"
#include "widgets/number_texts.h"
#include "widgets/select_all_text.h"

namespace fljudge {
namespace {

// Work-table columns named by the rules below.
enum Column {
    kNo = 0,
    kDepth = 1,
    kSoilClass = 3,
    kWeightSource = 4,
    kGammaT1 = 5,  // then GammaT2, GammaE2
};

// IN boxes: 0 depth, 1..3 the unit weights, then the columns from FC on.
constexpr int kFirstWeightBox = 1;
constexpr int kFinesBox = 4;

const std::array<QString, 3> kSoilClassNames = {QStringLiteral("砂質土"), QStringLiteral("粘性土"),
                                                QStringLiteral("礫質土")};

QString SoilClassText(double code) {
    for (std::size_t k = 0; k < kSoilClassNames.size(); ++k) {
        if (code == static_cast<double>(k + 1)) {
            return kSoilClassNames[k];
        }
    }
    return {};
}

using LayerColumn = RecordColumn<SoilLayer>;

std::vector<LayerColumn> LayerColumns() {
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto number = [right](double width, const QString& heading, double SoilLayer::*field) {
        return LayerColumn{{.Width = width,
                            .Text = Fixed3Text,
                            .Align = right,
                            .Heading = heading,
                            .Cell = {CellKind::Number}},
                           field};
    };
    return {
        {{.Width = 2.5,
          .Text = WholeText,
          .Heading = QStringLiteral("No"),
          .Cell = {CellKind::RowNumber}},
         {}},
        number(5.0, QStringLiteral("深度(m)"), &SoilLayer::Depth),
        {{.Width = 5.0,
          .Text = Fixed3Text,
          .Align = right,
          .Heading = QStringLiteral("層厚(m)"),
          .Cell = {CellKind::Difference, kDepth},
          .EditLabel = QStringLiteral("atu")},
         &SoilLayer::Thickness},
        // The options of the frame "土質" head it.
        {{.Width = 5.5, .Text = SoilClassText, .Cell = {CellKind::Code}}, &SoilLayer::SoilClass},
        {{.Text = WholeText, .Under = kGammaT1, .Cell = {CellKind::Code}},
         &SoilLayer::WeightSource},
        number(5.0, {}, &SoilLayer::GammaT1),
        number(5.0, {}, &SoilLayer::GammaT2),
        number(5.0, {}, &SoilLayer::GammaE2),
        number(5.5, QStringLiteral("細粒分含有率(%)"), &SoilLayer::FinesContent),
        number(5.0, QStringLiteral("塑性指数"), &SoilLayer::PlasticityIndex),
        number(5.5, QStringLiteral("平均粒径50%粒径(mm)"), &SoilLayer::D50),
        number(5.5, QStringLiteral("平均粒径10%粒径(mm)"), &SoilLayer::D10),
    };
}

std::vector<RecordField<SoilLayer>> LayerFields() {
    return KeptFields(LayerColumns());
}

// A new row is sandy soil on the basic unit weights.
GridLayout DosoFormLayout(const BasicInfo& basicInfo) {
    GridLayout layout;
    layout.Caption = QStringLiteral("土層情報");
    layout.Columns = ShownColumns(LayerColumns());
    layout.Blank.assign(layout.Columns.size(), 0.0);
    layout.Blank[kSoilClass] = kSandy;
    layout.Blank[kWeightSource] = kWeightBasic;
    for (int j = 0; j < 3; ++j) {
        // As the text "0.000" it is shown with.
        layout.Blank[static_cast<std::size_t>(kGammaT1 + j)] =
            RoundDecimals(basicInfo.UnitWeightTable[kSandy][j + 1], 3);
    }
    layout.MaxRows = kMaxLayers;
    layout.TopRows = 1.5;
    layout.HeadingRows = 4;
    return layout;
}

void ClearChoice(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

}  // namespace

DosoForm::DosoForm(ProjectData& project, const BasicInfo& basicInfo, GridEditorState& state,
                   QWidget* parent)
    : GridEditor(DosoFormLayout(basicInfo), state, parent),
      project_(project),
      basicInfo_(basicInfo) {
    setObjectName(QStringLiteral("DosoForm"));
    BuildWaterDepth();
    BuildSoilClass();
    BuildUnitWeights();
    BuildWeightLabels();

    // The order of the row: the depth, the options, then the other boxes.
    std::vector<QWidget*> order = {RWL, IN[0], Opt[0], Opt[1], Opt[2], Opt2[0], Opt2[1]};
    order.insert(order.end(), IN.begin() + 1, IN.end());
    order.push_back(CMD_Set);
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void DosoForm::BuildWaterDepth() {
    const int top = HeadingTop() - LineHeight() - LineHeight() / 3;
    const QRect first = CellRect(kNo, top, LineHeight());
    auto* caption = new QLabel(QStringLiteral("地下水位深度"), Body());
    caption->setGeometry(first.x(), top, 7 * Unit(), LineHeight());
    RWL = new QLineEdit(Body());
    RWL->setObjectName(QStringLiteral("RWL"));
    RWL->setAlignment(Qt::AlignRight);
    RWL->setAttribute(Qt::WA_InputMethodEnabled, false);
    RWL->setGeometry(first.x() + 7 * Unit(), top, 5 * Unit(), LineHeight());
    RWL->installEventFilter(this);
    SelectAllTextOnFocus(RWL);
    auto* unit = new QLabel(QStringLiteral("m"), Body());
    unit->setGeometry(RWL->geometry().right() + 4, top, 2 * Unit(), LineHeight());
}

// The frame "土質" is the heading of the soil-class column and holds the
// edit row's three option buttons, one under the other.
void DosoForm::BuildSoilClass() {
    const int height = EditRowTop() - 4 - HeadingTop();
    auto* frame = new QGroupBox(QStringLiteral("土質"), Body());
    frame->setAlignment(Qt::AlignHCenter);
    frame->setGeometry(CellRect(kSoilClass, HeadingTop(), height));
    optGroup_ = new QButtonGroup(this);
    const int step = (height - LineHeight()) / 3;
    for (int k = 0; k < 3; ++k) {
        const auto element = static_cast<std::size_t>(k);
        auto* option = new QRadioButton(kSoilClassNames[element], frame);
        option->setObjectName(QStringLiteral("Opt_%1").arg(k));
        option->setGeometry(4, LineHeight() - 4 + k * step, frame->width() - 6, step);
        option->installEventFilter(this);
        optGroup_->addButton(option, k);
        connect(option, &QRadioButton::clicked, this, [this, k] { OnSoilClassChosen(k); });
        Opt[element] = option;
    }
}

// The frame "単位体積重量(kN/m3)" holds the two options of the unit-weight
// source; the headings of the three unit-weight columns stand below it.
void DosoForm::BuildUnitWeights() {
    const int bandHeight = EditRowTop() - 4 - HeadingTop();
    const QRect first = CellRect(kGammaT1, HeadingTop(), bandHeight);
    const QRect last = CellRect(kGammaT1 + 2, HeadingTop(), bandHeight);
    auto* frame = new QGroupBox(QStringLiteral("単位体積重量(kN/m3)"), Body());
    frame->setAlignment(Qt::AlignHCenter);
    frame->setGeometry(first.x(), first.y(), last.right() - first.x() + 1,
                       bandHeight - LineHeight() + 1);
    opt2Group_ = new QButtonGroup(this);
    const QString names[] = {QStringLiteral("基本値"), QStringLiteral("入力値")};
    const int half = frame->width() / 2;
    for (int k = 0; k < 2; ++k) {
        auto* option = new QRadioButton(names[k], frame);
        option->setObjectName(QStringLiteral("Opt2_%1").arg(k));
        option->setGeometry(8 + k * half,
                            (frame->height() + LineHeight() / 2) / 2 - LineHeight() / 2, half - 10,
                            LineHeight());
        option->installEventFilter(this);
        opt2Group_->addButton(option, k);
        connect(option, &QRadioButton::clicked, this, [this, k] { OnWeightSourceChosen(k); });
        Opt2[static_cast<std::size_t>(k)] = option;
    }

    const QString headings[] = {QStringLiteral("水位上"), QStringLiteral("水位下"),
                                QStringLiteral("有効")};
    for (int j = 0; j < 3; ++j) {
        auto* heading = new QLabel(headings[j], Body());
        heading->setFrameShape(QFrame::Box);
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(
            CellRect(kGammaT1 + j, HeadingTop() + bandHeight - LineHeight(), LineHeight()));
    }
}

// The unit weights of a row using the basic values, shown in the places of
// boxes 1..3.
void DosoForm::BuildWeightLabels() {
    for (int j = 0; j < 3; ++j) {
        QLabel* label = NewEditRowLabel(QStringLiteral("Lab1_%1").arg(j), kGammaT1 + j);
        label->hide();
        Lab1[static_cast<std::size_t>(j)] = label;
    }
}

// --- The project ---

void DosoForm::LoadProjectFields() {
    RWL->setText(FixedText(project_.WaterDepth, 3));
}

std::vector<GridEditor::WorkRow> DosoForm::ReadProject() const {
    return RowsOfRecords(project_.SoilLayers, project_.LayerCount, LayerFields());
}

bool DosoForm::WriteProject() {
    if (!HoldsNumber(RWL->text())) {
        ShowInputError(this);
        RWL->setFocus(Qt::OtherFocusReason);
        SelectAllText(RWL);
        return false;
    }
    project_.WaterDepth = LeadingValue(RWL->text());
    StoreRecords(Table().Rows(), LayerFields(), project_.SoilLayers, project_.LayerCount);
    return true;
}

// --- The edit row ---

void DosoForm::ClearEditControls() {
    for (QLabel* label : Lab1) {
        label->clear();
    }
    ClearChoice(optGroup_);
    ClearChoice(opt2Group_);
}

void DosoForm::LoadEditRow(const WorkRow& row) {
    // The options first: their actions set unit weights, which the row's own
    // values then replace. A code outside the options leaves them as they are.
    const double soilClass = row[kSoilClass];
    for (int j = 0; j < 3; ++j) {
        if (soilClass == j + 1) {
            ChooseSoilClass(j);
        }
    }
    if (row[kWeightSource] == kWeightBasic) {
        ChooseWeightSource(0);
    } else if (row[kWeightSource] == kWeightInput) {
        ChooseWeightSource(1);
    }
    GridEditor::LoadEditRow(row);
    for (int j = 0; j < 3; ++j) {
        Lab1[static_cast<std::size_t>(j)]->setText(CellText(kGammaT1 + j, row));
    }
}

GridEditor::WorkRow DosoForm::ReadEditRow() {
    // The labels hold the unit weights that are stored. A box copies its value
    // into its label when it loses the focus; a box still being typed in when
    // the row is confirmed (by Down, "追加" or "挿入") counts as well.
    if (Opt2[1]->isChecked()) {
        for (std::size_t j = 0; j < 3; ++j) {
            Lab1[j]->setText(FixedText(LeadingValue(IN[kFirstWeightBox + j]->text()), 3));
        }
    }
    WorkRow row = GridEditor::ReadEditRow();
    if (const int soil = optGroup_->checkedId(); soil >= 0) {
        row[kSoilClass] = soil + 1;
    }
    if (const int source = opt2Group_->checkedId(); source >= 0) {
        row[kWeightSource] = source + 1;
    }
    for (std::size_t j = 0; j < 3; ++j) {
        row[kGammaT1 + j] = LeadingValue(Lab1[j]->text());
    }
    return row;
}

void DosoForm::ChooseSoilClass(int element) {
    Opt[static_cast<std::size_t>(element)]->setChecked(true);
    OnSoilClassChosen(element);
}

void DosoForm::ChooseWeightSource(int element) {
    Opt2[static_cast<std::size_t>(element)]->setChecked(true);
    OnWeightSourceChosen(element);
}

void DosoForm::OnSoilClassChosen(int element) {
    if (!Opt2[0]->isChecked()) {
        return;
    }
    const Triple& weights = basicInfo_.UnitWeightTable[element + 1];
    for (int j = 0; j < 3; ++j) {
        const QString text = FixedText(weights[j + 1], 3);
        Lab1[static_cast<std::size_t>(j)]->setText(text);
        IN[static_cast<std::size_t>(kFirstWeightBox + j)]->setText(text);
    }
}

// The values stay as they are: back on the basic values, typed weights remain
// until a soil class is chosen again.
void DosoForm::OnWeightSourceChosen(int element) {
    const bool basic = element == 0;
    for (std::size_t j = 0; j < 3; ++j) {
        IN[kFirstWeightBox + j]->setVisible(!basic);
        Lab1[j]->setVisible(basic);
    }
}

void DosoForm::AfterBoxLeft(int box) {
    if (box >= kFirstWeightBox && box < kFirstWeightBox + 3) {
        const auto j = static_cast<std::size_t>(box - kFirstWeightBox);
        Lab1[j]->setText(IN[static_cast<std::size_t>(box)]->text());
    }
}

// --- Keys ---

void DosoForm::PutInitialFocus() {
    RWL->setFocus(Qt::OtherFocusReason);
    SelectAllText(RWL);
}

// Depth → soil class → unit-weight source → the unit weights (when typed) or
// the fines content → ... → D10, the last box.
bool DosoForm::FocusNextOnEnter(int box) {
    if (box == 0) {
        const int soil = std::max(optGroup_->checkedId(), 0);
        Opt[static_cast<std::size_t>(soil)]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return GridEditor::FocusNextOnEnter(box);
}

bool DosoForm::HandleOptionKey(QObject* watched, int key) {
    if (!IsEnterKey(key)) {
        return false;
    }
    if (std::find(Opt.begin(), Opt.end(), watched) != Opt.end()) {
        if (QAbstractButton* source = opt2Group_->checkedButton()) {
            source->setFocus(Qt::OtherFocusReason);
        }
    } else {
        FocusBox(watched == Opt2[0] ? kFinesBox : kFirstWeightBox);
    }
    return true;
}

bool DosoForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RWL) {
        switch (event->type()) {
            case QEvent::KeyPress: {
                const auto* key = static_cast<QKeyEvent*>(event);
                if (IsEnterKey(*key)) {
                    FocusBox(0);
                    return true;
                }
                return !NumberBoxTakes(*key, true);
            }
            case QEvent::FocusOut: {
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                // A text that is no number stays as typed, for "設定" to refuse.
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                    HoldsNumber(RWL->text())) {
                    RWL->setText(FixedText(LeadingValue(RWL->text()), 3));
                }
                break;
            }
            default:
                break;
        }
        return false;
    }
    const bool option = std::find(Opt.begin(), Opt.end(), watched) != Opt.end() ||
                        std::find(Opt2.begin(), Opt2.end(), watched) != Opt2.end();
    if (option && event->type() == QEvent::KeyPress) {
        return HandleOptionKey(watched, static_cast<QKeyEvent*>(event)->key());
    }
    return GridEditor::eventFilter(watched, event);
}

}  // namespace fljudge
