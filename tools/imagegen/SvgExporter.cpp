#include "SvgExporter.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <stdexcept>

#include "PngFile.h"

namespace torvane::imagegen {
namespace {

QString ExportOne(const QDir& source_root, const QString& source_path, const QDir& output, const QList<int>& scales) {
  QSvgRenderer renderer(source_path);
  if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
    throw std::runtime_error("cannot render " + source_path.toStdString());
  }
  QString relative = source_root.relativeFilePath(source_path);
  relative.replace(relative.size() - 4, 4, ".png");
  for (int scale : scales) {
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
      renderer.render(&painter);
    }
    SavePng(image, output.filePath(ScaledName(relative, scale)));
  }
  return relative;
}

}  // namespace

QStringList ExportSvgTree(const QDir& source, const QDir& output, const QList<int>& scales) {
  QStringList folders{source.absolutePath()};
  for (const QString& sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    folders << source.absoluteFilePath(sub);
  }
  QStringList written;
  for (const QString& folder : folders) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.svg"}, QDir::Files, QDir::Name)) {
      written << ExportOne(source, dir.absoluteFilePath(name), output, scales);
    }
  }
  return written;
}

}  // namespace torvane::imagegen
