#include "shell/title_form.h"

#include <QBoxLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>
#include <utility>

#include "project/number_text.h"
#include "report/qt/mincho_font.h"
#include "shell/build_info.h"
#include "shell/logo_picture.h"

namespace fljudge {
namespace {

// A frame that reports a click anywhere on it, including on the labels and
// the picture it holds (they leave mouse presses to their parent).
class ClickableFrame : public QFrame {
  public:
    ClickableFrame(std::function<void()> onClick, QWidget* parent)
        : QFrame(parent), onClick_(std::move(onClick)) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            onClick_();
        }
    }

  private:
    std::function<void()> onClick_;
};

QLabel* MakeLabel(const QString& text, double pointSize, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(MinchoFont(pointSize));
    return label;
}

}  // namespace

TitleForm::TitleForm(std::int16_t startupDone, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TitleForm"));
    setWindowTitle(QString());
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    Frame1 = new ClickableFrame([this] { close(); }, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);

    lblProductName = MakeLabel(QStringLiteral("液状化判定"), 26, Frame1, "lblProductName");
    lblVersion = MakeLabel(VersionText(), 11, Frame1, "lblVersion");
    lblCompanyProduct = MakeLabel(QString::fromUtf8(kMakerName), 11, Frame1, "lblCompanyProduct");

    Command1 = new QPushButton(QStringLiteral("閉じる"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Keys belong to the window, which closes on any of them.
    Command1->setFocusPolicy(Qt::NoFocus);
    Command1->setVisible(startupDone == 1);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(lblProductName);
    texts->addSpacing(12);
    texts->addWidget(lblVersion);
    texts->addWidget(lblCompanyProduct);
    texts->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(new LogoPicture(Frame1), 0, Qt::AlignTop);
    body->addSpacing(20);
    body->addLayout(texts, 1);

    auto* button = new QHBoxLayout;
    button->addStretch();
    button->addWidget(Command1);

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(18, 18, 18, 14);
    frameLayout->addLayout(body);
    frameLayout->addLayout(button);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(Frame1);
    setMinimumWidth(400);
}

QString TitleForm::VersionText() {
    const auto part = [](int number) { return QString::fromStdString(FormatFixed(number, 0)); };
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + part(kVersionMajor) + QLatin1Char('.') +
           part(kVersionMinor) + QLatin1Char('.') + part(kVersionRevision);
}

void TitleForm::keyPressEvent(QKeyEvent*) {
    close();
}

// Tab is a key like any other here: it closes the window instead of moving
// the focus.
bool TitleForm::focusNextPrevChild(bool) {
    return false;
}

}  // namespace fljudge
