#include "export/ratings_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/player_value.h"
#include "season/stat_based_rating.h"

namespace {

constexpr int ALL_POSITIONS = 15;
// The sortable statistics list's position filter (15: every position).
constexpr int PREF_RATINGS_POSITION = 87;
// The free agents' team column: the Windows-1252 en dash.
constexpr char FREE_AGENT_TEAM_MARK = static_cast<char>(0x96);
constexpr float MAXIMUM_PLAIN_DURABILITY = 120.0f;

const char* const POSITION_ABBREVIATIONS[16] = {"QB", "RB", "FB", "TE", "WR", "T",  "G", "C",
                                                "DE", "DT", "LB", "CB", "S",  "K",  "P", "Any"};

// A text field as the file holds it: the reader splits lines at commas, so a
// comma or a line break inside a name would shift every later column.
std::string Field_Text(const char* szText)
{
    std::string Out;
    for (const char* p = szText; *p; ++p)
        if (*p != ',' && *p != '\n' && *p != '\r')
            Out += *p;
    return Out;
}

// The position's name for the command's messages ("<Error>" above 15).
std::string Position_Word(int nPosition)
{
    if (nPosition < 0 || nPosition > ALL_POSITIONS)
        return "<Error>";
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Position_Name(nPosition, szName);
    return szName;
}

// Players of the last export's position left out for want of a statistics ID.
int g_nSkippedWithoutId = 0;

// Whether team slot 0-36 is written: a franchise in use, or the free agents.
bool Team_Is_Written(int nTeam)
{
    return nTeam == FREE_AGENT_TEAM || Is_Team_Slot_Used(nTeam);
}

}  // namespace

std::string Get_Player_Ratings_Path(int nYear)
{
    return "Output/Ratings/" + std::to_string(nYear) + "_Player_Ratings.csv";
}

const char PLAYER_RATINGS_SKIPPED_NOTE[] =
    "no statistics ID, and a line needs one to be loaded back: until the first week is played a player without "
    "one is left out, and from then on his line is written with an empty ID (a new game's players never get one; "
    "a database built from statistics files gives them)";

// Before the first week of a league's first season, a player without a
// statistics ID has no line.
bool Is_Skipped_Without_Id(int nTeam, int nSlot)
{
    char szID[TEXT_BUFFER_SIZE] = "";
    Get_Player_Corvel_ID(nTeam, nSlot, szID);
    return Get_Current_Season_Index() == 0 && Get_Current_Week() == 0 && szID[0] == '\0';
}

int Get_Player_Ratings_Skipped()
{
    return g_nSkippedWithoutId;
}

bool Build_Player_Ratings_Line(int nTeam, int nSlot, std::string& Line)
{
    Line.clear();
    if (nTeam < 0 || nTeam > LAST_TEAM || !Is_Player_Slot_Used(nTeam, nSlot))
        return false;
    if (Is_Skipped_Without_Id(nTeam, nSlot))
        return false;
    char szID[TEXT_BUFFER_SIZE] = "";
    Get_Player_Corvel_ID(nTeam, nSlot, szID);

    std::string Team;
    if (nTeam == FREE_AGENT_TEAM) {
        Team = std::string(1, FREE_AGENT_TEAM_MARK);
    } else {
        char szTeam[TEXT_BUFFER_SIZE] = "";
        Get_Team_String(szTeam, nTeam, TEAM_STRING_ABBREVIATION);
        Team = szTeam;
    }
    char szFirst[TEXT_BUFFER_SIZE] = "";
    char szLast[TEXT_BUFFER_SIZE] = "";
    Get_Player_First_Name(nTeam, nSlot, szFirst);
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    const char* szPosition = nPosition >= 0 && nPosition <= ALL_POSITIONS ? POSITION_ABBREVIATIONS[nPosition] : "";
    char szExpanded[TEXT_BUFFER_SIZE] = "";
    Get_Depth_Slot_Abbreviation(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT), szExpanded);

    // Ratings 1-26 are made sound in the record itself, 1 first, then 26 down to 2.
    int nRating[NUMBER_OF_RATINGS] = {};
    for (int k = 0; k < 26; ++k) {
        const int n = k == 0 ? RATING_DURABILITY : NUMBER_OF_RATINGS - k;
        float fValue = Get_Player_Rating(nTeam, nSlot, n);
        if (std::isnan(fValue)) {
            fValue = Get_Default_Rating(n);
            Set_Player_Rating(nTeam, nSlot, n, fValue);
        }
        if (fValue < MINIMUM_RATING) {
            fValue = MINIMUM_RATING;
            Set_Player_Rating(nTeam, nSlot, n, fValue);
        }
        if (n == RATING_DURABILITY && (fValue < 0.0f || fValue > MAXIMUM_PLAIN_DURABILITY))
            fValue = Get_Stat_Based_Rating(nTeam, nSlot, RATING_DURABILITY);
        nRating[n] = static_cast<int>(fValue);
    }
    const int nOverall = static_cast<int>(Get_Position_Overall_Rating(nTeam, nSlot, nPosition));
    const int nPeak = static_cast<int>(Compute_Player_Potential(nTeam, nSlot));

    Line = Field_Text(szID) + "," + Field_Text(Team.c_str()) + "," + Field_Text(szFirst) + "," + Field_Text(szLast) +
           "," + szPosition + "," + Field_Text(szExpanded) + "," + std::to_string(nOverall) + "," +
           std::to_string(nPeak);
    for (int n = RATING_ACCURACY; n < NUMBER_OF_RATINGS; ++n)
        Line += "," + std::to_string(nRating[n]);
    Line += "," + std::to_string(nRating[RATING_DURABILITY]);
    return true;
}

// No line is appended to the file player by player: the export builds every
// line first and writes the file whole, so that a run killed part-way leaves
// the old file rather than a new one cut short.

namespace {

std::string Ratings_Header(int nYear)
{
    return "PlayerID," + std::to_string(nYear) +
           "_Team,First,Last,Position,Expanded,OVERALL,PEAK,Accuracy,Distance,Control,Red Zone,Mobility,Speed,"
           "Power,Quickness,Vision,Receiving,Hands,Kick Returns,Punt Returns,Pass Blocking,Run Blocking,Discipline,"
           "Run Defense,Pass Rush,Coverage,Turnovers,Tackling,FG Accuracy,FG Power,Punt Accuracy,Punt Power,"
           "Durability\n";
}

// The lines of the position's players (15: all), each with its line end,
// added to Text; the count of lines.
int Add_Player_Ratings_Lines(int nPosition, std::string& Text)
{
    g_nSkippedWithoutId = 0;
    int nCount = 0;
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
        if (!Team_Is_Written(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            if (nPosition != ALL_POSITIONS && nPosition != Get_Player_Vital_Stat(t, s, VITAL_POSITION))
                continue;
            if (Is_Skipped_Without_Id(t, s)) {
                ++g_nSkippedWithoutId;
                continue;
            }
            std::string Line;
            if (!Build_Player_Ratings_Line(t, s, Line))
                continue;
            Text += Line;
            Text += '\n';
            ++nCount;
        }
    }
    return nCount;
}

// The file written whole under Path; counted as Export_Player_Ratings.
int Write_Player_Ratings(int nPosition, int nYear, const std::string& Path)
{
    std::string Text = Ratings_Header(nYear);
    const int nCount = Add_Player_Ratings_Lines(nPosition, Text);
    files::Create_Folders("Output/Ratings");
    // Replaced whole: a failure or a kill leaves the old file, never part of
    // the new one, and a link at the name is replaced, never followed.
    errno = 0;
    if (!files::Write_Whole_File(Path.c_str(), Text.data(), Text.size()))
        return -1;
    return nCount;
}

}  // namespace

int Export_Player_Ratings(int nPosition, int nYear)
{
    return Write_Player_Ratings(nPosition, nYear, Get_Player_Ratings_Path(nYear));
}

int Stage_Player_Ratings(int nPosition, int nYear)
{
    const std::string Path = Get_Player_Ratings_Path(nYear);
    if (files::Folder_Exists(Path.c_str())) {
        errno = EISDIR;
        return -1;
    }
    return Write_Player_Ratings(nPosition, nYear, Path + RATINGS_STAGED_SUFFIX);
}

int Append_Player_Ratings(int nPosition, int nYear)
{
    const std::string Path = Get_Player_Ratings_Path(nYear);
    std::string Lines;
    const int nCount = Add_Player_Ratings_Lines(nPosition, Lines);
    files::Create_Folders("Output/Ratings");
    errno = 0;
    FILE* pFile = files::Open_File_To_Append(Path.c_str());
    if (pFile == nullptr)
        return -1;
    // A file that holds nothing yet starts with the header; the lines go in
    // one write.
    struct stat Info;
    const bool bEmpty = ::fstat(::fileno(pFile), &Info) == 0 && Info.st_size == 0;
    const std::string Text = bEmpty ? Ratings_Header(nYear) + Lines : Lines;
    std::fwrite(Text.data(), 1, Text.size(), pFile);
    return files::Close_Written_File(pFile) ? nCount : -1;
}

int Export_Current_Player_Ratings(int nPosition)
{
    return Export_Player_Ratings(nPosition, Get_Current_Year());
}

void Export_Position_Ratings()
{
    const int nYear = Get_Current_Year();
    const std::string Path = Get_Player_Ratings_Path(nYear);
    int nPosition = Get_User_Preference(PREF_RATINGS_POSITION);
    if (nPosition < 0 || nPosition > ALL_POSITIONS)
        nPosition = ALL_POSITIONS;
    if (nPosition != ALL_POSITIONS) {
        int nPlayers = 0;
        for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
            if (!Team_Is_Written(t))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Is_Player_Slot_Used(t, s) && Get_Player_Vital_Stat(t, s, VITAL_POSITION) == nPosition)
                    ++nPlayers;
        }
        const std::string Name = Position_Word(nPosition);
        const std::string Text = "This will export " + std::to_string(nPlayers) + " " + Name + "s to \"" + Path +
                                 "\"\n\n(Use the Sortable Stats Dialog to change the position selected.";
        const std::string First = "Export " + Name + "s";
        const int nAnswer =
            User_Message_Dialog("Export Player Ratings", Text.c_str(), 0, First.c_str(), "Export All Players", "Cancel");
        if (nAnswer == ID_NO)
            nPosition = ALL_POSITIONS;
        else if (nAnswer != ID_YES)
            return;
    }
    const int nCount = Export_Player_Ratings(nPosition, nYear);
    if (nCount < 0) {
        Show_Formatted_Message("Export Player Ratings", "Couldn't write \"%s\" (%s)", Path.c_str(),
                               files::Error_Text(errno));
        return;
    }
    const std::string Name = nPosition == ALL_POSITIONS ? std::string("Player") : Position_Word(nPosition);
    const int nSkipped = Get_Player_Ratings_Skipped();
    if (nSkipped > 0) {
        // The players left out are told of, with the reason.
        Show_Formatted_Message("Export Player Ratings", "%d %ss Written to \"%s\"\n\n%d %s %s.", nCount, Name.c_str(),
                               Path.c_str(), nSkipped, nSkipped == 1 ? "player has" : "players have",
                               PLAYER_RATINGS_SKIPPED_NOTE);
        return;
    }
    Show_Formatted_Message("Export Player Ratings", "%d %ss Written to \"%s\"", nCount, Name.c_str(), Path.c_str());
}
