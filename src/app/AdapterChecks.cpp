#include "app/AdapterChecks.h"

#include <QString>

#include "app/CMainWnd.h"
#include "app/FirmwareProcedures.h"
#include "app/ManagerState.h"
#include "device/AdapterCheck.h"
#include "device/AdapterTexts.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "model/catalogue/PruneWithCatalogue.h"

namespace torvane::app {

void AdapterChecks::Run() {
  if (window_.IsWriting()) return;
  const QString title = QString::fromUtf8(device::kErrorTitle);
  const auto confirmed = [&](const std::string& text) {
    return dialogs::ShowMessageBox(title, &window_, QString::fromStdString(text), dialogs::kMbOk) == dialogs::kIdOk;
  };
  FirmwareProcedures procedures(window_, state_);
  device::AdapterCheck check(*state_.image, state_.run_status.working_mode());
  for (;;) {
    const device::CheckStep step = check.Next();
    switch (step.action) {
      case device::CheckAction::kExitProgram:
        confirmed(step.text);
        window_.ExitProgram();
        return;
      case device::CheckAction::kStop:
        if (!step.text.empty()) confirmed(step.text);
        return;
      case device::CheckAction::kConfirmRestoreConfiguration:
        check.Resume(confirmed(step.text) && procedures.RestoreConfiguration() == 0);
        break;
      case device::CheckAction::kRestoreFirmwareAndConfiguration:
        check.Resume(procedures.RestoreFirmwareAndConfiguration() == 0);
        break;
      case device::CheckAction::kConfirmUpgrade:
        check.Resume(confirmed(step.text) && procedures.UpgradeFirmware() == 0);
        break;
      case device::CheckAction::kPruneAndShowHome:
        model::PruneUnknownGames(*state_.image);
        window_.ShowHomePage();
        return;
    }
  }
}

}  // namespace torvane::app
