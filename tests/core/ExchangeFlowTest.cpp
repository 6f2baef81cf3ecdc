// Configuration, macro and curve files through the flows: written and read back byte for byte, every refusal with
// its message and the image untouched, files made to hurt mended or refused, and failed writes that keep the old
// file.
#if defined(__unix__)
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string_view>

#include "CoreTest.h"
#include "core/exchange/ConfigExchangeFlow.h"
#include "core/exchange/CurveExchangeFlow.h"
#include "core/exchange/MacroExchangeFlow.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/CurveExchange.h"
#include "model/exchange/DigestField.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/MacroExchange.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/params/ResponseCurves.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "support/ByteVector.h"

namespace torvane::testing {
namespace {

using core::ExchangeOutcome;
using model::ExchangeKind;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kExported = "\nExport successfully!!";
constexpr const char* kIncompatible = "\nFailed to import file!\r\n[Error:  Incompatible version]";
constexpr const char* kVerifyFailed = "\nFailed to verify file!";
constexpr const char* kNeedsNewer = "Failed to import!\r\n\r\nTry a higher version of Torvane Manager!";
constexpr const char* kWrongConsole = "\nWrong console!";
constexpr const char* kOccupied = "";  // stands for the occupied-key question

template <std::size_t N>
void SetName(std::array<char, N>& field, std::string_view name) {
  field.fill('\0');
  std::memcpy(field.data(), name.data(), std::min(name.size(), N));
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
  Bytes bytes = ByteVector(file);
  EXPECT_TRUE(model::StampDigest(bytes, offsetof(T, digest)));
  return bytes;
}

Bytes Read(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Write(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ExchangeFlowTest : public CoreTest {
 protected:
  void SetUp() override { Load("working-mode-1"); }

  model::FlashImage& Image() { return session.image(); }
  int Host() { return Image().config.host; }
  // The PS4 start-up configuration that owns the scenario's macros.
  const model::ConfigRecord& Owner() { return Image().config.records[0]; }
  std::string Path(const char* name) const { return (folder.path() / name).string(); }
  // Where the round trip leaves its files: the folder the digest script names, else the test's own.
  std::string OutPath(const char* name) const {
    const char* out = std::getenv("TORVANE_EXCHANGE_OUT");
    return out != nullptr && *out != '\0' ? (std::filesystem::path(out) / name).string() : Path(name);
  }
  // The regions an import may change, as bytes.
  Bytes Regions() {
    Bytes bytes = ByteVector(Image().config);
    for (const Bytes& more : {ByteVector(Image().macro), ByteVector(Image().response)}) {
      bytes.insert(bytes.end(), more.begin(), more.end());
    }
    return bytes;
  }
  // Runs the kind's import of the file at `path` (nothing: cancelled), answering its question with `answer`.
  ExchangeOutcome Import(ExchangeKind kind, std::optional<std::string> path, int answer = core::kAnswerYes) {
    host.boxes.clear();
    host.files = {std::move(path)};
    host.answers = {answer};
    switch (kind) {
      case ExchangeKind::kConfig:
        return core::ImportConfig(session, host).outcome;
      case ExchangeKind::kMacro:
        return core::ImportMacro(session, host, Owner());
      case ExchangeKind::kCurve:
        return core::ImportCurves(host).outcome;
    }
    return ExchangeOutcome::kCancelled;
  }
  ExchangeOutcome ExportConfigTo(const std::string& path) {
    host.boxes.clear();
    host.files = {path};
    return core::ExportConfig(session, host, 0);
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
};

TEST_F(ExchangeFlowTest, FilesRoundTripByteExactly) {
  // A macro of the first configuration, out and back in after it was deleted.
  const model::MacroRecord macro = Image().macro.records[0];
  host.files = {OutPath("macro.vqm")};
  ASSERT_EQ(core::ExportMacro(session, host, 0), ExchangeOutcome::kDone);
  EXPECT_EQ(host.Texts(), std::vector<std::string>{kExported});
  EXPECT_EQ(host.file_choices.back().title, "Export Macro");
  EXPECT_EQ(host.file_choices.back().suggested_name, model::SuggestedMacroFileName(macro));
  EXPECT_EQ(Read(OutPath("macro.vqm")), ByteVector(*model::BuildMacroFile(macro)));
  ASSERT_TRUE(model::DeleteMacro(Image().macro, macro.host, model::ReadName(macro.macro_name),
                                 model::ReadName(macro.owner_name)));
  ASSERT_EQ(Import(ExchangeKind::kMacro, OutPath("macro.vqm")), ExchangeOutcome::kDone);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(ByteVector(Image().macro.records[model::UsedMacroCount(Image().macro) - 1]), ByteVector(macro));
  EXPECT_EQ(session.unsaved(), 0u) << "the macro manager marks the macros when it is left";

  // Both charts of the first configuration.
  core::CurveCharts charts = core::ChartsOf(Owner());
  for (std::size_t i = 0; i < model::kCurvePoints; ++i) charts.ads[i] = static_cast<std::uint8_t>(i * 7);
  host.files = {OutPath("curve.vql")};
  host.boxes.clear();
  ASSERT_EQ(core::ExportCurves(host, Owner(), charts), ExchangeOutcome::kDone);
  EXPECT_TRUE(host.boxes.empty()) << "the curve editor says nothing of a success";
  EXPECT_EQ(host.file_choices.back().suggested_name, model::SuggestedCurveFileName(Owner()));
  const core::CurveImportResult back = (host.files = {OutPath("curve.vql")}, core::ImportCurves(host));
  ASSERT_EQ(back.outcome, ExchangeOutcome::kDone);
  EXPECT_EQ(back.charts.hip, charts.hip);
  EXPECT_EQ(back.charts.ads, charts.ads);

  // The first configuration; it comes back with a hot key and colour of its own, never as the start-up one.
  const model::ConfigRecord config = Owner();
  ASSERT_EQ(ExportConfigTo(OutPath("config.vqc")), ExchangeOutcome::kDone);
  EXPECT_EQ(host.Texts(), std::vector<std::string>{kExported});
  EXPECT_EQ(host.file_choices.back().title, "Export Configuration");
  EXPECT_EQ(host.file_choices.back().suggested_name, model::SuggestedConfigFileName(config));
  EXPECT_EQ(Read(OutPath("config.vqc")), ByteVector(*model::BuildConfigFile(config)));
  model::DeleteConfigWithMacros(Image(), Host(), model::ReadName(config.name));
  ASSERT_EQ(Import(ExchangeKind::kConfig, OutPath("config.vqc")), ExchangeOutcome::kDone);
  const int slot = model::FindConfigIndex(Image().config, model::ReadName(config.name), Host());
  ASSERT_GE(slot, 0);
  model::ConfigRecord imported = Image().config.records[static_cast<std::size_t>(slot)];
  EXPECT_FALSE(imported.is_startup());
  imported.hotkey = config.hotkey;
  imported.color = config.color;
  imported.set_startup(config.is_startup());
  EXPECT_EQ(ByteVector(imported), ByteVector(config));
  EXPECT_EQ(session.unsaved(), model::kUnsavedConfig | model::kUnsavedResponse);
}

// A refusal shows its message and nothing else, and leaves the image and its unsaved marks as they were. Which file
// each check refuses, and each message's words, are the model's (tests/model/exchange); here, one of each way.
TEST_F(ExchangeFlowTest, EveryRefusalTellsItsReasonAndChangesNothing) {
  const model::ConfigRecord config = NewConfig("Imported");
  const Bytes good_config = ByteVector(*model::BuildConfigFile(config));
  const model::MacroRecord macro = NewMacro("Imported");
  const Bytes good_curve = ByteVector(*model::BuildCurveFile({}, {}));
  const std::uint8_t global_key = Image().config.global_hotkeys[0];
  auto flipped = [](Bytes bytes, std::size_t at) {
    bytes[at] ^= 0x01;
    return bytes;
  };
  auto config_with = [&](const std::function<void(model::ConfigRecord&)>& edit) {
    model::ConfigRecord edited = config;
    edit(edited);
    return ByteVector(*model::BuildConfigFile(edited));
  };
  auto macro_with = [&](const std::function<void(model::MacroRecord&)>& edit) {
    model::MacroRecord edited = macro;
    edit(edited);
    return ByteVector(*model::BuildMacroFile(edited));
  };

  struct Refusal {
    const char* what;
    ExchangeKind kind;
    std::function<Bytes()> file;  // empty bytes: no file at all
    const char* shown;
    ExchangeOutcome outcome = ExchangeOutcome::kRefused;
  };
  const std::vector<Refusal> refusals{
      {"config 863 bytes", ExchangeKind::kConfig, [&] { return Bytes(good_config.begin(), good_config.end() - 1); },
       kIncompatible},
      {"config version byte flipped", ExchangeKind::kConfig, [&] { return flipped(good_config, 0); }, kVerifyFailed},
      {"config key occupied, answered No", ExchangeKind::kConfig,
       [&] { return config_with([&](model::ConfigRecord& r) { r.mapping[0][0] = global_key; }); }, kOccupied,
       ExchangeOutcome::kDeclined},
      {"config file missing", ExchangeKind::kConfig, [] { return Bytes{}; },
       "\nFailed to import file!\n[Error Code:-1,2]"},
      {"macro of console 9", ExchangeKind::kMacro,
       [&] { return macro_with([](model::MacroRecord& m) { m.host = 9; }); }, kWrongConsole},
      {"macro hot key occupied, answered No", ExchangeKind::kMacro,
       [&] { return macro_with([&](model::MacroRecord& m) { m.macro_hotkey = global_key; }); }, kOccupied,
       ExchangeOutcome::kDeclined},
      {"curve 60 bytes", ExchangeKind::kCurve, [&] { return Bytes(good_curve.begin(), good_curve.end() - 1); },
       "\nFailed to import file!\n[Error Code:-2,0]"},
      {"curve format 1.10.1", ExchangeKind::kCurve,
       [&] {
         auto file = FromBytes<model::CurveFile>(good_curve);
         file.curve_format_version = {1, 10, 1};
         return Restamped(file);
       },
       kNeedsNewer},
  };

  const Bytes regions = Regions();
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.what);
    const std::string path = Path(refusal.what);
    if (const Bytes bytes = refusal.file(); !bytes.empty()) Write(path, bytes);
    EXPECT_EQ(Import(refusal.kind, path, core::kAnswerNo), refusal.outcome);
    ASSERT_EQ(host.boxes.size(), 1u);
    const RecordingHost::Box& box = host.boxes.front();
    if (*refusal.shown == '\0') {
      EXPECT_TRUE(box.question);
      EXPECT_TRUE(box.text.starts_with("The [") && box.text.ends_with("] has been occupied!\r\nAre you sure?"))
          << box.text;
      EXPECT_EQ(box.buttons, core::Buttons::kYesNo);
    } else {
      EXPECT_EQ(box.text, refusal.shown);
      EXPECT_EQ(box.tone, core::Tone::kFailure);
    }
    EXPECT_EQ(box.title, model::ImportTitle(refusal.kind));
    EXPECT_EQ(Regions(), regions);
    EXPECT_EQ(session.unsaved(), 0u);
  }

  // Cancelled choices say nothing.
  for (const ExchangeKind kind : {ExchangeKind::kConfig, ExchangeKind::kMacro, ExchangeKind::kCurve}) {
    EXPECT_EQ(Import(kind, std::nullopt), ExchangeOutcome::kCancelled);
    EXPECT_TRUE(host.boxes.empty());
  }
  EXPECT_EQ(Regions(), regions);

  // The occupied-key question stops the import only on No: a box closed otherwise goes on.
  Write(Path("taking.vqc"), config_with([&](model::ConfigRecord& r) { r.mapping[0][0] = global_key; }));
  EXPECT_EQ(Import(ExchangeKind::kConfig, Path("taking.vqc"), 0), ExchangeOutcome::kDone);
}

// Files of the right size and digest made to hurt: whatever the editors would never store is mended on the way in.
// Files of the right size and digest made to hurt are mended on the way in (a configuration's, in the model's
// tests): a macro's name, step count, trigger and hold times, and the steps past its count.
TEST_F(ExchangeFlowTest, HostileMacroFilesAreMended) {
  model::MacroRecord macro = NewMacro("");
  macro.macro_name.fill('M');  // no terminator
  macro.step_count = 255;
  macro.trigger_mode = 200;
  for (model::MacroStep& step : macro.steps) step.hold_time = 0;
  Write(Path("hostile.vqm"), ByteVector(*model::BuildMacroFile(macro)));
  ASSERT_EQ(Import(ExchangeKind::kMacro, Path("hostile.vqm")), ExchangeOutcome::kDone);
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
  Write(Path("short.vqm"), ByteVector(*model::BuildMacroFile(macro)));
  ASSERT_EQ(Import(ExchangeKind::kMacro, Path("short.vqm")), ExchangeOutcome::kDone);
  const model::MacroRecord& short_macro = Image().macro.records[model::UsedMacroCount(Image().macro) - 1];
  EXPECT_EQ(short_macro.step_count, 2);
  EXPECT_EQ(ByteVector(short_macro.steps[40]), Bytes(sizeof(model::MacroStep), 0));
}

#if defined(__unix__)
// Full disks, FIFOs, links and permissions, as a POSIX system makes them.
// A write that cannot finish names its codes and leaves what the file held before.
TEST_F(ExchangeFlowTest, FailedExportsKeepTheOldFile) {
  EXPECT_EQ(ExportConfigTo(Path("no such folder/config.vqc")), ExchangeOutcome::kRefused);
  EXPECT_EQ(host.Texts(),
            std::vector<std::string>{"\nFailed to export file!\n[Error Code:-1," + std::to_string(ENOENT) + "]"});

  // A file size limit below the image's stands in for a full disk: the write fails part way.
  const Bytes old{'o', 'l', 'd'};
  Write(Path("full.vqc"), old);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const ExchangeOutcome outcome = ExportConfigTo(Path("full.vqc"));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(outcome, ExchangeOutcome::kRefused);
  EXPECT_EQ(host.Texts(),
            std::vector<std::string>{"\nFailed to export file!\n[Error Code:-2," + std::to_string(EFBIG) + "]"});
  EXPECT_EQ(Read(Path("full.vqc")), old);

  // A FIFO is neither written into (that would block) nor replaced, nor read as an import.
  ASSERT_EQ(::mkfifo(Path("fifo.vqc").c_str(), 0600), 0);
  EXPECT_EQ(ExportConfigTo(Path("fifo.vqc")), ExchangeOutcome::kRefused);
  EXPECT_TRUE(std::filesystem::is_fifo(Path("fifo.vqc")));
  EXPECT_EQ(Import(ExchangeKind::kConfig, Path("fifo.vqc")), ExchangeOutcome::kRefused);

  // Replacing keeps the old file's permissions, and a link has its target replaced.
  std::filesystem::permissions(Path("full.vqc"),
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::create_symlink(Path("full.vqc"), Path("link.vqc"));
  EXPECT_EQ(ExportConfigTo(Path("link.vqc")), ExchangeOutcome::kDone);
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.vqc")));
  EXPECT_EQ(Read(Path("full.vqc")), ByteVector(*model::BuildConfigFile(Owner())));
  EXPECT_EQ(std::filesystem::status(Path("full.vqc")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"fifo.vqc", "full.vqc", "link.vqc"})) << "no temporary file is left";
}

#endif

}  // namespace
}  // namespace torvane::testing
