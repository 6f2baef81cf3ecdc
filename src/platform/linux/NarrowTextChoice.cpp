// The Linux choice of the narrow text codec: iconv's converters, the code page from the locale.
#include "platform/NarrowText.h"
#include "platform/linux/IconvNarrowTextCodec.h"
#include "platform/linux/LocaleCodePage.h"

namespace torvane::platform {

std::unique_ptr<NarrowTextCodec> CreateNarrowTextCodec(unsigned code_page) {
  return IconvNarrowTextCodec::Create(code_page);
}

unsigned UserAnsiCodePage() {
  return AnsiCodePageForLocale(UserCtypeLocale());
}

}  // namespace torvane::platform
