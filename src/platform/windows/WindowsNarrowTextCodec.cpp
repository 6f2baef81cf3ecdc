#include "platform/windows/WindowsNarrowTextCodec.h"

#include <windows.h>

#include <optional>

#include "platform/NarrowText.h"
#include "platform/windows/WideText.h"

namespace torvane::platform {

std::unique_ptr<WindowsNarrowTextCodec> WindowsNarrowTextCodec::Create(unsigned code_page) {
  if (code_page != CP_UTF8 && ::IsValidCodePage(code_page) == 0) return nullptr;
  return std::unique_ptr<WindowsNarrowTextCodec>(new WindowsNarrowTextCodec(code_page));
}

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// `bytes` as UTF-16 when every byte of them is part of a character of `code_page`; nothing otherwise.
std::optional<std::wstring> DecodeStrictly(unsigned code_page, std::string_view bytes) {
  const int length =
      ::MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                        length);
  return wide;
}

}  // namespace

std::string WindowsNarrowTextCodec::Decode(std::string_view narrow) const {
  if (narrow.empty()) return {};
  if (const auto whole = DecodeStrictly(code_page_, narrow)) return Narrow(*whole);
  // Character by character, so a sequence the code page does not allow becomes U+FFFD and the rest goes on.
  std::wstring wide;
  const model::NarrowEncoding characters = encoding();
  for (std::size_t at = 0; at < narrow.size();) {
    const std::size_t size = characters.CharacterSize(narrow, at);
    const auto one = DecodeStrictly(code_page_, narrow.substr(at, size));
    wide += one ? *one : std::wstring(1, kReplacement);
    at += size;
  }
  return Narrow(wide);
}

std::string WindowsNarrowTextCodec::Encode(std::string_view utf8) const {
  const std::wstring wide = Widen(utf8);
  std::string narrow;
  // One character at a time (a surrogate pair is one), so each the code page lacks is one '?'.
  for (std::size_t at = 0; at < wide.size();) {
    const std::size_t size = (wide[at] >= 0xD800 && wide[at] < 0xDC00 && at + 1 < wide.size()) ? 2 : 1;
    char bytes[8];
    BOOL defaulted = FALSE;
    const int length = ::WideCharToMultiByte(code_page_, 0, wide.data() + at, static_cast<int>(size), bytes,
                                             sizeof bytes, nullptr, code_page_ == CP_UTF8 ? nullptr : &defaulted);
    if (length <= 0 || defaulted || wide[at] == kReplacement) {
      narrow += '?';
    } else {
      narrow.append(bytes, static_cast<std::size_t>(length));
    }
    at += size;
  }
  return narrow;
}

std::unique_ptr<NarrowTextCodec> CreateNarrowTextCodec(unsigned code_page) {
  return WindowsNarrowTextCodec::Create(code_page);
}

unsigned UserAnsiCodePage() {
  return ::GetACP();
}

}  // namespace torvane::platform
