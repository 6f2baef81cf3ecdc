#pragma once

#include <QString>

#include <vector>

#include "platform/BackupStore.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::dialogs {

// Lists an adapter's backups, newest first, with date, versions and the configurations inside the chosen one.
// "Restore" on an intact backup asks (another adapter's backup with its own question) and closes with kIdOk;
// a damaged one is only reported.
class CBackupsDlg : public toolkit::WindowImplBase {
 public:
  // Runs the dialog over `owner`; the index in `backups` of the backup to restore, or -1.
  static int Run(QWidget* owner, const std::vector<platform::StoredBackup>& backups, const platform::Serial& serial);

  CBackupsDlg(const std::vector<platform::StoredBackup>& backups, const platform::Serial& serial);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

  // The combo's line for a backup (naming the adapter when it is not `serial`), and the details shown under it.
  static QString ItemText(const platform::StoredBackup& backup, const platform::Serial& serial);
  static QString DetailText(const platform::StoredBackup& backup);

 private:
  void ShowDetails(int index);
  void AskAndRestore();

  const std::vector<platform::StoredBackup>& backups_;
  platform::Serial serial_;
  int chosen_ = -1;
};

}  // namespace torvane::dialogs
