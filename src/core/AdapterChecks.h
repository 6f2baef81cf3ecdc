#pragma once

#include <optional>
#include <string>

#include "core/FirmwareProcedures.h"

namespace torvane::core {

class Host;
class Session;

// Whether the checks run the restore or the upgrade an adapter needs, or only say that it needs one.
enum class Repairs { kOffer, kRefuse };

struct CheckResult {
  enum class Outcome {
    kReady,        // the adapter can be used; configurations of unknown games were removed
    kStopped,      // a check refused the adapter (told), or the repair it needed was declined or failed
    kExitProgram,  // this manager does not serve the working mode (told)
    kNeedsRepair,  // with Repairs::kRefuse: `text` says what the adapter needs
  };
  Outcome outcome = Outcome::kStopped;
  std::string text;
  bool repaired = false;                      // a restore or the upgrade ran and succeeded
  std::optional<ProcedureOutcome> procedure;  // the repair that stopped the checks
};

// The checks of the last read when the player takes the adapter into use: working mode, information block,
// configuration, firmware, each told under "Error" and offering its restore or the upgrade.
CheckResult RunAdapterChecks(Session& session, Host& host, Repairs repairs);

}  // namespace torvane::core
