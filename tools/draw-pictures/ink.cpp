#include "ink.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <vector>

double InkRandom::uniform(double low, double high)
{
    // The top 53 bits make an exact double in [0, 1).
    const double unit = static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
    return low + (high - low) * unit;
}

namespace {

// One box pass along rows (step 1) or columns (step = width) of 32-bit pixels.
void boxPass(std::vector<quint32> &pixels, int lines, int lineLength, int lineStep, int pixelStep,
             int radius)
{
    std::vector<quint32> line(static_cast<std::size_t>(lineLength));
    const int window = 2 * radius + 1;
    for (int l = 0; l < lines; ++l) {
        quint32 *first = pixels.data() + static_cast<std::ptrdiff_t>(l) * lineStep;
        for (int i = 0; i < lineLength; ++i)
            line[static_cast<std::size_t>(i)] = first[static_cast<std::ptrdiff_t>(i) * pixelStep];
        auto at = [&](int i) { return line[static_cast<std::size_t>(std::clamp(i, 0, lineLength - 1))]; };
        int sum[4] = {0, 0, 0, 0};
        for (int i = -radius; i <= radius; ++i)
            for (int c = 0; c < 4; ++c)
                sum[c] += static_cast<int>((at(i) >> (8 * c)) & 0xff);
        for (int i = 0; i < lineLength; ++i) {
            quint32 value = 0;
            for (int c = 0; c < 4; ++c)
                value |= static_cast<quint32>((sum[c] + window / 2) / window) << (8 * c);
            first[static_cast<std::ptrdiff_t>(i) * pixelStep] = value;
            const quint32 leaving = at(i - radius);
            const quint32 entering = at(i + radius + 1);
            for (int c = 0; c < 4; ++c)
                sum[c] += static_cast<int>((entering >> (8 * c)) & 0xff)
                        - static_cast<int>((leaving >> (8 * c)) & 0xff);
        }
    }
}

// A layer just big enough for a shape, so that blurring stays cheap.
struct Layer {
    QImage image;
    QPoint origin;
};

Layer layerAround(const QRectF &bounds, const QImage &canvas, int margin)
{
    QRect area = bounds.toAlignedRect().adjusted(-margin, -margin, margin, margin);
    area = area.intersected(canvas.rect().adjusted(-margin, -margin, margin, margin));
    Layer layer{QImage(area.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied),
                area.topLeft()};
    layer.image.fill(Qt::transparent);
    return layer;
}

void composite(QImage &canvas, const Layer &layer, double opacity)
{
    QPainter painter(&canvas);
    painter.setOpacity(opacity);
    painter.drawImage(layer.origin, layer.image);
}

QColor withAlpha(QColor colour, double alpha)
{
    colour.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return colour;
}

// Smooth noise in -1..1: a random walk pulled back to zero, so edges wobble
// rather than fizz.
std::vector<double> wobble(std::size_t count, double roughness, InkRandom &random)
{
    std::vector<double> values(count);
    double value = 0.0;
    for (double &v : values) {
        value = 0.85 * value + roughness * random.uniform(-1.0, 1.0);
        v = std::clamp(value, -1.0, 1.0);
    }
    return values;
}

} // namespace

QPainterPath withRoundEnd(const QPolygonF &outline, QPointF centre, double radius)
{
    double twiceArea = 0;
    for (qsizetype i = 0; i < outline.size(); ++i) {
        const QPointF &a = outline[i];
        const QPointF &b = outline[(i + 1) % outline.size()];
        twiceArea += a.x() * b.y() - b.x() * a.y();
    }
    const double turn = twiceArea >= 0 ? 1 : -1;
    QPolygonF end;
    for (int i = 0; i < 48; ++i) {
        const double angle = turn * 2 * 3.14159265358979323846 * i / 48;
        end << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(outline);
    path.closeSubpath();
    path.addPolygon(end);
    path.closeSubpath();
    return path;
}

void blurImage(QImage &image, int radius)
{
    if (radius <= 0 || image.isNull())
        return;
    Q_ASSERT(image.format() == QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();
    std::vector<quint32> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        std::copy_n(reinterpret_cast<const quint32 *>(image.constScanLine(y)), width,
                    pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(pixels, height, width, width, 1, radius);
        boxPass(pixels, width, height, 1, width, radius);
    }
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * width, width,
                    reinterpret_cast<quint32 *>(image.scanLine(y)));
}

void paintBrushStroke(QImage &canvas, const QPainterPath &centreLine, const WidthProfile &width,
                      const BrushStyle &style, InkRandom &random)
{
    const double length = centreLine.length();
    const std::size_t samples = static_cast<std::size_t>(std::max(8.0, length / 1.5));
    std::vector<QPointF> points(samples);
    std::vector<QPointF> normals(samples);
    std::vector<double> widths(samples);
    double widest = 1.0;
    for (std::size_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(samples - 1);
        points[i] = centreLine.pointAtPercent(t);
        widths[i] = std::max(0.0, width(t));
        widest = std::max(widest, widths[i]);
    }
    for (std::size_t i = 0; i < samples; ++i) {
        const QPointF along = points[std::min(i + 1, samples - 1)] - points[i > 0 ? i - 1 : 0];
        const double norm = std::hypot(along.x(), along.y());
        normals[i] = norm > 0 ? QPointF(-along.y() / norm, along.x() / norm) : QPointF(0, 1);
    }

    const int blurRadius = style.bleed > 0 ? std::max(2, static_cast<int>(widest / 6)) : 0;
    Layer layer = layerAround(centreLine.boundingRect(), canvas,
                              static_cast<int>(widest) + 4 * blurRadius + 4);
    QPainter painter(&layer.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-layer.origin);

    // The wet body narrows to nothing over the dry part, leaving only bristles.
    auto bodyShare = [&](double t) {
        if (t <= style.dryFrom)
            return 1.0;
        const double past = (t - style.dryFrom) / std::max(1e-6, 1.0 - style.dryFrom);
        return std::max(0.0, 1.0 - past * 1.3);
    };
    const std::vector<double> leftEdge = wobble(samples, 0.12, random);
    const std::vector<double> rightEdge = wobble(samples, 0.12, random);
    QPolygonF body;
    for (std::size_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(samples - 1);
        const double half = 0.5 * widths[i] * bodyShare(t) * (0.92 + 0.08 * leftEdge[i]);
        body << points[i] + normals[i] * half;
    }
    for (std::size_t i = samples; i-- > 0;) {
        const double t = static_cast<double>(i) / static_cast<double>(samples - 1);
        const double half = 0.5 * widths[i] * bodyShare(t) * (0.92 + 0.08 * rightEdge[i]);
        body << points[i] - normals[i] * half;
    }
    const double capRadius = 0.38 * widths.front();
    const QPainterPath wet = withRoundEnd(body, points.front(), capRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(style.ink, style.opacity));
    painter.drawPath(wet);

    // Streaks where the bristles carried less ink: wiping them out of the layer
    // lets the paper show through, as a real brush does.
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    for (int s = 0; s < style.streaks; ++s) {
        const double offset = random.uniform(-0.85, 0.85);
        const double from = random.uniform(0.0, 0.9);
        const double to = std::min(1.0, from + random.uniform(0.1, 0.6));
        const std::vector<double> drift = wobble(samples, 0.05, random);
        QPainterPath streak;
        for (std::size_t i = 0; i < samples; ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(samples - 1);
            if (t < from || t > to)
                continue;
            const QPointF point = points[i] + normals[i] * (0.5 * widths[i] * (offset + 0.1 * drift[i]));
            if (streak.isEmpty())
                streak.moveTo(point);
            else
                streak.lineTo(point);
        }
        painter.setPen(QPen(QColor(0, 0, 0, static_cast<int>(random.uniform(0.15, 0.55) * 255)),
                            random.uniform(0.5, 1.6) * std::max(0.6, widest / 30.0), Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(streak);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Bristles: each keeps to its own track across the width and gives out at its
    // own point past the start of the dry part.
    for (int b = 0; b < style.bristles; ++b) {
        const double offset = random.uniform(-1.0, 1.0);
        const double thickness = random.uniform(0.5, 1.8) * std::max(0.6, widest / 28.0);
        const double alpha = random.uniform(0.15, 0.7) * style.opacity;
        const double runsOut = random.uniform(style.dryFrom, 1.08);
        const std::vector<double> drift = wobble(samples, 0.05, random);
        QPen pen(withAlpha(style.ink, alpha), thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        QPainterPath run;
        bool inking = false;
        for (std::size_t i = 0; i < samples; ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(samples - 1);
            bool hasInk = t < runsOut;
            if (hasInk && t > style.dryFrom) {
                // Further into the dry part the gaps grow more frequent.
                const double dryness = (t - style.dryFrom) / std::max(1e-6, runsOut - style.dryFrom);
                hasInk = inking ? !random.chance(0.01 + 0.07 * dryness) : random.chance(0.1 * (1 - dryness));
            }
            const QPointF point = points[i] + normals[i] * (0.5 * widths[i] * (offset + 0.15 * drift[i]));
            if (hasInk) {
                if (inking)
                    run.lineTo(point);
                else
                    run.moveTo(point);
                if (i == 0) {
                    // Start on the rim of the rounded end, so it is as dense as the rest.
                    const QPointF backwards(-normals[0].y(), normals[0].x());
                    const double across = std::clamp(0.5 * widths[0] * offset / std::max(1e-6, capRadius), -1.0, 1.0);
                    run.moveTo(points[0] + normals[0] * (capRadius * across)
                               + backwards * (capRadius * std::sqrt(1 - across * across)));
                    run.lineTo(point);
                }
            } else if (inking) {
                painter.drawPath(run);
                run = QPainterPath();
            }
            inking = hasInk;
        }
        if (inking)
            painter.drawPath(run);
    }
    painter.end();

    if (style.bleed > 0) {
        Layer halo = layer;
        halo.image.detach();
        blurImage(halo.image, blurRadius);
        composite(canvas, halo, style.bleed);
    }
    composite(canvas, layer, 1.0);
}

void paintWash(QImage &canvas, const QPainterPath &shape, const QColor &ink, double opacity,
               int blurRadius, InkRandom &random)
{
    Layer layer = layerAround(shape.boundingRect(), canvas, 3 * blurRadius + 6);
    QPainter painter(&layer.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-layer.origin);
    painter.setPen(Qt::NoPen);
    const QPointF centre = shape.boundingRect().center();
    const int passes = 4;
    for (int pass = 0; pass < passes; ++pass) {
        const double scale = random.uniform(0.94, 1.02);
        QTransform shift;
        shift.translate(centre.x() + random.uniform(-2, 2), centre.y() + random.uniform(-2, 2));
        shift.scale(scale, scale);
        shift.translate(-centre.x(), -centre.y());
        painter.setBrush(withAlpha(ink, 0.5));
        painter.drawPath(shift.map(shape));
    }
    // Pigment gathers where a wash dries, so its rim is a little darker.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(ink, 0.35), std::max(1.0, blurRadius * 0.6)));
    painter.drawPath(shape);
    painter.end();
    blurImage(layer.image, blurRadius);
    composite(canvas, layer, opacity);
}
