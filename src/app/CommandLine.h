#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "app/AdapterDemo.h"

namespace torvane::app {

// How the program was asked to run.
struct ManagerOptions {
  enum class Adapter { kUsb, kVirtual, kSocket };
  Adapter adapter = Adapter::kUsb;
  QString scenario;     // kVirtual: the virtual adapter's starting state
  QString socket_path;  // kSocket
  bool startup_probe = false;
};

// The outcome of reading the command line: options to run with, or text to print and an exit code.
struct CommandLineResult {
  std::optional<ManagerOptions> options;
  QString output;  // for stdout (help) or stderr (errors)
  int exit_code = 0;
  bool is_error = false;
};

// Reads `arguments` (program name first). --help lists the options and the demo's scenarios; an unknown
// scenario, an unknown option or both adapters at once is an error with exit code 2. Without a demo there is no
// --virtual-adapter option.
CommandLineResult ParseCommandLine(const QStringList& arguments, const AdapterDemo* demo);

}  // namespace torvane::app
