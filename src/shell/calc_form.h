#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "report/report_input.h"
#include "report/report_paging.h"
#include "shell/print_pages.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace fljudge {

class PagePicture;

// The results window "計算結果": the report and the results list of the last
// calculation, one page at a time on a white page that scrolls inside a fixed
// viewport, with printing and PDF export of the view shown. The project and
// the results must outlive the window.
class CalcForm : public QDialog {
    Q_OBJECT

  public:
    explicit CalcForm(const ReportInput& input, QWidget* parent = nullptr);
    ~CalcForm() override;

    ResultView View() const { return view_; }
    std::int16_t PageCount() const { return static_cast<std::int16_t>(pages_.size()); }
    // 1-based number of the page shown, as the page label counts it.
    std::int16_t CurrentPage() const { return static_cast<std::int16_t>(pageIndex_ + 1); }
    // The report slot or the list page shown.
    std::int16_t CurrentSlot() const { return pages_[pageIndex_]; }
    // The screen page as drawn for the page shown.
    const QImage& PageImage() const;

    void SetPrinterDialog(PrinterDialog dialog) { printerDialog_ = std::move(dialog); }
    void SetSaveFileDialog(SaveFileDialog dialog) { saveFileDialog_ = std::move(dialog); }

  signals:
    // The pages of a print job handed to the printer, in their order.
    void PagesPrinted(fljudge::ResultView view, const std::vector<std::int16_t>& pages);

  private:
    void CreateControls();
    void SelectView(ResultView view);
    void SetScrollRange(QScrollBar* bar, double pageTwips, double viewportTwips);
    void StepPage(bool forward);
    void ShowCurrentPage();
    void Print(const std::vector<std::int16_t>& pages);
    int ToPixels(double twips) const;
    double ToTwips(int pixels) const;

    ReportInput input_;
    PagingCounts counts_;
    ResultView view_ = ResultView::Report;
    std::vector<std::int16_t> pages_;  // the view's pages in their order
    std::size_t pageIndex_ = 0;        // the one shown
    PrinterDialog printerDialog_ = ShowPrinterDialog;
    SaveFileDialog saveFileDialog_ = ShowPdfSaveDialog;

    QWidget* PicW = nullptr;
    PagePicture* Pic = nullptr;
    QScrollBar* YScl = nullptr;
    QScrollBar* XScl = nullptr;
    std::array<QRadioButton*, 2> Opt{};
    std::array<QPushButton*, 2> Command2{};
    QLabel* LabP = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* CMD_Pdf = nullptr;
    QPushButton* Command4 = nullptr;
};

}  // namespace fljudge
