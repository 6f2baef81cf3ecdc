#include "toolkit/AttributeValues.h"

namespace torvane::toolkit {

namespace {

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::uint32_t> ParseColor(QStringView text) {
  QStringView rest = text.trimmed();
  if (rest.startsWith(u'#')) {
    rest = rest.mid(1);
  } else if (rest.startsWith(u"0x", Qt::CaseInsensitive)) {
    rest = rest.mid(2);
  }
  if (rest.size() != 6 && rest.size() != 8) return std::nullopt;
  std::uint32_t value = 0;
  for (QChar c : rest) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  if (rest.size() == 6) value |= 0xFF000000u;
  return value;
}

std::uint32_t ParseHexColor(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  if (i < text.size() && text[i] == u'#') ++i;
  std::uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) break;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::optional<bool> ParseBool(QStringView text) {
  const QStringView t = text.trimmed();
  if (t.compare(u"true", Qt::CaseInsensitive) == 0) return true;
  if (t.compare(u"false", Qt::CaseInsensitive) == 0) return false;
  return std::nullopt;
}

std::optional<int> ParseInt(QStringView text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

std::optional<QVector<int>> ParseIntList(QStringView text, int count) {
  QVector<int> values(count, 0);
  const auto fields = text.split(u',');
  if (fields.size() > count) return std::nullopt;
  for (qsizetype i = 0; i < fields.size(); ++i) {
    const auto value = ParseInt(fields[i]);
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  return values;
}

std::optional<QMargins> ParseMargins(QStringView text) {
  const auto v = ParseIntList(text, 4);
  if (!v) return std::nullopt;
  return QMargins((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
}

std::optional<QRect> ParsePos(QStringView text) {
  const auto v = ParseIntList(text, 4);
  if (!v) return std::nullopt;
  return QRect(QPoint((*v)[0], (*v)[1]), QPoint((*v)[2] - 1, (*v)[3] - 1));
}

std::optional<QSize> ParseSize(QStringView text) {
  const auto v = ParseIntList(text, 2);
  if (!v) return std::nullopt;
  return QSize((*v)[0], (*v)[1]);
}

QVector<QPair<QString, QString>> ParseAttributeList(QStringView text) {
  QVector<QPair<QString, QString>> result;
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n) {
    while (i < n && text[i].isSpace()) ++i;
    const qsizetype name_start = i;
    while (i < n && text[i] != u'=' && !text[i].isSpace()) ++i;
    const QString name = text.mid(name_start, i - name_start).toString();
    while (i < n && text[i].isSpace()) ++i;
    if (i >= n || text[i] != u'=') break;
    ++i;
    while (i < n && text[i].isSpace()) ++i;
    if (i >= n || (text[i] != u'"' && text[i] != u'\'')) break;
    const QChar quote = text[i++];
    const qsizetype value_start = i;
    while (i < n && text[i] != quote) ++i;
    if (i >= n) break;  // unterminated value: drop it rather than guess
    result.append({name, text.mid(value_start, i - value_start).toString()});
    ++i;
  }
  return result;
}

bool NameIs(QStringView a, QStringView b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace torvane::toolkit
