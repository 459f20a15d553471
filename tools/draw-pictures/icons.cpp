#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace {

QImage transparentImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath circle(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

} // namespace

QImage drawSearchIcon()
{
    QImage image = transparentImage(256);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF lensCentre(102, 102);
    const double ringOuter = 80;
    const double ringInner = 57;

    // The handle is drawn in a frame turned 45 degrees, running along +x from the lens.
    QTransform handleFrame;
    handleFrame.translate(lensCentre.x(), lensCentre.y());
    handleFrame.rotate(45);
    QPainterPath collar;
    collar.addRoundedRect(QRectF(ringOuter - 8, -15, 34, 30), 4, 4);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(ringOuter + 18, -22, 94, 44), 22, 22);
    collar = handleFrame.map(collar);
    grip = handleFrame.map(grip);

    // A light rim around the whole shape keeps it readable on dark toolbars.
    const QPainterPath silhouette = circle(lensCentre, ringOuter).united(collar).united(grip);
    painter.setPen(QPen(QColor(250, 250, 250, 235), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(250, 250, 250, 235));
    painter.drawPath(silhouette);

    QLinearGradient collarShade(handleFrame.map(QPointF(0, -15)), handleFrame.map(QPointF(0, 15)));
    collarShade.setColorAt(0, QColor(170, 170, 170));
    collarShade.setColorAt(1, QColor(95, 95, 95));
    painter.setPen(Qt::NoPen);
    painter.setBrush(collarShade);
    painter.drawPath(collar);

    QLinearGradient gripShade(handleFrame.map(QPointF(0, -22)), handleFrame.map(QPointF(0, 22)));
    gripShade.setColorAt(0, QColor(70, 70, 70));
    gripShade.setColorAt(0.35, QColor(20, 20, 20));
    gripShade.setColorAt(1, QColor(0, 0, 0));
    painter.setBrush(gripShade);
    painter.drawPath(grip);

    QLinearGradient ringShade(lensCentre - QPointF(ringOuter, ringOuter), lensCentre + QPointF(ringOuter, ringOuter));
    ringShade.setColorAt(0, QColor(225, 225, 225));
    ringShade.setColorAt(0.5, QColor(165, 165, 165));
    ringShade.setColorAt(1, QColor(110, 110, 110));
    painter.setBrush(ringShade);
    painter.drawPath(circle(lensCentre, ringOuter).subtracted(circle(lensCentre, ringInner)));

    QLinearGradient lensShade(lensCentre - QPointF(0, ringInner), lensCentre + QPointF(0, ringInner));
    lensShade.setColorAt(0, QColor(16, 60, 140));
    lensShade.setColorAt(0.55, QColor(45, 125, 210));
    lensShade.setColorAt(1, QColor(140, 205, 250));
    painter.setBrush(lensShade);
    painter.drawPath(circle(lensCentre, ringInner));

    // Thin dark lines on both edges of the ring hold the shape together when small.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(80, 80, 80), 3));
    painter.drawPath(circle(lensCentre, ringOuter - 1.5));
    painter.setPen(QPen(QColor(90, 90, 90), 2.5));
    painter.drawPath(circle(lensCentre, ringInner + 1));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(circle(lensCentre + QPointF(-24, -24), 11));
    painter.drawPath(circle(lensCentre + QPointF(-4, -36), 5.5));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage drawAboutIcon()
{
    QImage image = transparentImage(512);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(51, 51, 51));
    painter.drawPath(circle(QPointF(256, 256), 248));

    // An italic "i" built from curves rather than a font, so it looks the same on
    // every machine: a slanted stem with an entry flick at the top, a tail that
    // turns right at the foot, and a round dot above.
    QPainterPath letter;
    letter.moveTo(222, 212);                   // tip of the entry flick
    letter.cubicTo(250, 200, 276, 196, 300, 198);
    letter.lineTo(260, 360);                   // right edge of the stem, slanted
    letter.cubicTo(256, 374, 262, 380, 274, 372);
    letter.cubicTo(284, 365, 294, 354, 302, 344);
    letter.lineTo(312, 354);
    letter.cubicTo(290, 386, 262, 412, 230, 412);
    letter.cubicTo(202, 412, 194, 392, 202, 362);
    letter.lineTo(234, 236);                   // left edge of the stem
    letter.cubicTo(236, 226, 230, 222, 224, 224);
    letter.closeSubpath();
    letter.addEllipse(QPointF(290, 140), 33, 33);

    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setBrush(Qt::black);
    painter.drawPath(letter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage drawExitIcon()
{
    QImage image = transparentImage(128);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor magenta(206, 24, 150);
    const QColor shadedMagenta(150, 12, 108);

    // Frame on three sides and the sill; the opening inside stays empty.
    QPainterPath frame;
    frame.addRect(QRectF(60, 8, 60, 114));
    frame = frame.subtracted([] {
        QPainterPath opening;
        opening.addRect(QRectF(69, 17, 42, 105));
        return opening;
    }());
    painter.setPen(Qt::NoPen);
    painter.setBrush(magenta);
    painter.drawPath(frame);

    // The leaf swings out towards the viewer, so its free edge looks taller.
    QPainterPath leaf;
    leaf.moveTo(62, 12);
    leaf.lineTo(62, 120);
    leaf.lineTo(28, 126);
    leaf.lineTo(28, 3);
    leaf.closeSubpath();
    QLinearGradient leafShade(28, 0, 62, 0);
    leafShade.setColorAt(0, magenta);
    leafShade.setColorAt(1, shadedMagenta);
    painter.setBrush(leafShade);
    painter.drawPath(leaf);

    QPainterPath arrow;
    arrow.moveTo(6, 56);
    arrow.lineTo(70, 56);
    arrow.lineTo(70, 40);
    arrow.lineTo(104, 64);
    arrow.lineTo(70, 88);
    arrow.lineTo(70, 72);
    arrow.lineTo(6, 72);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(magenta);
    painter.drawPath(arrow);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
