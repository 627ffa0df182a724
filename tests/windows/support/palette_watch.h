// The palettes the style draws the program's controls with. The style keys
// the pixmaps it caches by the palette's cache key, and Qt 6.4's pixmap cache
// keeps every key it has seen: a control drawn with a new palette each time
// its window is made again grows the heap by a little with every window.
#pragma once

#include <QProxyStyle>
#include <QString>
#include <QStringList>
#include <map>
#include <set>

namespace pelloric::test {

// Fusion, noting for every control the cache keys of the palettes it is drawn
// with. Labels are left out: they carry their own colours, and the style
// caches nothing of theirs. What the style draws for a control on its own
// account (the parts of a menu bar, say) does not count.
class PaletteWatch : public QProxyStyle {
public:
    PaletteWatch();

    // The keys by control: "window class/control class object name".
    mutable std::map<QString, std::set<qint64>> keys;
    // The controls drawn with more than one palette, with the count.
    QStringList Renewed() const;

    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                            const QWidget* w) const override;

private:
    struct Depth;
    void Note(const QStyleOption* o, const QWidget* w) const;
    mutable int depth_ = 0;
};

// Puts a PaletteWatch in the place of the application's style for its
// lifetime, then plain Fusion again.
class WatchedPalettes {
public:
    WatchedPalettes();
    ~WatchedPalettes();
    WatchedPalettes(const WatchedPalettes&) = delete;
    WatchedPalettes& operator=(const WatchedPalettes&) = delete;
    PaletteWatch& operator*() const { return *style_; }
    PaletteWatch* operator->() const { return style_; }

private:
    PaletteWatch* style_;
};

}  // namespace pelloric::test
