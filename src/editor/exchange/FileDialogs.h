#pragma once

#include <QString>

#include <optional>

#include "model/exchange/ExchangeFiles.h"

class QWidget;

namespace torvane::editor {

// Where the player picks an exchange file to read or to write. The program uses the desktop's dialogs; a test
// puts in place answers of its own.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // An existing file of `kind`, or nothing when the player cancels.
  virtual std::optional<QString> ChooseOpen(QWidget* owner, const QString& title, model::ExchangeKind kind) = 0;
  // The file to write, offered as `suggested_name` and ending in the kind's extension; the player has agreed to
  // replace it when it exists. Nothing when the player cancels.
  virtual std::optional<QString> ChooseSave(QWidget* owner, const QString& title, const QString& suggested_name,
                                            model::ExchangeKind kind) = 0;

  // The dialogs the exchange flows use: the desktop's unless others were put in place.
  static FileDialogs& Current();
  // Puts `dialogs` in place (nullptr: the desktop's again) and returns the ones it replaces.
  static FileDialogs* Replace(FileDialogs* dialogs);
};

}  // namespace torvane::editor
