// Japanese as the program's default locale: Qt's dialogs show Japanese dates
// and sizes, while every number the program shows, reads or writes keeps the
// period as decimal point, whatever the default locale.
#include "shell/application_setup.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTest>

#include "editors/number_fields.h"
#include "shell/number_field.h"

namespace fljudge {

class ApplicationSetupTest : public QObject {
    Q_OBJECT

  private slots:
    void japaneseIsTheDefaultLocale();
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
