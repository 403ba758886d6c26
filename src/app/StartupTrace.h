#pragma once

class QObject;

namespace tavlen::StartupTrace {

// Opt-in timing marks for the shell benchmark: with TAVLEN_TRACE_STARTUP=1 each
// mark prints "tavlen-trace <event> <CLOCK_MONOTONIC nanoseconds>" to stderr.
bool enabled();
void mark(const char* event);

// Marks "tray-painted" the first time the tray icon is drawn.
void watchTrayIcon(QObject* application);

} // namespace tavlen::StartupTrace
