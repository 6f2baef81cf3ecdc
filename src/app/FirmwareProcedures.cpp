#include "app/FirmwareProcedures.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "app/CMainWnd.h"
#include "app/MainPage.h"
#include "app/ManagerState.h"
#include "device/AdapterTexts.h"
#include "device/FirmwareImage.h"
#include "device/FlashPlans.h"
#include "device/UpgradeChoice.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/CRestoreFactoryDlg.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "toolkit/SkinArchive.h"

namespace torvane::app {

static_assert(dialogs::CRestoreFactoryDlg::kChoiceClosed == device::kChoiceNone &&
              dialogs::CRestoreFactoryDlg::kChoiceRestoreConfiguration == device::kChoiceRestoreConfiguration &&
              dialogs::CRestoreFactoryDlg::kChoiceUpgradeFirmware == device::kChoiceUpgradeFirmware);

namespace {

std::optional<std::vector<std::uint8_t>> CarriedFirmware() {
  const toolkit::SkinArchive* archive = toolkit::SkinArchive::Current();
  if (!archive) return std::nullopt;
  const std::optional<QByteArray> member = archive->Read(QString::fromUtf8(device::kFirmwareMemberName));
  if (!member) return std::nullopt;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(member->constData());
  return device::LoadFirmwareImage({bytes, static_cast<std::size_t>(member->size())});
}

// The adapter page's buttons stay off while a write runs, so no second write can be started from them.
class PageButtonsOff {
 public:
  explicit PageButtonsOff(CMainWnd& window) : window_(window) { Enable(false); }
  ~PageButtonsOff() { Enable(true); }
  PageButtonsOff(const PageButtonsOff&) = delete;
  PageButtonsOff& operator=(const PageButtonsOff&) = delete;

 private:
  void Enable(bool on) {
    window_.EnableControl(u"btnDeviceArrival", on);
    window_.EnableControl(u"btnUpgrade", on);
  }
  CMainWnd& window_;
};

}  // namespace

bool FirmwareProcedures::AskYes(std::string_view title, const std::string& text) {
  return dialogs::ShowMessageBox(QString::fromUtf8(title), &window_, QString::fromStdString(text), dialogs::kMbYesNo) ==
         dialogs::kIdYes;
}

void FirmwareProcedures::Tell(std::string_view title, const std::string& text) {
  dialogs::ShowMessageBox(QString::fromUtf8(title), &window_, QString::fromStdString(text), dialogs::kMbOk);
}

bool FirmwareProcedures::Write(int mode) {
  bool written = false;
  {
    PageButtonsOff off(window_);
    written = window_.WritePlan(state_.plan, mode);
  }
  // Memory already holds the new state while the adapter may hold half of it: read back what it really holds.
  if (!written) window_.RequestFreshRead();
  return written;
}

int FirmwareProcedures::UpgradeFirmware() {
  if (window_.IsWriting()) return kUpgradeDeclined;
  if (!AskYes(device::kUpgradeFirmwareTitle, device::UpgradeQuestionText(state_.image->boot.firmware_version))) {
    return kUpgradeDeclined;
  }
  const auto firmware = CarriedFirmware();
  if (!firmware || !device::BuildUpgradePlan(*state_.image, *state_.defaults, *firmware, state_.plan)) {
    Tell(device::kUpgradeFirmwareTitle, std::string(device::kFirmwareLengthErrorText));
    return kUpgradeDeclined;
  }
  if (!Write(dialogs::kProgressUpgradeFirmware)) return kUpgradeWriteFailed;
  Tell(device::kUpgradeFirmwareTitle, std::string(device::kUpgradeSuccessText));
  return 0;
}

int FirmwareProcedures::RestoreFirmwareAndConfiguration() {
  if (window_.IsWriting()) return kRestoreDeclined;
  if (!AskYes(device::kRestoreFirmwareTitle, device::UpgradeQuestionText(state_.image->boot.firmware_version))) {
    return kRestoreDeclined;
  }
  const auto firmware = CarriedFirmware();
  if (!firmware || !device::BuildFirmwareRestorePlan(*state_.image, *state_.defaults, *firmware, state_.plan)) {
    return kRestoreDeclined;
  }
  if (!Write(dialogs::kProgressRestoreAll)) return kRestoreWriteFailed;
  Tell(device::kRestoreFirmwareTitle, std::string(device::kRestoreSuccessText));
  return 0;
}

int FirmwareProcedures::RestoreConfiguration() {
  if (window_.IsWriting()) return kRestoreDeclined;
  if (!AskYes(device::kRestoreConfigurationWarningTitle, std::string(device::kRestoreConfigurationQuestion))) {
    return kRestoreDeclined;
  }
  if (!device::BuildConfigurationRestorePlan(*state_.image, *state_.defaults, state_.plan)) return kRestoreDeclined;
  if (!Write(dialogs::kProgressRestoreConfiguration)) return kRestoreWriteFailed;
  window_.ClearUnsaved();
  Tell(device::kRestoreConfigurationTitle, std::string(device::kRestoreSuccessText));
  return 0;
}

void FirmwareProcedures::RunUpgradeButton() {
  if (window_.IsWriting()) return;
  const std::uint8_t mode = state_.run_status.working_mode();
  switch (device::DecideUpgradeButton(mode)) {
    case device::UpgradeButtonAction::kRestoreFirmwareAndConfiguration:
      if (RestoreFirmwareAndConfiguration() == 0) window_.ShowHomePage();
      return;
    case device::UpgradeButtonAction::kExitProgram:
      Tell(device::kErrorTitle, device::WorkingModeText(mode));
      window_.ExitProgram();
      return;
    case device::UpgradeButtonAction::kShowChoiceDialog:
      break;
  }
  const int choice = dialogs::CRestoreFactoryDlg::Run(&window_);
  switch (device::DecideUpgradeChoice(choice, mode)) {
    case device::UpgradeChoiceAction::kRestoreConfiguration:
      if (RestoreConfiguration() == 0) window_.SelectPage(kPageDeviceArrival);
      return;
    case device::UpgradeChoiceAction::kShowUnplugInstructions:
      Tell(device::kErrorTitle, std::string(device::kUnplugInstructionsText));
      return;
    case device::UpgradeChoiceAction::kUpgradeFirmware:
      if (UpgradeFirmware() == 0) window_.SelectPage(kPageDeviceArrival);
      return;
    case device::UpgradeChoiceAction::kNothing:
      return;
  }
}

}  // namespace torvane::app
