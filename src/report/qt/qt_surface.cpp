#include "report/qt/qt_surface.h"

#include <QPaintDevice>
#include <QPen>
#include <QString>

namespace fljudge {
namespace {

// One pixel of the 96-dpi screen, so that frames look alike on every device.
constexpr double kLineWidthTwips = 15.0;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtSurface::QtSurface(QPainter& painter, const QFont& font)
    : painter_(painter),
      font_(font, painter.device()),
      metrics_(font_, painter.device()),
      dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY()),
      emTwips_(font.pointSizeF() * 20.0) {
    // The grid rows are one em high; place the text cell (ascent + descent,
    // scaled to one em) at the top of its row.
    const double cell = metrics_.ascent() + metrics_.descent();
    ascentTwips_ = cell > 0 ? emTwips_ * metrics_.ascent() / cell : emTwips_;
    painter_.setFont(font_);
    QPen pen(Qt::black);
    pen.setWidthF(ToDeviceX(kLineWidthTwips));
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

double QtSurface::TextWidth(std::string_view text) {
    return metrics_.horizontalAdvance(ToQString(text)) * 1440.0 / dpiX_;
}

double QtSurface::TextHeight(std::string_view) {
    return emTwips_;
}

void QtSurface::DrawText(double x, double y, std::string_view text) {
    // Blanks only move the pen: Qt's PDF writer names the blank glyph by the
    // first character that maps to it, which is the tab, so a drawn blank
    // would copy out of a PDF as a tab. Each run of other characters is
    // placed where it stands in the whole text.
    const QString whole = ToQString(text);
    const QPointF origin(ToDeviceX(x), ToDeviceY(y + ascentTwips_));
    qsizetype start = 0;
    while (start < whole.size()) {
        while (start < whole.size() && whole[start] == u' ') {
            ++start;
        }
        qsizetype end = start;
        while (end < whole.size() && whole[end] != u' ') {
            ++end;
        }
        if (end > start) {
            const double offset = start > 0 ? metrics_.horizontalAdvance(whole.left(start)) : 0;
            painter_.drawText(origin + QPointF(offset, 0), whole.mid(start, end - start));
        }
        start = end;
    }
}

void QtSurface::DrawLine(double x1, double y1, double x2, double y2) {
    painter_.drawLine(QPointF(ToDeviceX(x1), ToDeviceY(y1)), QPointF(ToDeviceX(x2), ToDeviceY(y2)));
}

void QtSurface::DrawRectangle(double x1, double y1, double x2, double y2) {
    painter_.drawRect(
        QRectF(QPointF(ToDeviceX(x1), ToDeviceY(y1)), QPointF(ToDeviceX(x2), ToDeviceY(y2))));
}

void QtSurface::DrawCircle(double centerX, double centerY, double radius) {
    painter_.drawEllipse(QPointF(ToDeviceX(centerX), ToDeviceY(centerY)), ToDeviceX(radius),
                         ToDeviceY(radius));
}

void QtSurface::SetLineStyle(LineStyle style) {
    QPen pen = painter_.pen();
    pen.setStyle(style == LineStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
    painter_.setPen(pen);
}

}  // namespace fljudge
