#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "device/DeviceContext.h"
#include "device/FlashProtocol.h"
#include "device/ResultTarget.h"
#include "device/RunStatus.h"
#include "device/Transport.h"
#include "device/WritePlan.h"
#include "model/FlashImage.h"

namespace torvane::device {

// The one thread that talks to the adapter. Requests (REQ_* of
// DeviceMessages.h) are served strictly in the order posted; each opens the
// adapter, does its work and closes it again.
//
// Hand-over of the shared buffers, which carry no lock:
// - the flash image and the run status are written by the worker during a
//   read; the UI thread uses them only after MSG_READ_DONE (or MSG_INCOMPATIBLE)
//   and does not post another read before it has;
// - the write plan is filled by the UI thread before it posts REQ_WRITE_FLASH
//   and left alone until MSG_PROGRESS 100 or MSG_DEVICE_FAILED arrives;
// - the last error text and the device path live in the DeviceContext, which
//   locks them, since either thread may touch them at any moment.
// The queue's lock and whatever the result target uses to cross threads order
// these accesses.
//
// Results: MSG_READ_DONE and MSG_INCOMPATIBLE go to the owner; MSG_PROGRESS,
// MSG_DEVICE_FAILED and MSG_KEY_CODE to the target named by the request.
class DeviceWorker {
 public:
  DeviceWorker(std::unique_ptr<Transport> transport, DeviceContext& context, model::FlashImage& image,
               RunStatus& run_status, const WritePlan& plan, std::weak_ptr<ResultTarget> owner);
  // Ends the thread after the request in hand; the program itself never does.
  ~DeviceWorker();
  DeviceWorker(const DeviceWorker&) = delete;
  DeviceWorker& operator=(const DeviceWorker&) = delete;

  // Starts the thread: 0, or the system error code when it cannot be created.
  // Requests posted before are kept.
  int Start();
  // Never waits for the worker.
  void Post(int request, std::uint32_t wparam, std::weak_ptr<ResultTarget> target);

 private:
  struct Request {
    int message;
    std::uint32_t wparam;
    std::weak_ptr<ResultTarget> target;
  };

  void Run();
  bool NextRequest(Request& request);
  // Takes one waiting request out of the queue unhandled; true if there was one (or the worker stops).
  bool DiscardWaitingRequest();

  void ReadConfig(const Request& request);
  void WriteFlash(const Request& request);
  void ReadKeyCode(const Request& request);

  // Closes the adapter and reports MSG_DEVICE_FAILED; `text` becomes the last error text.
  void Fail(const Request& request, std::string text);
  static void Deliver(const std::weak_ptr<ResultTarget>& target, int message, std::uint32_t wparam);

  std::unique_ptr<Transport> transport_;
  FlashProtocol protocol_;
  DeviceContext& context_;
  model::FlashImage& image_;
  RunStatus& run_status_;
  const WritePlan& plan_;
  std::weak_ptr<ResultTarget> owner_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Request> queue_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace torvane::device
