#pragma once

#include <QMargins>
#include <QPair>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>
#include <QVector>

#include <cstdint>
#include <optional>

namespace torvane::toolkit {

// Parsers for the value texts of layout attributes. Malformed text gives std::nullopt so that a bad attribute
// leaves the control's present value alone.

// "#AARRGGBB", "0xAARRGGBB" or "AARRGGBB"; six hex digits mean an opaque colour.
std::optional<std::uint32_t> ParseColor(QStringView text);

// The lenient hexadecimal reading some attributes use: leading blanks and one "#" skipped, then hex digits up to
// the first other character (none: 0). "#FF007DFF" is 0xFF007DFF, "7DFF" is 0x00007DFF.
std::uint32_t ParseHexColor(QStringView text);

// "true" / "false" (any case); anything else is nullopt.
std::optional<bool> ParseBool(QStringView text);

// A decimal integer, surrounding blanks allowed.
std::optional<int> ParseInt(QStringView text);

// Up to `count` comma-separated decimal integers; missing ones are 0. Nullopt when a present field is not a number.
std::optional<QVector<int>> ParseIntList(QStringView text, int count);

// "left,top,right,bottom" as margins.
std::optional<QMargins> ParseMargins(QStringView text);

// "x1,y1,x2,y2" as a rectangle from (x1,y1) to (x2,y2), right and bottom exclusive.
std::optional<QRect> ParsePos(QStringView text);

// "width,height".
std::optional<QSize> ParseSize(QStringView text);

// An attribute list as found in <Default> and <Style>: name="value" name2='value2' ...
QVector<QPair<QString, QString>> ParseAttributeList(QStringView text);

// Case-insensitive comparison, the way layout element and class names are compared.
bool NameIs(QStringView a, QStringView b);

}  // namespace torvane::toolkit
