#include "shell/basic_info_form.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "modal_answer.h"
#include "shell/fs_path.h"
#include "widgets/number_field.h"

namespace fljudge {

using test::MessageBoxAnswer;
using test::NextModal;

class BasicInfoFormTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void FieldsShowTheTablesWithThreeDecimals();
    void LeavingAFieldShowsItsValue_data();
    void LeavingAFieldShowsItsValue();
    void FocusSelectsTheWholeText();
    void EnterGoesToTheNextFieldAndFrom32To0();
    void SetStoresEveryFieldAndWritesBaseIni();
    void SetTakesTheFieldBeingTyped();
    void SetThatCannotWriteSaysWhyAndKeepsTheValues();
    void SetMakesTheSettingsFolderFirst();
    void SetWhereTheSettingsFolderCannotBeMadeSaysWhy();
    void InitialiseRestoresTheDefaultsAtOnce();
    void CancelChangesNothing();

  private:
    void Open();
    void OpenOn(const QString& settingsFolder);
    NumberField* Field(int index) { return form_->Field(index); }
    void TypeInto(int index, const QString& text);
    QString BaseIni() const { return folder_->filePath("Base.ini"); }

    BasicInfo info_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<BasicInfoForm> form_;
};

void BasicInfoFormTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    info_ = DefaultBasicInfo();
    info_.UnitWeightTable[2][3] = 9.25;
    info_.RegionFactorTable[5][1] = 0.7;
    info_.SeismicCoefTable[3][3] = 0.6;
    Open();
}

void BasicInfoFormTest::cleanup() {
    form_.reset();
}

void BasicInfoFormTest::Open() {
    OpenOn(folder_->path());
}

void BasicInfoFormTest::OpenOn(const QString& settingsFolder) {
    form_ = std::make_unique<BasicInfoForm>(info_, ToFsPath(settingsFolder));
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

// Into the whole text: a field gaining the focus has it selected. (A click
// into the field that has the focus already places the cursor instead.)
void BasicInfoFormTest::TypeInto(int index, const QString& text) {
    if (QApplication::focusWidget() != Field(index)) {
        QTest::mouseClick(Field(index), Qt::LeftButton);
    }
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void BasicInfoFormTest::FieldsShowTheTablesWithThreeDecimals() {
    QCOMPARE(form_->windowTitle(), QString("基本情報"));
    QCOMPARE(Field(0)->text(), QString("18.000"));
    QCOMPARE(Field(5)->text(), QString("9.250"));   // 粘性土 水中(有効)
    QCOMPARE(Field(9)->text(), QString("1.000"));   // A1 Cz
    QCOMPARE(Field(10)->text(), QString("1.200"));  // A1 CIz
    QCOMPARE(Field(21)->text(), QString("0.700"));  // C Cz
    QCOMPARE(Field(24)->text(), QString("0.120"));  // I種 Lv1
    QCOMPARE(Field(32)->text(), QString("0.600"));  // III種 Lv2-2
}

void BasicInfoFormTest::LeavingAFieldShowsItsValue_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole number") << "12"
                                  << "12.000";
    QTest::newRow("letters") << "abc"
                             << "0.000";
    QTest::newRow("empty") << ""
                           << "0.000";
    QTest::newRow("number with trailing text") << "1.2.3"
                                               << "1.200";
    QTest::newRow("rounded half away from zero") << "2.0005"
                                                 << "2.001";
    QTest::newRow("negative") << "-0.5"
                              << "-0.500";
}

void BasicInfoFormTest::LeavingAFieldShowsItsValue() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TypeInto(3, QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);  // the text was selected
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::mouseClick(Field(4), Qt::LeftButton);
    QCOMPARE(Field(3)->text(), shown);
}

// The press of the click used to put the cursor inside the number, the
// release selected the text again.
void BasicInfoFormTest::FocusSelectsTheWholeText() {
    const QPoint onText(Field(7)->width() - 12, Field(7)->height() / 2);
    QTest::mousePress(Field(7), Qt::LeftButton, {}, onText);
    QCOMPARE(Field(7)->selectedText(), QString("20.000"));
    QTest::mouseRelease(Field(7), Qt::LeftButton, {}, onText);
    QCOMPARE(Field(7)->selectedText(), QString("20.000"));
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QCOMPARE(Field(7)->text(), QString("5"));
    QTest::mouseClick(Field(6), Qt::LeftButton);
    QTest::mouseClick(Field(7), Qt::LeftButton);
    QCOMPARE(Field(7)->selectedText(), QString("5.000"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Field(8));
    QCOMPARE(Field(8)->selectedText(), QString("10.000"));
}

void BasicInfoFormTest::EnterGoesToTheNextFieldAndFrom32To0() {
    QTest::mouseClick(Field(8), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), Field(9));  // from the first block into the second
    QTest::mouseClick(Field(32), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), Field(0));
    QCOMPARE(Field(0)->selectedText(), QString("18.000"));
    QCOMPARE(Field(32)->text(), QString("7.000"));
    QVERIFY(form_->isVisible());  // Enter never reaches a button
}

void BasicInfoFormTest::SetStoresEveryFieldAndWritesBaseIni() {
    TypeInto(0, "12");
    TypeInto(1, "abc");
    TypeInto(24, "0.1234");
    NextModal anyModal([](QWidget* modal) { modal->close(); });
    QTest::mouseClick(form_->findChild<QPushButton*>("CMD_Set"), Qt::LeftButton);

    QVERIFY(!form_->isVisible());
    QCOMPARE(form_->result(), int(QDialog::Accepted));
    QCOMPARE(info_.UnitWeightTable[1][1], 12.0);
    QCOMPARE(info_.UnitWeightTable[1][2], 0.0);
    QCOMPARE(info_.SeismicCoefTable[1][1], 0.123);  // as shown, three decimals
    QCOMPARE(info_.UnitWeightTable[2][3], 9.25);
    QCOMPARE(info_.RegionFactorTable[1][2], 1.2);
    QCOMPARE(info_.SeismicCoefTable[3][3], 0.6);
    QVERIFY2(!anyModal.Seen(), "writing Base.ini showed a message");
    QFile file(BaseIni());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith("12,0,8\r\n19,19,9.25\r\n20,20,10\r\n1,1.2,1\r\n"));
    QCOMPARE(content.count("\r\n"), 11);
    QVERIFY(content.contains("\r\n.123,.5,.8\r\n"));
}

void BasicInfoFormTest::SetTakesTheFieldBeingTyped() {
    TypeInto(20, "1.5");  // B2 CIIz, still focused
    form_->findChild<QPushButton*>("CMD_Set")->click();
    QCOMPARE(info_.RegionFactorTable[4][3], 1.5);
}

void BasicInfoFormTest::SetThatCannotWriteSaysWhyAndKeepsTheValues() {
    // Base.ini cannot be written where a folder of that name stands.
    QVERIFY(QDir(folder_->path()).mkdir("Base.ini"));
    TypeInto(0, "21");
    MessageBoxAnswer answer(QMessageBox::Ok);
    QTest::mouseClick(form_->findChild<QPushButton*>("CMD_Set"), Qt::LeftButton);

    QVERIFY2(answer.Seen().seen, "no message about the failed write");
    QCOMPARE(answer.Seen().icon, QMessageBox::Warning);
    QVERIFY(answer.Seen().text.contains(BaseIni()));
    QCOMPARE(info_.UnitWeightTable[1][1], 21.0);
    QVERIFY(!form_->isVisible());
}

// The user's folder does not exist before the first "設定".
void BasicInfoFormTest::SetMakesTheSettingsFolderFirst() {
    const QString settings = folder_->filePath("config/fljudge");
    OpenOn(settings);
    TypeInto(0, "17");
    NextModal anyModal([](QWidget* modal) { modal->close(); });
    QTest::mouseClick(form_->findChild<QPushButton*>("CMD_Set"), Qt::LeftButton);

    QVERIFY2(!anyModal.Seen(), "writing Base.ini showed a message");
    QFile file(settings + "/Base.ini");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("17,18,8\r\n"));
}

void BasicInfoFormTest::SetWhereTheSettingsFolderCannotBeMadeSaysWhy() {
    {
        QFile blocker(folder_->filePath("config"));  // a file where a folder must go
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    const QString settings = folder_->filePath("config/fljudge");
    OpenOn(settings);
    TypeInto(0, "17");
    MessageBoxAnswer answer(QMessageBox::Ok);
    QTest::mouseClick(form_->findChild<QPushButton*>("CMD_Set"), Qt::LeftButton);

    QVERIFY2(answer.Seen().seen, "no message about the failed write");
    QCOMPARE(answer.Seen().icon, QMessageBox::Warning);
    QVERIFY(answer.Seen().text.contains(settings + "/Base.ini"));
    QCOMPARE(info_.UnitWeightTable[1][1], 17.0);
}

void BasicInfoFormTest::InitialiseRestoresTheDefaultsAtOnce() {
    {
        QFile file(BaseIni());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1,1,1\r\n");
    }
    TypeInto(0, "33");
    NextModal anyModal([](QWidget* modal) { modal->close(); });
    QTest::mouseClick(form_->findChild<QPushButton*>("CMD_Init"), Qt::LeftButton);

    QVERIFY(form_->isVisible());
    QVERIFY(info_ == DefaultBasicInfo());
    QCOMPARE(Field(0)->text(), QString("18.000"));
    QCOMPARE(Field(5)->text(), QString("9.000"));
    QCOMPARE(Field(32)->text(), QString("0.600"));

    QTest::mouseClick(form_->findChild<QPushButton*>("CMD_Cancel"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());
    QVERIFY(info_ == DefaultBasicInfo());
    QVERIFY(!anyModal.Seen());
    QVERIFY2(!QFile::exists(BaseIni()), "Base.ini is still there");
}

void BasicInfoFormTest::CancelChangesNothing() {
    const BasicInfo before = info_;
    TypeInto(0, "99");
    TypeInto(30, "5");
    QTest::mouseClick(form_->findChild<QPushButton*>("CMD_Cancel"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());
    QCOMPARE(form_->result(), int(QDialog::Rejected));
    QVERIFY(info_ == before);
    QVERIFY(!QFile::exists(BaseIni()));

    Open();
    TypeInto(0, "99");
    form_->close();  // the close box discards the edits too
    QVERIFY(info_ == before);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::BasicInfoFormTest)
#include "basic_info_form_test.moc"
