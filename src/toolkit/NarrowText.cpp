#include "toolkit/NarrowText.h"

#include "platform/NarrowText.h"

namespace torvane::toolkit {

QString DecodeNarrow(std::string_view narrow) {
  const std::string utf8 = platform::NarrowToUtf8(narrow);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string EncodeNarrow(QStringView text) {
  const QByteArray utf8 = text.toUtf8();
  return platform::Utf8ToNarrow(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace torvane::toolkit
