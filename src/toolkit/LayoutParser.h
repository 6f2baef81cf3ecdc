#pragma once

#include "toolkit/LayoutNode.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace torvane::toolkit {

// Reads an XML layout into its element tree (Qt Core only, no controls are made). Nullopt and a reason with line
// and column in `error` when the text is not well-formed XML or holds no element.
std::optional<LayoutNode> ParseLayout(const QByteArray& xml, QString* error);

}  // namespace torvane::toolkit
