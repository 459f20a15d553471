#include "pictures.h"
#include "ink.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
const QColor inkBlack(18, 18, 20);
const QColor vermilion(204, 52, 36);

// Each motif has its own seed, so that reworking one leaves the others as they are.
enum Seed : std::uint64_t {
    EnsoSeed = 0x4c6972616e64656cULL,
    BlotSeed = 0x626c6f7421ULL,
    BranchSeed = 0x6272616e6368ULL,
    SweepSeed = 0x7377656570ULL,
    BambooSeed = 0x62616d626f6fULL,
    CarpSeed = 0x63617270ULL,
    LotusSeed = 0x6c6f747573ULL,
};

double smoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double radians = degrees * pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

// A smooth line through the given points (Catmull-Rom turned into cubic segments).
QPainterPath smoothLine(const std::vector<QPointF> &points)
{
    QPainterPath path(points.front());
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF before = points[i > 0 ? i - 1 : 0];
        const QPointF from = points[i];
        const QPointF to = points[i + 1];
        const QPointF after = points[std::min(i + 2, points.size() - 1)];
        path.cubicTo(from + (to - before) / 6.0, to - (after - from) / 6.0, to);
    }
    return path;
}

// The outline of a band that follows a centre line, from `side(t)` on one side
// of it to `otherSide(t)` (negative: the other side).
QPainterPath bandAlong(const QPainterPath &spine, const std::function<double(double)> &side,
                       const std::function<double(double)> &otherSide, int samples = 80)
{
    std::vector<QPointF> first;
    std::vector<QPointF> second;
    for (int i = 0; i <= samples; ++i) {
        const double t = static_cast<double>(i) / samples;
        const QPointF point = spine.pointAtPercent(t);
        const QPointF ahead = spine.pointAtPercent(std::min(1.0, t + 0.01));
        const QPointF behind = spine.pointAtPercent(std::max(0.0, t - 0.01));
        QPointF along = ahead - behind;
        along /= std::max(1e-9, std::hypot(along.x(), along.y()));
        const QPointF normal(-along.y(), along.x());
        first.push_back(point + normal * side(t));
        second.push_back(point + normal * otherSide(t));
    }
    QPolygonF outline(first.begin(), first.end());
    for (auto it = second.rbegin(); it != second.rend(); ++it)
        outline << *it;
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QPainterPath bodyAlong(const QPainterPath &spine, const std::function<double(double)> &halfWidth)
{
    return bandAlong(spine, halfWidth, [&halfWidth](double t) { return -halfWidth(t); });
}

// The point `across` pixels beside the spine at `t`, on the side that positive
// widths of bandAlong take.
QPointF besideSpine(const QPainterPath &spine, double t, double across)
{
    return spine.pointAtPercent(t) + polar(QPointF(), across, 90 - spine.angleAtPercent(t));
}

// A leaf-shaped stroke: a narrow start, full width a third of the way, a fine tip.
WidthProfile leafWidth(double widest)
{
    return [widest](double t) { return widest * std::pow(std::sin(pi * std::pow(t, 0.75)), 0.9); };
}

QPainterPath wobblyEllipse(QPointF centre, double rx, double ry, double roughness, InkRandom &random)
{
    const double phase1 = random.uniform(0, 2 * pi);
    const double phase2 = random.uniform(0, 2 * pi);
    const double phase3 = random.uniform(0, 2 * pi);
    std::vector<QPointF> points;
    for (int i = 0; i <= 48; ++i) {
        const double a = 2 * pi * i / 48;
        const double r = 1 + roughness * (0.5 * std::sin(3 * a + phase1) + 0.3 * std::sin(5 * a + phase2)
                                          + 0.2 * std::sin(9 * a + phase3));
        points.emplace_back(centre.x() + rx * r * std::cos(a), centre.y() + ry * r * std::sin(a));
    }
    QPainterPath path = smoothLine(points);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path;
}

void fillShape(QImage &canvas, const QPainterPath &shape, const QBrush &brush)
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPath(shape);
}

// A fish seen from above, head first along its spine, body tapering to a split tail.
void paintFish(QImage &canvas, const QPainterPath &spine, double length, const QColor &colour, InkRandom &random)
{
    const double width = length * 0.17;
    const QPainterPath body = bodyAlong(spine, [width](double t) {
        if (t < 0.12)
            return width * std::sqrt(t / 0.12) * 0.85;
        if (t < 0.35)
            return width * (0.85 + 0.15 * std::sin((t - 0.12) / 0.23 * pi / 2));
        return width * std::max(0.12, 1.0 - std::pow((t - 0.35) / 0.6, 1.3) * 0.9);
    });
    QColor back = colour.darker(125);
    QRadialGradient shade(spine.pointAtPercent(0.3), length * 0.7);
    shade.setColorAt(0, back);
    shade.setColorAt(1, colour);
    paintWash(canvas, body, colour, 0.25, 2, random);
    fillShape(canvas, body, QBrush(shade));

    // Tail: two sweeping lobes carrying on past the end of the spine. Qt gives
    // angles anticlockwise, screen angles run clockwise, hence the minus signs.
    const QPointF tailRoot = spine.pointAtPercent(0.93);
    const double heading = spine.angleAtPercent(0.93);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QColor tailColour = colour;
    tailColour.setAlphaF(0.8f);
    painter.setBrush(tailColour);
    for (int side : {-1, 1}) {
        const double spread = -heading + side * 28;
        const QPointF tip = polar(tailRoot, length * 0.38, spread);
        const QPointF bulge = polar(tailRoot, length * 0.3, spread - side * 24);
        QPainterPath lobe(tailRoot);
        lobe.quadTo(bulge, tip);
        lobe.quadTo(polar(tailRoot, length * 0.16, spread + side * 8), tailRoot);
        painter.drawPath(lobe);
    }
    // Side fins just behind the head, swept back.
    tailColour.setAlphaF(0.6f);
    painter.setBrush(tailColour);
    const QPointF finRoot = spine.pointAtPercent(0.28);
    const double finHeading = spine.angleAtPercent(0.28);
    for (int side : {-1, 1}) {
        const QPointF tip = polar(finRoot, width * 2.1, -finHeading + side * 60);
        QPainterPath fin(finRoot);
        fin.quadTo(polar(finRoot, width * 1.6, -finHeading + side * 90), tip);
        fin.quadTo(polar(finRoot, width * 1.0, -finHeading + side * 40), finRoot);
        painter.drawPath(fin);
    }
}

// Top left: a brush-stroke circle, open where the brush lifted, two fish inside.
void paintEnso(QImage &canvas)
{
    InkRandom random(EnsoSeed);
    const QPointF centre(86, 80);
    const double radius = 52;
    std::vector<QPointF> points;
    for (double angle = 118; angle <= 438; angle += 4) {
        const double a = angle * pi / 180;
        const double r = radius * (1 + 0.035 * std::sin(2 * a + 0.7) + 0.02 * std::sin(5 * a));
        points.push_back(polar(centre, r, angle));
    }
    BrushStyle style;
    style.ink = inkBlack;
    style.opacity = 0.9;
    style.dryFrom = 0.6;
    style.bristles = 70;
    style.bleed = 0.35;
    style.streaks = 30;
    paintBrushStroke(canvas, smoothLine(points), [](double t) {
        return 9 + 15 * smoothStep(0, 0.07, t) - 9 * smoothStep(0.3, 1.0, t);
    }, style, random);

    const double fishLength = 34;
    paintFish(canvas, smoothLine({centre + QPointF(-14, -10), centre + QPointF(0, -17), centre + QPointF(15, -10),
                                  centre + QPointF(20, 2)}),
              fishLength, vermilion, random);
    paintFish(canvas, smoothLine({centre + QPointF(14, 12), centre + QPointF(0, 18), centre + QPointF(-15, 11),
                                  centre + QPointF(-20, -1)}),
              fishLength, QColor(40, 40, 44), random);
}

// Top centre: one heavy drop of ink that splashed.
void paintBlot(QImage &canvas)
{
    InkRandom random(BlotSeed);
    const QPointF centre(322, 36);
    // A grey rim where the water ran ahead of the pigment, then the dark core.
    paintWash(canvas, wobblyEllipse(centre, 30, 24, 0.3, random), inkBlack, 0.3, 3, random);
    paintWash(canvas, wobblyEllipse(centre, 21, 17, 0.4, random), inkBlack, 0.75, 1, random);
    QRadialGradient core(centre, 18);
    core.setColorAt(0, QColor(10, 10, 12, 245));
    core.setColorAt(0.7, QColor(10, 10, 12, 200));
    core.setColorAt(1, QColor(10, 10, 12, 120));
    fillShape(canvas, wobblyEllipse(centre, 16, 13, 0.4, random), QBrush(core));
    // Two smaller splashes that ran into the main drop.
    paintWash(canvas, wobblyEllipse(centre + QPointF(-19, 9), 8, 6, 0.3, random), inkBlack, 0.8, 1, random);
    paintWash(canvas, wobblyEllipse(centre + QPointF(17, -12), 6, 5, 0.3, random), inkBlack, 0.75, 1, random);

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 30; ++i) {
        const double direction = random.uniform(0, 360);
        const double distance = 32 + 44 * std::pow(random.uniform(), 1.4);
        const double size = 0.6 + 3.2 * (1 - (distance - 32) / 44) * random.uniform(0.5, 1.0);
        painter.setBrush(QColor(18, 18, 20, static_cast<int>(random.uniform(150, 235))));
        painter.save();
        painter.translate(polar(centre, distance, direction));
        painter.rotate(direction);
        painter.drawEllipse(QPointF(0, 0), size * random.uniform(1.0, 1.4), size);
        painter.restore();
    }
    painter.end();
}

// Top right: an old branch with knots and side shoots, a few plum blossoms.

// A young shoot that kinks a few times and may fork once; returns its tips.
std::vector<QPointF> paintShoot(QImage &canvas, QPointF start, double heading, double length, double width,
                                bool mayFork, InkRandom &random)
{
    std::vector<QPointF> points{start};
    const int kinks = 4;
    double direction = heading;
    for (int i = 0; i < kinks; ++i) {
        direction += random.uniform(-30, 30);
        direction = heading + std::clamp(direction - heading, -30.0, 30.0);
        points.push_back(polar(points.back(), length / kinks * random.uniform(0.75, 1.25), direction));
    }
    BrushStyle style;
    style.ink = inkBlack;
    style.opacity = 0.85;
    style.dryFrom = 0.5;
    style.bristles = 16;
    style.streaks = 3;
    style.bleed = 0.25;
    const double phase = random.uniform(0, 2 * pi);
    paintBrushStroke(canvas, smoothLine(points), [width, phase](double t) {
        return width * (1 - 0.7 * t) * (1 + 0.22 * std::sin(t * 23 + phase) + 0.12 * std::sin(t * 41));
    }, style, random);

    std::vector<QPointF> tips{points.back()};
    if (!mayFork)
        return tips;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        if (!random.chance(0.5))
            continue;
        const double side = (i % 2 == 0) ? 1 : -1;
        const std::vector<QPointF> more = paintShoot(canvas, points[i], heading + side * random.uniform(28, 50),
                                                     length * random.uniform(0.3, 0.45), width * 0.45, false, random);
        tips.insert(tips.end(), more.begin(), more.end());
    }
    return tips;
}

void paintPlumBlossom(QImage &canvas, QPointF centre, double radius, InkRandom &random)
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const double turn = random.uniform(0, 72);
    for (int petal = 0; petal < 5; ++petal) {
        const QPointF at = polar(centre, radius * 0.55, turn + petal * 72);
        painter.setPen(QPen(QColor(30, 30, 34, 115), 0.9));
        painter.setBrush(QColor(30, 30, 34, 28));
        painter.drawEllipse(at, radius * 0.52, radius * 0.52);
    }
    painter.setPen(QPen(QColor(20, 20, 22, 170), 0.7));
    for (int stamen = 0; stamen < 6; ++stamen) {
        const QPointF tip = polar(centre, radius * random.uniform(0.35, 0.6), turn + stamen * 60 + 30);
        painter.drawLine(centre, tip);
        painter.setBrush(QColor(15, 15, 18, 220));
        painter.drawEllipse(tip, 0.9, 0.9);
    }
}

void paintBranch(QImage &canvas)
{
    InkRandom random(BranchSeed);
    // The old wood is placed by hand so that it dips and turns; only the young
    // shoots are left to chance.
    const std::vector<QPointF> trunk{{654, 30}, {612, 40}, {584, 32}, {552, 48}, {522, 44},
                                     {494, 62}, {462, 60}, {436, 78}, {414, 80}};
    BrushStyle bark;
    bark.ink = inkBlack;
    bark.opacity = 0.82;
    bark.dryFrom = 0.3;
    bark.bristles = 80;
    bark.streaks = 30;
    bark.bleed = 0.25;
    paintBrushStroke(canvas, smoothLine(trunk), [](double t) {
        return 24 * (1 - 0.72 * t) * (1 + 0.2 * std::sin(t * 21 + 1) + 0.1 * std::sin(t * 47));
    }, bark, random);

    struct Limb {
        std::size_t from;
        double heading;
        double length;
        double width;
    };
    const Limb limbs[] = {{2, 215, 70, 9}, {3, 115, 64, 8}, {5, 140, 52, 6}, {1, 120, 46, 7}, {6, 200, 40, 5}};
    std::vector<QPointF> tips;
    for (const Limb &limb : limbs) {
        const std::vector<QPointF> more =
            paintShoot(canvas, trunk[limb.from], limb.heading, limb.length, limb.width, true, random);
        tips.insert(tips.end(), more.begin(), more.end());
    }
    tips.push_back(trunk.back());

    // Knots: small dark dabs sitting on the bark.
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 1; i + 1 < trunk.size(); i += 2) {
        painter.setBrush(QColor(8, 8, 10, 230));
        painter.drawEllipse(trunk[i] + QPointF(random.uniform(-3, 3), random.uniform(-2, 2)), random.uniform(2.5, 4.0),
                            random.uniform(1.6, 2.6));
    }
    painter.end();

    for (const QPointF &tip : tips) {
        if (tip.y() < 8)
            continue;
        paintPlumBlossom(canvas, tip + QPointF(random.uniform(-3, 3), random.uniform(-1, 4)), random.uniform(6.5, 9),
                         random);
    }
}

// Middle right: one broad stroke that dips and sweeps up to the right, breaking
// into dry bristles, over a paler first pass.
void paintSweep(QImage &canvas)
{
    InkRandom random(SweepSeed);
    BrushStyle pale;
    pale.ink = inkBlack;
    pale.opacity = 0.14;
    pale.dryFrom = 0.55;
    pale.bristles = 40;
    pale.bleed = 0.5;
    QPainterPath under(QPointF(452, 246));
    under.cubicTo(QPointF(500, 300), QPointF(574, 284), QPointF(640, 228));
    paintBrushStroke(canvas, under, [](double t) { return 40 * std::sin(pi * std::pow(t, 0.6)) + 4; }, pale, random);

    BrushStyle style;
    style.ink = inkBlack;
    style.opacity = 0.8;
    style.dryFrom = 0.4;
    style.bristles = 130;
    style.streaks = 40;
    style.bleed = 0.3;
    QPainterPath spine(QPointF(446, 250));
    spine.cubicTo(QPointF(490, 300), QPointF(566, 292), QPointF(642, 206));
    paintBrushStroke(canvas, spine, [](double t) {
        return 16 + 14 * smoothStep(0, 0.2, t) - 14 * smoothStep(0.3, 1.0, t) + 2 * std::sin(t * 13);
    }, style, random);
}

// Bottom left: bamboo stems with joints and hanging leaves.
constexpr double bambooFoot = 492;

void paintBamboo(QImage &canvas)
{
    InkRandom random(BambooSeed);
    struct Stem {
        double x;
        double lean;
        double top;
        double width;
        double opacity;
        // Where the stem stands at height y; it rises from below the picture's edge.
        double xAt(double y) const { return x + lean * (bambooFoot - y) / (bambooFoot - top); }
    };
    const Stem stems[] = {{70, 10, 300, 9, 0.35}, {30, 22, 318, 12, 0.82}, {122, -14, 342, 8, 0.62}};
    for (const Stem &stem : stems) {
        const int joints = 4;
        for (int j = 0; j < joints; ++j) {
            const double from = bambooFoot - (bambooFoot - stem.top) * j / joints;
            const double to = bambooFoot - (bambooFoot - stem.top) * (j + 1) / joints + 3;
            BrushStyle style;
            style.ink = inkBlack;
            style.opacity = stem.opacity * random.uniform(0.85, 1.0);
            style.dryFrom = 0.85;
            style.bristles = 14;
            style.bleed = 0.15;
            QPainterPath segment(QPointF(stem.xAt(from), from));
            segment.lineTo(QPointF(stem.xAt(to), to));
            paintBrushStroke(canvas, segment, [&stem](double t) {
                return stem.width * (1.05 - 0.1 * std::sin(pi * t));
            }, style, random);
            if (j == joints - 1)
                break; // the top is cut off clean, with no joint above it
            // The joint: a short dark stroke across the stem, slightly curved.
            BrushStyle joint = style;
            joint.opacity = std::min(1.0, stem.opacity + 0.2);
            joint.bristles = 6;
            const double x = stem.xAt(to);
            QPainterPath mark(QPointF(x - stem.width * 0.75, to + 2));
            mark.quadTo(QPointF(x, to - 2), QPointF(x + stem.width * 0.75, to + 1));
            paintBrushStroke(canvas, mark, [&stem](double t) {
                return stem.width * 0.35 * std::sin(pi * (0.15 + 0.7 * t));
            }, joint, random);
        }
    }

    // Twigs leave the stems and carry leaves hanging in fans; the darker fans
    // stand in front, the paler ones further back.
    struct Twig {
        int stem;
        double height;
        QPointF reach;
        double heading;
        int leaves;
        double opacity;
    };
    const Twig twigs[] = {
        {1, 378, {-26, -26}, 125, 4, 0.9}, {1, 420, {30, -16}, 60, 3, 0.85},  {0, 345, {24, -23}, 50, 4, 0.4},
        {0, 400, {-20, -16}, 120, 3, 0.42}, {2, 384, {30, -20}, 55, 5, 0.7}, {2, 430, {-24, -10}, 135, 3, 0.62},
        {1, 332, {20, -20}, 75, 3, 0.88},   {2, 410, {34, -14}, 30, 3, 0.32},
    };
    for (const Twig &twig : twigs) {
        const QPointF from(stems[twig.stem].xAt(twig.height), twig.height);
        const QPointF to = from + twig.reach;
        BrushStyle thin;
        thin.ink = inkBlack;
        thin.opacity = twig.opacity * 0.9;
        thin.bristles = 4;
        paintBrushStroke(canvas, smoothLine({from, (from + to) / 2 + QPointF(0, -3), to}),
                         [](double t) { return 2.2 - 0.8 * t; }, thin, random);
        for (int leaf = 0; leaf < twig.leaves; ++leaf) {
            const double heading = twig.heading + (leaf - (twig.leaves - 1) / 2.0) * random.uniform(20, 28);
            const double length = random.uniform(40, 62);
            const double bend = (heading > 90 ? 1 : -1) * length * random.uniform(0.06, 0.14);
            const QPointF tip = polar(to, length, heading);
            const QPointF middle = polar(to, length * 0.5, heading) + polar(QPointF(), bend, heading - 90);
            BrushStyle style;
            style.ink = inkBlack;
            style.opacity = twig.opacity * random.uniform(0.85, 1.05);
            style.dryFrom = 0.82;
            style.bristles = 10;
            style.streaks = 2;
            style.bleed = 0.2;
            paintBrushStroke(canvas, smoothLine({to, middle, tip}), leafWidth(random.uniform(8, 11.5)), style,
                             random);
        }
    }
}

// Bottom centre: a carp leaping out of pale water, with rings and a splash.
void paintCarp(QImage &canvas)
{
    InkRandom random(CarpSeed);
    // The water: a few pale horizontal washes, lighter away from the splash.
    for (int band = 0; band < 4; ++band) {
        const double y = 450 + band * 9;
        paintWash(canvas, wobblyEllipse(QPointF(330 + random.uniform(-10, 10), y), 112 - band * 8, 5, 0.15, random),
                  QColor(90, 96, 104), 0.18, 3, random);
    }
    BrushStyle ripple;
    ripple.ink = QColor(60, 60, 64);
    ripple.opacity = 0.45;
    ripple.dryFrom = 0.7;
    ripple.bristles = 8;
    for (int ring = 0; ring < 3; ++ring) {
        const double rx = 26 + ring * 20;
        const QRectF bounds(314 - rx, 447 - rx * 0.16, 2 * rx, rx * 0.32);
        QPainterPath arc;
        arc.arcMoveTo(bounds, 195 - ring * 5);
        arc.arcTo(bounds, 195 - ring * 5, 150 + ring * 10);
        paintBrushStroke(canvas, arc, [](double t) { return 2.4 * std::sin(pi * t); }, ripple, random);
    }

    // The body arches from the head down to the tail, still in the water; the
    // positive side of the spine is the fish's back.
    QPainterPath spine(QPointF(398, 360));
    spine.cubicTo(QPointF(368, 364), QPointF(330, 392), QPointF(316, 442));
    const auto halfWidth = [](double t) {
        if (t < 0.3)
            return 11 + 7 * std::sin(t / 0.3 * pi / 2);
        return 18 * std::max(0.2, 1 - std::pow((t - 0.3) / 0.7, 1.2) * 0.82);
    };
    const QPainterPath body = withRoundEnd(bodyAlong(spine, halfWidth).toFillPolygon(), spine.pointAtPercent(0.02), 11);
    paintWash(canvas, body, inkBlack, 0.25, 3, random);
    fillShape(canvas, body, QColor(24, 24, 28, 225));
    // One loaded stroke down the back gives the flank the grain of the brush.
    BrushStyle grain;
    grain.ink = inkBlack;
    grain.opacity = 0.35;
    grain.dryFrom = 0.9;
    grain.bristles = 30;
    grain.streaks = 14;
    QPainterPath back = smoothLine({besideSpine(spine, 0.04, 3), besideSpine(spine, 0.4, 6), besideSpine(spine, 0.8, 2)});
    paintBrushStroke(canvas, back, [&](double t) { return 1.3 * halfWidth(0.04 + 0.76 * t); }, grain, random);
    // The pale belly, soft-edged, on the inner side of the arch, clear of head and tail.
    const auto bellyExtent = [](double t) { return smoothStep(0.12, 0.3, t) * (1 - smoothStep(0.7, 0.9, t)); };
    paintWash(canvas,
              bandAlong(spine, [&](double t) { return -0.15 * halfWidth(t) * bellyExtent(t); },
                        [&](double t) { return -0.9 * halfWidth(t) * bellyExtent(t); }),
              Qt::white, 0.5, 3, random);

    BrushStyle fin;
    fin.ink = inkBlack;
    fin.opacity = 0.85;
    fin.dryFrom = 0.45;
    fin.bristles = 26;
    fin.streaks = 3;
    // Dorsal fin along the back.
    paintBrushStroke(canvas,
                     smoothLine({besideSpine(spine, 0.2, halfWidth(0.2) - 3), besideSpine(spine, 0.32, halfWidth(0.32) + 2),
                                 besideSpine(spine, 0.5, halfWidth(0.5) + 1), besideSpine(spine, 0.62, halfWidth(0.62) - 2)}),
                     [](double t) { return 10 * std::sin(pi * std::pow(t, 0.6)); }, fin, random);
    // Side fin behind the gills and belly fin, both trailing back.
    for (const auto &[t, reach, size] : {std::tuple{0.24, 20.0, 8.0}, std::tuple{0.6, 15.0, 6.5}}) {
        const QPointF root = besideSpine(spine, t, -0.7 * halfWidth(t));
        const QPointF tip = besideSpine(spine, t + 0.12, -halfWidth(t) - reach);
        paintBrushStroke(canvas, smoothLine({root, (root + tip) / 2 + (tip - root) * 0.1, tip}), leafWidth(size), fin,
                         random);
    }
    // Tail fin, splayed where it leaves the water.
    fin.opacity = 0.75;
    for (double spread : {-40.0, -16.0, 8.0, 30.0}) {
        const QPointF root = spine.pointAtPercent(0.95);
        const QPointF tip = polar(root, random.uniform(34, 42), 100 + spread);
        paintBrushStroke(canvas, smoothLine({root, polar(root, 20, 92 + spread), tip}),
                         [](double t) { return 10 * std::sin(pi * (0.15 + 0.85 * t)) + 1; }, fin, random);
    }

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    // Gill cover and a few rows of scales, only hinted at.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 230, 232, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    {
        QPainterPath gill(besideSpine(spine, 0.15, halfWidth(0.15) * 0.8));
        gill.quadTo(besideSpine(spine, 0.22, 0), besideSpine(spine, 0.15, -halfWidth(0.15) * 0.8));
        painter.drawPath(gill);
    }
    for (double t = 0.34; t < 0.78; t += 0.08) {
        const double heading = -spine.angleAtPercent(t);
        for (double across : {0.05, 0.5}) {
            painter.setPen(QPen(QColor(235, 235, 238, static_cast<int>(random.uniform(35, 75))), 1.0));
            painter.save();
            painter.translate(besideSpine(spine, t, across * halfWidth(t)));
            painter.rotate(heading);
            painter.drawArc(QRectF(-4, -4, 8, 8), 90 * 16, 180 * 16);
            painter.restore();
        }
    }
    // Eye, mouth and barbel.
    const QPointF eye = besideSpine(spine, 0.05, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 150, 154));
    painter.drawEllipse(eye, 2.6, 2.6);
    painter.setBrush(QColor(8, 8, 10));
    painter.drawEllipse(eye, 1.7, 1.7);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 20, 24, 190), 1.0, Qt::SolidLine, Qt::RoundCap));
    const QPointF mouth = besideSpine(spine, 0.0, -4) + polar(QPointF(), 9, -spine.angleAtPercent(0) + 180);
    QPainterPath barbel(mouth);
    barbel.quadTo(mouth + QPointF(8, 3), mouth + QPointF(8, 12));
    painter.drawPath(barbel);
    painter.end();

    // Splash: drops flung up from where the fish leaves the water.
    painter.begin(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const double direction = random.uniform(190, 350);
        const QPointF at = polar(QPointF(318, 446), random.uniform(16, 52), direction);
        painter.setBrush(QColor(40, 40, 44, static_cast<int>(random.uniform(60, 170))));
        painter.drawEllipse(at, random.uniform(0.8, 2.2), random.uniform(0.8, 1.8));
    }
}

// Bottom right: lotus leaves lying on the water, one standing, and a flower.
void paintLotusLeaf(QImage &canvas, QPointF centre, double rx, double ry, double tone, InkRandom &random)
{
    const QPainterPath outline = wobblyEllipse(centre, rx, ry, 0.07, random);
    paintWash(canvas, outline, inkBlack, tone * 0.6, 2, random);
    // Laid in as wedges from the middle, each a different grey, as separate
    // wet strokes of one loaded brush would be.
    const double turn = random.uniform(0, 45);
    for (int i = 0; i < 8; ++i) {
        const double from = (turn + i * 45 + random.uniform(-6, 6)) * pi / 180;
        const double to = from + random.uniform(30, 44) * pi / 180;
        QPainterPath wedge(centre);
        for (int k = 0; k <= 8; ++k) {
            const double a = from + (to - from) * k / 8;
            const double r = random.uniform(0.86, 0.97);
            wedge.lineTo(centre + QPointF(rx * r * std::cos(a), ry * r * std::sin(a)));
        }
        wedge.closeSubpath();
        paintWash(canvas, wedge, inkBlack, tone * random.uniform(0.3, 0.9), 2, random);
    }
    BrushStyle vein;
    vein.ink = inkBlack;
    vein.opacity = std::min(1.0, tone * 0.65);
    vein.dryFrom = 0.4;
    vein.bristles = 3;
    for (int i = 0; i < 8; ++i) {
        const double a = (turn + 20 + i * 45) * pi / 180;
        QPainterPath line(centre);
        line.quadTo(centre + QPointF(rx * 0.35 * std::cos(a + 0.06), ry * 0.35 * std::sin(a + 0.06)),
                    centre + QPointF(rx * 0.62 * std::cos(a), ry * 0.62 * std::sin(a)));
        paintBrushStroke(canvas, line, [](double t) { return 1.2 * (1 - 0.7 * t); }, vein, random);
    }
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(10, 10, 12, 200));
    painter.drawEllipse(centre, 2.6, 1.8);
}

// A petal: a pointed oval from its base, a pale wash, a fine outline, a dark tip.
void paintPetal(QImage &canvas, QPointF base, double angle, double length, double width, double tone,
                InkRandom &random)
{
    const QPointF tip = polar(base, length, angle);
    const QPointF side = polar(QPointF(), width, angle + 90);
    const QPointF middle = polar(base, length * 0.5, angle);
    QPainterPath shape(base);
    shape.cubicTo(middle + side, middle + side * 0.7 + (tip - middle) * 0.6, tip);
    shape.cubicTo(middle - side * 0.7 + (tip - middle) * 0.6, middle - side, base);
    paintWash(canvas, shape, inkBlack, tone, 2, random);
    BrushStyle outline;
    outline.ink = inkBlack;
    outline.opacity = 0.5;
    outline.dryFrom = 0.85;
    outline.bristles = 4;
    paintBrushStroke(canvas, shape, [](double t) { return 0.9 + 0.5 * std::sin(pi * t * 2); }, outline, random);
    QPainterPath blush(tip);
    blush.lineTo(polar(base, length * 0.75, angle));
    outline.opacity = 0.45;
    paintBrushStroke(canvas, blush, [](double t) { return 3.2 * (1 - t); }, outline, random);
}

void paintLotusStem(QImage &canvas, const std::vector<QPointF> &points, double width, double opacity,
                    InkRandom &random)
{
    BrushStyle style;
    style.ink = inkBlack;
    style.opacity = opacity;
    style.dryFrom = 0.9;
    style.bristles = 10;
    const QPainterPath stem = smoothLine(points);
    paintBrushStroke(canvas, stem, [width](double) { return width; }, style, random);
    // The stems are prickly: dots along both sides.
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(18, 18, 20, static_cast<int>(255 * opacity)));
    for (double t = 0.08; t < 0.95; t += random.uniform(0.07, 0.13)) {
        const double side = random.chance(0.5) ? 1 : -1;
        const QPointF at = stem.pointAtPercent(t) + polar(QPointF(), width * 0.9, -stem.angleAtPercent(t) + 90 * side);
        painter.drawEllipse(at, 1.1, 1.1);
    }
}

void paintLotus(QImage &canvas)
{
    InkRandom random(LotusSeed);
    paintLotusStem(canvas, {{588, 486}, {582, 420}, {560, 376}}, 2.2, 0.7, random);
    paintLotusStem(canvas, {{548, 486}, {570, 462}, {590, 442}}, 2.0, 0.5, random);
    paintLotusLeaf(canvas, QPointF(636, 396), 38, 18, 0.35, random);
    paintLotusLeaf(canvas, QPointF(592, 440), 70, 30, 0.75, random);
    paintLotusLeaf(canvas, QPointF(498, 464), 50, 19, 0.45, random);

    // The flower: the back petals first, the front ones over them.
    const QPointF base(560, 376);
    struct Petal {
        double angle;
        double length;
        double width;
        double tone;
    };
    const Petal petals[] = {
        {-100, 50, 16, 0.1}, {-160, 38, 15, 0.14}, {-20, 38, 15, 0.14}, {-128, 50, 19, 0.17},
        {-52, 50, 19, 0.17}, {-90, 54, 20, 0.12},
    };
    for (const Petal &petal : petals)
        paintPetal(canvas, base, petal.angle, petal.length, petal.width, petal.tone, random);
    // A closed bud on its own stem further right.
    paintLotusStem(canvas, {{628, 486}, {622, 400}, {614, 336}}, 1.8, 0.55, random);
    paintPetal(canvas, QPointF(614, 338), -96, 40, 11, 0.18, random);
    paintPetal(canvas, QPointF(614, 338), -84, 38, 9, 0.12, random);
}

} // namespace

QImage drawBackground()
{
    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    paintEnso(image);
    paintBlot(image);
    paintBranch(image);
    paintSweep(image);
    paintBamboo(image);
    paintCarp(image);
    paintLotus(image);
    return image.convertToFormat(QImage::Format_ARGB32);
}
