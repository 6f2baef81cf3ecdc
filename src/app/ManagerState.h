#pragma once

#include <memory>

#include "device/DeviceContext.h"
#include "device/RunStatus.h"
#include "device/WritePlan.h"
#include "model/FlashImage.h"

namespace torvane::app {

// The process-wide objects the main window and the device worker share: they live from start-up to exit and
// are handed over between the two threads by the worker's messages.
struct ManagerState {
  ManagerState() : image(model::MakeFlashImage()), defaults(model::MakeDefaultImages()) {}

  std::unique_ptr<model::FlashImage> image;
  std::unique_ptr<model::DefaultImages> defaults;
  device::DeviceContext context;
  device::RunStatus run_status{};
  device::WritePlan plan;
};

}  // namespace torvane::app
