#pragma once

#include <QWidget>
#include <cstdint>

class QFrame;
class QLabel;
class QPushButton;

namespace fljudge {

// The title shown during start-up and the version box of the help menu: the
// logo, "液状化判定", the version and the maker. No caption; always modeless.
// Closes on a click on the frame or on "閉じる", or on any key.
class TitleForm : public QWidget {
    Q_OBJECT

  public:
    // "閉じる" is offered only once start-up is done (`startupDone` 1); during
    // start-up the sequence closes the window itself.
    explicit TitleForm(std::int16_t startupDone, QWidget* parent = nullptr);

    // "ﾊﾞｰｼﾞｮﾝ " and the program version, e.g. "ﾊﾞｰｼﾞｮﾝ 1.0.0".
    static QString VersionText();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    QFrame* Frame1 = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace fljudge
