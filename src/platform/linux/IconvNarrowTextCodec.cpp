#include "platform/linux/IconvNarrowTextCodec.h"

#include "platform/linux/IconvText.h"

namespace torvane::platform {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// Bytes of the UTF-8 sequence at the start of `rest`, as far as its continuation bytes go: 1 for a byte that
// starts none, so what follows a broken sequence is converted again.
std::size_t Utf8SequenceSize(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest.front());
  const std::size_t expected = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t size = 1;
  while (size < expected && size < rest.size() && (static_cast<unsigned char>(rest[size]) & 0xC0) == 0x80) ++size;
  return size;
}

}  // namespace

void IconvNarrowTextCodec::Closer::operator()(void* converter) const {
  CloseIconv(converter);
}

std::unique_ptr<IconvNarrowTextCodec> IconvNarrowTextCodec::Create(unsigned code_page) {
  const std::string charset = code_page == model::NarrowEncoding::kUtf8 ? "UTF-8" : "CP" + std::to_string(code_page);
  auto open = [](const char* to, const char* from) { return Converter(OpenIconv(to, from)); };
  Converter decoder = open("UTF-8", charset.c_str());
  Converter encoder = open(charset.c_str(), "UTF-8");
  if (!decoder || !encoder) return nullptr;
  return std::unique_ptr<IconvNarrowTextCodec>(
      new IconvNarrowTextCodec(code_page, std::move(decoder), std::move(encoder)));
}

std::string IconvNarrowTextCodec::Decode(std::string_view narrow) const {
  const std::lock_guard lock(mutex_);
  return ConvertWithIconv(decoder_.get(), narrow, kReplacementCharacter, [](std::string_view) { return 1; });
}

std::string IconvNarrowTextCodec::Encode(std::string_view utf8) const {
  // A whole character is skipped where the code page lacks it, so it gives one '?', not one per byte.
  const std::lock_guard lock(mutex_);
  return ConvertWithIconv(encoder_.get(), utf8, "?", Utf8SequenceSize);
}

}  // namespace torvane::platform
