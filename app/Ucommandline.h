#pragma once
// The two options answered before any window or display is needed.
#include <optional>
#include <ostream>

// "--version" prints "Termora <version>", "--help" a short description; the first of them
// on the command line is answered and its exit status returned. Any other argument is
// ignored: then nothing is printed and the program starts as usual (nullopt).
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out);
