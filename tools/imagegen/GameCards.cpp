#include "GameCards.h"

#include <QSet>
#include <stdexcept>

#include "GameCardPainter.h"
#include "PngFile.h"
#include "model/catalogue/GameCatalogue.h"

namespace torvane::imagegen {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QStringList ExportGameCards(const QDir& output, QSize size, const QList<int>& scales) {
  QStringList written;
  QSet<QString> seen;
  for (int id = 0; id < model::kGameCount; ++id) {
    const QString name = FromUtf8(model::GameImage(id));
    if (name.isEmpty() || seen.contains(name)) continue;
    if (name.contains('/') || name.contains('\\') || name.startsWith('.') || !name.endsWith(".png")) {
      throw std::runtime_error("unusable game image name: " + name.toStdString());
    }
    seen.insert(name);
    for (int scale : scales) {
      SavePng(PaintGameCard(FromUtf8(model::GameTitle(id)), name, size, scale, id == model::kCustomGameId),
              output.filePath(ScaledName(name, scale)));
    }
    written << name;
  }
  return written;
}

}  // namespace torvane::imagegen
