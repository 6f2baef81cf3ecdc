#pragma once

#include <memory>

#include "platform/NarrowTextCodec.h"

namespace torvane::platform {

// A code page converted by the system (MultiByteToWideChar, WideCharToMultiByte), through UTF-16.
class WindowsNarrowTextCodec final : public NarrowTextCodec {
 public:
  // nullptr when the system has no such code page.
  static std::unique_ptr<WindowsNarrowTextCodec> Create(unsigned code_page);

  unsigned code_page() const override { return code_page_; }
  std::string Decode(std::string_view narrow) const override;
  std::string Encode(std::string_view utf8) const override;

 private:
  explicit WindowsNarrowTextCodec(unsigned code_page) : code_page_(code_page) {}
  unsigned code_page_;
};

}  // namespace torvane::platform
