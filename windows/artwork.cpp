#include "windows/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace pelloric::win::art {

void MainBackground(QPainter& p, const QRectF& r, int) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x1b, 0x5e, 0x20));
    g.setColorAt(1, QColor(0x0d, 0x3b, 0x12));
    p.fillRect(r, g);
}

void Card(QPainter& p, const QRectF& r, int) {
    p.fillRect(r, QColor(0xff, 0xfd, 0xf5));
    p.setPen(QPen(QColor(0x8b, 0x0000, 0x00), 2));
    p.drawRect(r.adjusted(1, 1, -1, -1));
}

void Dot(QPainter& p, const QRectF& r, int index) {
    static const QColor colors[] = {QColor(0x1e, 0x63, 0xd6), QColor(0xd6, 0x1e, 0x2a), QColor(0x1e, 0xa0, 0x3c),
                                    QColor(0xf2, 0xc8, 0x1e), QColor(0x8a, 0x2b, 0xc9)};
    const QColor c = colors[qBound(0, index, 4)];
    p.setPen(Qt::NoPen);
    QColor t = c;
    t.setAlpha(190);
    p.setBrush(t);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
}

void Ball(QPainter& p, const QRectF& r, int) {
    QRadialGradient g(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() / 1.6);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xd0, 0x20, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
}

}  // namespace pelloric::win::art
