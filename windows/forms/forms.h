// A small forms layer over Qt Widgets: single-instance windows created on first
// touch and destroyed on unload, twips geometry, colours with red in the low
// byte, labels that report every caption change, pictures painted at any
// scale, and 25 ms timers whose ticks tests can drive directly.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

class QPainter;

namespace pelloric::forms {

// ---- Units -------------------------------------------------------------------
inline constexpr int kTwipsPerPixel = 15;   // at 96 dots per inch
inline int Px(int twips) { return (twips >= 0 ? twips + 7 : twips - 7) / kTwipsPerPixel; }
inline int Twips(int px) { return px * kTwipsPerPixel; }

// Colour with red in the low byte, then green, then blue. The high-bit values
// name desktop colours (0x80000012 the button text).
inline constexpr uint32_t kButtonTextColor = 0x80000012u;
QColor VbColor(uint32_t color);
// A palette for the controls of a window that is made again and again: the
// application's palette with the given roles in the given colours, made once
// for each set of colours. Qt 6.4's pixmap cache keeps every key it has seen,
// and the style's keys carry the palette's cache key, which is new for a
// palette set afresh and for every child that inherits a set palette. A
// control given this palette itself keeps its key from one window to the
// next, since every role in it is set and nothing is resolved from its parent.
const QPalette& LastingPalette(std::initializer_list<std::pair<QPalette::ColorRole, uint32_t>> colours);
// A font of the given point size at 96 dots per inch (sizes in pixels, so the
// layout is the same on every platform).
QFont VbFont(double points, bool bold = false, bool serif = false);

// The font, made a pixel smaller at a time (down to 8 pixels) until each of
// the lines fits in width pixels. Blanks that end a line are not measured:
// they hang past the edge without breaking the line.
QFont FittingFont(QFont font, const QStringList& lines, int width);

// Name of element i of a control array: "Label1(12)".
QString Indexed(const char* name, int index);

// Geometry in twips, relative to the parent.
void Place(QWidget* w, int left, int top, int width, int height);
void Move(QWidget* w, int left, int top);
void SetTop(QWidget* w, int top);
void SetWidth(QWidget* w, int width);
int TopOf(const QWidget* w);
int LeftOf(const QWidget* w);
int WidthOf(const QWidget* w);

// ---- Pictures ----------------------------------------------------------------
// A picture is a painter and an index (a frame, a colour, a page). Comparing two
// pictures tells whether they show the same image.
struct Picture {
    using PaintFn = void (*)(QPainter&, const QRectF&, int index);
    PaintFn paint = nullptr;
    int index = 0;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// ---- Forms -------------------------------------------------------------------
enum WindowStateValue { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

// What a window is to the desktop.
// - Window: a window of its own, resizable, never smaller than the size the
//   game gives it.
// - Main: the same, and the window that dialogs belong to.
// - Dialog: belongs to the window it opens over (shown modally: the modal
//   window open at the time, if any; else the main window), which the window
//   manager keeps it above and minimises it with; a fixed size, a title bar
//   with only the close box.
enum class FormStyle { Window, Main, Dialog };

// The window a dialog shown now belongs to: for a modal one the modal window
// open at the time, if any; otherwise the main window (null before it exists).
// Message boxes use it too.
QWidget* DialogOwner(bool modal, const QWidget* except = nullptr);

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const char* name, FormStyle style = FormStyle::Window);
    ~Form() override;

    // Window events; a subclass overrides those it handles.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}

    // Modeless showing returns at once; modal showing returns once the window
    // has been unloaded and blocks input to every other window meanwhile.
    void Show();
    void ShowModal();
    void Hide();
    // Unloads this window through its single-instance handle.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    // The window state, which a hidden window keeps to itself: setting it
    // changes nothing on the screen, and the window shows with it when it is
    // next shown. Leaving the maximised or minimised state from code puts a
    // shown window back at its last normal place and size at once.
    int WindowState() const;
    void SetWindowState(int state);

    // Outer size in twips, with a fixed allowance for the frame and menu bar.
    void SetClientSize(int width, int height);
    void SetOuterWidth(int width);
    void SetOuterHeight(int height);
    int OuterWidth() const { return outerWidth_; }
    int OuterHeight() const { return outerHeight_; }
    // Top-left corner of the window on the screen, in twips. A dialog that
    // is given none opens centred over the window it belongs to.
    void SetScreenPos(int left, int top);

    // The area where the controls lie (below the menu bar, when there is one).
    QWidget* Client() const { return client_; }
    void SetMenuHeightPx(int px);

    // The button that Escape presses. Return presses the push button that has
    // the focus, in every form, as Space does.
    void SetCancelButton(QAbstractButton* button) { cancel_ = button; }

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    template <class T>
    friend class FormHandle;
    QSize GameSize() const;
    void ResizeTo(QSize now);
    void JoinOwner(bool modal);
    void ShowWithState();
    void LeaveScreen();
    FormStyle style_;
    QPointer<QAbstractButton> cancel_;
    std::function<void()> unloadSelf_;
    bool unloaded_ = false;
    bool inModal_ = false;
    QWidget* client_ = nullptr;
    int menuPx_ = 0;
    int outerWidth_ = 0;
    int outerHeight_ = 0;
    // The state a hidden window was given, in force once it is shown.
    int hiddenState_ = vbNormal;
    bool placed_ = false;
};

// The single instance of a window. The first touch creates it and runs its load
// handler; Unload runs the unload handler and destroys it (later, once control
// is back in the main loop), forgetting it at once so that the next touch
// creates a fresh window with every control in its design state.
template <class T>
class FormHandle {
public:
    FormHandle() = default;
    FormHandle(const FormHandle&) = delete;
    FormHandle& operator=(const FormHandle&) = delete;
    ~FormHandle() { Destroy(); }

    T& operator()() {
        if (!form_) {
            T* created = new T();
            form_ = created;
            created->unloadSelf_ = [this] { Unload(); };
            // A window destroyed by anything but this handle (its owner
            // going away) is forgotten, never reached again.
            watch_ = QObject::connect(created, &QObject::destroyed, [this, created] {
                if (form_ == created) form_ = nullptr;
            });
            created->Form_Load();
            // A load handler that unloads its own window leaves the handle
            // empty: the touch still gets that window, unloaded, which shows
            // nothing and is deleted once control is back in the main loop.
            if (!form_) return *created;
        }
        return *form_;
    }
    T* operator->() { return &(*this)(); }
    bool Loaded() const { return form_ != nullptr; }
    T* IfLoaded() const { return form_; }

    void Unload() {
        if (!form_ || unloading_ == form_) return;
        T* old = form_;
        QObject::disconnect(watch_);
        unloading_ = old;
        old->Form_Unload();
        if (form_ == old) form_ = nullptr;
        unloading_ = nullptr;
        old->unloaded_ = true;
        old->LeaveScreen();
        emit old->unloaded();
        old->deleteLater();
    }

    // Destroys the window without running its unload handler (process end).
    void Destroy() {
        if (form_) {
            QObject::disconnect(watch_);
            delete form_;
            form_ = nullptr;
        }
    }

private:
    T* form_ = nullptr;
    QMetaObject::Connection watch_;
    T* unloading_ = nullptr;
};

// ---- Controls ------------------------------------------------------------------
// A label whose caption setter runs its change handler every time, also when the
// caption does not change. Transparent unless given a back colour.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent, const QString& name, const QString& caption = {});
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    uint32_t ForeColor() const { return fore_; }
    void SetForeColor(uint32_t color);
    void SetBackColor(uint32_t color);
    void SetAlignment(Qt::Alignment a) { setAlignment(a); }
    std::function<void()> Change;

    // A label that the player chooses with the mouse can be made one to choose
    // from the keyboard as well: it then takes the focus, shows it with a
    // dotted frame once the keyboard is in use in its window, runs its click
    // on Return, Enter or Space, and hands the focus to the previous or next
    // such label of its parent on the arrow keys.
    void SetKeyboardChoosable(bool on);

signals:
    void clicked();
    void mouseUp();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void FocusSibling(int step);
    QString caption_;
    uint32_t fore_ = 0;
    // The second press of a double-click: its release is no click.
    bool doubleClickPress_ = false;
    bool keyboardChoosable_ = false;
};

// A check box or option button with a mouse-up handler: it runs when the left
// mouse button, pressed on the control, is released, after a click has given
// the control its new state. Keys, which click buttons too, never run it.
template <class Button>
class MouseUpButton : public Button {
public:
    using Button::Button;
    std::function<void()> MouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        Button::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && MouseUp) MouseUp();
    }
};
using CheckBox = MouseUpButton<QCheckBox>;
using OptionButton = MouseUpButton<QRadioButton>;

// An image control: shows a Picture scaled to its size, sharp at any pixel ratio.
class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent, const QString& name, Picture picture = {});
    Picture GetPicture() const { return picture_; }
    void SetPicture(Picture picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Picture picture_;
};

// A filled circle (the example card's dots).
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(QWidget* parent, const QString& name, uint32_t fillColor);
    uint32_t FillColor() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    uint32_t fill_;
};

// A straight line between two points in twips; mouse clicks pass through it.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2, uint32_t color, int widthPx);
    uint32_t BorderColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPointF a_, b_;
    uint32_t color_;
    int width_;
};

// A 25 ms timer. Tests call the tick handler directly; the real QTimer drives
// it while the program runs.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* parent, const QString& name, int intervalMs = 25);
    bool Enabled() const { return timer_.isActive(); }
    void SetEnabled(bool on);
    std::function<void()> Tick;

private:
    QTimer timer_;
};

// A menu entry; its caption keeps the access-key ampersand, as the game
// compares captions as text.
QAction* MenuEntry(QObject* parent, const char* name, const QString& caption);
// A caption that a menu shows as it is written, such as one that carries a
// game's name: every ampersand doubled, so that none marks an access key.
QString AsWritten(const QString& caption);

// Pointers: the link hand and the arrow with a question mark.
QCursor LinkCursor();
QCursor QuestionCursor();

}  // namespace pelloric::forms
