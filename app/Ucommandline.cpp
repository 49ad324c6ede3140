#include "app/Ucommandline.h"

#include <string_view>

namespace {

constexpr std::string_view kHelp =
    "Termora " TERMORA_VERSION " calculates the thermal insulation of pipes and flat surfaces\n"
    "after ISO 12241: condensation, surface temperature, heat loss, temperature drop and\n"
    "freezing time, for the VELTRA insulation range. Its windows are used with the mouse and\n"
    "keyboard; it takes no options besides --help and --version and ignores any other\n"
    "argument. It reads its data (Termora.ini, tt_p.txt, tt_s.txt, the pictures and HELP/)\n"
    "from the folder of the executable, or, when they are not there, from ../share/termora\n"
    "relative to it (/usr/share/termora for the Debian package).\n";

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
