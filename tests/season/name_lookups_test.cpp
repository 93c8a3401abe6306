// Players and clubs found by name, and the rosters file.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "league/player_lookup.h"
#include "platform/files.h"
#include "platform/files_test_hooks.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "season/name_lookups.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Put_Signed_Player;

class NameLookupTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        season_cycle::Build_League(4);
        // The overall grades as they are, so equal players score alike.
        Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
        Name_Team(0, "LAR", "Los Angeles", "Rams");
        Name_Team(1, "ARI", "Arizona", "Cardinals");
        Name_Team(2, "CHI", "Chicago", "Bears");
        Name_Team(3, "NE", "New England", "Patriots");
    }

    static void Name_Team(int t, const char* szCode, const char* szCity, const char* szNickname)
    {
        Set_Team_String(szCode, t, TEAM_STRING_ABBREVIATION);
        Set_Team_String(szCity, t, TEAM_STRING_CITY);
        Set_Team_String(szNickname, t, TEAM_STRING_NICKNAME);
    }

    static void Put_Named(int t, int s, int nID, int nPosition, const char* szFirst, const char* szLast,
                          int nBirthYear = 1995)
    {
        Put_Signed_Player(t, s, nID, nPosition, 70.0f, nBirthYear, 2);
        Set_Player_First_Name(t, s, szFirst);
        Set_Player_Last_Name(t, s, szLast);
    }

    static bool At(const PLAYER_LOCATION& Where, int t, int s) { return Where.nTeam == t && Where.nSlot == s; }
};

// ---- Clubs -------------------------------------------------------------------

TEST_F(NameLookupTest, AbbreviationsOwnCodesFreeAgentsAndLengths)
{
    EXPECT_EQ(Find_Team_By_Abbreviation("LAR", 1), 0);
    EXPECT_EQ(Find_Team_By_Abbreviation("NE", 1), 3);
    EXPECT_EQ(Find_Team_By_Abbreviation("FA", 1), FREE_AGENT_TEAM);
    EXPECT_EQ(Find_Team_By_Abbreviation("fa", 1), FREE_AGENT_TEAM);
    EXPECT_EQ(Errors_Reported(), 0);
    // The longer words for the free agents are not codes, and anything of
    // five characters or more is refused without a report.
    EXPECT_EQ(Find_Team_By_Abbreviation("FREE AGENTS", 1), NO_TEAM);
    EXPECT_EQ(Find_Team_By_Abbreviation("FREE AGENT", 1), NO_TEAM);
    EXPECT_EQ(Find_Team_By_Abbreviation("LARMS", 1), NO_TEAM);
    EXPECT_EQ(Find_Team_By_Abbreviation("", 1), NO_TEAM);
    EXPECT_EQ(Find_Team_By_Abbreviation(nullptr, 1), NO_TEAM);
    EXPECT_EQ(Errors_Reported(), 0);
    // An unknown code is reported only when asked.
    EXPECT_EQ(Find_Team_By_Abbreviation("ZZZ", 0), NO_TEAM);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Find_Team_By_Abbreviation("ZZZ", 1), NO_TEAM);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Unrecognized Team Abbreviation: ZZZ"));
    // "FREE" is four characters and no code.
    EXPECT_EQ(Find_Team_By_Abbreviation("FREE", 1), NO_TEAM);
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(NameLookupTest, AbbreviationAliasesInTableOrder)
{
    // "STL" meets the pairs STL-PHX, RAM-STL, LA-STL before STL-LAR: the first
    // with a franchise is LAR, ahead of STL-ARI.
    EXPECT_EQ(Find_Team_By_Abbreviation("STL", 1), 0);
    EXPECT_EQ(Find_Team_By_Abbreviation("stl", 1), 0);     // alias codes compare in any case
    EXPECT_EQ(Find_Team_By_Abbreviation("CHIB", 1), 2);
    EXPECT_EQ(Find_Team_By_Abbreviation("PHO", 1), 1);     // PHO-ARI
    EXPECT_EQ(Find_Team_By_Abbreviation("NWE", 1), 3);
    // "BOS" is a code of a club that is gone, but BOS-NE finds New England first.
    EXPECT_EQ(Find_Team_By_Abbreviation("BOS", 1), 3);
    // A lower-case own code misses the franchise (exact case) and, no pair
    // leading from LAR to a franchise here, is unknown.
    EXPECT_EQ(Find_Team_By_Abbreviation("lar", 0), NO_TEAM);
    // Without a LAR franchise, "STL" goes on to STL-ARI.
    Set_Team_String("XXX", 0, TEAM_STRING_ABBREVIATION);
    EXPECT_EQ(Find_Team_By_Abbreviation("STL", 1), 1);
    // Right to left: with a BAL franchise, "IND" (BAL-IND) finds it.
    Set_Team_String("BAL", 0, TEAM_STRING_ABBREVIATION);
    EXPECT_EQ(Find_Team_By_Abbreviation("IND", 1), 0);
    EXPECT_EQ(Find_Team_By_Abbreviation("BLT", 1), 0);     // BLT-BAL
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(NameLookupTest, CodesOfClubsThatAreGone)
{
    for (const char* szCode : {"BCL", "BDA", "BUF", "CHR", "CHH", "DTX", "LAD", "MIA", "NYY", "mia"})
        EXPECT_EQ(Find_Team_By_Abbreviation(szCode, 1), -1) << szCode;
    // Without New England, "BOS" is a club that is gone.
    Set_Team_String("XX", 3, TEAM_STRING_ABBREVIATION);
    EXPECT_EQ(Find_Team_By_Abbreviation("BOS", 1), -1);
    // CHH-CRA comes before the list: a CRA franchise takes "CHH".
    Set_Team_String("CRA", 2, TEAM_STRING_ABBREVIATION);
    EXPECT_EQ(Find_Team_By_Abbreviation("CHH", 1), 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(NameLookupTest, FullNamesNamesAndNicknames)
{
    EXPECT_EQ(Find_Team_By_Full_Name("arizona cardinals"), 1);
    EXPECT_EQ(Find_Team_By_Full_Name("New,England Patriots"), 3);   // commas read as blanks
    EXPECT_EQ(Find_Team_By_Full_Name("Arizona"), NO_TEAM);
    EXPECT_EQ(Find_Team_By_Name("New England Patriots"), 3);
    EXPECT_EQ(Find_Team_By_Name("Free Agents"), FREE_AGENT_TEAM);
    EXPECT_EQ(Find_Team_By_Name("RETIRED"), 41);
    // The nickname is the third word, else the second, else the first.
    EXPECT_EQ(Find_Team_By_Name("St. Louis Cardinals"), 1);
    EXPECT_EQ(Find_Team_By_Name("Phoenix Cardinals"), 1);
    EXPECT_EQ(Find_Team_By_Name("cardinals"), 1);
    EXPECT_EQ(Find_Team_By_Name("Boston Patriots Club"), NO_TEAM);   // third word "Club"
    EXPECT_EQ(Find_Team_By_Name(""), NO_TEAM);
    // The two-word nickname.
    Name_Team(2, "WAS", "Landover", "Vazarudu Team");
    EXPECT_EQ(Find_Team_By_Name("Washington Vazarudu Team"), 2);
    EXPECT_EQ(Find_Team_By_Name("Vazarudu Team"), 2);
    // Nicknames alone; none found is NO_TEAM, never franchise 0's number.
    EXPECT_EQ(Find_Team_By_Nickname("RAMS"), 0);
    EXPECT_EQ(Find_Team_By_Nickname("Patriots"), 3);
    EXPECT_EQ(Find_Team_By_Nickname("Oilers"), NO_TEAM);
    EXPECT_EQ(Find_Team_By_Nickname(""), NO_TEAM);
    // A franchise slot not in use is no club.
    Set_Team_Stat(3, TEAM_STAT_CONTROLLER, CONTROLLER_NOT_IN_USE);
    EXPECT_EQ(Find_Team_By_Nickname("Patriots"), NO_TEAM);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(NameLookupTest, HistoricNamesNeverWriteTheCallersText)
{
    SCRATCH_FOLDER Scratch("historic_names");
    Name_Team(2, "WAS", "Washington", "Vazarudu Team");
    Name_Team(3, "TEN", "Tennessee", "Titans");
    // Each name in a buffer of exactly its size: the names they are read as
    // are longer ("Washington Redskins" 19 -> "Washington Vazarudu Team" 24).
    struct CASE {
        const char* szName;
        int nTeam;
    };
    const CASE Cases[] = {
        {"Houston Oilers", 3}, {"TENNESSEE OILERS", 3}, {"Oilers", 3}, {"Washington Redskins", 2},
        {"redskins", 2},       {"Tennessee Titans", 3}, {"Bears", NO_TEAM},
    };
    for (const CASE& Case : Cases) {
        const size_t nSize = std::strlen(Case.szName) + 1;
        std::unique_ptr<char[]> Buffer(new char[nSize]);
        std::memcpy(Buffer.get(), Case.szName, nSize);
        EXPECT_EQ(Find_Team_By_Historic_Name(Buffer.get()), Case.nTeam) << Case.szName;
        EXPECT_EQ(std::memcmp(Buffer.get(), Case.szName, nSize), 0) << Case.szName;
    }
    // A name found nowhere is noted with the current year; an empty one is not.
    EXPECT_EQ(Find_Team_By_Historic_Name(""), NO_TEAM);
    const std::vector<std::string> Lines = Read_Debug_Log_Lines(true);
    ASSERT_EQ(Lines.size(), 1u);
    EXPECT_EQ(Lines[0], "Unrecognized Team Name: Bears (2020)");
}

// ---- Players -------------------------------------------------------------------

TEST_F(NameLookupTest, ScoredSearchPrefersTeamPositionAndPrimeAge)
{
    Put_Named(1, 4, 501, POSITION_WR, "John", "Smith");
    Put_Named(2, 7, 502, POSITION_WR, "John", "Smith");
    PLAYER_LOCATION Where;
    // Equal scores: the first visited stays.
    EXPECT_TRUE(Find_Player_By_Name(&Where, "John Smith", NO_TEAM, POSITION_WR));
    EXPECT_TRUE(At(Where, 1, 4));
    // + 5000 on the preferred team.
    EXPECT_TRUE(Find_Player_By_Name(&Where, "JOHN SMITH", 2, POSITION_WR));
    EXPECT_TRUE(At(Where, 2, 7));
    // A mark before the name is skipped.
    EXPECT_TRUE(Find_Player_By_Name(&Where, "*John Smith", 2, POSITION_WR));
    EXPECT_TRUE(At(Where, 2, 7));
    EXPECT_TRUE(Find_Player_By_Name(&Where, "7john smith", 2, POSITION_WR));
    EXPECT_TRUE(At(Where, 2, 7));
    // The wanted position: + 2000 beats (75 - 4) x 20 = 1420.
    Set_Player_Vital_Stat(1, 4, VITAL_POSITION, POSITION_QB);
    EXPECT_TRUE(Find_Player_By_Name(&Where, "John Smith", NO_TEAM, POSITION_WR));
    EXPECT_TRUE(At(Where, 2, 7));
    EXPECT_TRUE(Find_Player_By_Name(&Where, "John Smith", NO_TEAM, POSITION_QB));
    EXPECT_TRUE(At(Where, 1, 4));
    // Nobody of that name.
    EXPECT_FALSE(Find_Player_By_Name(&Where, "Jon Smith", NO_TEAM, POSITION_WR));
    EXPECT_TRUE(At(Where, NO_TEAM, NO_PLAYER));
    EXPECT_FALSE(Find_Player_By_Name(&Where, nullptr, NO_TEAM, POSITION_WR));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(NameLookupTest, ScoredSearchAgesSidesAndScoresBelowZero)
{
    // Two equal receivers, the first 17 (2020 - 2003): - 30 for his youth.
    Put_Named(1, 0, 601, POSITION_WR, "Sam", "Lee", 2003);
    Put_Named(2, 0, 602, POSITION_WR, "Sam", "Lee", 1995);
    PLAYER_LOCATION Where;
    EXPECT_TRUE(Find_Player_By_Name(&Where, "Sam Lee", NO_TEAM, POSITION_WR));
    EXPECT_TRUE(At(Where, 2, 0));
    // At 45 (2020 - 1975) he loses 2 a year past 40, 10 in all: still above
    // the 17-year-old's 30.
    Set_Player_Vital_Stat(2, 0, VITAL_BIRTH_DATE, 19750101);
    EXPECT_TRUE(Find_Player_By_Name(&Where, "Sam Lee", NO_TEAM, POSITION_WR));
    EXPECT_TRUE(At(Where, 2, 0));
    // A 25-year-old free agent, visited after the franchises, now scores best.
    Put_Named(FREE_AGENT_TEAM, 3, 603, POSITION_WR, "Sam", "Lee", 1995);
    EXPECT_TRUE(Find_Player_By_Name(&Where, "Sam Lee", NO_TEAM, POSITION_WR));
    EXPECT_TRUE(At(Where, FREE_AGENT_TEAM, 3));
    // A corner wanted: a receiver (7 positions away) also loses 1000 for the
    // other side of the ball; an equal linebacker (1 away) does not.
    Put_Named(1, 1, 604, POSITION_LB, "Sam", "Lee", 1995);
    EXPECT_TRUE(Find_Player_By_Name(&Where, "Sam Lee", NO_TEAM, POSITION_CB));
    EXPECT_TRUE(At(Where, 1, 1));
    // Any position (above 14): every candidate loses the 1000, and a wanted
    // position far away makes every score negative: none found.
    EXPECT_TRUE(Find_Player_By_Name(&Where, "Sam Lee", NO_TEAM, 15));
    EXPECT_FALSE(Find_Player_By_Name(&Where, "Sam Lee", NO_TEAM, 200));
    EXPECT_TRUE(At(Where, NO_TEAM, NO_PLAYER));
}

TEST_F(NameLookupTest, ExactSearchCountsMatchesAndIgnoresDots)
{
    Put_Named(1, 2, 701, POSITION_DE, "J.J.", "Watt");
    Put_Named(2, 9, 702, POSITION_QB, "Tom", "Brady");
    PLAYER_LOCATION Where;
    EXPECT_TRUE(Find_Player_By_Full_Name(&Where, "Tom Brady"));
    EXPECT_TRUE(At(Where, 2, 9));
    EXPECT_TRUE(Find_Player_By_Full_Name(&Where, "TOM BRADY"));
    EXPECT_TRUE(Find_Player_By_Full_Name(&Where, "*Tom Brady"));
    // A text not starting with a capital is read from its second letter:
    // "tom brady" is "om brady", nobody's name.
    EXPECT_FALSE(Find_Player_By_Full_Name(&Where, "tom brady"));
    EXPECT_TRUE(At(Where, NO_TEAM, NO_PLAYER));
    // The dots of his name, and of the text, may be left out; the caller's
    // text (a buffer of exactly its size) keeps its dot.
    EXPECT_TRUE(Find_Player_By_Full_Name(&Where, "J.J. Watt"));
    EXPECT_TRUE(At(Where, 1, 2));
    EXPECT_TRUE(Find_Player_By_Full_Name(&Where, "JJ Watt"));
    EXPECT_TRUE(At(Where, 1, 2));
    char szText[] = "J.J Watt";
    EXPECT_TRUE(Find_Player_By_Full_Name(&Where, szText));
    EXPECT_TRUE(At(Where, 1, 2));
    EXPECT_STREQ(szText, "J.J Watt");
    // Two of a name: not unique, the pair holds the later one.
    Put_Named(3, 0, 703, POSITION_QB, "Tom", "Brady");
    EXPECT_FALSE(Find_Player_By_Full_Name(&Where, "Tom Brady"));
    EXPECT_TRUE(At(Where, 3, 0));
    EXPECT_FALSE(Find_Player_By_Full_Name(&Where, ""));
    EXPECT_TRUE(At(Where, NO_TEAM, NO_PLAYER));
    EXPECT_FALSE(Find_Player_By_Full_Name(&Where, nullptr));
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---- The rosters file ----------------------------------------------------------

TEST_F(NameLookupTest, RostersFileListsClubsThenFreeAgents)
{
    SCRATCH_FOLDER Scratch("rosters_file");
    season_cycle::Build_League(2);
    Name_Team(0, "AAA", "Capital", "Bees");
    Name_Team(1, "BBB", "metro", "Stars");          // the first letter is raised
    Put_Named(0, 0, 11, POSITION_QB, "Al", "Bee");
    Put_Named(0, 2, 12, POSITION_RB, "Cy", "Dee");  // slot 1 empty
    Put_Named(FREE_AGENT_TEAM, 0, 13, POSITION_K, "Ed", "Fox");
    Put_Named(FREE_AGENT_TEAM, 3, 14, POSITION_P, "Gus", "Hall");
    ASSERT_TRUE(files::Create_Folders("Output"));
    {
        std::ofstream Old("Output/rosters.txt");
        Old << "what an earlier run left\n";
    }
    EXPECT_TRUE(Output_Rosters_Text());
    EXPECT_EQ(Read_Text_File("Output/rosters.txt"),
              "Capital Bees\nAl Bee\nCy Dee\n\nMetro Stars\n\nFREE AGENTS\nEd Fox\nGus Hall\n");
    // 50 a club, then the remainder 101 - 100: the bar ends full and closed.
    EXPECT_EQ(ui::Progress().Title, "Outputting Rosters...");
    EXPECT_EQ(ui::Progress().Steps, 100);
    EXPECT_EQ(ui::Progress().Position, 100);
    EXPECT_EQ(ui::Progress().TimesOpened, 1);
    EXPECT_FALSE(ui::Progress().Open);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(NameLookupTest, RostersFileWithoutClubsOrWithoutAFolder)
{
    SCRATCH_FOLDER Scratch("rosters_faults");
    Use_Franchises(0);
    Put_Named(FREE_AGENT_TEAM, 0, 13, POSITION_K, "Ed", "Fox");
    Output_Rosters_Text();   // no division by a team count of 0
    EXPECT_EQ(Read_Text_File("Output/rosters.txt"), "FREE AGENTS\nEd Fox\n");
    EXPECT_EQ(ui::Progress().Position, 100);
    EXPECT_FALSE(ui::Progress().Open);
    // "Output" a plain file: nothing can be written, and that is told once.
    std::filesystem::remove_all("Output");
    {
        std::ofstream Blocker("Output");
        Blocker << "x";
    }
    season_cycle::Build_League(2);
    Put_Named(0, 0, 11, POSITION_QB, "Al", "Bee");
    std::string Problem;
    EXPECT_FALSE(Output_Rosters_Text(&Problem));
    EXPECT_EQ(Problem, "\"Output/rosters.txt\" could not be written (Not a directory)");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("rosters.txt"), std::string::npos);
    EXPECT_FALSE(ui::Progress().Open);

    // On a full disk the file an earlier run wrote stays whole, and the
    // writer names it.
    std::filesystem::remove_all("Output");
    ASSERT_TRUE(files::Create_Folders("Output"));
    {
        std::ofstream Old("Output/rosters.txt");
        Old << "what an earlier run left\n";
    }
    ui::Clear_Shown_Boxes();
    files::Set_Temporary_Write_Device("/dev/full");
    EXPECT_FALSE(Output_Rosters_Text(&Problem));
    files::Set_Temporary_Write_Device(nullptr);
    EXPECT_EQ(Problem, "\"Output/rosters.txt\" could not be written (No space left on device)");
    EXPECT_EQ(Read_Text_File("Output/rosters.txt"), "what an earlier run left\n");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
}

}  // namespace
