#include "editor/SaveFlow.h"

#include <QString>

#include "device/FlashPlans.h"
#include "device/WritePlan.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "editor/EditorHost.h"
#include "editor/HomePageTexts.h"
#include "model/FlashImage.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

bool SaveChanges(EditorHost& host) {
  const unsigned mask = host.UnsavedMask();
  device::WritePlan plan;
  if (!device::BuildSavePlan(model::BuildSaveJob(host.Image(), mask), plan)) return false;
  if (!host.WritePlan(plan, dialogs::kProgressSave)) return false;
  host.MarkUnsaved(0);
  dialogs::ShowMessageBox(QString::fromUtf8(kSaveTitle), &host.Window(), QString::fromUtf8(kSaveDoneText),
                          dialogs::kMbOk);
  return true;
}

}  // namespace torvane::editor
