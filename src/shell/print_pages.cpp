#include "shell/print_pages.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "report/qt/page_render.h"
#include "shell/file_dialog_details.h"
#include "widgets/message_boxes.h"
#include "widgets/wait_cursor.h"

namespace fljudge {
namespace {

// CUPS garbles job names that are not ASCII.
QString JobName(ResultView view) {
    return view == ResultView::Report ? QStringLiteral("fljudge report")
                                      : QStringLiteral("fljudge list");
}

// Keeps a widget of the printer dialog hidden: the dialog shows it again
// whenever it is shown or its printer changes.
class KeepHidden final : public QObject {
  public:
    explicit KeepHidden(QWidget* widget) : QObject(widget) {
        widget->installEventFilter(this);
        widget->hide();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            static_cast<QWidget*>(watched)->hide();
        }
        return false;
    }
};

}  // namespace

// With CUPS, Qt's dialog offers a page range of its own ("Pages", printed by
// the server) even without the page-range option; its group "印刷範囲" goes,
// so that the pages of the view are always printed whole.
bool ShowPrinterDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies);
    if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"))) {
        new KeepHidden(range);
    }
    return dialog.exec() == QDialog::Accepted;
}

bool PrintPages(QWidget* parent, const PrinterDialog& dialog, ResultView view,
                std::span<const std::int16_t> pages, const ReportInput& input) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(JobName(view));
    if (!dialog(printer, parent)) {
        return false;
    }
    RenderResult result;
    {
        const WaitCursor wait;
        result = RenderPages(printer, view, pages, input);
        if (result && printer.printerState() == QPrinter::Error) {
            result = RenderResult::Failed(QStringLiteral("プリンターがエラーを返しました"));
        }
    }
    if (!result) {
        ShowProgramMessage(parent, QStringLiteral("印刷できませんでした\n") + result.error);
        return false;
    }
    return true;
}

QString ShowPdfSaveDialog(QWidget* parent, const QString& suggestedName) {
    QFileDialog dialog(parent, QStringLiteral("PDF出力"), QDir::homePath(),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    ShowDetailsInDefaultLocale(dialog);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool ExportPdf(QWidget* parent, const SaveFileDialog& dialog, ResultView view,
               std::span<const std::int16_t> pages, const ReportInput& input) {
    const QString suggested = view == ResultView::Report ? QStringLiteral("計算結果.pdf")
                                                         : QStringLiteral("計算結果一覧.pdf");
    const QString path = dialog(parent, suggested);
    if (path.isEmpty()) {
        return false;
    }
    RenderResult result;
    {
        const WaitCursor wait;
        result = WritePdf(path, view, pages, input);
    }
    if (!result) {
        ShowProgramMessage(parent, result.error);
        return false;
    }
    return true;
}

}  // namespace fljudge
