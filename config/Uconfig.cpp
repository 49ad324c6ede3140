#include "config/Uconfig.h"

// Placeholder until the reader lands.
void LoadConfiguration(const QString&, const FontTest&) {}
