#pragma once
// The windows created once at start-up and kept for the whole run.
class Tfrm_Info;
class TF_Help;
class TSplash;
class TPrintDecision;
class TThermal_Cond;

// Creates the windows in start-up order: information, help, splash, print decision,
// user conductivity. Each accessor also creates its window on first use, so forms work
// without a main window (tests).
void CreateAppWindows();
// Destroys them; to be called before the QApplication goes.
void DestroyAppWindows();

Tfrm_Info& InfoWindow();
TF_Help& HelpWindow();
TSplash& SplashWindow();
TPrintDecision& PrintDecisionDialog();
TThermal_Cond& ThermalCondDialog();
