// Opens and closes every window of a session many times, offscreen, and reports how much
// resident memory the process keeps after a warm-up. A window that leaves something behind
// for good shows here long before a user notices.
//
// Usage: termora_memory_growth [rounds] [warm-up rounds]   (default 5000 and 200)
// A round opens each of the eight calculation forms, paints it, runs its h dialog and its
// print choice, closes it, and runs the conductivity dialog once.
// TERMORA_STYLE_CACHE=1 keeps the style's pixmap cache as Qt sets it, for comparison.
// Exit code 0 when the growth stays under 2 MB.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

#include "app/AppWindows.h"
#include "app/Fthermal_con.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "coefficient/Finsideoutside.h"
#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "config/Uutils.h"
#include "engine/State.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"

namespace {

// Dialogs are shown and painted as a modal run would, then closed; messages are counted.
class ShowingSeam : public MessageSeam {
public:
    int messages = 0;
    MessageReply Message(MessageKind, const QString&, const QString&, QWidget*) override {
        ++messages;
        return MessageReply::Ok;
    }
    int ExecDialog(QDialog& dialog) override {
        dialog.show();
        QCoreApplication::processEvents();
        dialog.repaint();
        dialog.hide();
        return QDialog::Rejected;
    }
    bool OpenUrl(const QUrl&) override { return false; }
};

long ResidentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

constexpr int kMaterialLine[8] = {3, 4, 5, 8, 9, 2, 4, 3};
constexpr int kHLine[8] = {4, 5, 6, 9, 10, 3, 5, 4};

void OneRound() {
    for (int type = 0; type < 8; ++type) {
        Shared().CalculationType = type;
        auto form = std::make_unique<TPipeForm>(nullptr);
        form->show();
        QCoreApplication::processEvents();
        form->repaint();
        TParas& lines = *FormState().ParameterLines;
        lines[kMaterialLine[type]].MaterialSelector()->setCurrentIndex(0);
        CalculateHFor(lines[kHLine[type]]);
        form->Print();
        form->close();
        form.reset();
        QCoreApplication::processEvents();
    }
    ExecModal(ThermalCondDialog());
}

long Run(int rounds, int warmUp) {
    for (int i = 0; i < warmUp; ++i)
        OneRound();
    const long before = ResidentKb();
    for (int i = 0; i < rounds; ++i)
        OneRound();
    const long growth = ResidentKb() - before;
    std::printf("%d rounds of the eight calculation forms with their dialogs, after %d warm-up\n"
                "  resident memory growth %.2f MB (%.2f KB per form)   target < 2 MB\n",
                rounds, warmUp, growth / 1024.0, rounds ? growth / (8.0 * rounds) : 0.0);
    return growth;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseDotForNumbers();
    if (qEnvironmentVariable("TERMORA_STYLE_CACHE") != QLatin1String("1"))
        KeepStylePixmapsUncached(); // as the program starts
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int warmUp = argc > 2 ? std::atoi(argv[2]) : 200;
    ShowingSeam seam;
    InstallSeam(&seam);
    const QString beside = QCoreApplication::applicationDirPath();
    LoadConfiguration(beside, {});
    LoadPipeTable(beside);
    LoadSheetTable(beside);
    const long growth = Run(rounds, warmUp);
    InstallSeam(nullptr);
    DestroyAppWindows();
    return growth < 2048 ? 0 : 1;
}
