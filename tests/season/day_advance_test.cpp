// The day advance and the games of a day on the 32-club league, headless:
// refusals, the closing steps of an empty run, automatic saves, the trading
// deadline, the Stop command, a game stopped part-way, the score lines and
// the league norms.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "test_support.h"
#include "whole_season.h"
#include "base/random.h"
#include "engine/game_state.h"
#include "engine/play_game.h"
#include "league/calendar.h"
#include "league/league_norms.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"
#include "platform/save_failures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/games_of_day.h"
#include "frontoffice/college_count.h"

namespace {

class DayAdvanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::Reset();
        shell_requests::Reset();
        Install_Shell_Handler(nullptr);
        whole_season::Build_League(77);
        ui::Reset();
        shell_requests::Reset();
        Clear_Recent_Errors();
        Reset_Error_Count();
    }
    void TearDown() override { Install_Shell_Handler(nullptr); }

    static int Final_Records()
    {
        int n = 0;
        for (int g = 0; g < NUMBER_OF_GAMES; ++g)
            n += Is_Game_Record_Final(g) ? 1 : 0;
        return n;
    }

    // Games of the schedule on days 0 to nDays - 1 (one per home team).
    static int Scheduled_Games_Before(int nDays)
    {
        int n = 0;
        for (int d = 0; d < nDays; ++d)
            for (int t = 0; t < 32; ++t)
                n += Get_Team_Schedule_Stat(t, d, SCHEDULE_OPPONENT) > 0 ? 1 : 0;
        return n;
    }

    SCRATCH_FOLDER Scratch{"day_advance"};
};

std::vector<std::string> g_Saves;
int g_nSaveResult = 0;
int Record_Save(const char* szPath)
{
    g_Saves.emplace_back(szPath);
    return g_nSaveResult;
}

std::string Full_Disk_Cause()
{
    return "No space left on device";
}

TEST_F(DayAdvanceTest, RefusedRunsChangeNothingAndAnEmptyRunOnlyCloses)
{
    // A run under way: the nested call is ignored without a word.
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    Advance_Day(1);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);

    // A fantasy draft refuses every advance, with the busy flag left clear.
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, 1);
    Advance_Day(4);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Fantasy Draft");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Vazarudu Kelvo can't play games during the Fantasy Draft.\n\nTo abort the Fantasy Draft (or finish it "
              "automatically), choose \"End Fantasy Draft...\" from the Tools Menu.");
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 0);
    EXPECT_EQ(Get_Current_Week(), 0);
    // Many seasons asked for while the draft runs: nothing moves, and the
    // request ends instead of asking again for ever.
    Play_Multiple_Seasons(3);
    EXPECT_EQ(Get_Current_Season_Index(), 0);
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);

    // No days: no game, but the closing steps run.
    shell_requests::Reset();
    Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 1);
    Set_User_Preference(PREF_GAME_STATE_SWITCH, 5);
    Advance_Day(0);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Final_Records(), 0);
    EXPECT_GE(shell_requests::Count(REQUEST_PLAY_MENU), 1);
    EXPECT_EQ(shell_requests::Count(REQUEST_NEWS_TICKER_START), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS), 0);
    EXPECT_EQ(Get_User_Preference(PREF_GAME_STATE_SWITCH), 0);
    EXPECT_EQ(Get_Universe_Word(SIMULATION_STOP_DAY_WORD), 0);
    EXPECT_FALSE(Is_Simulation_In_Progress());
}

// Past the last playoff day without a champion nothing can move the
// season: every run says so once, and a run of seasons stops with that
// one box, not another of its own. A run of seasons that stops for any
// other reason says why itself.
TEST_F(DayAdvanceTest, ARunThatCannotMoveTheSeasonSaysWhy)
{
    const int nLastPlayoffDay = Get_Season_Playoff_Day(SEASON_CALENDAR_DAYS - 1);
    ASSERT_GT(nLastPlayoffDay, 0);
    Clear_Playoff_Slots();
    Set_Current_Day(nLastPlayoffDay + 1);
    ASSERT_FALSE(Is_Season_Complete());
    const std::string Year = std::to_string(Get_Current_Year());
    const std::string Stuck = "Season Stopped|The " + Year +
                              " playoffs have ended without a champion, so the season cannot go on to the off-season.";
    // The boxes of a stopped run (the draft pool's complaints about files
    // this folder lacks left out).
    auto Boxes = [] {
        std::vector<std::string> Shown;
        for (const SHOWN_BOX& Box : ui::Shown_Boxes())
            if (Box.Caption == "Season Stopped" || Box.Caption == "Play Multiple Seasons")
                Shown.push_back(Box.Caption + "|" + Box.Text);
        ui::Clear_Shown_Boxes();
        return Shown;
    };
    Advance_Day(1);
    EXPECT_EQ(Get_Current_Week(), nLastPlayoffDay + 1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{Stuck});
    Play_Multiple_Seasons(2);
    EXPECT_EQ(Get_Current_Week(), nLastPlayoffDay + 1);
    EXPECT_EQ(Get_Current_Season_Index(), 0);
    EXPECT_EQ(Boxes(), std::vector<std::string>{Stuck});

    // The day before the last playoff day: a run plays on and stops
    // without a word when the day after comes with a champion.
    Set_Current_Day(0);
    Advance_Day(1);
    EXPECT_EQ(Get_Current_Week(), 1);
    EXPECT_TRUE(Boxes().empty());

    // An off-season that does not move (the season not complete there).
    Set_Current_Day(OFFSEASON_WEEK);
    Play_Multiple_Seasons(1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Play Multiple Seasons|Play Multiple Seasons stopped: the " + Year +
                                                 " off-season did not move on."});
}

// The clubs' yearly records keep 100 seasons: in the last of them (index
// 99) a finished season goes on to no off-season, by a week or by a run of
// seasons, and says so; a run of seasons is held to the seasons left.
TEST_F(DayAdvanceTest, NoStepTakesTheLeaguePastItsLastSeasonOfRecords)
{
    EXPECT_EQ(Count_Seasons_Left(), 99);
    Set_User_Preference(PREF_SEASON_INDEX, 97);
    EXPECT_EQ(Count_Seasons_Left(), 2);
    Set_User_Preference(PREF_SEASON_INDEX, 99);
    EXPECT_EQ(Count_Seasons_Left(), 0);

    // The last season finished: the champion in the final's slot.
    const int nLastPlayoffDay = Get_Season_Playoff_Day(SEASON_CALENDAR_DAYS - 1);
    ASSERT_GT(nLastPlayoffDay, 0);
    Set_Current_Day(nLastPlayoffDay + 1);
    Set_Playoff_Team(30, 0);
    ASSERT_TRUE(Is_Season_Complete());
    const std::string Refusal = "Last Season|The " + std::to_string(Get_Universe_Stat(FIRST_SEASON_YEAR) + 99) +
                                " season is the last of the 100 seasons this league keeps records for, so the "
                                "league cannot go on to another season.";
    auto Boxes = [] {
        std::vector<std::string> Shown;
        for (const SHOWN_BOX& Box : ui::Shown_Boxes())
            Shown.push_back(Box.Caption + "|" + Box.Text);
        ui::Clear_Shown_Boxes();
        return Shown;
    };
    const int nRefused = Count_Refused_Steps();
    Advance_Day(1);
    EXPECT_EQ(Get_Current_Season_Index(), 99);
    EXPECT_EQ(Get_Current_Week(), nLastPlayoffDay + 1);
    EXPECT_TRUE(Is_Season_Complete());
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 0);
    EXPECT_EQ(Boxes(), std::vector<std::string>{Refusal});
    EXPECT_EQ(Count_Refused_Steps(), nRefused + 1);
    // A run of seasons: the same one box, nothing moved, every club the
    // user's again.
    Play_Multiple_Seasons(3);
    EXPECT_EQ(Get_Current_Season_Index(), 99);
    EXPECT_EQ(Get_Current_Week(), nLastPlayoffDay + 1);
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    EXPECT_EQ(Boxes(), std::vector<std::string>{Refusal});
    EXPECT_EQ(Count_Refused_Steps(), nRefused + 2);
}

// Asked for more seasons than are left, a run called directly plays only
// those left: from the next-to-last season of records it goes on into the
// last one and stops there, refusing nothing.
TEST_F(DayAdvanceTest, ARunOfMoreSeasonsThanAreLeftPlaysOnlyThoseLeft)
{
    Set_User_Preference(PREF_SEASON_INDEX, 98);
    ASSERT_EQ(Count_Seasons_Left(), 1);
    const int nRefused = Count_Refused_Steps();
    Play_Multiple_Seasons(3);
    EXPECT_EQ(Get_Current_Season_Index(), 99);
    EXPECT_FALSE(Is_Season_Complete());
    EXPECT_LT(Get_Current_Week(), Get_First_Playoff_Week());
    EXPECT_EQ(Count_Refused_Steps(), nRefused);
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        EXPECT_NE(Box.Caption, "Last Season") << Box.Text;
}

TEST_F(DayAdvanceTest, TheDraftPageShowsTheComingDraftsYearBeforeAndAfterTheSeasonIndexMovesOn)
{
    // The league's first season is 2019 (season index 0): its draft is 2020's.
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    const int nYear = Get_Current_Year();
    Set_Current_Day(Get_Season_Playoff_Day(0));
    Advance_Day(0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SELECTION), nYear + 1);
    // The off-season has moved the season index on to the draft's year:
    // the page keeps showing that same draft, not the one a year later.
    Set_User_Preference(PREF_SEASON_INDEX, Get_Current_Season_Index() + 1);
    Set_Current_Day(OFFSEASON_WEEK);
    Advance_Day(0);
    EXPECT_EQ(Get_Current_Year(), nYear + 1);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SELECTION), nYear + 1);
    // A draft under way in its third round: the page shows that round.
    ASSERT_GT(Count_College_Players(), 0);
    Set_User_Preference(PREF_DRAFT_ROUND, 2);
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, 7);
    Advance_Day(0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SCROLL), 3);
    // No draft under way: the round shown is left as the user chose it.
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Advance_Day(0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SCROLL), 3);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
}

TEST_F(DayAdvanceTest, CommissionerModeIsOfferedAndTheRunGoesOnEitherWay)
{
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    ui::Queue_Answer(ID_NO);
    Advance_Day(1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Commissioner Mode");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Would you like to turn Commissioner Mode off before proceeding?");
    EXPECT_EQ(Get_User_Preference(PREF_COMMISSIONER_MODE), 1);
    EXPECT_EQ(Get_Current_Week(), 1);
    ui::Queue_Answer(ID_YES);
    Advance_Day(1);
    EXPECT_EQ(Get_User_Preference(PREF_COMMISSIONER_MODE), 0);
    EXPECT_EQ(Get_Current_Week(), 2);
}

TEST_F(DayAdvanceTest, AutoSavesFollowTheDayAndAFailedSaveIsToldButDoesNotStopTheRun)
{
    g_Saves.clear();
    g_nSaveResult = 0;
    SHELL_HANDLER Handler;
    Handler.pSave = Record_Save;
    Install_Shell_Handler(&Handler);
    Set_User_Preference(PREF_AUTO_SAVE, 1);

    Advance_Day(1);   // day 0: 0 mod 4 is below 1
    Advance_Day(1);   // day 1: no
    Advance_Day(1);   // day 2: no
    Advance_Day(1);   // day 3: no
    Advance_Day(1);   // day 4: yes
    ASSERT_EQ(g_Saves.size(), 2u);
    EXPECT_EQ(g_Saves[0], "[Auto Save].zrt");
    Advance_Day(4);   // four days or more: every call
    EXPECT_EQ(g_Saves.size(), 3u);
    EXPECT_EQ(Get_Current_Week(), 9);

    // A failed automatic save says why, in the saver's words.
    g_nSaveResult = 1;
    Handler.pSaveCause = Full_Disk_Cause;
    Install_Shell_Handler(&Handler);
    Advance_Day(4);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Auto Save");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Vazarudu Kelvo could not auto-save the game file! (No space left on device)");
    EXPECT_EQ(Get_Current_Week(), 13);
    EXPECT_EQ(Final_Records(), Scheduled_Games_Before(13));
}

TEST_F(DayAdvanceTest, TradesEndAtTheDeadlineAndStopEndsTheRunAfterTheDay)
{
    Advance_Day(9);
    EXPECT_EQ(Get_User_Preference(PREF_TRADE_ATTEMPTS), 27);   // days 0-8, three attempts each
    // Days 9, 10 and 11 try trades; 12 and 13 are past the deadline.
    Advance_Day(5);
    EXPECT_EQ(Get_Current_Week(), 14);
    EXPECT_EQ(Get_User_Preference(PREF_TRADE_ATTEMPTS), 9);

    // Stop during a run: the stop day becomes the day after today and the
    // many-seasons mode ends.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 17);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    EXPECT_TRUE(Is_Simulation_In_Progress());
    Stop_Simulation();
    EXPECT_EQ(Get_Universe_Word(SIMULATION_STOP_DAY_WORD), 15);
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    EXPECT_TRUE(Is_Simulation_In_Progress());   // today's games still finish
    Set_Current_Day(15);
    EXPECT_FALSE(Is_Simulation_In_Progress());
}

TEST_F(DayAdvanceTest, AGameStoppedPartWayIsPlayedOnNotRestartedAndNoGameIsLost)
{
    // The user stops the run inside the day's first game: it has begun (its
    // record is filled and kicked off) and is not over; the others wait.
    // The last home team's game: every other game of the day must then
    // keep off its record.
    int nHome = -1;
    for (int t = 31; t >= 0 && nHome < 0; --t)
        if (Get_Team_Schedule_Stat(t, 0, SCHEDULE_OPPONENT) > 0)
            nHome = t;
    ASSERT_GE(nHome, 0);
    const int nVisitor = Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_OPPONENT) - 1;
    const int nRecord = 0;
    Set_Team_Schedule_Stat(nHome, 0, SCHEDULE_GAME_INDEX, nRecord);
    Set_Team_Schedule_Stat(nVisitor, 0, SCHEDULE_GAME_INDEX, nRecord);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    ASSERT_EQ(Play_Game(nHome, nVisitor, 0, Get_Game_Record(nRecord)), 0);
    GAME* pGame = Get_Game_Record(nRecord);
    EXPECT_EQ(pGame->nHomeTeam, nHome);
    EXPECT_FALSE(Is_Game_Over(pGame));
    EXPECT_EQ(Final_Records(), 0);
    // Mark the record the way only a fresh start would overwrite it.
    pGame->nPointSpread = 12345;

    // The next run plays it on from where it stopped, then the rest of the day.
    Advance_Day(1);
    EXPECT_EQ(Get_Current_Week(), 1);
    EXPECT_EQ(pGame->nPointSpread, 12345);
    EXPECT_TRUE(Is_Game_Over(pGame));
    EXPECT_EQ(Final_Records(), Scheduled_Games_Before(1));
    for (int t = 0; t < 32; ++t) {
        const int nPlayed = Count_Team_Results(t, RESULT_WINS, RESULTS_ALL_GAMES) +
                            Count_Team_Results(t, RESULT_LOSSES, RESULTS_ALL_GAMES) +
                            Count_Team_Results(t, RESULT_TIES, RESULTS_ALL_GAMES);
        EXPECT_EQ(nPlayed, Get_Team_Schedule_Stat(t, 0, SCHEDULE_OPPONENT) != 0 ? 1 : 0) << "team " << t;
    }

    // A resume flag left pointing at a finished game takes no other game's
    // place: every game of the next day is played in a record of its own.
    Set_User_Preference(PREF_PLAYING_GAMES, 1);
    Set_User_Preference(PREF_PAGE_FILE_NUMBER, 0);
    Advance_Day(1);
    EXPECT_EQ(Get_Current_Week(), 2);
    EXPECT_EQ(Final_Records(), Scheduled_Games_Before(2));
    EXPECT_EQ(Get_User_Preference(PREF_PLAYING_GAMES), 0);
}

TEST_F(DayAdvanceTest, AWatchedGameWaitingForTheUsersCallGetsTheComputersCalls)
{
    int nHome = 0;
    while (Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_OPPONENT) <= 0)
        ++nHome;
    const int nVisitor = Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_OPPONENT) - 1;
    GAME* pGame = Get_Game_Record(0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    ASSERT_EQ(Play_Game(nHome, nVisitor, 0, pGame), 0);   // kicked off, then stopped
    pGame->CurrentPlay.nOffenseCall = PLAY_NOT_CALLED;
    pGame->CurrentPlay.nDefenseCall = PLAY_NOT_CALLED;
    Set_Calendar_PBP_Flag(nHome, 0, 1);
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    Set_User_Preference(PREF_MAIN_PAGE, GAMES_PAGE);

    // No run under way: nothing is called for the user.
    Set_User_Preference(PREF_WAITING_FOR_CLICK, 1);
    Leave_Watched_Game();
    EXPECT_EQ(Get_User_Preference(PREF_WAITING_FOR_CLICK), 0);
    EXPECT_EQ(pGame->CurrentPlay.nOffenseCall, PLAY_NOT_CALLED);
    EXPECT_EQ(Get_Calendar_PBP_Flag(nHome, 0), 1);

    // During a run the computer calls both sides, the game is watched no
    // more, and the Calendar page comes up.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_WAITING_FOR_CLICK, 1);
    Leave_Watched_Game();
    EXPECT_EQ(Get_User_Preference(PREF_WAITING_FOR_CLICK), 0);
    EXPECT_NE(pGame->CurrentPlay.nOffenseCall, PLAY_NOT_CALLED);
    EXPECT_NE(pGame->CurrentPlay.nDefenseCall, PLAY_NOT_CALLED);
    EXPECT_EQ(Get_Calendar_PBP_Flag(nHome, 0), 0);
    EXPECT_EQ(shell_requests::Last_Page(), CALENDAR_PAGE_COMMAND);

    // While a play is told both calls are made: the game is left all the
    // same, its calls kept and no number drawn for a call.
    const int nOffense = pGame->CurrentPlay.nOffenseCall;
    const int nDefense = pGame->CurrentPlay.nDefenseCall;
    Set_Calendar_PBP_Flag(nHome, 0, 1);
    Set_User_Preference(PREF_MAIN_PAGE, GAMES_PAGE);
    Seed_Random_Numbers(99);
    const uint32_t nNext = Generate_Random_Number();
    Seed_Random_Numbers(99);
    shell_requests::Reset();
    Leave_Watched_Game();
    EXPECT_EQ(shell_requests::Last_Page(), CALENDAR_PAGE_COMMAND);
    EXPECT_EQ(Get_Calendar_PBP_Flag(nHome, 0), 0);
    EXPECT_EQ(pGame->CurrentPlay.nOffenseCall, nOffense);
    EXPECT_EQ(pGame->CurrentPlay.nDefenseCall, nDefense);
    EXPECT_EQ(Generate_Random_Number(), nNext);

    // A game over is left alone: its week keeps its mark.
    Set_Calendar_PBP_Flag(nHome, 0, 1);
    pGame->nClock = SECONDS_OF_REGULATION;
    pGame->nScore[GAME_SIDE_HOME] = pGame->nScore[GAME_SIDE_AWAY] + 3;
    ASSERT_TRUE(Is_Game_Over(pGame));
    Leave_Watched_Game();
    EXPECT_EQ(Get_Calendar_PBP_Flag(nHome, 0), 1);
}

TEST_F(DayAdvanceTest, WhenEveryGameRecordIsUsedTheDayReportsAndPlaysNothing)
{
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        GAME* pGame = Get_Game_Record(g);
        pGame->nAwayTeam = 0;
        pGame->nHomeTeam = 1;
        pGame->nClock = 3600;
        pGame->nScore[GAME_SIDE_HOME] = 7;
    }
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 1);
    Play_Todays_Games();
    EXPECT_GT(Get_Error_Count(), 0);
    EXPECT_NE(std::string(Get_Recent_Errors()).find("No free GAME record"), std::string::npos);
    for (int t = 0; t < 32; ++t)
        EXPECT_EQ(Get_Team_Schedule_Stat(t, 0, SCHEDULE_GAME_INDEX), NO_GAME_RECORD);
}

TEST(ScoreRingTest, LinesColoursAndTheFourthGameOverwritingTheFirst)
{
    Zero_League_Data();
    Set_Team_String("Hawks", 3, TEAM_STRING_NICKNAME);
    Set_Team_String("Owls", 5, TEAM_STRING_NICKNAME);
    Clear_Game_Buffers();
    GAME Game{};
    Game.nAwayTeam = 3;
    Game.nHomeTeam = 5;
    Game.nScore[GAME_SIDE_AWAY] = 24;
    Game.nScore[GAME_SIDE_HOME] = 17;
    Game.nClock = 3600;
    Format_Score_Text(&Game, 0);
    EXPECT_STREQ(Get_Score_Ring_Text(0, 0), "Hawks 24");
    EXPECT_STREQ(Get_Score_Ring_Text(0, 1), "Owls 17");
    EXPECT_STREQ(Get_Score_Ring_Text(0, 2), "");
    EXPECT_EQ(Get_Score_Ring_Colour(0, 0), 0x0045F9FFu);   // red 255, green 249, blue 69
    EXPECT_EQ(Get_Score_Ring_Colour(0, 1), 0x00FFFFFFu);
    EXPECT_EQ(Get_Score_Ring_Colour(0, 2), 0u);

    // A tie after overtime: two white lines and "(OT)".
    Game.nScore[GAME_SIDE_HOME] = 24;
    Game.nClock = 4500;
    Format_Score_Text(&Game, 1);
    EXPECT_EQ(Get_Score_Ring_Colour(1, 0), 0x00FFFFFFu);
    EXPECT_EQ(Get_Score_Ring_Colour(1, 1), 0x00FFFFFFu);
    EXPECT_STREQ(Get_Score_Ring_Text(1, 2), "(OT)");
    EXPECT_EQ(Get_Score_Ring_Colour(1, 2), 0x002EA6AAu);   // (170, 166, 46)

    // Slots above 37 carry no name.
    Game.nHomeTeam = 38;
    Format_Score_Text(&Game, 3);
    EXPECT_STREQ(Get_Score_Ring_Text(0, 1), " 24");
    EXPECT_STREQ(Get_Score_Ring_Text(1, 2), "(OT)");
    Clear_Game_Buffers();
    EXPECT_STREQ(Get_Score_Ring_Text(1, 2), "");
    EXPECT_STREQ(Get_Score_Ring_Text(3, 0), "");
}

TEST(LeagueNormsTest, DefaultsUntilGamesThenTheSeasonsAverages)
{
    Zero_League_Data();
    // Never prepared: the engine reads the defaults.
    EXPECT_FALSE(Are_League_Norms_Kept());
    EXPECT_EQ(Get_League_Norm(LEAGUE_NORM_RUSHING), 420);
    EXPECT_EQ(Get_League_Norm(LEAGUE_NORM_KICKING), 800);
    EXPECT_EQ(Get_League_Norm(0), 0);
    EXPECT_EQ(Get_League_Norm(8), 0);
    Use_Franchises(2);
    Prepare_Game_Day();
    const int nDefaults[7] = {420, 625, 1120, 2350, 30, 70, 800};
    for (int f = 1; f <= 7; ++f)
        EXPECT_EQ(Get_League_Norm(f), nDefaults[f - 1]) << f;
    EXPECT_TRUE(Are_League_Norms_Kept());

    // One game played; carries 0/7, yards 0/8 and passes 3/3, 3/5, 3/8.
    Add_Team_Win(0, 1);
    Add_Team_Loss(1, 0);
    Set_Team_Totals_Stat(0, 0, 0, 7, 30);
    Set_Team_Totals_Stat(1, 0, 0, 7, 27);
    Set_Team_Totals_Stat(0, 0, 0, 8, 150);
    Set_Team_Totals_Stat(1, 0, 0, 8, 103);   // 253 yards on 57 carries: 443.86 -> 444
    Set_Team_Totals_Stat(0, 3, 0, 3, 20);
    Set_Team_Totals_Stat(1, 3, 0, 3, 25);   // 45 completions
    Set_Team_Totals_Stat(0, 3, 0, 5, 230);
    Set_Team_Totals_Stat(1, 3, 0, 5, 275);  // 505 yards: 1122.2 -> 1122
    Set_Team_Totals_Stat(0, 3, 0, 8, 10);
    Set_Team_Totals_Stat(1, 3, 0, 8, 9);    // 1000 x 505 / (253 + 19) = 1856.62 -> 1857
    Prepare_Game_Day();
    EXPECT_EQ(Get_League_Norm(1), 444);
    EXPECT_EQ(Get_League_Norm(3), 1122);
    EXPECT_EQ(Get_League_Norm(4), 1857);
}

}  // namespace

namespace {

// The first game record of a week that holds club nTeam; -1 when none.
int Game_Of_Team(int nWeek, int nTeam)
{
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (pGame != nullptr && pGame->nWeek == nWeek && (pGame->nAwayTeam == nTeam || pGame->nHomeTeam == nTeam))
            return g;
    }
    return -1;
}

}  // namespace

TEST_F(DayAdvanceTest, AFinishedShownGameGivesWayToTheDaysGamesWhenANewDayBegins)
{
    // Week 1 played; club 0's game of it is the one the window kept on
    // screen once it ended (as a watched game leaves it).
    Advance_Day(1);
    ASSERT_EQ(Get_Current_Week(), 1);
    const int nFinal = Game_Of_Team(0, 0);
    ASSERT_GE(nFinal, 0);
    ASSERT_TRUE(Is_Game_Record_Final(nFinal));
    Set_User_Preference(PREF_SHOWN_GAME, nFinal);
    // A run of no days begins no day: the final stays.
    Advance_Day(0);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_GAME), nFinal);
    // The next day: the page goes back to the games of the day.
    Advance_Day(1);
    EXPECT_EQ(Get_Current_Week(), 2);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_GAME), -1);
}
