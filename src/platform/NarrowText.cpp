#include "platform/NarrowText.h"

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace torvane::platform {

namespace {

std::unique_ptr<NarrowTextCodec> CreateOrWestern(unsigned code_page) {
  if (auto codec = CreateNarrowTextCodec(code_page)) return codec;
  if (auto western = CreateNarrowTextCodec(model::NarrowEncoding::kWestern)) return western;
  throw std::runtime_error("no converter for the Windows-1252 code page");
}

const NarrowTextCodec& WesternCodec() {
  static const std::unique_ptr<NarrowTextCodec> codec = CreateOrWestern(model::NarrowEncoding::kWestern);
  return *codec;
}

// Installed codecs live as long as the process, so a reference handed out
// stays valid should a test install another.
std::mutex installed_mutex;
std::vector<std::unique_ptr<NarrowTextCodec>> installed_codecs;
std::atomic<const NarrowTextCodec*> installed{nullptr};

}  // namespace

const NarrowTextCodec& InstallNarrowTextCodec() {
  std::unique_ptr<NarrowTextCodec> codec = CreateOrWestern(UserAnsiCodePage());
  const NarrowTextCodec* current = codec.get();
  {
    const std::lock_guard lock(installed_mutex);
    installed_codecs.push_back(std::move(codec));
  }
  model::NarrowEncoding::SetCurrent(current->encoding());
  installed.store(current);
  return *current;
}

const NarrowTextCodec& CurrentNarrowTextCodec() {
  const NarrowTextCodec* codec = installed.load();
  return codec != nullptr ? *codec : WesternCodec();
}

std::string NarrowToUtf8(std::string_view narrow) {
  return CurrentNarrowTextCodec().Decode(narrow);
}

std::string Utf8ToNarrow(std::string_view utf8) {
  return CurrentNarrowTextCodec().Encode(utf8);
}

}  // namespace torvane::platform
