// The "ボーリングデータ読込" menu item and its window, driven as a user would.
#include "shell/boring_import_form.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "modal_answer.h"
#include "shell/app_state.h"
#include "shell/application_setup.h"
#include "shell/fs_path.h"
#include "shell/main_form.h"

namespace fljudge {
namespace {

using test::MessageBoxAnswer;
using test::NextModal;

const QString kBorings = QStringLiteral(FLJUDGE_SOURCE_DIR "/tests/boring/data/");

}  // namespace

class BoringImportFormTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void DialogIsTheSharedOpenDialogForBoringFiles();
    void ReadTakesTheChosenWaterLevelAndKeepsTheDesignConditions();
    void CancelChangesNothing();
    void BrokenFileKeepsTheProjectAndSaysWhy();

  private:
    // Chooses `file` in the file dialog, then lets `handle` work the window.
    void ImportThrough(const QString& file, std::function<void(BoringImportForm&)> handle) {
        form_->FileDialog().SetRunner(
            [file](QFileDialog&) { return std::optional<QString>(file); });
        NextModal modal([handle](QWidget* window) {
            auto* importForm = qobject_cast<BoringImportForm*>(window);
            QVERIFY(importForm != nullptr);
            handle(*importForm);
        });
        form_->findChild<QAction*>("mnuLoadBoring")->trigger();
        QVERIFY(modal.Seen());
    }

    std::unique_ptr<AppState> state_;
    std::unique_ptr<MainForm> form_;
    QTemporaryDir folder_;
};

void BoringImportFormTest::initTestCase() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QVERIFY(SetUpApplication(*app));
}

void BoringImportFormTest::init() {
    state_ = std::make_unique<AppState>();
    state_->ProgramFolder = ToFsPath(folder_.path());
    NewProject(state_->Project, state_->Basic);
    state_->Project.RegionArea = 3;
    state_->Project.DesignKhLv1 = 0.25;
    state_->Project.LayerCount = 1;
    state_->Project.SoilLayers[1].Depth = 4;
    form_ = std::make_unique<MainForm>(*state_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void BoringImportFormTest::cleanup() {
    form_.reset();
}

void BoringImportFormTest::DialogIsTheSharedOpenDialogForBoringFiles() {
    QString title;
    QStringList filters;
    form_->FileDialog().SetRunner([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        return std::optional<QString>();
    });
    const ProjectData before = state_->Project;
    form_->findChild<QAction*>("mnuLoadBoring")->trigger();
    QCOMPARE(title, QString("開く"));
    QCOMPARE(filters, QStringList({"ボーリング交換用データ (*.XML *.xml)"}));
    QVERIFY(state_->Project == before);

    // "データ読込" afterwards offers the project files again.
    form_->findChild<QAction*>("mnuLoad")->trigger();
    QCOMPARE(filters, QStringList({"すべてのﾌｧｲﾙ (*.KORV)"}));
}

void BoringImportFormTest::ReadTakesTheChosenWaterLevelAndKeepsTheDesignConditions() {
    ImportThrough(kBorings + "BED0300.XML", [](BoringImportForm& window) {
        QCOMPARE(window.windowTitle(), QString("ボーリングデータ読込"));
        QVERIFY(window.findChild<QLabel*>("LBL_BoringName")->text().contains("Ｎｏ．3.00－①"));
        auto* layers = window.findChild<QTableWidget*>("GRD_Layers");
        QCOMPARE(layers->rowCount(), 5);
        QCOMPARE(layers->item(3, 3)->text(), QString("礫質土"));
        QCOMPARE(layers->item(0, 4)->text(), QString("埋土（砂）"));
        auto* nValues = window.findChild<QTableWidget*>("GRD_NValues");
        QCOMPARE(nValues->rowCount(), 6);
        QCOMPARE(nValues->item(3, 4)->text(), QString("115"));
        QCOMPARE(nValues->item(5, 5)->text(), QString("ハンマー自沈"));
        auto* warnings = window.findChild<QPlainTextEdit*>("TXT_Warnings");
        QVERIFY(warnings->toPlainText().contains("互層のため砂質土としました"));

        // "水位なし" first, then both measurements; the one without a value
        // cannot be chosen, the second is chosen.
        auto* water = window.findChild<QComboBox*>("CMB_Water");
        QCOMPARE(water->count(), 3);
        QCOMPARE(water->currentIndex(), 2);
        QVERIFY(water->currentText().contains("2.30m"));
        QVERIFY(water->currentText().contains("2008-04-16"));
        water->setFocus();
        QTest::keyClick(water, Qt::Key_Up);  // skips the one without a value
        QCOMPARE(water->currentIndex(), 0);
        QVERIFY(warnings->toPlainText().contains("水位深度を 0m としました"));
        QTest::keyClick(water, Qt::Key_Down);
        QCOMPARE(water->currentIndex(), 2);
        QVERIFY(!warnings->toPlainText().contains("水位深度を 0m"));
        QTest::mouseClick(window.findChild<QPushButton*>("CMD_Read"), Qt::LeftButton);
    });
    const ProjectData& project = state_->Project;
    QCOMPARE(project.LayerCount, 5);
    QCOMPARE(project.NValueCount, 6);
    QCOMPARE(project.WaterDepth, 2.3);
    QCOMPARE(project.NValues[4].N, 115);
    QCOMPARE(project.RegionArea, 3);
    QCOMPARE(project.DesignKhLv1, 0.25);
}

void BoringImportFormTest::CancelChangesNothing() {
    const ProjectData before = state_->Project;
    ImportThrough(kBorings + "BED0400.XML", [](BoringImportForm& window) {
        QTest::mouseClick(window.findChild<QPushButton*>("CMD_Cancel"), Qt::LeftButton);
    });
    QVERIFY(state_->Project == before);
}

void BoringImportFormTest::BrokenFileKeepsTheProjectAndSaysWhy() {
    const ProjectData before = state_->Project;
    const QString broken = folder_.filePath("BED0001.XML");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<a><b></a>");
    file.close();
    form_->FileDialog().SetRunner([&](QFileDialog&) { return std::optional<QString>(broken); });
    MessageBoxAnswer answer(QMessageBox::Ok);
    form_->findChild<QAction*>("mnuLoadBoring")->trigger();
    QVERIFY(answer.Seen().seen);
    QCOMPARE(answer.Seen().icon, QMessageBox::Warning);
    const QStringList lines = answer.Seen().text.split("\r\n");
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString("ボーリングデータを読み込めませんでした"));
    QCOMPARE(lines[1], broken);
    QVERIFY(lines[2].contains("XMLの形式が正しくありません"));
    QVERIFY(state_->Project == before);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace fljudge

QTEST_MAIN(fljudge::BoringImportFormTest)
#include "boring_import_form_test.moc"
