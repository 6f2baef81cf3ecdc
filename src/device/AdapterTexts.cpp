#include "device/AdapterTexts.h"

#include "device/TextFormat.h"
#include "device/Transport.h"

namespace torvane::device {

namespace {

// The worker names a failed open "<step>: OpenDevice(<transport code>)".
bool IsAccessDeniedOpen(std::string_view worker_text) {
  return worker_text.ends_with(FormatText("OpenDevice(%d)", kAccessDenied));
}

}  // namespace

std::string WorkingModeText(std::uint8_t mode) {
  return FormatText("Working Mode (%d)", mode);
}

std::string UpgradeQuestionText(const model::Version& from) {
  const model::Version& to = model::kManagerVersion;
  return FormatText("Upgrade firmware from version %d.%d.%d to %d.%d.%d. \nAre you sure to continue this procedure?",
                    from.major, from.minor, from.patch, to.major, to.minor, to.patch);
}

std::string UsbErrorText(std::string_view last_error) {
  // An adapter that cannot be opened for lack of permission is connected: the connection hint would mislead.
  std::string text(IsAccessDeniedOpen(last_error) ? kNoAccessText
                                                  : "Please ensure your Torvane is firmly connected to PC.");
  text += "\n\n";
  text += last_error;
  return text;
}

std::string WorkerStartFailedText(int error) {
  return FormatText(
      "Torvane Manager could not start its USB connection (error %d).\n\nNo Torvane can be read until the program "
      "is started again.",
      error);
}

}  // namespace torvane::device
