#include "app/Fsplash.h"

TSplash::TSplash(QWidget* parent) : QDialog(parent) {}
