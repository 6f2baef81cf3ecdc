#include "core/AdapterChecks.h"

#include "core/Host.h"
#include "core/Session.h"
#include "device/AdapterCheck.h"
#include "device/AdapterTexts.h"
#include "model/catalogue/PruneWithCatalogue.h"

namespace torvane::core {

CheckResult RunAdapterChecks(Session& session, Host& host, Repairs repairs) {
  FirmwareProcedures procedures(session, host);
  device::AdapterCheck check(session.image(), session.run_status().working_mode());
  CheckResult result;
  // Runs the repair the step asks for, after the player confirmed the step's box when it has one.
  const auto repair = [&](const device::CheckStep& step, ProcedureOutcome (FirmwareProcedures::*procedure)()) {
    if (!step.text.empty() && host.Ask(device::kErrorTitle, step.text, Buttons::kOk) != kAnswerOk) return false;
    result.procedure = (procedures.*procedure)();
    return *result.procedure == ProcedureOutcome::kDone;
  };
  for (;;) {
    const device::CheckStep step = check.Next();
    switch (step.action) {
      case device::CheckAction::kExitProgram:
        host.Tell(device::kErrorTitle, step.text, Tone::kFailure);
        result.outcome = CheckResult::Outcome::kExitProgram;
        return result;
      case device::CheckAction::kStop:
        if (!step.text.empty()) host.Tell(device::kErrorTitle, step.text, Tone::kFailure);
        result.outcome = CheckResult::Outcome::kStopped;
        return result;
      case device::CheckAction::kConfirmRestoreConfiguration:
      case device::CheckAction::kRestoreFirmwareAndConfiguration:
      case device::CheckAction::kConfirmUpgrade: {
        if (repairs == Repairs::kRefuse) {
          result.outcome = CheckResult::Outcome::kNeedsRepair;
          // The full restore asks its own question and has no box of its own before it.
          result.text = step.text.empty() ? std::string(device::kFirmwareLostText) : step.text;
          return result;
        }
        const auto procedure = step.action == device::CheckAction::kConfirmUpgrade
                                   ? &FirmwareProcedures::UpgradeFirmware
                               : step.action == device::CheckAction::kConfirmRestoreConfiguration
                                   ? &FirmwareProcedures::RestoreConfiguration
                                   : &FirmwareProcedures::RestoreFirmwareAndConfiguration;
        const bool repaired = repair(step, procedure);
        result.repaired = result.repaired || repaired;
        if (repaired) result.procedure.reset();
        check.Resume(repaired);
        break;
      }
      case device::CheckAction::kPruneAndShowHome:
        model::PruneUnknownGames(session.image());
        result.outcome = CheckResult::Outcome::kReady;
        return result;
    }
  }
}

}  // namespace torvane::core
