// Windows that the game makes again and again (the options dialog, the help
// window, the end-of-game dialog) draw each new instance's controls with the
// palettes of the first. The style keys the pixmaps it caches by the palette's
// cache key and Qt's pixmap cache keeps every key it has seen, so a palette
// that is new with each instance grows the heap by a few kilobytes a window.
#include <QLabel>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QtTest>
#include <functional>
#include <map>
#include <set>

#include "tests/windows/support/harness.h"
#include "windows/bngoptions.h"
#include "windows/frmgamestatus.h"
#include "windows/frmhelp.h"

using namespace pelloric;

namespace {

// Fusion, noting the palette cache key of every control it draws. Labels are
// left out: they carry their own colours, and the style caches nothing of
// theirs.
class KeyNotingStyle : public QProxyStyle {
public:
    KeyNotingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QWidget* window = nullptr;
    mutable std::map<QString, std::set<qint64>> keys;   // by control: "QComboBox Combo2"

    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        Note(o, w);
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        Note(o, w);
        QProxyStyle::drawControl(e, o, p, w);
    }
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                            const QWidget* w) const override {
        Note(o, w);
        QProxyStyle::drawComplexControl(c, o, p, w);
    }

private:
    void Note(const QStyleOption* o, const QWidget* w) const {
        if (!o || !w || !window || w->window() != window || qobject_cast<const QLabel*>(w)) return;
        const QString name = QLatin1String(w->metaObject()->className()) +
                             (w->objectName().isEmpty() ? QString() : QLatin1Char(' ') + w->objectName());
        keys[name].insert(o->palette.cacheKey());
    }
};

void Pump() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One instance of a window: opens it, shows each of its views (each drawn by
// the grab callback) and closes it.
using Visit = std::function<void(const std::function<void(QWidget*)>& grab)>;

// Visits three instances; every control drawn must be drawn in the first, and
// with no palette that the first did not have.
void CheckSamePalettes(const Visit& visit, const QStringList& mustDraw) {
    test::Session session;
    auto* style = new KeyNotingStyle;
    QApplication::setStyle(style);
    const auto plainFusion =
        qScopeGuard([] { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); });
    std::map<QString, std::set<qint64>> first;
    for (int instance = 1; instance <= 3; ++instance) {
        style->keys.clear();
        visit([style](QWidget* w) {
            w->show();
            style->window = w;
            (void)w->grab();
            style->window = nullptr;
        });
        Pump();
        if (instance == 1) {
            first = style->keys;
            for (const QString& control : mustDraw)
                QVERIFY2(first.count(control), qPrintable(control + QStringLiteral(" was not drawn")));
            continue;
        }
        QStringList renewed;
        for (const auto& [control, keys] : style->keys)
            for (qint64 key : keys)
                if (!first[control].count(key)) renewed << control;
        renewed.removeDuplicates();
        QVERIFY2(renewed.isEmpty(), qPrintable(QStringLiteral("instance %1 draws with new palettes: %2")
                                                   .arg(instance)
                                                   .arg(renewed.join(QStringLiteral(", ")))));
    }
}

}  // namespace

class RemadeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void optionsDialog() {
        CheckSamePalettes(
            [](const auto& grab) {
                auto& d = win::App().BngOptions();
                d.Combo2->setCurrentIndex(6);
                grab(&d);
                d.Picture1->raise();   // the covered network panel
                grab(&d);
                d.Command2->click();
            },
            {"QFrame Picture1", "QFrame Picture2", "QComboBox Combo1", "QComboBox Combo2", "QComboBox cmbSeconds",
             "QComboBox cmbPlayers", "QPushButton Command1", "QPushButton Command2", "QPushButton cmdHelp",
             "QCheckBox Check1"});
    }

    // The contents list, the introduction, a page and the options-help panel.
    void helpWindow() {
        CheckSamePalettes(
            [](const auto& grab) {
                auto& h = win::App().frmHelp();
                grab(&h);
                h.frmHelp_lblcontents_Click(0);
                grab(&h);
                h.frmHelp_cmdNext_Click();
                grab(&h);
                h.pctHelpOption->show();
                grab(&h);
                h.Command2->click();
            },
            {"pelloric::win::TextBox lblstart", "QScrollBar", "QPushButton cmdNext", "QPushButton Command2"});
    }

    void endOfGameDialog() {
        CheckSamePalettes(
            [](const auto& grab) {
                grab(&win::App().frmGamestatus());
                win::App().frmGamestatus.Unload();
            },
            {"QPushButton cmdOK", "QPushButton cmdTryagain", "QPushButton cmdEndPlay"});
    }
};

QTEST_MAIN(RemadeWindowsTest)
#include "tst_remade_windows.moc"
