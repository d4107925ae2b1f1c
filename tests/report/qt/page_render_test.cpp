#include "report/qt/page_render.h"

#include <sys/resource.h>

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "report/pdf_tools.h"
#include "report/qt/mincho_font.h"
#include "report/qt/qt_surface.h"
#include "report/sample_results.h"

namespace fljudge {
namespace {

// The rectangle that holds every pixel darker than light grey.
QRect InkedArea(const QImage& image) {
    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 200) {
                inked |= QRect(x, y, 1, 1);
            }
        }
    }
    return inked;
}

}  // namespace

class PageRenderTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        RegisterMinchoSubstitute();
        QVERIFY(dir_.isValid());
    }

    void screenImagesHaveThePageSizeAtTheirResolution() {
        test::SampleResults sample(10, 45);
        struct Case {
            ResultView view;
            double dpi;
            QSize size;
        };
        const Case cases[] = {
            {ResultView::Report, 96, {784, 1105}},
            {ResultView::List, 96, {1740, 1234}},
            {ResultView::List, 150, {2718, 1928}},
        };
        for (const Case& c : cases) {
            const QImage image = RenderPageImage(c.view, 1, sample.Input(), c.dpi);
            QCOMPARE(image.size(), c.size);
            QCOMPARE(image.logicalDpiX(), qRound(c.dpi));
        }
        const QImage sharp = RenderPageImage(ResultView::List, 1, sample.Input(), 96, 2);
        QCOMPARE(sharp.size(), QSize(3480, 2468));
        QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(1740, 1234));
    }

    // The list is laid out for the screen page but printed on A3: its 81
    // lines and 35 columns must stay on the sheet, with a margin.
    void theFullestListFitsOnA3Landscape() {
        test::SampleResults sample(50, 81);
        const QString pdf = dir_.filePath(QStringLiteral("fullest-list.pdf"));
        const std::vector<std::int16_t> pages = {1, 2};
        QVERIFY(WritePdf(pdf, ResultView::List, pages, sample.Input()));
        constexpr double kDpi = 50;
        for (const int page : {1, 2}) {
            const QImage sheet = Rasterized(pdf, page, kDpi);
            QVERIFY(!sheet.isNull());
            const QRect inked = InkedArea(sheet);
            QVERIFY(inked.left() > 0.15 * kDpi);
            QVERIFY(inked.top() > 0.15 * kDpi);
            QVERIFY2(inked.right() < sheet.width() - 0.25 * kDpi,
                     "the list runs off the right edge");
            QVERIFY2(inked.bottom() < sheet.height() - 0.25 * kDpi, "the list runs off the bottom");
            QVERIFY(inked.width() > 0.8 * sheet.width());
        }
    }

    void pdfFilesHoldEveryPageOnTheViewsPaperWithSearchableText() {
        test::SampleResults sample(50, 81);
        const QString report = dir_.filePath(QStringLiteral("report.pdf"));
        const std::vector<std::int16_t> reportSlots = ViewPages(ResultView::Report, {50, 81});
        QVERIFY(WritePdf(report, ResultView::Report, reportSlots, sample.Input()));
        test::PdfInfo info = test::ReadPdfInfo(report.toStdString());
        QCOMPARE(info.pages, 21);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A4"));
        QVERIFY(info.widthPoints < info.heightPoints);

        const QString list = dir_.filePath(QStringLiteral("list.pdf"));
        const std::vector<std::int16_t> pages = {1, 2};
        QVERIFY(WritePdf(list, ResultView::List, pages, sample.Input()));
        info = test::ReadPdfInfo(list.toStdString());
        QCOMPARE(info.pages, 2);
        QCOMPARE(QString::fromStdString(info.paper), QStringLiteral("A3"));
        QVERIFY(info.widthPoints > info.heightPoints);
        const std::string page1 = test::PdfText(list.toStdString(), 1);
        for (const char* text : {"計算結果一覧", "液状化指数（レベル１：", "レベル２タイプⅡ：",
                                 "39.776", "単位体積重量", "砂質土", "1/6"}) {
            QVERIFY2(page1.find(text) != std::string::npos, text);
        }
        const std::string page2 = test::PdfText(list.toStdString(), 2);
        QVERIFY(page2.find("計算結果一覧") == std::string::npos);
        QVERIFY(page2.find("81") != std::string::npos);
    }

    void unwritableFilesAreReported() {
        test::SampleResults sample(10, 45);
        const std::vector<std::int16_t> pages = {1};
        const RenderResult pdf = WritePdf(QStringLiteral("/nonexistent-folder/x.pdf"),
                                          ResultView::List, pages, sample.Input());
        QVERIFY(!pdf);
        QVERIFY(pdf.error.contains(QStringLiteral("/nonexistent-folder/x.pdf")));
        const RenderResult png = WritePng(QStringLiteral("/nonexistent-folder/x.png"),
                                          ResultView::List, 1, sample.Input(), 50);
        QVERIFY(!png);
        QCOMPARE(
            png.error,
            QStringLiteral("PNGファイルを書き込めませんでした（保存先のフォルダがありません）: "
                           "/nonexistent-folder/x.png"));

        const QString path = dir_.filePath(QStringLiteral("list-01.png"));
        QVERIFY(WritePng(path, ResultView::List, 1, sample.Input(), 50));
        QCOMPARE(QImage(path).size(), QSize(906, 643));
    }

    // Qt names a glyph in the PDF's ToUnicode table by the first character
    // that maps to it; the blank glyph came out as the tab, so right-aligned
    // values copied as tabs. Blanks are not drawn as glyphs any more.
    void pdfTextCopiesBlanksAsSpacesAndTheTitleNamesTheBoring() {
        test::SampleResults sample(10, 45);
        const QString pdf = dir_.filePath(QStringLiteral("B-3.pdf"));
        const std::vector<std::int16_t> reportSlots = ViewPages(ResultView::Report, {10, 45});
        QVERIFY(
            WritePdf(pdf, ResultView::Report, reportSlots, sample.Input(), QStringLiteral("B-3")));
        const QList<QByteArray> maps = ToUnicodeMaps(pdf);
        QVERIFY(!maps.isEmpty());
        for (const QByteArray& map : maps) {
            QVERIFY2(!map.contains("<0009>"), map.constData());
        }
        const std::string layout =
            test::CommandOutput("pdftotext -layout " + test::Quoted(pdf.toStdString()) + " -");
        QVERIFY(layout.find('\t') == std::string::npos);
        QVERIFY2(layout.find("0.750   0.750    18.000") != std::string::npos, layout.c_str());
        const std::string info = test::CommandOutput("pdfinfo " + test::Quoted(pdf.toStdString()));
        QVERIFY2(info.find("B-3 - 計算結果") != std::string::npos, info.c_str());

        const QString plain = dir_.filePath(QStringLiteral("plain.pdf"));
        QVERIFY(WritePdf(plain, ResultView::List, std::vector<std::int16_t>{1}, sample.Input()));
        const std::string plainInfo =
            test::CommandOutput("pdfinfo " + test::Quoted(plain.toStdString()));
        QVERIFY(plainInfo.find("計算結果一覧") != std::string::npos);
    }

    // A text with leading blanks prints where its first character would
    // print on its own.
    void blanksMoveTheTextAsFarAsTheyAreWide() {
        const auto draw = [](bool withBlanks) {
            QImage image(400, 60, QImage::Format_RGB32);
            image.setDotsPerMeterX(3780);
            image.setDotsPerMeterY(3780);
            image.fill(Qt::white);
            QPainter painter(&image);
            QtSurface surface(painter, MinchoFont(10.5));
            if (withBlanks) {
                surface.DrawText(150, 150, "   12.345  計 x");
            } else {
                const double blank = surface.TextWidth(" ");
                surface.DrawText(150 + 3 * blank, 150, "12.345");
                surface.DrawText(150 + 11 * blank, 150, "計");
                surface.DrawText(150 + 14 * blank, 150, "x");
            }
            return image;
        };
        const QImage withBlanks = draw(true);
        QVERIFY(InkedArea(withBlanks).isValid());
        QCOMPARE(withBlanks, draw(false));
    }

    // A disk that fills during the write, as a file-size limit makes it,
    // even for root.
    void aPdfThatCannotBeWrittenWholeKeepsTheOldFile() {
        test::SampleResults sample(10, 45);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.pdf"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        const std::vector<std::int16_t> pages = {1, 2, 3};
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const RenderResult result = WritePdf(path, ResultView::Report, pages, sample.Input());
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!result);
        QCOMPARE(result.error,
                 QStringLiteral("PDFファイルを書き込めませんでした（ファイルに書き込めません）: ") +
                     path);
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("old.pdf")});

        // Without the limit the whole document replaces it.
        QVERIFY(WritePdf(path, ResultView::Report, pages, sample.Input()));
        QCOMPARE(test::ReadPdfInfo(path.toStdString()).pages, 3);
    }

  private:
    // The ToUnicode tables of a PDF file written by Qt (plain text streams).
    static QList<QByteArray> ToUnicodeMaps(const QString& pdf) {
        QFile file(pdf);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = file.readAll();
        QList<QByteArray> maps;
        for (qsizetype at = bytes.indexOf("begincmap"); at >= 0;
             at = bytes.indexOf("begincmap", at + 1)) {
            const qsizetype end = bytes.indexOf("endcmap", at);
            if (end < 0) {
                break;
            }
            maps.append(bytes.mid(at, end - at));
        }
        return maps;
    }

    // One page of a PDF file as poppler draws it, in grey.
    QImage Rasterized(const QString& pdf, int page, double dpi) const {
        const QString prefix = dir_.filePath(QStringLiteral("raster"));
        const QString number = QString::number(page);
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-q"), QStringLiteral("-gray"), QStringLiteral("-r"),
                           QString::number(dpi), QStringLiteral("-f"), number, QStringLiteral("-l"),
                           number, QStringLiteral("-singlefile"), pdf, prefix});
        return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir_;
};

}  // namespace fljudge

QTEST_MAIN(fljudge::PageRenderTest)
#include "page_render_test.moc"
