#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "report/drawing_surface.h"

namespace fljudge {

// A drawing surface on a QPainter: the screen page, a printer or a PDF.
// Twips become device units at the device's resolution, and texts are
// measured on the device itself, so the character grid follows the device.
class QtSurface final : public DrawingSurface {
  public:
    // `painter` must be active on its device; `font` is the font of the page.
    QtSurface(QPainter& painter, const QFont& font);

    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawRectangle(double x1, double y1, double x2, double y2) override;
    void DrawCircle(double centerX, double centerY, double radius) override;
    void SetLineStyle(LineStyle style) override;

  private:
    double ToDeviceX(double twips) const { return twips * dpiX_ / 1440.0; }
    double ToDeviceY(double twips) const { return twips * dpiY_ / 1440.0; }

    QPainter& painter_;
    QFont font_;
    QFontMetricsF metrics_;
    double dpiX_;
    double dpiY_;
    double emTwips_;
    double ascentTwips_;
};

}  // namespace fljudge
