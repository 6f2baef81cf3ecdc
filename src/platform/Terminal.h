#pragma once

namespace torvane::platform {

// The standard streams, for asking whether a person sits at them.
enum class StandardStream { kInput, kOutput, kError };

bool IsTerminal(StandardStream stream);

}  // namespace torvane::platform
