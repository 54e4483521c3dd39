#include "shell/startup.h"

#include "platform/app.h"
#include "platform/dialogs.h"
#include "platform/endrequest.h"
#include "platform/language.h"
#include "shell/frmMain.h"
#include "shell/lifecycle.h"
#include "shell/splash.h"
#include "shell/wiring.h"

#include <QApplication>

namespace shell {

std::unique_ptr<frmMain> StartUp(const StartUpObserver& observe)
{
    const auto step = [&](const char* name) {
        if (observe)
            observe(name);
    };
    platform::PrepareApplication();
    // The language first: every window is made with its texts.
    platform::UseSystemLanguage();
    // From the first moment a signal that asks the program to end is kept, not fatal: once the
    // window is loaded it closes the program as File, Exit does.
    platform::OnEndRequest({});

    auto splash = std::make_unique<frmSplash>();
    splash->ShowAndPaint();
    step(splash->painted() ? "splash-painted" : "splash-shown");

    auto form = std::make_unique<frmMain>();
    QApplication::setWindowIcon(form->windowIcon()); // the dialogs carry it too
    platform::SetDialogParent(form.get());
    WireEvents(*form);
    step("load-begin");
    MainLoad(*form);
    step("load-end");
    // After the load, whose set-up the unload at exit relies on. An end asked for during the start
    // runs from the event loop.
    WireProgramEnd(*form);

    splash->close();
    splash.reset();
    step("splash-closed");
    if (platform::EndRequested())
        return form; // it closes without being shown, its placement kept as it was read

    // The chart needs a client area larger than the default normal size: open maximised, with
    // the remembered placement as the normal bounds.
    form->showMaximized();
    step("main-shown");
    return form;
}

} // namespace shell
