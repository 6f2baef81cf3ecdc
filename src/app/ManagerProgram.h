#pragma once

namespace torvane::app {

// The program: reads the command line, sets up the application, the skin and the adapter source, runs the main
// window until it closes and returns the exit code.
int RunManager(int argc, char* argv[]);

}  // namespace torvane::app
