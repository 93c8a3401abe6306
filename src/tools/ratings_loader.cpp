// Reading a player ratings file back into the league.

#include "tools/ratings_loader.h"

#include <cstring>
#include <unordered_set>

#include "base/input_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/position_abbreviations.h"
#include "season/stat_based_rating.h"

namespace {

int g_nRatingsMatched = 0;   // lines of the last load that named a player of the league
int g_nRatingsLines = 0;     // lines of the last load after the header

constexpr size_t RATING_LINE_SIZE = 2048;
constexpr size_t RATING_FIELD_SIZE = 256;
constexpr int LINES_PER_PROGRESS_STEP = 20;
constexpr int LAST_REPLAY_YEAR = 2023;
constexpr float LOWEST_STORED_RATING = 20.0f;
constexpr double RATING_BOUND = 1000.0;
constexpr int FILE_RATING_COLUMNS = 25;   // Accuracy (2) .. Punt Power (26), then Durability (1)

// One load's state: the warning switch and the players met so far. The
// switch lives for the load only, so every load warns afresh.
struct RATINGS_LOAD {
    bool bWarnDuplicates = true;
    std::unordered_set<int> Met;
    std::unordered_set<int> Changed;   // team * PLAYERS_PER_TEAM + slot of each player a line changed
};

// What a line may change of its player: his ratings, positions and development.
struct RATED_PLAYER {
    float fRating[NUMBER_OF_RATINGS] = {};
    int nPosition = 0;
    int nDepthSlot = 0;
    int nPotential = 0;
    int nPeakStart = 0;
    int nPeakEnd = 0;

    RATED_PLAYER(int nTeam, int nSlot)
    {
        for (int n = 0; n < NUMBER_OF_RATINGS; ++n)
            fRating[n] = Get_Player_Rating(nTeam, nSlot, n);
        nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        nDepthSlot = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT);
        nPotential = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POTENTIAL);
        nPeakStart = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_START);
        nPeakEnd = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_END);
    }
    bool operator==(const RATED_PLAYER& Other) const
    {
        for (int n = 0; n < NUMBER_OF_RATINGS; ++n)
            if (std::memcmp(&fRating[n], &Other.fRating[n], sizeof(float)) != 0)
                return false;
        return nPosition == Other.nPosition && nDepthSlot == Other.nDepthSlot && nPotential == Other.nPotential &&
               nPeakStart == Other.nPeakStart && nPeakEnd == Other.nPeakEnd;
    }
};
RATINGS_LOAD g_Load;

void Pop(char (&szField)[RATING_FIELD_SIZE], char* szLine)
{
    Pop_Input_Field(szField, szLine);
}

// The player a PlayerID field names: by number, else by ID text.
bool Find_Rated_Player(const char* szField, int& nTeam, int& nSlot)
{
    PLAYER_LOCATION Where{NO_TEAM, NO_PLAYER};
    const int nID = Parse_Input_Int(szField);
    if (nID <= 0 || !Find_Player_By_ID(&Where, nID)) {
        if (!Scan_Player_By_Corvel_ID(&Where, szField))
            return false;
    }
    nTeam = Where.nTeam;
    nSlot = Where.nSlot;
    return nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot < PLAYERS_PER_TEAM;
}

void Check_Duplicate(int nTeam, int nSlot, const char* szField)
{
    if (!g_Load.bWarnDuplicates)
        return;
    const int nPlayerID = Get_Player_ID(nTeam, nSlot);
    if (!g_Load.Met.insert(nPlayerID).second) {
        char szText[RATING_FIELD_SIZE + 80];
        const int nNumber = Parse_Input_Int(szField);
        if (nNumber > 0)
            std::snprintf(szText, sizeof(szText), "Warning: Duplicate Player ID found in Player Rating file:\n\n%d",
                          nNumber);
        else
            std::snprintf(szText, sizeof(szText), "Warning: Duplicate Player ID found in Player Rating file:\n\n%s",
                          szField);
        // The second button answers 2: no more warnings in this load.
        if (User_Message_Dialog(DUPLICATE_RATING_TITLE, szText, BOX_OK, "OK", nullptr, "Ignore Duplicate IDs") == 2)
            g_Load.bWarnDuplicates = false;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS,
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) | RATINGS_FILE_MET_FLAG);
}

void Store_File_Rating(int nTeam, int nSlot, int nRating, double fValue)
{
    if (fValue < LOWEST_STORED_RATING)
        return;
    if (fValue > RATING_BOUND) {
        // Reported, and kept out of the record: no sound rating is this large.
        Report_Error("fValue out of bounds in Set_Player_Rating(%d,%d,%d,[%1f])", nTeam, nSlot, nRating, fValue);
        return;
    }
    Set_Player_Rating(nTeam, nSlot, nRating, static_cast<float>(fValue));
}

}  // namespace

void Start_Player_Ratings_Load()
{
    g_Load = RATINGS_LOAD{};
}

int Read_One_Rating_Line(FILE* pFile)
{
    char szLine[RATING_LINE_SIZE] = "";
    const int bEnd = Read_Input_Line("Read_One_Rating_Line", szLine, pFile);
    if (szLine[0] != '\0')
        ++g_nRatingsLines;
    char szID[RATING_FIELD_SIZE] = "";
    Pop(szID, szLine);
    int nTeam = 0;
    int nSlot = 0;
    if (!Find_Rated_Player(szID, nTeam, nSlot))
        return bEnd;
    ++g_nRatingsMatched;
    Check_Duplicate(nTeam, nSlot, szID);
    const RATED_PLAYER Before(nTeam, nSlot);

    char szField[RATING_FIELD_SIZE] = "";
    for (int nSkipped = 0; nSkipped < 3; ++nSkipped)   // team, first and last names
        Pop(szField, szLine);
    Pop(szField, szLine);
    const int nPosition = Parse_Base_Position(szField);
    if (nPosition >= 0)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
    Pop(szField, szLine);
    const int nExpanded = Parse_Position_Abbreviation(szField);
    if (nExpanded >= 0)
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT, nExpanded);

    Pop(szField, szLine);
    const double fOverall = Parse_Input_Decimal(szField);
    Pop(szField, szLine);
    const double fPeak = Parse_Input_Decimal(szField);
    for (int k = 0; k < FILE_RATING_COLUMNS; ++k) {
        Pop(szField, szLine);
        Store_File_Rating(nTeam, nSlot, RATING_ACCURACY + k, Parse_Input_Decimal(szField));
    }
    Pop(szField, szLine);
    Store_File_Rating(nTeam, nSlot, RATING_DURABILITY, Parse_Input_Decimal(szField));

    if (fOverall >= LOWEST_STORED_RATING) {
        Scale_Player_To_Overall(nTeam, nSlot, static_cast<float>(fOverall));
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS,
                              Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) | RATINGS_FILE_OVERALL_FLAG);
    }
    if (fPeak >= fOverall && fPeak >= LOWEST_STORED_RATING)
        Set_Player_Career_Fields(nTeam, nSlot, static_cast<int>(fPeak));
    Settle_Player_Ratings(nTeam, nSlot);
    if (!(RATED_PLAYER(nTeam, nSlot) == Before))
        g_Load.Changed.insert(nTeam * PLAYERS_PER_TEAM + nSlot);
    return bEnd;
}

int Load_Player_Ratings_File(int bShowMessage, const char* szPath)
{
    FILE* pFile = szPath != nullptr ? Open_Input_File(szPath) : nullptr;
    if (pFile == nullptr) {
        if (bShowMessage)
            Show_Formatted_Message(RATINGS_LOAD_TITLE, "Unable to open %s.", szPath != nullptr ? szPath : "");
        return 0;
    }
    // Counted from the open file: a second open could only fail with a box of its own.
    int nLines = 1;
    for (int c = std::getc(pFile); c != EOF; c = std::getc(pFile))
        nLines += c == '\n' ? 1 : 0;
    std::rewind(pFile);
    const int nSteps = nLines / LINES_PER_PROGRESS_STEP;
    const bool bWindow = Open_Progress_Window("Loading Player Ratings", nSteps) != 0;
    Start_Player_Ratings_Load();
    g_nRatingsMatched = 0;
    g_nRatingsLines = 0;

    char szHeader[RATING_LINE_SIZE];
    int bEnd = Read_Input_Line("Load_Player_Ratings_File", szHeader, pFile);
    int nStepped = 0;
    for (int nLine = 0; !bEnd; ++nLine) {
        bEnd = Read_One_Rating_Line(pFile);
        if (nLine % LINES_PER_PROGRESS_STEP == 0 && nStepped < nSteps) {
            ++nStepped;
            if (bWindow)
                Step_Progress_Window(1);
        }
    }
    std::fclose(pFile);
    if (bWindow)
        Close_Progress_Window();
    if (bShowMessage) {
        const int nChanged = Count_Player_Ratings_Changed();
        if (nChanged > 0) {
            Show_Formatted_Message(RATINGS_LOAD_TITLE, "Player ratings loaded from %s: %d %s changed.", szPath,
                                   nChanged, nChanged == 1 ? "player" : "players");
        } else {
            const std::string Text = "No player was changed by " + std::string(szPath) + ": " +
                                     Get_Player_Ratings_Unchanged_Reason() + ".";
            Show_Message_Box(Text.c_str(), RATINGS_LOAD_TITLE, BOX_OK | BOX_ICON_EXCLAMATION);
        }
    }
    return 1;
}

int Count_Player_Ratings_Matched()
{
    return g_nRatingsMatched;
}

int Count_Player_Ratings_Changed()
{
    return static_cast<int>(g_Load.Changed.size());
}

std::string Get_Player_Ratings_Unchanged_Reason()
{
    if (g_nRatingsLines == 0)
        return "it holds no line of a player after its header";
    if (g_nRatingsMatched == 0)
        return "no line names a player of the league (a line finds its player by the statistics ID in its PlayerID "
               "column, and the players of the default league have none)";
    return "its lines hold the ratings the players already have";
}

void Get_Year_Player_Ratings_Path(char* szOut, size_t nSize)
{
    if (szOut == nullptr || nSize == 0)
        return;
    const int nYear = Get_Current_Year();
    const bool bReplay = Get_Universe_Word(REPLAY_MODE_WORD) != 0 && nYear < LAST_REPLAY_YEAR;
    std::snprintf(szOut, nSize, "Input/Ratings/%s/%d_Player_Ratings.csv", bReplay ? "Replay" : "Simulation", nYear);
}

int Load_Year_Player_Ratings(int bShowMessage)
{
    char szPath[96];
    Get_Year_Player_Ratings_Path(szPath, sizeof(szPath));
    return Load_Player_Ratings_File(bShowMessage, szPath);
}
