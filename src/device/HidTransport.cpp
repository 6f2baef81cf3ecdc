#include "device/HidTransport.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <utility>

#include "device/AdapterPath.h"
#include "device/ProtocolCodes.h"
#include "device/UsbTransport.h"

namespace torvane::device {

namespace {

constexpr std::size_t kPayloadSize = kReportSize - 1;

// errno of the call that just failed; hidapi does not always leave one.
int LastSystemError() {
  return errno != 0 ? errno : EIO;
}

struct EnumerationFree {
  void operator()(hid_device_info* list) const { hid_free_enumeration(list); }
};

}  // namespace

int DecodeInputReport(std::span<const std::uint8_t> received, Report& report) {
  if (received.size() == kPayloadSize) {
    report[0] = 0;
    std::copy(received.begin(), received.end(), report.begin() + 1);
    return kTransportOk;
  }
  if (received.size() != kReportSize) return kWrongLength;
  if (received[0] != 0) return kWrongReportId;
  std::copy(received.begin(), received.end(), report.begin());
  return kTransportOk;
}

int WriteOutcome(int written, int error) {
  if (written >= 0) return static_cast<std::size_t>(written) == kReportSize ? kTransportOk : kWrongLength;
  if (error == ETIMEDOUT) return kTimeout;
  return error != 0 ? error : EIO;
}

void HidTransport::Closer::operator()(hid_device_* device) const {
  hid_close(device);
}

HidTransport::HidTransport() : HidTransport([](const char* path) { return hid_open_path(path); }) {}

HidTransport::HidTransport(NodeOpener opener) : opener_(std::move(opener)) {
  // hid_init is not thread-safe; one call for the process is enough.
  static std::once_flag once;
  std::call_once(once, [] { hid_init(); });
}

HidTransport::~HidTransport() = default;

std::vector<std::string> HidTransport::ListAdapters() {
  std::vector<std::string> paths;
  std::unique_ptr<hid_device_info, EnumerationFree> list(hid_enumerate(kVendorId, 0));
  for (const hid_device_info* info = list.get(); info != nullptr; info = info->next) {
    if (IsAdapterIds(info->vendor_id, info->product_id) && info->path != nullptr) paths.emplace_back(info->path);
  }
  return paths;
}

int HidTransport::Open(const std::string& path) {
  Close();
  errno = 0;
  device_.reset(opener_(path.c_str()));
  if (device_) return kTransportOk;
  const int error = LastSystemError();
  return error == EACCES || error == EPERM ? kAccessDenied : error;
}

void HidTransport::Close() {
  device_.reset();
}

int HidTransport::WriteReport(const Report& report, std::chrono::milliseconds /*timeout*/) {
  if (!device_) return EBADF;
  errno = 0;
  const int written = hid_write(device_.get(), report.data(), report.size());
  return WriteOutcome(written, errno);
}

int HidTransport::ReadReport(Report& report, std::chrono::milliseconds timeout) {
  if (!device_) return EBADF;
  // One byte more than a report, so an overlong report shows as a wrong length.
  std::array<std::uint8_t, kReportSize + 1> buffer{};
  const auto wait = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, 0x7FFFFFFF));
  errno = 0;
  const int received = hid_read_timeout(device_.get(), buffer.data(), buffer.size(), wait);
  // hidapi fails without an errno when the device node hangs up: the adapter went away.
  if (received < 0) return errno != 0 ? errno : ENODEV;
  if (received == 0) return kTimeout;
  return DecodeInputReport(std::span(buffer.data(), static_cast<std::size_t>(received)), report);
}

std::unique_ptr<Transport> MakeUsbTransport() {
  return std::make_unique<HidTransport>();
}

}  // namespace torvane::device
