#include "PngFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <stdexcept>
#include <utility>

#include "UnfilteredPng.h"

namespace torvane::imagegen {

void SavePng(const QImage& image, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(0);  // Qt maps quality 0 to the highest zlib level
  if (!writer.write(image)) {
    throw std::runtime_error("cannot encode " + path.toStdString() + ": " + writer.errorString().toStdString());
  }
  // Where it takes no more room, an opaque image is written with its rows unfiltered: the window backgrounds, read
  // before the first page shows, then decode in a third of the time.
  if (IsOpaque(image)) {
    QByteArray unfiltered = EncodeUnfilteredPng(image);
    if (unfiltered.size() <= bytes.size()) bytes = std::move(unfiltered);
  }
  WriteIfChanged(bytes, path);
}

void WriteIfChanged(const QByteArray& bytes, const QString& path) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes) return;
  existing.close();
  QFile file(path);
  if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

QString ScaledName(const QString& name, int scale) {
  if (scale == 1) return name;
  QString scaled = name;
  scaled.insert(scaled.size() - 4, QString("@%1x").arg(scale));
  return scaled;
}

}  // namespace torvane::imagegen
