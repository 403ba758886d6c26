#pragma once

#include <iosfwd>
#include <optional>

namespace tavlen {

// Answers --help and --version, and refuses what Tavlen does not understand, before
// Qt is started: these must work without a display. Qt's own options (-platform,
// -display, -style, -session, ...) are let through for QApplication to take.
// Returns the exit code when the program is to end here, nothing when it is to run.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

} // namespace tavlen
