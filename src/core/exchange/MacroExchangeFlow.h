#pragma once

#include <cstddef>

#include "core/exchange/ExchangeOutcome.h"

namespace torvane::model {
struct ConfigRecord;
}

namespace torvane::core {

class Host;
class Session;

// Writes macro `macro_index` of the macro table to the file the player chooses and tells how it went.
ExchangeOutcome ExportMacro(Session& session, Host& host, std::size_t macro_index);

// Reads the macro file the player chooses into the macro table as a macro of `owner`, the configuration being
// edited as the table stores it, in the fixed order of checks, asking before its hot key takes over one in use and
// telling every refusal. When imported the macro is the table's last. The macro block is not marked unsaved here:
// the macro manager compares the table with its snapshot when it is left. Nothing while no console is selected.
ExchangeOutcome ImportMacro(Session& session, Host& host, const model::ConfigRecord& owner);

}  // namespace torvane::core
