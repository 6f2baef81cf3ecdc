#pragma once

#include "core/AdapterChecks.h"
#include "core/FirmwareProcedures.h"
#include "core/SaveFlow.h"
#include "core/WriteFlow.h"
#include "core/exchange/ExchangeOutcome.h"

namespace torvane::cli {

// The program's exit codes; --help and the README list them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDeclined = 1;      // a question was answered no: nothing was written
inline constexpr int kExitUsage = 2;         // unknown command or option, wrong arguments, unknown name
inline constexpr int kExitNoAdapter = 3;     // no adapter found
inline constexpr int kExitDeviceFailed = 4;  // the adapter failed a read or a write ("USB Error")
inline constexpr int kExitRefusedFile = 5;   // a file was refused, or could not be read or written
inline constexpr int kExitAdapterState = 6;  // the adapter needs an upgrade or a restore first, or is not served

// What each outcome of the core's flows ends the program with.
int ExitCodeOf(core::WriteOutcome outcome);
int ExitCodeOf(core::ProcedureOutcome outcome);
int ExitCodeOf(core::SaveResult::Outcome outcome);
int ExitCodeOf(core::ExchangeOutcome outcome);

}  // namespace torvane::cli
