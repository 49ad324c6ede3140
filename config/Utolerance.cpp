#include "config/Utolerance.h"

// Placeholders until the tables land.
void LoadPipeTable(const QString&) {}
void LoadSheetTable(const QString&) {}
QString LookupPipeRecommendation(float, float) { return QStringLiteral("see Help"); }
QString LookupSheetRecommendation(float) { return QStringLiteral("see Help"); }
