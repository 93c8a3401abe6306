// The pages a saved game opens on for its champions, read in this process:
// shared by the program tests that play seasons on and look at who won.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "pages/page_layout.h"
#include "platform/ui.h"
#include "test_support.h"

namespace program_support {

// The texts of the Champions page and the front page of a saved game, each
// followed by '|', and (when pNames is given) each club's full name by its
// nickname.
inline std::string Title_Pages(const std::string& Saved, std::map<std::string, std::string>* pNames = nullptr)
{
    SCRATCH_FOLDER Here{"title_pages"};
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    std::string Texts;
    for (const PAGE_LAYOUT& Page : {Layout_Champions_Page(), Layout_Front_Page()})
        for (const PAGE_TEXT& Text : Page.Texts)
            Texts += Text.Text + "|";
    for (int t = 0; pNames != nullptr && t < Count_Teams(); ++t) {
        char szNickname[TEAM_STRING_SIZE];
        Get_Team_String(szNickname, t, TEAM_STRING_NICKNAME);
        (*pNames)[szNickname] = Page_Team_Name(t);
    }
    return Texts;
}

}  // namespace program_support
