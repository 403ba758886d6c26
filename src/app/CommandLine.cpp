#include "CommandLine.h"

#include "TavlenVersion.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

namespace tavlen {

namespace {

using namespace std::string_view_literals;

// Qt's documented options (QGuiApplication, QApplication, the xcb platform). Qt takes
// each with one dash or two, and those with a value also as "-option=value".
constexpr std::array qtOptionsWithValue{
    "platform"sv,    "platformpluginpath"sv, "platformtheme"sv, "plugin"sv,  "qwindowgeometry"sv,
    "qwindowicon"sv, "qwindowtitle"sv,       "session"sv,       "display"sv, "geometry"sv,
    "style"sv,       "stylesheet"sv,         "qmljsdebugger"sv,
};
constexpr std::array qtFlags{"reverse"sv, "widgetcount"sv, "nograb"sv, "dograb"sv, "sync"sv};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::string_view usageLine = "Usage: tavlen [--help] [--version] [QT-OPTION...]\n";

void printHelp(std::ostream& out) {
    out << usageLine
        << "Tavlen, a homework planner in the system tray: overdue and upcoming homework\n"
           "in a panel under the tray icon, a main window with every subject, and\n"
           "reminders as desktop notifications. A second start shows the running\n"
           "Tavlen's main window.\n"
           "\n"
           "Options:\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "Qt's own options (-platform, -display, -style, -session, ...) go to Qt.\n"
           "\n"
           "Files:\n"
           "  $XDG_CONFIG_HOME/Tavlen/group.tavlen.json\n"
           "      subjects, homework and whether the first-run setup is done; a desktop\n"
           "      widget may read and write it (with group.tavlen.json.lock beside it)\n"
           "  $XDG_CONFIG_HOME/Tavlen/Tavlen.json\n"
           "      the standard preferences, used when the file above cannot be opened\n"
           "  $XDG_STATE_HOME/Tavlen/pending-notifications.json\n"
           "      the reminders still to come\n"
           "  $XDG_DATA_HOME/Tavlen/backups/\n"
           "      a copy of the suite once a day, the newest 14 kept\n"
           "  $XDG_DATA_HOME/Tavlen/recovered/\n"
           "      copies of what Tavlen could not read, the newest 20 kept\n"
           "  $XDG_RUNTIME_DIR/tavlen/tavlen.lock, tavlen.socket\n"
           "      one Tavlen per login\n"
           "XDG_CONFIG_HOME is ~/.config, XDG_STATE_HOME ~/.local/state and XDG_DATA_HOME\n"
           "~/.local/share when not set. See tavlen(1).\n";
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            help = true;
            continue;
        }
        if (arg == "--version") {
            version = true;
            continue;
        }
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            name = {};
        const std::size_t equals = name.find('=');
        if (equals != std::string_view::npos && among(qtOptionsWithValue, name.substr(0, equals)))
            continue;
        if (among(qtOptionsWithValue, name) && i + 1 < argc) {
            ++i;
            continue;
        }
        if (among(qtFlags, name))
            continue;
        err << "tavlen: " << (name.empty() ? "unexpected argument" : "unknown option") << " '"
            << arg << "'\n"
            << usageLine << "Try 'tavlen --help' for more information.\n";
        return 2;
    }
    if (help) {
        printHelp(out);
        return 0;
    }
    if (version) {
        out << "tavlen " << TAVLEN_VERSION << '\n';
        return 0;
    }
    return std::nullopt;
}

} // namespace tavlen
