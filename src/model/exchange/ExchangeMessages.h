#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/exchange/ExchangeFiles.h"
#include "model/exchange/ExchangeResult.h"
#include "model/tables/TableMessages.h"  // the table refusals an import meets

namespace torvane::model {

// Message box titles.
inline constexpr char kTitleExportConfig[] = "Export Configuration";
inline constexpr char kTitleImportConfig[] = "Import Configuration";
inline constexpr char kTitleExportMacro[] = "Export Macro";
inline constexpr char kTitleImportMacro[] = "Import Macro";
inline constexpr char kTitleExportCurve[] = "Export Curve";
inline constexpr char kTitleImportCurve[] = "Import Curve";

// Message texts, exactly as the player sees them.
inline constexpr char kMsgExportSuccess[] = "\nExport successfully!!";
inline constexpr char kMsgExportFailed[] = "\nFailed to export file!\n[Error Code:%d,%d]";
inline constexpr char kMsgImportFailed[] = "\nFailed to import file!\n[Error Code:%d,%d]";
inline constexpr char kMsgIncompatibleVersion[] = "\nFailed to import file!\r\n[Error:  Incompatible version]";
inline constexpr char kMsgVerifyFailed[] = "\nFailed to verify file!";
inline constexpr char kMsgWrongConsole[] = "\nWrong console!";
inline constexpr char kMsgNeedsNewerManager[] = "Failed to import!\r\n\r\nTry a higher version of Torvane Manager!";
inline constexpr char kMsgKeyOccupied[] = "The [%s] has been occupied!\r\nAre you sure?";

// Result codes of reading and writing an exchange file.
inline constexpr int kFileDone = 0;
inline constexpr int kFileCancelled = 1;
inline constexpr int kFileOpenFailed = -1;
inline constexpr int kFileWrongSize = -2;  // read: size differs; write: the write failed
inline constexpr int kFileShort = -3;

std::string_view ImportTitle(ExchangeKind kind);
std::string_view ExportTitle(ExchangeKind kind);

// After writing: success, the error code message, or nothing (cancelled).
// A file image that could not be built is reported as code -1.
std::string ExportMessage(int write_result, int system_error);
// After reading: nothing for success or cancel; a wrong size of a
// configuration or macro file names the incompatible version, every other
// failure gives its codes.
std::string ReadFailureMessage(ExchangeKind kind, int read_result, int system_error);
// The message of an import outcome; empty for the silent ones.
std::string ImportMessage(ExchangeKind kind, ExchangeResult result);
// The question asked before taking over a key that is in use.
std::string OccupiedKeyQuestion(std::uint8_t key_code);
// The question asked before an export replaces the file called `file_name`.
std::string ReplaceFileQuestion(std::string_view file_name);

}  // namespace torvane::model
