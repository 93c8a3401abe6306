// A library the program tests preload (LD_PRELOAD) into the program, to meet
// it with a disk that fills or a kill partway through a file, at a point a
// test chooses rather than at a moment. It wraps fwrite, the call through
// which the program writes its pages, saved games and files, and rename,
// which puts them in place; files outside the chosen folder pass untouched:
//   KELVO_FAULT_FOLDER    the folder it acts in (absolute, links resolved);
//                         files in it and in its subfolders count
//   KELVO_FAULT_KILL_AT=N the first write to the N-th file written there
//                         writes half its bytes, then the program is killed
//                         (SIGKILL)
//   KELVO_FAULT_FULL=1    every write there fails as on a full disk (ENOSPC)
//   KELVO_FAULT_KILL_AFTER_RENAME_TO=NAME
//                         the program is killed (SIGKILL) right after a file
//                         is renamed there onto a name whose last part is
//                         NAME (case aside, as the program resolves names):
//                         a kill between two renames of a commit
// Built without the sanitizers; a sanitized program runs it with
// ASAN_OPTIONS=verify_asan_link_order=0.

#include <dlfcn.h>
#include <signal.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using FWRITE = size_t (*)(const void*, size_t, size_t, FILE*);

FWRITE Real_Fwrite()
{
    static FWRITE pReal = nullptr;
    if (pReal == nullptr)
        pReal = reinterpret_cast<FWRITE>(::dlsym(RTLD_NEXT, "fwrite"));
    return pReal;
}

// Whether the stream writes a file inside the folder.
bool In_Folder(FILE* pStream, const char* szFolder)
{
    const int nFile = ::fileno(pStream);
    if (nFile < 0)
        return false;
    char szLink[64];
    std::snprintf(szLink, sizeof(szLink), "/proc/self/fd/%d", nFile);
    char szPath[4096];
    const ssize_t nLength = ::readlink(szLink, szPath, sizeof(szPath) - 1);
    if (nLength <= 0)
        return false;
    szPath[nLength] = '\0';
    const size_t nFolder = std::strlen(szFolder);
    return std::strncmp(szPath, szFolder, nFolder) == 0 && szPath[nFolder] == '/';
}

}  // namespace

extern "C" size_t fwrite(const void* pData, size_t nSize, size_t nCount, FILE* pStream)
{
    const FWRITE pReal = Real_Fwrite();
    const char* szFolder = std::getenv("KELVO_FAULT_FOLDER");
    if (pReal == nullptr || szFolder == nullptr || szFolder[0] == '\0' || nSize == 0 || nCount == 0 ||
        !In_Folder(pStream, szFolder))
        return pReal != nullptr ? pReal(pData, nSize, nCount, pStream) : 0;

    const char* szFull = std::getenv("KELVO_FAULT_FULL");
    if (szFull != nullptr && std::strcmp(szFull, "1") == 0) {
        errno = ENOSPC;
        return 0;
    }
    const char* szKillAt = std::getenv("KELVO_FAULT_KILL_AT");
    if (szKillAt != nullptr) {
        // Files told apart by what they are, not by name: a temporary renamed
        // into place stays the one file.
        static dev_t nLastDevice = 0;
        static ino_t nLastInode = 0;
        static long nFiles = 0;
        struct stat Info;
        if (::fstat(::fileno(pStream), &Info) == 0 && (Info.st_dev != nLastDevice || Info.st_ino != nLastInode)) {
            nLastDevice = Info.st_dev;
            nLastInode = Info.st_ino;
            if (++nFiles == std::atol(szKillAt)) {
                const size_t nHalf = nSize * nCount / 2;
                if (nHalf > 0) {
                    pReal(pData, 1, nHalf, pStream);
                    std::fflush(pStream);
                }
                ::kill(::getpid(), SIGKILL);
            }
        }
    }
    return pReal(pData, nSize, nCount, pStream);
}

extern "C" int rename(const char* szFrom, const char* szTo)
{
    using RENAME = int (*)(const char*, const char*);
    static RENAME pReal = nullptr;
    if (pReal == nullptr)
        pReal = reinterpret_cast<RENAME>(::dlsym(RTLD_NEXT, "rename"));
    if (pReal == nullptr) {
        errno = ENOSYS;
        return -1;
    }
    const int nResult = pReal(szFrom, szTo);
    const char* szFolder = std::getenv("KELVO_FAULT_FOLDER");
    const char* szName = std::getenv("KELVO_FAULT_KILL_AFTER_RENAME_TO");
    if (nResult != 0 || szFolder == nullptr || szFolder[0] == '\0' || szName == nullptr || szName[0] == '\0')
        return nResult;
    const char* szSlash = std::strrchr(szTo, '/');
    if (::strcasecmp(szSlash != nullptr ? szSlash + 1 : szTo, szName) != 0)
        return nResult;
    char szReal[4096];
    const size_t nFolder = std::strlen(szFolder);
    if (::realpath(szTo, szReal) != nullptr && std::strncmp(szReal, szFolder, nFolder) == 0 && szReal[nFolder] == '/')
        ::kill(::getpid(), SIGKILL);
    return nResult;
}
