#pragma once

#include "app/AdapterDemo.h"

namespace torvane::app {

// The program: reads the command line, sets up the application, the skin and the adapter source, runs the main
// window until it closes and returns the exit code. `demo`, when given, serves --virtual-adapter.
int RunManager(int argc, char* argv[], AdapterDemo* demo);

}  // namespace torvane::app
