// Drawing the Tolvaren cards onto a canvas, and the export that saves them
// with the players' grade list.
#include "tools/card_export.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "base/text_utils.h"
#include "engine/play_card_rules.h"
#include "engine/play_diagrams.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/composite_grades.h"
#include "league/league_structure.h"
#include "league/play_card_table.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/resources.h"
#include "platform/ui.h"

namespace {

// The first file of the export that could not be written and why; the
// export fails with it.
std::string g_ExportProblem;

void Note_Export_Failure(const std::string& Path, int nError)
{
    if (g_ExportProblem.empty())
        g_ExportProblem = "\"" + files::Resolve_Path(Path.c_str()) + "\" could not be written (" +
                          files::Error_Text(nError) + ")";
}

// The lines of each list, by its path, while an export runs: its files are
// put in place whole at its end, so that a disk that fills never leaves a
// list cut short or an old one emptied.
std::map<std::string, std::string>* g_pExportLines = nullptr;

void Append_List_Line(const char* szPath, const char* szLine)
{
    if (g_pExportLines != nullptr) {
        std::string& Lines = (*g_pExportLines)[szPath];
        Lines += szLine;
        Lines += '\n';
        return;
    }
    if (!Append_Line_To_File(szPath, szLine))
        Note_Export_Failure(szPath, errno);
}

// A list of the export put in place whole, after the file's old lines when
// bAfterOld (a link at the name is replaced, never read through). A list
// that cannot be written keeps its old bytes, and the run does not count it
// among the files it wrote.
void Put_Export_List(const char* szPath, const std::string& Lines, bool bAfterOld)
{
    if (Lines.empty())
        return;
    std::string Text;
    if (bAfterOld && !files::Is_Symbolic_Link(szPath)) {
        std::vector<unsigned char> Old;
        errno = 0;
        if (files::Read_Whole_File(szPath, Old)) {
            Text.assign(Old.begin(), Old.end());
        } else if (errno != ENOENT) {
            Note_Export_Failure(szPath, errno);
            return;
        }
    }
    Text += Lines;
    errno = 0;
    if (!files::Write_Whole_File(szPath, Text.data(), Text.size()))
        Note_Export_Failure(szPath, errno);
}

constexpr CANVAS_COLOR BLUE = {0, 90, 152, 255};
constexpr CANVAS_COLOR RED = {167, 44, 49, 255};
constexpr CANVAS_COLOR PURPLE = {84, 48, 135, 255};
constexpr CANVAS_COLOR GREEN = {0, 122, 72, 255};
constexpr CANVAS_COLOR ORANGE = {214, 116, 42, 255};
constexpr CANVAS_COLOR UMBER = {99, 81, 71, 255};
constexpr CANVAS_COLOR BLACK = {0, 0, 0, 255};
constexpr CANVAS_COLOR WHITE = {255, 255, 255, 255};
constexpr CANVAS_COLOR GREY = {120, 120, 120, 255};

constexpr CANVAS_COLOR SLOT_COLOURS[4][6] = {
    {BLUE, BLUE, RED, RED, PURPLE, PURPLE},
    {BLUE, BLUE, RED, RED, PURPLE, PURPLE},
    {BLUE, RED, GREEN, ORANGE, BLACK, BLACK},
    {BLACK, BLACK, RED, RED, PURPLE, PURPLE},
};
// The card play kinds' colours, as the template pictures are named and as
// the card's frame is drawn when they are missing.
constexpr const char* KIND_COLOUR_NAMES[CARD_KIND_COUNT] = {"Gold", "Green", "Purple", "Red"};
constexpr CANVAS_COLOR KIND_COLOURS[CARD_KIND_COUNT] = {
    {191, 144, 0, 255}, {0, 122, 72, 255}, {84, 48, 135, 255}, {167, 44, 49, 255}};

CANVAS_FONT Font(double fHeight, bool bBold = false, FONT_FAMILY nFamily = FONT_FAMILY_SANS)
{
    CANVAS_FONT F;
    F.nFamily = nFamily;
    F.fHeight = fHeight;
    F.bBold = bBold;
    return F;
}

// The template pictures of one export, read once each from the current
// folder; a missing or damaged one is remembered as missing.
std::map<std::string, CANVAS>& Picture_Cache()
{
    static std::map<std::string, CANVAS> Cache;
    return Cache;
}

const CANVAS* Template_Picture(const std::string& Path)
{
    auto& Cache = Picture_Cache();
    auto It = Cache.find(Path);
    if (It == Cache.end()) {
        CANVAS Picture;
        std::vector<unsigned char> Data;
        if (files::Read_Whole_File(Path.c_str(), Data, PICTURE_MAX_FILE_BYTES))
            Decode_Picture(Data.data(), Data.size(), Picture);
        It = Cache.emplace(Path, std::move(Picture)).first;
    }
    return It->second.Is_Empty() ? nullptr : &It->second;
}

// Draws the template picture scaled into the rectangle; nothing when it is missing.
bool Draw_Template(CANVAS& Canvas, const std::string& Path, int x, int y, int nWidth, int nHeight)
{
    const CANVAS* pPicture = Template_Picture(Path);
    if (pPicture == nullptr)
        return false;
    Canvas.Draw_Canvas_Scaled(*pPicture, CANVAS_RECT{x, y, x + nWidth, y + nHeight});
    return true;
}

std::string Format(const char* szFormat, const std::string& a)
{
    char sz[512];
    std::snprintf(sz, sizeof(sz), szFormat, a.c_str());
    return sz;
}

// A line of a card: set smaller when it is too wide for its box, so a long
// label reads whole.
void Text(CANVAS& Canvas, const std::string& Words, const CANVAS_RECT& rc, unsigned nFlags, const CANVAS_FONT& F,
          CANVAS_COLOR Colour)
{
    CANVAS_FONT Fitted = F;
    Fitted.fHeight = Fit_Card_Text_Height(Words, rc.right - rc.left, F.fHeight, F.bBold);
    Draw_Text_In_Box(Canvas, Words.c_str(), rc, nFlags | TEXT_SINGLELINE | TEXT_END_ELLIPSIS, false, Fitted, Colour);
}

// The frame every card has under its pictures: white ground, a rounded
// border in the card's colour.
void Draw_Card_Ground(CANVAS& Canvas, int nWidth, int nHeight, CANVAS_COLOR Border)
{
    Canvas.Set_Clip(CANVAS_RECT{0, 0, nWidth, nHeight});
    Canvas.Clear(WHITE);
    Canvas.Stroke_Rounded_Rect(CANVAS_RECT{18, 18, nWidth - 18, nHeight - 18}, 28, 10, Border);
}

const char* Position_Abbreviation(int nPosition)
{
    return nPosition >= POSITION_QB && nPosition <= POSITION_P ? Get_Resource_String(59 + nPosition) : "Any";
}

}  // namespace

std::string Get_Card_Team_City(int nTeam)
{
    if (nTeam < 0)
        return "NFL Average";
    char szCity[64] = "";
    char szNickname[64] = "";
    Get_Team_String(szCity, nTeam, TEAM_STRING_CITY);
    Get_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    if (strcasecmp(szCity, "New York") == 0)
        return strcmp(szNickname, "Jets") == 0 ? "New York (AFC)" : "New York (NFC)";
    return szCity;
}

namespace {

std::string Team_Card_Name(int nTeam)
{
    char szCity[64] = "";
    char szNickname[64] = "";
    Get_Team_String(szCity, nTeam, TEAM_STRING_CITY);
    Get_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    return std::string(szCity) + " " + szNickname;
}

}  // namespace

std::string Get_Card_Player_Name(int nTeam, int nSlot)
{
    char szFull[96] = "";
    Get_Player_Full_Name(nTeam, nSlot, szFull, sizeof(szFull));
    if (std::strlen(szFull) <= 24)
        return szFull;
    char szFirst[64] = "";
    char szLast[64] = "";
    Get_Player_First_Name(nTeam, nSlot, szFirst);
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    char sz[96];
    std::snprintf(sz, sizeof(sz), "%c. %s", szFirst[0] != 0 ? szFirst[0] : ' ', szLast);
    return sz;
}

double Fit_Card_Text_Height(const std::string& Words, int nWidth, double fHeight, bool bBold)
{
    if (Words.empty() || nWidth <= 0)
        return fHeight;
    CANVAS_FONT F = Font(fHeight, bBold);
    const double fSmallest = fHeight / 2;
    while (F.fHeight > fSmallest && Measure_Text(F, Words.c_str()) > nWidth)
        F.fHeight -= 1.0;
    return F.fHeight;
}

std::string Get_Card_Bonus_Label(int nPosition, int nRating, int nValue)
{
    const int nMagnitude = nValue < 0 ? -nValue : nValue;
    return std::string(Position_Abbreviation(nPosition)) + " " + Get_Composite_Grade_Name(nRating) +
           (nValue < 0 ? " -" : " +") + std::to_string(nMagnitude);
}

namespace {

int Card_Grade(int nTeam, int nSlot, int nCode)
{
    return nCode < 0 ? 0 : Get_Player_Stat(nTeam, nSlot, Get_Card_Stat_Period(nTeam), nCode);
}

void Draw_Player_Card(CANVAS& Canvas, int nTeam, int nCard)
{
    const bool bDefence = nCard >= 11;
    const CANVAS_COLOR Line = bDefence ? UMBER : BLUE;
    Draw_Card_Ground(Canvas, TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT, Line);
    const int nSlot = Get_Card_Player_Slot(nTeam, nCard);
    if (nSlot < 0)
        return;
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    const int nRow = Get_Card_Grade_Row(nPosition);
    const char* szColour = bDefence ? "umber" : "blue";

    if (!Draw_Template(Canvas, Format("Tolvaren//Thin_%s_line.png", szColour), 36, 210, 750, 8))
        Canvas.Fill_Rect(CANVAS_RECT{36, 212, 786, 218}, Line);
    Draw_Template(Canvas, std::string("Tolvaren//Stats//6 Stats w box ") + szColour + ".png", 36, 748, 750, 300);
    Draw_Template(Canvas, "Tolvaren//Jerseys//Jersey-" + std::to_string(nTeam) + ".png", 520, 252, 260, 300);
    Draw_Template(Canvas, "Tolvaren//Helmets//Helmet-" + std::to_string(nTeam) + (bDefence ? "-right" : "-left") +
                              ".png",
                  600, 40, 180, 150);

    // The badges: the position and the salary grade.
    const std::string Position = Position_Abbreviation(nPosition);
    const int nSalary = Get_Composite_Salary_Grade(nTeam, nSlot);
    const std::string Salary = std::to_string(nSalary) + "M";
    if (!Draw_Template(Canvas, "Tolvaren//" + Position + ".png", 36, 40, 150, 150)) {
        Canvas.Fill_Ellipse(111, 115, 70, 70, Line);
        Text(Canvas, Position, CANVAS_RECT{41, 45, 181, 185}, TEXT_CENTER | TEXT_VCENTER, Font(56, true), WHITE);
    }
    if (!Draw_Template(Canvas, "Tolvaren//" + Salary + ".png", 200, 40, 150, 150)) {
        Canvas.Stroke_Ellipse(275, 115, 68, 68, 6, GREEN);
        Text(Canvas, "$" + Salary, CANVAS_RECT{205, 45, 345, 185}, TEXT_CENTER | TEXT_VCENTER, Font(44, true), GREEN);
    }

    // The six grade slots.
    for (int i = 0; i < 6; ++i) {
        const int nCode = Get_Card_Grade_Code(nRow, i);
        if (nCode < 0)
            continue;
        const int y = 252 + 72 * i;
        const CANVAS_COLOR Colour = SLOT_COLOURS[nRow][i];
        Text(Canvas, Format_Card_Grade(Card_Grade(nTeam, nSlot, nCode)), CANVAS_RECT{40, y, 140, y + 64},
             TEXT_RIGHT | TEXT_VCENTER, Font(52, true), Colour);
        Text(Canvas, Get_Composite_Grade_Name(nCode), CANVAS_RECT{160, y, 500, y + 64}, TEXT_LEFT | TEXT_VCENTER,
             Font(36), Colour);
    }

    // The club's city and the player's name.
    Text(Canvas, Get_Card_Team_City(nTeam), CANVAS_RECT{370, 60, 600, 110}, TEXT_LEFT | TEXT_VCENTER, Font(30), GREY);
    Text(Canvas, Get_Card_Player_Name(nTeam, nSlot), CANVAS_RECT{40, 684, 782, 744}, TEXT_CENTER | TEXT_VCENTER,
         Font(50, true), BLACK);

    // Six statistic lines: values at the left, captions at the right.
    const int nPeriod = Get_Card_Stat_Period(nTeam);
    for (int i = 0; i < 6; ++i) {
        const int y = 756 + 47 * i;
        Text(Canvas, Format_Player_Card_Stat(nTeam, nSlot, Get_Card_Stat_Kind(nRow, i), nPeriod),
             CANVAS_RECT{80, y, 400, y + 44}, TEXT_LEFT | TEXT_VCENTER, Font(34, true), BLACK);
        Text(Canvas, Get_Card_Stat_Caption(nRow, i), CANVAS_RECT{400, y, 742, y + 44}, TEXT_RIGHT | TEXT_VCENTER,
             Font(34), Line);
    }
}

const char* Grade_Icon(int nCode)
{
    if (nCode == 401 || nCode == 402 || nCode == 403 || nCode == 407)
        return "rush";
    if (nCode == 410)
        return "tack";
    return "pass";
}

void Draw_Grade_Icons(CANVAS& Canvas, int nFirst, int nSecond, int y, CANVAS_COLOR Colour)
{
    const int nCodes[2] = {nFirst, nSecond};
    for (int i = 0; i < 2; ++i) {
        if (nCodes[i] < 0)
            continue;
        std::string Icon = Grade_Icon(nCodes[i]);
        if (i == 0 && nSecond >= 0)
            Icon += "-or";
        const int yIcon = y + 44 * i;
        if (!Draw_Template(Canvas, "Tolvaren//Plays//" + Icon + ".png", 36, yIcon, 436, 44))
            Text(Canvas, Get_Composite_Grade_Name(nCodes[i]) + std::string(i == 0 && nSecond >= 0 ? " or" : ""),
                 CANVAS_RECT{60, yIcon, 472, yIcon + 44}, TEXT_LEFT | TEXT_VCENTER, Font(34, true), Colour);
    }
}

void Draw_Blank_Card(CANVAS& Canvas)
{
    Draw_Card_Ground(Canvas, TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT, GREY);
}

void Draw_Play_Card(CANVAS& Canvas, int nTeam, int nCard, bool bWriteLists)
{
    const int nPlay = Find_Card_Deck_Play(nTeam, nCard - TOLVAREN_FIRST_PLAY_CARD);
    if (nPlay < 0) {
        Draw_Blank_Card(Canvas);   // the deck holds fewer plays
        return;
    }
    int nField[CARD_FIELD_COUNT];
    Get_Card_Play_Fields(nTeam, nPlay, nField);
    const int nKind = nField[CARD_PLAY_KIND] >= 0 && nField[CARD_PLAY_KIND] < CARD_KIND_COUNT ? nField[CARD_PLAY_KIND]
                                                                                             : 0;
    Draw_Card_Ground(Canvas, TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT, KIND_COLOURS[nKind]);
    const bool bTouchdown = nField[CARD_SCORING] != 0;
    const std::string Colour = KIND_COLOUR_NAMES[nKind];
    Draw_Template(Canvas, std::string("Tolvaren//Plays//") + (bTouchdown ? "td-" : "fg-") + Colour + ".png", 36, 36,
                  748, 1048);
    const std::string Type = Get_Card_Play_Type_Name(nKind);
    if (!Draw_Template(Canvas, "Tolvaren//Plays//play type " + Type + ".png", 36, 150, 436, 100)) {
        Canvas.Fill_Rounded_Rect(CANVAS_RECT{36, 150, 472, 240}, 16, KIND_COLOURS[nKind]);
        Text(Canvas, Type, CANVAS_RECT{50, 150, 460, 240}, TEXT_CENTER | TEXT_VCENTER, Font(48, true), WHITE);
    }
    Text(Canvas, bTouchdown ? "Touchdown" : "Field Goal", CANVAS_RECT{480, 150, 782, 240},
         TEXT_CENTER | TEXT_VCENTER, Font(40, true), KIND_COLOURS[nKind]);

    auto Off = [](int n) { return n >= 0 && n + 400 <= 406 ? n + 400 : -1; };
    auto Def = [](int n) { return n >= 0 && n + 407 <= 410 ? n + 407 : -1; };
    Draw_Grade_Icons(Canvas, Off(nField[CARD_OFFENSE_1]), Off(nField[CARD_OFFENSE_2]), 264, BLUE);
    Draw_Grade_Icons(Canvas, Def(nField[CARD_DEFENSE_1]), Def(nField[CARD_DEFENSE_2]), 410, RED);

    // The bonus: a football with its value, the position and grade it goes to.
    const int nValue = nField[CARD_BONUS_VALUE];
    const int nRating = Off(nField[CARD_BONUS_RATING]);
    if (nValue != 0 && nRating >= 0) {
        const int nMagnitude = nValue < 0 ? -nValue : nValue;
        const std::string Ball = std::string("Tolvaren//Plays//Vazarudu ") + (nValue < 0 ? "-" : "") +
                                 std::to_string(nMagnitude) + ".png";
        if (!Draw_Template(Canvas, Ball, 480, 236, 232, 164)) {
            Canvas.Fill_Ellipse(596, 318, 116, 72, Rgb_Color(0x7B3F00));
            Text(Canvas, (nValue < 0 ? "-" : "+") + std::to_string(nMagnitude), CANVAS_RECT{480, 236, 712, 400},
                 TEXT_CENTER | TEXT_VCENTER, Font(64, true), WHITE);
        }
        const std::string Position = Position_Abbreviation(nField[CARD_BONUS_POSITION]);
        const std::string Grade = Get_Composite_Grade_Name(nRating);
        Draw_Template(Canvas, "Tolvaren//Plays//" + Position + "-" + Grade + ".png", 438, 402, 344, 96);
        Text(Canvas, Get_Card_Bonus_Label(nField[CARD_BONUS_POSITION], nRating, nValue),
             CANVAS_RECT{CARD_BONUS_LABEL_LEFT, 500, CARD_BONUS_LABEL_RIGHT, 550}, TEXT_CENTER | TEXT_VCENTER,
             Font(CARD_BONUS_LABEL_HEIGHT, true), BLACK);
    }

    // The two-point row: a touchdown card's attempt succeeds, a field goal's fails.
    const char* szStroke = bTouchdown ? "Tolvaren//Plays//+1greenstroke.png" : "Tolvaren//Plays//-1redstroke.png";
    const char* szMark = bTouchdown ? "Tolvaren//Plays//+1green.png" : "Tolvaren//Plays//-1red.png";
    Draw_Template(Canvas, szStroke, 36, 580, 748, 90);
    Draw_Template(Canvas, szMark, 50, 590, 70, 70);
    Text(Canvas, bTouchdown ? "2-Point Attempt Succeeds" : "2-Point Attempt Fails", CANVAS_RECT{130, 580, 782, 670},
         TEXT_LEFT | TEXT_VCENTER, Font(38, true), bTouchdown ? GREEN : RED);

    // The play's diagram and its card name.
    const std::string Name = Get_Play_Name(nTeam, PLAYBOOK_OFFENSE, nPlay);
    Draw_Play_Diagram(Canvas, CANVAS_RECT{105, 690, 718, 990}, nTeam, nPlay, -1, DIAGRAM_OFFENSE, false, false);
    Text(Canvas, Get_Card_Play_Name(Name), CANVAS_RECT{40, 1000, 782, 1070}, TEXT_CENTER | TEXT_VCENTER,
         Font(46, true), BLACK);
    if (bWriteLists)
        Append_List_Line(TOLVAREN_PLAYBOOKS_CSV, Format_Card_Play_Line(nTeam, nPlay).c_str());
}

void Draw_Audible_Card(CANVAS& Canvas, int nTeam, int nCard, bool bWriteLists)
{
    Draw_Card_Ground(Canvas, TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT, UMBER);
    const AUDIBLE_CARD& Card = Get_Audible_Card(Get_Team_Audible_Entry(nTeam, nCard));
    Draw_Template(Canvas, "Tolvaren//Plays//Defensive-Play-Blank.png", 36, 36, 752, 1050);
    std::string Cost;
    if (strcmp(Card.szCost, "??") == 0)
        Cost = "Tolvaren//Plays//Questions.png";
    else if (strcmp(Card.szCost, "+?") == 0)
        Cost = "Tolvaren//Plays//+Question.png";
    else if (strcmp(Card.szCost, "?") == 0)
        Cost = "Tolvaren//Plays//Question.png";
    else
        Cost = Format("Tolvaren//Plays//%s.png", Card.szCost);
    if (!Draw_Template(Canvas, Cost, 36, 36, 200, 120))
        Text(Canvas, Card.szCost, CANVAS_RECT{36, 36, 236, 156}, TEXT_CENTER | TEXT_VCENTER, Font(72, true), UMBER);
    if (!Draw_Template(Canvas, "Tolvaren//Plays//Audible.png", 374, 36, 444, 120))
        Text(Canvas, "AUDIBLE", CANVAS_RECT{374, 36, 782, 156}, TEXT_CENTER | TEXT_VCENTER, Font(64, true), UMBER);
    Text(Canvas, Card.szName, CANVAS_RECT{40, 180, 782, 250}, TEXT_CENTER | TEXT_VCENTER, Font(52, true), BLACK);
    for (int i = 0; i < 5; ++i)
        Text(Canvas, Card.szLine[i], CANVAS_RECT{60, 290 + 46 * i, 762, 336 + 46 * i}, TEXT_CENTER | TEXT_VCENTER,
             Font(34), BLACK);
    if (Card.szKey[0] != 0 && Card.szKey[1] == '/') {
        const int nPlay = std::atoi(Card.szKey + 2);
        Draw_Play_Diagram(Canvas, CANVAS_RECT{105, 597, 718, 1005}, nTeam, nPlay, -1, DIAGRAM_DEFENSE, false, false);
    } else {
        Draw_Template(Canvas, Format("tolvaren/plays/%s.png", Card.szKey), 105, 597, 613, 408);
    }
    if (bWriteLists)
        Append_List_Line(TOLVAREN_AUDIBLES_CSV, Format_Audible_Line(nTeam, nCard).c_str());
}

std::string Checklist_Title(int nTeam)
{
    char sz[160];
    std::snprintf(sz, sizeof(sz), "%s (%d)", Team_Card_Name(nTeam).c_str(), Get_Current_Year());
    return sz;
}

bool Less_Without_Case(const std::string& a, const std::string& b)
{
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

void Draw_Roster_Checklist(CANVAS& Canvas, int nTeam)
{
    Draw_Card_Ground(Canvas, TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT, BLUE);
    Draw_Template(Canvas, "Tolvaren//Plays//Roster-Blank.png", 36, 36, 748, 1048);
    Text(Canvas, Checklist_Title(nTeam), CANVAS_RECT{50, 50, 772, 110}, TEXT_CENTER | TEXT_VCENTER, Font(40, true),
         BLUE);
    int nTotal = 0;
    for (int c = 0; c < TOLVAREN_PLAYER_CARDS; ++c) {
        const int y = 120 + 41 * c;
        const int nSlot = Get_Card_Player_Slot(nTeam, c);
        if (nSlot < 0)
            continue;
        char szFull[96] = "";
        Get_Player_Full_Name(nTeam, nSlot, szFull, sizeof(szFull));
        const int nSalary = Get_Composite_Salary_Grade(nTeam, nSlot);
        nTotal += nSalary;
        const CANVAS_COLOR Colour = c < 11 ? BLUE : UMBER;
        Text(Canvas, Position_Abbreviation(Get_Player_Position(nTeam, nSlot)), CANVAS_RECT{60, y, 140, y + 40},
             TEXT_LEFT | TEXT_VCENTER, Font(28, true), Colour);
        Text(Canvas, szFull, CANVAS_RECT{150, y, 640, y + 40}, TEXT_LEFT | TEXT_VCENTER, Font(28), BLACK);
        Text(Canvas, "$" + std::to_string(nSalary) + "M", CANVAS_RECT{640, y, 760, y + 40}, TEXT_RIGHT | TEXT_VCENTER,
             Font(28), GREEN);
    }
    const int y = 120 + 41 * TOLVAREN_PLAYER_CARDS + 10;
    Canvas.Draw_Line(60, y, 760, y, 2, BLACK);
    Text(Canvas, "$" + std::to_string(nTotal) + "M", CANVAS_RECT{540, y + 4, 760, y + 48}, TEXT_RIGHT | TEXT_VCENTER,
         Font(30, true), GREEN);
}

void Draw_Playbook_Checklist(CANVAS& Canvas, int nTeam)
{
    const int nWidth = TOLVAREN_CARD_HEIGHT;
    const int nHeight = TOLVAREN_CARD_WIDTH;
    Draw_Card_Ground(Canvas, nWidth, nHeight, BLUE);
    Draw_Template(Canvas, "Tolvaren//Plays//Playbook-Blank.png", 36, 36, 1048, 748);
    Text(Canvas, Checklist_Title(nTeam), CANVAS_RECT{50, 50, nWidth - 50, 110}, TEXT_CENTER | TEXT_VCENTER,
         Font(40, true), BLUE);
    std::vector<std::string> Plays;
    for (int n = 0; n < TOLVAREN_DECK_PLAYS; ++n) {
        const int nPlay = Find_Card_Deck_Play(nTeam, n);
        if (nPlay >= 0)
            Plays.push_back(Get_Card_Play_Name(Get_Play_Name(nTeam, PLAYBOOK_OFFENSE, nPlay)));
    }
    std::sort(Plays.begin(), Plays.end(), Less_Without_Case);
    std::vector<std::string> Audibles;
    for (int c = TOLVAREN_FIRST_AUDIBLE_CARD; c < TOLVAREN_FIRST_AUDIBLE_CARD + TOLVAREN_AUDIBLES; ++c) {
        const AUDIBLE_CARD& Card = Get_Audible_Card(Get_Team_Audible_Entry(nTeam, c));
        Audibles.push_back(std::string(Card.szCost) + " " + Card.szName);
    }
    std::sort(Audibles.begin(), Audibles.end(), Less_Without_Case);
    // Plays in two columns of 13 and 12, the audibles under the second.
    for (size_t i = 0; i < Plays.size(); ++i) {
        const int x = i < 13 ? 70 : 580;
        const int y = 130 + 40 * static_cast<int>(i < 13 ? i : i - 13);
        Text(Canvas, Plays[i], CANVAS_RECT{x, y, x + 480, y + 38}, TEXT_LEFT | TEXT_VCENTER, Font(26),
             BLACK);
    }
    Text(Canvas, "Audibles", CANVAS_RECT{580, 610, 1050, 646}, TEXT_LEFT | TEXT_VCENTER, Font(28, true), UMBER);
    for (size_t i = 0; i < Audibles.size(); ++i) {
        const int y = 646 + 28 * static_cast<int>(i);
        Text(Canvas, Audibles[i], CANVAS_RECT{580, y, 1050, y + 28}, TEXT_LEFT | TEXT_VCENTER, Font(22), BLACK);
    }
}

std::string Grade_Text(int nTeam, int nSlot, int nRow, int i)
{
    return Format_Card_Grade(Card_Grade(nTeam, nSlot, Get_Card_Grade_Code(nRow, i)));
}

}  // namespace

void Get_Tolvaren_Card_Size(int nCard, int* pnWidth, int* pnHeight)
{
    const bool bWide = nCard == TOLVAREN_PLAYBOOK_CHECKLIST;
    *pnWidth = bWide ? TOLVAREN_CARD_HEIGHT : TOLVAREN_CARD_WIDTH;
    *pnHeight = bWide ? TOLVAREN_CARD_WIDTH : TOLVAREN_CARD_HEIGHT;
}

void Draw_Tolvaren_Card(CANVAS& Canvas, int nTeam, int nCard, bool bWriteLists)
{
    if (Canvas.Width() < TOLVAREN_CARD_WIDTH || Canvas.Height() < TOLVAREN_CARD_WIDTH)
        return;
    if (nCard < TOLVAREN_PLAYER_CARDS)
        Draw_Player_Card(Canvas, nTeam, nCard);
    else if (nCard < TOLVAREN_FIRST_AUDIBLE_CARD)
        Draw_Play_Card(Canvas, nTeam, nCard, bWriteLists);
    else if (nCard < TOLVAREN_ROSTER_CHECKLIST)
        Draw_Audible_Card(Canvas, nTeam, nCard, bWriteLists);
    else if (nCard == TOLVAREN_ROSTER_CHECKLIST)
        Draw_Roster_Checklist(Canvas, nTeam);
    else
        Draw_Playbook_Checklist(Canvas, nTeam);
    Canvas.Reset_Clip();
}

std::string Get_Tolvaren_Card_Path(int nTeam, int nCard)
{
    char sz[128];
    if (nCard == TOLVAREN_ROSTER_CHECKLIST)
        std::snprintf(sz, sizeof(sz), "Tolvaren//Output//Team-%02d-Checklist-Front.png", nTeam);
    else if (nCard == TOLVAREN_PLAYBOOK_CHECKLIST)
        std::snprintf(sz, sizeof(sz), "Tolvaren//Output//Team-%02d-Checklist-Back.png", nTeam);
    else
        std::snprintf(sz, sizeof(sz), "Tolvaren//Output//Team-%02d-Card-%02d.png", nTeam, nCard + 1);
    return sz;
}

void Write_Tolvaren_Players_Csv(int nTeam, const char* szPath)
{
    Append_List_Line(szPath, "Pos,Name,Run Block,Pass Block,Rushing,Goal Line,Passing/Receiving,Red Zone,Salary");
    int nLineSum[2] = {0, 0};
    int nSkillSum[2] = {0, 0};
    int nSalaryTotal = 0;
    char szLine[512];
    for (int c = 0; c < 11; ++c) {
        const int nSlot = Get_Card_Player_Slot(nTeam, c);
        if (nSlot < 0)
            continue;
        const int nPosition = Get_Player_Position(nTeam, nSlot);
        const int nRow = Get_Card_Grade_Row(nPosition);
        char szFull[96] = "";
        Get_Player_Full_Name(nTeam, nSlot, szFull, sizeof(szFull));
        std::string G[6];
        for (int i = 0; i < 6; ++i)
            G[i] = Grade_Text(nTeam, nSlot, nRow, i);
        const int nSalary = Get_Composite_Salary_Grade(nTeam, nSlot);
        auto Grade = [&](int i) { return Card_Grade(nTeam, nSlot, Get_Card_Grade_Code(nRow, i)); };
        if (nPosition <= POSITION_WR) {
            std::snprintf(szLine, sizeof(szLine), "%s,%s,[%s],[%s],%s,%s,%s,%s,%d", Position_Abbreviation(nPosition),
                          szFull, G[0].c_str(), G[1].c_str(), G[2].c_str(), G[3].c_str(), G[4].c_str(), G[5].c_str(),
                          nSalary);
            nSkillSum[0] += Grade(4);
            nSkillSum[1] += Grade(5);
        } else {
            std::snprintf(szLine, sizeof(szLine), "%s,%s,%s,%s,%s,%s,[%s],[%s],%d", Position_Abbreviation(nPosition),
                          szFull, G[0].c_str(), G[1].c_str(), G[2].c_str(), G[3].c_str(), G[4].c_str(), G[5].c_str(),
                          nSalary);
            nLineSum[0] += Grade(0);
            nLineSum[1] += Grade(1);
        }
        nSalaryTotal += nSalary;
        Append_List_Line(szPath, szLine);
    }
    std::snprintf(szLine, sizeof(szLine), ",AVERAGE,%d,%d,,,%d,%d,%d", nLineSum[0] / 5, nLineSum[1] / 5,
                  nSkillSum[0] / 6, nSkillSum[1] / 6, nSalaryTotal);
    Append_List_Line(szPath, szLine);
    Append_List_Line(szPath, " ");
    Append_List_Line(szPath, "Pos,Name,Run Defense,Pass Rush,Coverage,Tackling,Salary");
    int nDefenceSum[4] = {0, 0, 0, 0};
    nSalaryTotal = 0;
    for (int c = 11; c < TOLVAREN_PLAYER_CARDS; ++c) {
        const int nSlot = Get_Card_Player_Slot(nTeam, c);
        if (nSlot < 0)
            continue;
        char szFull[96] = "";
        Get_Player_Full_Name(nTeam, nSlot, szFull, sizeof(szFull));
        std::string G[4];
        for (int i = 0; i < 4; ++i) {
            const int nGrade = Card_Grade(nTeam, nSlot, 407 + i);
            G[i] = Format_Card_Grade(nGrade);
            nDefenceSum[i] += nGrade;
        }
        const int nSalary = Get_Composite_Salary_Grade(nTeam, nSlot);
        nSalaryTotal += nSalary;
        std::snprintf(szLine, sizeof(szLine), "%s,%s,%s,%s,%s,%s,,,%d",
                      Position_Abbreviation(Get_Player_Position(nTeam, nSlot)), szFull, G[0].c_str(), G[1].c_str(),
                      G[2].c_str(), G[3].c_str(), nSalary);
        Append_List_Line(szPath, szLine);
    }
    std::snprintf(szLine, sizeof(szLine), ",AVERAGE,%d,%d,%d,%d,,,%d", nDefenceSum[0] / 11, nDefenceSum[1] / 11,
                  nDefenceSum[2] / 11, nDefenceSum[3] / 11, nSalaryTotal);
    Append_List_Line(szPath, szLine);
}

int Export_Tolvaren_Cards(int* pnDeckPlays, std::string* pProblem, int* pnMarked)
{
    g_ExportProblem.clear();
    files::Delete_File("Tolvaren//Output//Tolvaren-Playbooks.csv");
    files::Delete_File("Tolvaren//Output//Tolvaren-Audibles.csv");
    files::Create_Folders("Tolvaren");
    files::Create_Folders(TOLVAREN_OUTPUT_FOLDER);
    Fix_Current_Team_Selection();
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    Picture_Cache().clear();   // pictures the user changed since the last run

    // The deck the cards are drawn from, and how much of it the playbook
    // chose: the marked plays (the first 25), the rest filled.
    const int nDeckPlays = static_cast<int>(Get_Card_Deck(nTeam).size());
    const int nMarked = std::min(Count_Card_Deck_Plays(nTeam), TOLVAREN_DECK_PLAYS);
    const int nFilled = std::max(nDeckPlays - nMarked, 0);
    if (pnDeckPlays != nullptr)
        *pnDeckPlays = nDeckPlays;
    if (pnMarked != nullptr)
        *pnMarked = nMarked;
    if (nMarked < TOLVAREN_DECK_PLAYS)
        Show_Formatted_Message("Tolvaren Export",
                               "The deck holds %d plays: the club's offensive playbook marks %d for the deck, and "
                               "%d %s filled from its other plays, taken in turn from each kind of play (Inside Run, "
                               "Outside Run, Short Pass, Long Pass). The offensive playbooks the program ships mark "
                               "25 each; File, Load Offensive Playbook... loads one into the club.",
                               nDeckPlays, nMarked, nFilled, nFilled == 1 ? "was" : "were");

    int nWritten = 0;
    std::map<std::string, std::string> Lines;
    CANVAS Canvas(TOLVAREN_CARD_HEIGHT, TOLVAREN_CARD_HEIGHT);
    if (!Canvas.Is_Empty() && Is_Valid_Team(nTeam)) {
        g_pExportLines = &Lines;
        for (int c = 0; c < TOLVAREN_CARD_COUNT; ++c) {
            Canvas.Clear(CANVAS_COLOR{255, 255, 255, 255});
            Draw_Tolvaren_Card(Canvas, nTeam, c, true);
            int nWidth = 0, nHeight = 0;
            Get_Tolvaren_Card_Size(c, &nWidth, &nHeight);
            const std::string Path = Get_Tolvaren_Card_Path(nTeam, c);
            errno = 0;
            if (Save_Canvas_As_Png(Path.c_str(), Canvas, nWidth, nHeight))
                ++nWritten;
            else
                Note_Export_Failure(Path, errno);
        }
        Write_Tolvaren_Players_Csv(nTeam, TOLVAREN_PLAYERS_CSV);
        g_pExportLines = nullptr;
        // The play and audible lists grow run by run; the players' list is
        // new each time, the old one kept until the new one is whole.
        Put_Export_List(TOLVAREN_PLAYBOOKS_CSV, Lines[TOLVAREN_PLAYBOOKS_CSV], true);
        Put_Export_List(TOLVAREN_AUDIBLES_CSV, Lines[TOLVAREN_AUDIBLES_CSV], true);
        Put_Export_List(TOLVAREN_PLAYERS_CSV, Lines[TOLVAREN_PLAYERS_CSV], false);
    }
    Picture_Cache().clear();
    if (pProblem != nullptr)
        *pProblem = g_ExportProblem;
    return nWritten;
}
