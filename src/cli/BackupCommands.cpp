// backup, restore and backups: the adapter's settings kept in files.
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/AdapterUse.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/TextFields.h"
#include "core/BackupRestore.h"
#include "core/Clock.h"
#include "core/backup/BackupTexts.h"
#include "model/backup/BackupFile.h"
#include "model/backup/BackupNames.h"
#include "model/exchange/ExchangeMessages.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/Utf8Path.h"

namespace torvane::cli {

namespace {

namespace fs = std::filesystem;

// Far above a backup's size: anything larger is not read into memory.
constexpr std::size_t kLargestBackup = 1u << 20;

// Writes `bytes` as the file at `path`, whole or not at all; an existing file is replaced only when confirmed.
int WriteBackupFile(CommandContext& context, const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::error_code ignored;
  const fs::path target = platform::PathFromUtf8(path);
  if (fs::exists(fs::symlink_status(target, ignored)) &&
      !context.prompter.Ask(core::kBackupTitle,
                            model::ReplaceFileQuestion(platform::Utf8FromPath(target.filename())))) {
    return kExitDeclined;
  }
  if (const int error = platform::ReplaceFileAtomically(path, bytes).error; error != 0) {
    context.output.Error(core::kBackupTitle, path + ": " + std::strerror(error));
    return kExitRefusedFile;
  }
  return kExitOk;
}

}  // namespace

int BackUpAdapter(CommandContext& context) {
  if (const int code = ReadAdapter(context); code != kExitOk) return code;
  std::string written;
  if (!context.options.arguments.empty()) {
    written = context.options.arguments.front();
    const std::vector<std::uint8_t> bytes = model::EncodeBackup(context.session.image(), core::SecondsNow());
    if (bytes.empty()) {
      context.output.Error(core::kBackupTitle, "No SHA-256 is available to seal the backup.");
      return kExitRefusedFile;
    }
    if (const int code = WriteBackupFile(context, written, bytes); code != kExitOk) return code;
  } else {
    core::AdapterBackups& backups = context.session.backups();
    const std::string error =
        backups.store().root().empty() ? std::string(core::kNoDataFolderError) : backups.BackUp(core::SecondsNow());
    if (!error.empty()) {
      context.output.Error(core::kBackupTitle, error);
      return kExitRefusedFile;
    }
    written = backups.store().List(context.session.image().info.serial).front().path;
  }
  context.output.data()["file"] = written;
  context.output.Line("Backed up to " + written);
  return kExitOk;
}

int RestoreBackup(CommandContext& context) {
  const std::string& path = context.options.arguments.front();
  const platform::FileRead file = platform::ReadFileBelow(path, kLargestBackup);
  if (file.outcome == platform::FileRead::Outcome::kCannotOpen || file.outcome == platform::FileRead::Outcome::kShort) {
    context.output.Error(core::kBackupTitle, path + ": " + std::strerror(file.system_error));
    return kExitRefusedFile;
  }
  // A folder, a special file or one far too large for a backup is not read at all.
  model::ParsedBackup backup;
  if (file.outcome == platform::FileRead::Outcome::kRead) backup = model::ParseBackup(file.bytes);
  if (backup.error != model::BackupError::kNone) {
    context.output.Error(core::kBackupTitle, path + ": " + std::string(model::BackupErrorText(backup.error)));
    return kExitRefusedFile;
  }
  context.output.data()["backup"] = {{"serial", model::SerialFolderName(backup.header.serial)},
                                     {"time", model::BackupTimeText(backup.header.time)}};
  if (const int code = ReadAdapter(context); code != kExitOk) return code;
  context.output.Line("Backup of " + model::SerialFolderName(backup.header.serial) + " taken " +
                      model::BackupTimeText(backup.header.time));
  switch (core::ConfirmBackupRestore(context.host, backup.header, *backup.image, context.session.image().info.serial)) {
    case core::BackupConfirmation::kConfirmed:
      break;
    case core::BackupConfirmation::kDeclined:
      return kExitDeclined;
    case core::BackupConfirmation::kRefused:
      return kExitRefusedFile;
  }
  return ExitCodeOf(core::RestoreBackup(context.session, context.host, *backup.image));
}

int ListBackups(CommandContext& context) {
  const core::BackupStore& store = context.session.backups().store();
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  context.output.data()["folder"] = store.root();
  if (store.root().empty()) {
    context.output.Error(core::kBackupTitle, core::kNoDataFolderError);
    return kExitRefusedFile;
  }
  for (const core::StoredBackup& backup : store.ListAll(core::Serial{})) {
    nlohmann::ordered_json entry = {{"file", backup.path}};
    std::string line = backup.path;
    if (backup.parsed.error == model::BackupError::kNone) {
      const model::BackupHeader& header = backup.parsed.header;
      entry["serial"] = model::SerialFolderName(header.serial);
      entry["time"] = model::BackupTimeText(header.time);
      entry["firmware_version"] = VersionText(header.firmware_version);
      entry["manager_version"] = VersionText(header.manager_version);
      line += "  " + model::BackupTimeText(header.time) + "  firmware " + VersionText(header.firmware_version);
    } else {
      const std::string error(model::BackupErrorText(backup.parsed.error));
      entry["error"] = error;
      line += "  " + error;
    }
    list.push_back(std::move(entry));
    context.output.Line(line);
  }
  if (list.empty()) context.output.Line("No backups in " + store.root());
  context.output.data()["backups"] = std::move(list);
  return kExitOk;
}

}  // namespace torvane::cli
