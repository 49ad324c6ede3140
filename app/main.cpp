#include <QCoreApplication>
#include <QTimer>
#include <exception>
#include <iostream>

#include "app/AppWindows.h"
#include "app/Main.h"
#include "app/Uapplication.h"
#include "app/Ucommandline.h"
#include "app/Ucompute.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "config/Udatafolder.h"
#include "config/Ureport.h"
#include "config/Uutils.h"
#include "projectwin/ProjectSession.h"

namespace {

// The start-up measurement (scripts/bench-startup) and the check of the installed package
// (scripts/check-package) set TERMORA_BENCH_QUIT=1: the program then skips the splash and
// ends as soon as the main window is shown and ready for input. It is the only variable read.
bool MeasuringStartup() {
    return qEnvironmentVariable("TERMORA_BENCH_QUIT") == QLatin1String("1");
}

int Run(TApplication& app, int argc, const char* const* argv) {
    Tfrm_Main main;
    main.FormCreate(DataFolder());
    CreateAppWindows();
    // exit(), not quit(): quit() would close every window and ask the close question again.
    QObject::connect(&main, &Tfrm_Main::Closed, &app, [] { QCoreApplication::exit(0); });
    if (MeasuringStartup()) {
        main.SetSplashOnFirstShow(false);
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    }
    main.show();
    if (const auto project = ProjectFileArgument(argc, argv))
        OpenProjectFile(QString::fromLocal8Bit(project->c_str()));
    const int code = app.exec();
    DestroyProjectWindow();
    DestroyAppWindows();
    return code;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the application object, which would need a display.
    if (const auto answered = AnswerCommandLine(argc, argv, std::cout))
        return *answered;
    // A project computed without any window, display or application object of the windows.
    if (IsComputeCommand(argc, argv))
        return RunComputeCommand(argc, argv);
    TApplication app(argc, argv);
    TApplication::setWindowIcon(ProgramIcon());
    // The application object has taken the user's locale; numbers stay with ".".
    UseDotForNumbers();
    KeepStylePixmapsUncached();
    SetErrorReporter([](const QString& text) { ShowError(text); });
    try {
        return Run(app, argc, argv);
    } catch (const std::exception& e) {
        // Start-up itself failed: show why, then end.
        ShowError(QString::fromUtf8(e.what()));
        DestroyAppWindows();
        return 1;
    }
}
