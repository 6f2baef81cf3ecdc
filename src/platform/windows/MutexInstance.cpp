#include <windows.h>

#include "platform/SingleInstance.h"
#include "platform/windows/WideText.h"

namespace torvane::platform {

namespace {

// A named mutex of the session, created initially owned; the system removes it
// when the last handle closes, so a crashed holder never blocks the next start.
class MutexInstance final : public SingleInstance {
 public:
  explicit MutexInstance(HANDLE mutex) : mutex_(mutex) {}
  ~MutexInstance() override {
    ::ReleaseMutex(mutex_);
    ::CloseHandle(mutex_);
  }

 private:
  HANDLE mutex_;
};

}  // namespace

std::unique_ptr<SingleInstance> SingleInstance::TryAcquire(std::string_view name, Outcome* outcome) {
  Outcome ignored{};
  Outcome& result = outcome != nullptr ? *outcome : ignored;
  const HANDLE mutex = ::CreateMutexW(nullptr, TRUE, Widen(name).c_str());
  if (mutex == nullptr) {
    // Another user's object of that name, which this session may not open: someone else holds it.
    result = ::GetLastError() == ERROR_ACCESS_DENIED ? Outcome::kHeldElsewhere : Outcome::kUnavailable;
    return nullptr;
  }
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    result = Outcome::kHeldElsewhere;
    return nullptr;
  }
  result = Outcome::kAcquired;
  return std::make_unique<MutexInstance>(mutex);
}

}  // namespace torvane::platform
