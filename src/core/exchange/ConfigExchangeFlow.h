#pragma once

#include "core/exchange/ExchangeOutcome.h"

namespace torvane::core {

class Host;
class Session;

// Writes the configuration in table slot `slot` to the file the player chooses and tells how it went.
ExchangeOutcome ExportConfig(Session& session, Host& host, int slot);

struct ConfigImportResult {
  ExchangeOutcome outcome = ExchangeOutcome::kNoConsole;
  int slot = -1;  // the new record's slot when imported
};

// Reads the configuration file the player chooses into the table of the current console, in the fixed order of
// checks, asking before a key of the file takes over one in use and telling every refusal. Only a successful
// import changes the image: the configuration and response blocks are marked unsaved. Nothing at all while no
// console is selected.
ConfigImportResult ImportConfig(Session& session, Host& host);

}  // namespace torvane::core
