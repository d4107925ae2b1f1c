#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <span>

#include "report/report_input.h"
#include "report/report_paging.h"

class QPrinter;
class QWidget;

// Putting result pages on paper or into a PDF file from the results window.
namespace fljudge {

// Lets the user choose the printer; false on Cancel.
using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The printer dialog of the results window: no selection, no page range, no
// printing to a file; copies are left to the printer driver.
bool ShowPrinterDialog(QPrinter& printer, QWidget* parent);

// The printer dialog, then the pages as one print job on the paper of the
// view. Cancel ends silently; a failure is shown in a message box. True when
// the job was handed to the printer.
bool PrintPages(QWidget* parent, const PrinterDialog& dialog, ResultView view,
                std::span<const std::int16_t> pages, const ReportInput& input);

// Asks for the path of a new PDF file, offering `suggestedName`; empty on Cancel.
using SaveFileDialog = std::function<QString(QWidget* parent, const QString& suggestedName)>;

QString ShowPdfSaveDialog(QWidget* parent, const QString& suggestedName);

// The save dialog, then the pages as one PDF file. Cancel ends silently; a
// failure is shown in a message box. True when the file was written.
bool ExportPdf(QWidget* parent, const SaveFileDialog& dialog, ResultView view,
               std::span<const std::int16_t> pages, const ReportInput& input);

}  // namespace fljudge
