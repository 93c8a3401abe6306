// What the saved-game dialogs need of the day advance. Kept apart because
// the day advance's header and the game file's both name the auto-save file.
#pragma once

// True while a run plays days.
bool Games_Being_Played();
// True when a game record is current and the user watches it (either
// team's play-by-play mark of the current week).
bool Is_Watched_Game_Current();
// After a resume: play the one day a game saved during a watched game was
// in (its stop word cleared first), or show the welcome screen again.
void Resume_Day_After_Load(bool bPlayDay);
