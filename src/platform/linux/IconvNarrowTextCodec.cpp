#include "platform/linux/IconvNarrowTextCodec.h"

#include <iconv.h>

#include <QList>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/NarrowText.h"

namespace torvane::platform {

namespace {

constexpr const char* kUtf32 = std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);
constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Runs `input` through `converter` from its initial state. Where it meets a
// sequence it cannot convert (or one cut off at the end), `replacement` goes
// out instead and `skip` input bytes are passed over.
std::string Convert(void* converter, std::string_view input, std::string_view replacement, std::size_t skip) {
  const auto cd = static_cast<iconv_t>(converter);
  ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string output;
  std::array<char, 256> chunk{};
  // iconv takes a non-const pointer but never writes through it.
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  while (true) {
    char* out = chunk.data();
    std::size_t out_left = chunk.size();
    // With the input used up, a null input makes a stateful converter write what it still holds.
    const bool flushing = in_left == 0;
    const std::size_t result =
        flushing ? ::iconv(cd, nullptr, nullptr, &out, &out_left) : ::iconv(cd, &in, &in_left, &out, &out_left);
    const int error = errno;
    output.append(chunk.data(), static_cast<std::size_t>(out - chunk.data()));
    if (result != kIconvFailed) {
      if (flushing) break;
    } else if (error != E2BIG) {
      if (flushing) break;
      output.append(replacement);
      const std::size_t step = std::min(skip, in_left);
      in += step;
      in_left -= step;
    }
  }
  return output;
}

}  // namespace

void IconvNarrowTextCodec::Closer::operator()(void* converter) const {
  ::iconv_close(static_cast<iconv_t>(converter));
}

std::unique_ptr<IconvNarrowTextCodec> IconvNarrowTextCodec::Create(unsigned code_page) {
  const std::string charset = code_page == model::NarrowEncoding::kUtf8 ? "UTF-8" : "CP" + std::to_string(code_page);
  auto open = [](const char* to, const char* from) {
    const iconv_t converter = ::iconv_open(to, from);
    const bool failed = converter == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
    return Converter(failed ? nullptr : converter);
  };
  Converter decoder = open(kUtf32, charset.c_str());
  Converter encoder = open(charset.c_str(), kUtf32);
  if (!decoder || !encoder) return nullptr;
  return std::unique_ptr<IconvNarrowTextCodec>(
      new IconvNarrowTextCodec(code_page, std::move(decoder), std::move(encoder)));
}

QString IconvNarrowTextCodec::Decode(std::string_view narrow) const {
  std::string replacement(sizeof kReplacementCharacter, '\0');
  std::memcpy(replacement.data(), &kReplacementCharacter, sizeof kReplacementCharacter);
  std::string bytes;
  {
    const std::lock_guard lock(mutex_);
    bytes = Convert(decoder_.get(), narrow, replacement, 1);
  }
  std::u32string characters(bytes.size() / sizeof(char32_t), U'\0');
  std::memcpy(characters.data(), bytes.data(), characters.size() * sizeof(char32_t));
  return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

std::string IconvNarrowTextCodec::Encode(QStringView text) const {
  // toUcs4 turns a lone surrogate into U+FFFD, which then becomes '?' like any
  // character the code page lacks.
  const QList<uint> characters = text.toUcs4();
  static_assert(sizeof(uint) == sizeof(char32_t));
  std::string input(static_cast<std::size_t>(characters.size()) * sizeof(char32_t), '\0');
  if (!input.empty()) std::memcpy(input.data(), characters.data(), input.size());
  const std::lock_guard lock(mutex_);
  return Convert(encoder_.get(), input, "?", sizeof(char32_t));
}

}  // namespace torvane::platform
