#include "windows/forms/forms.h"
#include "windows/forms/native_title.h"

#include <QApplication>
#include <QGuiApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QScreen>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <map>
#include <vector>

namespace pelloric::forms {

// Frame allowances of the outer window sizes the game sets: the border on
// each side, and the border with the title bar above the client area.
static constexpr int kFrameWidthTwips = 120;
static constexpr int kFrameHeightTwips = 585 - 255;   // title and borders; the menu bar is measured

QColor VbColor(uint32_t color) {
    if (color & 0x80000000u) {
        switch (color & 0xFFu) {
            case 0x12: return QApplication::palette().color(QPalette::ButtonText);
            case 0x0F: return QApplication::palette().color(QPalette::Button);
            case 0x08: return QApplication::palette().color(QPalette::WindowText);
            case 0x05: return QApplication::palette().color(QPalette::Window);
            default: return QApplication::palette().color(QPalette::WindowText);
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

const QPalette& LastingPalette(std::initializer_list<std::pair<QPalette::ColorRole, uint32_t>> colours) {
    static std::map<std::vector<std::pair<int, uint32_t>>, QPalette> made;
    std::vector<std::pair<int, uint32_t>> key;
    for (const auto& [role, colour] : colours) key.emplace_back(int(role), colour);
    const auto [at, fresh] = made.try_emplace(std::move(key));
    if (fresh) {
        QPalette p = QApplication::palette();
        for (const auto& [role, colour] : colours) p.setColor(role, VbColor(colour));
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const auto group = QPalette::ColorGroup(g);
                const auto role = QPalette::ColorRole(r);
                p.setBrush(group, role, p.brush(group, role));
            }
        at->second = p;
    }
    return at->second;
}

QFont VbFont(double points, bool bold, bool serif) {
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    f.setPixelSize(qMax(1, qRound(points * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}

QFont FittingFont(QFont font, const QStringList& lines, int width) {
    auto widest = [&lines](const QFont& f) {
        const QFontMetricsF metrics(f);
        qreal w = 0;
        for (const QString& line : lines) {
            qsizetype end = line.size();
            while (end > 0 && line.at(end - 1) == QLatin1Char(' ')) --end;
            w = qMax(w, metrics.horizontalAdvance(line.left(end)));
        }
        return w;
    };
    while (font.pixelSize() > 8 && widest(font) > width) font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), qMax(0, Px(width)), qMax(0, Px(height)));
}
void Move(QWidget* w, int left, int top) { w->move(Px(left), Px(top)); }
void SetTop(QWidget* w, int top) { w->move(w->x(), Px(top)); }
void SetWidth(QWidget* w, int width) { w->resize(qMax(0, Px(width)), w->height()); }
int TopOf(const QWidget* w) { return Twips(w->y()); }
int LeftOf(const QWidget* w) { return Twips(w->x()); }
int WidthOf(const QWidget* w) { return Twips(w->width()); }

// ---- Form ----------------------------------------------------------------------

namespace {

// The main window, which dialogs belong to when no modal window is open.
Form* g_mainForm = nullptr;

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace

QWidget* DialogOwner(bool modal, const QWidget* except) {
    if (modal) {
        QWidget* open = QApplication::activeModalWidget();
        if (open && open != except && open->isVisible()) return open;
    }
    return g_mainForm;
}

Form::Form(const char* name, FormStyle style)
    : QWidget(nullptr, style == FormStyle::Dialog ? kDialogFlags : Qt::WindowFlags(Qt::Window)), style_(style) {
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose, false);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    if (style == FormStyle::Main) g_mainForm = this;
}

Form::~Form() {
    if (g_mainForm == this) g_mainForm = nullptr;
}

// A dialog becomes a window of its owner just before it shows: the window
// manager is told whom it belongs to, keeps it above that window and
// minimises it along with it. A modeless dialog belongs to the main window
// alone, so that no modal window closing can take it along.
void Form::JoinOwner(bool modal) {
    if (style_ != FormStyle::Dialog) return;
    QWidget* owner = DialogOwner(modal, this);
    if (!owner || owner == this || owner == parentWidget()) return;
    const QPoint at = pos();
    setParent(owner, kDialogFlags);
    if (placed_) {
        move(at);
        return;
    }
    // Centred over the owner, and wholly on its screen.
    QRect r(QPoint(), size());
    r.moveCenter(owner->geometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        r.moveLeft(qMax(room.left(), qMin(r.left(), room.right() - r.width())));
        r.moveTop(qMax(room.top(), qMin(r.top(), room.bottom() - r.height())));
    }
    setGeometry(r);
}

// Brings a shown window to the front (the offscreen platform has no stacking).
static void ToFront(QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

static int StateOf(Qt::WindowStates s) {
    if (s & Qt::WindowMinimized) return vbMinimized;
    if (s & Qt::WindowMaximized) return vbMaximized;
    return vbNormal;
}

static Qt::WindowStates WithState(Qt::WindowStates s, int state) {
    s &= ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == vbMinimized) s |= Qt::WindowMinimized;
    if (state == vbMaximized) s |= Qt::WindowMaximized;
    return s;
}

// A window shows in the state it was given while hidden. A window without
// title text shows none: Qt alone would hand the window manager the
// program's name in its place.
void Form::ShowWithState() {
    if (windowTitle().isEmpty()) EmptyNativeTitle(this);
    if (!isVisible() && StateOf(windowState()) != hiddenState_) setWindowState(WithState(windowState(), hiddenState_));
    show();
    // Activating a minimised window would bring it back.
    if (!isMinimized()) ToFront(this);
}

void Form::Show() {
    if (unloaded_) return;
    JoinOwner(false);
    ShowWithState();
}

// A menu entry that opened a modal window stays highlighted on its menu bar
// until the menu bar next sees the mouse, which the modal window keeps from
// it: the highlight goes now.
static void ClearMenuBarHighlights() {
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QMenuBar* bar : top->findChildren<QMenuBar*>())
            if (bar->activeAction()) bar->setActiveAction(nullptr);
}

void Form::ShowModal() {
    if (unloaded_) return;
    QPointer<Form> self(this);
    JoinOwner(true);
    ClearMenuBarHighlights();
    setWindowModality(Qt::ApplicationModal);
    inModal_ = true;
    ShowWithState();
    if (unloaded_) return;
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
    if (self) self->inModal_ = false;
}

void Form::Hide() { hide(); }

// An unloaded window goes from the screen; a dialog that had the focus, in
// itself or in a window of its own that has just gone, hands it back to the
// window it belongs to, as the desktop does for an owned window (without
// that, a platform with no window manager, or one that sees the two windows
// go at once, leaves the focus nowhere).
void Form::LeaveScreen() {
    const bool hadFocus = isActiveWindow() || (windowHandle() && windowHandle()->isActive());
    hide();
    if (hadFocus && style_ == FormStyle::Dialog && parentWidget() && parentWidget()->isVisible())
        parentWidget()->window()->activateWindow();
}

void Form::Unload() {
    if (unloadSelf_) unloadSelf_();
}

int Form::WindowState() const { return isVisible() ? StateOf(windowState()) : hiddenState_; }

void Form::SetWindowState(int state) {
    if (state == WindowState()) return;
    if (!isVisible()) {
        // Nothing to ask of the window manager: on X, Qt would iconify a
        // hidden window now and map it when it is restored.
        hiddenState_ = state;
        if (!unloaded_) Form_Resize();
        return;
    }
    // Qt only asks the window manager, which answers later; the size the
    // game sets next must start from the normal geometry, so that is set now.
    const QRect normal = normalGeometry();
    setWindowState(WithState(windowState(), state));   // reports the change at once, through changeEvent
    if (state == vbNormal && normal.isValid() && geometry() != normal) setGeometry(normal);
}

void Form::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) hiddenState_ = StateOf(windowState());
}

// The size the game gives the window's frame and client area, from its outer
// width and height.
QSize Form::GameSize() const {
    return {qMax(1, Px(outerWidth_ - kFrameWidthTwips)), qMax(1, Px(outerHeight_ - kFrameHeightTwips))};
}

// The size the game gives a window is the least it can be dragged to: its
// controls lie at fixed places. A dialog keeps exactly that size.
void Form::ResizeTo(QSize now) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(now);
    if (style_ == FormStyle::Dialog)
        setFixedSize(GameSize());
    else
        setMinimumSize(GameSize());
}

void Form::SetClientSize(int width, int height) {
    outerWidth_ = width + kFrameWidthTwips;
    outerHeight_ = height + kFrameHeightTwips + Twips(menuPx_);
    client_->setGeometry(0, menuPx_, Px(width), Px(height));
    ResizeTo(GameSize());
}

// Setting the width changes the width alone: a window the player made taller
// stays so, though it can still be made as low as the game's height.
void Form::SetOuterWidth(int width) {
    outerWidth_ = width;
    const int px = GameSize().width();
    client_->resize(px, client_->height());
    ResizeTo({px, height()});
}

void Form::SetOuterHeight(int height) {
    outerHeight_ = height;
    const int px = GameSize().height();
    client_->setGeometry(0, menuPx_, client_->width(), qMax(1, px - menuPx_));
    ResizeTo({width(), px});
}

void Form::SetScreenPos(int left, int top) {
    placed_ = true;
    move(Px(left), Px(top));
}

void Form::SetMenuHeightPx(int px) {
    menuPx_ = px;
    client_->move(0, menuPx_);
}

void Form::closeEvent(QCloseEvent* e) {
    // Closing by the frame unloads the window like any other closing.
    e->ignore();
    Unload();
}

void Form::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (unloaded_) return;
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
    if (e->type() == QEvent::WindowStateChange) {
        const auto* sc = static_cast<QWindowStateChangeEvent*>(e);
        if (StateOf(sc->oldState()) != StateOf(windowState())) Form_Resize();
    }
}

void Form::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    client_->resize(width(), qMax(1, height() - menuPx_));
    if (!unloaded_) Form_Resize();
}

// A key pressed alone: the keypad's Enter counts, Ctrl+Return or Alt+Escape not.
static bool PlainKey(const QKeyEvent* e) { return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier; }

// Return presses the push button that has the focus (a push button outside a
// dialog of Qt's own answers Space alone); Escape presses the cancel button.
void Form::keyPressEvent(QKeyEvent* e) {
    const bool plain = PlainKey(e);
    if (plain && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button && button->window() == this && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    if (plain && e->key() == Qt::Key_Escape && cancel_ && cancel_->window() == this && cancel_->isEnabled() &&
        cancel_->isVisible()) {
        cancel_->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

// ---- Label ---------------------------------------------------------------------

Label::Label(QWidget* parent, const QString& name, const QString& caption) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    caption_ = caption;
    QLabel::setText(QString(caption).remove(QLatin1Char('\r')));
}

void Label::SetCaption(const QString& caption) {
    caption_ = caption;
    // Carriage returns end lines with the line feed next to them.
    QLabel::setText(QString(caption).remove(QLatin1Char('\r')));
    if (Change) Change();
}

void Label::SetForeColor(uint32_t color) {
    fore_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, VbColor(color));
    setPalette(p);
}

void Label::SetBackColor(uint32_t color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, VbColor(color));
    setPalette(p);
    setAttribute(Qt::WA_TranslucentBackground, false);
    setAttribute(Qt::WA_NoSystemBackground, false);
    setAutoFillBackground(true);
}

void Label::mousePressEvent(QMouseEvent* e) {
    doubleClickPress_ = false;
    QLabel::mousePressEvent(e);
}

// A double-click arrives as press, release, press, double-click, release: the
// first release is the click, the second one is none.
void Label::mouseDoubleClickEvent(QMouseEvent* e) {
    QLabel::mouseDoubleClickEvent(e);   // a press to QWidget, which clears the mark
    doubleClickPress_ = true;
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    const bool secondOfDouble = doubleClickPress_;
    doubleClickPress_ = false;
    if (secondOfDouble) {
        if (e->button() == Qt::LeftButton) emit mouseUp();
        return;
    }
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        QPointer<Label> self(this);
        emit mouseUp();
        if (self) emit clicked();
    }
}

void Label::mouseMoveEvent(QMouseEvent* e) {
    QLabel::mouseMoveEvent(e);
    emit mouseMoved();
}

// A label chosen from the keyboard.
void Label::SetKeyboardChoosable(bool on) {
    keyboardChoosable_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

void Label::keyPressEvent(QKeyEvent* e) {
    if (!keyboardChoosable_ || !PlainKey(e)) return QLabel::keyPressEvent(e);
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            e->accept();
            // A key held down chooses once; the click may hide or unload
            // this label's window, so nothing of this label is used after it.
            if (!e->isAutoRepeat()) emit clicked();
            return;
        case Qt::Key_Up:
        case Qt::Key_Left:
            e->accept();
            FocusSibling(-1);
            return;
        case Qt::Key_Down:
        case Qt::Key_Right:
            e->accept();
            FocusSibling(1);
            return;
        default:
            QLabel::keyPressEvent(e);
    }
}

// The neighbour in the tab order among the labels of this parent that can
// take the focus; at either end the focus stays, as in a list.
void Label::FocusSibling(int step) {
    QWidget* parent = parentWidget();
    if (!parent) return;
    QList<Label*> row;
    for (QWidget* w = parent->nextInFocusChain(); w && w != parent; w = w->nextInFocusChain()) {
        auto* label = qobject_cast<Label*>(w);
        if (!label || label->parentWidget() != parent) continue;
        if (label == this || (label->keyboardChoosable_ && (label->focusPolicy() & Qt::TabFocus) &&
                              label->isEnabled() && label->isVisibleTo(parent)))
            row << label;
    }
    const qsizetype here = row.indexOf(this);
    const qsizetype at = here + step;
    // Moved by a key as Tab moves it, the focus marks the window as one where
    // the keyboard is in use, so that the frames show from here on.
    if (here >= 0 && at >= 0 && at < row.size())
        row[at]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void Label::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    // As on push buttons, the focus shows once the keyboard has moved it in
    // this window: a player who only clicks never sees a frame.
    if (!keyboardChoosable_ || !hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    // The frame lies round the text, or round the whole label when it has none
    // (a click area over a picture).
    QRect frame = rect();
    if (!text().isEmpty()) {
        const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        frame = fontMetrics().boundingRect(area, flags, text()).adjusted(-2, -1, 2, 1) & rect();
    }
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
}

// ---- Image ---------------------------------------------------------------------

Image::Image(QWidget* parent, const QString& name, Picture picture) : QWidget(parent), picture_(picture) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Image::SetPicture(Picture picture) {
    if (picture == picture_) return;
    picture_ = picture;
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (!picture_.paint) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    picture_.paint(p, QRectF(rect()), picture_.index);
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

// ---- Shape and Line ------------------------------------------------------------

Shape::Shape(QWidget* parent, const QString& name, uint32_t fillColor) : QWidget(parent), fill_(fillColor) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(VbColor(fill_).darker(140), 0.8));
    p.setBrush(VbColor(fill_));
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

Line::Line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2, uint32_t color, int widthPx)
    : QWidget(parent), color_(color), width_(widthPx) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = widthPx;
    const int left = qMin(Px(x1), Px(x2)) - pad;
    const int top = qMin(Px(y1), Px(y2)) - pad;
    setGeometry(left, top, qAbs(Px(x2) - Px(x1)) + 2 * pad + 1, qAbs(Px(y2) - Px(y1)) + 2 * pad + 1);
    a_ = QPointF(Px(x1) - left + 0.5, Px(y1) - top + 0.5);
    b_ = QPointF(Px(x2) - left + 0.5, Px(y2) - top + 0.5);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(VbColor(color_), width_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a_, b_);
}

// ---- Timer ---------------------------------------------------------------------

Timer::Timer(QObject* parent, const QString& name, int intervalMs) : QObject(parent) {
    setObjectName(name);
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Tick) Tick();
    });
}

void Timer::SetEnabled(bool on) {
    if (on == timer_.isActive()) return;
    if (on)
        timer_.start();
    else
        timer_.stop();
}

QAction* MenuEntry(QObject* parent, const char* name, const QString& caption) {
    auto* a = new QAction(caption, parent);
    a->setObjectName(QLatin1String(name));
    return a;
}

QString AsWritten(const QString& caption) {
    return QString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// ---- Pointers ------------------------------------------------------------------

QCursor LinkCursor() { return QCursor(Qt::PointingHandCursor); }
QCursor QuestionCursor() { return QCursor(Qt::WhatsThisCursor); }

}  // namespace pelloric::forms
