#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace torvane::imagegen {

// Lays the named PNGs of `root` out on a grid on the program's window colour, each labelled with its name, for
// reviewing the artwork at a glance. Throws std::runtime_error when the sheet cannot be written.
void WriteContactSheet(const QDir& root, const QStringList& names, const QString& target);

}  // namespace torvane::imagegen
