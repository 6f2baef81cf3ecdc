#include "editor/GlobalSettings.h"

#include "editor/EditorHost.h"

namespace torvane::editor {

void RunGlobalSettings(EditorHost& /*host*/) {}

}  // namespace torvane::editor
