// Writing the draft class of a built league.

#include "tools/draft_class_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "season/player_value.h"
#include "season/salaries.h"
#include "platform/errors.h"
#include "platform/files.h"

static_assert(DRAFT_CLASS_FILE_SIZE == DRAFT_CLASS_RECORDS * sizeof(PLAYER));

namespace {

constexpr int QUARTERBACK_BONUS = 30;
constexpr int MAXIMUM_BASE_SCORE = 250;
constexpr int KNOWN_DRAFT_YEAR_BONUS = 50;
constexpr int CAREER_PERIOD = 2;
constexpr int CAREER_GAMES = 0;
constexpr int EXCLUDED_FROM_CLASS_FLAG = 1;

struct ROOKIE {
    int nTeam;
    int nSlot;
    int64_t nKey;
};

// Writes the records to a temporary beside the class and renames it over the
// class; the old class untouched on any failure.
int Write_Class_Replacing(const char* szPath, const std::vector<PLAYER>& Records)
{
    std::string Temporary;
    FILE* pFile = files::Create_Temporary_File(szPath, Temporary);
    if (pFile == nullptr) {
        const int nError = errno;
        Write_Debug_Log("Could not create %s: %s", szPath, std::strerror(nError));
        errno = nError;
        return DRAFT_CLASS_NOT_CREATED;
    }
    errno = 0;
    const bool bWritten = std::fwrite(Records.data(), sizeof(PLAYER), Records.size(), pFile) == Records.size();
    if (files::Finish_Temporary_File(pFile, Temporary, szPath, bWritten, true) != files::REPLACE_DONE) {
        const int nError = errno;
        Write_Debug_Log("Could not write %s: %s", szPath, std::strerror(nError));
        errno = nError;
        return DRAFT_CLASS_WRITE_FAILED;
    }
    return DRAFT_CLASS_WRITTEN;
}

}  // namespace

int Get_Draft_Class_Score(float fPotential, int nPosition, int nDraftWord)
{
    // A potential outside any sensible range must not overflow the cast.
    const float fDoubled = std::clamp(fPotential * 2.0f, -1.0e6f, 1.0e6f);
    int nScore = fDoubled == fDoubled ? static_cast<int>(fDoubled) : 0;
    nScore += nPosition == POSITION_QB ? QUARTERBACK_BONUS : -QUARTERBACK_BONUS;
    nScore = std::clamp(nScore, 0, MAXIMUM_BASE_SCORE);
    if (nDraftWord % 10000 != 0)
        nScore += KNOWN_DRAFT_YEAR_BONUS;
    return nScore;
}

namespace {

// Gathers the class (see Write_Draft_Class_Database) into Records, best
// first; DRAFT_CLASS_OVERFLOW (errno EFBIG) when more rookies than it holds.
int Gather_Draft_Class(std::vector<PLAYER>& Records, int* pRookies)
{
    const int nYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    const int nTeams = Count_Teams();

    std::vector<ROOKIE> Rookies;
    Rookies.reserve(DRAFT_CLASS_RECORDS);
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) == 0)
                continue;
            if (Get_Player_Stat(t, s, CAREER_PERIOD, CAREER_GAMES) != 0 ||
                (Get_Player_Vital_Stat(t, s, VITAL_FLAGS) & EXCLUDED_FROM_CLASS_FLAG) != 0)
                continue;
            const int nScore = Get_Draft_Class_Score(Compute_Player_Potential(t, s),
                                                     Get_Player_Vital_Stat(t, s, VITAL_POSITION),
                                                     Get_Player_Vital_Stat(t, s, VITAL_DRAFTED_BY));
            // The byte is read signed: it holds the score up to 127, the
            // order below takes it whole.
            Set_Player_Draft_Score(t, s, nScore);
            Rookies.push_back({t, s, int64_t(nScore) + Get_Player_Vital_Stat(t, s, VITAL_CAREER_GAMES_AND_STARTS)});
        }
    }
    if (pRookies != nullptr)
        *pRookies = static_cast<int>(Rookies.size());
    // A class cut at the thousandth would drop the clubs scanned last whole:
    // no class is better than one that misses them.
    if (static_cast<int>(Rookies.size()) > DRAFT_CLASS_RECORDS) {
        Write_Debug_Log("Draft class of %d not written: %zu rookies, more than %d", nYear, Rookies.size(),
                        DRAFT_CLASS_RECORDS);
        errno = EFBIG;
        return DRAFT_CLASS_OVERFLOW;
    }

    std::stable_sort(Rookies.begin(), Rookies.end(),
                     [](const ROOKIE& A, const ROOKIE& B) { return A.nKey > B.nKey; });
    Records.clear();
    Records.resize(DRAFT_CLASS_RECORDS);
    std::memset(static_cast<void*>(Records.data()), 0, DRAFT_CLASS_FILE_SIZE);
    for (size_t i = 0; i < Rookies.size(); ++i)
        Copy_Player_To_Memory(&Records[i], Rookies[i].nTeam, Rookies[i].nSlot);
    return DRAFT_CLASS_WRITTEN;
}

std::string Staged_Log_Path()
{
    return std::string(DRAFT_CLASS_LOG_FILE) + DRAFT_CLASS_STAGED_SUFFIX;
}

// Writes the log with the class's line added whole to szTarget (the log
// itself, or its staged name). 0; else the step that failed (1: the log could
// not be read, 2: the new one not written), errno saying why.
int Write_Class_Log(const char* szTarget, int nYear, int nRookies)
{
    std::string Text;
    // A link at the log's name is replaced, never read through: the log
    // starts afresh, as an append to it did.
    std::vector<unsigned char> Old;
    if (!files::Is_Symbolic_Link(DRAFT_CLASS_LOG_FILE)) {
        if (files::Read_Whole_File(DRAFT_CLASS_LOG_FILE, Old))
            Text.assign(Old.begin(), Old.end());
        else if (errno != ENOENT)
            return 1;
    }
    // A line cut short by an earlier failure is ended, never continued.
    if (!Text.empty() && Text.back() != '\n')
        Text += '\n';
    Text += std::to_string(nYear) + "," + std::to_string(nRookies) + "\n";
    return files::Write_Whole_File(szTarget, Text.data(), Text.size()) ? 0 : 2;
}

// "\"Draft-Class-Rookies.csv\" could not be written (Is a directory)"
std::string Log_Not_Written(const std::string& Path, int nError)
{
    return "\"" + files::Resolve_Path(Path.c_str()) + "\" could not be written (" + files::Error_Text(nError) + ")";
}

// Adds the class's line to the log; DRAFT_CLASS_LOG_FAILED (errno kept)
// when it cannot.
int Log_Draft_Class(int nYear, int nRookies)
{
    if (Write_Class_Log(DRAFT_CLASS_LOG_FILE, nYear, nRookies) == 0)
        return DRAFT_CLASS_WRITTEN;
    const int nError = errno;
    Write_Debug_Log("Could not write %s: %s", DRAFT_CLASS_LOG_FILE, files::Error_Text(nError));
    errno = nError;
    return DRAFT_CLASS_LOG_FAILED;
}

// Removes a staged file unless a folder stands at its name.
bool Delete_Staged(const std::string& Path)
{
    return !files::Folder_Exists(Path.c_str()) && files::Delete_File(Path.c_str());
}

// "the draft class of 2010 ("Databases/rookies-2010.dat") could not be
// written (Is a directory)"
std::string Class_Not_Written(int nYear, const std::string& Path, int nError)
{
    return "the draft class of " + std::to_string(nYear) + " (\"" + files::Resolve_Path(Path.c_str()) +
           "\") could not be written (" + files::Error_Text(nError) + ")";
}

}  // namespace

std::string Get_Draft_Class_Path(int nYear)
{
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), "%s/rookies-%d.dat", DRAFT_CLASS_FOLDER, nYear);
    return szPath;
}

int Write_Draft_Class_Database(int* pRookies)
{
    const int nYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    std::vector<PLAYER> Records;
    int nRookies = 0;
    const int nGathered = Gather_Draft_Class(Records, &nRookies);
    if (pRookies != nullptr)
        *pRookies = nRookies;
    if (nGathered != DRAFT_CLASS_WRITTEN)
        return nGathered;
    const std::string Path = Get_Draft_Class_Path(nYear);
    files::Create_Folders(DRAFT_CLASS_FOLDER);
    const int nResult = Write_Class_Replacing(Path.c_str(), Records);
    if (nResult != DRAFT_CLASS_WRITTEN)
        return nResult;
    return Log_Draft_Class(nYear, nRookies);
}

int Stage_Draft_Class(int* pRookies, std::string& Problem)
{
    Problem.clear();
    const int nYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    std::vector<PLAYER> Records;
    const int nGathered = Gather_Draft_Class(Records, pRookies);
    if (nGathered != DRAFT_CLASS_WRITTEN)
        return nGathered;
    const std::string Path = Get_Draft_Class_Path(nYear);
    const std::string Staged = Path + DRAFT_CLASS_STAGED_SUFFIX;
    files::Create_Folders(DRAFT_CLASS_FOLDER);
    // A folder in the class's place would refuse the rename once the
    // database is written: found now, nothing is staged for it.
    if (files::Folder_Exists(Path.c_str())) {
        Problem = Class_Not_Written(nYear, Path, EISDIR);
        errno = EISDIR;
        return DRAFT_CLASS_WRITE_FAILED;
    }
    const int nResult = Write_Class_Replacing(Staged.c_str(), Records);
    if (nResult != DRAFT_CLASS_WRITTEN) {
        const int nError = errno;
        Problem = Class_Not_Written(nYear, Staged, nError);
        errno = nError;
    }
    return nResult;
}

bool Stage_Draft_Class_Log(int nYear, int nRookies, std::string& Problem)
{
    Problem.clear();
    const std::string Staged = Staged_Log_Path();
    const int nStep = Write_Class_Log(Staged.c_str(), nYear, nRookies);
    if (nStep == 0)
        return true;
    const int nError = errno;
    Problem = Log_Not_Written(nStep == 1 ? DRAFT_CLASS_LOG_FILE : Staged, nError);
    Write_Debug_Log("Could not write %s: %s", nStep == 1 ? DRAFT_CLASS_LOG_FILE : Staged.c_str(),
                    files::Error_Text(nError));
    errno = nError;
    return false;
}

int Commit_Draft_Class(int nYear, std::string& Problem)
{
    Problem.clear();
    const std::string Path = Get_Draft_Class_Path(nYear);
    const std::string Staged = Path + DRAFT_CLASS_STAGED_SUFFIX;
    if (files::File_Exists(Staged.c_str()) && !files::Rename_File(Staged.c_str(), Path.c_str())) {
        const int nError = errno;
        Problem = Class_Not_Written(nYear, Path, nError);
        // Without its class the line would count a class that is not there.
        Discard_Draft_Class(nYear);
        errno = nError;
        return DRAFT_CLASS_WRITE_FAILED;
    }
    const std::string StagedLog = Staged_Log_Path();
    if (files::File_Exists(StagedLog.c_str()) && !files::Rename_File(StagedLog.c_str(), DRAFT_CLASS_LOG_FILE)) {
        const int nError = errno;
        Problem = Log_Not_Written(DRAFT_CLASS_LOG_FILE, nError);
        Delete_Staged(StagedLog);
        errno = nError;
        return DRAFT_CLASS_LOG_FAILED;
    }
    return DRAFT_CLASS_WRITTEN;
}

bool Discard_Draft_Class(int nYear)
{
    // A folder of a staged name is no staged class of ours. Through a link
    // only the one name goes: the year's build wrote it there.
    Delete_Staged(Staged_Log_Path());
    return Delete_Staged(Get_Draft_Class_Path(nYear) + DRAFT_CLASS_STAGED_SUFFIX);
}

bool Is_Staged_Draft_Class_Name(const std::string& Name)
{
    constexpr const char* PREFIX = "rookies-";
    const size_t nPrefix = std::strlen(PREFIX);
    size_t nEnd = nPrefix;
    while (nEnd < Name.size() && Name[nEnd] >= '0' && Name[nEnd] <= '9')
        ++nEnd;
    // The year as the path writes it: digits, no sign, no leading zero.
    if (Name.size() < nPrefix || nEnd == nPrefix || nEnd - nPrefix > 6 || Name[nPrefix] == '0')
        return false;
    const int nYear = std::atoi(Name.substr(nPrefix, nEnd - nPrefix).c_str());
    const std::string Staged =
        Get_Draft_Class_Path(nYear).substr(std::strlen(DRAFT_CLASS_FOLDER) + 1) + DRAFT_CLASS_STAGED_SUFFIX;
    // No wildcard in it: a match is the name itself, case aside.
    return files::Wildcard_Match(Staged.c_str(), Name.c_str());
}

int Discard_All_Staged_Draft_Classes(bool (*pKeepYear)(int nYear), bool bKeepLog)
{
    constexpr size_t YEAR_AT = 8;   // "rookies-"
    const std::string Pattern = std::string("rookies-*.dat") + DRAFT_CLASS_STAGED_SUFFIX;
    return files::Delete_Matching_Files(DRAFT_CLASS_FOLDER, Pattern.c_str(),
                                        [pKeepYear](const std::string& Name) {
                                            return Is_Staged_Draft_Class_Name(Name) &&
                                                   (pKeepYear == nullptr || !pKeepYear(std::atoi(Name.c_str() + YEAR_AT)));
                                        }) +
           (!bKeepLog && Delete_Staged(Staged_Log_Path()) ? 1 : 0);
}
