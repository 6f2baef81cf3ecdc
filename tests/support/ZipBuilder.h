#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace torvane::testing {

using ZipMembers = QList<QPair<QString, QByteArray>>;

// A zip archive, built in memory with libzip, holding the members in order (deflate-compressed).
QByteArray BuildZip(const ZipMembers& members);

}  // namespace torvane::testing
