#include "device/AdapterTexts.h"

#include "device/TextFormat.h"
#include "device/Transport.h"

namespace torvane::device {

std::string WorkingModeText(std::uint8_t mode) {
  return FormatText("Working Mode (%d)", mode);
}

std::string UpgradeQuestionText(const model::Version& from) {
  const model::Version& to = model::kManagerVersion;
  return FormatText("Upgrade firmware from version %d.%d.%d to %d.%d.%d. \nAre you sure to continue this procedure?",
                    from.major, from.minor, from.patch, to.major, to.minor, to.patch);
}

std::string UsbErrorText(const DeviceFailure& failure) {
  // An adapter that cannot be opened for lack of permission is connected: the connection hint would mislead.
  std::string text(failure.code == kAccessDenied ? kNoAccessText
                                                 : "Please ensure your Torvane is firmly connected to PC.");
  text += "\n\n";
  text += failure.text;
  return text;
}

std::string WorkerStartFailedText(int error) {
  return FormatText(
      "Torvane Manager could not start its USB connection (error %d).\n\nNo Torvane can be read until the program "
      "is started again.",
      error);
}

}  // namespace torvane::device
