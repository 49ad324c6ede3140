#pragma once
// The two options answered before any window or display is needed.
#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

// "--version" prints "Termora <version>", "--help" a short description; the first of them
// on the command line is answered and its exit status returned. Any other argument is
// ignored: then nothing is printed and the program starts as usual (nullopt).
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out);

// The project file named on the command line ("termora PLANT.termora"): the first argument
// that is not an option; empty when there is none.
QString ProjectFileArgument(const QStringList& arguments);
