// backup, restore and backups: the adapter's settings kept in files.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "CliTexts.h"
#include "Commands.h"
#include "ExitCodes.h"
#include "SystemTime.h"
#include "TextFields.h"
#include "device/FlashPlans.h"
#include "model/backup/BackupFile.h"
#include "model/backup/BackupNames.h"
#include "platform/AtomicFile.h"
#include "platform/BackupTexts.h"

namespace torvane::cli {

namespace {

namespace fs = std::filesystem;

// Writes `bytes` as the file at `path`, whole or not at all; an existing file is replaced only when confirmed.
int WriteNewFile(CommandContext& context, const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  const fs::path absolute = fs::absolute(path);
  const std::string folder = absolute.parent_path().string();
  const std::string name = absolute.filename().string();
  int error = platform::WriteFileAtomically(folder, name, bytes);
  if (error == EEXIST) {
    if (!context.prompter.Ask(platform::kBackupTitle, path.string() + std::string(kReplaceFileQuestion))) {
      return kExitDeclined;
    }
    std::error_code removed;
    fs::remove(absolute, removed);
    error = removed ? removed.value() : platform::WriteFileAtomically(folder, name, bytes);
  }
  if (error != 0) {
    context.output.Error(platform::kBackupTitle, path.string() + ": " + std::strerror(error));
    return kExitRefusedFile;
  }
  return kExitOk;
}

}  // namespace

int BackUpAdapter(CommandContext& context) {
  AdapterSession& session = context.session;
  if (const int code = session.Connect(); code != kExitOk) return code;
  if (const int code = session.Read(); code != kExitOk) return code;
  std::string written;
  if (!context.options.arguments.empty()) {
    written = context.options.arguments.front();
    const std::vector<std::uint8_t> bytes = model::EncodeBackup(session.image(), SecondsNow());
    if (bytes.empty()) {
      context.output.Error(platform::kBackupTitle, "No SHA-256 is available to seal the backup.");
      return kExitRefusedFile;
    }
    if (const int code = WriteNewFile(context, written, bytes); code != kExitOk) return code;
  } else {
    const platform::BackupStore& store = session.backups().store();
    const std::string error =
        store.root().empty() ? std::string(platform::kNoDataFolderError) : session.backups().BackUp(SecondsNow());
    if (!error.empty()) {
      context.output.Error(platform::kBackupTitle, error);
      return kExitRefusedFile;
    }
    written = store.List(session.image().info.serial).front().path;
  }
  context.output.data()["file"] = written;
  context.output.Line("Backed up to " + written);
  return kExitOk;
}

int RestoreBackup(CommandContext& context) {
  const std::string& path = context.options.arguments.front();
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    context.output.Error(platform::kBackupTitle, path + ": " + std::strerror(errno));
    return kExitRefusedFile;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const model::ParsedBackup backup = model::ParseBackup(bytes);
  if (backup.error != model::BackupError::kNone) {
    context.output.Error(platform::kBackupTitle, path + ": " + std::string(model::BackupErrorText(backup.error)));
    return kExitRefusedFile;
  }
  context.output.data()["backup"] = {{"serial", model::SerialFolderName(backup.header.serial)},
                                     {"time", model::BackupTimeText(backup.header.time)}};
  AdapterSession& session = context.session;
  if (const int code = session.Connect(); code != kExitOk) return code;
  if (const int code = session.Read(); code != kExitOk) return code;
  context.output.Line("Backup of " + model::SerialFolderName(backup.header.serial) + " taken " +
                      model::BackupTimeText(backup.header.time));
  if (!context.prompter.Ask(platform::kBackupsTitle,
                            platform::RestoreBackupQuestion(backup.header.serial, session.image().info.serial))) {
    return kExitDeclined;
  }
  device::WritePlan plan;
  if (!device::BuildSavePlan(model::BuildSaveJob(*backup.image, model::kUnsavedAll), plan)) {
    context.output.Error(platform::kBackupTitle, "The backup does not fit one write.");
    return kExitRefusedFile;
  }
  if (const int code = session.Write(plan, "Restoring"); code != kExitOk) return code;
  context.output.Message(platform::kBackupTitle, platform::kBackupRestoredText);
  return kExitOk;
}

int ListBackups(CommandContext& context) {
  const platform::BackupStore& store = context.session.backups().store();
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  context.output.data()["folder"] = store.root();
  if (store.root().empty()) {
    context.output.Error(platform::kBackupTitle, platform::kNoDataFolderError);
    return kExitRefusedFile;
  }
  for (const platform::StoredBackup& backup : store.ListAll(platform::Serial{})) {
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
