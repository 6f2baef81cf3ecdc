#pragma once

#include <string_view>

#include "model/FlashImage.h"

namespace torvane::model {

// How a change to the configuration table ended; the UI picks the message.
enum class ConfigOutcome {
  kDone,
  kUnchanged,  // nothing to do (rename to the same or an empty name)
  kNotFound,   // the source configuration does not exist
  kTableFull,  // 16 configurations in use
  kBlankName,
  kDuplicateName,  // the host already has a configuration of that name
  kNoFreeName,     // every copy name is taken
  kNoFreeColor,
  kAddFailed,
};

struct ConfigActionResult {
  ConfigOutcome outcome = ConfigOutcome::kUnchanged;
  int slot = -1;         // slot of the new configuration
  unsigned unsaved = 0;  // bits to mark in unsaved_mask
};

// Creates a configuration of the current host from a catalogue record under
// `name` (cut to 39 characters), with a free hotkey and colour.
// `default_response` is the catalogue's response record for its curve_id, or null.
ConfigActionResult CreateConfig(FlashImage& image, const ConfigRecord& catalogue_record, std::string_view name,
                                const ResponseRecord* default_response);

// Copies the configuration in `source_slot` with its response record under the
// first free name "copy(n)<name>", n = 1..15; the copy is never the start-up one.
ConfigActionResult CreateConfigCopy(FlashImage& image, int source_slot);

// Renames a configuration of the table (the editing page: 38 characters); its
// macros follow. An empty or equal name is kUnchanged.
ConfigActionResult RenameConfig(FlashImage& image, ConfigRecord& record, std::string_view name);

// Deletes a configuration and its macros; returns the unsaved bits to mark
// (all three when macros went with it, else configuration and response; 0 when nothing matched).
unsigned DeleteConfigWithMacros(FlashImage& image, int host, std::string_view name);

// Repairs made when a configuration is opened for editing, before its snapshot is taken.
void PrepareForEditing(ConfigRecord& record);

// The message shown for an outcome; empty when none is shown.
std::string_view ConfigOutcomeMessage(ConfigOutcome outcome);

}  // namespace torvane::model
