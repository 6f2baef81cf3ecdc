#pragma once

#include <QDir>
#include <QList>
#include <QSize>
#include <QStringList>

namespace torvane::imagegen {

// Paints one card for every distinct image name of the game catalogue into `output`, once per scale (see
// ExportSvgTree), titled with the first game that uses the name. Returns the scale-1 names; throws
// std::runtime_error when a PNG cannot be written or a name is not a plain PNG file name.
QStringList ExportGameCards(const QDir& output, QSize size, const QList<int>& scales);

}  // namespace torvane::imagegen
