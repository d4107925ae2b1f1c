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

void VerifyLoadFailure(const BoxSeen& seen, const QString& path) {
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.title, QString("液状化判定プログラム"));
    const QStringList lines = seen.text.split("\r\n");
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString("データを読み込めませんでした"));
    QCOMPARE(lines[1], path);
    QVERIFY(!lines[2].isEmpty());
}

}  // namespace fljudge::test
