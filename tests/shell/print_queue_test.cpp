#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include "report/pdf_tools.h"
#include "report/qt/mincho_font.h"
#include "report/sample_results.h"
#include "shell/calc_form.h"

// Printing as users print: through a real CUPS queue whose cups-pdf driver
// leaves each job as a PDF file in a folder.
namespace fljudge {

class PrintQueueTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        queue_ = qEnvironmentVariable("FLJUDGE_PRINTER_QUEUE");
        outputDir_ = qEnvironmentVariable("FLJUDGE_PRINTER_OUTPUT_DIR");
        if (queue_.isEmpty() || outputDir_.isEmpty()) {
            QSKIP("FLJUDGE_PRINTER_QUEUE and FLJUDGE_PRINTER_OUTPUT_DIR name no printer queue");
        }
        RegisterMinchoSubstitute();
    }

    void theReportArrivesOnA4AndTheListOnA3() {
        test::SampleResults sample(10, 45);
        CalcForm form(sample.Input());
        form.SetPrinterDialog([this](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(queue_);
            return printer.isValid();
        });

        const QStringList before = PdfFiles();
        QTest::mouseClick(form.findChild<QAbstractButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        const QString report = WaitForNewPdf(before);
        QVERIFY2(!report.isEmpty(), "the report did not arrive from the printer queue");
        test::PdfInfo info = test::ReadPdfInfo(report.toStdString());
        QCOMPARE(info.pages, 14);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A4"));
        QVERIFY(info.widthPoints < info.heightPoints);

        const QStringList beforeList = PdfFiles();
        QTest::mouseClick(form.findChild<QAbstractButton*>(QStringLiteral("Opt_1")),
                          Qt::LeftButton);
        QTest::mouseClick(form.findChild<QAbstractButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        const QString list = WaitForNewPdf(beforeList);
        QVERIFY2(!list.isEmpty(), "the list did not arrive from the printer queue");
        info = test::ReadPdfInfo(list.toStdString());
        QCOMPARE(info.pages, 2);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A3"));
        // A printer takes A3 sheets upright and prints landscape pages turned
        // on them: the list's wide block of lines stands upright on the sheet.
        const QRect drawn = DrawnArea(list);
        QVERIFY(drawn.isValid());
        QVERIFY2(drawn.height() > drawn.width(), "the list was not printed in landscape");
    }

  private:
    // Where page 1 of a PDF file has ink, in the pixels of a coarse rendering.
    QRect DrawnArea(const QString& pdf) const {
        const QString prefix = QDir::temp().filePath(QStringLiteral("fljudge-print-queue"));
        QProcess::execute(
            QStringLiteral("pdftoppm"),
            {QStringLiteral("-q"), QStringLiteral("-gray"), QStringLiteral("-r"),
             QStringLiteral("20"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
             QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, prefix});
        const QImage image(prefix + QStringLiteral(".pgm"));
        QRect drawn;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 200) {
                    drawn |= QRect(x, y, 1, 1);
                }
            }
        }
        QFile::remove(prefix + QStringLiteral(".pgm"));
        return drawn;
    }

    QStringList PdfFiles() const {
        return QDir(outputDir_).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

    // The first PDF file that was not there before, once it stops growing.
    QString WaitForNewPdf(const QStringList& before) const {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000) {
            for (const QString& name : PdfFiles()) {
                if (before.contains(name)) {
                    continue;
                }
                const QString path = QDir(outputDir_).filePath(name);
                const qint64 size = QFileInfo(path).size();
                QTest::qWait(500);
                if (size > 0 && QFileInfo(path).size() == size &&
                    test::ReadPdfInfo(path.toStdString()).pages > 0) {
                    return path;
                }
            }
            QTest::qWait(200);
        }
        return {};
    }

    QString queue_;
    QString outputDir_;
};

}  // namespace fljudge

QTEST_MAIN(fljudge::PrintQueueTest)
#include "print_queue_test.moc"
