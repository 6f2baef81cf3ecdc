#pragma once

namespace torvane::app {

class CMainWnd;
struct ManagerState;

// The click on the adapter: decides from the last read whether the adapter can be used, offers the restore or the
// upgrade it needs, and leads to the home page once it can. A working mode this manager does not serve ends the
// program; every other refusal leaves the adapter page showing.
class AdapterChecks {
 public:
  AdapterChecks(CMainWnd& window, ManagerState& state) : window_(window), state_(state) {}

  void Run();

 private:
  CMainWnd& window_;
  ManagerState& state_;
};

}  // namespace torvane::app
