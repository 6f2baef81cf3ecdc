#include "editor/exchange/ExchangeFileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include "editor/exchange/FileDialogs.h"
#include "model/exchange/ExchangeMessages.h"

namespace torvane::editor {

namespace {

// Qt reports failures by its own codes; the number the player can quote is the one the system set.
FileOutcome Failed(int code) {
  return {code, errno};
}

}  // namespace

FileRead ReadFileOfSize(const QString& path, std::size_t size) {
  FileRead read;
  const QFileInfo info(path);
  if (!info.exists()) {
    read.code = model::kFileOpenFailed;
    read.system_error = ENOENT;
    return read;
  }
  // Checked before opening: a FIFO or a device would block or never end, and none has the size of a file's image.
  if (!info.isFile() || static_cast<std::size_t>(info.size()) != size) {
    read.code = model::kFileWrongSize;
    return read;
  }
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) {
    static_cast<FileOutcome&>(read) = Failed(model::kFileOpenFailed);
    return read;
  }
  // Checked again on the open file: it may have changed since.
  if (static_cast<std::size_t>(file.size()) != size) {
    read.code = model::kFileWrongSize;
    return read;
  }
  read.bytes.resize(size);
  const qint64 got = file.read(reinterpret_cast<char*>(read.bytes.data()), static_cast<qint64>(size));
  if (got != static_cast<qint64>(size)) {
    static_cast<FileOutcome&>(read) = Failed(model::kFileShort);
    read.bytes.clear();
    return read;
  }
  read.code = model::kFileDone;
  return read;
}

FileOutcome WriteWholeFile(const QString& path, std::span<const std::uint8_t> bytes) {
  QSaveFile file(path);
  errno = 0;
  // Unbuffered, so a full disk shows in the write itself: a buffered file's failing flush at commit goes unnoticed.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Failed(model::kFileOpenFailed);
  std::span<const std::uint8_t> rest = bytes;
  while (!rest.empty()) {
    // A short write is followed by another, which names the reason when the disk is full.
    errno = 0;
    const qint64 written = file.write(reinterpret_cast<const char*>(rest.data()), static_cast<qint64>(rest.size()));
    if (written < 0) return Failed(model::kFileWrongSize);
    if (written == 0) return Failed(model::kFileShort);
    rest = rest.subspan(static_cast<std::size_t>(written));
  }
  // Until here the old file is untouched; a QSaveFile left uncommitted throws its temporary file away.
  errno = 0;
  if (!file.commit()) return Failed(model::kFileWrongSize);
  return {model::kFileDone, 0};
}

FileRead ReadExchangeFile(QWidget* owner, const QString& title, model::ExchangeKind kind) {
  const std::optional<QString> path = FileDialogs::Current().ChooseOpen(owner, title, kind);
  if (!path) {
    FileRead cancelled;
    cancelled.code = model::kFileCancelled;
    return cancelled;
  }
  return ReadFileOfSize(*path, model::FileType(kind).size);
}

FileOutcome WriteExchangeFile(QWidget* owner, const QString& title, const QString& suggested_name,
                              std::span<const std::uint8_t> bytes, model::ExchangeKind kind) {
  const std::optional<QString> path = FileDialogs::Current().ChooseSave(owner, title, suggested_name, kind);
  if (!path) return {model::kFileCancelled, 0};
  return WriteWholeFile(*path, bytes);
}

}  // namespace torvane::editor
