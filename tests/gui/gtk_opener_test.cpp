// A finished game's points by quarter on the Games page, clicked with the
// mouse, open its box score through the desktop's opener (xdg-open, found on
// PATH); where no program opens it, a box titled "Box Score" says so and
// names the file: an opener that ends with a failure (xdg-open's status 3
// when no program takes the file) and none to start at all. A page of the
// same name another game wrote is never handed to the opener. The openers are
// small scripts of the test's own, on a PATH of their own.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/game_log.h"
#include "engine/game_state.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/game_record.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/game_view.h"
#include "pages/page_layout.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/main_frame.h"
#include "platform/ui.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

// PATH as the test sets it, put back when this goes.
class PATH_SETTING {
public:
    PATH_SETTING()
    {
        const char* szPath = std::getenv("PATH");
        m_bHad = szPath != nullptr;
        m_Old = m_bHad ? szPath : "";
    }
    ~PATH_SETTING()
    {
        if (m_bHad)
            ::setenv("PATH", m_Old.c_str(), 1);
        else
            ::unsetenv("PATH");
    }
    PATH_SETTING(const PATH_SETTING&) = delete;
    PATH_SETTING& operator=(const PATH_SETTING&) = delete;
    void Set(const std::string& Folder) { ::setenv("PATH", Folder.c_str(), 1); }

private:
    bool m_bHad = false;
    std::string m_Old;
};

// A folder holding an "xdg-open" of the test's own: it notes the file it is
// given in Folder/opened.txt, then ends with nStatus.
std::string Make_Opener(const std::string& Folder, int nStatus)
{
    std::filesystem::create_directories(Folder);
    const std::string Script = Folder + "/xdg-open";
    std::ofstream Out(Script);
    Out << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << Folder << "/opened.txt'\nexit " << nStatus << "\n";
    Out.close();
    ::chmod(Script.c_str(), 0755);
    return Folder;
}

std::string Read_File(const std::string& Path)
{
    std::ifstream In(Path);
    std::stringstream Text;
    Text << In.rdbuf();
    return Text.str();
}

void Answer_Box(int nKind, int)
{
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX)
        xtest::Key("Return");
}

// A game of the week just played, finished, whose box score was written;
// -1 when none.
int Finished_Game_With_Box_Score()
{
    for (int n = 0; n < NUMBER_OF_GAMES; ++n) {
        const GAME* pGame = Get_Game_Record(n);
        if (pGame == nullptr || pGame->nAwayTeam == pGame->nHomeTeam || !Is_Game_Over(pGame))
            continue;
        Set_User_Preference(PREF_SHOWN_GAME, n);
        char szName[64];
        if (Get_Selected_Box_Score_File_Name(szName, sizeof szName) && files::File_Exists(szName))
            return n;
    }
    return -1;
}

// A point of the page area (its own pixels) that opens the shown game's box
// score: inside its points by quarter.
bool Box_Score_Point(int& x, int& y)
{
    const CANVAS_RECT rcPage = Get_Main_Window_Areas().Page;
    for (y = rcPage.top; y < rcPage.bottom; y += 2)
        for (x = rcPage.left; x < rcPage.right; x += 2)
            if (Find_Game_View_Page_Link(rcPage, x, y) == GAME_VIEW_PAGE_BOX_SCORE)
                return true;
    return false;
}

}  // namespace

TEST(GtkOpener, AFinishedGamesPointsByQuarterOpenItsBoxScoreOrABoxSaysNoProgramCould)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_opener");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    // A week played with nobody at the keyboard; one of its games shown.
    dialogs::Set_Unattended(true);
    ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAY_ONE_WEEK));
    ASSERT_TRUE(xtest::Wait_Until([] { return !gtk_probe::Modal_Open() && Finished_Game_With_Box_Score() >= 0; }));
    const int nGame = Finished_Game_With_Box_Score();
    ASSERT_GE(nGame, 0);
    char szName[64];
    ASSERT_TRUE(Get_Selected_Box_Score_File_Name(szName, sizeof szName));
    const std::string BoxScore = files::Resolve_Path(szName);
    // A box names it from the root, where a person can find it.
    const std::string FullBoxScore = std::filesystem::current_path().string() + "/" + BoxScore;
    Set_Main_View_Page(MAIN_PAGE_GAMES);
    dialogs::Set_Unattended(false);
    xtest::Settle(200);
    int x = 0, y = 0;
    ASSERT_TRUE(Box_Score_Point(x, y)) << "the game view shows no points by quarter to click";
    GtkWidget* pPage = xtest::Main_Area(FRAME_PAGE);
    const gui_support::ANSWERING_HOOK Hook(Answer_Box);
    PATH_SETTING Path;
    const std::string Openers = std::filesystem::current_path().string() + "/openers";
    ui::Clear_Shown_Boxes();

    // An opener that takes it: the box score is handed to it, and no box.
    const std::string Working = Make_Opener(Openers + "/working", 0);
    Path.Set(Working);
    ASSERT_TRUE(xtest::Click(pPage, x, y));
    EXPECT_TRUE(xtest::Wait_Until([&] { return Read_File(Working + "/opened.txt") == BoxScore + "\n"; }))
        << Read_File(Working + "/opened.txt");
    xtest::Settle(300);
    EXPECT_TRUE(ui::Shown_Boxes().empty()) << ui::Shown_Boxes().front().Text;

    // One that finds no program: its status, once it has ended.
    const std::string Failing = Make_Opener(Openers + "/failing", 3);
    Path.Set(Failing);
    ASSERT_TRUE(xtest::Click(pPage, x, y));
    ASSERT_TRUE(xtest::Wait_Until([] { return !ui::Shown_Boxes().empty(); })) << "no box said the file was not opened";
    EXPECT_EQ(Read_File(Failing + "/opened.txt"), BoxScore + "\n");
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Box Score");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "No program could open " + FullBoxScore + ": the desktop's opener (xdg-open) ended with status 3.");

    // None at all on PATH.
    ui::Clear_Shown_Boxes();
    std::filesystem::create_directories(Openers + "/none");
    Path.Set(Openers + "/none");
    ASSERT_TRUE(xtest::Click(pPage, x, y));
    ASSERT_TRUE(xtest::Wait_Until([] { return !ui::Shown_Boxes().empty(); })) << "no box said the file was not opened";
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Box Score");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "No program could open " + FullBoxScore + ": the desktop's opener (xdg-open) could not be started.");

    // Another league's game of the same name and year wrote over the page:
    // the opener is not started, and a box names the file.
    static GAME Other;
    Other = *Get_Game_Record(nGame);
    Other.nScore[GAME_SIDE_HOME] += 3;
    Write_Game_Page_Header(&Other);
    ASSERT_TRUE(Write_Box_Score_File(&Other, nGame, 1));
    ui::Clear_Shown_Boxes();
    Path.Set(Working);
    ASSERT_TRUE(xtest::Click(pPage, x, y));
    ASSERT_TRUE(xtest::Wait_Until([] { return !ui::Shown_Boxes().empty(); })) << "no box said the page was replaced";
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Box Score");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              FullBoxScore + " is not this game's page: a later game of the same name (another league in this "
                             "folder, or this league played on from an older save) replaced it.");
    EXPECT_EQ(Read_File(Working + "/opened.txt"), BoxScore + "\n");
    Destroy_Main_Window();
}
