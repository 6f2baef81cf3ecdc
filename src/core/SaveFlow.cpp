#include "core/SaveFlow.h"

#include "core/Host.h"
#include "core/Session.h"
#include "core/WriteFlow.h"
#include "device/FlashPlans.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/TableMessages.h"

namespace torvane::core {

SaveResult SaveChanges(Session& session, Host& host) {
  SaveResult result;
  model::FlashImage& image = session.image();
  const bool had_startup = model::StartupIndex(image.config, image.config.host) >= 0;
  if (!model::EnsureStartup(image.config)) {
    host.Tell(model::kTitleWarning, model::kMsgStartupRequired, Tone::kFailure);
    result.outcome = SaveResult::Outcome::kNoStartup;
    return result;
  }
  if (!had_startup) {
    result.startup_chosen = true;
    session.MarkUnsaved(model::kUnsavedConfig);
  }
  if (session.unsaved() == 0) {
    result.outcome = SaveResult::Outcome::kNothingToSave;
    return result;
  }
  device::WritePlan plan;
  if (!device::BuildSavePlan(model::BuildSaveJob(image, session.unsaved()), plan)) return result;
  switch (WriteToAdapter(session, host, plan, WriteKind::kSave, AfterFailure::kKeepImage)) {
    case WriteOutcome::kDone:
      break;
    case WriteOutcome::kDeclined:
      result.outcome = SaveResult::Outcome::kDeclined;
      return result;
    case WriteOutcome::kFailed:
      return result;
  }
  session.ClearUnsaved();
  host.Tell(model::kTitleSave, model::kMsgSaveDone, Tone::kInformation);
  result.outcome = SaveResult::Outcome::kSaved;
  return result;
}

}  // namespace torvane::core
