#include "editor/exchange/FileDialogs.h"

#include "editor/exchange/QtFileDialogs.h"

namespace torvane::editor {

namespace {

FileDialogs* replacement = nullptr;

}  // namespace

FileDialogs& FileDialogs::Current() {
  static QtFileDialogs desktop;
  return replacement ? *replacement : desktop;
}

FileDialogs* FileDialogs::Replace(FileDialogs* dialogs) {
  FileDialogs* previous = replacement;
  replacement = dialogs;
  return previous;
}

}  // namespace torvane::editor
