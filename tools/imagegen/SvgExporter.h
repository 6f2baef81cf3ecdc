#pragma once

#include <QDir>
#include <QList>
#include <QStringList>

namespace torvane::imagegen {

// Renders every *.svg of `source` and of its direct sub-folders to a PNG of the same relative name below
// `output`, once per scale: at the size the SVG declares for scale 1, as "name@2x.png" at twice that for scale 2.
// Returns the relative names of the scale-1 PNGs; throws std::runtime_error when a source does not parse or a PNG
// cannot be written.
QStringList ExportSvgTree(const QDir& source, const QDir& output, const QList<int>& scales);

}  // namespace torvane::imagegen
