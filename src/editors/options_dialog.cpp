// Options (dialog 147).

#include "editors/options_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team_logo.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/offseason.h"
#include "season/player_development.h"

namespace {

constexpr const char* TITLES[TITLE_COUNT] = {"Fan", "Coach", "Head Coach", "Kelvo"};
constexpr const char* TEXT_SPEEDS[] = {"Very Slow", "Slow", "Normal", "Fast", "Very Fast", "Instant"};
constexpr int TEXT_SPEED_COUNT = 6;
constexpr int REVERSION_ENTRIES = 21;   // -100% to +100% in steps of 10

// The check boxes stored straight into a preference.
struct CHECK_PREFERENCE {
    int nControl;
    int nPreference;
};
constexpr CHECK_PREFERENCE CHECKS[] = {
    {OPT_AI_TRADES_CHECK, PREF_AI_TRADE_OFFERS},       {OPT_SOUND_CHECK, PREF_SOUND_ON},
    {OPT_COMMISSIONER_CHECK, PREF_COMMISSIONER_MODE},  {OPT_PERFECT_SCOUTING_CHECK, PREF_PERFECT_SCOUTING},
    {OPT_AUTO_SAVE_CHECK, PREF_AUTO_SAVE},             {OPT_AUTO_FILL_CHECK, PREF_AUTO_FILL_ROSTERS},
    {OPT_FINANCES_CHECK, PREF_WRITE_MONEY_REPORT},     {OPT_AWARDS_CHECK, PREF_WRITE_AWARDS_REPORT},
    {OPT_STANDINGS_CHECK, PREF_WRITE_STANDINGS_REPORT}, {OPT_NEWS_TICKER_CHECK, PREF_NEWS_BAR},
    {OPT_DARK_TEXT_CHECK, PREF_DARK_PAGE_TEXT},
};

int Clamped(int n, int nLow, int nHigh)
{
    return std::clamp(n, nLow, nHigh);
}

bool Replay_Mode_Allowed()
{
    return Get_Current_Year() <= REPLAY_MODE_LAST_YEAR;
}

void Fill_Two(DIALOG& Dialog, int nId, const char* szFirst, const char* szSecond, int nValue)
{
    Dialog.Clear_Items(nId);
    Dialog.Add_Item(nId, szFirst);
    Dialog.Add_Item(nId, szSecond);
    // A stored value outside the combo opens on the nearest entry, so "Done"
    // never stores what no entry means.
    Dialog.Set_Selected(nId, Clamped(nValue, 0, 1));
}

int Selected_Or(const DIALOG& Dialog, int nId, int nFallback)
{
    const int n = Dialog.Get_Selected(nId);
    return n < 0 ? nFallback : n;
}

// --- Template ------------------------------------------------------------

constexpr CONTROL_TEMPLATE OPTIONS_CONTROLS[] = {
    // First, so every other control stands on it: the skin's background.
    {OPT_BACKGROUND_AREA, CONTROL_PAINT, "", {0, 0, 347, 282}, CS_BACKGROUND},
    {-1, CONTROL_GROUP, "General", {7, 4, 150, 128}},
    {OPT_AI_TRADES_CHECK, CONTROL_CHECK, "Computer Offers Trades", {14, 16, 136, 10}, CS_GROUP},
    {OPT_SOUND_CHECK, CONTROL_CHECK, "Sound Effects", {14, 29, 136, 10}},
    {OPT_COMMISSIONER_CHECK, CONTROL_CHECK, "Commissioner Mode", {14, 42, 136, 10}},
    {OPT_PERFECT_SCOUTING_CHECK, CONTROL_CHECK, "Perfect Scouting", {14, 55, 136, 10}},
    {OPT_AUTO_SAVE_CHECK, CONTROL_CHECK, "Enable Auto-Save", {14, 68, 136, 10}},
    {OPT_AUTO_FILL_CHECK, CONTROL_CHECK, "Auto-Fill Incomplete Rosters", {14, 81, 136, 10}},
    {OPT_NEWS_TICKER_CHECK, CONTROL_CHECK, "Show News Ticker", {14, 94, 136, 10}},
    {OPT_DARK_TEXT_CHECK, CONTROL_CHECK, "Dark Text", {14, 107, 136, 10}},
    {OPT_CLICK_AFTER_PLAY_CHECK, CONTROL_CHECK, "Require Click After Each Play", {14, 120, 136, 10}},
    {-1, CONTROL_GROUP, "Automatic Text Output", {7, 136, 150, 50}},
    {OPT_STANDINGS_CHECK, CONTROL_CHECK, "Standings", {14, 148, 136, 10}, CS_GROUP},
    {OPT_AWARDS_CHECK, CONTROL_CHECK, "Awards", {14, 160, 136, 10}},
    {OPT_FINANCES_CHECK, CONTROL_CHECK, "Finances", {14, 172, 136, 10}},
    {-1, CONTROL_GROUP, "Game Play", {164, 4, 176, 128}},
    {-1, CONTROL_LABEL, "Text Display Speed", {171, 17, 80, 10}},
    {OPT_TEXT_SPEED_COMBO, CONTROL_COMBO, "", {254, 15, 80, 14}, CS_GROUP},
    {-1, CONTROL_LABEL, "Offensive Plays", {171, 33, 80, 10}},
    {OPT_OFFENSE_CALLS_COMBO, CONTROL_COMBO, "", {254, 31, 80, 14}},
    {-1, CONTROL_LABEL, "Defensive Plays", {171, 49, 80, 10}},
    {OPT_DEFENSE_CALLS_COMBO, CONTROL_COMBO, "", {254, 47, 80, 14}},
    {-1, CONTROL_LABEL, "Difficulty Level", {171, 65, 80, 10}},
    {OPT_TITLE_COMBO, CONTROL_COMBO, "", {254, 63, 80, 14}},
    {-1, CONTROL_LABEL, "Financial Responsibilities", {171, 81, 163, 10}},
    {OPT_FINANCIAL_COMBO, CONTROL_COMBO, "", {171, 93, 163, 14}},
    {OPT_SKIN_COMBO, CONTROL_COMBO, "", {171, 112, 163, 14}},
    {OPT_FINANCIAL_TEXT, CONTROL_LABEL, "Financial Text", {171, 136, 163, 40}, CS_MULTILINE},
    {-1, CONTROL_GROUP, "Historical Seasons", {7, 190, 333, 62}},
    {OPT_REPLAY_MODE_CHECK, CONTROL_CHECK, "Replay Mode", {14, 203, 80, 10}, CS_GROUP},
    {OPT_REVERSION_LABEL, CONTROL_LABEL, "Reversion To Mean", {171, 204, 80, 10}},
    {OPT_REVERSION_COMBO, CONTROL_COMBO, "", {254, 202, 80, 14}},
    {OPT_REPLAY_TEXT, CONTROL_LABEL, "Replay Mode", {14, 218, 320, 30}, CS_MULTILINE},
    {OPT_SPECIAL_TOOL_BUTTON, CONTROL_BUTTON, "Do &Special Tool", {7, 259, 80, 16}},
    {OPT_DONE_BUTTON, CONTROL_BUTTON, "Done", {204, 259, 64, 16}, CS_DEFAULT},
    {OPT_HELP_BUTTON, CONTROL_BUTTON, "&Help", {276, 259, 64, 16}},
};
// Only "Done" closes it: Escape and the close box do nothing.
constexpr DIALOG_TEMPLATE OPTIONS_TEMPLATE{
    OPTIONS_DIALOG, "Options", 347, 282, DS_IGNORE_ESCAPE, 0, 0, OPTIONS_CONTROLS, "options"};
constexpr int OPTIONS_USED_IDS[] = {
    OPT_SPECIAL_TOOL_BUTTON, OPT_DONE_BUTTON, OPT_HELP_BUTTON, OPT_TITLE_COMBO, OPT_SKIN_COMBO,
    OPT_FINANCIAL_COMBO, OPT_REVERSION_COMBO, OPT_COMMISSIONER_CHECK, OPT_PERFECT_SCOUTING_CHECK,
    OPT_AUTO_SAVE_CHECK, OPT_AI_TRADES_CHECK, OPT_NEWS_TICKER_CHECK, OPT_SOUND_CHECK, OPT_DARK_TEXT_CHECK,
    OPT_STANDINGS_CHECK, OPT_AWARDS_CHECK, OPT_FINANCES_CHECK, OPT_AUTO_FILL_CHECK, OPT_CLICK_AFTER_PLAY_CHECK,
    OPT_REPLAY_MODE_CHECK, OPT_TEXT_SPEED_COMBO, OPT_OFFENSE_CALLS_COMBO, OPT_DEFENSE_CALLS_COMBO,
    OPT_FINANCIAL_TEXT, OPT_REPLAY_TEXT, OPT_REVERSION_LABEL, OPT_BACKGROUND_AREA};
const DIALOG_REGISTRAR OPTIONS_REGISTRAR(OPTIONS_DIALOG, OPTIONS_TEMPLATE, Options_Dialog, OPTIONS_USED_IDS);

}  // namespace

void Fill_Title_Combo(DIALOG& Dialog)
{
    if (Dialog.Find(OPT_TITLE_COMBO) == nullptr)
        Dialog.Add(OPT_TITLE_COMBO, CONTROL_COMBO);
    Dialog.Clear_Items(OPT_TITLE_COMBO);
    for (const char* szTitle : TITLES)
        Dialog.Add_Item(OPT_TITLE_COMBO, szTitle);
    Dialog.Set_Selected(OPT_TITLE_COMBO, Clamped(Get_User_Preference(PREF_DIFFICULTY), 0, TITLE_COUNT - 1));
}

void Fill_Financial_Mode_Combo(DIALOG& Dialog)
{
    Fill_Two(Dialog, OPT_FINANCIAL_COMBO, "General Manager Mode", "Owner Mode", Get_User_Preference(PREF_OWNER_MODE));
}

void Fill_Reversion_Combo(DIALOG& Dialog)
{
    Dialog.Clear_Items(OPT_REVERSION_COMBO);
    for (int i = 0; i < REVERSION_ENTRIES; ++i) {
        const int nPercent = (i - 10) * 10;
        char szEntry[16];
        std::snprintf(szEntry, sizeof(szEntry), nPercent < 0 ? "-%d%%" : "+%d%%", std::abs(nPercent));
        Dialog.Add_Item(OPT_REVERSION_COMBO, szEntry);
    }
    Dialog.Set_Selected(OPT_REVERSION_COMBO,
                        Clamped((Get_Reversion_To_Mean() + 100) / 10, 0, REVERSION_ENTRIES - 1));
}

void Fill_Skin_Combo(DIALOG& Dialog)
{
    Dialog.Clear_Items(OPT_SKIN_COMBO);
    const std::string Current = Get_Skin_Name();
    std::vector<std::string> Names = files::List_Folder("skins", "*");
    std::sort(Names.begin(), Names.end());
    int nCount = 0;
    for (const std::string& Name : Names) {
        if (nCount >= SKIN_LIMIT)
            break;
        if (Name == "." || Name == ".." || !files::Folder_Exists(("skins\\" + Name).c_str()))
            continue;
        const int nIndex = Dialog.Add_Item(OPT_SKIN_COMBO, "Skin: " + Name, SKIN_ITEM_BASE + nCount);
        if (Name == Current)
            Dialog.Set_Selected(OPT_SKIN_COMBO, nIndex);
        ++nCount;
    }
}

void Apply_Skin_Choice(DIALOG& Dialog)
{
    const int nIndex = Dialog.Get_Selected(OPT_SKIN_COMBO);
    if (nIndex < 0 || Dialog.Item_Data(OPT_SKIN_COMBO, nIndex) < SKIN_ITEM_BASE)
        return;
    const std::string Entry = Dialog.Item_Text(OPT_SKIN_COMBO, nIndex);
    const std::string Prefix = "Skin: ";
    if (Entry.size() <= Prefix.size())
        return;
    Set_League_Skin(Entry.substr(Prefix.size()).c_str());
    Clear_Bitmap_Cache();
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
    // The dialog's own background is the new skin's.
    if (Dialog.Find(OPT_BACKGROUND_AREA) != nullptr)
        Dialog.Invalidate(OPT_BACKGROUND_AREA);
}

void Show_Reversion_Controls(DIALOG& Dialog)
{
    const bool bShow = !Dialog.Is_Checked(OPT_REPLAY_MODE_CHECK);
    Dialog.Show(OPT_REVERSION_COMBO, bShow);
    Dialog.Show(OPT_REVERSION_LABEL, bShow);
}

void Show_Options_Explanations(DIALOG& Dialog)
{
    if (Dialog.Get_Selected(OPT_FINANCIAL_COMBO) == 1)
        Dialog.Set_Text(OPT_FINANCIAL_TEXT,
                        "'Owner Mode' requires you to set ticket prices and manage expenditures. When in debt, you "
                        "can't draft players, sign free agents or extend contracts.");
    else
        Dialog.Set_Text(OPT_FINANCIAL_TEXT, "In 'General Manager Mode', the only limit on your personnel budget is "
                                            "the league salary cap.");
    if (Replay_Mode_Allowed()) {
        Dialog.Set_Text(OPT_REPLAY_TEXT, "'Replay Mode' recalculates player ratings at the beginning of each season, "
                                         "using only that season's historical statistics.");
    } else {
        char szText[128];
        std::snprintf(szText, sizeof(szText), "'Replay Mode' is only available for historical seasons (%d - %d).",
                      REPLAY_MODE_FIRST_YEAR, REPLAY_MODE_LAST_YEAR);
        Dialog.Set_Text(OPT_REPLAY_TEXT, szText);
    }
}

void Init_Options_Dialog(DIALOG& Dialog)
{
    for (const CHECK_PREFERENCE& Check : CHECKS)
        Dialog.Set_Checked(Check.nControl, Get_User_Preference(Check.nPreference) != 0);
    if (Replay_Mode_Allowed()) {
        Dialog.Set_Checked(OPT_REPLAY_MODE_CHECK, Get_Universe_Word(REPLAY_MODE_WORD) != 0);
    } else {
        Set_Universe_Word(REPLAY_MODE_WORD, 0);
        Dialog.Set_Checked(OPT_REPLAY_MODE_CHECK, false);
        Dialog.Enable(OPT_REPLAY_MODE_CHECK, false);
    }
    Show_Reversion_Controls(Dialog);

    Dialog.Clear_Items(OPT_TEXT_SPEED_COMBO);
    for (const char* szSpeed : TEXT_SPEEDS)
        Dialog.Add_Item(OPT_TEXT_SPEED_COMBO, szSpeed);
    Dialog.Set_Selected(OPT_TEXT_SPEED_COMBO,
                        Clamped(5 - Get_User_Preference(PREF_TEXT_SPEED) / 100, 0, TEXT_SPEED_COUNT - 1));
    Fill_Two(Dialog, OPT_OFFENSE_CALLS_COMBO, "Manual", "Automatic", Get_User_Preference(PREF_AUTO_OFFENSE_CALLS));
    Fill_Two(Dialog, OPT_DEFENSE_CALLS_COMBO, "Manual", "Automatic", Get_User_Preference(PREF_AUTO_DEFENSE_CALLS));
    Dialog.Set_Checked(OPT_CLICK_AFTER_PLAY_CHECK, Get_Universe_Word(CLICK_TO_CONTINUE_WORD) != 0);

    Fill_Title_Combo(Dialog);
    Fill_Financial_Mode_Combo(Dialog);
    Fill_Reversion_Combo(Dialog);
    Fill_Skin_Combo(Dialog);
    // The statistics importer is a test build's tool; the build we ship has
    // no such button.
    Dialog.Remove(OPT_SPECIAL_TOOL_BUTTON);
}

void Save_Options_From_Dialog(DIALOG& Dialog)
{
    for (const CHECK_PREFERENCE& Check : CHECKS)
        Set_User_Preference(Check.nPreference, Dialog.Is_Checked(Check.nControl) ? 1 : 0);

    if (Replay_Mode_Allowed()) {
        const bool bWasOn = Get_Universe_Word(REPLAY_MODE_WORD) != 0;
        const bool bOn = Dialog.Is_Checked(OPT_REPLAY_MODE_CHECK);
        Set_Universe_Word(REPLAY_MODE_WORD, bOn ? 1 : 0);
        if (bOn && !bWasOn) {
            if (Get_User_Preference(PREF_CURRENT_WEEK) == 0) {
                Apply_Historical_Season_Data();
                Show_Message_Box("Season stats have been loaded for the current season.", "Replay Mode Enabled",
                                 BOX_OK | BOX_ICON_INFORMATION);
            } else {
                Show_Message_Box("Season stats will be loaded at the beginning of the next season.",
                                 "Replay Mode Enabled", BOX_OK | BOX_ICON_INFORMATION);
            }
        }
    } else {
        Set_Universe_Word(REPLAY_MODE_WORD, 0);
    }

    Set_User_Preference(PREF_TEXT_SPEED, (5 - Selected_Or(Dialog, OPT_TEXT_SPEED_COMBO, 5 - DEFAULT_TEXT_SPEED / 100)) * 100);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, Selected_Or(Dialog, OPT_OFFENSE_CALLS_COMBO, 0));
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, Selected_Or(Dialog, OPT_DEFENSE_CALLS_COMBO, 0));
    Set_Universe_Word(CLICK_TO_CONTINUE_WORD, Dialog.Is_Checked(OPT_CLICK_AFTER_PLAY_CHECK) ? 1 : 0);
    const int nTitle = Selected_Or(Dialog, OPT_TITLE_COMBO, 0);
    Set_User_Preference(PREF_DIFFICULTY, nTitle);
    Set_User_Preference(PREF_USER_TITLE, nTitle);
    Set_User_Preference(PREF_OWNER_MODE, Selected_Or(Dialog, OPT_FINANCIAL_COMBO, 0));
    Set_Reversion_To_Mean((Selected_Or(Dialog, OPT_REVERSION_COMBO, 10) - 10) * 10);

    Request_Main_Window_Repaint();
    Show_Main_Page(Get_User_Preference(PREF_MAIN_PAGE));
}

void Options_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Init_Options_Dialog(Dialog);
        Show_Options_Explanations(Dialog);
        return;
    }
    if (nEvent == DIALOG_PAINT && nControl == OPT_BACKGROUND_AREA) {
        if (Dialog.Event().pCanvas != nullptr)
            Paint_Skin_Background(*Dialog.Event().pCanvas);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    const int nNotification = Dialog.Event().nNotification;
    if (nControl == OPT_FINANCIAL_COMBO && nNotification == NOTIFY_SELECTION_CHANGED) {
        Show_Options_Explanations(Dialog);
    } else if (nControl == OPT_SKIN_COMBO && nNotification == NOTIFY_SELECTION_CHANGED) {
        Apply_Skin_Choice(Dialog);
    } else if (nControl == OPT_REPLAY_MODE_CHECK && nNotification == NOTIFY_CLICKED) {
        Show_Reversion_Controls(Dialog);
    } else if (nControl == OPT_DONE_BUTTON && nNotification == NOTIFY_CLICKED) {
        Save_Options_From_Dialog(Dialog);
        Dialog.End(DIALOG_OK);
    } else if (nControl == OPT_HELP_BUTTON && nNotification == NOTIFY_CLICKED) {
        Open_Help_Page(OPTIONS_DIALOG);
    }
}

CANVAS_COLOR Get_Skin_Brush_Color()
{
    // The average of the skin's page background, read once per skin (the
    // cache is cleared when the skin changes); a skin without one has the
    // default.
    const CANVAS* pPicture = Load_File_Into_Bitmap_Cache(Get_Skin_File_Path(SKIN_PAGE_BACKGROUND).c_str());
    if (pPicture == nullptr || pPicture->Width() <= 0 || pPicture->Height() <= 0)
        return DEFAULT_SKIN_BRUSH_COLOR;
    uint64_t nSum[3] = {};
    uint64_t nCount = 0;
    for (int y = 0; y < pPicture->Height(); ++y) {
        for (int x = 0; x < pPicture->Width(); ++x) {
            const uint32_t nPixel = pPicture->Get_Pixel(x, y);
            nSum[0] += (nPixel >> 16) & 0xFF;
            nSum[1] += (nPixel >> 8) & 0xFF;
            nSum[2] += nPixel & 0xFF;
            ++nCount;
        }
    }
    return CANVAS_COLOR{static_cast<uint8_t>((nSum[0] + nCount / 2) / nCount),
                        static_cast<uint8_t>((nSum[1] + nCount / 2) / nCount),
                        static_cast<uint8_t>((nSum[2] + nCount / 2) / nCount), 255};
}

void Paint_Skin_Background(CANVAS& Canvas)
{
    Canvas.Fill_Rect(CANVAS_RECT{0, 0, Canvas.Width(), Canvas.Height()}, Get_Skin_Brush_Color());
}

int Run_Options_Dialog()
{
    return Do_Dialog(OPTIONS_DIALOG, "Options", Options_Dialog);
}
