#pragma once

#include "core/Host.h"
#include "device/WritePlan.h"

namespace torvane::core {

class Session;

enum class WriteOutcome {
  kDone,      // the adapter holds and read back the plan
  kDeclined,  // no backup could be made and the player chose not to write without one: nothing was written
  kFailed,    // the adapter failed the write ("USB Error" told)
};

// What the image holds after a failed write.
enum class AfterFailure {
  kKeepImage,  // the plan wrote what the image holds anyway (a save): the same save can be tried again
  kReadAgain,  // the plan put the image in a state the adapter may hold half of: show what it really holds
};

// Every write to the adapter takes this road: what the adapter holds is backed up first (when that fails the player
// is asked whether to write without a backup), then the front end writes the plan behind its progress; a failure is
// told with the failing step's text.
WriteOutcome WriteToAdapter(Session& session, Host& host, const device::WritePlan& plan, WriteKind kind,
                            AfterFailure after_failure);

}  // namespace torvane::core
