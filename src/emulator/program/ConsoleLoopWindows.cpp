#include <windows.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <thread>

#include "emulator/program/ConsoleLoop.h"

namespace torvane::emulator {

namespace {

// Manual-reset: a request that comes before the loop runs still ends it.
HANDLE StopEvent() {
  static const HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  return event;
}

BOOL WINAPI OnControl(DWORD type) {
  ::SetEvent(StopEvent());
  // After these the system ends the process as soon as the handler returns;
  // waiting here lets main's own exit, after the clean-up, end it instead.
  if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT) ::Sleep(INFINITE);
  return TRUE;
}

// Standard input's bytes on their way from the reader thread to the loop.
// Shared, since the reader outlives the loop: it stays blocked in ReadFile
// until the process ends (a pipe cannot be polled with the stop event).
struct Inbox {
  std::mutex mutex;
  std::string bytes;
  const HANDLE arrived = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
};

}  // namespace

bool WatchStopRequests(std::string& error) {
  if (StopEvent() != nullptr && ::SetConsoleCtrlHandler(OnControl, TRUE)) return true;
  error = "cannot watch for Ctrl+C";
  return false;
}

void RunConsoleLoop(AdapterConsole& console) {
  const auto inbox = std::make_shared<Inbox>();
  if (inbox->arrived == nullptr) {
    ::WaitForSingleObject(StopEvent(), INFINITE);
    return;
  }
  std::thread([inbox] {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    char buffer[256];
    DWORD size = 0;
    while (::ReadFile(input, buffer, sizeof(buffer), &size, nullptr) && size > 0) {
      std::lock_guard lock(inbox->mutex);
      inbox->bytes.append(buffer, size);
      ::SetEvent(inbox->arrived);
    }
  }).detach();

  std::string pending;
  for (;;) {
    const HANDLE events[2] = {StopEvent(), inbox->arrived};
    if (::WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return;
    std::string bytes;
    {
      std::lock_guard lock(inbox->mutex);
      bytes.swap(inbox->bytes);
    }
    std::erase(bytes, '\r');  // a console's lines end in CR LF
    if (!FeedConsole(console, pending, bytes)) return;
  }
}

}  // namespace torvane::emulator
