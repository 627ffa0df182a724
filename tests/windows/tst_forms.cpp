// The forms layer on its own: single instances, unloading, modal showing,
// window states, label change events and timers.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "windows/forms/forms.h"

using namespace pelloric::forms;

namespace {

struct Counts {
    int loads = 0;
    int unloads = 0;
    int resizes = 0;
    int changes = 0;
};
Counts g;

class Probe : public Form {
public:
    Probe() : Form("Probe") {
        caption = new Label(Client(), QStringLiteral("caption"), QStringLiteral("design"));
        caption->Change = [] { ++g.changes; };
        SetClientSize(3000, 1500);
    }
    void Form_Load() override { ++g.loads; }
    void Form_Unload() override { ++g.unloads; }
    void Form_Resize() override { ++g.resizes; }
    Label* caption;
};

// A main window, and a dialog with two buttons, the second one its cancel
// button.
class MainProbe : public Form {
public:
    MainProbe() : Form("MainProbe", FormStyle::Main) { SetClientSize(3000, 1500); }
};
class DialogProbe : public Form {
public:
    DialogProbe() : Form("DialogProbe", FormStyle::Dialog) {
        ok = new QPushButton(QStringLiteral("OK"), Client());
        cancel = new QPushButton(QStringLiteral("Cancel"), Client());
        cancel->move(0, 40);
        text = new QLineEdit(Client());
        text->move(0, 80);
        SetCancelButton(cancel);
        SetClientSize(2000, 2000);
    }
    QPushButton* ok;
    QPushButton* cancel;
    QLineEdit* text;
};

// A window whose load handler unloads it again.
class LeavesAtOnce : public Form {
public:
    LeavesAtOnce() : Form("LeavesAtOnce") {}
    void Form_Load() override { Unload(); }
};

}  // namespace

class FormsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g = Counts{}; }

    void firstTouchCreatesAndLoadsOnce() {
        FormHandle<Probe> probe;
        QVERIFY(!probe.Loaded());
        probe().caption->SetCaption(QStringLiteral("changed"));
        QVERIFY(probe.Loaded());
        QCOMPARE(probe->objectName(), QStringLiteral("Probe"));
        probe();
        QCOMPARE(g.loads, 1);
    }

    void unloadDestroysAndTheNextTouchStartsFromTheDesign() {
        FormHandle<Probe> probe;
        probe.Unload();   // not loaded: nothing happens
        QCOMPARE(g.unloads, 0);
        QPointer<Probe> first = &probe();
        first->caption->SetCaption(QStringLiteral("changed"));
        probe.Unload();
        QCOMPARE(g.unloads, 1);
        QVERIFY(!probe.Loaded());
        QVERIFY(first->IsUnloaded());
        // A touch right after the unload, before the old window is deleted,
        // already gets a fresh one.
        QVERIFY(&probe() != first.data());
        QCOMPARE(probe->caption->Caption(), QStringLiteral("design"));
        QCOMPARE(g.loads, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
    }

    // The touch that loads such a window still gets it, unloaded: showing it
    // shows nothing, and the next touch loads a fresh one.
    void aWindowUnloadedByItsOwnLoadHandler() {
        FormHandle<LeavesAtOnce> handle;
        QPointer<LeavesAtOnce> first = &handle();
        QVERIFY(first->IsUnloaded());
        QVERIFY(!handle.Loaded());
        first->Show();
        QVERIFY(!first->isVisible());
        QVERIFY(&handle() != first.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
    }

    void closingByTheFrameUnloads() {
        FormHandle<Probe> probe;
        probe().Show();
        probe->close();
        QCOMPARE(g.unloads, 1);
        QVERIFY(!probe.Loaded());
    }

    void modalShowingReturnsOnceUnloaded() {
        FormHandle<Probe> probe;
        QTimer::singleShot(20, [&] {
            QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&probe()));
            probe.Unload();
        });
        probe().ShowModal();
        QVERIFY(!probe.Loaded());
        QCOMPARE(g.unloads, 1);
    }

    // A dialog belongs to the modal window open when it shows, else to the
    // main window; it keeps its size and has only the close box. Other
    // windows can grow but not shrink below the size the game gives them.
    void dialogsBelongToTheWindowTheyOpenOver() {
        FormHandle<MainProbe> main;
        FormHandle<DialogProbe> outer;
        FormHandle<DialogProbe> inner;
        FormHandle<DialogProbe> modeless;
        main().Show();
        QWidget* outerWindow = nullptr;
        QWidget* innerOwner = nullptr;
        QWidget* modelessOwner = nullptr;
        QTimer::singleShot(0, [&] {
            outerWindow = outer.IfLoaded();
            QTimer::singleShot(0, [&] {
                innerOwner = inner->parentWidget();
                modeless().Show();
                modelessOwner = modeless->parentWidget();
                inner.Unload();
                outer.Unload();
            });
            inner().ShowModal();
        });
        outer().ShowModal();
        QVERIFY(outerWindow);
        QCOMPARE(innerOwner, outerWindow);
        QCOMPARE(modelessOwner, static_cast<QWidget*>(&main()));

        DialogProbe& d = modeless();
        QVERIFY(d.isWindow());
        QCOMPARE(d.windowType(), Qt::Dialog);
        QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d.minimumSize(), d.size());
        QCOMPARE(d.maximumSize(), d.size());
        QCOMPARE(main->minimumSize(), main->size());
        QCOMPARE(main->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        main->SetOuterWidth(2000);   // smaller by code: the least size follows
        QCOMPARE(main->minimumSize(), main->size());

        // A window destroyed along with its owner is forgotten by its handle.
        main.Destroy();
        QVERIFY(!modeless.Loaded());
    }

    // Return presses the focused push button, Escape the cancel button;
    // Return elsewhere presses nothing, and neither key does with Ctrl, Alt
    // or Shift held. A key the form does not use goes on unaccepted.
    void returnAndEscape() {
        FormHandle<DialogProbe> dialog;
        DialogProbe& d = dialog();
        d.Show();
        int ok = 0;
        int cancel = 0;
        QObject::connect(d.ok, &QPushButton::clicked, [&] { ++ok; });
        QObject::connect(d.cancel, &QPushButton::clicked, [&] { ++cancel; });
        d.ok->setFocus();
        QTest::keyClick(d.ok, Qt::Key_Return);
        QTest::keyClick(d.ok, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ok, 2);
        for (const Qt::KeyboardModifier held : {Qt::ControlModifier, Qt::AltModifier, Qt::ShiftModifier}) {
            QTest::keyClick(d.ok, Qt::Key_Return, held);
            QTest::keyClick(d.ok, Qt::Key_Escape, held);
        }
        QCOMPARE(ok, 2);
        QCOMPARE(cancel, 0);
        QTest::keyClick(d.ok, Qt::Key_Escape);
        QCOMPARE(cancel, 1);
        d.text->setFocus();
        QTest::keyClick(d.text, Qt::Key_Return);
        QTest::keyClick(d.text, Qt::Key_Escape);
        QCOMPARE(ok, 2);
        QCOMPARE(cancel, 2);
        d.cancel->setEnabled(false);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&d, &escape);
        QVERIFY(!escape.isAccepted());
        QCOMPARE(cancel, 2);
    }

    // A real double-click: press, release, press, double-click, release. The
    // first release is a click, the second is none.
    void theSecondPressOfADoubleClickIsNoClick() {
        QWidget window;
        auto* label = new Label(&window, QStringLiteral("label"), QStringLiteral("12"));
        label->resize(60, 30);
        window.show();
        int clicks = 0;
        int ups = 0;
        QObject::connect(label, &Label::clicked, [&] { ++clicks; });
        QObject::connect(label, &Label::mouseUp, [&] { ++ups; });
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseDClick(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QCOMPARE(ups, 2);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicks, 2);
    }

    void everyCaptionSetFiresTheChangeHandler() {
        FormHandle<Probe> probe;
        probe().caption->SetCaption(QStringLiteral("a"));
        probe->caption->SetCaption(QStringLiteral("a"));
        QCOMPARE(g.changes, 2);
        probe->caption->SetCaption(QStringLiteral("x\n\ry"));
        QCOMPARE(probe->caption->Caption(), QStringLiteral("x\n\ry"));
        QCOMPARE(probe->caption->text(), QStringLiteral("x\ny"));
    }

    void windowStateChangesRunTheResizeHandler() {
        FormHandle<Probe> probe;
        probe();
        const int before = g.resizes;
        probe->SetWindowState(vbMinimized);
        QCOMPARE(probe->WindowState(), int(vbMinimized));
        QCOMPARE(g.resizes, before + 1);
        probe->SetWindowState(vbMinimized);
        QCOMPARE(g.resizes, before + 1);
        probe->SetWindowState(vbNormal);
        QCOMPARE(g.resizes, before + 2);

        // A hidden window keeps the state it is given to itself and shows with it.
        probe->SetWindowState(vbMinimized);
        QVERIFY(!probe->isVisible());
        QCOMPARE(g.resizes, before + 3);
        probe->Show();
        QVERIFY(probe->isVisible());
        QVERIFY(probe->isMinimized());
        QCOMPARE(probe->WindowState(), int(vbMinimized));
        const int shown = g.resizes;
        probe->SetWindowState(vbNormal);
        QVERIFY(!probe->isMinimized());
        QVERIFY(g.resizes > shown);
    }

    void geometryIsInTwipsAndColoursHaveRedInTheLowByte() {
        QWidget w;
        Place(&w, 150, 300, 1500, 735);
        QCOMPARE(w.geometry(), QRect(10, 20, 100, 49));
        QCOMPARE(TopOf(&w), 300);
        QCOMPARE(VbColor(255), QColor(255, 0, 0));
        QCOMPARE(VbColor(65535), QColor(255, 255, 0));
        QCOMPARE(VbColor(16711680), QColor(0, 0, 255));
        QCOMPARE(Indexed("Label1", 12), QStringLiteral("Label1(12)"));
    }

    // The mouse-up handler sees the state the click has given; Space clicks
    // the button as well but is no mouse-up.
    void mouseUpAnswersTheMouseOnlyAfterTheClick() {
        QWidget window;
        auto* box = new CheckBox(QStringLiteral("box"), &window);
        auto* option = new OptionButton(QStringLiteral("option"), &window);
        option->move(0, 40);
        window.show();
        QList<bool> seen;
        box->MouseUp = [&] { seen << box->isChecked(); };
        option->MouseUp = [&] { seen << option->isChecked(); };

        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(option, Qt::LeftButton);
        QCOMPARE(seen, QList<bool>({true, true}));
        QTest::mouseClick(box, Qt::RightButton);
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!box->isChecked());   // the key has clicked it
        QCOMPARE(seen.size(), 2);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(seen, QList<bool>({true, true, true}));
    }

    void timersTickWhileEnabled() {
        QObject owner;
        Timer t(&owner, QStringLiteral("t"));
        int ticks = 0;
        t.Tick = [&] { ++ticks; };
        QVERIFY(!t.Enabled());
        t.SetEnabled(true);
        QTRY_VERIFY(ticks >= 2);
        t.SetEnabled(false);
        const int stopped = ticks;
        QTest::qWait(80);
        QCOMPARE(ticks, stopped);
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
