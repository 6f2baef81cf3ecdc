#pragma once

#include "toolkit/WindowImplBase.h"

namespace torvane::model {
struct FlashImage;
}

namespace torvane::toolkit {
class CEditUI;
}

namespace torvane::dialogs {

class CListCtrlUI;

// The "New Game" dialog: the catalogue games of the console the adapter serves now (byte 4 of the configuration
// block) as cards; choosing one puts its title into the name field, and "Ok" (or activating a card) adds a
// configuration copied from the game's catalogue record under the typed name, with a free hot key and colour.
// The dialog closes with 1 when a configuration was added (GetResultGameId then names its game); "closebtn",
// "Ok" with no game chosen and Escape close it with 2, the system's close command with 0. A refused name keeps
// the dialog open and the table unchanged.
//
// The dialog works on the caller's flash image for one modal run and keeps no reference to it afterwards: run
// it through Run, or destroy it when its modal run ends.
class CPlaySelectDlg : public toolkit::WindowImplBase {
 public:
  static constexpr int kNameChars = 39;

  struct Result {
    int code = 0;
    int game_id = -1;
  };
  // Builds the dialog over `owner`, runs it modally on `image` and returns how it ended.
  static Result Run(QWidget* owner, model::FlashImage& image);

  explicit CPlaySelectDlg(model::FlashImage& image);
  ~CPlaySelectDlg() override;

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  toolkit::CControlUI* CreateControl(const QString& element_name) override;
  void Notify(toolkit::TNotifyUI& msg) override;
  bool MessageFilter(QKeyEvent* event) override;

  // The game id of the added configuration; -1 until one is added.
  int GetResultGameId() const { return result_game_id_; }
  CListCtrlUI* GetList() const { return list_; }

 private:
  // Adds a configuration for catalogue record `index` under the name in the field, or says why not.
  void CreateConfig(int index);
  void Warn(const QString& title, std::string_view text);

  model::FlashImage& image_;
  int host_;
  CListCtrlUI* list_ = nullptr;
  toolkit::CEditUI* name_ = nullptr;
  int result_game_id_ = -1;
};

}  // namespace torvane::dialogs
