// Options (dialog 147): the user's settings as check boxes and combos,
// stored into the preferences and the league's words by "Done" only; the
// skin combo switches the skin at once. The title combo is shared with the
// New Game dialog.
#pragma once

#include "platform/canvas.h"

class DIALOG;

constexpr int OPTIONS_DIALOG = 147;

// Controls of dialog 147.
constexpr int OPT_SPECIAL_TOOL_BUTTON = 10;
constexpr int OPT_DONE_BUTTON = 1;
constexpr int OPT_HELP_BUTTON = 9;
constexpr int OPT_TITLE_COMBO = 1008;
constexpr int OPT_SKIN_COMBO = 1009;
constexpr int OPT_FINANCIAL_COMBO = 1010;
constexpr int OPT_REVERSION_COMBO = 1011;
constexpr int OPT_COMMISSIONER_CHECK = 1023;
constexpr int OPT_PERFECT_SCOUTING_CHECK = 1024;
constexpr int OPT_AUTO_SAVE_CHECK = 1028;
constexpr int OPT_AI_TRADES_CHECK = 1029;
constexpr int OPT_NEWS_TICKER_CHECK = 1030;
constexpr int OPT_SOUND_CHECK = 1031;
constexpr int OPT_DARK_TEXT_CHECK = 1032;
constexpr int OPT_STANDINGS_CHECK = 1033;
constexpr int OPT_AWARDS_CHECK = 1034;
constexpr int OPT_FINANCES_CHECK = 1035;
constexpr int OPT_AUTO_FILL_CHECK = 1036;
constexpr int OPT_CLICK_AFTER_PLAY_CHECK = 1040;
constexpr int OPT_REPLAY_MODE_CHECK = 1322;
constexpr int OPT_TEXT_SPEED_COMBO = 1434;
constexpr int OPT_OFFENSE_CALLS_COMBO = 1435;
constexpr int OPT_DEFENSE_CALLS_COMBO = 1436;
constexpr int OPT_FINANCIAL_TEXT = 1463;
constexpr int OPT_REPLAY_TEXT = 1464;
constexpr int OPT_REVERSION_LABEL = 1468;
// The paint area under every other control, where the skin's background is painted.
constexpr int OPT_BACKGROUND_AREA = 1500;

// The background colour of a skin without a page background picture.
constexpr CANVAS_COLOR DEFAULT_SKIN_BRUSH_COLOR{236, 233, 216, 255};

// The first year Replay Mode is refused: the historical seasons end the year before.
constexpr int REPLAY_MODE_LAST_YEAR = 2022;
constexpr int REPLAY_MODE_FIRST_YEAR = 1951;
constexpr int TITLE_COUNT = 4;
constexpr int SKIN_LIMIT = 100;
// Item values of the skin combo start here (below: no skin).
constexpr int SKIN_ITEM_BASE = 100;

// Fills combo 1008 with "Fan", "Coach", "Head Coach", "Kelvo" and selects the
// difficulty preference (a stored value outside 0-3 selects the nearest).
void Fill_Title_Combo(DIALOG& Dialog);
void Fill_Financial_Mode_Combo(DIALOG& Dialog);
void Fill_Reversion_Combo(DIALOG& Dialog);
// Lists the folders under "skins" ("Skin: %s", at most 100) and selects the
// current skin.
void Fill_Skin_Combo(DIALOG& Dialog);
// The skin chosen in combo 1009 becomes the game's skin at once.
void Apply_Skin_Choice(DIALOG& Dialog);
void Init_Options_Dialog(DIALOG& Dialog);
void Show_Options_Explanations(DIALOG& Dialog);
void Show_Reversion_Controls(DIALOG& Dialog);
void Save_Options_From_Dialog(DIALOG& Dialog);
void Options_Dialog(DIALOG& Dialog, int nEvent, int nControl);

// Runs dialog 147; the news bar is the caller's to create or destroy from
// preference 48 afterwards (the bar belongs to the main window).
int Run_Options_Dialog();

// The skin's background colour: the average colour of its page background
// ("pages\\background.png", the default skin's when the skin has none),
// DEFAULT_SKIN_BRUSH_COLOR when neither has one.
CANVAS_COLOR Get_Skin_Brush_Color();
// Fills the whole canvas (a window's or a dialog's area) with that colour.
void Paint_Skin_Background(CANVAS& Canvas);
