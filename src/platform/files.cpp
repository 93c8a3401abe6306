#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool Path_Exists(const std::string& Path)
{
    struct stat st;
    return ::stat(Path.c_str(), &st) == 0;
}

// The entry of the folder whose name matches the component without regard to
// case; the exact spelling wins when it exists.
bool Find_Component(const std::string& Folder, const std::string& Component, std::string& Found)
{
    std::string Exact = Folder.empty() ? Component : (Folder == "/" ? "/" + Component : Folder + "/" + Component);
    if (Path_Exists(Exact)) {
        Found = Component;
        return true;
    }
    DIR* pDir = ::opendir(Folder.empty() ? "." : Folder.c_str());
    if (pDir == nullptr)
        return false;
    bool bFound = false;
    while (dirent* pEntry = ::readdir(pDir)) {
        if (Equal_No_Case(Component, pEntry->d_name)) {
            Found = pEntry->d_name;
            bFound = true;
            break;
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
            if (!Find_Component(Result, Component, Name)) {
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
    if (szPath == nullptr || szMode == nullptr || szPath[0] == '\0')
        return nullptr;
    return std::fopen(Resolve_Path(szPath).c_str(), szMode);
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

bool Read_Whole_File(const char* szPath, std::vector<unsigned char>& Data)
{
    Data.clear();
    FILE* pFile = Open_File(szPath, "rb");
    if (pFile == nullptr)
        return false;
    unsigned char Buffer[65536];
    size_t n;
    while ((n = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0)
        Data.insert(Data.end(), Buffer, Buffer + n);
    bool bOk = std::ferror(pFile) == 0;
    std::fclose(pFile);
    return bOk;
}

bool Wildcard_Match(const char* szPattern, const char* szName)
{
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

}  // namespace files
