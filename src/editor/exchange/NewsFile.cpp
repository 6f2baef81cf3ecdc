#include "editor/exchange/NewsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "editor/exchange/ExchangeFileIo.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/NewsStore.h"

namespace torvane::editor {

QString NewsFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath(QString::fromLatin1(model::kNewsFileName));
}

bool StoreNewsFile(std::span<const std::uint8_t> record) {
  const QString path = NewsFilePath();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return WriteWholeFile(path, record).code == model::kFileDone;
}

std::vector<std::uint8_t> LoadNewsFile() {
  const QString path = NewsFilePath();
  // Only a plain file: a FIFO put there would block the start.
  if (!QFileInfo(path).isFile()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() >= static_cast<qint64>(model::kNewsBufferSize)) return {};
  const QByteArray bytes = file.read(static_cast<qint64>(model::kNewsBufferSize));
  return {bytes.begin(), bytes.end()};
}

}  // namespace torvane::editor
