#include "app/Fthermal_con.h"

TThermal_Cond::TThermal_Cond(QWidget* parent) : QDialog(parent) {}
