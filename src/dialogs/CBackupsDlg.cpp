#include "dialogs/CBackupsDlg.h"

#include <QStringList>

#include "core/backup/BackupTexts.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "model/backup/BackupNames.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "toolkit/CComboUI.h"
#include "toolkit/NarrowText.h"

namespace torvane::dialogs {

namespace {

constexpr char kTitle[] = "Backups";

QString VersionText(const model::Version& version) {
  return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.patch);
}

QString SerialText(const core::Serial& serial) {
  return QString::fromStdString(model::SerialFolderName(serial));
}

bool Intact(const core::StoredBackup& backup) {
  return backup.parsed.error == model::BackupError::kNone && backup.parsed.image;
}

}  // namespace

int CBackupsDlg::Run(QWidget* owner, const std::vector<core::StoredBackup>& backups, const core::Serial& serial,
                     Confirm confirm) {
  CBackupsDlg dialog(backups, serial, std::move(confirm));
  if (!dialog.Create(owner, QString::fromUtf8(kTitle))) {
    qWarning("backups not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    return -1;
  }
  dialog.ShowModal();
  return dialog.chosen_;
}

CBackupsDlg::CBackupsDlg(const std::vector<core::StoredBackup>& backups, const core::Serial& serial, Confirm confirm)
    : backups_(backups), serial_(serial), confirm_(std::move(confirm)) {}

QString CBackupsDlg::GetWindowClassName() const {
  return QStringLiteral("BackupsDlg");
}

QString CBackupsDlg::GetSkinFile() const {
  return QStringLiteral("backups_dlg.xml");
}

QString CBackupsDlg::ItemText(const core::StoredBackup& backup, const core::Serial& serial) {
  if (!Intact(backup)) return QString::fromStdString(backup.file_name) + QStringLiteral(" (damaged)");
  QString text = QString::fromStdString(model::BackupTimeText(backup.parsed.header.time));
  if (backup.parsed.header.serial != serial)
    text += QStringLiteral(" (SN %1)").arg(SerialText(backup.parsed.header.serial));
  return text;
}

QString CBackupsDlg::DetailText(const core::StoredBackup& backup) {
  if (!Intact(backup)) return QStringLiteral("This backup is damaged and cannot be restored.");
  const model::BackupHeader& header = backup.parsed.header;
  const model::ConfigBlock& config = backup.parsed.image->config;
  const std::size_t count = model::UsedConfigCount(config);
  QStringList lines{QStringLiteral("SN %1").arg(SerialText(header.serial)),
                    QStringLiteral("Firmware %1, hardware %2, boot loader %3, manager %4")
                        .arg(VersionText(header.firmware_version), VersionText(header.hardware_version),
                             VersionText(header.boot_loader_version), VersionText(header.manager_version)),
                    QStringLiteral("Configurations: %1").arg(count)};
  for (std::size_t i = 0; i < count; ++i) {
    lines << QStringLiteral("  ") + toolkit::DecodeNarrow(model::ReadName(config.records[i].name));
  }
  return lines.join(u'\n');
}

void CBackupsDlg::InitWindow() {
  auto* combo = FindControl<toolkit::CComboUI>(u"comboBackups");
  if (!combo) return;
  for (const core::StoredBackup& backup : backups_) combo->AddItem(ItemText(backup, serial_));
  if (backups_.empty()) {
    SetControlText(u"textBackup", QStringLiteral("No backups of this adapter yet."));
    EnableControl(u"btnRestoreBackup", false);
    return;
  }
  combo->SelectItem(0);
  ShowDetails(0);
}

void CBackupsDlg::ShowDetails(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= backups_.size()) return;
  const core::StoredBackup& backup = backups_[static_cast<std::size_t>(index)];
  SetControlText(u"textBackup", DetailText(backup));
  EnableControl(u"btnRestoreBackup", Intact(backup));
}

void CBackupsDlg::AskAndRestore() {
  const auto* combo = FindControl<toolkit::CComboUI>(u"comboBackups");
  const int index = combo ? combo->GetCurSel() : -1;
  if (index < 0 || static_cast<std::size_t>(index) >= backups_.size()) return;
  const core::StoredBackup& backup = backups_[static_cast<std::size_t>(index)];
  if (!Intact(backup)) return;
  if (!confirm_ || !confirm_(backup)) return;
  chosen_ = index;
  Close(kIdOk);
}

void CBackupsDlg::Notify(toolkit::TNotifyUI& msg) {
  if (msg.Is(toolkit::notify::kItemSelect) && msg.sender_name == u"comboBackups") {
    ShowDetails(static_cast<int>(msg.wparam));
    msg.handled = true;
  } else if (msg.Is(toolkit::notify::kClick) && msg.sender_name == u"btnRestoreBackup") {
    msg.handled = true;
    AskAndRestore();
  }
}

}  // namespace torvane::dialogs
