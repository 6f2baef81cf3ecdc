#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "core/Host.h"
#include "model/FlashImage.h"

namespace torvane::core {

class Session;

enum class ProcedureOutcome {
  kDone,
  kDeclined,    // the player said no (to the procedure, or to writing without a backup): nothing was written
  kNoFirmware,  // this program carries no firmware image that fits ("Firmware File Len Error!" told)
  kFailed,      // the adapter failed the write ("USB Error" told; the adapter is read again)
};

// The firmware upgrade and the two factory restores, each asking its question, building its plan and writing it.
// The plan is built on a copy of the image, which replaces the shown one only once the adapter took it: a declined
// question or backup changes nothing, and a write that fails reads the adapter again, so the image then shows what
// the adapter holds and the next checks offer what is needed to recover.
class FirmwareProcedures {
 public:
  FirmwareProcedures(Session& session, Host& host) : session_(session), host_(host) {}

  ProcedureOutcome UpgradeFirmware();
  ProcedureOutcome RestoreFirmwareAndConfiguration();
  // On success nothing is left to save.
  ProcedureOutcome RestoreConfiguration();

 private:
  using FirmwarePlan = std::function<bool(model::FlashImage&, const model::DefaultImages&,
                                          std::span<const std::uint8_t>, device::WritePlan&)>;
  // The two procedures that write the carried firmware: the question under `title`, the plan `build` makes, the
  // write, `success` told.
  ProcedureOutcome WriteFirmware(std::string_view title, std::string_view success, WriteKind kind,
                                 const FirmwarePlan& build);

  Session& session_;
  Host& host_;
};

// Where the upgrade button leads.
enum class UpgradeButtonNext {
  kNothing,      // nothing done, or a procedure declined or failed
  kHomePage,     // firmware and configuration were restored
  kAdapterPage,  // the configuration was restored or the firmware upgraded
  kRefused,      // this working mode cannot take firmware: the way out was told
  kExitProgram,  // this manager does not serve the working mode (told)
};

struct UpgradeButtonResult {
  UpgradeButtonNext next = UpgradeButtonNext::kNothing;
  std::optional<ProcedureOutcome> procedure;  // of the procedure that ran
};

// The adapter page's upgrade button, by working mode: the full restore at once, the choice between the factory
// configuration and the firmware upgrade (`choose` gives it, as the upgrade dialog's choice), or the refusal.
UpgradeButtonResult PressUpgradeButton(Session& session, Host& host, const std::function<int()>& choose);

}  // namespace torvane::core
