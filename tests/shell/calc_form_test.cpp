#include "shell/calc_form.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "report/pdf_tools.h"
#include "report/qt/mincho_font.h"
#include "report/sample_results.h"
#include "shell/modal_windows.h"

namespace fljudge {
namespace {

using Slots = std::vector<std::int16_t>;

// The window on hand-filled results, with its controls found by name.
struct Window {
    test::SampleResults sample;
    CalcForm form;

    Window(int nValues, int points) : sample(nValues, points), form(sample.Input()) {}

    template <class T>
    T* Control(const char* name) {
        T* control = form.findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) {
            qFatal("no control %s", name);
        }
        return control;
    }
    QPushButton* Previous() { return Control<QPushButton>("Command2_0"); }
    QPushButton* Next() { return Control<QPushButton>("Command2_1"); }
    QString Label() { return Control<QLabel>("LabP")->text(); }
    QWidget* Page() { return Control<QWidget>("Pic"); }
    QScrollBar* Vertical() { return Control<QScrollBar>("YScl"); }
    QScrollBar* Horizontal() { return Control<QScrollBar>("XScl"); }
    void Click(const char* name) {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }
    void SelectList() { Click("Opt_1"); }
    void SelectReport() { Click("Opt_0"); }

    // The slots shown while "→" is pressed from page 1 to the last page.
    Slots WalkForward() {
        Slots seen = {form.CurrentSlot()};
        while (Next()->isEnabled()) {
            Click("Command2_1");
            seen.push_back(form.CurrentSlot());
        }
        return seen;
    }
};

// A printer dialog that accepts and sends the job to a PDF file instead.
PrinterDialog PrintToFile(const QString& path, int* shown = nullptr) {
    return [path, shown](QPrinter& printer, QWidget*) {
        if (shown != nullptr) {
            ++*shown;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
}

}  // namespace

class CalcFormTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        RegisterMinchoSubstitute();
        QVERIFY(dir_.isValid());
    }

    void controlsHaveTheirNamesCaptionsAndPlaces() {
        Window w(30, 30);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("計算結果"));
        const int dpi = w.form.logicalDpiX();
        const auto px = [dpi](double twips) { return qRound(twips * dpi / 1440.0); };
        QCOMPARE(w.form.size(), QSize(px(13620), px(8955)));
        struct Expected {
            const char* name;
            QString caption;
            QRect place;
        };
        const Expected controls[] = {
            {"PicW", {}, QRect(px(120), px(120), px(11844), px(8400))},
            {"YScl", {}, QRect(px(12120), px(120), px(255), px(8415))},
            {"XScl", {}, QRect(px(120), px(8640), px(11895), px(255))},
            {"Opt_0", QStringLiteral("計算結果"), QRect(px(12600), px(360), px(735), px(615))},
            {"Opt_1", QStringLiteral("計算一覧"), QRect(px(12600), px(1080), px(735), px(615))},
            {"Command2_0", QStringLiteral("←"), QRect(px(12600), px(1800), px(375), px(615))},
            {"Command2_1", QStringLiteral("→"), QRect(px(13080), px(1800), px(375), px(615))},
            {"LabP", {}, QRect(px(12600), px(2640), px(855), px(255))},
            {"Command1", QStringLiteral("印刷"), QRect(px(12600), px(3360), px(855), px(855))},
            {"Command3", QStringLiteral("頁印刷"), QRect(px(12600), px(4440), px(855), px(855))},
            {"CMD_Pdf", QStringLiteral("PDF出力"), QRect(px(12600), px(5520), px(855), px(855))},
            {"Command4", QStringLiteral("閉じる"), QRect(px(12600), px(7680), px(855), px(855))},
        };
        for (const Expected& c : controls) {
            QWidget* control = w.Control<QWidget>(c.name);
            QCOMPARE(control->geometry(), c.place);
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QCOMPARE(button->text(), c.caption);
            }
        }
        QCOMPARE(w.Page()->parentWidget(), w.Control<QWidget>("PicW"));
    }

    void opensOnPage1OfTheReport() {
        Window w(30, 30);
        QVERIFY(w.Control<QRadioButton>("Opt_0")->isChecked());
        QCOMPARE(w.form.View(), ResultView::Report);
        QCOMPARE(w.Label(), QStringLiteral("1/11"));
        QCOMPARE(w.form.CurrentSlot(), 1);
        QVERIFY(!w.Previous()->isEnabled());
        QVERIFY(w.Next()->isEnabled());
        QVERIFY(w.Control<QPushButton>("Command1")->isEnabled());
        QVERIFY(w.Control<QPushButton>("Command3")->isEnabled());
    }

    void arrowsStepThroughThePresentSlots_data() {
        QTest::addColumn<int>("nValues");
        QTest::addColumn<int>("points");
        QTest::addColumn<Slots>("order");
        QTest::newRow("N30 P30") << 30 << 30 << Slots{1, 2, 3, 4, 6, 9, 11, 13, 15, 18, 21};
        QTest::newRow("N31 P30") << 31 << 30
                                 << Slots{1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 18, 21};
        QTest::newRow("N31 P61") << 31 << 61 << Slots{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                      12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    }

    void arrowsStepThroughThePresentSlots() {
        QFETCH(int, nValues);
        QFETCH(int, points);
        QFETCH(Slots, order);
        Window w(nValues, points);
        const QString count = QString::number(order.size());
        QCOMPARE(w.form.PageCount(), static_cast<std::int16_t>(order.size()));
        QCOMPARE(w.WalkForward(), order);
        QCOMPARE(w.Label(), count + QStringLiteral("/") + count);
        QVERIFY(!w.Next()->isEnabled());
        QVERIFY(w.Previous()->isEnabled());

        Slots backward = {w.form.CurrentSlot()};
        while (w.Previous()->isEnabled()) {
            w.Click("Command2_0");
            backward.push_back(w.form.CurrentSlot());
            QCOMPARE(w.Label(),
                     QString::number(w.form.CurrentPage()) + QStringLiteral("/") + count);
        }
        std::reverse(backward.begin(), backward.end());
        QCOMPARE(backward, order);
        QCOMPARE(w.form.CurrentPage(), 1);
        QVERIFY(w.Next()->isEnabled());
    }

    void theListHasASecondPageFrom41Points() {
        Window forty(10, 40);
        forty.SelectList();
        QCOMPARE(forty.form.View(), ResultView::List);
        QCOMPARE(forty.Label(), QStringLiteral("1/1"));
        QVERIFY(!forty.Previous()->isEnabled());
        QVERIFY(!forty.Next()->isEnabled());

        Window fortyOne(10, 41);
        fortyOne.Click("Command2_1");  // to report page 2, then the list starts over
        fortyOne.SelectList();
        QCOMPARE(fortyOne.Label(), QStringLiteral("1/2"));
        QCOMPARE(fortyOne.form.CurrentSlot(), 1);
        QCOMPARE(fortyOne.WalkForward(), (Slots{1, 2}));
        QCOMPARE(fortyOne.Label(), QStringLiteral("2/2"));
        fortyOne.SelectReport();
        QCOMPARE(fortyOne.Label(), QStringLiteral("1/14"));
    }

    // At 96 dpi a pixel is 15 twips: the report page is 1105 pixels high
    // (16575 twips), the list page 1740 × 1234 pixels, the viewport 790 × 560.
    void scrollRangesFollowThePageAndTheViewport() {
        Window w(10, 45);
        if (w.form.logicalDpiX() != 96) {
            QSKIP("the expected ranges are worked out for a 96-dpi screen");
        }
        QCOMPARE(w.Vertical()->maximum(), 16575 - 8400);
        QCOMPARE(w.Vertical()->singleStep(), 818);  // 817.5, halves to even
        QCOMPARE(w.Horizontal()->maximum(), 0);
        QCOMPARE(w.Page()->size(), QSize(784, 1105));

        w.SelectList();
        QCOMPARE(w.Page()->size(), QSize(1740, 1234));
        QCOMPARE(w.Horizontal()->maximum(), 26100 - 11850);
        QCOMPARE(w.Horizontal()->singleStep(), 1425);
        QCOMPARE(w.Vertical()->maximum(), 18510 - 8400);
        QCOMPARE(w.Vertical()->singleStep(), 1011);
    }

    void scrollingMovesThePageWithoutDrawingItAgain() {
        Window w(10, 45);
        w.SelectList();
        const qint64 drawn = w.form.PageImage().cacheKey();
        w.Vertical()->setValue(3000);
        w.Horizontal()->setValue(1500);
        const int dpi = w.form.logicalDpiX();
        QCOMPARE(w.Page()->pos(),
                 QPoint(-qRound(1500.0 * dpi / 1440), -qRound(3000.0 * dpi / 1440)));
        QCOMPARE(w.form.PageImage().cacheKey(), drawn);

        w.Click("Command2_1");  // paging draws the new page where the page is
        QVERIFY(w.form.PageImage().cacheKey() != drawn);
        QCOMPARE(w.Page()->pos(),
                 QPoint(-qRound(1500.0 * dpi / 1440), -qRound(3000.0 * dpi / 1440)));
    }

    void switchingViewsKeepsTheScrollValuesWithinTheNewRanges() {
        Window w(10, 45);
        w.Vertical()->setValue(8000);
        w.SelectList();
        QCOMPARE(w.Page()->pos(), QPoint(0, 0));
        QCOMPARE(w.Vertical()->value(), 8000);  // within the list's range: kept, page at the top
        w.Horizontal()->setValue(14000);
        w.Vertical()->setValue(w.Vertical()->maximum());

        w.SelectReport();
        QCOMPARE(w.Horizontal()->value(), 0);
        QCOMPARE(w.Vertical()->value(), w.Vertical()->maximum());  // lowered to the maximum
        const int dpi = w.form.logicalDpiX();
        QCOMPARE(w.Page()->pos(), QPoint(0, -qRound(w.Vertical()->maximum() * dpi / 1440.0)));
    }

    void theScreenPageShowsTheListDrawn() {
        Window w(10, 45);
        w.SelectList();
        const QImage& image = w.form.PageImage();
        QCOMPARE(image.size(), w.Page()->size() * w.Page()->devicePixelRatioF());
        // Dark pixels where the header frames are, white in the right margin.
        const auto darkIn = [&image](QRect area) {
            int dark = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
                }
            }
            return dark;
        };
        QVERIFY(darkIn(QRect(0, 0, image.width() / 2, image.height() / 4)) > 1000);
        QCOMPARE(darkIn(QRect(image.width() - 100, 0, 100, image.height())), 0);
    }

    void printAllSendsThePresentSlotsAsOneA4Document() {
        Window w(10, 45);
        const QString path = dir_.filePath(QStringLiteral("all.pdf"));
        int dialogs = 0;
        w.form.SetPrinterDialog(PrintToFile(path, &dialogs));
        QSignalSpy printed(&w.form, &CalcForm::PagesPrinted);
        const auto seen = test::RunWithModalHandlers([&] { w.Click("Command1"); }, {});
        QVERIFY(seen.empty());
        QCOMPARE(dialogs, 1);
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed[0][1].value<Slots>(),
                 (Slots{1, 2, 3, 4, 6, 7, 9, 11, 13, 15, 16, 18, 19, 21}));
        const test::PdfInfo info = test::ReadPdfInfo(path.toStdString());
        QCOMPARE(info.pages, 14);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A4"));
        QVERIFY(info.widthPoints < info.heightPoints);
    }

    void pagePrintSendsOnlyThePageShown() {
        Window w(30, 30);
        for (int k = 1; k < 7; ++k) {
            w.Click("Command2_1");
        }
        QCOMPARE(w.Label(), QStringLiteral("7/11"));
        const QString path = dir_.filePath(QStringLiteral("page7.pdf"));
        w.form.SetPrinterDialog(PrintToFile(path));
        QSignalSpy printed(&w.form, &CalcForm::PagesPrinted);
        w.Click("Command3");
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed[0][1].value<Slots>(), Slots{11});
        const test::PdfInfo info = test::ReadPdfInfo(path.toStdString());
        QCOMPARE(info.pages, 1);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A4"));
        QVERIFY(info.widthPoints < info.heightPoints);
        QCOMPARE(w.Label(), QStringLiteral("7/11"));
    }

    void theListPrintsOnA3Landscape() {
        Window w(10, 45);
        w.SelectList();
        const QString path = dir_.filePath(QStringLiteral("list.pdf"));
        w.form.SetPrinterDialog(PrintToFile(path));
        w.Click("Command1");
        const test::PdfInfo info = test::ReadPdfInfo(path.toStdString());
        QCOMPARE(info.pages, 2);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A3"));
        QVERIFY(info.widthPoints > info.heightPoints);
        QVERIFY(test::PdfText(path.toStdString(), 1).find("計算結果一覧") != std::string::npos);
        QVERIFY(test::PdfText(path.toStdString(), 2).find("計算結果一覧") == std::string::npos);
        QVERIFY(test::PdfText(path.toStdString(), 2).find("45") != std::string::npos);
    }

    void cancelInThePrinterDialogPrintsNothingAndSaysNothing() {
        Window w(10, 45);
        int dialogs = 0;
        w.form.SetPrinterDialog([&dialogs](QPrinter&, QWidget*) {
            ++dialogs;
            return false;
        });
        QSignalSpy printed(&w.form, &CalcForm::PagesPrinted);
        const auto seen = test::RunWithModalHandlers(
            [&] {
                w.Click("Command1");
                w.Click("Command3");
            },
            {});
        QCOMPARE(dialogs, 2);
        QVERIFY(seen.empty());
        QCOMPARE(printed.count(), 0);
    }

    void aPrinterThatCannotStartIsToldInAMessageBox() {
        Window w(10, 45);
        w.form.SetPrinterDialog(PrintToFile(QStringLiteral("/nonexistent-folder/x.pdf")));
        QSignalSpy printed(&w.form, &CalcForm::PagesPrinted);
        const auto seen = test::RunWithModalHandlers([&] { w.Click("Command1"); }, {test::CloseIt});
        QCOMPARE(seen.size(), std::size_t{1});
        QVERIFY(seen[0].text.startsWith(QStringLiteral("印刷できませんでした\n")));
        QCOMPARE(seen[0].title, QStringLiteral("液状化判定プログラム"));
        QCOMPARE(printed.count(), 0);
    }

    void pdfExportSavesEveryPageOfTheView() {
        Window w(10, 45);
        w.SelectList();
        const QString path = dir_.filePath(QStringLiteral("export.pdf"));
        QString offered;
        w.form.SetSaveFileDialog([&](QWidget*, const QString& suggested) {
            offered = suggested;
            return path;
        });
        w.Click("CMD_Pdf");
        QCOMPARE(offered, QStringLiteral("計算結果一覧.pdf"));
        const test::PdfInfo info = test::ReadPdfInfo(path.toStdString());
        QCOMPARE(info.pages, 2);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A3"));
        QVERIFY(test::PdfText(path.toStdString()).find("液状化指数（レベル１：") !=
                std::string::npos);

        w.SelectReport();
        const QString report = dir_.filePath(QStringLiteral("report.pdf"));
        w.form.SetSaveFileDialog([&](QWidget*, const QString&) { return report; });
        w.Click("CMD_Pdf");
        QCOMPARE(test::ReadPdfInfo(report.toStdString()).pages, 14);

        const QString cancelled = dir_.filePath(QStringLiteral("cancelled.pdf"));
        w.form.SetSaveFileDialog([](QWidget*, const QString&) { return QString(); });
        const auto seen = test::RunWithModalHandlers([&] { w.Click("CMD_Pdf"); }, {});
        QVERIFY(seen.empty());
        QVERIFY(!QFile::exists(cancelled));

        w.form.SetSaveFileDialog(
            [](QWidget*, const QString&) { return QStringLiteral("/nonexistent-folder/x.pdf"); });
        const auto failed =
            test::RunWithModalHandlers([&] { w.Click("CMD_Pdf"); }, {test::CloseIt});
        QCOMPARE(failed.size(), std::size_t{1});
        QVERIFY(failed[0].text.contains(QStringLiteral("/nonexistent-folder/x.pdf")));
    }

    // "→" disabled on the last page used to hand the focus on to "印刷", so
    // that the next Space printed.
    void theFocusStaysOnThePageButtons() {
        Window w(10, 45);
        int dialogs = 0;
        w.form.SetPrinterDialog([&dialogs](QPrinter&, QWidget*) {
            ++dialogs;
            return false;
        });
        w.form.show();
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.WalkForward();
        QCOMPARE(w.form.CurrentPage(), w.form.PageCount());
        QCOMPARE(QApplication::focusWidget(), w.Previous());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(w.form.CurrentPage(), w.form.PageCount() - 1);
        while (w.Previous()->isEnabled()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        QCOMPARE(w.form.CurrentPage(), 1);
        QCOMPARE(QApplication::focusWidget(), w.Next());
        QCOMPARE(dialogs, 0);
    }

    // Qt's dialog with CUPS offers its own page range ("Pages"); the pages of
    // the view are printed whole, so the dialog has no range at all.
    void thePrinterDialogOffersNoPageRange() {
        Window w(10, 45);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        bool checked = false;
        const auto seen =
            test::RunWithModalHandlers([&] { w.Click("Command1"); }, {[&](QWidget* dialog) {
                                           InspectPrinterDialog(dialog);
                                           checked = true;
                                           dialog->close();
                                       }});
        QVERIFY(checked);
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].className, QStringLiteral("QPrintDialog"));
    }

    void closeEndsTheWindow() {
        Window w(10, 45);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.Click("Command4");
        QVERIFY(!w.form.isVisible());
    }

  private:
    // With the options pane open, as the user would open it.
    static void InspectPrinterDialog(QWidget* dialog) {
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().contains(QStringLiteral(">>"))) {
                button->click();
            }
        }
        auto* range = dialog->findChild<QWidget*>(QStringLiteral("gbPrintRange"));
        QVERIFY(range != nullptr);
        QVERIFY(!range->isVisible());
        for (auto* control : dialog->findChildren<QAbstractButton*>()) {
            if (control->isVisible()) {
                QVERIFY2(!control->text().contains(QStringLiteral("Pages")),
                         qPrintable(control->text()));
                QVERIFY2(!control->text().contains(QStringLiteral("Selection")),
                         qPrintable(control->text()));
            }
        }
        auto* copies = dialog->findChild<QWidget*>(QStringLiteral("copies"));
        QVERIFY(copies != nullptr && copies->isVisible());
    }

    QTemporaryDir dir_;
};

}  // namespace fljudge

QTEST_MAIN(fljudge::CalcFormTest)
#include "calc_form_test.moc"
