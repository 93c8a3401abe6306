// History (174) and Hall Of Fame (139) run headless on small leagues: the
// season lines, the ordinal suffixes, the yearly averages with their
// rounding, profits past 32 bits, at most the seasons kept, and the hall's
// members shown from the year after their induction with their cards.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/stat_pickers.h"
#include "editors/team_history.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/player_card.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

using editor_tests::Action;

class TeamHistoryTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        season_cycle::Build_League(3, 1);
        Set_Division_Name(0, "Coastal");
        std::memset(League.szLeagueName[0], 0, sizeof(League.szLeagueName[0]));
        std::strcpy(League.szLeagueName[0], "Eastern");
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
    }

    static void Season(int nTeam, int nYear, int nAttendance, int nProfit, int nRank, int nWins, int nLosses,
                       int nTies, int nFinish)
    {
        Set_Team_Yearly_Int(nTeam, nYear, 0, nAttendance);
        Set_Team_Yearly_Int(nTeam, nYear, 1, nProfit);
        Set_Team_Yearly_Int(nTeam, nYear, 2, nRank);
        Set_Team_Yearly_Int(nTeam, nYear, YEARLY_INT_FINISH, nFinish);
        Set_Team_Yearly_Char(nTeam, nYear, YEARLY_WINS, nWins);
        Set_Team_Yearly_Char(nTeam, nYear, YEARLY_LOSSES, nLosses);
        Set_Team_Yearly_Char(nTeam, nYear, YEARLY_TIES, nTies);
    }

    static const DIALOG_RECORD& Run_History()
    {
        Do_Dialog(HISTORY_DIALOG, "History", History_Dialog);
        return dialogs::Records().back();
    }

    static std::vector<std::string> Averages(const DIALOG_RECORD& Record)
    {
        std::vector<std::string> Lines;
        for (int nId : {HISTORY_AVERAGE_ATTENDANCE, HISTORY_AVERAGE_PROFIT, HISTORY_AVERAGE_RECORD,
                        HISTORY_AVERAGE_RANK})
            Lines.push_back(Record.Find(nId)->Text);
        return Lines;
    }
};

TEST_F(TeamHistoryTest, AFirstSeasonShowsNoLinesAndFourNotAvailableAverages)
{
    const DIALOG_RECORD& Record = Run_History();
    EXPECT_TRUE(Record.Find(HISTORY_LIST)->Items.empty());
    EXPECT_EQ(Averages(Record),
              (std::vector<std::string>{"Attendance: n/a", "Profit: n/a", "Record: n/a", "Rank: n/a"}));
    EXPECT_EQ(Record.Final_Title, "History (2020 City0 Nick0)");
    EXPECT_EQ(Record.nResult, 1);
}

TEST_F(TeamHistoryTest, SeasonLinesTiesRanksFinishesAndRoundedAverages)
{
    Set_User_Preference(PREF_SEASON_INDEX, 3);
    Season(0, 0, 500000, -1500, 10, 7, 9, 1, 5);
    Season(0, 1, 600001, 2000000, 20, 10, 7, 0, 8);
    Season(0, 2, 400000, 1000, 24, 3, 14, 0, 7);
    const DIALOG_RECORD& Record = Run_History();
    EXPECT_EQ(Record.Find(HISTORY_LIST)->Items,
              (std::vector<std::string>{"2020\t500,000\t-$1,500\t7-9-1\t11th\t1st (Coastal)",
                                        "2021\t600,001\t$2,000,000\t10-7\t21st\tSuper Bowl Champion",
                                        "2022\t400,000\t$1,000\t3-14\t25th\tEastern Champion"}));
    // 1,500,001 / 3; (1,999,500 + 1) / 3; (20 + 1) / 3 - (30 + 1) / 3;
    // (54 + 1) / 3 + 1.
    EXPECT_EQ(Averages(Record), (std::vector<std::string>{"Attendance: 500,000", "Profit: $666,500",
                                                          "Record: 7-10", "Rank: 19th"}));
    EXPECT_EQ(Record.Find(HISTORY_LIST)->TabStops, (std::vector<int>{26, 90, 136, 166, 204}));
}

// A club added after two seasons has no row for them, and its averages are
// of the season it played.
TEST_F(TeamHistoryTest, SeasonsBeforeAClubWasAddedShowNoRowAndCountInNoAverage)
{
    Set_User_Preference(PREF_SEASON_INDEX, 3);
    Season(0, 2, 400000, 1000, 24, 3, 14, 0, 7);
    const DIALOG_RECORD& Record = Run_History();
    EXPECT_EQ(Record.Find(HISTORY_LIST)->Items,
              (std::vector<std::string>{"2022\t400,000\t$1,000\t3-14\t25th\tEastern Champion"}));
    EXPECT_EQ(Averages(Record), (std::vector<std::string>{"Attendance: 400,000", "Profit: $1,000",
                                                          "Record: 3-14", "Rank: 25th"}));
}

TEST_F(TeamHistoryTest, OrdinalSuffixesAndFinishTexts)
{
    const std::pair<int, const char*> CASES[] = {{1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},  {10, "th"},
                                                 {11, "th"}, {12, "th"}, {13, "th"}, {21, "st"}, {22, "nd"},
                                                 {23, "rd"}, {25, "th"}, {30, "th"}, {36, "th"}};
    for (const auto& [n, szSuffix] : CASES)
        EXPECT_STREQ(Get_Ordinal_Suffix(n), szSuffix) << n;
    const char* const FINISHES[] = {"5th (Coastal)", "4th (Coastal)", "3rd (Coastal)",    "2nd (Coastal)",
                                    "Eastern Wild Card", "1st (Coastal)", "Eastern Divisional Winner",
                                    "Eastern Champion", "Super Bowl Champion"};
    for (int nCode = 0; nCode <= 8; ++nCode) {
        char szText[64] = "";
        Format_Season_Finish(0, nCode, szText, sizeof(szText));
        EXPECT_STREQ(szText, FINISHES[nCode]) << nCode;
    }
    char szText[64] = "unchanged";
    Format_Season_Finish(0, 9, szText, sizeof(szText));
    EXPECT_STREQ(szText, "unchanged");
}

TEST_F(TeamHistoryTest, ANegativeAverageProfitReadsMinusDollarAndTruncatesTowardZero)
{
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    Season(0, 0, 10, -3, 0, 1, 0, 0, 0);
    Season(0, 1, 11, -2, 1, 0, 1, 0, 0);
    // Attendance 21 / 2 = 10; profit (-5 + 1) / 2 = -2; wins (1 + 1) / 2 = 1,
    // losses (1 + 0) / 2 = 0; rank (1 + 1) / 2 + 1 = 2.
    EXPECT_EQ(Averages(Run_History()), (std::vector<std::string>{"Attendance: 10", "Profit: -$2", "Record: 1-0",
                                                                 "Rank: 2nd"}));
}

TEST_F(TeamHistoryTest, ProfitsOfACenturyNearThe32BitLimitSumInSixtyFourBitsAndOnlyKeptSeasonsShow)
{
    Set_User_Preference(PREF_SEASON_INDEX, 105);   // five seasons more than the records keep
    for (int y = 0; y < YEARLY_RECORD_YEARS; ++y)
        Season(0, y, 2000000000, 2000000000 - y, 0, 8, 8, 0, 0);
    const DIALOG_RECORD& Record = Run_History();
    const std::vector<std::string>& Items = Record.Find(HISTORY_LIST)->Items;
    ASSERT_EQ(Items.size(), 100u);
    EXPECT_EQ(Items[99], "2119\t2,000,000,000\t$1,999,999,901\t8-8\t1st\t5th (Coastal)");
    // Profits sum to 200,000,000,000 - 4,950; (that + 50) / 100 = 2,000,000,000 - 49.
    EXPECT_EQ(Averages(Record)[1], "Profit: $1,999,999,951");
    EXPECT_EQ(Averages(Record)[0], "Attendance: 2,000,000,000");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamHistoryTest, ChoosingAnotherClubShowsItsHistoryAndViewsIt)
{
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Season(0, 0, 1, 1, 0, 5, 5, 0, 5);
    Season(2, 0, 2, 2, 4, 12, 4, 0, 6);
    dialogs::Queue_Action(HISTORY_DIALOG, Action(ACTION_SELECT, HISTORY_TEAM_COMBO, 2, "City2 Nick2"));
    const DIALOG_RECORD& Record = Run_History();
    EXPECT_EQ(Record.Find(HISTORY_LIST)->Items,
              (std::vector<std::string>{"2020\t2\t$2\t12-4\t5th\tEastern Divisional Winner"}));
    EXPECT_EQ(Record.Final_Title, "History (2021 City2 Nick2)");
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 2);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 0);   // club 2 is the computer's
}

class HallOfFameTest : public TeamHistoryTest {
protected:
    static void Member(int nSlot, int nID, const char* szFirst, const char* szLast, int nPosition, int nYear,
                       int nVote)
    {
        season_cycle::Put_Signed_Player(HALL_OF_FAME_TEAM, nSlot, nID, nPosition, 70.0f, 1960, 0);
        Set_Player_First_Name(HALL_OF_FAME_TEAM, nSlot, szFirst);
        Set_Player_Last_Name(HALL_OF_FAME_TEAM, nSlot, szLast);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_LONGEVITY, nYear);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POTENTIAL, nVote);
    }
};

TEST_F(HallOfFameTest, MembersInductedBeforeThisYearWithPaddedPositionsAndTheirCards)
{
    Set_User_Preference(PREF_SEASON_INDEX, 5);   // 2025
    Member(0, 901, "Ada", "Stone", POSITION_QB, 2021, 92);
    Member(1, 902, "Bo", "Reed", POSITION_LB, 2024, 77);
    Member(2, 903, "Cy", "Vance", POSITION_K, 2025, 81);   // this year's: shown next year
    dialogs::Queue_Action(HALL_OF_FAME_DIALOG, Action(ACTION_SELECT, HALL_OF_FAME_LIST, 1));
    dialogs::Queue_Action(HALL_OF_FAME_DIALOG, Action(ACTION_PRESS, HALL_OF_FAME_SCOUTING));
    Do_Dialog(HALL_OF_FAME_DIALOG, "Hall Of Fame", Hall_Of_Fame_Dialog);
    const std::vector<DIALOG_RECORD>& Records = dialogs::Records();
    ASSERT_GE(Records.size(), 2u);
    const DIALOG_RECORD& Card = Records[Records.size() - 2];
    EXPECT_EQ(Card.nDialogId, PLAYER_CARD_DIALOG);
    EXPECT_EQ(Card.Find(CARD_NAME)->Text, "Bo Reed");
    const DIALOG_RECORD& Hall = Records.back();
    EXPECT_EQ(Hall.Find(HALL_OF_FAME_LIST)->Items,
              (std::vector<std::string>{"Ada Stone\t   QB\t2021\t92%\t", "Bo Reed\t   LB\t2024\t77%\t"}));
    EXPECT_EQ(Hall.Find(HALL_OF_FAME_LIST)->ItemData, (std::vector<int64_t>{0, 1}));
    EXPECT_TRUE(Hall.Find(HALL_OF_FAME_SCOUTING)->bEnabled);

    // A year on, this year's member is listed too.
    dialogs::Reset();
    Set_User_Preference(PREF_SEASON_INDEX, 6);
    Do_Dialog(HALL_OF_FAME_DIALOG, "Hall Of Fame", Hall_Of_Fame_Dialog);
    const DIALOG_RECORD& Next = dialogs::Records().back();
    ASSERT_EQ(Next.Find(HALL_OF_FAME_LIST)->Items.size(), 3u);
    EXPECT_EQ(Next.Find(HALL_OF_FAME_LIST)->Items[2], "Cy Vance\t    K\t2025\t81%\t");
    EXPECT_FALSE(Next.Find(HALL_OF_FAME_SCOUTING)->bEnabled);   // nothing selected
}

}  // namespace
