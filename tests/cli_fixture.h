#pragma once

// draftcalc-cli run as a user runs it, through the shell, for the tests.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

namespace draftcalc::testing_cli {

struct Outcome {
  int status;
  std::string out, err;
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class Cli : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("draftcalc-cli-test-" + std::to_string(::getpid()) + "-" +
                                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    // draftcalc-cli follows the locale's language: English whatever the
    // machine's, unless a test says otherwise.
    setenv("LC_ALL", "C.UTF-8", 1);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Runs the command with `arguments` (shell words) and `input` on standard input.
  Outcome Command(const std::string& arguments, const std::string& input = "") {
    return Shell("CLI " + arguments + " < IN > OUT", input);
  }

  // Runs a shell command line in which CLI, IN, OUT and DIR stand for the
  // command, a file holding `input`, the output file and the test's folder;
  // standard error is caught. The status is the command line's.
  Outcome Shell(std::string commandLine, const std::string& input = "") {
    std::ofstream(dir_ / "in", std::ios::binary) << input;
    std::ofstream(dir_ / "out");
    for (const auto& [word, value] : {std::pair<std::string, std::string>{"CLI", DRAFTCALC_CLI_PATH},
                                      {"IN", (dir_ / "in").string()},
                                      {"OUT", (dir_ / "out").string()},
                                      {"DIR", dir_.string()}}) {
      for (size_t at = commandLine.find(word); at != std::string::npos; at = commandLine.find(word, at + 1)) {
        commandLine.replace(at, word.size(), "'" + value + "'");
      }
    }
    const std::string command = "{ " + commandLine + " ; } 2> '" + (dir_ / "err").string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir_ / "out"), ReadFile(dir_ / "err")};
  }

  std::filesystem::path dir_;
};

}  // namespace draftcalc::testing_cli
