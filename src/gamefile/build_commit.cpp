// Putting a built year in place as one. See build_commit.h.
#include "gamefile/build_commit.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "export/ratings_file.h"
#include "gamefile/game_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "tools/draft_class_file.h"
#include "tools/leader_files.h"

namespace {

constexpr const char* COMMIT_HEAD = "Kelvo database commit";
constexpr const char* DATABASE_FOLDER = "databases";
constexpr const char* RATINGS_FOLDER = "Output/Ratings";
// A record is six short lines.
constexpr size_t COMMIT_RECORD_LIMIT = 4096;

std::string Database_Path(int nYear)
{
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, nYear);
    return szPath;
}

std::string Staged_Ratings_Path(int nYear)
{
    return Get_Player_Ratings_Path(nYear) + RATINGS_STAGED_SUFFIX;
}

// The last part of a path.
std::string Name_Of(const std::string& Path)
{
    const size_t nSlash = Path.rfind('/');
    return nSlash == std::string::npos ? Path : Path.substr(nSlash + 1);
}

// Whether Name is the one Name_For(year) gives for the year written in
// digits at nAt (no sign, no leading zero), case aside as names are
// resolved.
bool Is_Year_Name(const std::string& Name, size_t nAt, std::string (*Name_For)(int))
{
    size_t nEnd = nAt;
    while (nEnd < Name.size() && Name[nEnd] >= '0' && Name[nEnd] <= '9')
        ++nEnd;
    if (nEnd == nAt || nEnd - nAt > 6 || Name[nAt] == '0')
        return false;
    const int nYear = std::atoi(Name.substr(nAt, nEnd - nAt).c_str());
    // No wildcard in it: a match is the name itself.
    return files::Wildcard_Match(Name_Of(Name_For(nYear)).c_str(), Name.c_str());
}

constexpr size_t DATABASE_YEAR_AT = 9;   // "universe-"

bool Is_Staged_Database_Name(const std::string& Name)
{
    return Is_Year_Name(Name, DATABASE_YEAR_AT, Get_Staged_Database_Path);
}

bool Is_Commit_Record_Name(const std::string& Name)
{
    return Is_Year_Name(Name, DATABASE_YEAR_AT, Get_Build_Commit_Path);
}

bool Is_Staged_Ratings_Name(const std::string& Name)
{
    return Is_Year_Name(Name, 0, Staged_Ratings_Path);
}

// Whether anything stands at the name of a commit record of the year.
bool Has_Record_Left(int nYear)
{
    return files::Entry_Exists(Get_Build_Commit_Path(nYear).c_str());
}

// Removes a staged file unless a folder stands at its name.
bool Delete_Staged(const std::string& Path)
{
    return !files::Folder_Exists(Path.c_str()) && files::Delete_File(Path.c_str());
}

// Whether a file a record names can be seen: in place, or staged beside it.
// A folder linked to a disk that is not mounted shows neither.
bool Is_In_Sight(const std::string& Path, const char* szStagedSuffix)
{
    return files::Entry_Exists(Path.c_str()) || files::Entry_Exists((Path + szStagedSuffix).c_str());
}

// Whether a folder lies behind a link that leads nowhere (a disk not
// mounted): what is staged there cannot be seen, nor removed. A folder
// simply missing holds nothing.
bool Is_Folder_Out_Of_Sight(const std::string& Folder)
{
    for (size_t nSlash = 0; nSlash != std::string::npos;) {
        nSlash = Folder.find('/', nSlash + 1);
        const std::string Part = Folder.substr(0, nSlash);
        if (files::Folder_Exists(Part.c_str()))
            continue;
        return files::Is_Symbolic_Link(Part.c_str());
    }
    return false;
}

// The first folder a discard of the record would remove staged files from
// that this start cannot see; "" when it sees each one.
std::string First_Folder_Out_Of_Sight(const BUILD_COMMIT& Commit)
{
    std::vector<std::string> Folders = {LEADER_FILES_FOLDER, DRAFT_CLASS_FOLDER};
    if (Commit.nRatingsYear != 0)
        Folders.push_back(RATINGS_FOLDER);
    for (const std::string& Folder : Folders)
        if (Is_Folder_Out_Of_Sight(Folder))
            return Folder;
    return std::string();
}

// The first file a record names that is neither in place nor staged where
// this start can see it; "" when each one is.
std::string First_File_Out_Of_Sight(const BUILD_COMMIT& Commit)
{
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT; ++nTable)
        for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
            const std::string Path = Get_Leader_File_Path(Commit.nYear, nTable, nStat);
            if (!Is_In_Sight(Path, LEADER_STAGED_SUFFIX))
                return Path;
        }
    if (Commit.bClass && !Is_In_Sight(Get_Draft_Class_Path(Commit.nYear), DRAFT_CLASS_STAGED_SUFFIX))
        return Get_Draft_Class_Path(Commit.nYear);
    if (Commit.bClassLog && !Is_In_Sight(DRAFT_CLASS_LOG_FILE, DRAFT_CLASS_STAGED_SUFFIX))
        return DRAFT_CLASS_LOG_FILE;
    if (Commit.nRatingsYear != 0 && !Is_In_Sight(Get_Player_Ratings_Path(Commit.nRatingsYear), RATINGS_STAGED_SUFFIX))
        return Get_Player_Ratings_Path(Commit.nRatingsYear);
    return std::string();
}

// "\"Output/Ratings/2010_Player_Ratings.csv\" could not be written (Is a directory)"
std::string Not_Written(const std::string& Path, int nError)
{
    return "\"" + files::Resolve_Path(Path.c_str()) + "\" could not be written (" + files::Error_Text(nError) + ")";
}

}  // namespace

std::string Get_Staged_Database_Path(int nYear)
{
    return Database_Path(nYear) + BUILD_STAGED_SUFFIX;
}

std::string Get_Build_Commit_Path(int nYear)
{
    return Database_Path(nYear) + BUILD_COMMIT_SUFFIX;
}

bool Measure_Database_File(const char* szPath, long long& nSize, uint32_t& nChecksum)
{
    nSize = 0;
    nChecksum = 0;
    FILE* pFile = files::Open_File(szPath, "rb");
    if (pFile == nullptr)
        return false;
    uLong nCrc = crc32(0L, Z_NULL, 0);
    std::vector<unsigned char> Buffer(1 << 16);
    size_t nRead = 0;
    while ((nRead = std::fread(Buffer.data(), 1, Buffer.size(), pFile)) > 0) {
        nCrc = crc32(nCrc, Buffer.data(), static_cast<uInt>(nRead));
        nSize += static_cast<long long>(nRead);
    }
    const bool bFailed = std::ferror(pFile) != 0;
    const int nError = errno;
    std::fclose(pFile);
    nChecksum = static_cast<uint32_t>(nCrc);
    errno = bFailed ? (nError != 0 ? nError : EIO) : 0;
    return !bFailed;
}

bool Write_Build_Commit(const BUILD_COMMIT& Commit)
{
    char szText[512];
    const int nLength = std::snprintf(szText, sizeof(szText), "%s\nyear %d\ndatabase %lld %lu\nclass %d\nlog %d\nratings %d\n",
                                      COMMIT_HEAD, Commit.nYear, Commit.nDatabaseSize,
                                      static_cast<unsigned long>(Commit.nDatabaseChecksum), Commit.bClass ? 1 : 0,
                                      Commit.bClassLog ? 1 : 0, Commit.nRatingsYear);
    // Synced: the record is on the disk before the database takes its name.
    return files::Write_Whole_File(Get_Build_Commit_Path(Commit.nYear).c_str(), szText,
                                   static_cast<size_t>(nLength), true);
}

bool Read_Build_Commit(const char* szPath, BUILD_COMMIT& Commit)
{
    Commit = BUILD_COMMIT();
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(szPath, Data, COMMIT_RECORD_LIMIT))
        return false;
    const std::string Text(Data.begin(), Data.end());
    // Written as Write_Build_Commit writes it, to the byte: anything else is
    // a record cut short or not ours.
    long long nSize = -1;
    unsigned long nChecksum = 0;
    int nYear = 0, nClass = -1, nLog = -1, nRatings = -1, nEnd = 0;
    const std::string Format = std::string(COMMIT_HEAD) + "\nyear %d\ndatabase %lld %lu\nclass %d\nlog %d\nratings %d\n%n";
    if (std::sscanf(Text.c_str(), Format.c_str(), &nYear, &nSize, &nChecksum, &nClass, &nLog, &nRatings, &nEnd) != 6 ||
        static_cast<size_t>(nEnd) != Text.size() || nYear <= 0 || nSize < 0 || nChecksum > 0xFFFFFFFFul ||
        (nClass != 0 && nClass != 1) || (nLog != 0 && nLog != 1) || nRatings < 0)
        return false;
    BUILD_COMMIT Read;
    Read.nYear = nYear;
    Read.nDatabaseSize = nSize;
    Read.nDatabaseChecksum = static_cast<uint32_t>(nChecksum);
    Read.bClass = nClass == 1;
    Read.bClassLog = nLog == 1;
    Read.nRatingsYear = nRatings;
    // The record as it would be written: no blank, sign or zero more.
    char szAgain[512];
    std::snprintf(szAgain, sizeof(szAgain), "%s\nyear %d\ndatabase %lld %lu\nclass %d\nlog %d\nratings %d\n", COMMIT_HEAD,
                  nYear, nSize, nChecksum, nClass, nLog, nRatings);
    if (Text != szAgain)
        return false;
    Commit = Read;
    return true;
}

bool Put_Staged_Database_In_Place(int nYear)
{
    const std::string Path = Database_Path(nYear);
    if (!files::Rename_File(Get_Staged_Database_Path(nYear).c_str(), Path.c_str()))
        return false;
    // The new name is made to last, as a save's is.
    if (!files::Sync_Folder_Of(Path.c_str()))
        Write_Debug_Log("The folder of %s could not be synced after the rename (%s)", Path.c_str(),
                        files::Error_Text(errno));
    errno = 0;
    return true;
}

void Commit_Staged_Year(const BUILD_COMMIT& Commit, BUILD_COMMIT_PROBLEMS& Problems)
{
    Problems = BUILD_COMMIT_PROBLEMS();
    Commit_Leader_Files(Commit.nYear, Problems.Leaders);
    if (Commit.bClass) {
        // Its log is renamed in with it, never without it.
        Commit_Draft_Class(Commit.nYear, Problems.Class);
    }
    if (Commit.nRatingsYear != 0) {
        const std::string Path = Get_Player_Ratings_Path(Commit.nRatingsYear);
        const std::string Staged = Staged_Ratings_Path(Commit.nRatingsYear);
        if (files::File_Exists(Staged.c_str()) && !files::Rename_File(Staged.c_str(), Path.c_str())) {
            const int nError = errno;
            Problems.Ratings = Not_Written(Path, nError);
            Delete_Staged(Staged);
        }
    }
}

void Discard_Staged_Year(int nYear, int nRatingsYear)
{
    // By their names wherever each folder leads (a link to a larger disk):
    // the year's build wrote exactly these there.
    Discard_Leader_Files(nYear);
    Discard_Draft_Class(nYear);
    if (nRatingsYear != 0)
        Delete_Staged(Staged_Ratings_Path(nRatingsYear));
    Delete_Staged(Get_Staged_Database_Path(nYear));
    Delete_Staged(Get_Build_Commit_Path(nYear));
}

int Finish_Interrupted_Build_Commits()
{
    // A database folder linked elsewhere (a larger disk) is where the builds
    // wrote: its records are handled as any, each touching only the names
    // its year stages.
    if (!files::Folder_Exists(DATABASE_FOLDER))
        return 0;
    int nHandled = 0;
    for (const std::string& Name : files::List_Folder(DATABASE_FOLDER, "universe-*.dat.commit")) {
        const std::string Path = std::string(DATABASE_FOLDER) + "/" + Name;
        if (!Is_Commit_Record_Name(Name))
            continue;
        const int nYear = std::atoi(Name.c_str() + DATABASE_YEAR_AT);
        const bool bLink = files::Is_Symbolic_Link(Path.c_str());
        if (bLink || files::Folder_Exists(Path.c_str())) {
            // Not a record the build wrote: left as it is, and with it what
            // the year staged (Discard_All_Staged_Build_Files keeps it).
            Write_Debug_Log("Left the commit record %s of a database build that did not finish as it is: it is %s, "
                            "not a file",
                            Path.c_str(), bLink ? "a symbolic link" : "a folder");
            continue;
        }
        BUILD_COMMIT Commit;
        if (!Read_Build_Commit(Path.c_str(), Commit) || Commit.nYear != nYear) {
            ++nHandled;
            // What it names cannot be known: what the year staged goes, the
            // database in place stays.
            Write_Debug_Log("Removed the commit record %s of a database build that did not finish: it cannot be read",
                            Path.c_str());
            Discard_Staged_Year(nYear, 0);
            continue;
        }
        const std::string Database = Database_Path(nYear);
        long long nSize = 0;
        uint32_t nChecksum = 0;
        const bool bBuilt = Measure_Database_File(Database.c_str(), nSize, nChecksum) &&
                            nSize == Commit.nDatabaseSize && nChecksum == Commit.nDatabaseChecksum;
        // A file it names that this start cannot see (its folder a link to
        // a disk not mounted) would be left out of the commit; a folder it
        // cannot see would keep what the year staged there for good. The
        // record waits for a start that sees them.
        if (const std::string Unseen = bBuilt ? First_File_Out_Of_Sight(Commit) : First_Folder_Out_Of_Sight(Commit);
            !Unseen.empty()) {
            Write_Debug_Log("Kept the commit record %s of a database build that did not finish: %s is %s where this "
                            "start can see it (a disk not mounted?); a later start handles it",
                            Path.c_str(), Unseen.c_str(), bBuilt ? "neither in place nor staged" : "not a folder");
            continue;
        }
        ++nHandled;
        if (bBuilt) {
            BUILD_COMMIT_PROBLEMS Problems;
            Commit_Staged_Year(Commit, Problems);
            Write_Debug_Log("Finished the commit of the database of %d that a build was stopped in: the files "
                            "staged with it are in place",
                            nYear);
            for (const std::string* pProblem : {&Problems.Leaders, &Problems.Class, &Problems.Ratings})
                if (!pProblem->empty())
                    Write_Debug_Log("Database of %d: %s", nYear, pProblem->c_str());
        } else {
            Write_Debug_Log("Removed what a database build of %d that was stopped staged: %s is not the database "
                            "it built",
                            nYear, Database.c_str());
            Discard_Staged_Year(nYear, Commit.nRatingsYear);
        }
        files::Delete_File(Path.c_str());
    }
    return nHandled;
}

int Discard_All_Staged_Build_Files()
{
    // A database folder linked to where nothing is now (a disk not mounted)
    // may hold a record naming any of them: nothing staged goes until the
    // start can read it.
    if (files::Is_Symbolic_Link(DATABASE_FOLDER) && !files::Folder_Exists(DATABASE_FOLDER))
        return 0;
    // A record still there (one the start could not handle) keeps what its
    // year staged, the class log with it.
    bool bRecordLeft = false;
    for (const std::string& Name : files::List_Folder(DATABASE_FOLDER, "universe-*.dat.commit"))
        bRecordLeft = bRecordLeft || Is_Commit_Record_Name(Name);
    int nRemoved = Discard_All_Staged_Leader_Files(Has_Record_Left) +
                   Discard_All_Staged_Draft_Classes(Has_Record_Left, bRecordLeft);
    const std::string Suffix = BUILD_STAGED_SUFFIX;
    nRemoved += files::Delete_Matching_Files(DATABASE_FOLDER, ("universe-*.dat" + Suffix).c_str(),
                                             [](const std::string& Name) {
                                                 return Is_Staged_Database_Name(Name) &&
                                                        !Has_Record_Left(std::atoi(Name.c_str() + DATABASE_YEAR_AT));
                                             });
    nRemoved += files::Delete_Matching_Files(RATINGS_FOLDER, ("*_Player_Ratings.csv" + Suffix).c_str(),
                                             [](const std::string& Name) {
                                                 return Is_Staged_Ratings_Name(Name) &&
                                                        !Has_Record_Left(std::atoi(Name.c_str()));
                                             });
    return nRemoved;
}
