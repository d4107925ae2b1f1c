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

// Work-table columns.
enum Column {
    kNo = 0,
    kDepth = 1,
    kThickness = 2,
    kSoilClass = 3,
    kWeightSource = 4,
    kGammaT1 = 5,  // then GammaT2, GammaE2
    kFinesContent = 8,
    kPlasticityIndex = 9,
    kD50 = 10,
    kD10 = 11,
    kColumnCount = 12,
};

// IN boxes: 0 depth, 1..3 the unit weights, 4..7 the columns from FC on.
constexpr int kFirstWeightBox = 1;
constexpr int kFinesBox = 4;
constexpr int kLastBox = 7;

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

GridLayout DosoFormLayout() {
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    GridLayout layout;
    layout.Caption = QStringLiteral("土層情報");
    layout.Columns = {
        {2.5, WholeText, Qt::AlignCenter, QStringLiteral("No"), -1, {CellKind::RowNumber}},
        {5.0, Fixed3Text, right, QStringLiteral("深度(m)"), -1, {CellKind::Number}},
        {5.0, Fixed3Text, right, QStringLiteral("層厚(m)"), -1, {CellKind::Difference, kDepth}},
        {5.5, SoilClassText, Qt::AlignCenter, {}, -1, {CellKind::Code}},
        {0, WholeText, Qt::AlignCenter, {}, kGammaT1, {CellKind::Code}},
        {5.0, Fixed3Text, right, {}, -1, {CellKind::Number}},
        {5.0, Fixed3Text, right, {}, -1, {CellKind::Number}},
        {5.0, Fixed3Text, right, {}, -1, {CellKind::Number}},
        {5.5, Fixed3Text, right, QStringLiteral("細粒分含有率(%)"), -1, {CellKind::Number}},
        {5.0, Fixed3Text, right, QStringLiteral("塑性指数"), -1, {CellKind::Number}},
        {5.5, Fixed3Text, right, QStringLiteral("平均粒径50%粒径(mm)"), -1, {CellKind::Number}},
        {5.5, Fixed3Text, right, QStringLiteral("平均粒径10%粒径(mm)"), -1, {CellKind::Number}},
    };
    layout.Boxes = {{kDepth, 3},        {kGammaT1, 3},         {kGammaT1 + 1, 3}, {kGammaT1 + 2, 3},
                    {kFinesContent, 3}, {kPlasticityIndex, 3}, {kD50, 3},         {kD10, 3}};
    layout.MaxRows = kMaxLayers;
    layout.TopRows = 1.5;
    layout.HeadingRows = 4;
    return layout;
}

QLabel* NewValueLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMargin(2);
    return label;
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
    : GridEditor(DosoFormLayout(), state, parent), project_(project), basicInfo_(basicInfo) {
    setObjectName(QStringLiteral("DosoForm"));
    BuildWaterDepth();
    BuildSoilClass();
    BuildUnitWeights();
    BuildEditLabels();

    QWidget* order[] = {RWL,   IN[0], Opt[0], Opt[1], Opt[2], Opt2[0], Opt2[1], IN[1],
                        IN[2], IN[3], IN[4],  IN[5],  IN[6],  IN[7],   CMD_Set};
    for (std::size_t i = 1; i < std::size(order); ++i) {
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

// Labels of the edit row: the thickness, and the unit weights of a row using
// the basic values, in the places of boxes 1..3.
void DosoForm::BuildEditLabels() {
    atu = NewValueLabel(Body(), QStringLiteral("atu"));
    atu->setGeometry(CellRect(kThickness, EditRowTop(), LineHeight()));
    for (int j = 0; j < 3; ++j) {
        QLabel* label = NewValueLabel(Body(), QStringLiteral("Lab1_%1").arg(j));
        label->setGeometry(CellRect(kGammaT1 + j, EditRowTop(), LineHeight()));
        label->hide();
        Lab1[static_cast<std::size_t>(j)] = label;
    }
}

// --- The project ---

void DosoForm::LoadProjectFields() {
    RWL->setText(FixedText(project_.WaterDepth, 3));
}

std::vector<GridEditor::WorkRow> DosoForm::ReadProject() const {
    std::vector<WorkRow> rows;
    for (int i = 1; i <= project_.LayerCount; ++i) {
        const SoilLayer& layer = project_.SoilLayers[i];
        rows.push_back({static_cast<double>(i), layer.Depth, layer.Thickness,
                        static_cast<double>(layer.SoilClass),
                        static_cast<double>(layer.WeightSource), layer.GammaT1, layer.GammaT2,
                        layer.GammaE2, layer.FinesContent, layer.PlasticityIndex, layer.D50,
                        layer.D10});
    }
    return rows;
}

GridEditor::WorkRow DosoForm::DefaultRow() const {
    WorkRow row(kColumnCount, 0.0);
    row[kSoilClass] = kSandy;
    row[kWeightSource] = kWeightBasic;
    for (int j = 0; j < 3; ++j) {
        // As the text "0.000" it is shown with.
        row[static_cast<std::size_t>(kGammaT1 + j)] =
            RoundDecimals(basicInfo_.UnitWeightTable[kSandy][j + 1], 3);
    }
    return row;
}

bool DosoForm::WriteProject() {
    if (!HoldsNumber(RWL->text())) {
        ShowInputError(this);
        RWL->setFocus(Qt::OtherFocusReason);
        SelectAllText(RWL);
        return false;
    }
    project_.WaterDepth = LeadingValue(RWL->text());
    project_.LayerCount = static_cast<std::int16_t>(table_.RowCount());
    for (int i = 0; i < table_.RowCount(); ++i) {
        const WorkRow& row = table_.Row(i);
        SoilLayer& layer = project_.SoilLayers[i + 1];
        layer.Depth = row[kDepth];
        layer.Thickness = row[kThickness];
        layer.SoilClass = ToInt16HalfEven(row[kSoilClass]).value_or(0);
        layer.WeightSource = ToInt16HalfEven(row[kWeightSource]).value_or(0);
        layer.GammaT1 = row[kGammaT1];
        layer.GammaT2 = row[kGammaT1 + 1];
        layer.GammaE2 = row[kGammaT1 + 2];
        layer.FinesContent = row[kFinesContent];
        layer.PlasticityIndex = row[kPlasticityIndex];
        layer.D50 = row[kD50];
        layer.D10 = row[kD10];
    }
    return true;
}

// --- The edit row ---

void DosoForm::ClearEditControls() {
    atu->clear();
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
    atu->setText(CellText(kThickness, row));
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
    row[kThickness] = LeadingValue(atu->text());
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

// The thickness is the depth less the depth of the row above; shown while the
// row is edited, and computed again for every row once it is stored.
void DosoForm::RefreshThickness() {
    const QString depth = IN[0]->text();
    if (!HoldsNumber(depth)) {
        return;
    }
    const double thickness =
        table_.DerivedValue(kThickness, state_.CurrentRow, LeadingValue(depth));
    atu->setText(FixedText(thickness, 3));
}

// Thicknesses follow the depths (the work table derives them), so that the
// saved and printed thickness column and the soil column of the boring log
// agree with them.
void DosoForm::ShowDerived() {
    if (state_.CurrentRow <= table_.LastRow()) {
        atu->setText(FixedText(table_.Row(state_.CurrentRow)[kThickness], 3));
    }
}

void DosoForm::BeforeArrowMove(int box) {
    if (box == 0) {
        RefreshThickness();
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
        RefreshThickness();
        const int soil = std::max(optGroup_->checkedId(), 0);
        Opt[static_cast<std::size_t>(soil)]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (box < kLastBox) {
        FocusBox(box + 1);
        return true;
    }
    return false;
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
