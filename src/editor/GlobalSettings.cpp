#include "editor/GlobalSettings.h"

#include <QtGlobal>

#include <cstring>

#include "editor/CGlobalSettingsDlg.h"
#include "editor/EditorHost.h"
#include "model/FlashImage.h"
#include "model/FlashRegions.h"

namespace torvane::editor {

void RunGlobalSettings(EditorHost& host) {
  // The dialog edits the shown block in place and puts it back itself when it is not confirmed.
  CGlobalSettingsDlg dialog(host);
  if (!dialog.Create(&host.Window(), QStringLiteral("Global Settings"))) {
    qWarning("global settings not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    return;
  }
  if (dialog.ShowModal() != CGlobalSettingsDlg::kConfirmed) return;
  if (std::memcmp(&dialog.before(), &host.Image().config, sizeof(model::ConfigBlock)) != 0) {
    host.MarkUnsaved(model::kUnsavedConfig);
  }
}

}  // namespace torvane::editor
