#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace torvane::toolkit {

// Display text of a stored name or news text, with the installed narrow text codec.
QString DecodeNarrow(std::string_view narrow);
// The bytes to store for typed text, with the installed narrow text codec.
std::string EncodeNarrow(QStringView text);

}  // namespace torvane::toolkit
