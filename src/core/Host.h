#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/DeviceFailure.h"
#include "device/WritePlan.h"
#include "model/exchange/ExchangeFiles.h"

namespace torvane::core {

// The buttons a question offers.
enum class Buttons { kOk, kOkCancel, kYesNo };

// The answers to a question, as the message box gives them.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// How a message reads: what became of something the player asked for, or why it failed.
enum class Tone { kInformation, kFailure };

// What a write to the adapter is, for the progress the front end shows while it runs.
enum class WriteKind : int {
  kSave = 1,
  kRestoreConfiguration = 2,
  kUpgradeFirmware = 3,
  kRestoreAll = 4,  // firmware and configuration
};

struct WriteResult {
  bool done = false;
  device::DeviceFailure failure;  // when not done
};

// What a flow needs from the front end that runs it: the manager's window or the command line. Texts are UTF-8
// and given exactly as the player is to see them; every call returns only once the player has answered or the
// work has ended.
class Host {
 public:
  virtual ~Host() = default;

  // Asks `text` under `title` with `buttons`; the answer (kAnswer*), or another code when the question was closed
  // without one of its buttons.
  virtual int Ask(std::string_view title, std::string_view text, Buttons buttons) = 0;
  virtual void Tell(std::string_view title, std::string_view text, Tone tone) = 0;

  // Writes `plan` to the adapter while the player sees its progress. Done only when the adapter took all of it and
  // it read back as written.
  virtual WriteResult RunWrite(const device::WritePlan& plan, WriteKind kind) = 0;
  // The adapter may hold something else than the image shows (a write failed half-way, or a restore replaced it):
  // read it again where the front end shows it.
  virtual void ReadAdapterAgain() = 0;

  // The file an import reads; nothing when the player cancels.
  virtual std::optional<std::string> ChooseFileToOpen(std::string_view title, model::ExchangeKind kind) = 0;
  // The file an export writes, offered as `suggested_name` (UTF-8) and ending in the kind's extension; the player
  // has agreed to replace it when it exists. Nothing when the player cancels.
  virtual std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view suggested_name,
                                                      model::ExchangeKind kind) = 0;
};

}  // namespace torvane::core
