#include "app/BackupBeforeWrite.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QString>

#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "platform/BackupTexts.h"

namespace torvane::app {

std::string BackupRoot(const std::string& configured) {
  if (!configured.empty()) return configured;
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  // No data folder at all: an empty root makes every backup fail, so each write asks.
  return data.isEmpty() ? std::string() : (data + QStringLiteral("/backups")).toStdString();
}

bool BackUpOrAsk(platform::AdapterBackups& backups, QWidget* owner) {
  const std::string error = backups.store().root().empty() ? std::string(platform::kNoDataFolderError)
                                                           : backups.BackUp(QDateTime::currentSecsSinceEpoch());
  if (error.empty()) return true;
  // The command line tool asks the same question in the same words.
  const QString text = QString::fromStdString(platform::BackupFailedQuestion(error));
  return dialogs::ShowMessageBox(QString::fromUtf8(platform::kBackupTitle), owner, text, dialogs::kMbYesNo) ==
         dialogs::kIdYes;
}

}  // namespace torvane::app
