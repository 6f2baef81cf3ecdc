#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "device/DeviceContext.h"
#include "device/FlashProtocol.h"
#include "device/ReadResult.h"
#include "device/ResultTarget.h"
#include "device/RunStatus.h"
#include "device/Transport.h"
#include "device/WritePlan.h"

namespace torvane::device {

// The one thread that talks to the adapter. Requests (REQ_* of
// DeviceMessages.h) are served strictly in the order posted; each opens the
// adapter, does its work and closes it again.
//
// Nothing the UI thread owns is touched here, so no buffer needs a lock:
// - a read fills a ReadResult of the worker's own and hands it over whole with
//   MSG_READ_DONE (or MSG_INCOMPATIBLE); the UI takes it into the image it
//   shows on its own thread, and the next read fills a new one;
// - a write request carries its own copy of the plan, taken when it is posted,
//   so the caller may change or refill its plan at once;
// - the run status the key-code poll looks at is the worker's copy from its
//   last read;
// - the last error text and the device path live in the DeviceContext, which
//   locks them, since either thread may touch them at any moment.
//
// Results: MSG_READ_DONE and MSG_INCOMPATIBLE go to the owner; MSG_PROGRESS,
// MSG_DEVICE_FAILED and MSG_KEY_CODE to the target named by the request. A
// failure carries its failing step's code and text with it, so the receiver
// decides by number, and by the failure it got rather than a later one.
class DeviceWorker {
 public:
  DeviceWorker(std::unique_ptr<Transport> transport, DeviceContext& context, std::weak_ptr<ResultTarget> owner);
  // Ends the thread after the request in hand; the program itself never does.
  ~DeviceWorker();
  DeviceWorker(const DeviceWorker&) = delete;
  DeviceWorker& operator=(const DeviceWorker&) = delete;

  // Whether a write reads back what it wrote (on unless turned off); taken
  // when a write starts.
  void set_verify_writes(bool verify) { verify_writes_ = verify; }
  // Whether a read reports MSG_PROGRESS (1 to 100, by bytes read) to the
  // request's target, as a write does; off unless turned on, since the window
  // that asks for reads shows none. Taken when a read starts.
  void set_report_read_progress(bool report) { report_read_progress_ = report; }

  // Starts the thread: 0, or the system error code when it cannot be created.
  // Requests posted before are kept.
  int Start();
  // None of the posts waits for the worker. A read posted here carries the
  // adapter tag 0, a write no plan (nothing to write).
  void Post(int request, std::uint32_t wparam, std::weak_ptr<ResultTarget> target);
  // REQ_READ_CONFIG; `adapter` comes back in the ReadResult.
  void PostRead(std::uint32_t wparam, std::uint64_t adapter, std::weak_ptr<ResultTarget> target);
  // REQ_WRITE_FLASH with a copy of `plan` as it stands now.
  void PostWrite(std::uint32_t wparam, const WritePlan& plan, std::weak_ptr<ResultTarget> target);

 private:
  struct Request {
    int message = 0;
    std::uint32_t wparam = 0;
    std::weak_ptr<ResultTarget> target;
    std::uint64_t adapter = 0;              // reads
    std::unique_ptr<const WritePlan> plan;  // writes
  };

  void Enqueue(Request request);
  void Run();
  bool NextRequest(Request& request);
  // Takes one waiting request out of the queue unhandled; true if there was one (or the worker stops).
  bool DiscardWaitingRequest();

  void ReadConfig(const Request& request);
  void WriteFlash(const Request& request);
  void ReadKeyCode(const Request& request);

  // Closes the adapter and reports MSG_DEVICE_FAILED with `code`, the failing step's result, and `text`, which
  // also becomes the last error text.
  void Fail(const Request& request, int code, std::string text);
  // The failing step of the protocol.
  void FailInProtocol(const Request& request, int code);
  static void Deliver(const std::weak_ptr<ResultTarget>& target, int message, std::uint32_t wparam,
                      ResultPayload payload = {});

  std::unique_ptr<Transport> transport_;
  FlashProtocol protocol_;
  DeviceContext& context_;
  RunStatus run_status_;  // as the last read left it; worker thread only
  std::atomic<bool> verify_writes_ = true;
  std::atomic<bool> report_read_progress_ = false;
  std::weak_ptr<ResultTarget> owner_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Request> queue_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace torvane::device
