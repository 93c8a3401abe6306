// The watched game: watching a game of two computer clubs changes nothing of
// it; the user's club calls its plays through Submit_User_Play_Call from
// inside the blocking wait, on offence and on defence, never against a kick;
// "Go For Two?" once per try; the user's timeout; the fast-forward of Finish
// Quarter and Finish Game; and nothing waits without a window.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/formations.h"
#include "engine/game_report.h"
#include "engine/game_log.h"
#include "engine/narration.h"
#include "engine/playbooks.h"
#include "engine/watched_game.h"
#include "league/league_text.h"
#include "platform/ui_services.h"
#include "test_support.h"
#include "told_numbers.h"
#include "watched_fixture.h"

namespace {

using namespace game_fixture;
using namespace watched_fixture;

constexpr uint32_t LEAGUE_SEED = 11;
constexpr uint32_t GAME_SEED = 2;
constexpr uint32_t TRY_SEED = 3;   // a game with touchdowns, so tries to call

// What a played game leaves behind, the narration (display data that only a
// watched game fills) taken out of the record.
struct GAME_RESULT {
    std::string GameBytes;
    std::string TeamBytes;
    std::string BoxScore;
    std::string TextLog;
    uint32_t nNextDraws[4];
};

GAME_RESULT Result_Of_Game()
{
    GAME_RESULT r;
    r.GameBytes = Game_Bytes_Without_Narration();
    // The players' statistics and the playbooks' tallies of both clubs,
    // without the watch mark of the week.
    Set_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK, 0);
    r.TeamBytes.assign(reinterpret_cast<const char*>(&League.Team[0]), 2 * sizeof(League.Team[0]));
    r.BoxScore = Get_Game_Report_Html();
    r.TextLog = Get_Game_Text_Log();
    // The same count of draws leaves the generator at the same place.
    for (uint32_t& nDraw : r.nNextDraws)
        nDraw = Generate_Random_Number();
    return r;
}

int Count_Narration(const GAME& Game)
{
    int n = 0;
    for (int i = 0; i < Game.nPlays && i < PLAY_LOG_SIZE; ++i)
        for (const NARRATION_ENTRY& Entry : Game.PlayLog[i].Narration)
            n += Entry.bEvent != NARRATION_ENTRY_FREE;
    return n;
}

class WatchedGameTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Game_Pages_Enabled(true);
        Forget_Two_Point_Answer();
        menus::Reset();
        services::Reset();
    }
    void TearDown() override
    {
        Stop_Watching_Window();
        // A game stopped part-way leaves its pages' text; the next game starts
        // its own.
        Clear_Game_Log_Texts();
        Clear_Game_Report_Html();
        Set_Game_Pages_Enabled(false);
        menus::Reset();
        services::Reset();
    }

    // The league of two clubs with the week's game scheduled and every
    // player named, as in any league (a nameless player gets a name when
    // the narration first names him); the game to be played from GAME_SEED.
    static void Build_League()
    {
        Build_Two_Team_League(LEAGUE_SEED);
        League.Team[HOME_TEAM].nSchedule[FIXTURE_WEEK][SCHEDULE_OPPONENT] = AWAY_TEAM + 1;
        League.Team[AWAY_TEAM].nSchedule[FIXTURE_WEEK][SCHEDULE_OPPONENT] = -(HOME_TEAM + 1);
        for (int t : {AWAY_TEAM, HOME_TEAM})
            for (int s = 0; s < ROSTER_SIZE; ++s) {
                Set_Player_First_Name(t, s, "Lee");
                Set_Player_Last_Name(t, s, "Player");
            }
        Set_User_Preference(PREF_SHOWN_GAME, -1);
    }

    // A fresh league's game watched in a window, played on nSeed with each
    // frame shown to OnFrame; the window closed after.
    static ::testing::AssertionResult Watch_Game_On_Seed(uint32_t nSeed, std::function<void(int)> OnFrame)
    {
        Build_League();
        Start_Watching_Window();
        Watch_Fixture_Game();
        Record().OnFrame = std::move(OnFrame);
        const int nResult = Play_Fixture_Game(nSeed);
        Stop_Watching_Window();
        if (nResult < 0)
            return ::testing::AssertionFailure() << "the game on seed " << nSeed << " stopped with " << nResult;
        return ::testing::AssertionSuccess();
    }
};
TEST_F(WatchedGameTest, WatchingAGameOfTwoComputerClubsChangesNothing)
{
    Build_League();
    const std::string Before(reinterpret_cast<const char*>(&League), sizeof(League));
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    const GAME_RESULT Unwatched = Result_Of_Game();
    EXPECT_EQ(Count_Narration(League.Game[0]), 0);

    std::memcpy(static_cast<void*>(&League), Before.data(), sizeof(League));
    Start_Watching_Window();
    Watch_Fixture_Game();
    int nPlaysPainted = 0;
    Record().OnFrame = [&nPlaysPainted](int nFrame) { nPlaysPainted += nFrame == 0; };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    const int nNarrated = Count_Narration(League.Game[0]);
    const GAME_RESULT Watched = Result_Of_Game();

    // It was watched: every snap animated in 11 frames with the menu greyed,
    // the waits through the seam, the narration told.
    EXPECT_EQ(nPlaysPainted, League.Game[0].nPlays);
    EXPECT_EQ(Record().nFrames, 11 * nPlaysPainted);
    EXPECT_EQ(Record().nFinalPaints, nPlaysPainted);
    EXPECT_EQ(Record().nFramesWithMenuLive, 0);
    EXPECT_FALSE(menus::Main_Menu().bAllGreyed);
    EXPECT_EQ(Record().nWaits, Record().nFrames);   // one interval of 1 ms a frame, no call waited for
    EXPECT_EQ(Record().nClock, static_cast<uint64_t>(Record().nFrames));
    EXPECT_GT(Record().nRepaints, 2 * nPlaysPainted - 1);
    EXPECT_GT(nNarrated, League.Game[0].nPlays);

    // And nothing of the game differs.
    EXPECT_TRUE(Watched.GameBytes == Unwatched.GameBytes);
    EXPECT_TRUE(Watched.TeamBytes == Unwatched.TeamBytes);
    EXPECT_FALSE(Unwatched.BoxScore.empty());
    EXPECT_EQ(Watched.BoxScore, Unwatched.BoxScore);
    EXPECT_EQ(Watched.TextLog, Unwatched.TextLog);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Watched.nNextDraws[i], Unwatched.nNextDraws[i]) << i;
}

TEST_F(WatchedGameTest, TheUsersClubCallsOnOffenceAndDefenceFromInsideTheWait)
{
    Build_League();
    Make_Away_Club_The_Users();
    Start_Watching_Window();
    Watch_Fixture_Game();
    GAME* pGame = &League.Game[0];

    struct TALLY {
        int nOffense = 0;
        int nDefense = 0;
        int nKickoffs = 0;
        int nAgainstKick = 0;
        int nWrongPage = 0;
        int nRefusedAsExpected = 0;
        int nSubmitFailed = 0;
        int nConversions = 0;
    } t;
    int nLastOffenseCall = -1;
    int nLastDefenseCall = -1;
    int nCallsChecked = 0;
    Record().OnWait = [&] {
        ASSERT_EQ(Get_Current_Game(), pGame);
        ASSERT_TRUE(Is_Awaiting_User_Play_Call());
        const int nStage = Get_Play_Call_Stage();
        const int nOffense = Get_Computer_Play_Call(true);
        const int nDefense = Get_Computer_Play_Call(false);
        nLastOffenseCall = nLastDefenseCall = -1;
        if (nStage == PLAY_CALL_STAGE_OFFENSE || nStage == PLAY_CALL_STAGE_KICKOFF) {
            EXPECT_EQ(Get_Game_Offense_Team(pGame), AWAY_TEAM);
            t.nConversions += Is_Conversion_Attempt(pGame);
            // The other side's call and a play that is none are refused.
            t.nRefusedAsExpected += !Submit_User_Play_Call(false, 0);
            t.nRefusedAsExpected += !Submit_User_Play_Call(true, OFFENSIVE_PLAY_COUNT);
            t.nRefusedAsExpected += !Submit_User_Play_Call(true, -1);
            if (nStage == PLAY_CALL_STAGE_KICKOFF) {
                ++t.nKickoffs;
                t.nRefusedAsExpected += !Submit_User_Play_Call(true, KICK_PLAY_COUNT);
            } else {
                t.nWrongPage += Get_User_Preference(PREF_PLAY_CALL_FIRST) != nOffense / 10;
            }
            ++t.nOffense;
            nLastOffenseCall = nOffense;
            t.nSubmitFailed += !Submit_User_Play_Call(true, nOffense);
        } else if (nStage == PLAY_CALL_STAGE_DEFENSE) {
            EXPECT_EQ(Get_Game_Defense_Team(pGame), AWAY_TEAM);
            const int nDown = Get_Game_Down_Code(pGame);
            const int nType = Get_Call_Play_Type(pGame, pGame->CurrentPlay.nOffenseCall);
            t.nAgainstKick += nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN || nType == PLAY_TYPE_PUNT ||
                              nType == PLAY_TYPE_FIELD_GOAL;
            t.nWrongPage += Get_User_Preference(PREF_PLAY_CALL_FIRST + 1) != nDefense / 10;
            t.nRefusedAsExpected += !Submit_User_Play_Call(true, 0);
            t.nRefusedAsExpected += !Submit_User_Play_Call(false, DEFENSIVE_PLAY_COUNT);
            ++t.nDefense;
            // Not the computer's call: the user's own stands.
            nLastDefenseCall = (nDefense + 1) % DEFENSIVE_PLAY_COUNT;
            t.nSubmitFailed += !Submit_User_Play_Call(false, nLastDefenseCall);
        } else {
            ADD_FAILURE() << "waiting at stage " << nStage;
        }
        EXPECT_FALSE(Is_Awaiting_User_Play_Call());
    };
    // The play run is the one the user called.
    Record().OnFrame = [&](int nFrame) {
        if (nFrame != 0)
            return;
        if (nLastOffenseCall >= 0) {
            ++nCallsChecked;
            EXPECT_EQ(pGame->CurrentPlay.nOffenseCall, nLastOffenseCall);
        }
        if (nLastDefenseCall >= 0) {
            ++nCallsChecked;
            EXPECT_EQ(pGame->CurrentPlay.nDefenseCall, nLastDefenseCall);
        }
        nLastOffenseCall = nLastDefenseCall = -1;
    };
    // The user always goes for two.
    for (int i = 0; i < 20; ++i)
        ui::Queue_Answer(ID_YES);
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);

    EXPECT_GT(t.nOffense, 20);
    EXPECT_GT(t.nDefense, 20);
    EXPECT_GT(t.nKickoffs, 0);
    EXPECT_EQ(t.nAgainstKick, 0);
    EXPECT_EQ(t.nWrongPage, 0);
    EXPECT_EQ(t.nSubmitFailed, 0);
    EXPECT_EQ(nCallsChecked, t.nOffense + t.nDefense);
    EXPECT_EQ(t.nRefusedAsExpected, 3 * t.nOffense + t.nKickoffs + 2 * t.nDefense);
    // The computer's punts and kick-offs against the user's club came and
    // were not waited for: every wait for the defence is counted above.
    int nKicksAgainstUser = 0;
    for (int i = 0; i < pGame->nPlays && i < PLAY_LOG_SIZE; ++i) {
        const PLAY& Play = pGame->PlayLog[i];
        const bool bHomeBall = (Play.bResult & 1) != 0;
        const int nResult = Play.bResult >> 1;
        nKicksAgainstUser += bHomeBall && (Play.nSnapDown == KICKOFF_DOWN || nResult == RESULT_PUNT_RETURNED ||
                                           nResult == RESULT_PUNT_TOUCHBACK || nResult == RESULT_PUNT_MUFFED);
    }
    EXPECT_GT(nKicksAgainstUser, 1);
    // One question for each try of the user's club, though three places ask.
    EXPECT_GT(t.nConversions, 0);
    EXPECT_EQ(Count_Boxes("Go For Two?"), t.nConversions);
    // Outside the wait nothing is awaited.
    EXPECT_FALSE(Submit_User_Play_Call(true, 0));
    EXPECT_FALSE(Submit_User_Play_Call(false, 0));
    EXPECT_EQ(Get_Play_Call_Stage(), PLAY_CALL_STAGE_NO_GAME);
}

// The question of a try of the user's club runs the window's loop (a
// nested loop, where timers fire and the user may press keys) before the
// snap's calls are made: no call of the user's is awaited there, none is
// taken, and the view has no computer's call to show for it.
struct TRY_QUESTION {
    int nAsked = 0;
    int nAwaited = 0;
    int nTaken = 0;
    int nOpen = 0;   // asked while the try's call was open
};
TRY_QUESTION g_TryQuestion;

int Answer_Try_Question(const SHOWN_BOX& Box, int)
{
    if (Box.Text == "Go For Two?") {
        ++g_TryQuestion.nAsked;
        g_TryQuestion.nAwaited += Is_Awaiting_User_Play_Call();
        const GAME* pGame = Get_Current_Game();
        g_TryQuestion.nOpen += pGame != nullptr && pGame->CurrentPlay.nOffenseCall == PLAY_NOT_CALLED;
        g_TryQuestion.nTaken += Submit_User_Play_Call(true, 0);
    }
    return ID_NO;
}

TEST_F(WatchedGameTest, NoCallIsAwaitedWhileTheTryIsAsked)
{
    Build_League();
    Make_Away_Club_The_Users();
    Start_Watching_Window();
    Watch_Fixture_Game();
    UI_BACKEND Backend = Fake_Backend();
    Backend.Message_Box = Answer_Try_Question;
    Install_Ui_Backend(&Backend);
    g_TryQuestion = TRY_QUESTION{};
    int nTryWaits = 0;
    Record().OnWait = [&] {
        // At the wait itself the computer's call of the try is known.
        nTryWaits += Is_Conversion_Attempt(Get_Current_Game());
        EXPECT_GE(Get_Computer_Play_Call(true), 0);
        Fill_Open_Calls_With_Computer();
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    Install_Ui_Backend(&Fake_Backend());
    EXPECT_GT(g_TryQuestion.nAsked, 0);
    // Every question came while the try's call was still open.
    EXPECT_EQ(g_TryQuestion.nOpen, g_TryQuestion.nAsked);
    EXPECT_EQ(g_TryQuestion.nAwaited, 0);
    EXPECT_EQ(g_TryQuestion.nTaken, 0);
    // Answered No, the kick is called for the user: no wait at a try.
    EXPECT_EQ(nTryWaits, 0);
}

TEST_F(WatchedGameTest, WithoutAWindowOrUnderAScriptNothingWaits)
{
    for (int nCase = 0; nCase < 3; ++nCase) {
        SCOPED_TRACE(nCase);
        Build_League();
        Make_Away_Club_The_Users();
        Set_Team_Stat(HOME_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_USER);   // both clubs the user's
        Start_Watching_Window();
        Watch_Fixture_Game();
        if (nCase == 0)
            Install_Watched_Game_View(nullptr);   // no game view
        else if (nCase == 1)
            dialogs::Set_Unattended(true);        // a script drives the window
        else
            Install_Ui_Backend(nullptr);          // headless
        Record().OnWait = [] {
            ADD_FAILURE() << "waited";
            Fill_Open_Calls_With_Computer();
        };
        ASSERT_EQ(Play_Fixture_Game(TRY_SEED), 1);
        EXPECT_EQ(Record().nWaits, 0);
        EXPECT_EQ(Record().nFrames, nCase == 0 ? 0 : Record().nFrames);
        // Every call was made (none left open for the play), the tries of
        // the user's club too, without asking.
        int nUserTries = 0;
        for (int i = 0; i < League.Game[0].nPlays && i < PLAY_LOG_SIZE; ++i) {
            const PLAY& Play = League.Game[0].PlayLog[i];
            EXPECT_NE(Play.nOffenseCall, PLAY_NOT_CALLED) << i;
            EXPECT_NE(Play.nDefenseCall, PLAY_NOT_CALLED) << i;
            nUserTries += Play.nSnapDown == CONVERSION_ATTEMPT;
        }
        EXPECT_GT(nUserTries, 0) << League.Game[0].nScore[0] << "-" << League.Game[0].nScore[1];
        EXPECT_EQ(Count_Boxes("Go For Two?"), 0);
        ui::Clear_Shown_Boxes();
        Stop_Watching_Window();
    }
}

TEST_F(WatchedGameTest, WithClickAfterEachPlayEveryPlayWaitsForTheClick)
{
    Build_League();
    Set_Universe_Word(CLICK_TO_CONTINUE_WORD, 1);
    Start_Watching_Window();
    Watch_Fixture_Game();
    int nClicks = 0;
    int nFinalPaintsAtClick = -1;
    int nMisplaced = 0;
    Record().OnClickWait = [&] {
        // After the play's frames, before its final state.
        nMisplaced += Record().nFinalPaints != nClicks || Record().nFrames != 11 * (nClicks + 1);
        ++nClicks;
        nFinalPaintsAtClick = Record().nFinalPaints;
        Release_Play_Click_Wait();
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    EXPECT_EQ(nClicks, League.Game[0].nPlays);
    EXPECT_EQ(nMisplaced, 0);
    EXPECT_EQ(nFinalPaintsAtClick, nClicks - 1);
    EXPECT_FALSE(Is_Waiting_For_Play_Click());

    // Without a window the option waits for nothing.
    Stop_Watching_Window();
    Build_League();
    Set_Universe_Word(CLICK_TO_CONTINUE_WORD, 1);
    Watch_Fixture_Game();
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    EXPECT_FALSE(Is_Waiting_For_Play_Click());
}

TEST_F(WatchedGameTest, AStoppedWatchedGameResumedHeadlessPlaysOn)
{
    Build_League();
    Make_Away_Club_The_Users();
    Start_Watching_Window();
    Watch_Fixture_Game();
    GAME* pGame = &League.Game[0];
    int nCalls = 0;
    Record().OnWait = [&] {
        if (++nCalls == 10)
            Set_User_Preference(PREF_SIMULATION_RUNNING, 0);   // the run stops here
        Fill_Open_Calls_With_Computer();
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 0);
    EXPECT_EQ(nCalls, 10);
    const int nPlaysBefore = pGame->nPlays;
    EXPECT_GT(nPlaysBefore, 10);
    EXPECT_FALSE(Is_Game_Over(pGame));

    // Resumed with the watch mark still set, without a window: it plays on
    // to the end and waits for nobody.
    Stop_Watching_Window();
    ASSERT_EQ(Get_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK), 1);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_PLAYING_GAMES, 1);
    EXPECT_EQ(Play_Game(HOME_TEAM, AWAY_TEAM, FIXTURE_WEEK, pGame), 1);
    EXPECT_TRUE(Is_Game_Over(pGame));
    EXPECT_GT(pGame->nPlays, nPlaysBefore);
    EXPECT_EQ(Record().nWaits, 0);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYING_GAMES), 0);
}

TEST_F(WatchedGameTest, AGameAfterAStoppedOneWritesOnlyItsOwnPages)
{
    // The pages of the game played from a clean start.
    Build_League();
    const std::string Before(reinterpret_cast<const char*>(&League), sizeof(League));
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    const std::string TextLog = Get_Game_Text_Log();
    const std::string PlayTable = Get_Game_Play_Table_Html();
    const std::string PageHead = Get_Game_Page_Head();
    const std::string BoxScore = Get_Game_Report_Html();
    ASSERT_FALSE(TextLog.empty());
    ASSERT_FALSE(PlayTable.empty());

    // A watched game of the user's club stopped part-way, its pages half
    // written.
    Make_Away_Club_The_Users();
    Start_Watching_Window();
    Watch_Fixture_Game();
    int nCalls = 0;
    Record().OnWait = [&] {
        if (++nCalls == 10)
            Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
        Fill_Open_Calls_With_Computer();
    };
    ASSERT_EQ(Play_Fixture_Game(TRY_SEED), 0);
    ASSERT_FALSE(Is_Game_Over(&League.Game[0]));
    ASSERT_FALSE(Get_Game_Text_Log().empty());
    Stop_Watching_Window();

    // Another game, started as the day's games start one (nobody clears the
    // pages for it): its recap and box score hold its own plays only.
    std::memcpy(static_cast<void*>(&League), Before.data(), sizeof(League));
    Seed_Random_Numbers(GAME_SEED);
    ASSERT_EQ(Play_Game(HOME_TEAM, AWAY_TEAM, FIXTURE_WEEK, &League.Game[0]), 1);
    EXPECT_TRUE(Get_Game_Text_Log() == TextLog);
    EXPECT_TRUE(Get_Game_Play_Table_Html() == PlayTable);
    EXPECT_TRUE(Get_Game_Page_Head() == PageHead);
    EXPECT_TRUE(Get_Game_Report_Html() == BoxScore);
    for (int i = 0; i < NARRATION_ENTRIES; ++i)
        EXPECT_STREQ(Get_Play_Commentary_Text(i), "") << i;
}

namespace {

// The yard number a "tackled" sentence gives ("at the Owls 37-yard line",
// "near midfield"), taken to a multiple of 5 as a long run counts; -1 when it
// gives none (in the end zone).
int Told_Spot_Mark(const std::string& Text)
{
    if (Text.find("midfield") != std::string::npos || Text.find("50-yard") != std::string::npos)
        return 50;
    const size_t n = Text.find_first_of("0123456789");
    if (n == std::string::npos)
        return -1;
    const int y = std::stoi(Text.substr(n));
    const int m = ((y + 2) / 5) * 5;
    return m < 5 ? 5 : m;
}

}  // namespace

// Every long run told (a run, a catch, a return after the ball changed
// hands) ends where the next sentence says the same man was brought down.
TEST_F(WatchedGameTest, ALongRunEndsWhereTheRunnerIsToldDown)
{
    int nChecked = 0;
    int nReturns = 0;
    std::vector<std::string> Mismatches;
    for (uint32_t nSeed = 1; nSeed <= 400; ++nSeed) {
        ASSERT_TRUE(Watch_Game_On_Seed(nSeed, [&](int nFrame) {
            if (nFrame != 0)
                return;
            const PLAY& Play = League.Game[0].CurrentPlay;
            int nLong = -1;
            for (int i = 0; i < NARRATION_ENTRIES; ++i) {
                if (Play.Narration[i].bEvent == NARRATE_LONG_RUN)
                    nLong = i;
                else if (Play.Narration[i].bEvent == NARRATE_TACKLED && nLong >= 0 &&
                         Play.Narration[i].nPlayerID[0] == Play.Narration[nLong].nPlayerID[0]) {
                    const std::string Run = Get_Play_Commentary_Text(nLong);
                    const std::string Down = Get_Play_Commentary_Text(i);
                    const int nTold = Told_Spot_Mark(Down);
                    if (nTold < 0 || Run.find("to the") == std::string::npos)
                        continue;
                    ++nChecked;
                    nReturns += (League.Game[0].nDown & GAME_DOWN_FLAGS_CHANGED_HANDS) != 0;
                    if (Last_Told_Number(Run) != nTold)
                        Mismatches.push_back(Run + " / " + Down);
                }
            }
        }));
    }
    // Runs and catches, and returns after the ball changed hands.
    EXPECT_GE(nChecked, 100);
    EXPECT_GE(nReturns, 2);
    EXPECT_TRUE(Mismatches.empty()) << Mismatches.size() << " of " << nChecked << ": "
                                    << (Mismatches.empty() ? "" : Mismatches.front());
}

// A run called back by a flag is told as a run before the runner goes down
// and the flag is thrown: he runs (or is hit behind the line) first.
TEST_F(WatchedGameTest, ARunCalledBackByAFlagIsToldBeforeTheFlag)
{
    int nCalledBack = 0;
    int nTold = 0;
    std::vector<std::string> Untold;
    for (uint32_t nSeed = 1; nSeed <= 80 && nCalledBack < 30; ++nSeed) {
        ASSERT_TRUE(Watch_Game_On_Seed(nSeed, [&](int nFrame) {
            if (nFrame != 0)
                return;
            const PLAY& Play = League.Game[0].CurrentPlay;
            int nDown = -1;
            int nFlag = -1;
            for (int i = 0; i < NARRATION_ENTRIES; ++i) {
                if (Play.Narration[i].bEvent == NARRATE_TACKLED && nDown < 0)
                    nDown = i;
                else if (Play.Narration[i].bEvent == NARRATE_PENALTY_FLAG)
                    nFlag = i;
            }
            if (nDown < 0 || nFlag < nDown)
                return;
            ++nCalledBack;
            const int nRunner = Play.Narration[nDown].nPlayerID[0];
            for (int i = 0; i < nDown; ++i) {
                const NARRATION_ENTRY& Entry = Play.Narration[i];
                // "Player runs up the middle.", "Player cuts outside." ...
                const bool bRushes = Entry.bEvent == NARRATE_RUSHES && Entry.nPlayerID[0] == nRunner &&
                                     std::string(Get_Play_Commentary_Text(i)).find("Player ") == 0;
                const bool bHit = Entry.bEvent == NARRATE_HIT && Entry.nPlayerID[1] == nRunner;
                if (bRushes || bHit) {
                    ++nTold;
                    return;
                }
            }
            Untold.push_back(std::string(Get_Play_Commentary_Text(nDown)) + " / " + Get_Play_Commentary_Text(nFlag));
        }));
    }
    // Nine runs in ten are told (the rest are the quiet tenth of the run's
    // narration, with a gain of no more than 4 yards to tell).
    ASSERT_GE(nCalledBack, 30);
    EXPECT_GE(nTold, nCalledBack * 7 / 10) << nTold << " of " << nCalledBack << ", as "
                                          << (Untold.empty() ? "" : Untold.front());
}

TEST_F(WatchedGameTest, TheUsersTimeoutWithAndWithoutOneLeft)
{
    Build_League();
    Make_Away_Club_The_Users();
    GAME* pGame = &League.Game[0];
    pGame->nAwayTeam = AWAY_TEAM;
    pGame->nHomeTeam = HOME_TEAM;
    // Without a game nothing happens.
    EXPECT_FALSE(Call_User_Timeout());
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // Only the away club is the user's: its side, no question.
    EXPECT_EQ(Ask_Timeout_Team(pGame), GAME_SIDE_AWAY);
    Set_Team_Stat(HOME_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_Stat(AWAY_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    EXPECT_EQ(Ask_Timeout_Team(pGame), GAME_SIDE_HOME);
    Set_Team_Stat(HOME_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    EXPECT_EQ(Ask_Timeout_Team(pGame), -1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_Team_Stat(HOME_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    EXPECT_EQ(Ask_Timeout_Team(pGame), -1);   // every club the computer's
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // Both the user's: asked, the first button the away club (a club
    // without a name is "Away" or "Home").
    ui::Queue_Answer(ID_YES);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Set_Team_Stat(AWAY_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    EXPECT_EQ(Ask_Timeout_Team(pGame), GAME_SIDE_AWAY);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Buttons, (std::vector<std::string>{"Away", "Home", ""}));
    ui::Clear_Shown_Boxes();
    Set_Team_String("Ospreys", AWAY_TEAM, 2);
    Set_Team_String("Hounds", HOME_TEAM, 2);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Set_Team_Stat(AWAY_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    ui::Queue_Answer(ID_YES);
    ui::Queue_Answer(ID_NO);
    EXPECT_EQ(Ask_Timeout_Team(pGame), GAME_SIDE_AWAY);
    EXPECT_EQ(Ask_Timeout_Team(pGame), GAME_SIDE_HOME);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    const SHOWN_BOX& Box = ui::Shown_Boxes()[0];
    EXPECT_EQ(Box.Caption, "Which team?");
    EXPECT_EQ(Box.Text, "Which team calls the timeout?");
    char szAway[64] = {};
    char szHome[64] = {};
    Get_Team_Short_Name(AWAY_TEAM, szAway);
    Get_Team_Short_Name(HOME_TEAM, szHome);
    ASSERT_GE(Box.Buttons.size(), 2u);
    EXPECT_EQ(Box.Buttons[0], szAway);
    EXPECT_EQ(Box.Buttons[1], szHome);
    EXPECT_STREQ(szAway, "Ospreys");
    EXPECT_STREQ(szHome, "Hounds");
    ui::Clear_Shown_Boxes();

    // In the watched game, at the user's first call on offence: one taken
    // and the clock stopped; then with none left, a box and nothing changed.
    Make_Away_Club_The_Users();
    Start_Watching_Window();
    Watch_Fixture_Game();
    int nTried = 0;
    bool bDone = false;
    Record().OnWait = [&] {
        ++nTried;
        if (bDone || Get_Play_Call_Stage() != PLAY_CALL_STAGE_OFFENSE || Is_Conversion_Attempt(pGame)) {
            Fill_Open_Calls_With_Computer();
            return;
        }
        bDone = true;
        pGame->nDown &= ~(GAME_DOWN_FLAG_CLOCK_STOPPED | GAME_DOWN_FLAG_CLOCK_STOPPED_2);
        pGame->nDown |= GAME_DOWN_FLAG_CLOCK_STOPPED_2;
        ASSERT_EQ(pGame->nTimeouts[GAME_SIDE_AWAY], 3);
        const int nHome = pGame->nTimeouts[GAME_SIDE_HOME];
        EXPECT_TRUE(Call_User_Timeout());
        EXPECT_EQ(pGame->nTimeouts[GAME_SIDE_AWAY], 2);
        EXPECT_EQ(pGame->nTimeouts[GAME_SIDE_HOME], nHome);
        EXPECT_EQ(pGame->nDown & (GAME_DOWN_FLAG_CLOCK_STOPPED | GAME_DOWN_FLAG_CLOCK_STOPPED_2),
                  GAME_DOWN_FLAG_CLOCK_STOPPED);
        EXPECT_TRUE(ui::Shown_Boxes().empty());
        pGame->nTimeouts[GAME_SIDE_AWAY] = 0;
        const GAME Copy = *pGame;
        EXPECT_FALSE(Call_User_Timeout());
        EXPECT_EQ(std::memcmp(&Copy, pGame, sizeof(GAME)), 0);
        EXPECT_EQ(Count_Boxes("No timeouts left."), 1);
        pGame->nTimeouts[GAME_SIDE_AWAY] = 2;
        EXPECT_TRUE(Call_User_Timeout());
        Fill_Open_Calls_With_Computer();
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    EXPECT_TRUE(bDone);
    EXPECT_GT(nTried, 1);
}

// Before each watched snap the view is handed the game as it stands (the
// snap's down and spot), to show until the play is told; the score box is
// drawn after every play.
TEST_F(WatchedGameTest, TheViewKeepsEachSnapAndDrawsTheScoreBoxAfterEveryPlay)
{
    Build_League();
    Start_Watching_Window();
    Watch_Fixture_Game();
    GAME* pGame = &League.Game[0];
    int nTold = 0;
    int nMismatches = 0;
    Record().OnFrame = [&](int nFrame) {
        if (nFrame != 0)
            return;
        ++nTold;
        const PLAY& Play = pGame->CurrentPlay;
        // (A try is snapped from the conversion spot chosen with its call.)
        nMismatches += Record().nHeldDown != Play.nSnapDown ||
                       (Play.nSnapDown <= FOURTH_DOWN_CODE && Record().nHeldYardLine != Play.nSnapYardLine);
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    EXPECT_EQ(nTold, pGame->nPlays);
    EXPECT_EQ(Record().nHolds, pGame->nPlays);
    EXPECT_EQ(nMismatches, 0);
    EXPECT_GE(Record().nScoreBoxes, pGame->nPlays);
}

TEST_F(WatchedGameTest, FinishQuarterAndFinishGamePlayOnUnwatched)
{
    Build_League();
    Make_Away_Club_The_Users();
    Start_Watching_Window();
    Watch_Fixture_Game();
    GAME* pGame = &League.Game[0];
    EXPECT_FALSE(Finish_Current_Quarter());   // no game yet
    EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 0);

    std::vector<int> QuarterOfWait;
    int nFramesBefore = -1;
    int nFramesOfFirstQuarterAfterFinish = 0;
    int nFramesBeforeTheEndAfterFinishGame = 0;
    Record().OnFrame = [&](int) {
        nFramesOfFirstQuarterAfterFinish += QuarterOfWait.size() == 1 && Get_Game_Quarter(pGame) == 1;
        nFramesBeforeTheEndAfterFinishGame += QuarterOfWait.size() == 2 && !Is_Game_Over(pGame);
    };
    Record().OnWait = [&] {
        QuarterOfWait.push_back(Get_Game_Quarter(pGame));
        if (QuarterOfWait.size() == 1) {
            // Finish Quarter in the first: the wait ends with the computer's
            // call, and the rest of the quarter is neither waited for nor
            // painted.
            EXPECT_TRUE(Finish_Current_Quarter());
            EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 2);
            EXPECT_FALSE(Is_Awaiting_User_Play_Call());
            nFramesBefore = Record().nFrames;
            return;
        }
        if (QuarterOfWait.size() == 2) {
            // Finish Game asks; No leaves it watched.
            ui::Queue_Answer(ID_NO);
            EXPECT_FALSE(Finish_Current_Game());
            EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 0);
            ui::Queue_Answer(ID_YES);
            EXPECT_TRUE(Finish_Current_Game());
            EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), Get_Game_Quarter(pGame) + 10);
            nFramesBefore = Record().nFrames;
        }
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    ASSERT_EQ(QuarterOfWait.size(), 2u);
    EXPECT_EQ(QuarterOfWait[0], 1);
    EXPECT_EQ(QuarterOfWait[1], 2);
    // Nothing of the first quarter was painted after Finish Quarter.
    EXPECT_EQ(nFramesOfFirstQuarterAfterFinish, 0);
    // After Finish Game: nothing painted but the game's last play (the
    // target is reached when the game ends), and the target cleared.
    EXPECT_EQ(nFramesBeforeTheEndAfterFinishGame, 0);
    EXPECT_EQ(Record().nFrames, nFramesBefore + 11);
    EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 0);
    ASSERT_EQ(Count_Boxes("Simulate the remainder of this game?"), 2);
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        if (Box.Text == "Simulate the remainder of this game?") {
            EXPECT_EQ(Box.Caption, "Finish Game");
            EXPECT_EQ(Box.Style & BOX_BUTTON_MASK, BOX_YESNO);
        }
    EXPECT_FALSE(Finish_Current_Game());   // the game is over
    EXPECT_EQ(Count_Boxes("Simulate the remainder of this game?"), 2);
}

TEST_F(WatchedGameTest, CallingTheCurrentPlaysAgainKeepsTheUsersSideOpenUnlessItIsAutomatic)
{
    Build_League();
    Make_Away_Club_The_Users();
    Start_Watching_Window();
    Watch_Fixture_Game();
    GAME* pGame = &League.Game[0];
    int nWaits = 0;
    int nOffenseWaits = 0;
    Record().OnWait = [&] {
        ++nWaits;
        const int nStage = Get_Play_Call_Stage();
        if (nStage != PLAY_CALL_STAGE_OFFENSE) {
            Fill_Open_Calls_With_Computer();
            return;
        }
        ++nOffenseWaits;
        const int nOffense = Get_Computer_Play_Call(true);
        const int nDefense = Get_Computer_Play_Call(false);
        // Made again: the user's offence stays open on the suggestion's page,
        // the computer's defence keeps its call, the view is repainted.
        Set_User_Preference(PREF_PLAY_CALL_FIRST, 5);
        const int nRepaints = Record().nRepaints;
        Call_Current_Game_Plays();
        EXPECT_EQ(pGame->CurrentPlay.nOffenseCall, PLAY_NOT_CALLED);
        EXPECT_EQ(Get_User_Preference(PREF_PLAY_CALL_FIRST), nOffense / 10);
        EXPECT_EQ(pGame->CurrentPlay.nDefenseCall, nDefense);
        EXPECT_EQ(Record().nRepaints, nRepaints + 1);
        EXPECT_EQ(Get_Play_Call_Stage(), PLAY_CALL_STAGE_OFFENSE);
        // With automatic offensive calls the computer's call is made, and
        // the wait is over.
        Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 1);
        Call_Current_Game_Plays();
        EXPECT_EQ(pGame->CurrentPlay.nOffenseCall, nOffense);
        EXPECT_EQ(Get_Play_Call_Stage(), PLAY_CALL_STAGE_CALLED);
        EXPECT_FALSE(Is_Awaiting_User_Play_Call());
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    // Once automatic, the user's offence waited no more: only its defence.
    EXPECT_EQ(nOffenseWaits, 1);
    EXPECT_GT(nWaits, 1);
    EXPECT_EQ(Get_User_Preference(PREF_AUTO_OFFENSE_CALLS), 1);
}

TEST_F(WatchedGameTest, TheGameShownAndTheStageOfTheCalls)
{
    Build_League();
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    EXPECT_EQ(Get_Displayed_Game(), nullptr);
    Set_User_Preference(PREF_SHOWN_GAME, 7);
    EXPECT_EQ(Get_Displayed_Game(), &League.Game[7]);
    Set_User_Preference(PREF_SHOWN_GAME, NUMBER_OF_GAMES);
    EXPECT_EQ(Get_Displayed_Game(), nullptr);
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    EXPECT_EQ(Get_Play_Call_Stage(), PLAY_CALL_STAGE_NO_GAME);
    // The animation's interval: twice the text speed, at least 1 ms; none
    // under fast-forward.
    Set_User_Preference(PREF_TEXT_SPEED, 300);
    EXPECT_EQ(Get_Animation_Interval(), 600);
    Set_User_Preference(PREF_TEXT_SPEED, 0);
    EXPECT_EQ(Get_Animation_Interval(), 1);
    Set_User_Preference(PREF_ANIMATION_MODE, 3);
    EXPECT_EQ(Get_Animation_Interval(), 0);
    Set_User_Preference(PREF_ANIMATION_MODE, 0);

    // During the watched game: the current game is shown; each stage seen
    // at the wait matches the calls.
    Start_Watching_Window();
    Watch_Fixture_Game();
    Set_User_Preference(PREF_SHOWN_GAME, 7);
    GAME* pGame = &League.Game[0];
    int nChecked = 0;
    Record().OnFrame = [&](int nFrame) {
        if (nFrame == 0) {
            EXPECT_EQ(Get_Displayed_Game(), pGame);
            EXPECT_EQ(Get_Play_Call_Stage(), PLAY_CALL_STAGE_CALLED);
            ++nChecked;
        }
    };
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    EXPECT_GT(nChecked, 100);
    // The game watched is now the game shown.
    EXPECT_EQ(Get_Displayed_Game(), &League.Game[0]);
    EXPECT_EQ(Record().nScoreBoxes > 0, true);
    // Stage by the calls of the current game.
    pGame->nDown = KICKOFF_DOWN;
    pGame->CurrentPlay.nOffenseCall = PLAY_NOT_CALLED;
    pGame->CurrentPlay.nDefenseCall = PLAY_NOT_CALLED;
    EXPECT_EQ(Get_Play_Call_Stage(), PLAY_CALL_STAGE_NO_GAME);   // not being played
}

}  // namespace

namespace {

// The window keeps the game it watched: once it is over (the run ended),
// the game shown is that game's record, and its pages are named by it.
TEST_F(WatchedGameTest, TheWatchedGameStaysShownAfterItEnds)
{
    Build_League();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Set_User_Preference(PREF_SEASON_INDEX, 1);   // 2020
    Set_User_Preference(PREF_CURRENT_WEEK, FIXTURE_WEEK);
    // Unwatched, or watched without a window: nothing is shown.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_GAME), -1);

    Build_League();
    Start_Watching_Window();
    Watch_Fixture_Game();
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    ASSERT_EQ(Play_Fixture_Game(GAME_SEED), 1);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_GAME), 0);
    EXPECT_EQ(Get_Displayed_Game(), &League.Game[0]);
    char szName[64];
    ASSERT_TRUE(Get_Selected_Box_Score_File_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Output\\Box-20-000.htm");
    ASSERT_TRUE(Get_Selected_Recap_File_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Output\\Recap-20-000.htm");
}

}  // namespace
