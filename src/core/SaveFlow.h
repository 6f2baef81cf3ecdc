#pragma once

namespace torvane::core {

class Host;
class Session;

struct SaveResult {
  enum class Outcome {
    kSaved,          // the unsaved regions are on the adapter; nothing is left to save
    kNothingToSave,  // no region differs from the adapter: nothing was written or told
    kNoStartup,      // the console has no start-up configuration and more than one to choose from (told)
    kDeclined,       // no backup could be made and the player chose not to write without one
    kFailed,         // the adapter failed the write (told); the edits stay unsaved for another try
  };
  Outcome outcome = Outcome::kFailed;
  // The console's only configuration became its start-up one on the way.
  bool startup_chosen = false;
};

// Writes the regions marked unsaved, in the order macro, configuration, response block. A console without a
// start-up configuration gets its only one as that first; only a write the adapter took clears the marks.
SaveResult SaveChanges(Session& session, Host& host);

}  // namespace torvane::core
