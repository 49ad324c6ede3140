#pragma once
// Loads Termora.ini into Shared().ReferenceLists and Shared().GlobalSettings.
#include <QString>
#include <functional>

// Whether a font family is installed (the windows know; this library does not).
using FontTest = std::function<bool(const QString& family)>;

// Reads <directory>/Termora.ini. A failure ends the load where it happened, is reported
// once through ReportError ("Read of Inifile failed! Error: ...") and keeps what was read.
void LoadConfiguration(const QString& directory, const FontTest& fontInstalled);
