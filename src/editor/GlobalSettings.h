#pragma once

namespace torvane::editor {

class EditorHost;

// The global hot keys, edited in the "Global Settings" dialog over the main window: a cancelled dialog leaves the
// configuration block as it was; a confirmed one that changed it marks it unsaved.
void RunGlobalSettings(EditorHost& host);

}  // namespace torvane::editor
