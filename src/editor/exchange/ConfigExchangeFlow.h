#pragma once

namespace torvane::editor {

class EditorHost;

// Writes the configuration in table slot `slot` to a file the player picks and says how it went. True when the
// file was written.
bool ExportConfig(EditorHost& host, int slot);

// Reads a configuration file the player picks into the table of the current console, in the fixed order of
// checks, asking before a key of the file takes over one in use and telling every refusal. Only a successful import
// changes the image: it marks the configuration and response blocks unsaved and returns the new record's slot.
// -1 otherwise, and at once while no console is selected.
int ImportConfig(EditorHost& host);

}  // namespace torvane::editor
