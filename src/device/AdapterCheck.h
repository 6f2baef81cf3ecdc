#pragma once

#include <cstdint>
#include <string>

#include "model/FlashImage.h"

namespace torvane::device {

// What the main window does next when the player clicks the adapter button.
enum class CheckAction {
  kExitProgram,                      // "Error" box with `text`, then end the process with exit code 0
  kStop,                             // "Error" box with `text` unless it is empty; the adapter page stays
  kConfirmRestoreConfiguration,      // "Error" box with `text`; on OK run the configuration restore
  kRestoreFirmwareAndConfiguration,  // run that restore (it asks its own question)
  kConfirmUpgrade,                   // "Error" box with `text`; on OK run the firmware upgrade
  kPruneAndShowHome,                 // remove configurations of unknown games, show the home page
};

struct CheckStep {
  CheckAction action;
  std::string text;
};

// The adapter-button checks as a state machine the main window drives with
// its message boxes:
//
//   AdapterCheck check(image, run_status.working_mode());
//   for (;;) {
//     CheckStep step = check.Next();
//     ... show / run what step.action says; for the three actions that run
//     a procedure: check.Resume(confirmed && procedure_succeeded); ends on
//     kExitProgram, kStop and kPruneAndShowHome.
//   }
//
// The image is looked at anew on each Next(), so a restore or upgrade that
// rewrote it in memory is seen by the following check.
class AdapterCheck {
 public:
  AdapterCheck(const model::FlashImage& image, std::uint8_t working_mode) : image_(image), mode_(working_mode) {}

  CheckStep Next();
  // The outcome of the procedure the last step asked for; false also when the player declined.
  void Resume(bool succeeded);

 private:
  enum class Stage { kConfiguration, kFirmware, kHome, kStopped };

  const model::FlashImage& image_;
  std::uint8_t mode_;
  Stage stage_ = Stage::kConfiguration;
};

}  // namespace torvane::device
