#include "model/exchange/ExchangeMessages.h"

#include <cstdio>

#include "model/FlashRegions.h"
#include "model/keys/KeyName.h"

namespace torvane::model {

namespace {

std::string ExportFailedText(int code, int system_error) {
  char text[128];
  std::snprintf(text, sizeof text, kMsgExportFailed, code, system_error);
  return text;
}

std::string ImportFailedText(int code, int system_error) {
  char text[128];
  std::snprintf(text, sizeof text, kMsgImportFailed, code, system_error);
  return text;
}

}  // namespace

std::string_view ImportTitle(ExchangeKind kind) {
  switch (kind) {
    case ExchangeKind::kConfig:
      return kTitleImportConfig;
    case ExchangeKind::kMacro:
      return kTitleImportMacro;
    case ExchangeKind::kCurve:
      return kTitleImportCurve;
  }
  return {};
}

std::string_view ExportTitle(ExchangeKind kind) {
  switch (kind) {
    case ExchangeKind::kConfig:
      return kTitleExportConfig;
    case ExchangeKind::kMacro:
      return kTitleExportMacro;
    case ExchangeKind::kCurve:
      return kTitleExportCurve;
  }
  return {};
}

std::string ExportMessage(int write_result, int system_error) {
  if (write_result == kFileDone) return kMsgExportSuccess;
  if (write_result < 0) return ExportFailedText(write_result, system_error);
  return {};
}

std::string ReadFailureMessage(ExchangeKind kind, int read_result, int system_error) {
  if (read_result >= 0) return {};
  if (read_result == kFileWrongSize && kind != ExchangeKind::kCurve) return kMsgIncompatibleVersion;
  return ImportFailedText(read_result, system_error);
}

std::string ImportMessage(ExchangeKind kind, ExchangeResult result) {
  switch (result) {
    case ExchangeResult::kOk:
    case ExchangeResult::kIgnored:
    case ExchangeResult::kDeclined:
      return {};
    case ExchangeResult::kWrongSize:
      return ReadFailureMessage(kind, kFileWrongSize, 0);
    case ExchangeResult::kVerifyFailed:
      return kMsgVerifyFailed;
    case ExchangeResult::kWrongConsole:
      return kMsgWrongConsole;
    case ExchangeResult::kDuplicateConfig:
      return std::string(kMsgDuplicateGame);
    case ExchangeResult::kDuplicateMacro:
      return std::string(kMsgDuplicateMacro);
    case ExchangeResult::kNeedsNewerManager:
      return kMsgNeedsNewerManager;
    case ExchangeResult::kNoFreeColor:
      return std::string(kMsgNoUsefulColor);
    case ExchangeResult::kConfigTableFull:
      return std::string(kMsgMaxGameNumber);
    case ExchangeResult::kMacroTableFull: {
      char text[64];
      std::snprintf(text, sizeof text, kMsgMacrosExceedFormat, static_cast<int>(kMaxMacros));
      return text;
    }
  }
  return {};
}

std::string OccupiedKeyQuestion(std::uint8_t key_code) {
  const std::string name(KeyName(key_code));
  char text[128];
  std::snprintf(text, sizeof text, kMsgKeyOccupied, name.c_str());
  return text;
}

std::string ReplaceFileQuestion(std::string_view file_name) {
  return "\n" + std::string(file_name) + " already exists.\nDo you want to replace it?";
}

}  // namespace torvane::model
