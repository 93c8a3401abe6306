// A watched game without a window: a backend whose blocking wait returns at
// once (moving its own clock by the time asked, and calling the test's
// callback, which plays the user), and a game view that paints nothing but
// counts what the engine asks of it. Shared by the engine's and the shell's
// watched-game tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "engine/game_driver.h"
#include "engine/game_state.h"
#include "engine/watched_game.h"
#include "game_fixture.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"

namespace watched_fixture {

struct RECORD {
    int nWaits = 0;              // blocking waits taken
    uint64_t nClock = 0;         // the fake backend's clock (ms)
    int nFrames = 0;             // frames 0-10 painted
    int nFinalPaints = 0;        // the final state painted
    int nRepaints = 0;
    int nScoreBoxes = 0;
    int nHolds = 0;              // snaps the view was asked to keep
    int nLetGo = 0;              // snaps let go untold
    int nHeldDown = -1;          // the down code, spot and clock of the last snap kept
    int nHeldYardLine = -1;
    int nHeldClock = -1;
    int nFramesWithMenuLive = 0; // frames painted while the menu was not greyed
    int nWaitsPerFrame = 1;      // what the paint of a frame answers
    std::function<void()> OnWait;    // the user, inside the wait for a call
    std::function<void(int)> OnFrame;
    std::function<void()> OnClickWait;   // the user, inside the wait for a click after a play
};

inline RECORD& Record()
{
    static RECORD r;
    return r;
}

inline bool Fake_Wait(int nTimeoutMs)
{
    RECORD& r = Record();
    ++r.nWaits;
    if (nTimeoutMs > 0)
        r.nClock += static_cast<uint64_t>(nTimeoutMs);
    if (r.OnWait && Is_Awaiting_User_Play_Call())
        r.OnWait();
    if (r.OnClickWait && Is_Waiting_For_Play_Click())
        r.OnClickWait();
    return true;
}

inline uint64_t Fake_Now()
{
    return Record().nClock;
}

inline int Paint_Frame(int nFrame, bool bFinal)
{
    RECORD& r = Record();
    if (bFinal) {
        ++r.nFinalPaints;
        return 0;
    }
    ++r.nFrames;
    if (!menus::Main_Menu().bAllGreyed)
        ++r.nFramesWithMenuLive;
    if (r.OnFrame)
        r.OnFrame(nFrame);
    return r.nWaitsPerFrame;
}

inline void Repaint()
{
    ++Record().nRepaints;
}

inline void Draw_Score_Box(const GAME*)
{
    ++Record().nScoreBoxes;
}

inline void Hold_Snap(const GAME* pGame)
{
    RECORD& r = Record();
    if (pGame == nullptr) {
        ++r.nLetGo;
        return;
    }
    ++r.nHolds;
    r.nHeldDown = static_cast<int>(pGame->nDown & 0xFF);
    r.nHeldYardLine = pGame->nYardLine;
    r.nHeldClock = pGame->nClock;
}

inline const UI_BACKEND& Fake_Backend()
{
    static UI_BACKEND Table = [] {
        UI_BACKEND t;
        t.szName = "fake";
        t.Wait = Fake_Wait;
        t.Now = Fake_Now;
        return t;
    }();
    return Table;
}

inline const WATCHED_GAME_VIEW& Test_View()
{
    static const WATCHED_GAME_VIEW View{Paint_Frame, Repaint, Draw_Score_Box, Hold_Snap};
    return View;
}

// The fake backend and the test view in force, a user at the keyboard.
inline void Start_Watching_Window()
{
    Record() = RECORD{};
    Install_Ui_Backend(&Fake_Backend());
    dialogs::Set_Unattended(false);
    Install_Watched_Game_View(&Test_View());
}

inline void Stop_Watching_Window()
{
    Install_Watched_Game_View(nullptr);
    Install_Ui_Backend(nullptr);
    dialogs::Set_Unattended(false);
    Record() = RECORD{};
}

// The fixture's game of week 0 is scheduled (home against away) and marked
// for watching; the Games page is shown, the fastest animation.
inline void Watch_Fixture_Game()
{
    using namespace game_fixture;
    League.Team[HOME_TEAM].nSchedule[FIXTURE_WEEK][SCHEDULE_OPPONENT] = AWAY_TEAM + 1;
    League.Team[AWAY_TEAM].nSchedule[FIXTURE_WEEK][SCHEDULE_OPPONENT] = -(HOME_TEAM + 1);
    Set_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK, 1);
    Set_User_Preference(PREF_MAIN_PAGE, GAMES_PAGE);
    Set_User_Preference(PREF_TEXT_SPEED, 0);
    Set_User_Preference(PREF_ANIMATION_MODE, 0);
}

// The away club run by the user (the home club stays the computer's).
inline void Make_Away_Club_The_Users()
{
    using namespace game_fixture;
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Set_Team_Stat(AWAY_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_Stat(HOME_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
}

// The bytes of the fixture's played game record with its narration (display
// data that only a watched game fills) blanked: what watching or leaving the
// game must not change.
inline std::string Game_Bytes_Without_Narration()
{
    GAME Game = League.Game[0];
    for (NARRATION_ENTRY& Entry : Game.CurrentPlay.Narration)
        std::memset(&Entry, 0xFF, sizeof(Entry));
    for (PLAY& Play : Game.PlayLog)
        for (NARRATION_ENTRY& Entry : Play.Narration)
            std::memset(&Entry, 0xFF, sizeof(Entry));
    return std::string(reinterpret_cast<const char*>(&Game), sizeof(Game));
}

inline int Count_Boxes(const char* szText)
{
    int n = 0;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        n += Box.Text == szText;
    return n;
}

}  // namespace watched_fixture
