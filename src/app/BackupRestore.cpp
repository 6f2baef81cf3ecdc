#include "app/BackupRestore.h"

#include <QString>

#include "app/BackupBeforeWrite.h"
#include "app/CMainWnd.h"
#include "device/FlashPlans.h"
#include "dialogs/CBackupsDlg.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "platform/BackupTexts.h"

namespace torvane::app {

void RestoreFromBackup(CMainWnd& window, const platform::Serial& serial, const platform::BackupStore& store) {
  const std::vector<platform::StoredBackup> backups = store.ListAll(serial);
  const int index = dialogs::CBackupsDlg::Run(&window, backups, serial);
  if (index < 0) return;
  const model::FlashImage& image = *backups[static_cast<std::size_t>(index)].parsed.image;
  device::WritePlan plan;
  if (!device::BuildSavePlan(model::BuildSaveJob(image, model::kUnsavedAll), plan)) return;
  const bool written = window.WritePlan(plan, dialogs::kProgressRestoreConfiguration);
  // The shown image takes what the adapter holds now, restored or half written.
  window.RequestFreshRead();
  if (written) {
    dialogs::ShowMessageBox(QString::fromUtf8(platform::kBackupTitle), &window,
                            QString::fromUtf8(platform::kBackupRestoredText), dialogs::kMbOk);
  }
}

}  // namespace torvane::app
