// What the tests of the real program share: where the built program and its
// data folder are, a fresh copy of that data folder for a test, and a script
// run of the program, headless, on such a copy.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "process_runner.h"
#include "test_support.h"

#ifndef KELVO_HISTORY_GENERATOR_PATH
#error "the build passes the path of the history generator as KELVO_HISTORY_GENERATOR_PATH"
#endif

namespace program_support {

inline const std::string PROGRAM = KELVO_PROGRAM_PATH;
// The data as the build made it, which the program never writes to: the
// folder beside the program is the user's, with saves and exports of its own.
inline const std::string BUILT_DATA = KELVO_BUILT_DATA_PATH;

// A new game of the 2019 league as the Buffalo club's owner "Pat".
inline constexpr const char *NEW_GAME =
    "welcome new\n"
    "dialog 105 select 1089 \"2019\"\n"
    "dialog 105 select 1010 \"Buffalo Frost\"\n"
    "dialog 105 set 1013 \"Pat\"\n"
    "dialog 105 press 1391\n";

inline bool Contains(const std::string &Text, const std::string &Part) {
  return Text.find(Part) != std::string::npos;
}

// The script lines that save the game under Name through the Save Game dialog.
inline std::string Save_As(const std::string &Name) {
  return "dialog 120 set 1082 \"" + Name + "\"\n"
         "dialog 120 press 1\n"
         "command \"Save Game\"\n";
}

// The script lines that play the league on by nSeasons (1 to 5) through
// the Play Multiple Seasons dialog, which opens at five.
inline std::string Play_Seasons(int nSeasons) {
  std::string Lines;
  for (int n = 5; n > nSeasons; --n)
    Lines += "dialog 179 spin 1138 down\n";
  return Lines + "dialog 179 press 1\n"
                 "command \"Play Multiple Seasons\"\n";
}

// How many times Part stands in Text, overlapping ones counted.
inline size_t Count_Text(const std::string &Text, const std::string &Part) {
  size_t n = 0;
  for (size_t nAt = Text.find(Part); nAt != std::string::npos;
       nAt = Text.find(Part, nAt + 1))
    ++n;
  return n;
}

// How many files of Folder have names that begin with Prefix.
inline size_t Count_Files(const std::string &Folder, const std::string &Prefix) {
  size_t n = 0;
  std::error_code Error;
  for (const auto &Entry : std::filesystem::directory_iterator(Folder, Error))
    if (Entry.path().filename().string().rfind(Prefix, 0) == 0)
      ++n;
  return n;
}

// The data as built copied into Folder.
inline void Copy_Built_Data(const std::string &Folder) {
  namespace fs = std::filesystem;
  std::error_code Error;
  fs::copy(BUILT_DATA, Folder,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing,
           Error);
  ASSERT_FALSE(Error) << Error.message();
}

inline void Write_File(const std::string &Path,
                              const std::string &Text) {
  FILE *pFile = std::fopen(Path.c_str(), "wb");
  ASSERT_NE(pFile, nullptr) << Path;
  ASSERT_EQ(std::fwrite(Text.data(), 1, Text.size(), pFile), Text.size());
  ASSERT_EQ(std::fclose(pFile), 0);
}

// The build's data folder copied into Data, and the fictional history of
// nFirst to nLast for nTeams clubs written into it by the history
// generator (its output going to Output).
inline void Copy_Data_With_History(const std::string &Data,
                                   const std::string &Output, int nFirst,
                                   int nLast, int nTeams) {
  Copy_Built_Data(Data);
  if (::testing::Test::HasFatalFailure())
    return;
  process_runner::RUN_OPTIONS Options;
  Options.Folder = Output;
  Options.Output = Output;
  const process_runner::RUN_RESULT History = process_runner::Run(
      KELVO_HISTORY_GENERATOR_PATH,
      {Data, "--first", std::to_string(nFirst), "--last",
       std::to_string(nLast), "--teams", std::to_string(nTeams)},
      Options);
  ASSERT_EQ(History.nExitCode, 0) << History.Out << History.Err;
}

struct SCRIPT_RUN {
  std::string Data;   // the data folder (KELVO_DATA)
  std::string Folder; // where the program runs and its output goes
  std::string ScriptName = "test.kelvo";
  std::chrono::seconds Limit{100};
  std::string Input = "/dev/null";
  std::vector<std::string> Extra = {"IS_NOT_RANDOM"};
  std::vector<std::string> Env = {}; // "NAME=value" added to the program's environment
  bool bErrorsInOutput = false;       // standard error into Out, in the order written
};

// The environment that preloads testsupport/write_faults.cpp into the
// program, its faults (Fault: "KELVO_FAULT_FULL=1", "KELVO_FAULT_KILL_AT=N")
// acting on the files in Folder, which must exist.
inline std::vector<std::string> Write_Faults_Env(const std::string &Folder,
                                                 const std::string &Fault) {
  const char *szAsan = std::getenv("ASAN_OPTIONS");
  const std::string Asan = szAsan != nullptr && szAsan[0] != '\0'
                               ? std::string(szAsan) + ":"
                               : std::string();
  return {std::string("LD_PRELOAD=") + KELVO_WRITE_FAULTS_PATH,
          "KELVO_FAULT_FOLDER=" + std::filesystem::canonical(Folder).string(),
          Fault, "ASAN_OPTIONS=" + Asan + "verify_asan_link_order=0"};
}

// The program run headless on Script, written into the run's folder first.
inline process_runner::RUN_RESULT
Run_Headless_Script(const SCRIPT_RUN &Run, const std::string &Script) {
  const std::string ScriptPath = Run.Folder + "/" + Run.ScriptName;
  Write_File(ScriptPath, Script);
  process_runner::RUN_OPTIONS Options;
  Options.Env = {"KELVO_DATA=" + Run.Data};
  Options.Env.insert(Options.Env.end(), Run.Env.begin(), Run.Env.end());
  Options.Input = Run.Input;
  Options.Folder = Run.Folder;
  Options.Output = Run.Folder;
  Options.Limit = Run.Limit;
  Options.bErrorsInOutput = Run.bErrorsInOutput;
  std::vector<std::string> Args = {"--headless", "--script", ScriptPath};
  Args.insert(Args.end(), Run.Extra.begin(), Run.Extra.end());
  return process_runner::Run(PROGRAM, Args, Options);
}

// A test of the program run headless on a fresh copy of the built data
// (Data), in a folder of its own (Output), its script written there under
// ScriptName.
class HEADLESS_PROGRAM_TEST : public ::testing::Test {
protected:
  HEADLESS_PROGRAM_TEST(const char *szDataTag, const char *szOutputTag,
                        std::string ScriptName)
      : Data{szDataTag, false}, Output{szOutputTag, false},
        m_ScriptName(std::move(ScriptName)) {}

  void SetUp() override {
    ASSERT_TRUE(Data.Ready());
    ASSERT_TRUE(Output.Ready());
    Copy_Built_Data(Data.Path());
  }

  process_runner::RUN_RESULT Run_Script(const std::string &Script) {
    return Run_Headless_Script({Data.Path(), Output.Path(), m_ScriptName},
                               Script);
  }

  SCRATCH_FOLDER Data;
  SCRATCH_FOLDER Output;

private:
  std::string m_ScriptName;
};

} // namespace program_support
