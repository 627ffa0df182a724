#include "windows/forms/forms.h"
#include "windows/forms/native_title.h"

#include <QApplication>
#include <QGuiApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QScreen>
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

Form::Form(const char* name, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose, false);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
}

Form::~Form() = default;

// Brings a shown window to the front (the offscreen platform has no stacking).
static void ToFront(QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

// A window without title text shows none: Qt alone would hand the window
// manager the program's name in its place.
static void ShowWindow(Form* w) {
    if (w->windowTitle().isEmpty()) EmptyNativeTitle(w);
    w->show();
}

void Form::Show() {
    if (unloaded_) return;
    ShowWindow(this);
    ToFront(this);
}

void Form::ShowModal() {
    if (unloaded_) return;
    QPointer<Form> self(this);
    setWindowModality(Qt::ApplicationModal);
    inModal_ = true;
    ShowWindow(this);
    ToFront(this);
    if (unloaded_) return;
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
    if (self) self->inModal_ = false;
}

void Form::Hide() { hide(); }

void Form::Unload() {
    if (unloadSelf_) unloadSelf_();
}

int Form::WindowState() const {
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized) return vbMinimized;
    if (s & Qt::WindowMaximized) return vbMaximized;
    return vbNormal;
}

void Form::SetWindowState(int state) {
    if (state == WindowState()) return;
    Qt::WindowStates s = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == vbMinimized) s |= Qt::WindowMinimized;
    if (state == vbMaximized) s |= Qt::WindowMaximized;
    setWindowState(s);   // reports the change at once, through changeEvent
}

void Form::SetClientSize(int width, int height) {
    outerWidth_ = width + kFrameWidthTwips;
    outerHeight_ = height + kFrameHeightTwips + Twips(menuPx_);
    client_->setGeometry(0, menuPx_, Px(width), Px(height));
    resize(Px(width), Px(height) + menuPx_);
}

void Form::SetOuterWidth(int width) {
    outerWidth_ = width;
    const int px = qMax(1, Px(width - kFrameWidthTwips));
    client_->resize(px, client_->height());
    resize(px, height());
}

void Form::SetOuterHeight(int height) {
    outerHeight_ = height;
    const int px = qMax(1, Px(height - kFrameHeightTwips));
    client_->setGeometry(0, menuPx_, client_->width(), qMax(1, px - menuPx_));
    resize(width(), px);
}

void Form::SetScreenPos(int left, int top) { move(Px(left), Px(top)); }

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
        const Qt::WindowStates old = sc->oldState();
        const int before = (old & Qt::WindowMinimized) ? vbMinimized : (old & Qt::WindowMaximized) ? vbMaximized : vbNormal;
        if (before != WindowState()) Form_Resize();
    }
}

void Form::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    client_->resize(width(), qMax(1, height() - menuPx_));
    if (!unloaded_) Form_Resize();
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

void Label::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
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

// ---- Pointers ------------------------------------------------------------------

QCursor LinkCursor() { return QCursor(Qt::PointingHandCursor); }
QCursor QuestionCursor() { return QCursor(Qt::WhatsThisCursor); }

}  // namespace pelloric::forms
