#include "tests/windows/support/palette_watch.h"

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace pelloric::test {

struct PaletteWatch::Depth {
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
    int& depth;
};

PaletteWatch::PaletteWatch() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void PaletteWatch::Note(const QStyleOption* o, const QWidget* w) const {
    if (depth_ > 1 || !o || !w || qobject_cast<const QLabel*>(w)) return;
    QString name = QLatin1String(w->window()->metaObject()->className()) + QLatin1Char('/') +
                   QLatin1String(w->metaObject()->className());
    if (!w->objectName().isEmpty()) name += QLatin1Char(' ') + w->objectName();
    keys[name].insert(o->palette.cacheKey());
}

void PaletteWatch::drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const {
    const Depth d(depth_);
    Note(o, w);
    QProxyStyle::drawPrimitive(e, o, p, w);
}

void PaletteWatch::drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const {
    const Depth d(depth_);
    Note(o, w);
    QProxyStyle::drawControl(e, o, p, w);
}

void PaletteWatch::drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                                      const QWidget* w) const {
    const Depth d(depth_);
    Note(o, w);
    QProxyStyle::drawComplexControl(c, o, p, w);
}

QStringList PaletteWatch::Renewed() const {
    QStringList out;
    for (const auto& [control, seen] : keys)
        if (seen.size() > 1) out << QStringLiteral("%1 (%2 palettes)").arg(control).arg(seen.size());
    return out;
}

WatchedPalettes::WatchedPalettes() : style_(new PaletteWatch) { QApplication::setStyle(style_); }

WatchedPalettes::~WatchedPalettes() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

}  // namespace pelloric::test
