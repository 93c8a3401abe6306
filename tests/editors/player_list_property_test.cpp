// Properties of the player list over random input: any stored layout loads
// legal, and random header clicks, menu choices, column toggles, period
// changes and refills keep the rows in the order a reference sort of the
// same keys gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editors/column_chooser.h"
#include "league/player_stats.h"
#include "list_layout_check.h"
#include "platform/menus.h"
#include "player_list_fixture.h"

namespace {

TEST_F(PlayerListTest, AnyStoredLayoutLoadsLegal)
{
    std::mt19937 Random(20261207);
    const int Interesting[] = {-32768, -114, -113, -5, -4, -1, 0, 1, 2, 3, 4, 17, 18, 19, 111, 112, 113, 114, 200, 32767};
    for (int nTrial = 0; nTrial < 3000; ++nTrial) {
        for (int i = 0; i < 80; ++i) {
            int nValue;
            if (Random() % 3 == 0)
                nValue = Interesting[Random() % std::size(Interesting)];
            else if (Random() % 2 == 0)
                nValue = static_cast<int>(Random() % 130) - 5;
            else
                nValue = static_cast<int16_t>(Random() & 0xFFFF);
            Set_User_Preference(240 + i, nValue);
        }
        for (int k = 0; k < 4; ++k) {
            Set_List_Kind(k);
            Load_List_Column_Layout(*pView);
            ASSERT_EQ(List_Layout_Problem(k, *pView), "") << "trial " << nTrial << " kind " << k;
            // Shown, saved and loaded again: the same.
            Rebuild_Listview_Columns(*pView);
            const int nSort = pView->nSortColumn;
            const std::vector<int> Codes(pView->ColumnCodes.begin(), pView->ColumnCodes.begin() + pView->nColumnCount);
            Save_List_Column_Layout(*pView);
            Load_List_Column_Layout(*pView);
            ASSERT_EQ(pView->nSortColumn, nSort);
            ASSERT_EQ(std::vector<int>(pView->ColumnCodes.begin(), pView->ColumnCodes.begin() + pView->nColumnCount), Codes);
        }
    }
}

// The reference: the values of the codes the random runs use, read from the
// records directly, and the two-level comparison written out again.
int Reference_Value(int nCode, int nKey)
{
    const int t = nKey / 100;
    const int s = nKey % 100;
    switch (nCode) {
    case 0: return 0;
    case 1: return t;
    case 2: return Get_Player_Vital_Stat(t, s, VITAL_POSITION);
    case 3: return Get_Player_Stat(t, s, STAT_PERIOD_PREDICTED, STAT_CODE_OVERALL);
    case 5: return t >= 37 ? -1 : Get_Player_Vital_Stat(t, s, VITAL_SALARY);
    case 9: return Get_Player_Stat(t, s, Get_User_Preference(PREF_STAT_PERIOD), STAT_GAMES_PLAYED);
    case 12: return Get_Player_Vital_Stat(t, s, VITAL_HEIGHT);
    case 13: return Get_Player_Vital_Stat(t, s, VITAL_WEIGHT);
    default: return 0;
    }
}

struct REFERENCE_SORT {
    int nSort = 0;
    int nPrevious = 0;

    void Click(int nCode)
    {
        if (nCode + 1 != std::abs(nSort)) {
            nPrevious = nSort;
            nSort = nCode + 1;
        } else {
            nSort = -nSort;
        }
    }

    static int Direction(int s)
    {
        const int a = std::abs(s);
        int d = (a == 1 || a == 2 || a == 3 || a == 5) ? 1 : -1;
        return s < 0 ? -d : d;
    }

    static std::string Lower(std::string Text)
    {
        for (char& c : Text)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return Text;
    }

    static int By_Name(int k1, int k2)
    {
        char szA[48], szB[48];
        Get_Player_Last_Name(k1 / 100, k1 % 100, szA);
        Get_Player_Last_Name(k2 / 100, k2 % 100, szB);
        std::string A = Lower(szA), B = Lower(szB);
        return A < B ? -1 : A > B ? 1 : 0;
    }

    // Whether key k1 comes before k2.
    bool operator()(int k1, int k2) const
    {
        for (int nPass = 0; nPass < 2; ++nPass) {
            const int s = nPass == 0 ? nSort : nPrevious;
            const int d = Direction(s);
            const int nCode = s == 0 ? 0 : std::abs(s) - 1;
            int n = 0;
            if (std::abs(s) == 1) {
                n = By_Name(k1, k2) * d;
            } else {
                const int v1 = Reference_Value(nCode, k1);
                const int v2 = Reference_Value(nCode, k2);
                n = v1 < v2 ? -d : v1 > v2 ? d : 0;
            }
            if (n != 0)
                return n < 0;
            if (nPass == 1)
                return k1 == k2 ? false : ((k1 < k2 ? d : -d) < 0);
        }
        return false;
    }
};

TEST_F(PlayerListTest, RandomClicksTogglesAndRefillsKeepTheReferenceOrder)
{
    std::mt19937 Random(77);
    const char* Names[] = {"Adams", "Baker", "Clark", "Davis", "Evans", "Foster", "Gray", "Hill", "Irwin", "Jones"};
    // Forty players over three clubs and the free agents, with few distinct
    // values, so that ties are many.
    std::vector<int> All;
    for (int i = 0; i < 40; ++i) {
        const int t = i % 4 == 3 ? 36 : i % 4;
        const int s = i / 4;
        const std::string Last = std::string(Names[i % 10]) + static_cast<char>('a' + i / 10);
        Add_Player(t, s, static_cast<int>(Random() % 15), "P", Last.c_str(), 60.0f + 10.0f * static_cast<float>(Random() % 3));
        Set_Player_Vital_Stat(t, s, VITAL_WEIGHT, 200 + 10 * static_cast<int>(Random() % 3));
        Set_Player_Vital_Stat(t, s, VITAL_HEIGHT, 70 + static_cast<int>(Random() % 3));
        Set_Player_Vital_Stat(t, s, VITAL_SALARY, 500 * static_cast<int>(Random() % 4));
        for (int p = 0; p < 3; ++p)
            Set_Player_Stat(t, s, p, STAT_GAMES_PLAYED, static_cast<int>(Random() % 3));
        All.push_back(t * 100 + s);
    }
    Set_User_Preference(PREF_STAT_PERIOD, 0);
    const int Codes[] = {0, 1, 2, 3, 5, 9, 12, 13};
    Show_Columns({0, 1, 2, 3, 5, 9, 12, 13});
    Fill_Keys(All);
    REFERENCE_SORT Reference;
    std::vector<int> Keys = All;

    for (int nStep = 0; nStep < 400; ++nStep) {
        const int nAction = static_cast<int>(Random() % 6);
        if (nAction <= 1) {
            // A header click on a shown column.
            const int nColumns = pHost->Column_Count(TEST_LIST);
            const int nCode = pHost->Column_Tag(TEST_LIST, static_cast<int>(Random() % nColumns));
            Click_Header(nCode);
            Reference.Click(nCode);
        } else if (nAction == 2) {
            // A refill of some of the players.
            Keys.clear();
            for (int k : All)
                if (Random() % 4 != 0)
                    Keys.push_back(k);
            std::shuffle(Keys.begin(), Keys.end(), Random);
            Fill_Keys(Keys);
        } else if (nAction == 3) {
            // A column switched off or on, as the chooser does.
            const int nCode = Codes[1 + Random() % (std::size(Codes) - 1)];
            if (Find_List_Column(nCode, *pView) >= 0) {
                if (pHost->Column_Count(TEST_LIST) > 2)
                    Remove_List_Column(nCode, *pView);
            } else {
                Insert_List_Column(*pView, nCode, Get_Header_Column_Count(*pView));
                Fill_Player_List(*pView);
                Sort_Player_List(*pView);
            }
        } else if (nAction == 4) {
            // The column menu: auto-size or copy.
            menus::Queue_Popup_Choice(Random() % 2 == 0 ? LIST_MENU_AUTO_SIZE : LIST_MENU_COPY);
            ASSERT_TRUE(pHost->User_Right_Click(TEST_LIST, -1, 0, 0, true));
        } else {
            // Another statistics period.
            Set_User_Preference(PREF_STAT_PERIOD, static_cast<int>(Random() % 3));
            Refresh_Numeric_Cells(*pView);
        }
        std::vector<int> Expected = Keys;
        std::stable_sort(Expected.begin(), Expected.end(), Reference);
        ASSERT_EQ(Row_Keys(), Expected) << "step " << nStep << " action " << nAction << " sort " << Reference.nSort
                                        << " previous " << Reference.nPrevious;
        ASSERT_EQ(pView->nSortColumn, Reference.nSort);
    }
}

}  // namespace
