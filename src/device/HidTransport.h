#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/Transport.h"

struct hid_device_;

namespace torvane::device {

// Rebuilds a full report from what a hidraw read returned: 64 payload bytes
// (no report id, the adapter's case) get report id 0 in front; 65 bytes carry
// their report id, which must be 0 (else kWrongReportId); any other length is
// kWrongLength, since only then is it known where a report id would sit.
int DecodeInputReport(std::span<const std::uint8_t> received, Report& report);

// The transport code of a hidraw write: `written` as hid_write returned it,
// `error` the errno it left. The kernel's own time-out cancels the transfer
// and reports ETIMEDOUT, which is a time-out like any other (kTimeout); a
// failure that left no errno is EIO.
int WriteOutcome(int written, int error);

// The adapter over the hidraw backend of hidapi. Result codes other than ours
// are errno values. A hidraw write completes or fails inside the kernel, which
// bounds it by its own USB time-out (hidapi cannot wait less), so the write's
// `timeout` is not applied; when the kernel's runs out, the write still
// reports kTimeout.
//
// An open refused for lack of permission (EACCES, EPERM) is kAccessDenied, so
// the player can be told how to get access rather than shown an errno.
class HidTransport final : public Transport {
 public:
  // Opens a device node as hid_open_path does, leaving errno set on failure.
  using NodeOpener = std::function<hid_device_*(const char* path)>;

  HidTransport();
  // With `opener` in place of hid_open_path: the seam for open failures that
  // cannot be produced for real (root opens any node).
  explicit HidTransport(NodeOpener opener);
  ~HidTransport() override;

  std::vector<std::string> ListAdapters() override;
  int Open(const std::string& path) override;
  void Close() override;
  int WriteReport(const Report& report, std::chrono::milliseconds timeout) override;
  int ReadReport(Report& report, std::chrono::milliseconds timeout) override;

 private:
  struct Closer {
    void operator()(hid_device_* device) const;
  };
  NodeOpener opener_;
  std::unique_ptr<hid_device_, Closer> device_;
};

}  // namespace torvane::device
