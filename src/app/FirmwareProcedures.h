#pragma once

#include <string_view>

namespace torvane::app {

class CMainWnd;
struct ManagerState;

// The firmware upgrade and the two factory restores, each asking its question, building its plan and writing it
// behind the progress dialog. A write that fails asks the adapter to be read again, so the image shows what the
// adapter holds now and the next click on the adapter offers what is needed to recover.
class FirmwareProcedures {
 public:
  // Results of UpgradeFirmware.
  static constexpr int kUpgradeDeclined = -1;  // also: no firmware image to write
  static constexpr int kUpgradeWriteFailed = -2;
  // Results of the two restores.
  static constexpr int kRestoreWriteFailed = -1;
  static constexpr int kRestoreDeclined = -2;  // also: no firmware image to write

  FirmwareProcedures(CMainWnd& window, ManagerState& state) : window_(window), state_(state) {}

  int UpgradeFirmware();
  int RestoreFirmwareAndConfiguration();
  int RestoreConfiguration();

  // The adapter page's upgrade button, by working mode.
  void RunUpgradeButton();

 private:
  bool AskYes(std::string_view title, const std::string& text);
  void Tell(std::string_view title, const std::string& text);
  // Writes the plan in the state; on failure reads the adapter again.
  bool Write(int mode);

  CMainWnd& window_;
  ManagerState& state_;
};

}  // namespace torvane::app
