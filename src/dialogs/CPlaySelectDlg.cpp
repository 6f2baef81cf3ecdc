#include "dialogs/CPlaySelectDlg.h"

#include "dialogs/CListCtrlUI.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "model/FlashImage.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "model/tables/TableMessages.h"
#include "toolkit/AttributeValues.h"
#include "toolkit/CEditUI.h"
#include "toolkit/NarrowText.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <string>

namespace torvane::dialogs {

namespace {

QString GameTitleOf(const model::ConfigRecord& record) {
  return QString::fromUtf8(model::GameTitle(record.game_id));
}

}  // namespace

CPlaySelectDlg::Result CPlaySelectDlg::Run(QWidget* owner, model::FlashImage& image) {
  CPlaySelectDlg dialog(image);
  if (!dialog.Create(owner, QStringLiteral("New Game"))) {
    qWarning("game selection not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    return {};
  }
  const int code = dialog.ShowModal();
  return {code, dialog.GetResultGameId()};
}

CPlaySelectDlg::CPlaySelectDlg(model::FlashImage& image) : image_(image), host_(image.config.host) {}

CPlaySelectDlg::~CPlaySelectDlg() = default;

QString CPlaySelectDlg::GetWindowClassName() const {
  return QStringLiteral("PlaySelectDlg");
}

QString CPlaySelectDlg::GetSkinFile() const {
  return QStringLiteral("play_list_dlg.xml");
}

toolkit::CControlUI* CPlaySelectDlg::CreateControl(const QString& element_name) {
  if (toolkit::NameIs(element_name, u"ListCtrl")) return new CListCtrlUI(&GetPaintManager());
  return nullptr;
}

void CPlaySelectDlg::InitWindow() {
  list_ = FindControl<CListCtrlUI>(u"listctrl");
  name_ = FindControl<toolkit::CEditUI>(u"editNewPlayName");
  // The field's own text is its value; its caption names it.
  if (name_) name_->GetLineEdit()->setAccessibleName(QStringLiteral("Name"));
  if (!list_) return;
  for (const model::ConfigRecord& record : model::Catalogue(host_)) {
    ConfigItemEntry entry;
    entry.file_name = GameTitleOf(record);
    entry.logo_image = QString::fromUtf8(model::GameImage(record.game_id));
    list_->AddConfigItem(entry);
  }
}

void CPlaySelectDlg::Notify(toolkit::TNotifyUI& msg) {
  // Everything goes on to the default handling afterwards; a close here comes first and wins.
  const int selected = list_ ? list_->GetCurSel() : -1;
  if (msg.Is(toolkit::notify::kClick)) {
    if (msg.sender_name == u"btnOk") {
      if (selected < 0) {
        Close(kIdCancel);
      } else {
        CreateConfig(selected);
      }
    } else if (msg.sender_name == u"closebtn") {
      Close(kIdCancel);
    }
  } else if (msg.Is(toolkit::notify::kItemSelect) && msg.sender.data() == list_) {
    const auto games = model::Catalogue(host_);
    if (selected >= 0 && static_cast<std::size_t>(selected) < games.size() && name_) {
      name_->SetText(GameTitleOf(games[static_cast<std::size_t>(selected)]));
    }
  } else if (msg.Is(toolkit::notify::kItemActivate) && msg.sender_user_data == CListCtrlUI::kConfigItemData) {
    if (selected >= 0) CreateConfig(selected);
  }
}

bool CPlaySelectDlg::MessageFilter(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Close(kIdCancel);
    return true;
  }
  return false;
}

void CPlaySelectDlg::Warn(const QString& title, std::string_view text) {
  ShowMessageBox(title, this, QString::fromUtf8(text), kMbOk);
}

void CPlaySelectDlg::CreateConfig(int index) {
  const auto games = model::Catalogue(host_);
  if (index < 0 || static_cast<std::size_t>(index) >= games.size()) return;
  model::ConfigBlock& block = image_.config;

  // Names are stored in the player's code page. The record's name field holds 39 bytes: a name whose narrow
  // text is longer loses whole characters at the end, and the checks below see the name as it will be stored.
  const QString typed = name_ ? name_->GetText() : QString();
  const std::string narrow = toolkit::EncodeNarrow(typed);
  const std::string name(model::CutName(narrow, kNameChars, model::kConfigNameSize - 1));
  if (name.empty()) return Warn(QStringLiteral("Invalid Name "), model::kMsgBlankGameName);
  if (model::FindConfigIndex(block, name, host_) >= 0) {
    return Warn(QStringLiteral("Warning "), model::kMsgDuplicateGame);
  }

  model::ConfigRecord record = games[static_cast<std::size_t>(index)];
  model::StoreName(record.name, name, kNameChars);
  record.hotkey = model::PickFreeHotkey(block, record);
  const std::uint32_t color = model::PickFreeColor(block, host_);
  if (color == 0) return Warn(QStringLiteral("Warning"), model::kMsgNoUsefulColor);
  record.color = color;
  if (!model::AddConfig(image_, record, model::DefaultResponseRecord(record.curve_id))) {
    return Warn(QStringLiteral("Warning"), model::kMsgMaxGameNumber);
  }
  result_game_id_ = record.game_id;
  Close(kIdOk);
}

}  // namespace torvane::dialogs
