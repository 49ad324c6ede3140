#include "app/AppWindows.h"

#include <memory>

#include "app/Fhelp.h"
#include "app/Finfo.h"
#include "app/Fsplash.h"
#include "app/Fthermal_con.h"
#include "output/Fprint.h"

namespace {

struct Windows {
    std::unique_ptr<Tfrm_Info> info;
    std::unique_ptr<TF_Help> help;
    std::unique_ptr<TSplash> splash;
    std::unique_ptr<TPrintDecision> printDecision;
    std::unique_ptr<TThermal_Cond> thermalCond;
};

Windows& TheWindows() {
    static Windows windows;
    return windows;
}

template <typename T> T& Ensure(std::unique_ptr<T>& slot) {
    if (!slot)
        slot = std::make_unique<T>(); // parentless: no Qt parent deletes it behind our back
    return *slot;
}

} // namespace

void CreateAppWindows() {
    InfoWindow();
    HelpWindow();
    SplashWindow();
    PrintDecisionDialog();
    ThermalCondDialog();
}

void DestroyAppWindows() {
    Windows& w = TheWindows();
    w.thermalCond.reset();
    w.printDecision.reset();
    w.splash.reset();
    w.help.reset();
    w.info.reset();
}

Tfrm_Info& InfoWindow() {
    return Ensure(TheWindows().info);
}
TF_Help& HelpWindow() {
    return Ensure(TheWindows().help);
}
TSplash& SplashWindow() {
    return Ensure(TheWindows().splash);
}
TPrintDecision& PrintDecisionDialog() {
    return Ensure(TheWindows().printDecision);
}
TThermal_Cond& ThermalCondDialog() {
    return Ensure(TheWindows().thermalCond);
}
