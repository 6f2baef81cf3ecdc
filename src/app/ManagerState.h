#pragma once

#include "core/Session.h"
#include "device/DeviceContext.h"

namespace torvane::app {

// The process-wide objects of the main window; they live from start-up to exit. The session (the image, its
// edits and the backups) is the UI thread's alone; the context is shared with the worker, under its own lock.
struct ManagerState {
  ManagerState();

  core::Session session;
  device::DeviceContext context;
};

}  // namespace torvane::app
