#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "platform/NarrowTextCodec.h"

namespace torvane::platform {

// A code page converted by the C library's iconv (glibc's "CP1252", "CP936",
// ...). The two converters are shared under a lock, so threads may share the codec.
class IconvNarrowTextCodec final : public NarrowTextCodec {
 public:
  // nullptr when iconv cannot convert the code page.
  static std::unique_ptr<IconvNarrowTextCodec> Create(unsigned code_page);

  unsigned code_page() const override { return code_page_; }
  std::string Decode(std::string_view narrow) const override;
  std::string Encode(std::string_view utf8) const override;

 private:
  struct Closer {
    void operator()(void* converter) const;
  };
  using Converter = std::unique_ptr<void, Closer>;

  IconvNarrowTextCodec(unsigned code_page, Converter decoder, Converter encoder)
      : code_page_(code_page), decoder_(std::move(decoder)), encoder_(std::move(encoder)) {}

  unsigned code_page_;
  mutable std::mutex mutex_;  // iconv keeps conversion state in its converter
  Converter decoder_;         // code page to UTF-8
  Converter encoder_;         // UTF-8 to code page
};

}  // namespace torvane::platform
