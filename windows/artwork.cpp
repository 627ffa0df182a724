#include "windows/artwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>
#include <array>

namespace pelloric::win::art {

namespace {

// ---- Drawing once per size -----------------------------------------------------
// Each picture is drawn into a pixmap of the exact device size the first time
// it is needed at that size, and copied from there afterwards: a repaint (the
// ball moving, a dot toggled) then costs a copy of the exposed area only.

using DrawFn = void (*)(QPainter&, const QRectF&, int);

void Cached(QPainter& p, const QRectF& r, const char* name, int index, DrawFn draw) {
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QTransform& t = p.worldTransform();
    // A scaled or rotated painter draws the vector picture directly, which is
    // sharp at any scale.
    if (t.type() > QTransform::TxTranslate || r.isEmpty()) {
        draw(p, r, index);
        return;
    }
    const QSize px(qCeil(r.width() * dpr), qCeil(r.height() * dpr));
    const QString key = QStringLiteral("pelloric:%1:%2:%3x%4@%5")
                            .arg(QLatin1String(name))
                            .arg(index)
                            .arg(px.width())
                            .arg(px.height())
                            .arg(dpr);
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        pm = QPixmap(px);
        pm.setDevicePixelRatio(dpr);
        pm.fill(Qt::transparent);
        QPainter q(&pm);
        q.setRenderHint(QPainter::Antialiasing);
        q.setRenderHint(QPainter::TextAntialiasing);
        draw(q, QRectF(QPointF(0, 0), r.size()), index);
        q.end();
        QPixmapCache::insert(key, pm);
    }
    p.drawPixmap(r.topLeft(), pm);
}

// ---- The background ------------------------------------------------------------

void DrawBackground(QPainter& p, const QRectF& r, int) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(0x5a, 0x12, 0x3c));
    sky.setColorAt(0.55, QColor(0x3a, 0x0b, 0x36));
    sky.setColorAt(1.0, QColor(0x1e, 0x06, 0x26));
    p.fillRect(r, sky);

    // Soft spotlights over the hall.
    const struct {
        qreal x, y, radius;
        QColor color;
    } glows[] = {{0.47, 0.30, 0.30, QColor(255, 196, 80, 70)},
                 {0.12, 0.85, 0.35, QColor(255, 90, 140, 40)},
                 {0.88, 0.80, 0.35, QColor(120, 120, 255, 40)}};
    p.setPen(Qt::NoPen);
    for (const auto& g : glows) {
        const QPointF c(r.left() + g.x * r.width(), r.top() + g.y * r.height());
        const qreal radius = g.radius * qMax(r.width(), r.height());
        QRadialGradient rg(c, radius);
        QColor clear = g.color;
        clear.setAlpha(0);
        rg.setColorAt(0, g.color);
        rg.setColorAt(1, clear);
        p.setBrush(rg);
        p.drawEllipse(c, radius, radius);
    }

    // Marquee lights along the top and bottom edges.
    const qreal step = 24;
    const qreal bulb = 3.2;
    for (int edge = 0; edge < 2; ++edge) {
        const qreal y = edge == 0 ? r.top() + 5 : r.bottom() - 5;
        for (qreal x = r.left() + step / 2; x < r.right(); x += step) {
            QRadialGradient halo(QPointF(x, y), bulb * 3);
            halo.setColorAt(0, QColor(255, 220, 120, 120));
            halo.setColorAt(1, QColor(255, 220, 120, 0));
            p.setBrush(halo);
            p.drawEllipse(QPointF(x, y), bulb * 3, bulb * 3);
            p.setBrush(QColor(0xff, 0xe9, 0xa8));
            p.drawEllipse(QPointF(x, y), bulb, bulb);
        }
    }
}

// ---- The card -------------------------------------------------------------------
// Drawn in twips on the card's own 3750 x 4500 grid: columns 720 apart from
// 120, rows 720 apart from 840, the header band above the first row.

constexpr qreal kCardW = 3750;
constexpr qreal kCardH = 4500;
constexpr qreal kGridLeft = 120;
constexpr qreal kGridTop = 840;
constexpr qreal kPitch = 720;

// The classic column colours of a bingo card: B blue, I red, N white, G green, O orange.
const std::array<QColor, 5> kColumnColors = {QColor(0x1e, 0x63, 0xd6), QColor(0xe5, 0x39, 0x35),
                                             QColor(0xf4, 0xf1, 0xea), QColor(0x2e, 0x9d, 0x49),
                                             QColor(0xf3, 0x8c, 0x12)};

QPainterPath Star(QPointF c, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal rad = i % 2 == 0 ? outer : inner;
        const QPointF pt(c.x() + rad * qCos(a), c.y() + rad * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void DrawCard(QPainter& p, const QRectF& r, int) {
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / kCardW, r.height() / kCardH);

    const QRectF card(15, 15, kCardW - 30, kCardH - 30);
    const qreal corner = 150;

    // The card: cream paper with a crimson rim.
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0, QColor(0xff, 0xfb, 0xef));
    paper.setColorAt(1, QColor(0xf6, 0xec, 0xd4));
    p.setPen(QPen(QColor(0xa3, 0x12, 0x2a), 30));
    p.setBrush(paper);
    p.drawRoundedRect(card, corner, corner);

    // The header band.
    QPainterPath band;
    band.addRoundedRect(card, corner, corner);
    QPainterPath top;
    top.addRect(QRectF(card.left(), card.top(), card.width(), kGridTop - 60 - card.top()));
    QLinearGradient navy(QPointF(0, card.top()), QPointF(0, kGridTop));
    navy.setColorAt(0, QColor(0x2a, 0x35, 0x9c));
    navy.setColorAt(1, QColor(0x14, 0x1a, 0x5e));
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawPath(band.intersected(top));

    // B I N G O, each letter on a ball of its column's colour.
    static const char* letters = "BINGO";
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(400);
    p.setFont(f);
    const qreal headerMid = (card.top() + kGridTop - 60) / 2;
    for (int col = 0; col < 5; ++col) {
        const QPointF c(kGridLeft + kPitch * col + kPitch / 2, headerMid);
        const qreal rad = 290;
        QRadialGradient shine(c - QPointF(rad / 3, rad / 3), rad * 1.4);
        shine.setColorAt(0, kColumnColors[col].lighter(150));
        shine.setColorAt(1, kColumnColors[col].darker(115));
        p.setPen(QPen(QColor(255, 255, 255, 200), 18));
        p.setBrush(shine);
        p.drawEllipse(c, rad, rad);
        p.setPen(col == 2 ? QColor(0x1a, 0x2a, 0x5a) : Qt::white);
        p.drawText(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), Qt::AlignCenter,
                   QString(QLatin1Char(letters[col])));
    }

    // The cells: soft tints of the column colours, the free centre with a star.
    for (int col = 0; col < 5; ++col) {
        QColor tint = kColumnColors[col];
        tint.setAlpha(col == 2 ? 0 : 26);
        for (int row = 0; row < 5; ++row) {
            const QRectF cell(kGridLeft + kPitch * col + 18, kGridTop + kPitch * row + 18, kPitch - 36, kPitch - 36);
            p.setPen(QPen(QColor(0xc9, 0xb5, 0x8c), 14));
            p.setBrush(QColor(0xff, 0xfe, 0xf8));
            p.drawRoundedRect(cell, 70, 70);
            p.setPen(Qt::NoPen);
            p.setBrush(tint);
            p.drawRoundedRect(cell, 70, 70);
            if (col == 2 && row == 2) {
                p.setBrush(QColor(0xff, 0xc8, 0x2e, 120));
                p.drawPath(Star(cell.center(), 320, 135));
            }
        }
    }
    p.restore();
}

// ---- The dots -------------------------------------------------------------------

const std::array<QColor, kDotColors> kDotColorsRgb = {QColor(0x1e, 0x63, 0xd6), QColor(0xe0, 0x22, 0x30),
                                                      QColor(0x1e, 0xa0, 0x3c), QColor(0xf2, 0xc0, 0x10),
                                                      QColor(0x8a, 0x2b, 0xc9)};

void DrawDot(QPainter& p, const QRectF& r, int index) {
    const QColor c = kDotColorsRgb[qBound(0, index, kDotColors - 1)];
    const QRectF disc = r.adjusted(1, 1, -1, -1);
    const QPointF centre = disc.center();
    const qreal rad = disc.width() / 2;

    QRadialGradient ink(centre - QPointF(rad * 0.35, rad * 0.35), rad * 1.35);
    QColor light = c.lighter(140);
    light.setAlpha(120);
    QColor body = c;
    body.setAlpha(165);
    QColor rim = c.darker(130);
    rim.setAlpha(210);
    ink.setColorAt(0, light);
    ink.setColorAt(0.75, body);
    ink.setColorAt(1, rim);
    p.setPen(QPen(rim, qMax<qreal>(1.0, rad / 10)));
    p.setBrush(ink);
    p.drawEllipse(disc);

    // A little shine on the upper left.
    QRadialGradient shine(centre - QPointF(rad * 0.4, rad * 0.45), rad * 0.45);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(disc);
}

// ---- The turning ball ----------------------------------------------------------
// A blue ball with two white number patches on opposite sides. The ball turns
// about its horizontal axis from frame to frame, so the patches roll round;
// at rest (frame 0) one faces the viewer at the upper right, under the called
// ball's text.

struct Vec3 {
    qreal x, y, z;
};

Vec3 Normalised(Vec3 v) {
    const qreal len = qSqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / len, v.y / len, v.z / len};
}

Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// Turning about the screen's horizontal axis (y down, z towards the viewer).
Vec3 TurnX(Vec3 v, qreal a) { return {v.x, v.y * qCos(a) - v.z * qSin(a), v.y * qSin(a) + v.z * qCos(a)}; }

// The patches are wide enough, and the face at rest turned so, that the
// called ball's text, which lies over the upper right of the ball, stands on
// the face clear of its rim, while the face stays clear of the ball's edge.
const qreal kPatchSpread = qDegreesToRadians(46.0);   // angular radius of a number patch
const Vec3 kFaceAtRest = Normalised({0.28, -0.16, 0.946});

qreal BallRadius(const QRectF& r) { return qMin(r.width(), r.height()) / 2 - 1; }
qreal PatchRim(const QRectF& r) { return qMax<qreal>(1.0, BallRadius(r) / 14); }
Vec3 FaceDirection(int frame) { return TurnX(kFaceAtRest, -frame * 2 * M_PI / kBallFrames); }

// The outline of the number patch centred on direction d of the ball drawn in
// r, as seen from the front; empty when the patch lies wholly round the back.
QPolygonF Patch(const QRectF& r, Vec3 d) {
    if (d.z < -qSin(kPatchSpread)) return {};
    const qreal rad = BallRadius(r);
    const QPointF c = r.center();
    Vec3 side = Cross(d, {0, 0, 1});
    if (qAbs(side.x) + qAbs(side.y) < 1e-6) side = {1, 0, 0};   // facing the viewer square on
    const Vec3 u = Normalised(side);
    const Vec3 v = Cross(d, u);
    QPolygonF patch;
    for (int i = 0; i < 48; ++i) {
        const qreal phi = i * 2 * M_PI / 48;
        const qreal cu = qSin(kPatchSpread) * qCos(phi);
        const qreal cv = qSin(kPatchSpread) * qSin(phi);
        const qreal cd = qCos(kPatchSpread);
        Vec3 pt{cd * d.x + cu * u.x + cv * v.x, cd * d.y + cu * u.y + cv * v.y, cd * d.z + cu * u.z + cv * v.z};
        if (pt.z < 0) {
            // Round the back: held on the outline of the ball.
            const qreal len = qMax<qreal>(1e-6, qSqrt(pt.x * pt.x + pt.y * pt.y));
            pt.x /= len;
            pt.y /= len;
        }
        patch << QPointF(c.x() + pt.x * rad, c.y() + pt.y * rad);
    }
    return patch;
}

void DrawBall(QPainter& p, const QRectF& r, int frame) {
    const qreal rad = BallRadius(r);
    const QPointF c = r.center();

    QPainterPath sphere;
    sphere.addEllipse(c, rad, rad);

    // The body of the ball.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x4f, 0xd8));
    p.drawPath(sphere);

    p.save();
    p.setClipPath(sphere);

    // The number patches: small circles on the sphere, outlined in gold, one
    // on each side of the ball as on a real bingo ball.
    const Vec3 front = FaceDirection(frame);
    for (const Vec3 d : {front, Vec3{-front.x, -front.y, -front.z}}) {
        const QPolygonF patch = Patch(r, d);
        if (patch.isEmpty()) continue;
        p.setPen(QPen(QColor(0xff, 0xc8, 0x2e), PatchRim(r)));
        p.setBrush(QColor(0xfd, 0xfd, 0xf8));
        p.drawPolygon(patch);
    }

    // Shading of the sphere over everything: light from the upper left.
    QRadialGradient shade(c - QPointF(rad * 0.35, rad * 0.4), rad * 1.45);
    shade.setColorAt(0, QColor(255, 255, 255, 0));
    shade.setColorAt(0.6, QColor(0, 0, 30, 20));
    shade.setColorAt(1, QColor(0, 0, 30, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(sphere);

    QRadialGradient gloss(c - QPointF(rad * 0.42, rad * 0.5), rad * 0.42);
    gloss.setColorAt(0, QColor(255, 255, 255, 200));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawPath(sphere);
    p.restore();

    p.setPen(QPen(QColor(0x0c, 0x22, 0x6a), qMax<qreal>(1.0, rad / 22)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sphere);
}

}  // namespace

void MainBackground(QPainter& p, const QRectF& r, int index) { Cached(p, r, "bg", index, &DrawBackground); }
void Card(QPainter& p, const QRectF& r, int index) { Cached(p, r, "card", index, &DrawCard); }
void Dot(QPainter& p, const QRectF& r, int index) { Cached(p, r, "dot", index, &DrawDot); }
void Ball(QPainter& p, const QRectF& r, int index) { Cached(p, r, "ball", index, &DrawBall); }

QCursor LinkPointer() {
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(QSize(qCeil(32 * dpr), qCeil(32 * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // A pointing hand: the index finger up, three folded fingers, the thumb.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 1.5, 5, 16), 2.5, 2.5);          // index finger
    hand.addRoundedRect(QRectF(14.5, 9, 4.5, 10), 2.2, 2.2);        // middle
    hand.addRoundedRect(QRectF(18.5, 10, 4.5, 9.5), 2.2, 2.2);      // ring
    hand.addRoundedRect(QRectF(22.5, 11.5, 4, 8.5), 2, 2);          // little
    hand.addRoundedRect(QRectF(10, 14, 16.5, 13), 4, 4);            // palm
    QPainterPath thumb;
    thumb.moveTo(11, 19);
    thumb.cubicTo(8, 16, 4.5, 15, 4, 17.5);
    thumb.cubicTo(3.8, 19.5, 7, 23, 11, 26.5);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();

    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(QColor(0, 0, 0, 140), 0.8));
    p.drawLine(QPointF(14.7, 14), QPointF(14.7, 18));
    p.drawLine(QPointF(18.7, 14), QPointF(18.7, 18.5));
    p.drawLine(QPointF(22.6, 14.5), QPointF(22.6, 19));
    p.end();
    return QCursor(pm, 12, 2);
}

}  // namespace pelloric::win::art
