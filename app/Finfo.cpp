#include "app/Finfo.h"

Tfrm_Info::Tfrm_Info(QWidget* parent) : QDialog(parent) {}
