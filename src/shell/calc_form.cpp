#include "shell/calc_form.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

#include "project/number_text.h"
#include "report/qt/page_render.h"

namespace fljudge {

// The white screen page: it keeps the image of the page last drawn and
// paints from it, so scrolling never draws the page again.
class PagePicture final : public QWidget {
  public:
    explicit PagePicture(QWidget* parent) : QWidget(parent) {
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        setAutoFillBackground(true);
    }

    const QImage& Image() const { return image_; }

    void Show(QImage image) {
        image_ = std::move(image);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), image_);
    }

  private:
    QImage image_;
};

namespace {

constexpr double kTwipsPerInch = 1440.0;

// The client area and the viewport, in twips.
constexpr double kFormWidth = 13620;
constexpr double kFormHeight = 8955;
constexpr double kViewportHeight = 8400;
constexpr double kViewportWidth = kViewportHeight * 1.41;

struct Place {
    double Left;
    double Top;
    double Width;
    double Height;
};

constexpr Place kPicW = {120, 120, kViewportWidth, kViewportHeight};
constexpr Place kYScl = {12120, 120, 255, 8415};
constexpr Place kXScl = {120, 8640, 11895, 255};
constexpr std::array<Place, 2> kOpt = {{{12600, 360, 735, 615}, {12600, 1080, 735, 615}}};
constexpr std::array<Place, 2> kCommand2 = {{{12600, 1800, 375, 615}, {13080, 1800, 375, 615}}};
constexpr Place kLabP = {12600, 2640, 855, 255};
constexpr Place kCommand1 = {12600, 3360, 855, 855};
constexpr Place kCommand3 = {12600, 4440, 855, 855};
constexpr Place kCmdPdf = {12600, 5520, 855, 855};
constexpr Place kCommand4 = {12600, 7680, 855, 855};

// An option button whose caption wraps inside its narrow box, beside the
// indicator.
class WrappingOptionButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_RadioButton, option);
        const QRect textRect =
            style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
        painter.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                             palette(), isEnabled(), caption, QPalette::WindowText);
    }
};

QString DecimalText(int value) {
    return QString::fromStdString(FormatFixed(value, 0));
}

std::int16_t ToScrollValue(double value) {
    return ToInt16HalfEven(value).value_or(value < 0 ? INT16_MIN : INT16_MAX);
}

}  // namespace

CalcForm::CalcForm(const ReportInput& input, QWidget* parent)
    : QDialog(parent),
      input_(input),
      counts_{input.project.NValueCount, input.results.CalcPointCount} {
    setObjectName(QStringLiteral("CalcForm"));
    setWindowTitle(QStringLiteral("計算結果"));
    CreateControls();
    Opt[0]->setChecked(true);
}

CalcForm::~CalcForm() = default;

const QImage& CalcForm::PageImage() const {
    return Pic->Image();
}

int CalcForm::ToPixels(double twips) const {
    return static_cast<int>(std::lround(twips * logicalDpiX() / kTwipsPerInch));
}

double CalcForm::ToTwips(int pixels) const {
    return pixels * kTwipsPerInch / logicalDpiX();
}

void CalcForm::CreateControls() {
    setFixedSize(ToPixels(kFormWidth), ToPixels(kFormHeight));
    const auto place = [this](QWidget* control, const char* name, const Place& at) {
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(ToPixels(at.Left), ToPixels(at.Top), ToPixels(at.Width),
                             ToPixels(at.Height));
    };

    PicW = new QWidget(this);
    place(PicW, "PicW", kPicW);
    Pic = new PagePicture(PicW);
    Pic->setObjectName(QStringLiteral("Pic"));

    YScl = new QScrollBar(Qt::Vertical, this);
    place(YScl, "YScl", kYScl);
    XScl = new QScrollBar(Qt::Horizontal, this);
    place(XScl, "XScl", kXScl);
    connect(XScl, &QScrollBar::valueChanged, this,
            [this](int value) { Pic->move(-ToPixels(value), Pic->y()); });
    connect(YScl, &QScrollBar::valueChanged, this,
            [this](int value) { Pic->move(Pic->x(), -ToPixels(value)); });

    const std::array<QString, 2> viewCaptions = {QStringLiteral("計算結果"),
                                                 QStringLiteral("計算一覧")};
    const std::array<const char*, 2> optNames = {"Opt_0", "Opt_1"};
    for (std::size_t i = 0; i < Opt.size(); ++i) {
        Opt[i] = new WrappingOptionButton(viewCaptions[i], this);
        place(Opt[i], optNames[i], kOpt[i]);
        const auto view = i == 0 ? ResultView::Report : ResultView::List;
        connect(Opt[i], &QRadioButton::toggled, this, [this, view](bool checked) {
            if (checked) {
                SelectView(view);
            }
        });
    }

    const std::array<QString, 2> arrows = {QStringLiteral("←"), QStringLiteral("→")};
    const std::array<const char*, 2> arrowNames = {"Command2_0", "Command2_1"};
    for (std::size_t i = 0; i < Command2.size(); ++i) {
        Command2[i] = new QPushButton(arrows[i], this);
        place(Command2[i], arrowNames[i], kCommand2[i]);
        const bool forward = i == 1;
        connect(Command2[i], &QPushButton::clicked, this, [this, forward] { StepPage(forward); });
    }

    LabP = new QLabel(this);
    place(LabP, "LabP", kLabP);

    Command1 = new QPushButton(QStringLiteral("印刷"), this);
    place(Command1, "Command1", kCommand1);
    connect(Command1, &QPushButton::clicked, this, [this] { Print(pages_); });

    Command3 = new QPushButton(QStringLiteral("頁印刷"), this);
    place(Command3, "Command3", kCommand3);
    connect(Command3, &QPushButton::clicked, this, [this] { Print({CurrentSlot()}); });

    CMD_Pdf = new QPushButton(QStringLiteral("PDF出力"), this);
    place(CMD_Pdf, "CMD_Pdf", kCmdPdf);
    connect(CMD_Pdf, &QPushButton::clicked, this,
            [this] { ExportPdf(this, saveFileDialog_, view_, pages_, input_); });

    Command4 = new QPushButton(QStringLiteral("閉じる"), this);
    place(Command4, "Command4", kCommand4);
    connect(Command4, &QPushButton::clicked, this, &QDialog::close);
}

// The scroll values stay as they are: the bar lowers a value above the new
// maximum, which moves the page there; any other value waits for the next
// movement of the bar to place the page.
void CalcForm::SetScrollRange(QScrollBar* bar, double pageTwips, double viewportTwips) {
    const std::int16_t maximum =
        std::max<std::int16_t>(0, ToScrollValue(pageTwips - viewportTwips));
    bar->setRange(0, maximum);
    bar->setSingleStep(ToScrollValue(maximum / 10.0));
    bar->setPageStep(ToScrollValue(viewportTwips));
}

void CalcForm::SelectView(ResultView view) {
    view_ = view;
    const ViewPageSetup& setup = PageSetupOf(view);
    Pic->move(0, 0);
    Pic->resize(ToPixels(setup.WidthTwips), ToPixels(setup.HeightTwips));
    // Sizes as the screen has them, whole pixels.
    const double pageWidth = ToTwips(Pic->width());
    const double pageHeight = ToTwips(Pic->height());
    if (view == ResultView::Report) {
        XScl->setRange(0, 0);
        XScl->setSingleStep(1);
    } else {
        SetScrollRange(XScl, pageWidth, ToTwips(PicW->width()));
    }
    SetScrollRange(YScl, pageHeight, ToTwips(PicW->height()));

    pages_ = ViewPages(view, counts_);
    pageIndex_ = 0;
    ShowCurrentPage();
}

void CalcForm::StepPage(bool forward) {
    if (forward ? pageIndex_ + 1 >= pages_.size() : pageIndex_ == 0) {
        return;
    }
    pageIndex_ = forward ? pageIndex_ + 1 : pageIndex_ - 1;
    ShowCurrentPage();
}

void CalcForm::ShowCurrentPage() {
    const std::array<bool, 2> enabled = {pageIndex_ > 0, pageIndex_ + 1 < pages_.size()};
    // A page button that becomes disabled while it has the focus hands it to
    // the other page button, not on to "印刷" where the next Space would print.
    for (std::size_t i = 0; i < Command2.size(); ++i) {
        QPushButton* other = Command2[1 - i];
        if (!enabled[i] && enabled[1 - i] && Command2[i]->hasFocus()) {
            other->setEnabled(true);
            other->setFocus(Qt::OtherFocusReason);
        }
    }
    for (std::size_t i = 0; i < Command2.size(); ++i) {
        Command2[i]->setEnabled(enabled[i]);
    }
    LabP->setText(DecimalText(CurrentPage()) + QLatin1Char('/') + DecimalText(PageCount()));
    Pic->Show(RenderPageImage(view_, CurrentSlot(), input_, logicalDpiX(), devicePixelRatioF()));
}

void CalcForm::Print(const std::vector<std::int16_t>& pages) {
    if (PrintPages(this, printerDialog_, view_, pages, input_)) {
        emit PagesPrinted(view_, pages);
    }
}

}  // namespace fljudge
