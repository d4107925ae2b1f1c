#include "shell/design_form.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

#include "project/number_text.h"
#include "widgets/number_field.h"
#include "widgets/number_keys.h"

namespace fljudge {
namespace {

constexpr int kValueWidth = 90;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Fixed3(double value) {
    return QString::fromStdString(FormatFixed(value, 3));
}

double NumberOf(const QLabel& label) {
    return LeadingNumberOrZero(label.text().toStdString());
}

// A value shown in the place of an entry field, looking like one that cannot
// be edited.
QLabel* MakeValueLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(kValueWidth);
    label->setMargin(2);
    return label;
}

}  // namespace

bool DesignForm::OptionGroup::InputChosen() const {
    return buttons->checkedId() == InputIndex();
}

QRadioButton* DesignForm::OptionGroup::Chosen() const {
    const int id = buttons->checkedId();
    return id < 0 ? nullptr : options[static_cast<std::size_t>(id)];
}

DesignForm::DesignForm(ProjectData& project, const BasicInfo& info, QWidget* parent)
    : QDialog(parent), project_(project), info_(info) {
    setObjectName(QStringLiteral("DesignForm"));
    setWindowTitle(QStringLiteral("設計条件設定"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    menuBar_ = new QMenuBar(this);
    mnuSet = menuBar_->addAction(QStringLiteral("設定"));
    mnuCancel = menuBar_->addAction(QStringLiteral("中止"));
    mnuSet->setObjectName(QStringLiteral("mnuSet"));
    mnuCancel->setObjectName(QStringLiteral("mnuCancel"));
    layout->setMenuBar(menuBar_);
    connect(mnuSet, &QAction::triggered, this, &DesignForm::OnSet);
    connect(mnuCancel, &QAction::triggered, this, &QDialog::reject);

    region_.tableRow = [this](int row) -> const Triple& { return info_.RegionFactorTable[row]; };
    ground_.tableRow = [this](int row) -> const Triple& { return info_.SeismicCoefTable[row]; };
    BuildGroup(region_, "Region", "地域補正係数", {"A1", "A2", "B1", "B2", "C", "入力"},
               {"Ｃｚ", "ＣⅠｚ", "ＣⅡｚ"});
    BuildGroup(ground_, "Ground", "地盤種別", {"Ⅰ種", "Ⅱ種", "Ⅲ種", "入力"},
               {"Lv1", "Lv2Type1", "Lv2Type2"});

    auto* design = new QGridLayout;
    design->addWidget(new QLabel(QStringLiteral("設計水平震度"), this), 0, 0, 1, 3);
    const std::array<const char*, 3> designCaptions = {"Lv1", "Lv2Type1", "Lv2Type2"};
    for (int k = 0; k < 3; ++k) {
        design->addWidget(new QLabel(Text(designCaptions[static_cast<std::size_t>(k)]), this), 1, k,
                          Qt::AlignHCenter);
        auto* label = MakeValueLabel(this, QStringLiteral("LabDesign_%1").arg(k));
        designLabels_[static_cast<std::size_t>(k)] = label;
        design->addWidget(label, 2, k, Qt::AlignHCenter);
    }
    layout->addLayout(design);
    layout->addStretch();

    // Choosing the options runs their behaviour; the project's own values then
    // replace what the table rows put into the labels.
    const int regionIndex =
        project_.RegionArea >= 1 && project_.RegionArea <= region_.InputIndex() + 1
            ? project_.RegionArea - 1
            : region_.InputIndex();
    const int groundIndex =
        project_.GroundType >= 1 && project_.GroundType <= ground_.InputIndex() + 1
            ? project_.GroundType - 1
            : ground_.InputIndex();
    region_.options[static_cast<std::size_t>(regionIndex)]->setChecked(true);
    ground_.options[static_cast<std::size_t>(groundIndex)]->setChecked(true);
    for (int k = 1; k <= 3; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        region_.labels[i]->setText(Fixed3(project_.RegionFactors[k]));
        ground_.labels[i]->setText(Fixed3(project_.StdSeismicCoefs[k]));
        region_.fields[i]->setText(region_.labels[i]->text());
        ground_.fields[i]->setText(ground_.labels[i]->text());
    }
    designLabels_[0]->setText(Fixed3(project_.DesignKhLv1));
    designLabels_[1]->setText(Fixed3(project_.DesignKhLv2T1));
    designLabels_[2]->setText(Fixed3(project_.DesignKhLv2T2));
    region_.Chosen()->setFocus();
}

void DesignForm::BuildGroup(OptionGroup& group, const char* name, const char* frameCaption,
                            const std::vector<const char*>& optionCaptions,
                            const std::array<const char*, 3>& valueCaptions) {
    auto* layout = qobject_cast<QVBoxLayout*>(this->layout());
    const QString prefix = QLatin1String(name);

    auto* frame = new QGroupBox(Text(frameCaption), this);
    auto* row = new QHBoxLayout(frame);
    group.buttons = new QButtonGroup(this);
    for (std::size_t i = 0; i < optionCaptions.size(); ++i) {
        auto* option = new QRadioButton(Text(optionCaptions[i]), frame);
        option->setObjectName(QStringLiteral("Opt%1_%2").arg(prefix).arg(i));
        option->installEventFilter(this);
        group.buttons->addButton(option, static_cast<int>(i));
        group.options.push_back(option);
        row->addWidget(option);
    }
    row->addStretch();
    layout->addWidget(frame);
    connect(group.buttons, &QButtonGroup::idToggled, this, [this, &group](int id, bool checked) {
        if (checked) {
            OnOptionChosen(group, id);
        }
    });

    auto* values = new QGridLayout;
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        values->addWidget(new QLabel(Text(valueCaptions[i]), this), 0, k, Qt::AlignHCenter);
        group.labels[i] = MakeValueLabel(this, QStringLiteral("Lab%1_%2").arg(prefix).arg(k));
        auto* field = new NumberField(this);
        field->setObjectName(QStringLiteral("Txt%1_%2").arg(prefix).arg(k));
        field->setFixedWidth(kValueWidth);
        field->SetDigitsOnly();
        field->hide();
        group.fields[i] = field;
        group.labels[i]->setFixedHeight(field->sizeHint().height());
        // Label and field share one place, whichever of them is shown.
        for (QWidget* widget :
             {static_cast<QWidget*>(group.labels[i]), static_cast<QWidget*>(field)}) {
            QSizePolicy policy = widget->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            widget->setSizePolicy(policy);
        }
        values->addWidget(group.labels[i], 1, k, Qt::AlignHCenter);
        values->addWidget(field, 1, k, Qt::AlignHCenter);
        connect(field, &NumberField::Committed, this,
                [this, &group, k] { OnFieldCommitted(group, k); });
        connect(field, &NumberField::EnterPressed, this, [this, field] { OnEnter(field); });
    }
    layout->addLayout(values);
}

void DesignForm::OnOptionChosen(OptionGroup& group, int index) {
    const bool input = index == group.InputIndex();
    for (std::size_t i = 0; i < 3; ++i) {
        if (!input) {
            group.labels[i]->setText(Fixed3(group.tableRow(index + 1)[static_cast<int>(i) + 1]));
            group.fields[i]->setText(group.labels[i]->text());
        }
        group.labels[i]->setVisible(!input);
        group.fields[i]->setVisible(input);
    }
    Recompute();
}

void DesignForm::OnFieldCommitted(OptionGroup& group, int k) {
    const auto i = static_cast<std::size_t>(k);
    group.labels[i]->setText(group.fields[i]->text());
    Recompute();
}

// Enter walks region values, ground option, ground values, region option.
void DesignForm::OnEnter(QWidget* from) {
    for (OptionGroup* group : {&region_, &ground_}) {
        OptionGroup& other = group == &region_ ? ground_ : region_;
        QWidget* next = nullptr;
        for (std::size_t i = 0; i < 3; ++i) {
            if (from == group->fields[i]) {
                next = i < 2 ? static_cast<QWidget*>(group->fields[i + 1]) : other.Chosen();
            }
        }
        for (QRadioButton* option : group->options) {
            if (from == option) {
                next =
                    group->InputChosen() ? static_cast<QWidget*>(group->fields[0]) : other.Chosen();
            }
        }
        if (next != nullptr) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void DesignForm::Recompute() {
    for (std::size_t i = 0; i < 3; ++i) {
        designLabels_[i]->setText(
            Fixed3(NumberOf(*region_.labels[i]) * NumberOf(*ground_.labels[i])));
    }
}

bool DesignForm::eventFilter(QObject* watched, QEvent* event) {
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (option == nullptr) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsEnterKey(key)) {
            OnEnter(option);
            return true;
        }
        // Typed characters do nothing here, Space included; arrows still move.
        if (!key.text().isEmpty() && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab) {
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        Recompute();
    }
    return QDialog::eventFilter(watched, event);
}

void DesignForm::OnSet() {
    // A menu command leaves the focus where it is: the value being typed counts.
    for (OptionGroup* group : {&region_, &ground_}) {
        for (NumberField* field : group->fields) {
            if (focusWidget() == field && field->isVisible()) {
                field->Commit();
            }
        }
    }
    project_.RegionArea = static_cast<std::int16_t>(region_.buttons->checkedId() + 1);
    project_.GroundType = static_cast<std::int16_t>(ground_.buttons->checkedId() + 1);
    for (int k = 1; k <= 3; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        project_.RegionFactors[k] = NumberOf(*region_.labels[i]);
        project_.StdSeismicCoefs[k] = NumberOf(*ground_.labels[i]);
    }
    project_.DesignKhLv1 = NumberOf(*designLabels_[0]);
    project_.DesignKhLv2T1 = NumberOf(*designLabels_[1]);
    project_.DesignKhLv2T2 = NumberOf(*designLabels_[2]);
    accept();
}

}  // namespace fljudge
