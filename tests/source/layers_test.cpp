// The layers of the source tree: every #include of src/ goes down (or
// sideways within a layer), never up, and outside league/ and gamefile/ the
// league block is reached through its accessors only.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The layer of each folder under src/, lowest first. Folders of one layer may
// include each other one way only (see May_Include_Each_Other). The main
// window's pages sit below the export, the tools and the editors, which open
// them (a player's card from a list); the editors' tool dialogs run the
// tools. The game file saves and loads through all of these, and the shell
// above it drives everything. The programs kept under tools/ sit on top,
// since they save through gamefile/.
const std::map<std::string, int>& Layers()
{
    static const std::map<std::string, int> Table = {
        {"platform", 0},
        {"base", 1},
        {"league", 2},
        {"engine", 2},
        {"schedule", 2},
        {"frontoffice", 2},
        {"season", 2},
        {"pages", 3},
        {"export", 4},
        {"tools", 4},
        {"editors", 5},
        {"gamefile", 6},
        {"shell", 7},
        {"tools/default_league", 8},
        {"tools/fictional_history", 8},
        {"tools/schedule_table_maker", 8},
        {"tools/other_size_table_maker", 8},
        {"tools/skin_maker", 8},
        {"tools/playbook_maker", 8},
    };
    return Table;
}

// Whether two folders may include each other: only the subsystems of the
// middle layer, which call each other through their headers by design (a
// roster move refreshes the game lineups). Any other pair is a cycle.
bool May_Include_Each_Other(const std::string& A, const std::string& B)
{
    const auto A_Layer = Layers().find(A);
    const auto B_Layer = Layers().find(B);
    if (A_Layer == Layers().end() || B_Layer == Layers().end())
        return false;
    return A_Layer->second == 2 && B_Layer->second == 2;
}

// The folder a path relative to src/ ("season/offseason.cpp",
// "tools/default_league/main.cpp") belongs to, as Layers() names it: the
// first component, or the first two when those name a program of its own.
// Empty for a path with no folder.
std::string Folder_Of(const std::string& Path)
{
    const size_t nFirst = Path.find('/');
    if (nFirst == std::string::npos)
        return "";
    const size_t nSecond = Path.find('/', nFirst + 1);
    if (nSecond != std::string::npos) {
        const std::string Two = Path.substr(0, nSecond);
        if (Layers().count(Two) != 0)
            return Two;
    }
    return Path.substr(0, nFirst);
}

// Whether a file of folder From may include a header of folder To; an unknown
// folder is never allowed, so a new folder has to be placed in the table.
bool May_Include(const std::string& From, const std::string& To)
{
    const auto From_Layer = Layers().find(From);
    const auto To_Layer = Layers().find(To);
    if (From_Layer == Layers().end() || To_Layer == Layers().end())
        return false;
    return To_Layer->second <= From_Layer->second;
}

// The text with comments blanked (and, with bStrings, string and character
// literals too); line ends are kept so line numbers still count.
std::string Blank_Comments(const std::string& Text, bool bStrings)
{
    std::string Out = Text;
    enum { CODE, LINE_COMMENT, BLOCK_COMMENT, STRING, CHARACTER } State = CODE;
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        const char Next = i + 1 < Text.size() ? Text[i + 1] : '\0';
        switch (State) {
        case CODE:
            if (c == '/' && Next == '/') {
                State = LINE_COMMENT;
                Out[i] = ' ';
            } else if (c == '/' && Next == '*') {
                State = BLOCK_COMMENT;
                Out[i] = Out[i + 1] = ' ';
                ++i;
            } else if (c == '"') {
                State = STRING;
            } else if (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(Text[i - 1])))) {
                // A quote after a digit is a digit separator (1'000), not a literal.
                State = CHARACTER;
            }
            break;
        case LINE_COMMENT:
            if (c == '\n')
                State = CODE;
            else
                Out[i] = ' ';
            break;
        case BLOCK_COMMENT:
            if (c == '*' && Next == '/') {
                State = CODE;
                Out[i] = Out[i + 1] = ' ';
                ++i;
            } else if (c != '\n') {
                Out[i] = ' ';
            }
            break;
        case STRING:
        case CHARACTER:
            if (c == '\\') {
                if (bStrings) {
                    Out[i] = ' ';
                    if (Next != '\n' && Next != '\0')
                        Out[i + 1] = ' ';
                }
                ++i;
            } else if ((State == STRING && c == '"') || (State == CHARACTER && c == '\'') || c == '\n') {
                State = CODE;
            } else if (bStrings) {
                Out[i] = ' ';
            }
            break;
        }
    }
    return Out;
}

// The header a line includes with quotes ("league/player.h"), or empty.
std::string Included_Header(const std::string& Line)
{
    size_t i = Line.find_first_not_of(" \t");
    if (i == std::string::npos || Line[i] != '#')
        return "";
    i = Line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || Line.compare(i, 7, "include") != 0)
        return "";
    const size_t nOpen = Line.find('"', i + 7);
    if (nOpen == std::string::npos)
        return "";
    const size_t nClose = Line.find('"', nOpen + 1);
    if (nClose == std::string::npos)
        return "";
    return Line.substr(nOpen + 1, nClose - nOpen - 1);
}

// Whether a line includes a header of the desktop toolkit (GTK and the
// libraries it brings: GDK, GLib, cairo, Pango).
bool Includes_Toolkit_Header(const std::string& Line)
{
    size_t i = Line.find_first_not_of(" \t");
    if (i == std::string::npos || Line[i] != '#')
        return false;
    i = Line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || Line.compare(i, 7, "include") != 0)
        return false;
    const size_t nOpen = Line.find('<', i + 7);
    if (nOpen == std::string::npos)
        return false;
    for (const char* szPrefix : {"gtk/", "gdk/", "glib", "gio/", "cairo", "pango"})
        if (Line.compare(nOpen + 1, std::char_traits<char>::length(szPrefix), szPrefix) == 0)
            return true;
    return false;
}

bool Is_Identifier_Char(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Whether code (comments and literals blanked) names the league block.
bool Names_League_Block(const std::string& Code)
{
    static const std::string Name = "League";
    for (size_t i = Code.find(Name); i != std::string::npos; i = Code.find(Name, i + 1)) {
        const bool bStart = i == 0 || !Is_Identifier_Char(Code[i - 1]);
        const bool bEnd = i + Name.size() == Code.size() || !Is_Identifier_Char(Code[i + Name.size()]);
        // LEAGUE_DATA::x and Some::League are other names, not the block.
        const bool bQualified = i >= 2 && Code[i - 1] == ':' && Code[i - 2] == ':';
        if (bStart && bEnd && !bQualified)
            return true;
    }
    return false;
}

std::vector<std::string> Split_Lines(const std::string& Text)
{
    std::vector<std::string> Lines;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);)
        Lines.push_back(Line);
    return Lines;
}

TEST(LayersTest, TheRulesPlaceEachFolderAsTheDesignDrawsIt)
{
    EXPECT_EQ(Folder_Of("season/offseason.cpp"), "season");
    EXPECT_EQ(Folder_Of("tools/default_league/main.cpp"), "tools/default_league");
    EXPECT_EQ(Folder_Of("tools/young_player_cap.h"), "tools");
    EXPECT_EQ(Folder_Of("player.h"), "");

    // Down and sideways are allowed.
    EXPECT_TRUE(May_Include("base", "platform"));
    EXPECT_TRUE(May_Include("league", "season"));
    EXPECT_TRUE(May_Include("season", "engine"));
    EXPECT_TRUE(May_Include("tools", "season"));
    EXPECT_TRUE(May_Include("shell", "gamefile"));
    EXPECT_TRUE(May_Include("editors", "tools"));
    EXPECT_TRUE(May_Include("gamefile", "tools"));
    EXPECT_TRUE(May_Include("tools/default_league", "gamefile"));
    // Up is not.
    EXPECT_FALSE(May_Include("platform", "base"));
    EXPECT_FALSE(May_Include("base", "league"));
    EXPECT_FALSE(May_Include("league", "tools"));
    EXPECT_FALSE(May_Include("season", "tools"));
    EXPECT_FALSE(May_Include("engine", "editors"));
    EXPECT_FALSE(May_Include("tools", "gamefile"));
    EXPECT_FALSE(May_Include("tools", "editors"));
    EXPECT_FALSE(May_Include("gamefile", "shell"));
    EXPECT_FALSE(May_Include("season", "shell"));
    EXPECT_FALSE(May_Include("gamefile", "tools/default_league"));
    EXPECT_FALSE(May_Include("season", "nowhere"));
    EXPECT_TRUE(May_Include("editors", "pages"));
    EXPECT_FALSE(May_Include("pages", "editors"));
    EXPECT_TRUE(May_Include_Each_Other("league", "season"));
    EXPECT_FALSE(May_Include_Each_Other("tools", "editors"));
    EXPECT_FALSE(May_Include_Each_Other("gamefile", "shell"));
    EXPECT_FALSE(May_Include_Each_Other("export", "tools"));
    EXPECT_FALSE(May_Include_Each_Other("pages", "editors"));
    EXPECT_FALSE(May_Include_Each_Other("editors", "export"));
    EXPECT_FALSE(May_Include_Each_Other("season", "pages"));

    EXPECT_EQ(Included_Header("#include \"tools/downloads.h\""), "tools/downloads.h");
    EXPECT_EQ(Included_Header("  #  include \"a.h\" // x"), "a.h");
    EXPECT_EQ(Included_Header("#include <vector>"), "");
    EXPECT_EQ(Included_Header("x = \"#include\";"), "");
    EXPECT_TRUE(Includes_Toolkit_Header("#include <gtk/gtk.h>"));
    EXPECT_TRUE(Includes_Toolkit_Header("  # include <cairo.h>"));
    EXPECT_TRUE(Includes_Toolkit_Header("#include <glib-object.h>"));
    EXPECT_FALSE(Includes_Toolkit_Header("#include <vector>"));
    EXPECT_FALSE(Includes_Toolkit_Header("#include \"platform/gtk/gtk_probe.h\""));

    // The block is named in code only, not in comments, texts or other names.
    EXPECT_TRUE(Names_League_Block(Blank_Comments("x = League.Game[0];", true)));
    EXPECT_TRUE(Names_League_Block(Blank_Comments("Zero(&League);", true)));
    EXPECT_TRUE(Names_League_Block(Blank_Comments("int n = 1'000; f(League.Team);", true)));
    EXPECT_FALSE(Names_League_Block(Blank_Comments("// League.Game[0]\nx = 1;", true)));
    EXPECT_FALSE(Names_League_Block(Blank_Comments("/* League. */ x = 1;", true)));
    EXPECT_FALSE(Names_League_Block(Blank_Comments("Show(\"League News\", '\"', \"\\\" League.\");", true)));
    EXPECT_FALSE(Names_League_Block(Blank_Comments("n = sizeof(LEAGUE_DATA::szNotes) + Count_Leagues();", true)));
    // Without bStrings a quoted include stays readable.
    EXPECT_EQ(Blank_Comments("#include \"a.h\" // b", false), "#include \"a.h\"     ");
}

TEST(LayersTest, NoIncludeGoesUpAndTheBlockIsReachedThroughItsAccessors)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr) << "KELVO_SOURCE_DIR names the source tree";
    const fs::path Root = fs::path(szSource) / "src";
    ASSERT_TRUE(fs::is_directory(Root)) << Root;

    int nFiles = 0;
    int nIncludes = 0;
    std::vector<std::string> Upward;
    std::vector<std::string> Block_Uses;
    std::vector<std::string> Toolkit_Uses;
    int nToolkitIncludes = 0;
    std::set<std::pair<std::string, std::string>> Folder_Includes;
    for (const auto& Entry : fs::recursive_directory_iterator(Root)) {
        const std::string Extension = Entry.path().extension().string();
        if (!Entry.is_regular_file() || (Extension != ".cpp" && Extension != ".h"))
            continue;
        const std::string Relative = fs::relative(Entry.path(), Root).generic_string();
        const std::string From = Folder_Of(Relative);
        std::ifstream In(Entry.path(), std::ios::binary);
        std::stringstream Whole;
        Whole << In.rdbuf();
        const std::vector<std::string> Lines = Split_Lines(Blank_Comments(Whole.str(), false));
        const std::vector<std::string> Code = Split_Lines(Blank_Comments(Whole.str(), true));
        ++nFiles;
        const bool bRecords = From == "league" || From == "gamefile";
        for (size_t n = 0; n < Lines.size(); ++n) {
            const std::string Where = "src/" + Relative + ":" + std::to_string(n + 1) + ": ";
            const std::string Header = Included_Header(Lines[n]);
            if (!Header.empty()) {
                ++nIncludes;
                // A bare name is a header of the same folder.
                const std::string To = Header.find('/') == std::string::npos ? From : Folder_Of(Header);
                if (!May_Include(From, To))
                    Upward.push_back(Where + Lines[n]);
                if (To != From)
                    Folder_Includes.insert({From, To});
            }
            if (Includes_Toolkit_Header(Lines[n])) {
                // Only the desktop backend's own folder sees the toolkit.
                if (Relative.rfind("platform/gtk/", 0) == 0)
                    ++nToolkitIncludes;
                else
                    Toolkit_Uses.push_back(Where + Lines[n]);
            }
            if (!bRecords && n < Code.size() && Names_League_Block(Code[n]))
                Block_Uses.push_back(Where + Lines[n]);
        }
    }
    // The tree really was read: some three hundred files, some 1,600 includes.
    EXPECT_GT(nFiles, 250);
    EXPECT_GT(nIncludes, 1200);
    EXPECT_GT(nToolkitIncludes, 0);

    std::string Report;
    for (const std::string& Line : Upward)
        Report += Line + "\n";
    EXPECT_TRUE(Upward.empty()) << "includes that go up a layer:\n" << Report;
    Report.clear();
    for (const std::string& Line : Block_Uses)
        Report += Line + "\n";
    EXPECT_TRUE(Block_Uses.empty()) << "the league block named outside league/ and gamefile/:\n" << Report;
    Report.clear();
    for (const std::string& Line : Toolkit_Uses)
        Report += Line + "\n";
    EXPECT_TRUE(Toolkit_Uses.empty()) << "toolkit headers outside platform/gtk/:\n" << Report;
    Report.clear();
    for (const auto& [From, To] : Folder_Includes)
        if (From < To && Folder_Includes.count({To, From}) != 0 && !May_Include_Each_Other(From, To))
            Report += From + " <-> " + To + "\n";
    EXPECT_TRUE(Report.empty()) << "folders that include each other:\n" << Report;
}

}  // namespace
