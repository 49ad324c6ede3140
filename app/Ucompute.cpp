#include "app/Ucompute.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "config/Udatafolder.h"
#include "config/Ureport.h"
#include "config/Uutils.h"
#include "project/ComputeCommand.h"
#include "project/ProjectData.h"
#include "projectprint/SchedulePrint.h"

namespace {
QStringList ArgumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// A PDF needs fonts and a paint engine, hence Qt Gui; the offscreen platform needs no display.
std::unique_ptr<QCoreApplication> ApplicationFor(const ComputeOptions& options, int& argc,
                                                 char** argv) {
    if (options.PdfFile.isEmpty())
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
// Standard error carries the lines that are not ok; Qt's own notes (a missing runtime folder,
// fonts) would be mistaken for them.
void KeepQtNotesOffStandardError(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << text.toStdString() << '\n';
}
} // namespace

bool IsComputeCommand(int argc, const char* const* argv) {
    return AsksToCompute(ArgumentsOf(argc, argv));
}

int RunComputeCommand(int argc, char** argv) {
    QString error;
    const std::optional<ComputeOptions> options =
        ParseComputeOptions(ArgumentsOf(argc, argv), error);
    if (!options) {
        std::cerr << error.toStdString() << "\nSee termora --help.\n";
        return kComputeUnreadable;
    }
    qInstallMessageHandler(&KeepQtNotesOffStandardError);
    const std::unique_ptr<QCoreApplication> app = ApplicationFor(*options, argc, argv);
    UseDotForNumbers();
    SetErrorReporter([](const QString& text) { std::cerr << text.toStdString() << '\n'; });
    if (!LoadProjectData(DataFolder())) {
        std::cerr << "Cannot open file "
                  << InDataFolder(QStringLiteral("Termora.ini")).toStdString() << '\n';
        return kComputeUnreadable;
    }
    return RunCompute(*options, ProjectData::FromShared(), std::cerr, &WriteSchedulePdf);
}
