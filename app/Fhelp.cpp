#include "app/Fhelp.h"

TF_Help::TF_Help(QWidget* parent) : QDialog(parent) {}

int TF_Help::OpenHelpFile(int) { return 0; }

void TF_Help::SetHelpText(const QString&) {}
