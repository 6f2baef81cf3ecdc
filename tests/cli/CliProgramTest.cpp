// Runs torvane-cli as a player's script would, against the stand-alone emulator on a socket.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Spawned.h"

namespace torvane::cli::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
  json Json() const { return json::parse(out, nullptr, false); }
};

class CliProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "torvane-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    // One byte short of a configuration file.
    std::ofstream(dir_ / "short.vqc", std::ios::binary) << std::string(863, '\0');
  }
  void TearDown() override {
    emulator_.reset();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  void Serve(const std::string& scenario) {
    emulator_ = std::make_unique<Spawned>(
        std::vector<std::string>{TORVANE_EMULATOR_PROGRAM, "--socket", Socket(), "--scenario", scenario},
        dir_ / "emulator.out", dir_ / "emulator.err", fs::path(), std::vector<std::string>{});
    ASSERT_TRUE(emulator_->started());
    ASSERT_TRUE(Eventually([&] { return fs::is_socket(Socket()); }));
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
    Spawned program(argv, dir_ / "cli.out", dir_ / "cli.err", dir_ / "answers",
                    {"XDG_DATA_HOME=" + (dir_ / "data").string()});
    Outcome outcome;
    if (!program.started()) return outcome;
    outcome.code = program.Wait();
    outcome.out = ReadText(dir_ / "cli.out");
    outcome.err = ReadText(dir_ / "cli.err");
    return outcome;
  }

  std::string Socket() const { return (dir_ / "adapter.sock").string(); }
  std::size_t Lines() const {
    const std::string text = ReadText(dir_ / "emulator.out");
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  }

  fs::path dir_;
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
    {"NoAdapterToList", nullptr, "", {"--json", "list"}, 3, "\"adapters\": []", ""},
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
    {"HelpListsTheExitCodes", nullptr, "", {"--help"}, 0, "  6  the adapter needs a firmware upgrade", ""},
    {"UnknownCommand", nullptr, "", {"explode"}, 2, "", "Unknown command"},
    {"MissingArgument", nullptr, "", {"import-config"}, 2, "", "Usage: torvane-cli import-config FILE"},
    {"UnknownConsole", nullptr, "", {"configs", "--console", "dreamcast"}, 2, "", "Unknown console"},
};

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
#ifdef TORVANE_CLI_CARRIES_FIRMWARE
  EXPECT_EQ(upgraded.code, 0) << upgraded.err;
  EXPECT_NE(upgraded.out.find("Upgrade Firmware: Upgrade successfully!"), std::string::npos);
  const json info = Cli({"--json", "info"}).Json();
  EXPECT_EQ(info["firmware_version"], "4.5.118");
  EXPECT_TRUE(info["ready"]) << info.dump();
#else
  EXPECT_EQ(upgraded.code, 5);
  EXPECT_NE(upgraded.err.find("Firmware File Len Error!"), std::string::npos);
#endif
}

}  // namespace
}  // namespace torvane::cli::testing
