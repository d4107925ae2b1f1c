// Japanese as the program's default locale: Qt's dialogs show Japanese dates
// and sizes, while every number the program shows, reads or writes keeps the
// period as decimal point, whatever the default locale.
#include "shell/application_setup.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "shell/file_dialog_details.h"
#include "widgets/number_field.h"
#include "widgets/number_texts.h"

namespace fljudge {

class ApplicationSetupTest : public QObject {
    Q_OBJECT

  private slots:
    void japaneseIsTheDefaultLocale();
    void fileDialogsShowSizesAndDatesInJapanese();
    void numbersKeepThePeriod_data();
    void numbersKeepThePeriod();
};

void ApplicationSetupTest::japaneseIsTheDefaultLocale() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QVERIFY(SetUpApplication(*app));
    const QLocale locale;
    QCOMPARE(locale.language(), QLocale::Japanese);
    QCOMPARE(locale.territory(), QLocale::Japan);
    // What the file dialogs show in their date and size columns.
    const QString date = locale.toString(QDate(2026, 12, 10), QLocale::ShortFormat);
    QVERIFY2(!date.contains(QStringLiteral("Dec")), qPrintable(date));
    QCOMPARE(locale.monthName(12, QLocale::ShortFormat), QStringLiteral("12月"));
    QVERIFY(!locale.formattedDataSize(500).contains(QStringLiteral("bytes")));
}

// Qt's file dialog takes its sizes and dates from the system locale, C here.
void ApplicationSetupTest::fileDialogsShowSizesAndDatesInJapanese() {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("a.KORV")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(155, 'x'));
    QVERIFY(file.flush());
    const QDateTime modified(QDate(2026, 12, 10), QTime(12, 7));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ShowDetailsInDefaultLocale(dialog);
    dialog.setDirectory(folder.path());
    const QAbstractProxyModel* details = dialog.proxyModel();
    QVERIFY(details != nullptr);
    const auto* files = qobject_cast<const QFileSystemModel*>(details->sourceModel());
    QVERIFY(files != nullptr);
    const auto column = [&](int c) {
        return details->mapFromSource(files->index(file.fileName(), c)).data().toString();
    };
    QVERIFY(QTest::qWaitFor([&] { return !column(1).isEmpty(); }));
    QCOMPARE(column(1), QStringLiteral("155 バイト"));
    QCOMPARE(column(3), QLocale().toString(modified, QLocale::ShortFormat));
    QVERIFY2(column(3).startsWith(QStringLiteral("2026/12/10")), qPrintable(column(3)));
    QCOMPARE(column(0), QStringLiteral("a.KORV"));
}

void ApplicationSetupTest::numbersKeepThePeriod_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("German, decimal comma") << QLocale(QLocale::German, QLocale::Germany);
}

void ApplicationSetupTest::numbersKeepThePeriod() {
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    NumberField field;
    field.SetValue(1234.5);
    QCOMPARE(field.text(), QStringLiteral("1234.500"));
    field.setText(QStringLiteral("2.25"));
    QCOMPARE(field.Value(), 2.25);
    field.Commit();
    QCOMPARE(field.text(), QStringLiteral("2.250"));
    QCOMPARE(Fixed3Text(0.0005), QStringLiteral("0.001"));
    QCOMPARE(LeadingValue(QStringLiteral("12.75m")), 12.75);
    QCOMPARE(WholeText(32767), QStringLiteral("32767"));
}

}  // namespace fljudge

QTEST_MAIN(fljudge::ApplicationSetupTest)
#include "application_setup_test.moc"
