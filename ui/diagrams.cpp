#include "ui/diagrams.h"

#include "platform/qt/widgets.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QString>

#include <array>

namespace zelta::ui {
namespace {

constexpr int kBitmapWidth = 548;
constexpr int kBitmapHeight = 224;

// The supply unit, identical on both diagrams; its outer edge is exactly this box.
constexpr QRect kUnitBox(24, 79, 92, 90);
constexpr int kUnitBorder = 2;

// The cable leaves the unit from the middle of its right side as a 5-pixel band, rows 122 to 126.
constexpr int kCableY = kUnitBox.top() + kUnitBox.height() / 2;
constexpr int kCableThickness = 5;
constexpr int kCableTop = kCableY - kCableThickness / 2;
constexpr int kCableStartX = kUnitBox.right() + 1;

// Sensors are hollow rings; the ring is this many pixels wide, inside its outer diameter.
constexpr qreal kRingWidth = 2.0;

QFont DiagramFont(int pixelSize) {
    // The window's own family: one font file fewer to load before the first frame.
    QFont font = qt::DesignFont(pixelSize);
    font.setPixelSize(pixelSize);
    // Grey edge pixels would be cut away unevenly by the black-and-white conversion.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage BlankCanvas() {
    QImage canvas(kBitmapWidth, kBitmapHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

void PrepareCrisp(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
}

// The drawing is already pure black and white: a plain threshold keeps every pixel as drawn, and the
// result's colour table is white and black only.
QImage ToMonochrome(const QImage& canvas) {
    return canvas.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
}

void DrawUnit(QPainter& painter) {
    const QRect& box = kUnitBox;
    // Filled bands rather than a stroked rectangle: the outer size stays exactly 92 x 90.
    painter.fillRect(QRect(box.left(), box.top(), box.width(), kUnitBorder), Qt::black);
    painter.fillRect(QRect(box.left(), box.bottom() - kUnitBorder + 1, box.width(), kUnitBorder), Qt::black);
    painter.fillRect(QRect(box.left(), box.top(), kUnitBorder, box.height()), Qt::black);
    painter.fillRect(QRect(box.right() - kUnitBorder + 1, box.top(), kUnitBorder, box.height()), Qt::black);
    painter.setFont(DiagramFont(15));
    painter.drawText(box, Qt::AlignCenter, QStringLiteral("ZELTA-7"));
}

// A cable run along the common cable row, from x to x + length - 1.
void DrawCable(QPainter& painter, int x, int length) {
    painter.fillRect(QRect(x, kCableTop, length, kCableThickness), Qt::black);
}

// A sensor: a ring whose outer edge spans [centre - radius, centre + radius] pixel for pixel.
void DrawSensor(QPainter& painter, QPoint centre, int radius) {
    painter.save();
    painter.setPen(QPen(Qt::black, kRingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal mid = radius + 0.5 - kRingWidth / 2;  // the stroke's centre line
    painter.drawEllipse(QPointF(centre.x() + 0.5, centre.y() + 0.5), mid, mid);
    painter.restore();
}

void DrawDot(QPainter& painter, QPoint centre) {
    painter.fillRect(QRect(centre.x() - 1, centre.y() - 1, 3, 3), Qt::black);
}

// Text centred on x with its box ending at bottom.
void DrawLabelAbove(QPainter& painter, int centreX, int bottom, const QString& text) {
    constexpr int kHalfWidth = 40;
    constexpr int kHeight = 20;
    painter.drawText(QRect(centreX - kHalfWidth, bottom - kHeight, 2 * kHalfWidth, kHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, text);
}

}  // namespace

QImage StarDiagram() {
    QImage canvas = BlankCanvas();
    QPainter painter(&canvas);
    PrepareCrisp(painter);
    DrawUnit(painter);

    // The common cable from the unit to the junction where the sensors' drops branch off.
    constexpr int kCableLength = 245;
    DrawCable(painter, kCableStartX, kCableLength);
    const QPoint junction(kCableStartX + kCableLength, kCableY);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(junction.x() + 0.5, junction.y() + 0.5), 4.0, 4.0);
    painter.setBrush(Qt::NoBrush);

    painter.setFont(DiagramFont(14));
    // A little left of the cable's middle, clear of the cable's top edge.
    DrawLabelAbove(painter, kCableStartX + kCableLength / 2 - 14, kCableTop - 4, QStringLiteral("Lmax"));

    // The sensors at the far end: top, middle and bottom, with more of them implied between the last two.
    constexpr int kSensorRadius = 16;
    constexpr int kSensorX = 500;
    const std::array<QPoint, 3> sensors = {QPoint(kSensorX, kCableY - 72), QPoint(kSensorX, kCableY),
                                           QPoint(kSensorX, kCableY + 72)};
    for (const QPoint& sensor : sensors) {
        // Each drop stops at the ring's edge on the side facing the junction.
        const QLineF towardsSensor(QPointF(junction) + QPointF(0.5, 0.5),
                                   QPointF(sensor) + QPointF(0.5, 0.5));
        QLineF drop = towardsSensor;
        drop.setLength(towardsSensor.length() - kSensorRadius + 1);
        painter.drawLine(drop);
        DrawSensor(painter, sensor, kSensorRadius);
    }
    for (int dot = -1; dot <= 1; ++dot) {
        DrawDot(painter, QPoint(kSensorX, (sensors[1].y() + sensors[2].y()) / 2 + 8 * dot));
    }

    // The sensor kinds that may hang on the junction, beside the upper sensor.
    const QRect caption(318, 36, 160, 40);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("ЛИР-С-11, ЛИФ-С-11,\nЛИВ, ЛИЗ"));

    painter.end();
    return ToMonochrome(canvas);
}

QImage ChainDiagram() {
    QImage canvas = BlankCanvas();
    QPainter painter(&canvas);
    PrepareCrisp(painter);
    DrawUnit(painter);
    painter.setFont(DiagramFont(14));

    constexpr int kSensorRadius = 15;
    constexpr int kSensorDiameter = 2 * kSensorRadius;  // ring pixels: centre - radius .. centre + radius
    constexpr int kSegmentLength = 80;
    constexpr int kStubLength = 12;
    constexpr int kDotsGap = 36;  // room for the three dots between the two stubs
    // Labels over segments sit just above the cable; labels over sensors just above the rings.
    constexpr int kSegmentLabelBottom = kCableTop - 3;
    constexpr int kSensorLabelBottom = kCableY - kSensorRadius - 3;

    int x = kCableStartX;
    const auto segment = [&](int length, const QString& label) {
        DrawCable(painter, x, length);
        if (!label.isEmpty()) {
            DrawLabelAbove(painter, x + length / 2, kSegmentLabelBottom, label);
        }
        x += length;
    };
    const auto sensor = [&](const QString& label) {
        const QPoint centre(x + kSensorRadius, kCableY);
        DrawSensor(painter, centre, kSensorRadius);
        DrawLabelAbove(painter, centre.x(), kSensorLabelBottom, label);
        x += kSensorDiameter + 1;  // the ring's columns are its own; the next cable starts past them
    };

    segment(kSegmentLength, QStringLiteral("Ln"));
    sensor(QStringLiteral("Дn"));
    segment(kStubLength, QString());
    for (int dot = 0; dot < 3; ++dot) {
        DrawDot(painter, QPoint(x + kDotsGap / 4 * (dot + 1), kCableY));
    }
    x += kDotsGap;
    segment(kStubLength, QString());
    sensor(QStringLiteral("Д3"));
    segment(kSegmentLength, QStringLiteral("L2"));
    sensor(QStringLiteral("Д2"));
    segment(kSegmentLength, QStringLiteral("L1"));
    sensor(QStringLiteral("Д1"));  // the far end: nothing beyond it

    painter.end();
    return ToMonochrome(canvas);
}

}  // namespace zelta::ui
