// The export's folder and style sheet are the program's settings, kept across
// tests in one process: a test that changes them starts from this fixture,
// which puts them back as they were for the tests that follow. BASE is the
// league fixture the test builds on.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "../tools/default_league_inputs.h"
#include "export/encyclopedia.h"
#include "export/page_links.h"
#include "league/preferences.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"

template <class BASE>
class EXPORT_SETTINGS_KEPT : public BASE {
protected:
    void SetUp() override
    {
        BASE::SetUp();
        m_Root = Get_Html_Export_Root();
        m_StyleSheet = Get_Html_Style_Sheet_Name();
    }
    void TearDown() override
    {
        Set_Html_Export_Root(m_Root.c_str());
        Set_Html_Style_Sheet_Name(m_StyleSheet);
        BASE::TearDown();
    }

private:
    std::string m_Root;
    std::string m_StyleSheet;
};

using ExportSettingsTest = EXPORT_SETTINGS_KEPT<LeagueTest>;

// The page templates the program ships, copied into the current folder's
// "HTML_Templates", where an export looks for them.
inline ::testing::AssertionResult Copy_Html_Templates()
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const std::filesystem::path Data = std::filesystem::path(szSource != nullptr ? szSource : ".") / "data";
    std::error_code Error;
    std::filesystem::copy(Data / "HTML_Templates", "HTML_Templates", std::filesystem::copy_options::recursive,
                          Error);
    if (Error)
        return ::testing::AssertionFailure() << "HTML_Templates not copied: " << Error.message();
    return ::testing::AssertionSuccess();
}

// The default league built in the current (scratch) folder with the page
// templates beside it, every club run by the computer and no auto-save: the
// league an export test plays and exports.
inline void Build_Default_League_To_Export()
{
    Copy_Default_League_Inputs();
    ASSERT_TRUE(Copy_Html_Templates());
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
}
