#include "tests/windows/support/harness.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>

#include "windows/form1.h"

namespace pelloric::test {

namespace {
class SplitMixRandom final : public Random {
public:
    explicit SplitMixRandom(uint64_t seed) : state_(seed) {}
    void Randomize() override {}
    double Rnd() override {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

private:
    uint64_t state_;
};
}  // namespace

std::shared_ptr<Random> SeededRandom(uint64_t seed) { return std::make_shared<SplitMixRandom>(seed); }

Session::Session(std::shared_ptr<Random> random) {
    win::Platform p;
    p.beep = [this] { ++rec.beeps; };
    p.messageBox = [this](const QString& text, const QString& title) {
        rec.messageBoxes << (title + QLatin1Char('|') + text);
        if (rec.realMessageBoxes) win::MessageBox(text, title);
    };
    p.startBrowser = [this](const QString& url) {
        rec.browser << (QStringLiteral("start ") + url);
        return rec.browserStarts;
    };
    p.openUrlFallback = [this](const QString& url) { rec.browser << (QStringLiteral("fallback ") + url); };
    p.endProcess = [this] { ++rec.endProcess; };
    p.random = random ? random : SeededRandom(12345);
    win::StartUp(std::move(p));
}

Session::~Session() { win::ShutDown(); }

QAction* Action(const QString& name) { return win::App().Form1().findChild<QAction*>(name); }

void WhenModal(const QString& windowName, std::function<void(QWidget*)> handler, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    auto* elapsed = new QElapsedTimer;
    elapsed->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool match = modal && (modal->objectName() == windowName ||
                                     QLatin1String(modal->metaObject()->className()) == windowName);
        if (match || elapsed->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            if (match)
                handler(modal);
            else
                qWarning("no modal window %s appeared", qPrintable(windowName));
        }
    });
    timer->start();
}

bool WaitActive(QWidget* w, int timeoutMs) {
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, timeoutMs);
}

void AnswerMessageBox(QStringList* seen, int timeoutMs) {
    WhenModal(
        QStringLiteral("QMessageBox"),
        [seen](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (seen) *seen << (box->windowTitle() + QLatin1Char('|') + box->text());
            box->button(QMessageBox::Ok)->click();
        },
        timeoutMs);
}

void PlayAndStart(const Choice& c) {
    WhenModal(QStringLiteral("BngOptions"), [c](QWidget* w) {
        Find<QComboBox>(w, QStringLiteral("Combo1"))->setCurrentIndex(c.boards);
        Find<QComboBox>(w, QStringLiteral("Combo2"))->setCurrentIndex(c.game);
        Find<QComboBox>(w, QStringLiteral("cmbSeconds"))->setCurrentIndex(c.seconds);
        Find<QComboBox>(w, QStringLiteral("cmbPlayers"))->setCurrentIndex(c.players);
        Find<QPushButton>(w, QStringLiteral("Command1"))->click();
    });
    Action(QStringLiteral("bngPlay"))->trigger();
}

int TickToNextBall(int limit) {
    auto& f = win::App().Form1();
    const int32_t before = win::App().S.CalledCount;
    for (int i = 1; i <= limit; ++i) {
        f.Form1_Timer1_Timer();
        if (win::App().S.CalledCount != before || !f.Timer1->Enabled()) return i;
    }
    return -1;
}

void FinishDrop() {
    auto& f = win::App().Form1();
    for (int i = 0; i < 100 && f.tmrBallrool->Enabled(); ++i) f.Form1_tmrBallrool_Timer();
}

}  // namespace pelloric::test
