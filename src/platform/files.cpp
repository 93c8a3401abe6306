#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace files {

namespace {

bool Equal_No_Case(const std::string& a, const char* b)
{
    size_t n = a.size();
    if (std::strlen(b) != n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

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
    DIR* pDir = ::opendir(Folder.empty() ? "." : Folder.c_str());
    if (pDir == nullptr)
        return false;
    bool bFound = false;
    bool bFoundFolder = false;
    while (dirent* pEntry = ::readdir(pDir)) {
        if (!Equal_No_Case(Component, pEntry->d_name))
            continue;
        bool bIsFolder = Path_Exists(Join(Folder, pEntry->d_name), true);
        bool bBetter = !bFound || (bFolder && bIsFolder && !bFoundFolder) ||
                       ((!bFolder || bIsFolder == bFoundFolder) && std::strcmp(pEntry->d_name, Found.c_str()) < 0);
        if (bBetter) {
            Found = pEntry->d_name;
            bFound = true;
            bFoundFolder = bIsFolder;
        }
    }
    ::closedir(pDir);
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

FILE* Open_File(const char* szPath, const char* szMode)
{
    if (szPath == nullptr || szMode == nullptr || szPath[0] == '\0') {
        errno = ENOENT;
        return nullptr;
    }
    std::string Path = Resolve_Path(szPath);
    // A folder is no file: Linux would open one for reading, Windows not.
    struct stat st;
    if (::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return nullptr;
    }
    return std::fopen(Path.c_str(), szMode);
}

FILE* Open_File_In_Folder(const std::string& ResolvedFolder, const std::string& Name, const char* szMode)
{
    if (szMode == nullptr || Name.empty() || Name.find('/') != std::string::npos || Name == "." || Name == "..") {
        errno = ENOENT;
        return nullptr;
    }
    return std::fopen(Join(ResolvedFolder, Name).c_str(), szMode);
}

bool File_Exists(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    struct stat st;
    return ::stat(Resolve_Path(szPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
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
    return std::remove(Resolve_Path(szPath).c_str()) == 0;
}

bool Rename_File(const char* szFrom, const char* szTo)
{
    if (szFrom == nullptr || szTo == nullptr)
        return false;
    return std::rename(Resolve_Path(szFrom).c_str(), Resolve_Path(szTo).c_str()) == 0;
}

bool Create_Folders(const char* szPath)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    std::string Path = Resolve_Path(szPath);
    for (size_t i = 1; i <= Path.size(); ++i) {
        if (i == Path.size() || Path[i] == '/') {
            std::string Prefix = Path.substr(0, i);
            if (::mkdir(Prefix.c_str(), 0777) != 0 && errno != EEXIST)
                return false;
        }
    }
    struct stat st;
    return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Read_Whole_File(const char* szPath, std::vector<unsigned char>& Data, size_t nMaxBytes)
{
    Data.clear();
    if (szPath == nullptr || szPath[0] == '\0') {
        errno = ENOENT;
        return false;
    }
    // Without O_NONBLOCK, opening a pipe that nobody writes waits for ever.
    const int nFile = ::open(Resolve_Path(szPath).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (nFile < 0)
        return false;
    struct stat st;
    int nError = 0;
    if (::fstat(nFile, &st) != 0)
        nError = errno;
    else if (S_ISDIR(st.st_mode))
        nError = EISDIR;
    else if (!S_ISREG(st.st_mode))
        nError = EINVAL;
    else if (static_cast<unsigned long long>(st.st_size) > nMaxBytes)
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

bool Get_Modification_Time(const char* szPath, std::time_t& Time)
{
    struct stat st;
    if (szPath == nullptr || ::stat(Resolve_Path(szPath).c_str(), &st) != 0)
        return false;
    Time = st.st_mtime;
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
    int nFile = ::open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A lock is taken on a file opened for reading too (a read-only folder
    // that already holds the lock file).
    if (nFile < 0 && (errno == EACCES || errno == EROFS))
        nFile = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC);
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

FILE* Create_Temporary_File(const char* szTarget, std::string& Path)
{
    Path.clear();
    if (szTarget == nullptr || szTarget[0] == '\0') {
        errno = ENOENT;
        return nullptr;
    }
    std::string Template = Folder_Of(szTarget) + "/" + TEMPORARY_FILE_PREFIX + "XXXXXX";
    const int nFile = ::mkstemp(Template.data());
    if (nFile < 0)
        return nullptr;
    // mkstemp makes the file private (0600); a saved game gets what any file
    // the program writes gets.
    const mode_t nMask = ::umask(0);
    ::umask(nMask);
    ::fchmod(nFile, 0666 & ~nMask);
    FILE* pFile = ::fdopen(nFile, "wb");
    if (pFile == nullptr) {
        const int nError = errno;
        ::close(nFile);
        ::unlink(Template.c_str());
        errno = nError;
        return nullptr;
    }
    Path = Template;
    return pFile;
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
        if (::lstat(Path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(Path.c_str()) == 0)
            ++nRemoved;
    }
    return nRemoved;
}

}  // namespace files
