#include "dialogs/CListCtrlUI.h"
#include "dialogs/CPlaySelectDlg.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/TableFixtures.h"
#include "support/TestSkin.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CListContainerElementUI.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace torvane::dialogs {
namespace {

using model::fixtures::Append;
using model::fixtures::MakeRecord;
using model::fixtures::NameOf;
using toolkit::WindowImplBase;

// The dialog left open by an action ends with this, so a test never hangs in the modal loop.
constexpr int kLeftOpen = 99;

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class PlaySelectDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::InstallTestSkin();
    MessageBoxAnswers::Reset();
  }
  void TearDown() override { MessageBoxAnswers::Reset(); }

  // Runs the dialog on the image with `action` once it is on screen; the dialog's result.
  int Run(const std::function<void(CPlaySelectDlg&)>& action) {
    CPlaySelectDlg dialog(*image);
    EXPECT_TRUE(dialog.Create(nullptr, "New Game")) << dialog.GetBuildError().toStdString();
    testing::WhenModal([&](WindowImplBase&) {
      action(dialog);
      if (dialog.isVisible()) dialog.Close(kLeftOpen);
    });
    const int code = dialog.ShowModal();
    game_id = dialog.GetResultGameId();
    return code;
  }
  static toolkit::CListContainerElementUI* Card(CPlaySelectDlg& dialog, int index) {
    return dynamic_cast<toolkit::CListContainerElementUI*>(dialog.GetList()->GetItemAt(index));
  }
  static toolkit::CEditUI* NameField(CPlaySelectDlg& dialog) {
    return dialog.FindControl<toolkit::CEditUI>(u"editNewPlayName");
  }
  // Picks card `index`, enters `name` over the field's text as typing would, and presses "Ok".
  static void ChooseAndName(CPlaySelectDlg& dialog, int index, const QString& name) {
    QTest::mouseClick(Card(dialog, index), Qt::LeftButton);
    QLineEdit* field = NameField(dialog)->GetLineEdit();
    field->selectAll();
    field->insert(name);
    testing::ClickShown(dialog, "btnOk");
  }

  std::unique_ptr<model::FlashImage> image = model::fixtures::MakeDefaultImage();
  int game_id = -2;
};

TEST_F(PlaySelectDlgTest, ListsTheCatalogueGamesOfTheCurrentConsoleInOrder) {
  for (int host = 0; host < model::kHostCount + 1; ++host) {
    image->config.host = static_cast<std::uint8_t>(host);
    CPlaySelectDlg dialog(*image);
    ASSERT_TRUE(dialog.Create(nullptr, "New Game"));
    const auto games = model::Catalogue(host);
    ASSERT_EQ(dialog.GetList()->GetCount(), static_cast<int>(games.size())) << host;
    for (std::size_t i = 0; i < games.size(); ++i) {
      toolkit::CControlUI* card = dialog.GetList()->GetItemAt(static_cast<int>(i));
      EXPECT_EQ(card->findChild<toolkit::CControlUI*>("filename")->GetText(), Utf8(model::GameTitle(games[i].game_id)));
      EXPECT_EQ(card->findChild<toolkit::CControlUI*>("logo")->GetBkImage(), Utf8(model::GameImage(games[i].game_id)));
      EXPECT_EQ(card->findChild<toolkit::CControlUI*>("description")->GetText(), "");
      EXPECT_FALSE(card->findChild<toolkit::CControlUI*>("color")->IsVisible());
    }
  }
}

TEST_F(PlaySelectDlgTest, AChosenGameIsAddedUnderTheTypedNameWithAFreeHotkeyAndColour) {
  Append(*image, MakeRecord("Other", model::kHostPS4));
  image->config.records[0].color = model::kConfigColors[0];
  const model::ConfigRecord& source = model::Catalogue(model::kHostPS4)[1];
  model::ConfigRecord expected = source;
  model::StoreName(expected.name, "My Apex", 39);
  expected.hotkey = model::PickFreeHotkey(image->config, source);
  expected.color = model::kConfigColors[1];
  QString shown_title;
  const int code = Run([&](CPlaySelectDlg& dialog) {
    QTest::mouseClick(Card(dialog, 1), Qt::LeftButton);
    shown_title = NameField(dialog)->GetText();
    ChooseAndName(dialog, 1, "My Apex");
  });
  EXPECT_EQ(code, kIdOk);
  EXPECT_EQ(shown_title, Utf8(model::GameTitle(source.game_id)));
  EXPECT_EQ(game_id, source.game_id);
  ASSERT_EQ(image->config.count, 2);

  EXPECT_EQ(std::memcmp(&image->config.records[1], &expected, sizeof expected), 0);
  const model::ResponseRecord* response = model::DefaultResponseRecord(source.curve_id);
  ASSERT_NE(response, nullptr);
  EXPECT_EQ(std::memcmp(&image->response.records[1], response, sizeof *response), 0);
}

TEST_F(PlaySelectDlgTest, RefusedNamesShowTheirMessageAndKeepTheDialogOpenAndTheTableUnchanged) {
  const QString long_name = QString(45, u'L');
  struct Case {
    const char* what;
    QString name;
    std::string existing;
    int existing_host;
    QString title;
    std::string_view text;
  };
  const Case cases[] = {
      {"empty", "", "", 0, "Invalid Name ", "Game name cannot be blank."},
      {"duplicate", "Apex", "Apex", model::kHostPS4, "Warning ", "\nA game with the same name is already in list."},
      // The field takes 39 characters, so a longer name is compared as it will be stored.
      {"duplicate once cut", long_name, std::string(39, 'L'), model::kHostPS4, "Warning ",
       "\nA game with the same name is already in list."},
  };
  for (const Case& c : cases) {
    image = model::fixtures::MakeDefaultImage();
    if (!c.existing.empty()) Append(*image, MakeRecord(c.existing, c.existing_host));
    const auto before = image->config.count;
    MessageBoxAnswers::SetNextAnswer(kIdOk);
    bool open_after = false;
    EXPECT_EQ(Run([&](CPlaySelectDlg& dialog) {
                ChooseAndName(dialog, 0, c.name);
                open_after = dialog.isVisible();
              }),
              kLeftOpen)
        << c.what;
    EXPECT_TRUE(open_after) << c.what;
    EXPECT_EQ(image->config.count, before) << c.what;
    ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1) << c.what;
    EXPECT_EQ(MessageBoxAnswers::Shown()[0].title, c.title) << c.what;
    EXPECT_EQ(MessageBoxAnswers::Shown()[0].text, Utf8(c.text)) << c.what;
    MessageBoxAnswers::Reset();
  }
}

TEST_F(PlaySelectDlgTest, LongNamesAreCutAndNamesOfOtherConsolesAreFree) {
  Append(*image, MakeRecord("Apex", model::kHostXboxOne));
  EXPECT_EQ(Run([](CPlaySelectDlg& dialog) { ChooseAndName(dialog, 0, "Apex"); }), kIdOk);
  // Names are stored in the code page (Windows-1252 here): one byte a character, cut to 39 characters; a
  // character the code page lacks becomes '?'.
  EXPECT_EQ(Run([](CPlaySelectDlg& dialog) { ChooseAndName(dialog, 0, QString(45, QChar(0xE9))); }), kIdOk);
  EXPECT_EQ(Run([](CPlaySelectDlg& dialog) { ChooseAndName(dialog, 0, QStringLiteral("Caf\u00e9 \u4e2d")); }), kIdOk);
  ASSERT_EQ(image->config.count, 4);
  EXPECT_EQ(NameOf(image->config, 1), "Apex");
  EXPECT_EQ(NameOf(image->config, 2), std::string(39, '\xE9'));
  EXPECT_EQ(NameOf(image->config, 3), "Caf\xE9 ?");
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

TEST_F(PlaySelectDlgTest, AFullTableOrPaletteRefusesTheNewConfiguration) {
  struct Case {
    int hosts_with_other_console;  // of the 16 records, how many belong to another console
    QString title;
    std::string_view text;
  };
  const Case cases[] = {{0, "Warning", "no useful color."}, {1, "Warning", " max game number 32 !"}};
  for (const Case& c : cases) {
    image = model::fixtures::MakeDefaultImage();
    for (int i = 0; i < 16; ++i) {
      const int host = i < c.hosts_with_other_console ? model::kHostPS3 : model::kHostPS4;
      Append(*image, MakeRecord("Game " + std::to_string(i), host));
      image->config.records[static_cast<std::size_t>(i)].color = model::kConfigColors[static_cast<std::size_t>(i)];
    }
    MessageBoxAnswers::SetNextAnswer(kIdOk);
    EXPECT_EQ(Run([](CPlaySelectDlg& dialog) { ChooseAndName(dialog, 0, "New one"); }), kLeftOpen);
    EXPECT_EQ(image->config.count, 16);
    ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
    EXPECT_EQ(MessageBoxAnswers::Shown()[0].title, c.title);
    EXPECT_EQ(MessageBoxAnswers::Shown()[0].text, Utf8(c.text));
    MessageBoxAnswers::Reset();
  }
}

TEST_F(PlaySelectDlgTest, DoubleClickingAGameCreatesItAtOnceUnderItsTitle) {
  const model::ConfigRecord& source = model::Catalogue(model::kHostPS4)[5];
  testing::WhenModal([](WindowImplBase& window) {
    QTest::mouseDClick(Card(dynamic_cast<CPlaySelectDlg&>(window), 5), Qt::LeftButton);
  });
  const CPlaySelectDlg::Result result = CPlaySelectDlg::Run(nullptr, *image);
  EXPECT_EQ(result.code, kIdOk);
  EXPECT_EQ(result.game_id, source.game_id);
  ASSERT_EQ(image->config.count, 1);
  EXPECT_EQ(Utf8(NameOf(image->config, 0)), Utf8(model::GameTitle(source.game_id)));
}

TEST_F(PlaySelectDlgTest, TheKeyboardAloneChoosesNamesAndCreates) {
  image->config.host = model::kHostSwitch;
  QStringList focus_chain;
  const int code = Run([&](CPlaySelectDlg& dialog) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Tab);  // the title's close button
    focus_chain << QApplication::focusWidget()->objectName();
    QAccessibleInterface* close = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    focus_chain << close->text(QAccessible::Name) + (close->role() == QAccessible::Button ? " button" : "");
    focus_chain << QAccessible::queryAccessibleInterface(NameField(dialog)->GetLineEdit())->text(QAccessible::Name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the game list
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    focus_chain << QString::number(dialog.GetList()->GetCurSel());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the name field, holding the game's title
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), " 2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // "Ok"
    focus_chain << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  });
  EXPECT_EQ(focus_chain, QStringList({"closebtn", "Close button", "Name", "3", "btnOk"}));
  EXPECT_EQ(code, kIdOk);
  const model::ConfigRecord& source = model::Catalogue(model::kHostSwitch)[3];
  ASSERT_EQ(image->config.count, 1);
  EXPECT_EQ(Utf8(NameOf(image->config, 0)), Utf8(model::GameTitle(source.game_id)) + " 2");
}

TEST_F(PlaySelectDlgTest, EveryOtherWayOutEndsWithoutAConfiguration) {
  struct Case {
    const char* what;
    std::function<void(CPlaySelectDlg&)> action;
    int code;
  };
  const Case cases[] = {
      {"Ok with no game chosen", [](CPlaySelectDlg& d) { testing::ClickShown(d, "btnOk"); }, kIdCancel},
      {"close button", [](CPlaySelectDlg& d) { testing::ClickShown(d, "closebtn"); }, kIdCancel},
      {"Escape", [](CPlaySelectDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, kIdCancel},
      {"system close", [](CPlaySelectDlg& d) { d.close(); }, WindowImplBase::kSystemCloseCode},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.action), c.code) << c.what;
    EXPECT_EQ(game_id, -1) << c.what;
  }
  EXPECT_EQ(image->config.count, 0);
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

}  // namespace
}  // namespace torvane::dialogs
