#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace torvane::imagegen {

// Encodes the image as a PNG at the strongest compression (an opaque one unfiltered where that is no larger, see
// UnfilteredPng.h) and writes it unless the file already holds exactly those bytes, so that an unchanged image keeps
// its time stamp and the build does not repack the skin for it.
// Throws std::runtime_error on failure.
void SavePng(const QImage& image, const QString& path);

// Writes `bytes` to `path` unless the file already holds them, creating its folder; throws on failure.
void WriteIfChanged(const QByteArray& bytes, const QString& path);

// "name.png" for scale 1, "name@2x.png" for scale 2: the names under which the program looks for each density.
QString ScaledName(const QString& name, int scale);

}  // namespace torvane::imagegen
