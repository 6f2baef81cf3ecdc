#pragma once

namespace torvane::editor {

class EditorHost;

// Writes the regions marked unsaved to the adapter behind the progress dialog. Only a write that the adapter
// reported done clears the marker and says so; a failed one leaves the image and the marker as they were, so
// the same save can be tried again (the main window says why it failed).
bool SaveChanges(EditorHost& host);

}  // namespace torvane::editor
