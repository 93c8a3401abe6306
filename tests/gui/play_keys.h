// A watched game's plays called as the user calls them, by the digit keys of
// the page shown, real key presses through the X server (xtest_input.h).
// Shared by the GUI tests that play a game of the user's club.
#pragma once

#include <string>

#include "league/game_record.h"
#include "pages/game_view.h"
#include "xtest_input.h"

namespace gui_support {

// The play called for the offence or the defence at the game's current snap;
// PLAY_NOT_CALLED before the call.
inline int Call_Of(const GAME* pGame, bool bOffense)
{
    return bOffense ? pGame->CurrentPlay.nOffenseCall : pGame->CurrentPlay.nDefenseCall;
}

// A play of the side's page by its digit key, 1 to 9 then 0, until one is
// taken (an empty slot of the playbook refuses the call); false when none
// was. The keys go to the window with the focus.
inline bool Key_Any_Play(const GAME* pGame, bool bOffense)
{
    for (char cKey : std::string("1234567890")) {
        xtest::Key(std::string(1, cKey));
        if (Call_Of(pGame, bOffense) != PLAY_NOT_CALLED)
            return true;
    }
    return false;
}

// The same on the page the game view shows.
inline bool Key_Any_Play(const GAME* pGame)
{
    return Key_Any_Play(pGame, Get_Game_View_Calling().nSide != CALLING_DEFENSE);
}

}  // namespace gui_support
