#include "app/Ucommandline.h"

#include <string_view>

namespace {

constexpr std::string_view kHelp =
    "Termora " TERMORA_VERSION " calculates the thermal insulation of pipes and flat surfaces\n"
    "after ISO 12241: condensation, surface temperature, heat loss, temperature drop and\n"
    "freezing time, for the VELTRA insulation range. Its windows are used with the mouse and\n"
    "keyboard.\n"
    "  termora [PLANT.termora]   open the windows (and the project file, when one is given)\n"
    "  termora --compute PLANT.termora [--csv RESULTS.csv] [--bom BOM.csv] [--pdf SCHEDULE.pdf]\n"
    "      compute a project without any window or display: write its lines with their\n"
    "      results (--csv), its bill of materials (--bom) and its printed schedule (--pdf);\n"
    "      print one line on standard error for each line whose status is not \"ok\"; exit\n"
    "      with 0 when every line is ok, 1 when some line is not, 2 when the project cannot\n"
    "      be read or an output cannot be written.\n"
    "  termora --help | --version\n"
    "Any other argument is ignored. It reads its data (Termora.ini, tt_p.txt, tt_s.txt, the\n"
    "pictures and HELP/) from the folder of the executable, or, when they are not there, from\n"
    "../share/termora relative to it (/usr/share/termora for the Debian package).\n";

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--version") {
            out << "Termora " TERMORA_VERSION "\n";
            return 0;
        }
        if (argument == "--help") {
            out << kHelp;
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProjectFileArgument(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (!argument.empty() && argument.front() != '-')
            return std::string(argument);
    }
    return std::nullopt;
}
