#pragma once

namespace torvane::core {

// How an export or import ended.
enum class ExchangeOutcome {
  kDone,
  kCancelled,  // the player chose no file
  kRefused,    // the file could not be read or written, or its checks refused it (told)
  kDeclined,   // the player kept a key in use for what holds it
  kNoConsole,  // the adapter serves no console this program knows: nothing was imported
};

}  // namespace torvane::core
