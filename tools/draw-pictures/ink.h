// Brush tools for the ink-wash background: a seeded random source, a blur for wet
// edges and a bristle brush that follows a centre line.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

#include "splitmix64.h"

#include <cstdint>
#include <functional>

// Unlike std::uniform_real_distribution this gives the same numbers with every
// compiler, so the pictures come out byte for byte the same.
class InkRandom {
public:
    explicit InkRandom(std::uint64_t seed) : numbers(seed) {}
    std::uint64_t next() { return numbers.next(); }
    double uniform(double low = 0.0, double high = 1.0);
    bool chance(double probability) { return uniform() < probability; }

private:
    SplitMix64 numbers;
};

// The outline filled together with a round end at `centre`, turning the same way
// as the outline so that the non-zero fill keeps the overlap inked once.
QPainterPath withRoundEnd(const QPolygonF &outline, QPointF centre, double radius);

// Box blur, three passes (close to a Gaussian), on a premultiplied ARGB image.
void blurImage(QImage &image, int radius);

// Width of the stroke, in pixels, at a fraction 0..1 along its centre line.
using WidthProfile = std::function<double(double)>;

struct BrushStyle {
    QColor ink = QColor(20, 20, 20);
    double opacity = 0.85;   // of the wet body of the stroke
    double dryFrom = 0.75;   // fraction along the line after which the brush runs dry
    int bristles = 36;
    int streaks = 0;         // thin dry lines through the wet body
    double bleed = 0.0;      // opacity of a blurred halo, ink soaking into the paper
};

// Paints one stroke along the centre line: a wet body with ragged edges, then
// bristle streaks that break up towards the dry end.
void paintBrushStroke(QImage &canvas, const QPainterPath &centreLine, const WidthProfile &width,
                      const BrushStyle &style, InkRandom &random);

// Fills a shape as a soft wash: several blurred, slightly shifted passes.
void paintWash(QImage &canvas, const QPainterPath &shape, const QColor &ink, double opacity,
               int blurRadius, InkRandom &random);
