// Renders the skin's images: the SVG drawings and one card per catalogue game.
#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>
#include <stdexcept>

#include "ContactSheet.h"
#include "GameCards.h"
#include "PngFile.h"
#include "SvgExporter.h"

namespace {

QSize ParseSize(const QString& text) {
  const QStringList parts = text.split('x');
  bool ok_w = false;
  bool ok_h = false;
  const QSize size = parts.size() == 2 ? QSize(parts[0].toInt(&ok_w), parts[1].toInt(&ok_h)) : QSize();
  if (!ok_w || !ok_h || size.width() < 16 || size.height() < 16 || size.width() > 1024 || size.height() > 1024) {
    throw std::runtime_error("bad card size: " + text.toStdString());
  }
  return size;
}

// PNGs of an earlier run whose source is gone would otherwise be packed again.
void RemoveStaleImages(const QDir& output, const QSet<QString>& current) {
  QDirIterator it(output.absolutePath(), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (!current.contains(output.relativeFilePath(path))) QFile::remove(path);
  }
}

// One line per image with its digest: the file changes exactly when some image does, which is what the packing
// step of the build waits for.
QByteArray Manifest(const QDir& output, QStringList names) {
  names.sort();
  QByteArray text;
  for (const QString& name : names) {
    QFile file(output.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read back " + name.toStdString());
    text += QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex() + ' ' + name.toUtf8() + '\n';
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({"svg", "Folder of SVG sources.", "dir"});
  parser.addOption({"output", "Folder for the PNGs.", "dir"});
  parser.addOption({"manifest", "Also list the PNGs with their digests in this file.", "file"});
  parser.addOption({"card-size", "Game card size WxH.", "size", "128x72"});
  parser.addOption({"no-2x", "Skip the double-density variants."});
  parser.addOption({"contact-sheet", "Also write PREFIX-art.png and PREFIX-cards.png for review.", "prefix"});
  parser.process(app);
  if (!parser.isSet("svg") || !parser.isSet("output")) parser.showHelp(2);

  try {
    using namespace torvane::imagegen;
    const QDir output(parser.value("output"));
    if (!QDir().mkpath(output.absolutePath())) throw std::runtime_error("cannot create the output folder");
    const QList<int> scales = parser.isSet("no-2x") ? QList<int>{1} : QList<int>{1, 2};
    const QStringList art = ExportSvgTree(QDir(parser.value("svg")), output, scales);
    const QSet<QString> drawn(art.begin(), art.end());
    const QStringList cards = ExportGameCards(output, ParseSize(parser.value("card-size")), scales);
    for (const QString& name : cards) {
      if (drawn.contains(name)) throw std::runtime_error("drawing and game card share " + name.toStdString());
    }
    QStringList files;
    for (const QString& name : art + cards) {
      for (int scale : scales) files << ScaledName(name, scale);
    }
    RemoveStaleImages(output, QSet<QString>(files.begin(), files.end()));
    if (parser.isSet("manifest")) WriteIfChanged(Manifest(output, files), parser.value("manifest"));
    if (parser.isSet("contact-sheet")) {
      WriteContactSheet(output, art, parser.value("contact-sheet") + "-art.png");
      WriteContactSheet(output, cards, parser.value("contact-sheet") + "-cards.png");
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "imagegen: %s\n", error.what());
    return 1;
  }
  return 0;
}
