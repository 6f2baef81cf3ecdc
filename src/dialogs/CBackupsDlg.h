#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "core/backup/BackupStore.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::dialogs {

// Lists an adapter's backups, newest first, with date, versions and the configurations inside the chosen one.
// "Restore" on an intact backup asks through `confirm` (which names another adapter's) and closes with kIdOk once
// confirmed, so a No leaves the list open for another choice; a damaged one is only reported.
class CBackupsDlg : public toolkit::WindowImplBase {
 public:
  using Confirm = std::function<bool(const core::StoredBackup& backup)>;

  // Runs the dialog over `owner`; the index in `backups` of the backup to restore, or -1.
  static int Run(QWidget* owner, const std::vector<core::StoredBackup>& backups, const core::Serial& serial,
                 Confirm confirm);

  CBackupsDlg(const std::vector<core::StoredBackup>& backups, const core::Serial& serial, Confirm confirm);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

  // The combo's line for a backup (naming the adapter when it is not `serial`), and the details shown under it.
  static QString ItemText(const core::StoredBackup& backup, const core::Serial& serial);
  static QString DetailText(const core::StoredBackup& backup);

 private:
  void ShowDetails(int index);
  void AskAndRestore();

  const std::vector<core::StoredBackup>& backups_;
  core::Serial serial_;
  Confirm confirm_;
  int chosen_ = -1;
};

}  // namespace torvane::dialogs
