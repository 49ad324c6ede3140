#pragma once
// Loads Termora.ini into Shared().ReferenceLists and Shared().GlobalSettings.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "config/Uconfigcheck.h"

// Whether a font family is installed (the windows know; this library does not).
using FontTest = std::function<bool(const QString& family)>;

// Reads <directory>/Termora.ini. A failure ends the load where it happened, is reported
// once through ReportError ("Read of Inifile failed! Error: ...") and keeps what was read;
// the user material "k-factor" and the bare steel's emission coefficient are there even
// then. Returns the entries that loaded but cannot be right, for the caller to show.
std::vector<TConfigFinding> LoadConfiguration(const QString& directory,
                                              const FontTest& fontInstalled);

// The load and everything the start-up message tells about it.
struct TConfigLoad {
    QStringList gaps; // where a failure stopped the load and what it left out, or that
                      // the file gave nothing; one sentence each
    std::vector<TConfigFinding> findings; // entries that loaded but cannot be right
};
TConfigLoad LoadConfigurationReport(const QString& directory, const FontTest& fontInstalled);
