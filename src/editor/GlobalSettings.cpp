#include "editor/GlobalSettings.h"

#include <QtGlobal>

#include <cstring>
#include <memory>

#include "editor/CGlobalSettingsDlg.h"
#include "editor/EditorHost.h"
#include "model/FlashImage.h"
#include "model/FlashRegions.h"

namespace torvane::editor {

void RunGlobalSettings(EditorHost& host) {
  // The dialog edits the shown block in place; this copy is what a cancel goes back to.
  model::ConfigBlock& block = host.Image().config;
  const auto before = std::make_unique<model::ConfigBlock>(block);
  int result = CGlobalSettingsDlg::kClosed;
  {
    CGlobalSettingsDlg dialog(host);
    if (dialog.Create(&host.Window(), QStringLiteral("Global Settings"))) {
      result = dialog.ShowModal();
    } else {
      qWarning("global settings not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    }
  }
  if (result != CGlobalSettingsDlg::kConfirmed) {
    block = *before;
  } else if (std::memcmp(before.get(), &block, sizeof(model::ConfigBlock)) != 0) {
    host.MarkUnsaved(model::kUnsavedConfig);
  }
}

}  // namespace torvane::editor
