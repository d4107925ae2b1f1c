#include "shell/logo_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace fljudge {
namespace {

// Drawn on a 120 x 120 canvas, scaled to the widget.
constexpr double kCanvas = 120;
constexpr double kGroundTop = 52;
constexpr double kWaterLevel = 70;

struct Layer {
    double bottom;
    QColor colour;
    Qt::BrushStyle texture;
};

const std::array kLayers = {
    Layer{76, QColor(222, 190, 120), Qt::Dense6Pattern},      // sand
    Layer{98, QColor(150, 122, 96), Qt::HorPattern},          // clay
    Layer{120, QColor(176, 166, 150), Qt::DiagCrossPattern},  // gravel
};

void DrawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kGroundTop);
    sky.setColorAt(0, QColor(206, 228, 246));
    sky.setColorAt(1, QColor(246, 250, 253));
    painter.fillRect(QRectF(0, 0, kCanvas, kGroundTop), sky);
}

void DrawLayers(QPainter& painter) {
    double top = kGroundTop;
    for (const Layer& layer : kLayers) {
        const QRectF band(0, top, kCanvas, layer.bottom - top);
        painter.fillRect(band, layer.colour);
        painter.fillRect(band, QBrush(layer.colour.darker(135), layer.texture));
        painter.setPen(QPen(QColor(70, 55, 40), 1.2));
        painter.drawLine(QPointF(0, top), QPointF(kCanvas, top));
        top = layer.bottom;
    }
}

// A decaying ground-motion trace above the surface.
void DrawWave(QPainter& painter) {
    QPainterPath trace;
    constexpr double kBaseline = 28;
    constexpr double kStart = 8;
    constexpr double kEnd = 112;
    trace.moveTo(kStart, kBaseline);
    for (double x = kStart; x <= kEnd; x += 0.5) {
        const double t = (x - kStart) / (kEnd - kStart);
        const double envelope = 18 * std::sin(std::numbers::pi * std::sqrt(t)) * (1 - 0.6 * t);
        trace.lineTo(x, kBaseline - envelope * std::sin(2 * std::numbers::pi * 7 * t));
    }
    painter.setPen(QPen(QColor(196, 40, 40), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);
}

// The groundwater sign: a dashed level line, a downward triangle resting on
// it and two short strokes beneath.
void DrawWaterTable(QPainter& painter) {
    const QColor water(28, 84, 178);
    painter.setPen(QPen(water, 1.2, Qt::DashLine));
    painter.drawLine(QPointF(0, kWaterLevel), QPointF(kCanvas, kWaterLevel));

    constexpr double kX = 84;
    const std::array<QPointF, 3> triangle = {QPointF(kX - 7, kWaterLevel - 11),
                                             QPointF(kX + 7, kWaterLevel - 11),
                                             QPointF(kX, kWaterLevel)};
    painter.setPen(QPen(water, 1.2));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPolygon(triangle.data(), static_cast<int>(triangle.size()));
    painter.setPen(QPen(water, 1.6));
    painter.drawLine(QPointF(kX - 6, kWaterLevel + 3), QPointF(kX + 6, kWaterLevel + 3));
    painter.drawLine(QPointF(kX - 3.5, kWaterLevel + 6), QPointF(kX + 3.5, kWaterLevel + 6));
}

}  // namespace

LogoPicture::LogoPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgLogo"));
    setFixedSize(sizeHint());
}

QSize LogoPicture::sizeHint() const {
    return {120, 120};
}

void LogoPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / kCanvas, height() / kCanvas);
    DrawSky(painter);
    DrawLayers(painter);
    DrawWave(painter);
    DrawWaterTable(painter);
    painter.setPen(QPen(QColor(60, 60, 60), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kCanvas - 1, kCanvas - 1));
}

}  // namespace fljudge
