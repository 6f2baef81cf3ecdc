#include "cli/ExitCodes.h"

namespace torvane::cli {

int ExitCodeOf(core::WriteOutcome outcome) {
  switch (outcome) {
    case core::WriteOutcome::kDone:
      return kExitOk;
    case core::WriteOutcome::kDeclined:
      return kExitDeclined;
    case core::WriteOutcome::kFailed:
      break;
  }
  return kExitDeviceFailed;
}

int ExitCodeOf(core::ProcedureOutcome outcome) {
  switch (outcome) {
    case core::ProcedureOutcome::kDone:
      return kExitOk;
    case core::ProcedureOutcome::kDeclined:
      return kExitDeclined;
    case core::ProcedureOutcome::kNoFirmware:
      return kExitRefusedFile;
    case core::ProcedureOutcome::kFailed:
      break;
  }
  return kExitDeviceFailed;
}

int ExitCodeOf(core::SaveResult::Outcome outcome) {
  switch (outcome) {
    case core::SaveResult::Outcome::kSaved:
    case core::SaveResult::Outcome::kNothingToSave:
      return kExitOk;
    case core::SaveResult::Outcome::kNoStartup:
      return kExitAdapterState;
    case core::SaveResult::Outcome::kDeclined:
      return kExitDeclined;
    case core::SaveResult::Outcome::kFailed:
      break;
  }
  return kExitDeviceFailed;
}

int ExitCodeOf(core::ExchangeOutcome outcome) {
  switch (outcome) {
    case core::ExchangeOutcome::kDone:
      return kExitOk;
    case core::ExchangeOutcome::kCancelled:
    case core::ExchangeOutcome::kDeclined:
      return kExitDeclined;
    case core::ExchangeOutcome::kNoConsole:
      return kExitUsage;
    case core::ExchangeOutcome::kRefused:
      break;
  }
  return kExitRefusedFile;
}

}  // namespace torvane::cli
