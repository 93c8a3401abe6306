// The college draft's pool, its tuning files and the order.

#include "season/draft_pool.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "base/input_file.h"
#include "base/random.h"
#include "base/text_utils.h"
#include "frontoffice/college_count.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/college_draft.h"
#include "season/draft_state.h"
#include "season/offseason.h"
#include "season/player_generation.h"
#include "season/draft_class.h"
#include "season/stat_based_rating.h"

namespace {

constexpr int FULL_POOL = 291;                 // prospects of a 32-club league
constexpr int LAST_CLASS_DATABASE_YEAR = 2022; // later seasons never read a class file
constexpr int YOUNGEST_PROSPECT_AGE = 18;
constexpr int TUNING_LINE_LIMIT = 2048;
constexpr int OVERALL_PLACE_INT = 2;   // yearly int 2: overall place, 0 the best
constexpr int FINISH_CODE_INT = 3;     // yearly int 3: the season's finish code

constexpr const char* DRAFT_TALENT_FILE = "Input/DraftTalent.txt";
constexpr const char* DRAFT_STRATEGY_FILE = "Input/DraftStrategy.txt";

// Running totals of the position weights, QB .. P: count A + 3 x count B
// (count A + 2 x count B for K and P).
constexpr int POSITION_WEIGHT_TOTALS[DRAFT_TABLE_POSITIONS] = {6,  13, 18, 25,  37,  47,  57, 62,
                                                               73, 83, 99, 110, 121, 124, 127};
constexpr int POSITION_WEIGHT_TOTAL = 127;

// A field as a whole number: leading blanks, a sign, digits; the first other
// character ends it; none gives 0. Digits past what any allowed value needs
// stop counting (the value is refused anyway); Written gets the sign and the
// digits as the file has them, for a message.
int Parse_Tuning_Field(const char* szField, std::string& Written)
{
    const char* p = szField;
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const char* pStart = p;
    bool bNegative = false;
    if (*p == '+' || *p == '-') {
        bNegative = *p == '-';
        ++p;
    }
    int64_t n = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        if (n < 1000000)
            n = n * 10 + (*p - '0');
        ++p;
    }
    Written.assign(pStart, p);
    return static_cast<int>(bNegative ? -n : n);
}

// The texts of the tuning files' boxes shown in this run.
std::set<std::string> g_TuningNotices;

// A tuning file that cannot be used is told once a run: the file is read
// before every draft, and the same fault need not stop each one (Play
// Multiple Seasons meets it every season). A different fault, the file
// edited meanwhile, is told again; each one goes to the log. An unattended
// run (Play Multiple Seasons, the simulator: every club the computer's) is
// stopped by no box: the log has it, and the box waits for the user's play.
void Tell_Tuning_File_Problem(const char* szText, const char* szCaption)
{
    // One line in the log, whatever the box's line breaks.
    std::string Line;
    for (const char* p = szText; *p != '\0'; ++p)
        if (*p != '\n')
            Line += *p;
        else if (!Line.empty() && Line.back() != ' ')
            Line += ' ';
    Write_Debug_Log("%s", Line.c_str());
    if (Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0 || !g_TuningNotices.insert(szText).second)
        return;
    Show_Message_Box(szText, szCaption, BOX_OK | BOX_ICON_EXCLAMATION);
}

// Reads the 15 lines of a tuning file, giving each line's first nFields
// fields to Store(position, field, value). Every value must lie within
// -nLimit..nLimit: beyond it the generator makes
// ratings it cannot use and tries for ever, so a file holding one is refused
// whole (a box naming the file and the line) and nothing is stored. False
// when the file is missing (after the "Missing File" box) or refused.
template <typename STORE>
bool Read_Tuning_File(const char* szPath, const char* szLabel, int nFields, int nLimit, STORE Store)
{
    FILE* pFile = files::Open_File(szPath, "r");
    if (pFile == nullptr) {
        const int nError = errno;
        char szText[256];
        if (nError == ENOENT)
            std::snprintf(szText, sizeof(szText), "%s file is missing.", szPath);
        else
            std::snprintf(szText, sizeof(szText), "%s file cannot be read (%s).", szPath, files::Error_Text(nError));
        Tell_Tuning_File_Problem(szText, nError == ENOENT ? "Missing File" : "File Error");
        return false;
    }
    bool bEnd = false;
    char szLine[TUNING_LINE_LIMIT];
    char szField[TEXT_BUFFER_SIZE];
    int Values[DRAFT_TABLE_POSITIONS][DRAFT_TALENT_COLUMNS] = {};
    for (int nPosition = 0; nPosition < DRAFT_TABLE_POSITIONS; ++nPosition) {
        szLine[0] = '\0';
        if (!bEnd) {
            bool bCut = false;
            bEnd = Read_Line_Limit(szLine, pFile, TUNING_LINE_LIMIT, bCut) != 0;
            // Its first fields are still read; told as the file's other faults are.
            if (bCut)
                Tell_Tuning_File_Problem(Line_Limit_Warning(szLabel, TUNING_LINE_LIMIT).c_str(), "Read_Line_Limit");
        }
        // A file written on another system may end its last line in a CR,
        // and an editor may mark its first with a byte-order mark, which
        // would make the first value read as 0.
        for (size_t n = std::char_traits<char>::length(szLine); n > 0 && szLine[n - 1] == '\r'; --n)
            szLine[n - 1] = '\0';
        if (nPosition == 0)
            Drop_Byte_Order_Mark(szLine);
        for (int f = 0; f < nFields && f < DRAFT_TALENT_COLUMNS; ++f) {
            szField[0] = '\0';
            if (szLine[0] != '\0')
                Pop_Token_From_String(szField, szLine, ',');
            std::string Written;
            const int nValue = Parse_Tuning_Field(szField, Written);
            if (nValue < -nLimit || nValue > nLimit) {
                std::fclose(pFile);
                char szText[256 + TEXT_BUFFER_SIZE];
                std::snprintf(szText, sizeof(szText), "%s, line %d: %s is outside %d to %d; the file is not used.",
                              szPath, nPosition + 1, Written.c_str(), -nLimit, nLimit);
                Tell_Tuning_File_Problem(szText, "Bad File");
                return false;
            }
            Values[nPosition][f] = nValue;
        }
    }
    std::fclose(pFile);
    for (int nPosition = 0; nPosition < DRAFT_TABLE_POSITIONS; ++nPosition)
        for (int f = 0; f < nFields && f < DRAFT_TALENT_COLUMNS; ++f)
            Store(nPosition, f, Values[nPosition][f]);
    return true;
}

int Draft_Key_Year()
{
    int nYear = Get_Current_Season_Index();
    if (Get_Current_Week() == OFFSEASON_WEEK)
        --nYear;
    return nYear;
}

// The playoff round a club reached (0 none, 1-4), the champion above all.
int Playoff_Tier(int nTeam)
{
    if (Get_Team_Playoff_Slot(nTeam) == PLAYOFF_CHAMPION_SLOT)
        return 5;
    return Get_Team_Playoff_Round(nTeam);
}

int Yearly_Int_Or_Zero(int nTeam, int nYear, int n)
{
    if (!Is_Team_Slot_Used(nTeam) || nYear < 0 || nYear >= YEARLY_RECORD_YEARS)
        return 0;
    return Get_Team_Yearly_Int(nTeam, nYear, n);
}

// Bubble sort of the draft order: a later team with a strictly larger key
// moves ahead, so equal keys keep the lower team number first.
template <typename KEY> void Sort_Draft_Order(KEY Key)
{
    int n = Count_Teams();
    if (n > MAX_FRANCHISES)
        n = MAX_FRANCHISES;
    int Order[MAX_FRANCHISES];
    int Keys[MAX_FRANCHISES];
    for (int p = 0; p < n; ++p) {
        Order[p] = p;
        Keys[p] = Key(p);
    }
    for (int nLast = n - 1; nLast > 0; --nLast) {
        for (int p = 0; p < nLast; ++p) {
            if (Keys[p + 1] > Keys[p]) {
                std::swap(Order[p], Order[p + 1]);
                std::swap(Keys[p], Keys[p + 1]);
            }
        }
    }
    for (int p = 0; p < n; ++p)
        Set_Draft_Order_Team(p, Order[p]);
}

}  // namespace

int Check_Draft_Pool()
{
    return Is_College_Draft_Running() ? 1 : 0;
}

void Prepare_Draft_Pool()
{
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            Erase_Player_Season_Lines(t, s);
            Clear_Player(t, s);
        }
    }
    if (Get_Current_Year() <= LAST_CLASS_DATABASE_YEAR && Get_Universe_Word(FICTIONAL_ROOKIES_WORD) == 0)
        Load_Draft_Class_Database();
    Set_Up_College_Draft();
    Finish_Draft_Pool();
    Sort_College_Players(0, Get_User_Preference(PREF_POOL_SORT_MODE));
}

int Get_Draft_Pool_Target(int nTeams)
{
    const int nTarget = (nTeams * FULL_POOL + 16) / 32;
    return nTarget > FULL_POOL ? FULL_POOL : nTarget;
}

void Set_Up_College_Draft()
{
    const int nNeeded = Get_Draft_Pool_Target(Count_Teams()) - Count_College_Players();
    Load_Draft_Talent();
    const bool bWindow = Open_Progress_Window("Setting Up College Draft...", 100) != 0;
    if (bWindow)
        Step_Progress_Window(1);
    for (int i = 0; i < nNeeded; ++i) {
        for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
            if (Count_Team_Players(t) >= PLAYERS_PER_TEAM)
                continue;
            const int nSlot = Find_Empty_Player_Slot(t);
            if (nSlot >= 0)
                Fabricate_Position_Player(t, nSlot, Pick_Draft_Position(), 1);
            break;
        }
        if (bWindow && i % 4 == 0)
            Step_Progress_Window(1);
    }
    if (bWindow) {
        const int nRest = (400 - nNeeded) / 4;
        if (nRest > 0)
            Step_Progress_Window(nRest);
        Close_Progress_Window();
    }
    Pump_Messages();
}

void Finish_Draft_Pool()
{
    Sort_College_Players(1, COLLEGE_SORT_OVERALL);
    int n = Count_College_Players();
    for (int i = 0; i < n; ++i) {
        int t = NO_TEAM, s = -1;
        if (Find_College_Player_Slot(i, &t, &s))
            Scale_Player_To_Overall(t, s, 82.0f - 22.0f * static_cast<float>(i) / static_cast<float>(n));
    }
    Sort_College_Players(1, COLLEGE_SORT_POTENTIAL);
    n = Count_College_Players();
    for (int i = 0; i < n; ++i) {
        int t = NO_TEAM, s = -1;
        if (Find_College_Player_Slot(i, &t, &s))
            Set_Player_Career_Fields(
                t, s, static_cast<int>(93.0f - 22.0f * static_cast<float>(i) / static_cast<float>(n)));
    }
    const int nYear = Get_Current_Year();
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            if (nYear - Get_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE) / 10000 < YOUNGEST_PROSPECT_AGE) {
                Erase_Player_Season_Lines(t, s);
                Clear_Player(t, s);
            }
        }
        Compact_Team_Roster(t);
    }
}

int Get_Draft_Position_For_Draw(int r)
{
    for (int nPosition = 0; nPosition < DRAFT_TABLE_POSITIONS; ++nPosition)
        if (POSITION_WEIGHT_TOTALS[nPosition] >= r)
            return nPosition;
    return DRAFT_TABLE_POSITIONS - 1;
}

int Pick_Draft_Position()
{
    const double f = Random_Word_To_Fraction(Generate_Random_Number());
    return Get_Draft_Position_For_Draw(static_cast<int>(POSITION_WEIGHT_TOTAL * f));
}

void Load_Draft_Talent()
{
    Read_Tuning_File(DRAFT_TALENT_FILE, "Draft Talent File", DRAFT_TALENT_COLUMNS, DRAFT_TALENT_LIMIT,
                     [](int nPosition, int nColumn, int nValue) { Set_Draft_Talent(nColumn, nPosition, nValue); });
}

void Forget_Tuning_File_Notices()
{
    g_TuningNotices.clear();
}

void Load_Draft_Strategy()
{
    Read_Tuning_File(DRAFT_STRATEGY_FILE, DRAFT_STRATEGY_FILE, 1, DRAFT_STRATEGY_LIMIT,
                     [](int nPosition, int, int nValue) { Set_Draft_Strategy(nPosition, nValue); });
}

int Get_Team_Draft_Sort_Key(int nTeam)
{
    const int nYear = Draft_Key_Year();
    int nWins = 0, nLosses = 0, nPlace = 0;
    if (Is_Team_Slot_Used(nTeam) && nYear >= 0 && nYear < YEARLY_RECORD_YEARS) {
        nWins = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_WINS);
        nLosses = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_LOSSES);
        nPlace = Get_Team_Yearly_Int(nTeam, nYear, OVERALL_PLACE_INT);
    }
    return ((6 - Playoff_Tier(nTeam)) * 100 - (nWins - nLosses)) * 100 + nPlace;
}

int Get_Team_Provisional_Draft_Key(int nTeam)
{
    const int nYear = Get_Current_Season_Index();
    int nBase = 400;
    switch (Yearly_Int_Or_Zero(nTeam, nYear, FINISH_CODE_INT)) {
    case 4:
    case 5:
        nBase = 300;
        break;
    case 6:
        nBase = 200;
        break;
    case 7:
        nBase = 100;
        break;
    case 8:
        nBase = 0;
        break;
    default:
        break;
    }
    return nBase + Yearly_Int_Or_Zero(nTeam, nYear, OVERALL_PLACE_INT);
}

void Set_Draft_Order()
{
    // The keys read the places, the bracket and the finish codes: refresh
    // them all first (the division rows, the bracket while it is not yet
    // seeded for good, then each club's finish code). In the off-season the
    // standings read the season just played only while the draft runs;
    // before it they would read the new, unplayed one, so the rows and codes
    // recorded at the turn of the season stand.
    Rank_Teams_By_Standings();
    if (Get_Current_Week() != OFFSEASON_WEEK || Is_College_Draft_Running())
        Record_All_Division_Finishes();
    Sort_Draft_Order(Get_Team_Draft_Sort_Key);
}

void Sort_Draft_Order_By_Record()
{
    Sort_Draft_Order(Get_Team_Provisional_Draft_Key);
}

int Find_Team_In_Draft_Order(int nTeam)
{
    const int n = Count_Teams();
    for (int p = 0; p < n && p < MAX_FRANCHISES; ++p)
        if (Get_Draft_Order_Team(p) == nTeam)
            return p;
    return n;
}

int Get_Team_Draft_Slot(int nTeam)
{
    Sort_Draft_Order_By_Record();
    return Find_Team_In_Draft_Order(nTeam);
}
