#include "tests/windows/support/help.h"

#include <QPointer>

#include "tests/windows/support/harness.h"
#include "windows/app.h"

namespace pelloric::test {

void WhenHelp(std::function<void(win::frmHelp&)> body, bool* ran) {
    WhenModal(QStringLiteral("frmHelp"), [body, ran](QWidget* w) {
        QPointer<QWidget> window(w);
        if (ran) *ran = true;
        body(*static_cast<win::frmHelp*>(w));
        // A failed check returns from body early: close the window all the
        // same, so that the opener's modal showing returns.
        if (window && !static_cast<win::frmHelp*>(window.data())->IsUnloaded()) window->close();
    });
}

bool InHelp(std::function<void(win::frmHelp&)> body) {
    bool ran = false;
    WhenHelp(std::move(body), &ran);
    win::App().frmHelp().ShowModal();
    return ran;
}

QList<int> ShownPictures(const win::frmHelp& help) {
    QList<int> shown;
    for (int p = 0; p < int(help.imgHelp.size()); ++p)
        if (!help.imgHelp[p]->isHidden()) shown << p;
    return shown;
}

}  // namespace pelloric::test
