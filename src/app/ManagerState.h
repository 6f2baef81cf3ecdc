#pragma once

#include <memory>

#include "device/DeviceContext.h"
#include "device/RunStatus.h"
#include "device/WritePlan.h"
#include "model/FlashImage.h"

namespace torvane::app {

// The process-wide objects of the main window; they live from start-up to exit. Only the UI thread touches the
// image, the run status and the plan: a read arrives as a whole result that the window copies in, and a write
// takes its own copy of the plan. The context alone is shared with the worker, under its own lock.
struct ManagerState {
  ManagerState() : image(model::MakeFlashImage()), defaults(model::MakeDefaultImages()) {}

  std::unique_ptr<model::FlashImage> image;
  std::unique_ptr<model::DefaultImages> defaults;
  device::DeviceContext context;
  device::RunStatus run_status{};  // as the last read taken into the image left it
  device::WritePlan plan;
};

}  // namespace torvane::app
