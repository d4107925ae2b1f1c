#include "modal_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <utility>

namespace fljudge::test {

NextModal::NextModal(std::function<void(QWidget*)> handle) : handle_(std::move(handle)) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &NextModal::Poll);
    timer_.start();
}

void NextModal::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    timer_.stop();
    seen_ = true;
    handle_(modal);
}

MessageBoxAnswer::MessageBoxAnswer(QMessageBox::StandardButton answer)
    : next_([this, answer](QWidget* modal) {
          auto* box = qobject_cast<QMessageBox*>(modal);
          if (box == nullptr) {
              modal->close();
              return;
          }
          seen_.seen = true;
          seen_.title = box->windowTitle();
          seen_.text = box->text();
          seen_.icon = box->icon();
          seen_.buttons = box->standardButtons();
          if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
              seen_.yesText = yes->text();
          }
          if (QAbstractButton* button = box->button(answer)) {
              QTest::mouseClick(button, Qt::LeftButton);
          } else {
              box->close();
          }
      }) {}

}  // namespace fljudge::test
