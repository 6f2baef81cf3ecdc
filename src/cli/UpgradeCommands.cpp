// upgrade and restore-factory: the firmware upgrade and the factory restores, as the manager's adapter page offers
// them.
#include "cli/AdapterUse.h"
#include "cli/ExitCodes.h"
#include "core/AdapterChecks.h"
#include "core/FirmwareProcedures.h"
#include "device/UpgradeChoice.h"

namespace torvane::cli {

namespace {

// The upgrade button with `choice` taken in its dialog.
int PressUpgradeButton(CommandContext& context, int choice) {
  const core::UpgradeButtonResult pressed =
      core::PressUpgradeButton(context.session, context.host, [choice] { return choice; });
  switch (pressed.next) {
    case core::UpgradeButtonNext::kRefused:
    case core::UpgradeButtonNext::kExitProgram:
      return kExitAdapterState;
    case core::UpgradeButtonNext::kHomePage:
    case core::UpgradeButtonNext::kAdapterPage:
    case core::UpgradeButtonNext::kNothing:
      break;
  }
  return pressed.procedure ? ExitCodeOf(*pressed.procedure) : kExitOk;
}

}  // namespace

int UpgradeAdapter(CommandContext& context) {
  if (const int code = ReadAdapter(context); code != kExitOk) return code;
  // First what the checks of a click on the adapter ask for; an adapter that needs nothing gets the upgrade
  // button's upgrade.
  const core::CheckResult checked = core::RunAdapterChecks(context.session, context.host, core::Repairs::kOffer);
  switch (checked.outcome) {
    case core::CheckResult::Outcome::kReady:
      return checked.repaired ? kExitOk : PressUpgradeButton(context, device::kChoiceUpgradeFirmware);
    case core::CheckResult::Outcome::kStopped:
      return checked.procedure ? ExitCodeOf(*checked.procedure) : kExitAdapterState;
    case core::CheckResult::Outcome::kExitProgram:
    case core::CheckResult::Outcome::kNeedsRepair:
      break;
  }
  return kExitAdapterState;
}

int RestoreFactory(CommandContext& context) {
  if (const int code = ReadAdapter(context); code != kExitOk) return code;
  return PressUpgradeButton(context, device::kChoiceRestoreConfiguration);
}

}  // namespace torvane::cli
