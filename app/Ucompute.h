#pragma once
// The project computation of the command line ("termora --compute PLANT.termora ..."): no
// window and no display; a PDF is drawn with the offscreen platform.
#include <QStringList>

// Whether the arguments (argv without the program's name) ask for it.
bool IsComputeCommand(int argc, const char* const* argv);

// Runs it with its own application object; the exit status of project/ComputeCommand.h.
int RunComputeCommand(int argc, char** argv);
