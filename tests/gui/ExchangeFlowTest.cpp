// Configuration, macro and curve files: written and read back through the flows as the player drives them, every
// refusal with its message and the image untouched, and files made to hurt that are mended or refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "dialogs/CListCtrlUI.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "editor/exchange/CurveExchangeFlow.h"
#include "editor/exchange/MacroExchangeFlow.h"
#include "editor/exchange/QtFileDialogs.h"
#include "gui/support/AnsweredFileDialogs.h"
#include "gui/support/MainWindowFixture.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/CurveExchange.h"
#include "model/exchange/DigestField.h"
#include "model/exchange/MacroExchange.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/params/ResponseCurves.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "platform/NarrowText.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;
using model::ExchangeKind;
using Bytes = std::vector<std::uint8_t>;

const QString kExported = QStringLiteral("\nExport successfully!!");
const QString kIncompatible = QStringLiteral("\nFailed to import file!\r\n[Error:  Incompatible version]");
const QString kVerifyFailed = QStringLiteral("\nFailed to verify file!");
const QString kNeedsNewer = QStringLiteral("Failed to import!\r\n\r\nTry a higher version of Torvane Manager!");
const QString kWrongConsole = QStringLiteral("\nWrong console!");

template <std::size_t N>
void SetName(std::array<char, N>& field, std::string_view name) {
  field.fill('\0');
  std::memcpy(field.data(), name.data(), std::min(name.size(), N));
}

template <class T>
Bytes ToBytes(const T& file) {
  const auto bytes = model::BytesOf(file);
  return {bytes.begin(), bytes.end()};
}

template <class T>
T FromBytes(const Bytes& bytes) {
  T file{};
  std::memcpy(&file, bytes.data(), sizeof file);
  return file;
}

// The file image after an edit, with its digest made anew, as a file that was written that way would carry.
template <class T>
Bytes Restamped(T file) {
  Bytes bytes = ToBytes(file);
  EXPECT_TRUE(model::StampDigest(bytes, offsetof(T, digest)));
  return bytes;
}

class ExchangeFlowTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    ASSERT_TRUE(StartOnAdapterPage());
    window->ShowHomePage();
  }

  model::FlashImage& Image() { return *state.image; }
  int Host() { return Image().config.host; }
  // The PS4 start-up configuration that owns the scenario's macros.
  const model::ConfigRecord& Owner() { return Image().config.records[0]; }
  QString Path(const char* name) const { return QDir(folder_.path()).filePath(QString::fromLatin1(name)); }
  // Where the round trip leaves its files: the folder the digest script names, else the test's own.
  QString OutPath(const char* name) const {
    const QString out = qEnvironmentVariable("TORVANE_EXCHANGE_OUT");
    return out.isEmpty() ? Path(name) : QDir(out).filePath(QString::fromLatin1(name));
  }
  static Bytes Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
  }
  static void Write(const QString& path, const Bytes& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
  // The regions an import may change, as bytes.
  Bytes Regions() {
    Bytes bytes = ToBytes(Image().config);
    for (const Bytes& more : {ToBytes(Image().macro), ToBytes(Image().response)}) {
      bytes.insert(bytes.end(), more.begin(), more.end());
    }
    return bytes;
  }
  static QStringList ShownTexts() {
    QStringList texts;
    for (const dialogs::ShownMessageBox& box : MessageBoxAnswers::Shown()) texts << box.text;
    return texts;
  }
  // Enough answers for every box a flow may show; `first` answers the first one (Yes goes on past a question).
  static void Answer(int first = dialogs::kIdYes) {
    MessageBoxAnswers::Reset();
    MessageBoxAnswers::SetNextAnswer(first);
    for (int i = 0; i < 3; ++i) MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  }
  // Runs the kind's import of the file at `path` (nothing: cancelled); true when the flow reports success.
  bool Import(ExchangeKind kind, std::optional<QString> path) {
    dialogs_.Answer(std::move(path));
    switch (kind) {
      case ExchangeKind::kConfig: {
        const std::size_t before = Image().config.count;
        Click(u"btnImportConfig");
        return Image().config.count > before;
      }
      case ExchangeKind::kMacro:
        return editor::ImportMacro(*window, Owner());
      case ExchangeKind::kCurve:
        return editor::ImportCurves(window.get()).has_value();
    }
    return false;
  }
  model::ConfigRecord NewConfig(const char* name) {
    model::ConfigRecord record = model::Catalogue(Host()).front();
    SetName(record.name, name);
    record.hotkey = 0;
    return record;
  }
  model::MacroRecord NewMacro(const char* name) {
    model::MacroRecord macro = Image().macro.records[0];
    SetName(macro.macro_name, name);
    macro.macro_hotkey = 0;
    return macro;
  }

  QTemporaryDir folder_;
  AnsweredFileDialogs dialogs_;
};

TEST_F(ExchangeFlowTest, FilesRoundTripByteExactly) {
  // A macro of the first configuration, out and back in after it was deleted.
  const model::MacroRecord macro = Image().macro.records[0];
  dialogs_.Answer(OutPath("macro.vqm"));
  Answer();
  ASSERT_TRUE(editor::ExportMacro(*window, 0));
  EXPECT_EQ(ShownTexts(), QStringList{kExported});
  EXPECT_EQ(dialogs_.asked.back().title, QStringLiteral("Export Macro"));
  EXPECT_EQ(dialogs_.asked.back().suggested_name, platform::DecodeNarrow(model::SuggestedMacroFileName(macro)));
  EXPECT_EQ(Read(OutPath("macro.vqm")), ToBytes(*model::BuildMacroFile(macro)));
  ASSERT_TRUE(model::DeleteMacro(Image().macro, macro.host, model::ReadName(macro.macro_name),
                                 model::ReadName(macro.owner_name)));
  Answer();
  ASSERT_TRUE(Import(ExchangeKind::kMacro, OutPath("macro.vqm")));
  EXPECT_EQ(ShownTexts(), QStringList{});
  EXPECT_EQ(ToBytes(Image().macro.records[model::UsedMacroCount(Image().macro) - 1]), ToBytes(macro));

  // Both charts of the first configuration.
  editor::CurveCharts charts{};
  for (std::size_t i = 0; i < model::kCurvePoints; ++i) {
    charts.hip[i] = static_cast<std::uint8_t>(model::kCurveMax - Owner().hip_curve[i]);
    charts.ads[i] = static_cast<std::uint8_t>(i * 7);
  }
  dialogs_.Answer(OutPath("curve.vql"));
  Answer();
  ASSERT_TRUE(editor::ExportCurves(window.get(), Owner(), charts));
  EXPECT_EQ(dialogs_.asked.back().suggested_name, platform::DecodeNarrow(model::SuggestedCurveFileName(Owner())));
  dialogs_.Answer(OutPath("curve.vql"));
  const std::optional<editor::CurveCharts> back = editor::ImportCurves(window.get());
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->hip, charts.hip);
  EXPECT_EQ(back->ads, charts.ads);

  // The first configuration, from the list's own buttons; it comes back with a hot key and colour of its own.
  ASSERT_TRUE(window->home().List()->SelectItem(0));
  const model::ConfigRecord config = Owner();
  dialogs_.Answer(OutPath("config.vqc"));
  Answer();
  Click(u"btnExportConfig");
  EXPECT_EQ(ShownTexts(), QStringList{kExported});
  EXPECT_EQ(dialogs_.asked.back().title, QStringLiteral("Export Configuration"));
  EXPECT_EQ(dialogs_.asked.back().suggested_name, platform::DecodeNarrow(model::SuggestedConfigFileName(config)));
  EXPECT_EQ(Read(OutPath("config.vqc")), ToBytes(*model::BuildConfigFile(config)));
  window->MarkUnsaved(0);
  model::DeleteConfigWithMacros(Image(), Host(), model::ReadName(config.name));
  Answer();
  ASSERT_TRUE(Import(ExchangeKind::kConfig, OutPath("config.vqc")));
  const int slot = model::FindConfigIndex(Image().config, model::ReadName(config.name), Host());
  ASSERT_GE(slot, 0);
  model::ConfigRecord imported = Image().config.records[static_cast<std::size_t>(slot)];
  EXPECT_FALSE(imported.is_startup());
  imported.hotkey = config.hotkey;
  imported.color = config.color;
  imported.set_startup(config.is_startup());
  EXPECT_EQ(ToBytes(imported), ToBytes(config));
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig | model::kUnsavedResponse);
  EXPECT_EQ(window->home().List()->GetCurSel(), -1);
}

// A refusal shows its message and nothing else, and leaves the image and its unsaved marks as they were.
TEST_F(ExchangeFlowTest, EveryRefusalTellsItsReasonAndChangesNothing) {
  const model::ConfigRecord config = NewConfig("Imported");
  const Bytes good_config = ToBytes(*model::BuildConfigFile(config));
  const model::MacroRecord macro = NewMacro("Imported");
  const Bytes good_macro = ToBytes(*model::BuildMacroFile(macro));
  const Bytes good_curve = ToBytes(*model::BuildCurveFile({}, {}));
  const std::uint8_t global_key = Image().config.global_hotkeys[0];
  const int other_host = (Host() + 1) % model::kHostCount;
  auto flipped = [](Bytes bytes, std::size_t at) {
    bytes[at] ^= 0x01;
    return bytes;
  };

  struct Refusal {
    const char* what;
    ExchangeKind kind;
    std::function<Bytes()> file;  // empty bytes: no file at all
    int first_answer;
    QStringList shown;  // a null text stands for the occupied-key question
  };
  const std::vector<Refusal> refusals{
      {"config 863 bytes",
       ExchangeKind::kConfig,
       [&] { return Bytes(good_config.begin(), good_config.end() - 1); },
       dialogs::kIdOk,
       {kIncompatible}},
      {"config 865 bytes",
       ExchangeKind::kConfig,
       [&] {
         Bytes b = good_config;
         b.push_back(0);
         return b;
       },
       dialogs::kIdOk,
       {kIncompatible}},
      {"config version byte flipped",
       ExchangeKind::kConfig,
       [&] { return flipped(good_config, 0); },
       dialogs::kIdOk,
       {kVerifyFailed}},
      {"config format 2.0.1",
       ExchangeKind::kConfig,
       [&] {
         auto file = FromBytes<model::ConfigFile>(good_config);
         file.config_format_version = {2, 0, 1};
         return Restamped(file);
       },
       dialogs::kIdOk,
       {kNeedsNewer}},
      {"config of another console",
       ExchangeKind::kConfig,
       [&] {
         model::ConfigRecord other = config;
         other.set_host_type(other_host);
         return ToBytes(*model::BuildConfigFile(other));
       },
       dialogs::kIdOk,
       {kWrongConsole}},
      {"config console bits 7",
       ExchangeKind::kConfig,
       [&] {
         model::ConfigRecord other = config;
         other.set_host_type(7);
         return ToBytes(*model::BuildConfigFile(other));
       },
       dialogs::kIdOk,
       {kWrongConsole}},
      {"config name taken",
       ExchangeKind::kConfig,
       [&] {
         model::ConfigRecord same = config;
         SetName(same.name, model::ReadName(Owner().name));
         return ToBytes(*model::BuildConfigFile(same));
       },
       dialogs::kIdOk,
       {QStringLiteral("\nA game with the same name is already in list.")}},
      {"config key occupied, answered No",
       ExchangeKind::kConfig,
       [&] {
         model::ConfigRecord taking = config;
         taking.mapping[0][0] = global_key;
         return ToBytes(*model::BuildConfigFile(taking));
       },
       dialogs::kIdNo,
       {QString()}},
      {"config file missing",
       ExchangeKind::kConfig,
       [] { return Bytes{}; },
       dialogs::kIdOk,
       {QStringLiteral("\nFailed to import file!\n[Error Code:-1,%1]").arg(ENOENT)}},
      {"macro 567 bytes",
       ExchangeKind::kMacro,
       [&] { return Bytes(good_macro.begin(), good_macro.end() - 1); },
       dialogs::kIdOk,
       {kIncompatible}},
      {"macro digest byte flipped",
       ExchangeKind::kMacro,
       [&] { return flipped(good_macro, 9); },
       dialogs::kIdOk,
       {kVerifyFailed}},
      {"macro format 1.10.1",
       ExchangeKind::kMacro,
       [&] {
         auto file = FromBytes<model::MacroFile>(good_macro);
         file.macro_format_version = {1, 10, 1};
         return Restamped(file);
       },
       dialogs::kIdOk,
       {kNeedsNewer}},
      {"macro of console 9",
       ExchangeKind::kMacro,
       [&] {
         model::MacroRecord other = macro;
         other.host = 9;
         return ToBytes(*model::BuildMacroFile(other));
       },
       dialogs::kIdOk,
       {kWrongConsole}},
      {"macro name taken",
       ExchangeKind::kMacro,
       [&] {
         model::MacroRecord same = macro;
         same.macro_name = Image().macro.records[0].macro_name;
         return ToBytes(*model::BuildMacroFile(same));
       },
       dialogs::kIdOk,
       {QStringLiteral("\nA macro with the same name is already in list.")}},
      {"macro hot key occupied, answered No",
       ExchangeKind::kMacro,
       [&] {
         model::MacroRecord taking = macro;
         taking.macro_hotkey = global_key;
         return ToBytes(*model::BuildMacroFile(taking));
       },
       dialogs::kIdNo,
       {QString()}},
      {"curve 60 bytes",
       ExchangeKind::kCurve,
       [&] { return Bytes(good_curve.begin(), good_curve.end() - 1); },
       dialogs::kIdOk,
       {QStringLiteral("\nFailed to import file!\n[Error Code:-2,0]")}},
      {"curve point flipped",
       ExchangeKind::kCurve,
       [&] { return flipped(good_curve, 30); },
       dialogs::kIdOk,
       {kVerifyFailed}},
      {"curve format 1.10.1",
       ExchangeKind::kCurve,
       [&] {
         auto file = FromBytes<model::CurveFile>(good_curve);
         file.curve_format_version = {1, 10, 1};
         return Restamped(file);
       },
       dialogs::kIdOk,
       {kNeedsNewer}},
  };

  const Bytes regions = Regions();
  const unsigned unsaved = window->unsaved_mask();
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.what);
    const QString path = Path(refusal.what);
    QFile::remove(path);
    if (const Bytes bytes = refusal.file(); !bytes.empty()) Write(path, bytes);
    Answer(refusal.first_answer);
    EXPECT_FALSE(Import(refusal.kind, path));
    const QList<dialogs::ShownMessageBox> shown = MessageBoxAnswers::Shown();
    ASSERT_EQ(shown.size(), refusal.shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
      if (refusal.shown[i].isNull()) {
        EXPECT_TRUE(shown[i].text.startsWith(u"The [") &&
                    shown[i].text.endsWith(u"] has been occupied!\r\nAre you sure?"))
            << shown[i].text.toStdString();
        EXPECT_EQ(shown[i].style, dialogs::kMbYesNo);
      } else {
        EXPECT_EQ(shown[i].text, refusal.shown[i]);
        EXPECT_EQ(shown[i].style, dialogs::kMbOk);
      }
      const char* title = refusal.kind == ExchangeKind::kConfig  ? "Import Configuration"
                          : refusal.kind == ExchangeKind::kMacro ? "Import Macro"
                                                                 : "Import Curve";
      EXPECT_EQ(shown[i].title, QString::fromLatin1(title));
    }
    EXPECT_EQ(Regions(), regions);
    EXPECT_EQ(window->unsaved_mask(), unsaved);
  }

  // Cancelled dialogs say nothing either.
  for (const ExchangeKind kind : {ExchangeKind::kConfig, ExchangeKind::kMacro, ExchangeKind::kCurve}) {
    Answer();
    EXPECT_FALSE(Import(kind, std::nullopt));
    EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
  }
  EXPECT_EQ(Regions(), regions);
}

// Files of the right size and digest made to hurt: whatever the editors would never store is mended on the way in
// (curve points above 200 are the model's to clamp; files for other consoles are among the refusals).
TEST_F(ExchangeFlowTest, HostileFilesAreMended) {
  model::ConfigRecord config = NewConfig("");
  config.name.fill('N');  // no terminator
  config.button_count = 255;
  Write(Path("hostile.vqc"), ToBytes(*model::BuildConfigFile(config)));
  Answer();
  ASSERT_TRUE(Import(ExchangeKind::kConfig, Path("hostile.vqc")));
  const int slot = model::FindConfigIndex(Image().config, std::string(model::kNewConfigNameChars, 'N'), Host());
  ASSERT_GE(slot, 0);
  EXPECT_EQ(Image().config.records[static_cast<std::size_t>(slot)].button_count, model::kMappingGroupSize);

  model::MacroRecord macro = NewMacro("");
  macro.macro_name.fill('M');  // no terminator
  macro.step_count = 255;
  macro.trigger_mode = 200;
  for (model::MacroStep& step : macro.steps) step.hold_time = 0;
  Write(Path("hostile.vqm"), ToBytes(*model::BuildMacroFile(macro)));
  Answer();
  ASSERT_TRUE(Import(ExchangeKind::kMacro, Path("hostile.vqm")));
  const model::MacroRecord& mended = Image().macro.records[model::UsedMacroCount(Image().macro) - 1];
  EXPECT_EQ(model::ReadName(mended.macro_name), std::string(model::kMacroNameChars, 'M'));
  EXPECT_EQ(mended.step_count, model::kMacroSteps);
  EXPECT_EQ(mended.trigger_mode, 0);
  for (const model::MacroStep& step : mended.steps) EXPECT_EQ(step.hold_time.get(), model::kMinHoldTime);

  // Steps past the count carry nothing once imported.
  macro = NewMacro("Short");
  macro.step_count = 2;
  macro.steps[40].buttons.fill(9);
  macro.steps[40].hold_time = 500;
  Write(Path("short.vqm"), ToBytes(*model::BuildMacroFile(macro)));
  Answer();
  ASSERT_TRUE(Import(ExchangeKind::kMacro, Path("short.vqm")));
  const model::MacroRecord& short_macro = Image().macro.records[model::UsedMacroCount(Image().macro) - 1];
  EXPECT_EQ(short_macro.step_count, 2);
  EXPECT_EQ(ToBytes(short_macro.steps[40]), Bytes(sizeof(model::MacroStep), 0));
}

// A write that cannot finish names its codes and leaves what the file held before.
TEST_F(ExchangeFlowTest, FailedExportsKeepTheOldFile) {
  ASSERT_TRUE(window->home().List()->SelectItem(0));
  dialogs_.Answer(Path("no such folder/config.vqc"));
  Answer();
  Click(u"btnExportConfig");
  EXPECT_EQ(ShownTexts(), QStringList{QStringLiteral("\nFailed to export file!\n[Error Code:-1,%1]").arg(ENOENT)});

  // A file size limit below the image's stands in for a full disk: the write fails part way.
  const Bytes old{'o', 'l', 'd'};
  Write(Path("full.vqc"), old);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  dialogs_.Answer(Path("full.vqc"));
  Answer();
  Click(u"btnExportConfig");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(ShownTexts(), QStringList{QStringLiteral("\nFailed to export file!\n[Error Code:-2,%1]").arg(EFBIG)});
  EXPECT_EQ(Read(Path("full.vqc")), old);
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("full.vqc")});
}

TEST(QtFileDialogsTest, NamesEndInTheKindsExtensionAndTheLastFolderIsRemembered) {
  using editor::QtFileDialogs;
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {
      {"/f/Race(PS4)", "/f/Race(PS4).vqc"},
      {"/f/F1 2019.5(PS4)", "/f/F1 2019.5(PS4).vqc"},  // a dot in the name is no extension
      {"/f/race.VQC", "/f/race.VQC"},
      {"/f/race.vqm", "/f/race.vqm.vqc"},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(QtFileDialogs::WithExtension(QString::fromUtf8(test.chosen), ExchangeKind::kConfig),
              QString::fromUtf8(test.written));
  }

  auto folder = std::make_unique<QTemporaryDir>();
  QtFileDialogs::RememberFolderOf(folder->filePath(QStringLiteral("a.vqc")));
  EXPECT_EQ(QtFileDialogs::StartFolder(), folder->path());
  folder.reset();  // a remembered folder that has gone is not offered
  EXPECT_EQ(QtFileDialogs::StartFolder(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

TEST(QtFileDialogsTest, SaveDialogOffersTheNameWhereTheLastFileWent) {
  QTemporaryDir folder;
  editor::QtFileDialogs::RememberFolderOf(folder.filePath(QStringLiteral("earlier.vqm")));
  QString offered;
  QStringList filters;
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [&, timer] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->deleteLater();
    offered = dialog->selectedFiles().value(0);
    filters = dialog->nameFilters();
    dialog->selectFile(QStringLiteral("Race"));  // typed without an extension
    static_cast<QDialog*>(dialog)->accept();     // QFileDialog's own accept, reached through the public base
  });
  timer->start(10);
  editor::QtFileDialogs dialogs;
  const std::optional<QString> chosen = dialogs.ChooseSave(nullptr, QStringLiteral("Export Configuration"),
                                                           QStringLiteral("Race(PS4)"), ExchangeKind::kConfig);
  EXPECT_EQ(offered, folder.filePath(QStringLiteral("Race(PS4).vqc")));
  EXPECT_EQ(filters, QStringList{QStringLiteral("vqc(*.vqc)")});
  EXPECT_EQ(chosen, folder.filePath(QStringLiteral("Race.vqc")));
  EXPECT_EQ(editor::QtFileDialogs::StartFolder(), folder.path());
}

}  // namespace
}  // namespace torvane::testing
