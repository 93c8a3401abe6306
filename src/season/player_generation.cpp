// Making players: the name caches, colleges, measures for the era, ages,
// development values, IDs, uniform numbers and the whole-player generator
// with its acceptance band for random rookies.
//
// Every u(n) is one draw in the order written: the same random sequence
// gives the same player.
#include "season/player_generation.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/input_file.h"
#include "base/random.h"
#include "base/text_utils.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/generation_settings.h"
#include "season/past_seasons.h"
#include "season/player_value.h"
#include "season/predicted_stats.h"
#include "season/stat_based_rating.h"

const char* const DEFAULT_FIRST_NAME = "John";
const char* const DEFAULT_LAST_NAME = "Smith";
const char* const FIRST_NAME_FILE = "names\\first.txt";
const char* const LAST_NAME_FILE = "names\\last.txt";

namespace {

constexpr int FABRICATE_ATTEMPTS = 10000;
// Once every try for a position has failed, the same tuning would fail the
// same way for the next player of it: he gets this many tries only.
constexpr int FAILED_POSITION_ATTEMPTS = 20;
constexpr int UNIFORM_REDRAWS = 100;
constexpr int FIRST_MEASURE_YEAR = 1971;
constexpr int LAST_MEASURE_YEAR = 2006;
constexpr int REAL_PROSPECT_FLAG = 1;   // vital stat 24 bit 0: a fictional player
constexpr int DRAFT_SCORE_BYTE = 5;     // the signed draft score beside the vital stats

// trunc(n x f) with f = r x 2^-32.
int u(int n)
{
    return static_cast<int>(static_cast<double>(n) * Random_Word_To_Fraction(Generate_Random_Number()));
}

// The stored vital stat, unrepaired: a player being built may be part-way
// through his fields.
int Vital(int nTeam, int nSlot, int nCode)
{
    return Get_Player_Stored_Vital_Stat(nTeam, nSlot, nCode);
}

void Set_Vital(int nTeam, int nSlot, int nCode, int nValue)
{
    Set_Player_Vital_Stat(nTeam, nSlot, nCode, nValue);
}

void Add_To_Vital(int nTeam, int nSlot, int nCode, int nAmount)
{
    Set_Vital(nTeam, nSlot, nCode, Vital(nTeam, nSlot, nCode) + nAmount);
}

bool Is_Pool_Team(int nTeam)
{
    return nTeam >= FIRST_DRAFT_POOL_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
}

void Copy_Cut(char* szOut, size_t nOutSize, const char* szText)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    size_t nLength = strnlen(szText, nOutSize - 1);
    std::memcpy(szOut, szText, nLength);
    std::memset(szOut + nLength, 0, nOutSize - nLength);
}

// ---- Name caches ----------------------------------------------------------------

// A name list as the refills read it: each line's first bytes (as many as
// a cache entry keeps) followed by its LF, the last line without one when
// the file ends without one. A refill that skips and reads lines here does
// what it would do on the file itself, at a cost that no longer grows with
// a line's length. It is kept while the file stays as it was, so that a
// list whose names the refills use up fast (few lines, very long lines,
// empty names) is read once, not once a player.
struct NAME_LIST {
    bool bKept = false;
    files::FILE_STAMP Stamp;
    std::string Text;
};

// Lists larger than this are read afresh at each refill rather than kept.
constexpr size_t KEPT_NAME_LIST_LIMIT = 64u << 20;
long long g_nNameListBytesRead = 0;

struct NAME_CACHE {
    const char* const* pszPath;
    int nPreference;
    size_t nEntrySize;                 // 12 or 20 bytes
    bool bOpenFailureShown;
    char szEntry[NAME_CACHE_SIZE][CACHED_LAST_NAME_SIZE];
    NAME_LIST List;
};

NAME_CACHE FirstNames{&FIRST_NAME_FILE, PREF_FIRST_NAME_LIST, CACHED_FIRST_NAME_SIZE, false, {}, {}};
NAME_CACHE LastNames{&LAST_NAME_FILE, PREF_LAST_NAME_LIST, CACHED_LAST_NAME_SIZE, false, {}, {}};

// Reads the open file into List.Text, each line cut to nKeep bytes; the
// byte-order mark an editor may put before the first name is no part of it.
void Read_Name_List(FILE* pFile, size_t nKeep, NAME_LIST& List)
{
    List.Text.clear();
    char Buffer[1 << 16];
    size_t nInLine = 0;
    size_t nRead;
    bool bFirst = true;
    while ((nRead = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0) {
        g_nNameListBytesRead += static_cast<long long>(nRead);
        size_t i = 0;
        if (bFirst && nRead >= 3) {
            const char Start[4] = {Buffer[0], Buffer[1], Buffer[2], '\0'};
            i = Byte_Order_Mark_Length(Start);
        }
        bFirst = false;
        while (i < nRead) {
            if (nInLine >= nKeep) {
                // The rest of a long line is not kept: on to its LF.
                const void* pEnd = std::memchr(Buffer + i, '\n', nRead - i);
                if (pEnd == nullptr)
                    break;
                i = static_cast<size_t>(static_cast<const char*>(pEnd) - Buffer);
            }
            const char c = Buffer[i++];
            if (c == '\n') {
                List.Text += '\n';
                nInLine = 0;
            } else {
                List.Text += c;
                ++nInLine;
            }
        }
    }
}

// Lines as a builder counts them: one more than the line ends.
int Count_Lines(const std::string& Text)
{
    const long long nLines = 1 + std::count(Text.begin(), Text.end(), '\n');
    return nLines > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(nLines);
}

// A read position in a name list; bEnd once a read has met its end (as
// feof on the file).
struct NAME_READER {
    const std::string& Text;
    size_t nAt = 0;
    bool bEnd = false;
};

// Reads up to the end of the line (or of the list); keeps at most nKeep
// characters without a trailing CR.
void Read_Name_Line(NAME_READER& Reader, char* szOut, size_t nKeep)
{
    size_t n = 0;
    while (Reader.nAt < Reader.Text.size() && Reader.Text[Reader.nAt] != '\n') {
        if (n < nKeep)
            szOut[n++] = Reader.Text[Reader.nAt];
        ++Reader.nAt;
    }
    if (Reader.nAt < Reader.Text.size())
        ++Reader.nAt;
    else
        Reader.bEnd = true;
    // A CRLF file's CR is not part of the name.
    if (n > 0 && szOut[n - 1] == '\r')
        --n;
    szOut[n] = '\0';
}

void Skip_Name_Line(NAME_READER& Reader)
{
    const size_t nEnd = Reader.Text.find('\n', Reader.nAt);
    if (nEnd == std::string::npos) {
        Reader.nAt = Reader.Text.size();
        Reader.bEnd = true;
    } else {
        Reader.nAt = nEnd + 1;
    }
}

// The cache's list, read from its file unless the kept one still stands;
// false (after the box, once a run) when the file cannot be read.
bool Get_Name_List(NAME_CACHE& Cache)
{
    const char* szPath = *Cache.pszPath;
    files::FILE_STAMP Stamp;
    const bool bStamped = files::Get_File_Stamp(szPath, Stamp);
    if (bStamped && Cache.List.bKept && files::Same_File_Stamp(Stamp, Cache.List.Stamp))
        return true;
    Cache.List.bKept = false;
    FILE* pFile = files::Open_File(szPath, "r");
    if (pFile == nullptr) {
        // Once a run: every player made after it would ask again.
        if (Cache.bOpenFailureShown)
            return false;
        Cache.bOpenFailureShown = true;
        char szText[TEXT_BUFFER_SIZE];
        Format_Text_Bounded(szText, sizeof(szText), "Couldn't open file: \"%s\"\n\n%s", szPath, Get_Error_Text());
        Show_Message_Box(szText, "File Error", BOX_OK | BOX_ICON_EXCLAMATION);
        return false;
    }
    Read_Name_List(pFile, Cache.nEntrySize - 1, Cache.List);
    std::fclose(pFile);
    // Kept only when the stamp taken before the read vouches for what was
    // read: a file written during the read, or too recently, is read again.
    files::FILE_STAMP After;
    Cache.List.bKept = bStamped && Stamp.bSettled && Cache.List.Text.size() <= KEPT_NAME_LIST_LIMIT &&
                       files::Get_File_Stamp(szPath, After) && files::Same_File_Stamp(Stamp, After);
    Cache.List.Stamp = Stamp;
    return true;
}

void Refill_Name_Cache(NAME_CACHE& Cache)
{
    if (!Get_Name_List(Cache))
        return;
    NAME_READER Reader{Cache.List.Text};
    int L = Get_User_Preference(Cache.nPreference);
    if (L <= 0) {
        // Without a count the skips would be negative and the cache would
        // hold the file's first lines: count them now.
        L = Count_Lines(Cache.List.Text);
        Set_User_Preference(Cache.nPreference, L);
    }
    const size_t nKeep = Cache.nEntrySize - 1;
    for (int i = 0; i < NAME_CACHE_SIZE; ++i) {
        const int k = NAME_CACHE_SIZE - i;
        const double f = Random_Word_To_Fraction(Generate_Random_Number());
        // Held before the conversion: a stored count near INT_MAX gives a
        // skip beyond the int range.
        const double fSkip = f * 2.0 * ((L - 2) / k);
        int s = fSkip > static_cast<double>(L - 1) ? L - 1 : static_cast<int>(fSkip);
        // A stored count larger than the file's lines would skip on past its
        // end, up to two billion times: past the end every read is empty.
        for (; s > 0 && !Reader.bEnd; --s) {
            Skip_Name_Line(Reader);
            --L;
        }
        std::memset(Cache.szEntry[i], 0, sizeof(Cache.szEntry[i]));
        Read_Name_Line(Reader, Cache.szEntry[i], nKeep);
        --L;
    }
    for (int i = 0; i < NAME_CACHE_SIZE; ++i) {
        const int j = u(NAME_CACHE_SIZE);
        if (j != i && j >= 0 && j < NAME_CACHE_SIZE) {
            char szHold[CACHED_LAST_NAME_SIZE];
            std::memcpy(szHold, Cache.szEntry[i], sizeof(szHold));
            std::memcpy(Cache.szEntry[i], Cache.szEntry[j], sizeof(szHold));
            std::memcpy(Cache.szEntry[j], szHold, sizeof(szHold));
        }
    }
}

bool Take_Cached_Name(NAME_CACHE& Cache, char* szOut, size_t nOutSize)
{
    for (char* szEntry : Cache.szEntry) {
        if (szEntry[0] != '\0') {
            char szName[CACHED_LAST_NAME_SIZE];
            std::memcpy(szName, szEntry, sizeof(szName));
            szName[Cache.nEntrySize - 1] = '\0';
            std::memset(szEntry, 0, CACHED_LAST_NAME_SIZE);
            Copy_Cut(szOut, nOutSize, szName);
            return true;
        }
    }
    Copy_Cut(szOut, nOutSize, "");
    return false;
}

void Take_Name_Or_Default(NAME_CACHE& Cache, char* szOut, size_t nOutSize, const char* szDefault)
{
    if (Take_Cached_Name(Cache, szOut, nOutSize))
        return;
    Refill_Name_Cache(Cache);
    if (!Take_Cached_Name(Cache, szOut, nOutSize))
        Copy_Cut(szOut, nOutSize, szDefault);
}

// ---- Colleges ---------------------------------------------------------------------

// Indexes 101, 117 and 119 are names of our own.
const char* const COLLEGES[COLLEGE_COUNT] = {
    "Florida State", "Notre Dame", "Miami (Florida)", "Nebraska", "Tennessee", "Texas A+M", "Florida",
    "Ohio State", "Georgia", "Michigan", "USC", "Arizona State", "Penn State", "Washington", "Virginia",
    "Wisconsin", "Auburn", "North Carolina", "Colorado", "California", "Boston College", "Clemson",
    "Michigan State", "LSU (Louisiana)", "Syracuse", "Kansas State", "Mississippi State", "UCLA",
    "Washington State", "Alabama", "Virginia Tech", "West Virginia", "Texas", "Arizona", "Maryland",
    "South Carolina", "Illinois", "Purdue", "Stanford", "Colorado State", "Iowa", "Marshall", "Pittsburgh",
    "Oklahoma", "Southern Miss", "Arkansas", "Georgia Tech", "Minnesota", "San Diego State", "Wake Forest",
    "Baylor", "Louisville", "Memphis", "North Carolina State", "Oklahoma State", "Texas Christian Univ.",
    "Cincinnati", "Fresno State", "Kansas", "Kentucky", "Missouri", "Northwestern", "Oregon", "Vanderbilt",
    "Duke", "Houston", "Miami (Ohio)", "Temple", "Utah", "East Carolina", "Idaho", "Louisiana Tech",
    "Oregon State", "Texas Tech", "Troy State", "New Mexico", "Rutgers", "San Jose State", "Tulane",
    "U of Central Florida", "Hawaii", "Indiana", "Iowa State", "Kent State", "UTEP (El Paso)", "Nevada",
    "Northern Illinois", "Tulsa", "UAB (Birmingham)", "Ball State", "Boise State", "Eastern Michigan",
    "North Texas", "South Florida", "UNLV", "Utah State", "Wyoming", "Air Force", "Akron", "Arkansas State",
    "Army", "Northern Plains State", "Buffalo", "Central Michigan", "Mid Tennessee State", "Navy", "Rice",
    "Toledo", "UConn", "Western Michigan", "Bowling Green", "Ohio", "Ole Miss", "U of Louisiana",
    "New Mexico State", "Cal State Sacramento", "Cornell", "Lakeshore College", "North Carolina A+T",
    "Eastern Highlands", "Wesleyan University",
};

// ---- Measures ----------------------------------------------------------------------

struct MEASURES {
    short nHeight1971;   // tenths of an inch
    short nHeight2006;
    short nWeight1971;   // pounds
    short nWeight2006;
};
constexpr MEASURES AVERAGE_MEASURES[NUMBER_OF_POSITIONS] = {
    {747, 747, 208, 222}, {720, 715, 204, 226}, {730, 718, 220, 237}, {751, 759, 231, 252},
    {729, 730, 189, 198}, {766, 778, 255, 315}, {748, 759, 250, 320}, {755, 756, 249, 311},
    {760, 756, 248, 278}, {769, 750, 263, 304}, {742, 738, 225, 243}, {724, 709, 187, 195},
    {725, 715, 191, 199}, {717, 720, 199, 201}, {732, 739, 206, 214},
};

// The 1971 and 2006 values weighted by the season year, each half rounded
// on its own.
int Interpolate_By_Era(int nAt1971, int nAt2006)
{
    int y = Get_Current_Year();
    if (y < FIRST_MEASURE_YEAR)
        y = FIRST_MEASURE_YEAR;
    if (y > LAST_MEASURE_YEAR)
        y = LAST_MEASURE_YEAR;
    const int nSpan = LAST_MEASURE_YEAR - FIRST_MEASURE_YEAR;
    const int nEarly = nAt1971 == 0 ? 0 : (nAt1971 * (LAST_MEASURE_YEAR - y) + 17) / nSpan;
    const int nLate = nAt2006 == 0 ? 0 : (nAt2006 * (y - FIRST_MEASURE_YEAR) + 17) / nSpan;
    return nEarly + nLate;
}

constexpr int PEAK_AGE[NUMBER_OF_POSITIONS] = {32, 27, 29, 29, 29, 28, 30, 29, 29, 30, 29, 28, 28, 35, 35};

int Get_Peak_Age(int nPosition)
{
    if (nPosition < 0)
        nPosition = 0;
    if (nPosition >= NUMBER_OF_POSITIONS)
        nPosition = NUMBER_OF_POSITIONS - 1;
    int nPeak = PEAK_AGE[nPosition];
    if (nPosition == POSITION_QB) {
        const int nExtra = (Get_Current_Year() - 1950) / 20;
        nPeak += nExtra > 0 ? nExtra : 0;
    }
    return nPeak;
}

// Template statistics 4, 7 and 8 of the offensive linemen's modest season.
struct LINEMAN_TEMPLATE {
    int t4;
    int t7;
    int t8;
};
constexpr LINEMAN_TEMPLATE LINEMAN_TEMPLATES[3] = {{16, 80, 240}, {20, 210, 630}, {24, 125, 375}};

// a / b rounded to nearest, half away from zero, in 64 bits.
int Divide_Rounded(int64_t a, int64_t b)
{
    return Mul_Div_Rounded_64(a, 1, b);
}

// A first guess of a lineman's predicted line from his blocking scores (the
// predicted-statistics writer later makes the whole line).
void Seed_Lineman_Season_Stats(int nTeam, int nSlot)
{
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    if (Get_Position_Unit(nPosition) != UNIT_LINE)
        return;
    const LINEMAN_TEMPLATE& T = LINEMAN_TEMPLATES[nPosition - POSITION_T];
    const int64_t s5 = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 5);
    const int64_t s6 = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 6);
    Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 4, Divide_Rounded((100 - s6) * T.t4, 30));
    Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 7, T.t7);
    Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 8, Divide_Rounded(s5 * T.t8, 70));
}

// Older-looking prospects with a high draft score are made a year or two
// younger. Random rookies score 0 and never move, but the draw is taken.
void Apply_Prospect_Age_Shift(int nTeam, int nSlot)
{
    const int nAge = Get_Current_Year() - Vital(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    const int64_t x = nAge > 20 ? static_cast<int64_t>(nAge - 20) * (nAge - 20) * 40 : 0;
    const int nScore = static_cast<int8_t>(Get_Player_Byte_Stat(nTeam, nSlot, DRAFT_SCORE_BYTE));
    const int g = nScore / 10 > nScore - 50 ? nScore / 10 : nScore - 50;
    const int64_t p = (x * g + 50) / 100;
    const int r = u(100);
    if (r < p / 6) {
        Set_Vital(nTeam, nSlot, VITAL_SEASONS_PLAYED, -3);
        Add_To_Vital(nTeam, nSlot, VITAL_BIRTH_DATE, 20000);
        Add_To_Vital(nTeam, nSlot, VITAL_PEAK_START, -2);
    } else if (r < p) {
        Set_Vital(nTeam, nSlot, VITAL_SEASONS_PLAYED, -2);
        Add_To_Vital(nTeam, nSlot, VITAL_BIRTH_DATE, 10000);
        Add_To_Vital(nTeam, nSlot, VITAL_PEAK_START, -1);
    }
}

// ---- The prospect class ----------------------------------------------------------

std::vector<PROSPECT_RECORD> ProspectClass;
bool bProspectClassRead = false;

const PROSPECT_RECORD* Find_Prospect(int nTeam, int nSlot)
{
    if (Get_Current_Year() != PROSPECT_CLASS_YEAR || !Is_Pool_Team(nTeam))
        return nullptr;
    if (!bProspectClassRead)
        Load_Prospect_Class(PROSPECT_CLASS_FILE);
    return Get_Prospect_Record((nTeam - FIRST_DRAFT_POOL_TEAM) * PLAYERS_PER_TEAM + nSlot);
}

void Copy_Record_Text(char* szOut, size_t nOutSize, const char* szField, size_t nFieldSize)
{
    char szText[65];
    const size_t n = strnlen(szField, nFieldSize < 64 ? nFieldSize : 64);
    std::memcpy(szText, szField, n);
    szText[n] = '\0';
    Copy_Cut(szOut, nOutSize, szText);
}

// ---- One try, in two halves ---------------------------------------------------

struct ATTEMPT {
    const PROSPECT_RECORD* pProspect = nullptr;
};

// Steps 1-4: the position, vitals and ratings, then the acceptance test.
bool Make_And_Test(int nTeam, int nSlot, int nPosition, ATTEMPT& Try)
{
    Try.pProspect = Find_Prospect(nTeam, nSlot);
    int nCode = nPosition;
    if (Try.pProspect != nullptr) {
        const int nRecordCode = Try.pProspect->nPosition;
        // A record with a code of no position keeps the caller's position.
        if (nRecordCode >= 0 && nRecordCode < NUMBER_OF_EXPANDED_POSITIONS &&
            Translate_Expanded_Position(nRecordCode) >= 0)
            nCode = nRecordCode;
    }
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT, static_cast<uint8_t>(nCode));
    Set_Vital(nTeam, nSlot, VITAL_POSITION, Translate_Expanded_Position(nCode));

    Init_Random_Player_Vitals(nTeam, nSlot);
    Generate_Player_Ratings(nTeam, nSlot);
    Clear_Player_Season_Links(nTeam, nSlot);

    const int DT = Get_Draft_Talent_Setting();
    if (Get_Current_Year() == PROSPECT_CLASS_YEAR && Is_Pool_Team(nTeam)) {
        const int lo = DT > 0 ? 58 + DT / 20 : 58 + DT / 10;
        const int hi = DT > 0 ? 71 + DT / 10 : 71 + DT / 20;
        if (Try.pProspect != nullptr) {
            Set_Vital(nTeam, nSlot, VITAL_FLAGS, Vital(nTeam, nSlot, VITAL_FLAGS) & ~REAL_PROSPECT_FLAG);
            const int t = Get_Pool_Rank_Target(nTeam, nSlot) + DT / 20;
            Scale_Player_To_Overall(nTeam, nSlot, static_cast<float>(t));
            Set_Player_Career_Fields(nTeam, nSlot, t + 29 - Get_Player_Age(nTeam, nSlot));
            return true;
        }
        if (Is_Random_Rookie_Rejected(nTeam, nSlot))
            return false;
        const int o = static_cast<int>(std::trunc(Get_Player_Overall_Or_Regenerate(nTeam, nSlot)));
        const int p = static_cast<int>(std::trunc(Compute_Player_Potential(nTeam, nSlot)));
        return !(o < lo || p < lo + 6 || o > hi || p > hi + 10);
    }
    return !Is_Random_Rookie_Rejected(nTeam, nSlot);
}

// Steps 5-10: development, names, the prospect's own data, history and the
// predicted line. false when he has no name at all.
bool Finish_Player(int nTeam, int nSlot, int nHistory, const ATTEMPT& Try)
{
    const int nBase = Vital(nTeam, nSlot, VITAL_POSITION);
    const int v20 = Vital(nTeam, nSlot, VITAL_POTENTIAL);
    const int nRaised = v20 + Get_Draft_Talent(DRAFT_TALENT_DEVELOPMENT, nBase);
    Set_Vital(nTeam, nSlot, VITAL_POTENTIAL, nRaised > v20 / 2 ? nRaised : v20 / 2);

    Seed_Lineman_Season_Stats(nTeam, nSlot);
    Make_Random_Player_Name(nTeam, nSlot);

    if (Try.pProspect != nullptr) {
        const PROSPECT_RECORD& R = *Try.pProspect;
        char szText[PLAYER_LAST_NAME_SIZE];
        Copy_Record_Text(szText, sizeof(szText), R.szFirstName, sizeof(R.szFirstName));
        Set_Player_First_Name(nTeam, nSlot, szText);
        Copy_Record_Text(szText, sizeof(szText), R.szLastName, sizeof(R.szLastName));
        Set_Player_Last_Name(nTeam, nSlot, szText);
        char szCollege[PLAYER_COLLEGE_SIZE];
        Copy_Record_Text(szCollege, sizeof(szCollege), R.szCollege, sizeof(R.szCollege));
        Set_Player_College(nTeam, nSlot, szCollege);
        Set_Vital(nTeam, nSlot, VITAL_SEASONS_PLAYED, R.nSeasonsMarker < 30 ? R.nSeasonsMarker : 30);
        if (R.nHeight > 0)
            Set_Vital(nTeam, nSlot, VITAL_HEIGHT, R.nHeight);
        if (R.nWeight > 0)
            Set_Vital(nTeam, nSlot, VITAL_WEIGHT, R.nWeight);
        // A damaged record's date would overflow: the generated one stays.
        if (R.nBirthYear >= 1900 && R.nBirthYear <= 2100 && R.nBirthMonth >= 1 && R.nBirthMonth <= 12 &&
            R.nBirthDay >= 1 && R.nBirthDay <= 31)
            Set_Vital(nTeam, nSlot, VITAL_BIRTH_DATE, (R.nBirthYear * 100 + R.nBirthMonth) * 100 + R.nBirthDay);
    } else {
        Set_Vital(nTeam, nSlot, VITAL_SEASONS_PLAYED, -1);
        Apply_Prospect_Age_Shift(nTeam, nSlot);
    }

    char szFirst[PLAYER_FIRST_NAME_TEXT_SIZE];
    Get_Player_First_Name_Filled(nTeam, nSlot, szFirst, sizeof(szFirst));
    const bool bNameless = szFirst[0] == '\0' && !Has_Player_Last_Name(nTeam, nSlot);

    if (nHistory != 0)
        Generate_Player_History(nTeam, nSlot, nHistory);
    Write_Predicted_Player_Stats(nTeam, nSlot);
    return !bNameless;
}

}  // namespace

// ---------------------------------------------------------------------------
// Name pool

void Pick_Random_First_Name()
{
    Refill_Name_Cache(FirstNames);
}

void Pick_Random_Last_Name()
{
    Refill_Name_Cache(LastNames);
}

bool Take_Cached_First_Name(char* szOut, size_t nOutSize)
{
    return Take_Cached_Name(FirstNames, szOut, nOutSize);
}

void Get_Random_Last_Name(char* szOut, size_t nOutSize)
{
    Take_Name_Or_Default(LastNames, szOut, nOutSize, DEFAULT_LAST_NAME);
}

void Reset_Name_Pool()
{
    std::memset(FirstNames.szEntry, 0, sizeof(FirstNames.szEntry));
    std::memset(LastNames.szEntry, 0, sizeof(LastNames.szEntry));
    FirstNames.bOpenFailureShown = false;
    LastNames.bOpenFailureShown = false;
    FirstNames.List = NAME_LIST();
    LastNames.List = NAME_LIST();
}

long long Name_List_Bytes_Read()
{
    return g_nNameListBytesRead;
}

void Make_Random_Player_Name(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    char szName[CACHED_LAST_NAME_SIZE];
    Take_Name_Or_Default(FirstNames, szName, CACHED_FIRST_NAME_SIZE, DEFAULT_FIRST_NAME);
    Set_Player_First_Name(nTeam, nSlot, szName);
    Take_Name_Or_Default(LastNames, szName, CACHED_LAST_NAME_SIZE, DEFAULT_LAST_NAME);
    Set_Player_Last_Name(nTeam, nSlot, szName);
}

// ---------------------------------------------------------------------------
// Colleges

const char* Get_College_Name(int nIndex)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex >= COLLEGE_COUNT)
        nIndex = COLLEGE_COUNT - 1;
    return COLLEGES[nIndex];
}

void Assign_Random_College(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    // The smaller of two draws: the top of the list is likelier.
    const int a = u(COLLEGE_COUNT);
    const int b = u(COLLEGE_COUNT);
    Set_Player_College(nTeam, nSlot, Get_College_Name(a < b ? a : b));
}

// ---------------------------------------------------------------------------
// Measures, ages and numbers

int Get_Average_Player_Height(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    const MEASURES& M = AVERAGE_MEASURES[nPosition];
    const int nTenths = Interpolate_By_Era(M.nHeight1971, M.nHeight2006);
    return nTenths / 10 + (u(10) < nTenths % 10 ? 1 : 0);
}

int Get_Typical_Player_Height(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    const MEASURES& M = AVERAGE_MEASURES[nPosition];
    const int nTenths = Interpolate_By_Era(M.nHeight1971, M.nHeight2006);
    return (nTenths + 5) / 10;
}

int Get_Average_Player_Weight(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    const MEASURES& M = AVERAGE_MEASURES[nPosition];
    return Interpolate_By_Era(M.nWeight1971, M.nWeight2006);
}

int Generate_Player_Height(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) {
        Report_Error("nPosition out of bounds in %s([%d])", __func__, nPosition);
        return 0;
    }
    const int nAverage = Get_Average_Player_Height(nPosition);
    const int a = u(4);
    const int b = u(4);
    const int c = u(4);
    const int d = u(4);
    return nAverage + a + b - c - d;
}

int Generate_Player_Weight(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    const int nPosition = Vital(nTeam, nSlot, VITAL_POSITION);
    const int h = Vital(nTeam, nSlot, VITAL_HEIGHT);
    const int a = Get_Average_Player_Height(nPosition);
    const int w = Get_Average_Player_Weight(nPosition);
    const int w0 = Mul_Div_Rounded(Mul_Div_Rounded(w, h, a), h, a);
    const int g1 = u(70);
    const int g2 = u(70);
    const int64_t g = 1000 + g1 - g2;
    if (w0 == 0)
        return 0;
    return static_cast<int>((g * w0 + 500) / 1000);
}

void Set_Random_Birth_Date(int nTeam, int nSlot, int nAge)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    static const int DAYS_IN_MONTH[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int nYear = Get_Current_Year() - nAge;
    int d = u(365) % 365;
    int m = 0;
    while (d >= DAYS_IN_MONTH[m]) {
        d -= DAYS_IN_MONTH[m];
        ++m;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE, nYear * 10000 + (m + 1) * 100 + d + 1);
}

void Set_Development_Values(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    const int nPeak = Get_Peak_Age(Vital(nTeam, nSlot, VITAL_POSITION));
    if (Is_Fixed_Development_On()) {
        Set_Vital(nTeam, nSlot, VITAL_PEAK_START, 26);
        Set_Vital(nTeam, nSlot, VITAL_PEAK_END, nPeak);
        Set_Vital(nTeam, nSlot, VITAL_LONGEVITY, 100);
        Set_Vital(nTeam, nSlot, VITAL_POTENTIAL, 100);
        return;
    }
    int v = 26 + u(5);
    v -= u(5);
    Set_Vital(nTeam, nSlot, VITAL_PEAK_START, v > 23 ? v : 23);
    v = nPeak + u(5);
    Set_Vital(nTeam, nSlot, VITAL_PEAK_END, v - u(5));
    v = 10 + u(7);
    Set_Vital(nTeam, nSlot, VITAL_POTENTIAL, 1000 / (v - u(7)));
    v = 10 + u(7);
    Set_Vital(nTeam, nSlot, VITAL_LONGEVITY, 1000 / (v - u(7)));
}

int Make_Unique_Player_Id(int nTeam, int nSlot)
{
    // 64-bit, kept to 31 bits: the season index grows without bound.
    const int64_t b = (static_cast<int64_t>(Get_Current_Season_Index()) * 100 + nTeam) * 100 + 10101 + nSlot;
    auto Is_Free = [](int64_t nID) {
        return nID > 0 && !Find_Player_By_ID(nullptr, static_cast<int>(nID));
    };
    for (int i = 0; i < 1000; ++i) {
        const int64_t nID = (b * 256 + (Generate_Random_Number() & 255u)) & 0x7FFFFFFF;
        if (Is_Free(nID))
            return static_cast<int>(nID);
    }
    for (int i = 0; i < 10000; ++i) {
        const int64_t nID = (b * 4096 + (Generate_Random_Number() & 4095u)) & 0x7FFFFFFF;
        if (Is_Free(nID))
            return static_cast<int>(nID);
    }
    // The last resort still never gives 0 (an empty slot) or a held ID.
    for (;;) {
        const int64_t nID = Generate_Random_Number() & 0x0FFFFFFFu;
        if (Is_Free(nID))
            return static_cast<int>(nID);
    }
}

int Get_Random_Uniform_Number(int nPosition)
{
    const int r = 1 + static_cast<int>(99.0 * Random_Word_To_Fraction(Generate_Random_Number()));
    switch (nPosition) {
    case POSITION_QB:
        return r < 50 ? r % 9 + 1 : r < 80 ? r % 5 + 10 : r % 5 + 15;
    case POSITION_RB:
        return r < 80 ? r % 10 + 20 : r % 20 + 30;
    case POSITION_FB:
        return r < 20 ? r % 10 + 20 : r % 20 + 30;
    case POSITION_TE:
        return r < 50 ? r % 10 + 40 : r % 10 + 80;
    case POSITION_WR:
        return r < 30 ? r % 10 + 10 : r % 10 + 80;
    case POSITION_T:
    case POSITION_G:
        return r % 20 + 60;
    case POSITION_C:
        return r < 50 ? r % 10 + 50 : r < 80 ? r % 10 + 60 : r % 10 + 70;
    case POSITION_DE:
    case POSITION_DT:
        return r < 70 ? r % 10 + 90 : r < 90 ? r - 10 : r - 40;
    case POSITION_LB:
        return r < 80 ? r % 10 + 50 : r < 90 ? r % 10 + 40 : r % 10 + 90;
    case POSITION_CB:
        return r < 50 ? r % 10 + 20 : r % 20 + 30;
    case POSITION_S:
        return r % 30 + 20;
    case POSITION_K:
    case POSITION_P:
        return r < 10 ? r + 10 : r % 9 + 1;
    default:
        return r;
    }
}

int Is_Uniform_Number_Taken(int nTeam, int nNumber)
{
    if (nNumber == 0)
        return 1;
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return 0;
    if (nTeam < MAX_FRANCHISES && !Is_Team_Slot_Used(nTeam))
        return 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Vital(nTeam, s, VITAL_PLAYER_ID) != 0 && Get_Player_Byte_Stat(nTeam, s, BYTE_STAT_UNIFORM) == nNumber)
            return 1;
    }
    return 0;
}

void Assign_Uniform_Number(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Is_Pool_Team(nTeam))
        return;
    const int nPosition = Vital(nTeam, nSlot, VITAL_POSITION);
    int n = Get_Random_Uniform_Number(nPosition);
    for (int nRedraw = 0; nRedraw < UNIFORM_REDRAWS && Is_Uniform_Number_Taken(nTeam, n); ++nRedraw)
        n = Get_Random_Uniform_Number(nPosition);
    // Kept even when every redraw was taken.
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM, static_cast<uint8_t>(n));
}

int Get_Pool_Rank_Target(int nTeam, int nSlot)
{
    const int x = (nTeam - FIRST_DRAFT_POOL_TEAM) * PLAYERS_PER_TEAM + nSlot;
    return 80 - x / 10 + (x < 3 ? (4 - x) / 2 : 0);
}

// ---------------------------------------------------------------------------
// Whole players

void Init_Draft_Class_Player(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (Vital(nTeam, nSlot, VITAL_PLAYER_ID) == 0)
        Reset_Unused_Player_Slot(nTeam, nSlot);
    Set_Vital(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
    Set_Vital(nTeam, nSlot, VITAL_INJURY, -1);
    Set_Vital(nTeam, nSlot, VITAL_DRAFTED_BY, 0);
    Set_Vital(nTeam, nSlot, VITAL_DRAFT_PICK, 0);
    Set_Vital(nTeam, nSlot, VITAL_PLAYER_ID, Make_Unique_Player_Id(nTeam, nSlot));
    Set_Development_Values(nTeam, nSlot);
}

void Reset_Unused_Player_Slot(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (Vital(nTeam, nSlot, VITAL_PLAYER_ID) != 0)
        return;
    Set_Vital(nTeam, nSlot, VITAL_SALARY, 0);
    Set_Vital(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 0);
    Set_Vital(nTeam, nSlot, VITAL_CONTRACT_LENGTH, 0);
    Set_Vital(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
    Set_Vital(nTeam, nSlot, VITAL_WEEK_COUNTER, 22);
}

void Init_Random_Player_Vitals(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Init_Draft_Class_Player(nTeam, nSlot);
    Set_Vital(nTeam, nSlot, VITAL_HEIGHT, Generate_Player_Height(Vital(nTeam, nSlot, VITAL_POSITION)));
    Set_Vital(nTeam, nSlot, VITAL_WEIGHT, Generate_Player_Weight(nTeam, nSlot));
    const int r = u(100);
    const int nAge = r < 2 ? 24 : r < 15 ? 23 : r < 35 ? 22 : 21;
    Set_Random_Birth_Date(nTeam, nSlot, nAge);
    Set_Vital(nTeam, nSlot, VITAL_SEASONS_PLAYED, -1);
    Assign_Random_College(nTeam, nSlot);
    Assign_Uniform_Number(nTeam, nSlot);
    Set_Vital(nTeam, nSlot, VITAL_FLAGS, Vital(nTeam, nSlot, VITAL_FLAGS) | REAL_PROSPECT_FLAG);
}

int Is_Random_Rookie_Rejected(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Vital(nTeam, nSlot, VITAL_PLAYER_ID) == 0)
        return 0;
    const int p = Vital(nTeam, nSlot, VITAL_POSITION);
    const int DT = Get_Draft_Talent_Setting();
    int nCap = 85 + Get_Draft_Talent(DRAFT_TALENT_QUALITY, p) / 10 + DT / 10;
    if (Get_Current_Year() == PROSPECT_CLASS_YEAR)
        nCap -= 3;
    if (p == POSITION_QB)
        nCap += 1;
    else if (p == POSITION_TE || p == POSITION_DT)
        nCap -= 1;
    else if (p == POSITION_FB)
        nCap -= 3;
    const int nExtra = 6 + Get_Draft_Talent(DRAFT_TALENT_DEVELOPMENT, p) / 10;
    float o = Get_Position_Overall_Rating(nTeam, nSlot, p);
    if (o < 25.0f) {
        Generate_Player_Ratings(nTeam, nSlot);
        o = Get_Position_Overall_Rating(nTeam, nSlot, p);
    }
    if (o > static_cast<float>(nCap))
        return 1;
    return Compute_Player_Potential(nTeam, nSlot) > static_cast<float>(nCap + nExtra) ? 1 : 0;
}

int Generate_Random_Player(int nTeam, int nSlot, int nPosition, int nHistory)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    ATTEMPT Try;
    if (!Make_And_Test(nTeam, nSlot, nPosition, Try))
        return 0;
    return Finish_Player(nTeam, nSlot, nHistory, Try) ? 1 : 0;
}

void Fabricate_Position_Player(int nTeam, int nSlot, int nPosition, int nHistory)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nPosition < 0 || nPosition >= NUMBER_OF_EXPANDED_POSITIONS) {
        Report_Error("nPosition out of bounds in %s(%d,%d,[%d],%d)", __func__, nTeam, nSlot, nPosition, nHistory);
        return;
    }
    // What decides whether a try can pass: the position's tuning, the
    // league's talent setting, the year and the club (pool or not).
    const int nBase = Translate_Expanded_Position(nPosition);
    const std::array<int, 7> Conditions = {Get_Draft_Talent(DRAFT_TALENT_QUALITY, nBase),
                                           Get_Draft_Talent(DRAFT_TALENT_SPREAD, nBase),
                                           Get_Draft_Talent(DRAFT_TALENT_DEVELOPMENT, nBase),
                                           Get_Draft_Talent_Setting(),
                                           Get_Current_Year(),
                                           Is_Pool_Team(nTeam) ? 1 : 0,
                                           nPosition};
    static std::vector<std::array<int, 7>> Failed;
    const bool bFailedBefore = std::find(Failed.begin(), Failed.end(), Conditions) != Failed.end();
    const int nAttempts = bFailedBefore ? FAILED_POSITION_ATTEMPTS : FABRICATE_ATTEMPTS;
    ATTEMPT Try;
    for (int nAttempt = 0; nAttempt < nAttempts; ++nAttempt) {
        if (Make_And_Test(nTeam, nSlot, nPosition, Try) && Finish_Player(nTeam, nSlot, nHistory, Try))
            return;
    }
    if (!bFailedBefore) {
        char szPosition[TEXT_BUFFER_SIZE];
        Get_Position_Name(nPosition, szPosition);
        // Once for these conditions: later players of them get a few tries.
        Write_Notice("Fabricate_Position_Player() unable to create %s after %d attempts.", szPosition,
                     FABRICATE_ATTEMPTS);
        Failed.push_back(Conditions);
    }
    // The last try stopped before his names, history and predicted line:
    // finish him rather than leave a half-made player with an ID.
    Finish_Player(nTeam, nSlot, nHistory, Try);
}

int Fabricate_Player_In_Free_Slot(int nTeam, int nPosition, int nHistory)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nPosition, nHistory);
        return -1;
    }
    const int nSlot = Find_Roster_End(nTeam);
    if (nSlot >= PLAYERS_PER_TEAM)
        return -1;
    Clear_Player(nTeam, nSlot);
    Fabricate_Position_Player(nTeam, nSlot, nPosition, nHistory);
    return nSlot;
}

// ---------------------------------------------------------------------------
// The prospect class

void Set_Prospect_Class(const PROSPECT_RECORD* pRecords, int nCount)
{
    bProspectClassRead = true;
    ProspectClass.clear();
    if (pRecords == nullptr || nCount <= 0)
        return;
    if (nCount > PROSPECT_CLASS_SIZE)
        nCount = PROSPECT_CLASS_SIZE;
    ProspectClass.assign(pRecords, pRecords + nCount);
}

int Load_Prospect_Class(const char* szPath)
{
    bProspectClassRead = true;
    ProspectClass.clear();
    std::vector<unsigned char> Data;
    if (szPath == nullptr || !files::Read_Whole_File(szPath, Data, PROSPECT_CLASS_SIZE * sizeof(PROSPECT_RECORD)))
        return 0;
    const size_t nCount = Data.size() / sizeof(PROSPECT_RECORD);
    ProspectClass.resize(nCount);
    if (nCount > 0)
        std::memcpy(ProspectClass.data(), Data.data(), nCount * sizeof(PROSPECT_RECORD));
    return static_cast<int>(nCount);
}

const PROSPECT_RECORD* Get_Prospect_Record(int k)
{
    if (k < 0 || k >= static_cast<int>(ProspectClass.size()))
        return nullptr;
    return &ProspectClass[static_cast<size_t>(k)];
}
