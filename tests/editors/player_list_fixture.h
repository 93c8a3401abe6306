// A small league and a dialog holding one report list, for the player list
// view's tests.
#pragma once

#include <string>
#include <vector>

#include "../test_support.h"
#include "league/list_columns.h"
#include "editors/player_list_view.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"

constexpr int TEST_LIST_DIALOG = 9901;
constexpr int TEST_LIST = 100;

inline PLAYER_LIST_VIEW* g_pTestView = nullptr;

// The host dialog hands the list's notifications to the view, as a list
// dialog does.
inline void Test_List_Host_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    (void)Dialog;
    if (g_pTestView != nullptr)
        Handle_Player_List_Event(*g_pTestView, nEvent, nControl);
}

class PlayerListTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        // The grades as they are, without the scouts' error.
        Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
        Set_Team_String("AAA", 0, TEAM_STRING_ABBREVIATION);
        Set_Team_String("BBB", 1, TEAM_STRING_ABBREVIATION);
        pView = std::make_unique<PLAYER_LIST_VIEW>();
        pHost = std::make_unique<DIALOG>(TEST_LIST_DIALOG, "List", Test_List_Host_Proc, nullptr);
        // 300 dialog units wide: 450 pixels.
        pHost->Add(TEST_LIST, CONTROL_REPORT, "", UI_RECT{0, 0, 300, 100});
        Attach_Player_List_View(*pView, *pHost, TEST_LIST, "LVD_Test");
        g_pTestView = pView.get();
    }

    void TearDown() override
    {
        g_pTestView = nullptr;
        Detach_Player_List_View(*pView);
        pHost.reset();
        dialogs::Reset();
    }

    // A player with every rating at nRating.
    static void Add_Player(int nTeam, int nSlot, int nPosition, const char* szFirst, const char* szLast,
                           float fRating = 70.0f)
    {
        Clear_Player(nTeam, nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, 1000 + nTeam * 100 + nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, -1);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 3);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
            Set_Player_Rating(nTeam, nSlot, r, fRating);
    }

    // Shows these codes, left to right.
    void Show_Columns(const std::vector<int>& Codes)
    {
        pView->nColumnCount = static_cast<int>(Codes.size());
        for (size_t i = 0; i < Codes.size(); ++i)
            pView->ColumnCodes[i] = Codes[i];
        Rebuild_Listview_Columns(*pView);
    }

    void Fill_Keys(const std::vector<int>& Keys)
    {
        Init_Player_List_View(*pView);
        for (int nKey : Keys)
            Add_Player_List_Key(*pView, nKey);
        Fill_Player_List(*pView);
        Sort_Player_List(*pView);
    }

    // The row keys in the order shown.
    std::vector<int> Row_Keys() const
    {
        std::vector<int> Keys;
        for (int r = 0; r < pHost->Row_Count(TEST_LIST); ++r)
            Keys.push_back(static_cast<int>(pHost->Row_Data(TEST_LIST, r)));
        return Keys;
    }

    // A click on the header of the column showing nCode.
    void Click_Header(int nCode)
    {
        for (int c = 0; c < pHost->Column_Count(TEST_LIST); ++c)
            if (pHost->Column_Tag(TEST_LIST, c) == nCode) {
                ASSERT_TRUE(pHost->User_Header_Click(TEST_LIST, c));
                return;
            }
        FAIL() << "no column " << nCode;
    }

    std::string Cell_Of(int nKey, int nCode) const
    {
        int nRow = pHost->Find_Row(TEST_LIST, nKey);
        for (int c = 0; c < pHost->Column_Count(TEST_LIST); ++c)
            if (pHost->Column_Tag(TEST_LIST, c) == nCode)
                return pHost->Cell(TEST_LIST, nRow, c);
        return "<no column>";
    }

    std::unique_ptr<PLAYER_LIST_VIEW> pView;
    std::unique_ptr<DIALOG> pHost;
};
