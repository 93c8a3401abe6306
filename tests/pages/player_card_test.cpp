// The player card: the lines it shows for a player and the error box for an
// empty slot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/stat_codes.h"
#include "league/preferences.h"
#include "pages/player_card.h"
#include "pages/player_text.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "season/scouting.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"

namespace {

class PlayerCardTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        season_cycle::Build_League(2, 1);
        season_cycle::Put_Signed_Player(1, 2, 321, POSITION_WR, 70.0f, 1996, 3);
        Set_Player_Vital_Stat(1, 2, VITAL_BIRTH_DATE, 19960101);
        Set_Player_First_Name(1, 2, "Jo");
        Set_Player_Last_Name(1, 2, "Doe");
        Set_Player_College(1, 2, "State");
        Set_Player_Vital_Stat(1, 2, VITAL_HEIGHT, 74);
        Set_Player_Vital_Stat(1, 2, VITAL_WEIGHT, 205);
        Set_Player_Vital_Stat(1, 2, VITAL_SALARY, 1250);
    }
};

TEST_F(PlayerCardTest, TheCardShowsThePlayerOfTheSlot)
{
    EXPECT_EQ(Show_Scouting_Report(1, 2), 1);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_EQ(Record.nDialogId, PLAYER_CARD_DIALOG);
    EXPECT_EQ(Record.Final_Title, "Jo Doe");
    EXPECT_EQ(Record.Find(CARD_NAME)->Text, "Jo Doe");
    EXPECT_EQ(Record.Find(CARD_CLUB)->Text, "City1 Nick1");
    EXPECT_EQ(Record.Find(CARD_POSITION)->Text, "Wide Receiver");
    EXPECT_EQ(Record.Find(CARD_AGE)->Text, "Age: 24");
    EXPECT_EQ(Record.Find(CARD_SIZE)->Text, "Height: 6-2  Weight: 205");
    EXPECT_EQ(Record.Find(CARD_COLLEGE)->Text, "College: State");
    EXPECT_EQ(Record.Find(CARD_CONTRACT)->Text, "Contract: $1.25M a year, 3 years left");
    EXPECT_EQ(Record.Find(CARD_OVERALL)->Text, "Overall: " + std::to_string(Get_Player_Stat(1, 2, 3, 225)) +
                                                   "  Peak: " + std::to_string(Get_Player_Stat(1, 2, 3, 226)));
    // One line per key rating of the position, each rated 70: as the scouts
    // see it, 70 + m with his modifier m.
    const std::string Seen = std::to_string(70 + Get_Player_Stat_Modifier(1, 2, 321));
    std::vector<std::string> Ratings;
    for (int i = 0; Get_Position_Key_Rating(POSITION_WR, i) >= 0; ++i) {
        char szName[48] = "";
        Get_Rating_Name(Get_Position_Key_Rating(POSITION_WR, i), szName);
        Ratings.push_back(std::string(szName) + ": " + Seen);
    }
    ASSERT_FALSE(Ratings.empty());
    if (Ratings.size() > 10)
        Ratings.resize(10);
    EXPECT_EQ(Record.Find(CARD_RATINGS)->Items, Ratings);
    EXPECT_EQ(Record.Find(CARD_HEALTH)->Text, "Health: Healthy");
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// The stat line names its season: the one under way once a game of it is
// played, whatever period the player lists show; before that the season
// before, where he has a line of it.
TEST_F(PlayerCardTest, TheStatLineNamesItsSeason)
{
    const auto Stat_Line = [] { return Get_Player_Card_Lines(1, 2).back(); };
    // A new game sets the lists to last season, which a new league lacks.
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_LAST_SEASON);
    EXPECT_EQ(Stat_Line(), "2020 season: 0 rush, 0 yds, 0 TD; 0 rec, 0 yds, 0 TD");
    // Week 1 played: club 0 won, and he ran 3 times for 12 yards and caught
    // 4 passes for 56 yards and a touchdown.
    Set_Season_Record(0, 0, 1, 0, 0);
    const int LINE[7][2] = {{STAT_GAMES_PLAYED, 1},   {STAT_RUSHING_ATTEMPTS, 3}, {STAT_RUSHING_YARDS, 12},
                            {STAT_RUSHING_TOUCHDOWNS, 0}, {STAT_RECEPTIONS, 4}, {STAT_RECEIVING_YARDS, 56},
                            {STAT_RECEIVING_TOUCHDOWNS, 1}};
    for (const auto& Entry : LINE)
        Set_Player_Stat(1, 2, STAT_PERIOD_THIS_SEASON, Entry[0], Entry[1]);
    EXPECT_EQ(Stat_Line(), "2020 season: 3 rush, 12 yds, 0 TD; 4 rec, 56 yds, 1 TD");
    // The off-season: his line has become last season's, the year 2021's.
    for (const auto& Entry : LINE) {
        Set_Player_Stat(1, 2, STAT_PERIOD_LAST_SEASON, Entry[0], Entry[1]);
        Set_Player_Stat(1, 2, STAT_PERIOD_THIS_SEASON, Entry[0], 0);
    }
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Stat_Line(), "2020 season: 3 rush, 12 yds, 0 TD; 4 rec, 56 yds, 1 TD");
    // The 2021 season before its first game, even with the lists on this
    // season; then its first game played.
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    Set_User_Preference(PREF_STAT_PERIOD, STAT_PERIOD_THIS_SEASON);
    EXPECT_EQ(Stat_Line(), "2020 season: 3 rush, 12 yds, 0 TD; 4 rec, 56 yds, 1 TD");
    Set_Season_Record(1, 1, 0, 1, 0);
    Set_Player_Stat(1, 2, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_ATTEMPTS, 2);
    EXPECT_EQ(Stat_Line(), "2021 season: 2 rush, 0 yds, 0 TD; 0 rec, 0 yds, 0 TD");
}

TEST_F(PlayerCardTest, TheCardTellsHisInjury)
{
    // Code 2 of the injury table, three weeks out.
    Set_Player_Vital_Stat(1, 2, VITAL_INJURY, 2);
    Set_Player_Vital_Stat(1, 2, VITAL_INJURY_WEEKS, 3);
    EXPECT_EQ(Show_Scouting_Report(1, 2), 1);
    EXPECT_EQ(dialogs::Records().back().Find(CARD_HEALTH)->Text, "Health: broken toe");
    // Healed: healthy again, whatever the last injury was.
    Set_Player_Vital_Stat(1, 2, VITAL_INJURY_WEEKS, 0);
    const std::vector<std::string> Lines = Get_Player_Card_Lines(1, 2);
    ASSERT_GE(Lines.size(), 9u);
    EXPECT_EQ(Lines[8], "Health: Healthy");
}

TEST_F(PlayerCardTest, KeyRatingsAreTheScoutedFigures)
{
    // A rating of 81 (odd) reads 81 + m with the scouts' modifier m; in
    // Commissioner Mode the scouts see it as it is.
    const int nRating = Get_Position_Key_Rating(POSITION_WR, 0);
    ASSERT_GE(nRating, 0);
    Set_Player_Rating(1, 2, nRating, 81.0f);
    char szName[48] = "";
    Get_Rating_Name(nRating, szName);
    const int m = Get_Player_Stat_Modifier(1, 2, 321);
    ASSERT_NE(m, 0);   // the scouts' view differs here
    std::vector<std::string> Lines = Get_Player_Card_Lines(1, 2);
    ASSERT_GE(Lines.size(), 10u);
    EXPECT_EQ(Lines[9], std::string(szName) + ": " + std::to_string(81 + m));
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Lines = Get_Player_Card_Lines(1, 2);
    EXPECT_EQ(Lines[9], std::string(szName) + ": 81");
}

TEST_F(PlayerCardTest, AnEmptySlotShowsTheScoutingError)
{
    EXPECT_EQ(Show_Scouting_Report(1, 50), 0);
    EXPECT_TRUE(dialogs::Records().empty());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Scouting Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Couldn't find: TEAM:1  PLAYER:50");
    EXPECT_TRUE(Get_Player_Card_Lines(1, 50).empty());
}

}  // namespace
