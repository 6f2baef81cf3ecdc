// Runs torvane-cli as a player's script would, against the stand-alone emulator on a socket.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ConfigExchange.h"
#include "support/Spawned.h"
#include "support/TempFolder.h"

namespace torvane::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// The emulator's socket path names a socket on Linux and the file with its
// loopback port on Windows; either exists exactly while the adapter is plugged in.
bool Plugged(const fs::path& socket) {
#ifdef _WIN32
  return fs::is_regular_file(socket);
#else
  return fs::is_socket(socket);
#endif
}

// Standard output in text mode ends Windows lines with CR LF.
std::string UnixLines(std::string text) {
#ifdef _WIN32
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
#endif
  return text;
}

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
  json Json() const { return json::parse(out, nullptr, false); }
};

class CliProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.empty());
    // One byte short of a configuration file.
    std::ofstream(dir_ / "short.vqc", std::ios::binary) << std::string(863, '\0');
  }
  void TearDown() override { emulator_.reset(); }

  void Serve(const std::string& scenario) {
    emulator_ = std::make_unique<Spawned>(
        std::vector<std::string>{TORVANE_EMULATOR_PROGRAM, "--socket", Socket(), "--scenario", scenario},
        dir_ / "emulator.out", dir_ / "emulator.err", fs::path(), std::vector<std::string>{});
    ASSERT_TRUE(emulator_->started());
    ASSERT_TRUE(Eventually([&] { return Plugged(Socket()); }));
  }
  // Types a console command and waits for its reply.
  void Console(const std::string& line) {
    const std::size_t before = Lines();
    ASSERT_TRUE(emulator_->Type(line));
    ASSERT_TRUE(Eventually([&] { return Lines() > before; })) << line;
  }

  // "{dir}" in an argument stands for the test's folder; `answers` is standard input.
  Outcome Cli(std::vector<std::string> args, const std::string& answers = "") {
    std::vector<std::string> argv{TORVANE_CLI_PROGRAM, "--adapter-socket", Socket()};
    for (std::string& arg : args) {
      if (const auto at = arg.find("{dir}"); at != std::string::npos) arg.replace(at, 5, dir_.string());
      argv.push_back(arg);
    }
    std::ofstream(dir_ / "answers") << answers;
    // A UTF-8 terminal in a Western locale: names on the adapter are Windows-1252.
    Spawned program(
        argv, dir_ / "cli.out", dir_ / "cli.err", dir_ / "answers",
        {"XDG_DATA_HOME=" + (dir_ / "data").string(), "APPDATA=" + (dir_ / "data").string(), "LC_ALL=C.UTF-8"});
    Outcome outcome;
    if (!program.started()) return outcome;
    outcome.code = program.Wait();
    outcome.out = UnixLines(ReadText(dir_ / "cli.out"));
    outcome.err = UnixLines(ReadText(dir_ / "cli.err"));
    return outcome;
  }

  std::string Socket() const { return (dir_ / "adapter.sock").string(); }
  std::size_t Lines() const {
    const std::string text = ReadText(dir_ / "emulator.out");
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  }

  TempFolder folder_;
  const fs::path dir_ = folder_.path();
  std::unique_ptr<Spawned> emulator_;
};

struct Case {
  const char* name;
  const char* scenario;  // nullptr: nothing serves the socket
  const char* console;   // typed before the command, or empty
  std::vector<std::string> args;
  int code;
  const char* out;  // expected in standard output
  const char* err;  // expected in standard error
};

const Case kCases[] = {
    {"ListsTheAdapter", "working-mode-1", "", {"list"}, 0, "adapter.sock", ""},
    {"NoAdapter", nullptr, "", {"info"}, 3, "", "No Torvane Detected"},
    {"InfoOfAReadyAdapter", "working-mode-1", "", {"info"}, 0, "Ready to use.", ""},
    {"InfoAsJson", "lost-firmware", "", {"--json", "info"}, 0, "\"ready\": false", ""},
    {"ReadFailureIsAUsbError", "working-mode-1", "fault no-answer read", {"configs"}, 4, "", "USB Error"},
    {"OldGenerationRefused", "old-generation", "", {"configs"}, 6, "", "Please use Torvane Manager"},
    {"LostConfigurationAsksForTheUpgrade", "lost-configuration", "", {"configs"}, 6, "", "torvane-cli upgrade"},
    {"UnknownConfiguration",
     "working-mode-1",
     "",
     {"export-config", "Nothing", "{dir}/x.vqc"},
     2,
     "",
     "No configuration named"},
    {"ShortConfigurationFileRefused",
     "working-mode-1",
     "",
     {"import-config", "{dir}/short.vqc"},
     5,
     "",
     "[Error:  Incompatible version]"},
    {"RefusalAsJson",
     "working-mode-1",
     "",
     {"--json", "import-config", "{dir}/short.vqc"},
     5,
     "\"text\": \"\\nFailed to import file!\\r\\n[Error:  Incompatible version]\"",
     ""},
    {"MissingFileRefused",
     "working-mode-1",
     "",
     {"import-macro", "Anthem", "{dir}/none.vqm"},
     5,
     "",
     "[Error Code:-1,2]"},
    {"NotABackupRefused", "working-mode-1", "", {"restore", "{dir}/short.vqc"}, 5, "", "not a backup"},
    {"UpgradeAsksAndAnEndedInputDeclines",
     "old-firmware",
     "",
     {"upgrade"},
     1,
     "Need to upgrade firmware to use this manager!",
     "Upgrade firmware from version 4.5.110 to 4.5.118"},
    {"RestoreFactoryAsksAndAnEndedInputDeclines",
     "working-mode-1",
     "",
     {"restore-factory"},
     1,
     "",
     "Restore Configuration Warning: All configurations will be restored to default !"},
    {"RestoreFactoryInModeSevenRestoresTheConfiguration",
     "working-mode-7",
     "",
     {"--yes", "restore-factory"},
     0,
     "Restore Configuration: Restore successfully!",
     ""},
    {"RestoreFactoryOfAnUnservedModeIsRefused",
     "working-mode-1",
     "mode 2",
     {"--yes", "restore-factory"},
     6,
     "",
     "Error: Working Mode (2)"},
    {"ShortCurveFileRefused",
     "working-mode-1",
     "",
     {"import-curve", "Anthem", "{dir}/short.vqc"},
     5,
     "",
     "Import Curve: Failed to import file!\n[Error Code:-2,0]"},
    {"HelpListsTheExitCodes", nullptr, "", {"--help"}, 0, "  6  the adapter needs a firmware upgrade", ""},
    {"UnknownCommand", nullptr, "", {"explode"}, 2, "", "Unknown command"},
    {"MissingArgument", nullptr, "", {"import-config"}, 2, "", "Usage: torvane-cli import-config FILE"},
    {"UnknownConsole", nullptr, "", {"configs", "--console", "dreamcast"}, 2, "", "Unknown console"},
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class CliCaseTest : public CliProgramTest, public ::testing::WithParamInterface<Case> {};

TEST_P(CliCaseTest, ExitsWithItsCodeAndSaysWhy) {
  const Case& c = GetParam();
  if (c.scenario != nullptr) Serve(c.scenario);
  if (*c.console != '\0') Console(c.console);
  const Outcome outcome = Cli(c.args);
  EXPECT_EQ(outcome.code, c.code) << outcome.out << outcome.err;
  EXPECT_NE(outcome.out.find(c.out), std::string::npos) << outcome.out;
  EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(Commands, CliCaseTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& param) { return param.param.name; });

TEST_F(CliProgramTest, ExportedConfigurationImportsIntoAnotherAdapterBehindABackup) {
  Serve("working-mode-1");
  const Outcome exported = Cli({"export-config", "Anthem", "{dir}/anthem.vqc"});
  ASSERT_EQ(exported.code, 0) << exported.err;
  EXPECT_EQ(exported.out, "Export Configuration: Export successfully!!\n");
  EXPECT_EQ(fs::file_size(dir_ / "anthem.vqc"), 864u);

  Console("scenario factory-fresh");
  const json imported = Cli({"--json", "import-config", "{dir}/anthem.vqc"}).Json();
  EXPECT_EQ(imported["exit_code"], 0) << imported.dump();
  EXPECT_EQ(imported["imported"]["name"], "Anthem");
  EXPECT_EQ(imported["messages"].back()["text"], "\nSave successfully!");

  const json configs = Cli({"--json", "configs"}).Json();
  ASSERT_EQ(configs["configurations"].size(), 1u) << configs.dump();
  EXPECT_TRUE(configs["configurations"][0]["startup"]) << "a console's only configuration becomes the start-up one";
  const json backups = Cli({"--json", "backups"}).Json();
  ASSERT_EQ(backups["backups"].size(), 1u) << "the write backed up the fresh adapter first";
  EXPECT_FALSE(backups["backups"][0].contains("error"));

  EXPECT_EQ(Cli({"import-config", "{dir}/anthem.vqc"}).err,
            "Import Configuration: A game with the same name is already in list.\n");
}

TEST_F(CliProgramTest, RestoreWritesTheBackupBackAndAFailedReadBackIsAUsbError) {
  Serve("working-mode-1");
  ASSERT_EQ(Cli({"backup", "{dir}/kept.tvbackup"}).code, 0);
  Console("scenario factory-fresh");
  Console("fault stuck-cell write");
  const Outcome failed = Cli({"restore", "{dir}/kept.tvbackup"}, "y\n");
  EXPECT_EQ(failed.code, 4);
  EXPECT_NE(failed.err.find("Verify failed"), std::string::npos) << failed.err;

  EXPECT_EQ(Cli({"restore", "{dir}/kept.tvbackup"}, "n\n").code, 1);
  const Outcome restored = Cli({"--yes", "restore", "{dir}/kept.tvbackup"});
  EXPECT_EQ(restored.code, 0) << restored.err;
  EXPECT_NE(restored.out.find("Backup: Restore successfully!"), std::string::npos);
  const json configs = Cli({"--json", "configs"}).Json();
  ASSERT_EQ(configs["configurations"].size(), 2u) << configs.dump();
  EXPECT_EQ(configs["configurations"][0]["name"], "Anthem");
}

TEST_F(CliProgramTest, UpgradeWritesTheCarriedFirmware) {
  Serve("old-firmware");
  const Outcome upgraded = Cli({"upgrade", "--yes"});
  EXPECT_EQ(upgraded.code, 0) << upgraded.err;
  EXPECT_NE(upgraded.out.find("Upgrade Firmware: Upgrade successfully!"), std::string::npos);
  const json info = Cli({"--json", "info"}).Json();
  EXPECT_EQ(info["firmware_version"], "4.5.118");
  EXPECT_TRUE(info["ready"]) << info.dump();
}

// Exported under a name without an extension, the file gets the kind's; imported into another configuration, its
// curves are that configuration's on the adapter.
TEST_F(CliProgramTest, CurvesTravelBetweenConfigurations) {
  Serve("working-mode-1");
  const json exported = Cli({"--json", "export-curve", "Anthem", "{dir}/anthem"}).Json();
  EXPECT_EQ(exported["exit_code"], 0) << exported.dump();
  EXPECT_EQ(exported["file"], dir_.string() + "/anthem.vql");  // the name as given, with the extension
  EXPECT_EQ(exported["suggested_name"], "Anthem.vql");
  EXPECT_EQ(fs::file_size(dir_ / "anthem.vql"), 61u);

  const Outcome imported = Cli({"--yes", "import-curve", "Apex Legends", "{dir}/anthem.vql"});
  EXPECT_EQ(imported.code, 0) << imported.err;
  EXPECT_NE(imported.out.find("Save Configuration: Save successfully!"), std::string::npos) << imported.out;
  ASSERT_EQ(Cli({"export-curve", "Apex Legends", "{dir}/apex.vql"}).code, 0);
  EXPECT_EQ(ReadText(dir_ / "apex.vql"), ReadText(dir_ / "anthem.vql"));

  // Replacing a file is asked; No leaves it.
  EXPECT_EQ(Cli({"export-curve", "Anthem", "{dir}/apex.vql"}, "n\n").code, 1);
  EXPECT_EQ(ReadText(dir_ / "apex.vql"), ReadText(dir_ / "anthem.vql"));
}

// A configuration named in Windows-1252, as a Western player's file carries it: found by the name typed at a UTF-8
// terminal, printed as the player reads it, UTF-8 in JSON.
TEST_F(CliProgramTest, NamesGoThroughTheAdaptersCodePageAndTheTerminals) {
  Serve("factory-fresh");
  model::ConfigRecord record = model::Catalogue(model::kHostPS4).front();
  record.name.fill('\0');
  std::memcpy(record.name.data(), "Caf\xE9", 4);
  const auto file = model::BuildConfigFile(record);
  ASSERT_TRUE(file);
  std::ofstream(dir_ / "cafe.vqc", std::ios::binary)
      .write(reinterpret_cast<const char*>(model::BytesOf(*file).data()), model::kConfigFileSize);
  ASSERT_EQ(Cli({"--yes", "import-config", "{dir}/cafe.vqc"}).code, 0);

  EXPECT_NE(Cli({"configs"}).out.find("* Caf\xC3\xA9  ["), std::string::npos);
  EXPECT_EQ(Cli({"--json", "configs"}).Json()["configurations"][0]["name"], "Caf\xC3\xA9");
  const Outcome exported = Cli({"export-config", "Caf\xC3\xA9", "{dir}/back.vqc"});
  EXPECT_EQ(exported.code, 0) << exported.err;
  EXPECT_EQ(ReadText(dir_ / "back.vqc").substr(22, 5), std::string("Caf\xE9\0", 5));
}

#ifndef _WIN32
// A file size limit below a configuration file's stands in for a full disk: the export fails part way, and the
// file that was there before is still there, whole.
TEST_F(CliProgramTest, AFailedExportLeavesTheOldFile) {
  Serve("working-mode-1");
  std::ofstream(dir_ / "kept.vqc") << "the player's earlier export";
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);  // inherited: the write fails instead
  rlimit small = saved;
  small.rlim_cur = 200;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const Outcome failed = Cli({"--yes", "export-config", "Anthem", "{dir}/kept.vqc"});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(failed.code, 5);
  EXPECT_NE(failed.err.find("[Error Code:-2," + std::to_string(EFBIG) + "]"), std::string::npos) << failed.err;
  EXPECT_EQ(ReadText(dir_ / "kept.vqc"), "the player's earlier export");
}
#endif

}  // namespace
}  // namespace torvane::testing
