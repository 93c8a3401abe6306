// Two leagues of one year in one data folder: each writes its games' pages
// under the same names (the year and the game's number). A league saved,
// then resumed after the other one played the same day, has the other
// league's pages under its names; a click on its shown game's points by
// quarter or play-by-play never opens them as its own, while the league that
// wrote them opens them after a save and a load.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/game_log.h"
#include "gamefile/game_file.h"
#include "league/game_record.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "scratch_folder.h"
#include "season/day_advance.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "whole_season.h"

namespace {

// The first game the day played, shown in the game window; -1 when none.
int Show_First_Final_Game()
{
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        if (Is_Game_Record_Final(g)) {
            Set_User_Preference(PREF_SHOWN_GAME, g);
            return g;
        }
    }
    return -1;
}

TEST(ShownGamePagesTest, AnotherLeaguesPagesOfTheSameNamesAreNeverOpenedAsTheShownGames)
{
    SCRATCH_FOLDER Scratch("shown_game_pages_two_leagues");
    ASSERT_TRUE(Scratch.Ready());
    ui::Reset();
    services::Reset();

    // League A plays its first day and is saved with its game shown.
    whole_season::Build_League(21);
    Set_Game_Pages_Enabled(true);
    Advance_Day(1);
    const int nGame = Show_First_Final_Game();
    ASSERT_GE(nGame, 0);
    const GAME GameA = *Get_Game_Record(nGame);
    char szBox[64];
    char szRecap[64];
    ASSERT_TRUE(Get_Selected_Box_Score_File_Name(szBox, sizeof szBox));
    ASSERT_TRUE(Get_Selected_Recap_File_Name(szRecap, sizeof szRecap));
    EXPECT_EQ(Check_Game_Page(szBox, &GameA, nGame), GAME_PAGE_OWN);
    ASSERT_EQ(Save_Game("A.zrt"), 0);

    // League B of the same year plays the same day: the same game number,
    // another game, under the same names.
    whole_season::Build_League(22);
    Set_Game_Pages_Enabled(true);
    Advance_Day(1);
    ASSERT_EQ(Show_First_Final_Game(), nGame);
    char szName[64];
    ASSERT_TRUE(Get_Selected_Box_Score_File_Name(szName, sizeof szName));
    ASSERT_STREQ(szName, szBox);
    ASSERT_NE(Get_Game_Page_Mark(Get_Game_Record(nGame), nGame), Get_Game_Page_Mark(&GameA, nGame));
    ASSERT_EQ(Save_Game("B.zrt"), 0);

    // A resumed: both clicks are refused, each box naming its file.
    ASSERT_NE(Load_Game_File("A.zrt"), 0);
    ASSERT_EQ(Get_User_Preference(PREF_SHOWN_GAME), nGame);
    ui::Clear_Shown_Boxes();
    EXPECT_FALSE(Open_Shown_Game_Page(false));
    EXPECT_FALSE(Open_Shown_Game_Page(true));
    EXPECT_TRUE(services::Opened_Documents().empty());
    const std::string Root = std::filesystem::current_path().string() + "/";
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    const std::string Replaced = " is not this game's page: a later game of the same name (another league in "
                                 "this folder, or this league played on from an older save) replaced it.";
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Box Score");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, Root + files::Resolve_Path(szBox) + Replaced);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "Recap");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, Root + files::Resolve_Path(szRecap) + Replaced);

    // B resumed: its own pages open, the game as saved and loaded.
    ASSERT_NE(Load_Game_File("B.zrt"), 0);
    ui::Clear_Shown_Boxes();
    EXPECT_TRUE(Open_Shown_Game_Page(false));
    EXPECT_TRUE(Open_Shown_Game_Page(true));
    EXPECT_TRUE(ui::Shown_Boxes().empty()) << ui::Shown_Boxes().front().Text;
    ASSERT_EQ(services::Opened_Documents().size(), 2u);
    EXPECT_EQ(services::Opened_Documents()[0], files::Resolve_Path(szBox));
    EXPECT_EQ(services::Opened_Documents()[1], files::Resolve_Path(szRecap));
    services::Reset();
}

}  // namespace
