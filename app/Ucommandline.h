#pragma once
// The two options answered before any window or display is needed.
#include <optional>
#include <ostream>
#include <string>

// "--version" prints "Termora <version>", "--help" a short description; the first of them
// on the command line is answered and its exit status returned. Any other argument is
// ignored: then nothing is printed and the program starts as usual (nullopt).
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out);

// The project file of "termora PLANT.termora": the first argument that is no option (does not
// begin with "-"), as given; nullopt without one. The program starts as usual and the project
// window opens it.
std::optional<std::string> ProjectFileArgument(int argc, const char* const* argv);
