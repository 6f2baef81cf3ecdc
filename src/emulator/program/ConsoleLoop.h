#pragma once

#include <string>
#include <string_view>

#include "emulator/AdapterConsole.h"

namespace torvane::emulator {

// Takes over the requests to end the program (SIGINT and SIGTERM; on Windows
// Ctrl+C, Ctrl+Break and closing the console). Called before any thread
// starts, so none of them is interrupted mid-transfer. False with `error` set
// when they cannot be watched.
bool WatchStopRequests(std::string& error);

// Carries out standard input's lines on `console` until a request to end or
// "quit"; once standard input ends, serves on without a console.
void RunConsoleLoop(AdapterConsole& console);

// Adds `bytes` to `pending` and carries out each whole line in it, printing
// the replies. False on "quit".
bool FeedConsole(AdapterConsole& console, std::string& pending, std::string_view bytes);

}  // namespace torvane::emulator
