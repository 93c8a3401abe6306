// The program through its real window under a desktop's decimal-comma and
// Turkish locales writes the bytes it writes under "C": the databases and
// draft classes the history script builds, its season, the saved game, the
// exported pages, and the lines it prints; and it reads "0.5" as a number.
//
// The locales are made with localedef into a folder of the test's own
// (LOCPATH), so the test needs no locale installed on the machine.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "program_support.h"
#include "x_server.h"

namespace fs = std::filesystem;
using namespace program_support;

namespace {

const std::string HISTORY_SCRIPT = std::string(KELVO_SOURCE_ROOT) + "/scripts/history.kelvo";

// The history script, then a tool that reads a decimal, the pages, and a
// second saved game: the run's files hold every kind of number it writes.
std::string Locale_Script()
{
    std::string Script = Read_Text_File(HISTORY_SCRIPT);
    const size_t nQuit = Script.rfind("\nquit");
    if (nQuit != std::string::npos)
        Script.resize(nQuit + 1);
    Script +=
        "tool Nudge_Team_Ratings 0 0.5\n"
        "tool Export_Html_Encyclopedia\n"
        "dialog 120 set 1082 \"Locale Season\"\n"
        "dialog 120 press 1\n"
        "command \"Save Game\"\n"
        "quit\n";
    return Script;
}

// Every file under Folder by its path inside it, less the log (it holds
// times) and the lock.
std::map<std::string, std::string> Files_Under(const std::string& Folder)
{
    std::map<std::string, std::string> Files;
    for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Folder)) {
        if (!Entry.is_regular_file())
            continue;
        const std::string Name = fs::relative(Entry.path(), Folder).string();
        if (Name == "debug.txt" || Name == "kelvo.lock")
            continue;
        Files[Name] = Read_Text_File(Entry.path().string());
    }
    return Files;
}

std::string Replace_All(std::string Text, const std::string& From, const std::string& To)
{
    for (size_t n = Text.find(From); n != std::string::npos && !From.empty(); n = Text.find(From, n + To.size()))
        Text.replace(n, From.size(), To);
    return Text;
}

struct LOCALE_RUN {
    SCRATCH_FOLDER Data{"locale_data", false};
    SCRATCH_FOLDER Folder{"locale_run", false};
    process_runner::RUN_RESULT Result;
};

// The script through the window under the locale: LANG and LC_ALL name it.
void Run_Under(LOCALE_RUN& Run, const std::string& Locale, const std::string& LocaleFolder,
               const std::string& Display)
{
    Copy_Built_Data(Run.Data.Path());
    const std::string ScriptPath = Run.Folder.Path() + "/locale.kelvo";
    Write_File(ScriptPath, Locale_Script());
    process_runner::RUN_OPTIONS Options;
    Options.Env = {"KELVO_DATA=" + Run.Data.Path(), "DISPLAY=" + Display, "LANG=" + Locale, "LC_ALL=" + Locale,
                   "LOCPATH=" + LocaleFolder,
                   // Under the sanitizers: fontconfig's caches, kept until exit by design.
                   "LSAN_OPTIONS=suppressions=" + std::string(KELVO_SOURCE_ROOT) + "/scripts/lsan.supp:print_suppressions=0"};
    Options.Folder = Run.Folder.Path();
    Options.Output = Run.Folder.Path();
    Options.Limit = std::chrono::seconds(200);
    Run.Result = process_runner::Run(PROGRAM, {"--script", ScriptPath, "IS_NOT_RANDOM"}, Options);
}

// Makes the locale with localedef into Folder; "" when made, else why not.
std::string Make_Locale(const std::string& Folder, const char* szSource, const std::string& Name)
{
    const std::string Command = "localedef -i " + std::string(szSource) + " -f UTF-8 '" + Folder + "/" + Name +
                                "' >'" + Folder + "/localedef.txt' 2>&1";
    const int nStatus = std::system(Command.c_str());
    // localedef says 1 for warnings it still wrote the locale through.
    if (!fs::exists(Folder + "/" + Name + "/LC_NUMERIC"))
        return "localedef " + std::string(szSource) + " failed (" + std::to_string(nStatus) + "): " +
               Read_Text_File(Folder + "/localedef.txt");
    return "";
}

// The decimal point the locale of that name writes, as a process sees it
// through LOCPATH: proof the runs really had a locale that changes numbers.
// Asked of `locale` in a process of its own: the C library keeps what a
// LOCPATH lookup allocates until exit, which LeakSanitizer would report here.
std::string Decimal_Point_Of(const std::string& Locale, const std::string& LocaleFolder)
{
    const std::string Command = "LOCPATH='" + LocaleFolder + "' LC_ALL='" + Locale + "' locale -k decimal_point 2>&1";
    std::string Out;
    if (FILE* pPipe = ::popen(Command.c_str(), "r")) {
        char szLine[256];
        while (std::fgets(szLine, sizeof(szLine), pPipe) != nullptr)
            Out += szLine;
        ::pclose(pPipe);
    }
    // decimal_point=","
    const size_t nQuote = Out.find('"');
    return nQuote != std::string::npos && nQuote + 1 < Out.size() ? "0" + Out.substr(nQuote + 1, 1) + "5" : "?";
}

}  // namespace

TEST(LocaleProgram, TheWindowWritesTheSameBytesInEveryLocale)
{
    X_SERVER Server;
    if (!Server.Start()) {
        if (X_SERVER::Must_Have_Server())
            FAIL() << "no X server: " << Server.Problem();
        GTEST_SKIP() << "no X server: " << Server.Problem();
    }
    SCRATCH_FOLDER Locales("locales", false);
    for (const auto& [szSource, Name] : {std::pair<const char*, std::string>{"de_DE", "de_DE.UTF-8"},
                                         std::pair<const char*, std::string>{"tr_TR", "tr_TR.UTF-8"}}) {
        const std::string Problem = Make_Locale(Locales.Path(), szSource, Name);
        ASSERT_EQ(Problem, "");
    }
    ASSERT_EQ(Decimal_Point_Of("de_DE.UTF-8", Locales.Path()), "0,5");
    ASSERT_EQ(Decimal_Point_Of("tr_TR.UTF-8", Locales.Path()), "0,5");

    LOCALE_RUN Plain;
    Run_Under(Plain, "C", Locales.Path(), Server.Display());
    ASSERT_FALSE(Plain.Result.bTimedOut);
    ASSERT_EQ(Plain.Result.nExitCode, 0) << Plain.Result.Out << Plain.Result.Err;
    // The run had its window, not the headless backend.
    EXPECT_TRUE(Contains(Read_Text_File(Plain.Data.Path() + "/debug.txt"), "Desktop window: display"));
    const std::map<std::string, std::string> Expected = Files_Under(Plain.Data.Path());
    for (const char* szMade : {"Databases/universe-2010.dat", "Databases/rookies-2010.dat", "History Season.zrt",
                               "Locale Season.zrt"})
        EXPECT_EQ(Expected.count(szMade), 1u) << szMade;
    bool bPages = false;
    for (const auto& [Name, Bytes] : Expected)
        bPages = bPages || (Name.rfind("HTML_Export/", 0) == 0 && Name.size() > 4 &&
                            Name.compare(Name.size() - 4, 4, ".htm") == 0);
    EXPECT_TRUE(bPages) << "no exported pages";

    for (const std::string Locale : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
        SCOPED_TRACE(Locale);
        LOCALE_RUN Run;
        Run_Under(Run, Locale, Locales.Path(), Server.Display());
        ASSERT_FALSE(Run.Result.bTimedOut);
        EXPECT_EQ(Run.Result.nExitCode, 0) << Run.Result.Out << Run.Result.Err;
        EXPECT_EQ(Replace_All(Run.Result.Out, Run.Data.Path(), "DATA"),
                  Replace_All(Plain.Result.Out, Plain.Data.Path(), "DATA"));
        const std::map<std::string, std::string> Got = Files_Under(Run.Data.Path());
        int nDiffering = 0;
        for (const auto& [Name, Bytes] : Expected) {
            const auto Found = Got.find(Name);
            if (Found == Got.end()) {
                ADD_FAILURE() << Name << " was not written";
                continue;
            }
            if (Found->second == Bytes)
                continue;
            size_t nAt = 0;
            while (nAt < Bytes.size() && nAt < Found->second.size() && Bytes[nAt] == Found->second[nAt])
                ++nAt;
            if (++nDiffering <= 20)
                ADD_FAILURE() << Name << " differs from byte " << nAt << ": \""
                              << Found->second.substr(nAt > 20 ? nAt - 20 : 0, 60) << "\" against \""
                              << Bytes.substr(nAt > 20 ? nAt - 20 : 0, 60) << "\"";
        }
        EXPECT_EQ(nDiffering, 0);
        for (const auto& [Name, Bytes] : Got)
            EXPECT_EQ(Expected.count(Name), 1u) << Name << " was written only under " << Locale;
    }
}
