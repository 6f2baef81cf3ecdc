#include "model/tables/NarrowEncoding.h"

#include <atomic>

namespace torvane::model {

namespace {

std::atomic<unsigned> current_code_page{NarrowEncoding::kWestern};

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

}  // namespace

bool NarrowEncoding::IsDoubleByteLead(unsigned char byte) const {
  switch (code_page_) {
    case 932:  // Shift-JIS: 0xA1..0xDF are single-byte katakana
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:  // GBK
    case 949:  // Unified Hangul
    case 950:  // Big5
      return byte >= 0x81 && byte <= 0xFE;
    default:
      return false;
  }
}

std::size_t NarrowEncoding::CharacterSize(std::string_view text, std::size_t pos) const {
  const std::size_t left = text.size() - pos;
  if (code_page_ == kUtf8) {
    std::size_t size = 1;
    while (size < left && IsContinuationByte(text[pos + size])) ++size;
    return size;
  }
  if (left >= 2 && IsDoubleByteLead(static_cast<unsigned char>(text[pos]))) return 2;
  return 1;
}

NarrowEncoding NarrowEncoding::Current() {
  return NarrowEncoding(current_code_page.load(std::memory_order_relaxed));
}

void NarrowEncoding::SetCurrent(NarrowEncoding encoding) {
  current_code_page.store(encoding.code_page(), std::memory_order_relaxed);
}

}  // namespace torvane::model
