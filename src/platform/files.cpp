#include "platform/files.h"
#include "platform/errors.h"
#include "platform/files_sync.h"
#include "platform/files_test_hooks.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>
#include <unordered_map>

namespace files {

namespace {

bool Path_Exists(const std::string& Path, bool bFolder)
{
    struct stat st;
    return ::stat(Path.c_str(), &st) == 0 && (!bFolder || S_ISDIR(st.st_mode));
}

std::string Join(const std::string& Folder, const std::string& Name)
{
    if (Folder.empty())
        return Name;
    return Folder == "/" ? "/" + Name : Folder + "/" + Name;
}

std::string Lower_Case(const char* szName)
{
    std::string Lower(szName);
    for (char& c : Lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return Lower;
}

// The names of the folders that were listed to match a name without regard
// to case, kept while the folder stays as it was: a writer that makes
// thousands of new files in one folder (the game pages) would otherwise list
// it once per file. A listing stands while the folder is the same one (device
// and inode) with the same change time to the nanosecond; our own creations,
// removals and renames are entered into it as they happen, and anything else
// that changes the folder makes the next look list it again.
struct FOLDER_NAMES {
    dev_t nDevice = 0;
    ino_t nInode = 0;
    struct timespec Changed = {};
    std::unordered_map<std::string, std::vector<std::string>> ByLower;
};

constexpr size_t KEPT_LISTINGS = 64;
std::mutex g_ListingsLock;
std::unordered_map<std::string, FOLDER_NAMES> g_Listings;

bool Same_Folder(const FOLDER_NAMES& Names, const struct stat& st)
{
    return Names.nDevice == st.st_dev && Names.nInode == st.st_ino && Names.Changed.tv_sec == st.st_mtim.tv_sec &&
           Names.Changed.tv_nsec == st.st_mtim.tv_nsec;
}

void Stamp(FOLDER_NAMES& Names, const struct stat& st)
{
    Names.nDevice = st.st_dev;
    Names.nInode = st.st_ino;
    Names.Changed = st.st_mtim;
}

// The spellings in Folder of a name in lower case; false when the folder
// cannot be read. Lists the folder only when its kept listing is stale.
bool Spellings_In_Folder(const std::string& Folder, const std::string& Lower, std::vector<std::string>& Spellings)
{
    Spellings.clear();
    const char* szFolder = Folder.empty() ? "." : Folder.c_str();
    struct stat st;
    if (::stat(szFolder, &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    std::lock_guard<std::mutex> Guard(g_ListingsLock);
    auto Found = g_Listings.find(Folder);
    if (Found == g_Listings.end() || !Same_Folder(Found->second, st)) {
        DIR* pDir = ::opendir(szFolder);
        if (pDir == nullptr)
            return false;
        if (Found == g_Listings.end()) {
            if (g_Listings.size() >= KEPT_LISTINGS)
                g_Listings.clear();
            Found = g_Listings.emplace(Folder, FOLDER_NAMES()).first;
        }
        FOLDER_NAMES& Names = Found->second;
        Names.ByLower.clear();
        // Stamped with the time seen before the listing: a change made while
        // it is read makes the next look list it again.
        Stamp(Names, st);
        while (dirent* pEntry = ::readdir(pDir)) {
            if (std::strcmp(pEntry->d_name, ".") == 0 || std::strcmp(pEntry->d_name, "..") == 0)
                continue;
            Names.ByLower[Lower_Case(pEntry->d_name)].emplace_back(pEntry->d_name);
        }
        ::closedir(pDir);
    }
    const auto Match = Found->second.ByLower.find(Lower);
    if (Match != Found->second.ByLower.end())
        Spellings = Match->second;
    return true;
}

// Splits a resolved path into its folder (as Resolve_Path builds it: "" for
// a bare name) and its last name.
void Split_Path(const std::string& Path, std::string& Folder, std::string& Name)
{
    const size_t nSlash = Path.rfind('/');
    if (nSlash == std::string::npos) {
        Folder.clear();
        Name = Path;
    } else {
        Folder = nSlash == 0 ? "/" : Path.substr(0, nSlash);
        Name = Path.substr(nSlash + 1);
    }
}

// What the program wrote (paths as resolved); writers may run on threads.
std::mutex g_WrittenMutex;
std::set<std::string> g_Written;

void Note_Written(const std::string& Path, bool bWritten)
{
    std::lock_guard<std::mutex> Lock(g_WrittenMutex);
    if (bWritten)
        g_Written.insert(Path);
    else
        g_Written.erase(Path);
}

// Enters a change we made into the kept listing of its folder (when there is
// one), so that it stands without listing the folder again.
void Note_Name(const std::string& Path, bool bAdded)
{
    std::string Folder, Name;
    Split_Path(Path, Folder, Name);
    if (Name.empty() || Name == "." || Name == "..")
        return;
    std::lock_guard<std::mutex> Guard(g_ListingsLock);
    const auto Found = g_Listings.find(Folder);
    if (Found == g_Listings.end())
        return;
    struct stat st;
    if (::stat(Folder.empty() ? "." : Folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        g_Listings.erase(Found);
        return;
    }
    std::vector<std::string>& Spellings = Found->second.ByLower[Lower_Case(Name.c_str())];
    const auto Same = std::find(Spellings.begin(), Spellings.end(), Name);
    if (bAdded && Same == Spellings.end())
        Spellings.push_back(Name);
    else if (!bAdded && Same != Spellings.end())
        Spellings.erase(Same);
    Stamp(Found->second, st);
}

// The entry of the folder whose name matches the component without regard to
// case. The exact spelling wins when it exists; a component that more of the
// path follows must be a folder, so folders win over files there. Among
// several spellings the smallest byte order is taken, not whichever the
// folder listing happens to give first.
bool Find_Component(const std::string& Folder, const std::string& Component, bool bFolder, std::string& Found)
{
    if (Path_Exists(Join(Folder, Component), bFolder)) {
        Found = Component;
        return true;
    }
    std::vector<std::string> Spellings;
    if (!Spellings_In_Folder(Folder, Lower_Case(Component.c_str()), Spellings))
        return false;
    bool bFound = false;
    bool bFoundFolder = false;
    for (const std::string& Name : Spellings) {
        // The kept listing may be behind a removal made by another program.
        struct stat st;
        if (::lstat(Join(Folder, Name).c_str(), &st) != 0)
            continue;
        bool bIsFolder = Path_Exists(Join(Folder, Name), true);
        bool bBetter = !bFound || (bFolder && bIsFolder && !bFoundFolder) ||
                       ((!bFolder || bIsFolder == bFoundFolder) && Name < Found);
        if (bBetter) {
            Found = Name;
            bFound = true;
            bFoundFolder = bIsFolder;
        }
    }
    return bFound;
}

}  // namespace

std::string Resolve_Path(const char* szPath)
{
    if (szPath == nullptr)
        return std::string();
    std::string Path(szPath);
    for (char& c : Path) {
        if (c == '\\')
            c = '/';
    }
    if (Path.empty())
        return Path;

    std::string Result = Path[0] == '/' ? "/" : "";
    bool bResolving = true;
    size_t nPos = 0;
    while (nPos <= Path.size()) {
        size_t nNext = Path.find('/', nPos);
        if (nNext == std::string::npos)
            nNext = Path.size();
        std::string Component = Path.substr(nPos, nNext - nPos);
        nPos = nNext + 1;
        if (Component.empty())
            continue;
        std::string Name = Component;
        if (bResolving && Component != "." && Component != "..") {
            // A slash after this component: it names a folder.
            bool bFolder = nNext < Path.size();
            if (!Find_Component(Result, Component, bFolder, Name)) {
                // Nothing there yet: new components keep their spelling.
                Name = Component;
                bResolving = false;
            }
        }
        if (Result.empty())
            Result = Name;
        else if (Result == "/")
            Result += Name;
        else
            Result += "/" + Name;
    }
    if (Path.size() > 1 && Path.back() == '/' && !Result.empty() && Result.back() != '/')
        Result += '/';
    return Result;
}

namespace {

// Opens the path without waiting (opening a pipe that nobody writes would wait
// for ever) and sets nError to why what was opened is no file to read: 0 for
// a regular file, EISDIR for a folder, EINVAL for anything else. The check is
// made on the descriptor, not on a name that could change after a look.
// Returns the descriptor, or -1 with errno when the open fails.
int Open_Without_Waiting(const std::string& Path, int nAccess, struct stat& st, int& nError)
{
    nError = 0;
    const int nFile = ::open(Path.c_str(), nAccess | O_NONBLOCK | O_CLOEXEC);
    if (nFile < 0)
        return -1;
    if (::fstat(nFile, &st) != 0)
        nError = errno;
    else if (S_ISDIR(st.st_mode))
        nError = EISDIR;
    else if (!S_ISREG(st.st_mode))
        nError = EINVAL;
    return nFile;
}

// Opens Path to write (nFlags: O_WRONLY or O_RDWR, with O_CREAT and O_APPEND
// or O_TRUNC) without following a symbolic link at its last component: a
// link standing there is removed and a new file made in its place, so that
// nothing is written wherever a planted link points, nor a dangling link's
// target made. It never waits: a pipe or a socket is refused (EINVAL), as is
// a folder (EISDIR); a device is written (the user's own choice, /dev/null)
// unless bRegularOnly. The descriptor, or -1 with errno set.
int Open_Not_Following(const std::string& Path, int nFlags, bool bRegularOnly)
{
    // Another program may plant a new link between our removal and the open:
    // a few rounds, then the cause stands.
    for (int nRound = 0;; ++nRound) {
        const int nFile = ::open(Path.c_str(), nFlags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
        if (nFile >= 0) {
            struct stat st;
            int nError = 0;
            if (::fstat(nFile, &st) != 0)
                nError = errno;
            else if (S_ISDIR(st.st_mode))
                nError = EISDIR;
            else if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || (bRegularOnly && !S_ISREG(st.st_mode)))
                nError = EINVAL;
            if (nError == 0) {
                const int nStatus = ::fcntl(nFile, F_GETFL);
                if (nStatus < 0 || ::fcntl(nFile, F_SETFL, nStatus & ~O_NONBLOCK) != 0)
                    nError = errno;
            }
            if (nError != 0) {
                ::close(nFile);
                errno = nError;
                return -1;
            }
            Note_Name(Path, true);
            Note_Written(Path, true);
            return nFile;
        }
        // A pipe nobody reads, or a socket.
        if (errno == ENXIO) {
            errno = EINVAL;
            return -1;
        }
        const int nError = errno;
        struct stat st;
        if (nError != ELOOP || nRound == 3 || ::lstat(Path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            errno = nError;
            return -1;
        }
        if (::unlink(Path.c_str()) != 0 && errno != ENOENT)
            return -1;
        Note_Name(Path, false);
        Note_Written(Path, false);
    }
}

// fopen that never waits: a mode that reads opens only a regular file (a
// pipe nobody writes would block the open, and a device may never end), and
// the check is made on what was opened, not on a name that could change
// between a look and the open. A mode that only writes refuses a pipe (no
// reader: it would block) but takes a device (/dev/null) as the user's
// choice; no mode that writes follows a link at the name.
FILE* Open_Checked(const std::string& Path, const char* szMode)
{
    const bool bRead = szMode[0] == 'r' || std::strchr(szMode, '+') != nullptr;
    struct stat st;
    // A writer looks at the name itself: a link there is replaced, whatever
    // it points at.
    if ((szMode[0] == 'r' ? ::stat(Path.c_str(), &st) : ::lstat(Path.c_str(), &st)) == 0 && !S_ISLNK(st.st_mode)) {
        // A folder is no file: Linux would open one for reading, Windows not.
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return nullptr;
        }
        if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || (bRead && !S_ISREG(st.st_mode))) {
            errno = EINVAL;
            return nullptr;
        }
    }
    if (szMode[0] != 'r') {
        const int nAccess = bRead ? O_RDWR : O_WRONLY;
        const int nFile =
            Open_Not_Following(Path, nAccess | O_CREAT | (szMode[0] == 'a' ? O_APPEND : O_TRUNC), bRead);
        FILE* pFile = nFile >= 0 ? ::fdopen(nFile, szMode) : nullptr;
        if (pFile == nullptr && nFile >= 0) {
            const int nError = errno;
            ::close(nFile);
            errno = nError;
        }
        return pFile;
    }
    // What was checked may have been replaced since: open without waiting
    // and check again what the descriptor is.
    int nError = 0;
    const int nFile =
        Open_Without_Waiting(Path, bRead && std::strchr(szMode, '+') != nullptr ? O_RDWR : O_RDONLY, st, nError);
    if (nFile < 0)
        return nullptr;
    if (nError == 0) {
        const int nFlags = ::fcntl(nFile, F_GETFL);
        if (nFlags < 0 || ::fcntl(nFile, F_SETFL, nFlags & ~O_NONBLOCK) != 0)
            nError = errno;
    }
    FILE* pFile = nError == 0 ? ::fdopen(nFile, szMode) : nullptr;
    if (pFile == nullptr) {
        if (nError == 0)
            nError = errno;
        ::close(nFile);
        errno = nError;
    }
    return pFile;
}

}  // namespace

FILE* Open_File(const char* szPath, const char* szMode)
{
    if (szPath == nullptr || szMode == nullptr || szPath[0] == '\0' || szMode[0] == '\0') {
        errno = ENOENT;
        return nullptr;
    }
    return Open_Checked(Resolve_Path(szPath), szMode);
}

FILE* Open_File_To_Append(const char* szPath)
{
    return Open_File(szPath, "ab");
}

bool File_Exists(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    struct stat st;
    return ::stat(Resolve_Path(szPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Get_File_Stamp(const char* szPath, FILE_STAMP& Stamp)
{
    Stamp = FILE_STAMP();
    if (szPath == nullptr || szPath[0] == '\0') {
        errno = ENOENT;
        return false;
    }
    struct stat st;
    if (::stat(Resolve_Path(szPath).c_str(), &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    Stamp.nDevice = st.st_dev;
    Stamp.nInode = st.st_ino;
    Stamp.nSize = st.st_size;
    Stamp.nModifiedSeconds = st.st_mtim.tv_sec;
    Stamp.nModifiedNanoseconds = st.st_mtim.tv_nsec;
    Stamp.nChangedSeconds = st.st_ctim.tv_sec;
    Stamp.nChangedNanoseconds = st.st_ctim.tv_nsec;
    // Two seconds: more than any file system's clock tick for these times.
    Stamp.bSettled = static_cast<long long>(std::time(nullptr)) - Stamp.nModifiedSeconds >= 2;
    return true;
}

bool Same_File_Stamp(const FILE_STAMP& A, const FILE_STAMP& B)
{
    return A.nDevice == B.nDevice && A.nInode == B.nInode && A.nSize == B.nSize &&
           A.nModifiedSeconds == B.nModifiedSeconds && A.nModifiedNanoseconds == B.nModifiedNanoseconds &&
           A.nChangedSeconds == B.nChangedSeconds && A.nChangedNanoseconds == B.nChangedNanoseconds;
}

const char* Error_Text(int nError)
{
    if (nError == EINVAL)
        return "not a regular file";
    return std::strerror(nError != 0 ? nError : EIO);
}

bool Climbs_Out_Of_Folder(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '/' || szPath[0] == '\\')
        return false;
    int nDepth = 0;
    const char* p = szPath;
    while (*p != '\0') {
        const char* pEnd = p;
        while (*pEnd != '\0' && *pEnd != '/' && *pEnd != '\\')
            ++pEnd;
        const size_t n = static_cast<size_t>(pEnd - p);
        if (n == 2 && p[0] == '.' && p[1] == '.') {
            if (--nDepth < 0)
                return true;
        } else if (n > 0 && !(n == 1 && p[0] == '.')) {
            ++nDepth;
        }
        p = *pEnd != '\0' ? pEnd + 1 : pEnd;
    }
    return false;
}

bool Folder_Exists(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    struct stat st;
    return ::stat(Resolve_Path(szPath).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Delete_File(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    const std::string Path = Resolve_Path(szPath);
    if (std::remove(Path.c_str()) != 0)
        return false;
    Note_Name(Path, false);
    Note_Written(Path, false);
    return true;
}

bool Rename_File(const char* szFrom, const char* szTo)
{
    if (szFrom == nullptr || szTo == nullptr)
        return false;
    const std::string From = Resolve_Path(szFrom);
    const std::string To = Resolve_Path(szTo);
    if (std::rename(From.c_str(), To.c_str()) != 0)
        return false;
    Note_Name(From, false);
    Note_Name(To, true);
    Note_Written(From, false);
    Note_Written(To, true);
    return true;
}

bool Create_Folders(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    std::string Path = Resolve_Path(szPath);
    for (size_t i = 1; i <= Path.size(); ++i) {
        if (i == Path.size() || Path[i] == '/') {
            std::string Prefix = Path.substr(0, i);
            if (::mkdir(Prefix.c_str(), 0777) == 0)
                Note_Name(Prefix, true);
            else if (errno != EEXIST)
                return false;
        }
    }
    struct stat st;
    if (::stat(Path.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;   // a file stands where the folder should be
        return false;
    }
    return true;
}

bool Read_Whole_File(const char* szPath, std::vector<unsigned char>& Data, size_t nMaxBytes)
{
    Data.clear();
    if (szPath == nullptr || szPath[0] == '\0') {
        errno = ENOENT;
        return false;
    }
    struct stat st;
    int nError = 0;
    const int nFile = Open_Without_Waiting(Resolve_Path(szPath), O_RDONLY, st, nError);
    if (nFile < 0)
        return false;
    if (nError == 0 && static_cast<unsigned long long>(st.st_size) > nMaxBytes)
        nError = EFBIG;
    // The size can grow while we read, and some files claim none: stop one
    // byte past the limit whatever the size said.
    unsigned char Buffer[65536];
    while (nError == 0) {
        const size_t nRoom = nMaxBytes - Data.size();
        const size_t nWant = nRoom < sizeof(Buffer) ? nRoom + 1 : sizeof(Buffer);
        const ssize_t n = ::read(nFile, Buffer, nWant);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            nError = errno;
        } else if (n == 0) {
            break;
        } else {
            Data.insert(Data.end(), Buffer, Buffer + n);
            if (Data.size() > nMaxBytes)
                nError = EFBIG;
        }
    }
    ::close(nFile);
    if (nError != 0) {
        Data.clear();
        errno = nError;
        return false;
    }
    return true;
}

bool Wildcard_Match(const char* szPattern, const char* szName)
{
    if (szPattern == nullptr || szName == nullptr)
        return false;
    // Iterative '*' and '?' matching, without regard to case.
    const char* p = szPattern;
    const char* s = szName;
    const char* pStar = nullptr;
    const char* sStar = nullptr;
    while (*s != '\0') {
        if (*p == '*') {
            pStar = p++;
            sStar = s;
        } else if (*p == '?' ||
                   (*p != '\0' && std::tolower(static_cast<unsigned char>(*p)) == std::tolower(static_cast<unsigned char>(*s)))) {
            ++p;
            ++s;
        } else if (pStar != nullptr) {
            p = pStar + 1;
            s = ++sStar;
        } else {
            return false;
        }
    }
    while (*p == '*')
        ++p;
    return *p == '\0';
}

std::vector<std::string> List_Folder(const char* szFolder, const char* szPattern)
{
    std::vector<std::string> Names;
    std::string Folder = Resolve_Path(szFolder != nullptr && szFolder[0] != '\0' ? szFolder : ".");
    DIR* pDir = ::opendir(Folder.c_str());
    if (pDir == nullptr)
        return Names;
    while (dirent* pEntry = ::readdir(pDir)) {
        if (std::strcmp(pEntry->d_name, ".") == 0 || std::strcmp(pEntry->d_name, "..") == 0)
            continue;
        if (szPattern == nullptr || Wildcard_Match(szPattern, pEntry->d_name))
            Names.emplace_back(pEntry->d_name);
    }
    ::closedir(pDir);
    // In name order, so that "the first found" is the same on every system.
    std::sort(Names.begin(), Names.end());
    return Names;
}

bool Folder_Is_Inside_Current(const char* szFolder)
{
    if (szFolder == nullptr || szFolder[0] == '\0')
        return false;
    char szReal[PATH_MAX];
    char szCurrent[PATH_MAX];
    if (::realpath(Resolve_Path(szFolder).c_str(), szReal) == nullptr || ::realpath(".", szCurrent) == nullptr)
        return false;
    const size_t nCurrent = std::strlen(szCurrent);
    // "/" holds everything; otherwise the folder itself or a name below it.
    return std::strncmp(szReal, szCurrent, nCurrent) == 0 &&
           (szReal[nCurrent] == '\0' || szReal[nCurrent] == '/' || (nCurrent == 1 && szCurrent[0] == '/'));
}

bool Is_Symbolic_Link(const char* szPath)
{
    struct stat st;
    return szPath != nullptr && szPath[0] != '\0' && ::lstat(Resolve_Path(szPath).c_str(), &st) == 0 &&
           S_ISLNK(st.st_mode);
}

int Delete_Matching_Files(const char* szFolder, const char* szPattern,
                          const std::function<bool(const std::string& Name)>& IsOurs)
{
    if (!Folder_Exists(szFolder) || !Folder_Is_Inside_Current(szFolder))
        return 0;
    int nDeleted = 0;
    for (const std::string& Name : List_Folder(szFolder, szPattern)) {
        if (IsOurs && !IsOurs(Name))
            continue;
        const std::string Path = std::string(szFolder) + "/" + Name;
        if (!Folder_Exists(Path.c_str()) && Delete_File(Path.c_str()))
            ++nDeleted;
    }
    return nDeleted;
}

bool Get_Modification_Time(const char* szPath, std::time_t& Time)
{
    struct stat st;
    if (szPath == nullptr || ::stat(Resolve_Path(szPath).c_str(), &st) != 0)
        return false;
    Time = st.st_mtime;
    return true;
}

bool Get_Modification_Time(const char* szPath, std::time_t& Time, long& nNanoseconds)
{
    struct stat st;
    if (szPath == nullptr || ::stat(Resolve_Path(szPath).c_str(), &st) != 0)
        return false;
    Time = st.st_mtim.tv_sec;
    nNanoseconds = st.st_mtim.tv_nsec;
    return true;
}

std::string Get_Current_Folder()
{
    char szBuffer[4096];
    if (::getcwd(szBuffer, sizeof(szBuffer)) == nullptr)
        return std::string();
    return szBuffer;
}

namespace {
int g_nLockFile = -1;

// The folder part of a path ("." for a bare name), resolved.
std::string Folder_Of(const char* szPath)
{
    const std::string Path = Resolve_Path(szPath);
    const size_t nSlash = Path.rfind('/');
    if (nSlash == std::string::npos)
        return ".";
    return nSlash == 0 ? "/" : Path.substr(0, nSlash);
}
}  // namespace

int Take_Folder_Lock(const char* szLockFile)
{
    if (szLockFile == nullptr || szLockFile[0] == '\0') {
        errno = ENOENT;
        return -1;
    }
    const std::string Path = Resolve_Path(szLockFile);
    // A symbolic link in the lock file's place is never followed: a dangling
    // one would make a file wherever it points (ELOOP).
    int nFile = ::open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    // A lock is taken on a file opened for reading too (a read-only folder
    // that already holds the lock file).
    if (nFile < 0 && (errno == EACCES || errno == EROFS)) {
        // When there is no lock file to open either, the first error is the
        // cause ("Read-only file system"), not the retry's "No such file".
        const int nFirstError = errno;
        nFile = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (nFile < 0 && errno == ENOENT)
            errno = nFirstError;
    }
    if (nFile < 0)
        return -1;
    int nResult;
    while ((nResult = ::flock(nFile, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (nResult != 0) {
        const int nError = errno;
        ::close(nFile);
        errno = nError;
        return nError == EWOULDBLOCK ? 0 : -1;
    }
    Release_Folder_Lock();
    g_nLockFile = nFile;
    return 1;
}

void Release_Folder_Lock()
{
    if (g_nLockFile >= 0)
        ::close(g_nLockFile);
    g_nLockFile = -1;
}

namespace {
// The device a test hands out in place of new temporaries (files_test_hooks.h).
std::string g_TemporaryDevice;

bool Is_Device(const struct stat& st)
{
    return S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode);
}
}  // namespace

void Set_Temporary_Write_Device(const char* szDevice)
{
    g_TemporaryDevice = szDevice != nullptr ? szDevice : "";
}

FILE* Create_Temporary_File(const char* szTarget, std::string& Path)
{
    Path.clear();
    if (szTarget == nullptr || szTarget[0] == '\0') {
        errno = ENOENT;
        return nullptr;
    }
    // A device standing at the name itself (not a link to one) is the user's
    // choice, and no temporary could take its place: it is written directly.
    const std::string Target = Resolve_Path(szTarget);
    struct stat st;
    if (::lstat(Target.c_str(), &st) == 0 && Is_Device(st)) {
        const int nDevice = ::open(Target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
        FILE* pFile = nDevice >= 0 ? ::fdopen(nDevice, "wb") : nullptr;
        if (pFile == nullptr && nDevice >= 0) {
            const int nError = errno;
            ::close(nDevice);
            errno = nError;
        }
        if (pFile != nullptr)
            Path = Target;
        return pFile;
    }
    std::string Template = Folder_Of(szTarget) + "/" + TEMPORARY_FILE_PREFIX + "XXXXXX";
    // mkstemp creates the name with O_EXCL: whatever already stands there,
    // a link included, makes it draw another name, never open it.
    int nFile = ::mkstemp(Template.data());
    if (nFile < 0)
        return nullptr;
    // mkstemp makes the file private (0600); a saved game gets what any file
    // the program writes gets.
    const mode_t nMask = ::umask(0);
    ::umask(nMask);
    ::fchmod(nFile, 0666 & ~nMask);
    if (!g_TemporaryDevice.empty()) {
        const int nDevice = ::open(g_TemporaryDevice.c_str(), O_WRONLY | O_CLOEXEC);
        if (nDevice >= 0) {
            ::close(nFile);
            nFile = nDevice;
        }
    }
    FILE* pFile = ::fdopen(nFile, "wb");
    if (pFile == nullptr) {
        const int nError = errno;
        ::close(nFile);
        ::unlink(Template.c_str());
        errno = nError;
        return nullptr;
    }
    Path = Template;
    Note_Name(Path, true);
    Note_Written(Path, true);
    return pFile;
}

int Finish_Temporary_File(FILE* pFile, const std::string& Temporary, const char* szTarget, bool bWritten,
                          bool bSynced)
{
    // The caller's failed write left its cause in errno.
    int nError = bWritten ? 0 : (errno != 0 ? errno : EIO);
    int nResult = bWritten ? REPLACE_DONE : REPLACE_WRITE_FAILED;
    // A device written in the file's place (Create_Temporary_File) is only
    // closed: never renamed, never removed, and not synced (it may not be).
    struct stat st;
    if (pFile != nullptr && !Temporary.empty() && ::lstat(Temporary.c_str(), &st) == 0 && Is_Device(st)) {
        errno = nError;
        if (!Close_Written_File(pFile) && nResult == REPLACE_DONE) {
            nError = errno != 0 ? errno : EIO;
            nResult = REPLACE_WRITE_FAILED;
        }
        errno = nResult == REPLACE_DONE ? 0 : nError;
        return nResult;
    }
    if (pFile == nullptr) {
        nError = nError != 0 ? nError : EBADF;
        nResult = REPLACE_WRITE_FAILED;
    } else {
        errno = 0;
        const bool bClosed = bSynced ? Close_Synced(pFile) : Close_Written_File(pFile);
        if (!bClosed && nResult == REPLACE_DONE) {
            nError = errno != 0 ? errno : EIO;
            nResult = REPLACE_WRITE_FAILED;
        }
    }
    const std::string Target = Resolve_Path(szTarget);
    if (nResult == REPLACE_DONE && (Target.empty() || std::rename(Temporary.c_str(), Target.c_str()) != 0)) {
        nError = Target.empty() ? ENOENT : (errno != 0 ? errno : EIO);
        nResult = REPLACE_RENAME_FAILED;
    }
    if (nResult != REPLACE_DONE) {
        if (!Temporary.empty()) {
            ::unlink(Temporary.c_str());
            Note_Name(Temporary, false);
            Note_Written(Temporary, false);
        }
        errno = nError;
        return nResult;
    }
    Note_Name(Temporary, false);
    Note_Name(Target, true);
    Note_Written(Temporary, false);
    Note_Written(Target, true);
    // The rename itself is made to last; the new file is in place either way.
    if (bSynced && !Sync_Folder_Of(Target.c_str()))
        Write_Notice("Replacing \"%s\": the folder could not be synced after the rename (%s).", Target.c_str(),
                     std::strerror(errno));
    errno = 0;
    return REPLACE_DONE;
}

bool Close_Synced(FILE* pFile)
{
    if (pFile == nullptr) {
        errno = EBADF;
        return false;
    }
    int nError = 0;
    if (std::fflush(pFile) != 0 || ::fsync(::fileno(pFile)) != 0)
        nError = errno;
    if (std::fclose(pFile) != 0 && nError == 0)
        nError = errno;
    errno = nError;
    return nError == 0;
}

bool Sync_Folder_Of(const char* szPath)
{
    const int nFolder = ::open(Folder_Of(szPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (nFolder < 0)
        return false;
    const bool bOk = ::fsync(nFolder) == 0;
    const int nError = errno;
    ::close(nFolder);
    errno = nError;
    return bOk;
}

int Remove_Temporary_Files(const char* szFolder)
{
    const std::string Folder = Resolve_Path(szFolder != nullptr && szFolder[0] != '\0' ? szFolder : ".");
    int nRemoved = 0;
    for (const std::string& Name : List_Folder(Folder.c_str(), TEMPORARY_FILE_PATTERN)) {
        // The prefix exactly as written (the listing ignores case).
        if (Name.compare(0, std::strlen(TEMPORARY_FILE_PREFIX), TEMPORARY_FILE_PREFIX) != 0)
            continue;
        const std::string Path = Folder + "/" + Name;
        struct stat st;
        if (::lstat(Path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(Path.c_str()) == 0) {
            Note_Name(Path, false);
            ++nRemoved;
        }
    }
    return nRemoved;
}

bool Close_Written_File(FILE* pFile)
{
    if (pFile == nullptr) {
        errno = EBADF;
        return false;
    }
    // A write that failed earlier left its errno (callers clear it first).
    const int nEarlier = errno;
    errno = 0;
    int nError = 0;
    if (std::fflush(pFile) != 0)
        nError = errno != 0 ? errno : EIO;
    else if (std::ferror(pFile) != 0)
        nError = nEarlier != 0 ? nEarlier : EIO;
    if (std::fclose(pFile) != 0 && nError == 0)
        nError = errno != 0 ? errno : EIO;
    errno = nError;
    return nError == 0;
}

bool Write_Whole_File(const char* szPath, const void* pData, size_t nBytes, bool bSynced)
{
    if (szPath == nullptr || szPath[0] == '\0' || (pData == nullptr && nBytes > 0)) {
        errno = EINVAL;
        return false;
    }
    std::string Temporary;
    FILE* pFile = Create_Temporary_File(szPath, Temporary);
    if (pFile == nullptr)
        return false;
    errno = 0;
    const bool bWritten = nBytes == 0 || std::fwrite(pData, 1, nBytes, pFile) == nBytes;
    return Finish_Temporary_File(pFile, Temporary, szPath, bWritten, bSynced) == REPLACE_DONE;
}

bool Entry_Exists(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    struct stat st;
    return ::lstat(Resolve_Path(szPath).c_str(), &st) == 0;
}

std::vector<std::string> Written_Files()
{
    std::lock_guard<std::mutex> Lock(g_WrittenMutex);
    return std::vector<std::string>(g_Written.begin(), g_Written.end());
}

void Forget_Written_Files()
{
    std::lock_guard<std::mutex> Lock(g_WrittenMutex);
    g_Written.clear();
}

bool Leads_Out_Of_Current_Folder(const char* szPath, bool bFollowLast)
{
    namespace fs = std::filesystem;
    if (szPath == nullptr || szPath[0] == '/' || szPath[0] == '\\')
        return false;
    std::error_code Error;
    const fs::path Base = fs::canonical(".", Error);
    if (Error)
        return false;
    // Spelled as the open will find it, letter case matched.
    const fs::path Path(Resolve_Path(szPath));
    const fs::path Last = Path.filename();
    fs::path Target;
    if (bFollowLast || Last.empty() || Last == "." || Last == "..")
        Target = fs::weakly_canonical(Base / Path, Error);
    else
        Target = fs::weakly_canonical(Base / Path.parent_path(), Error) / Last;
    if (Error)
        return false;
    Target = Target.lexically_normal();
    return std::mismatch(Base.begin(), Base.end(), Target.begin(), Target.end()).first != Base.end();
}

}  // namespace files
