// A scratch folder of the tests, the benchmarks and the fuzz target: an empty
// folder under /tmp ("/tmp/kelvo_<tag>_XXXXXX"), made on construction and,
// unless bEnter is false, the current folder while the object lives, so that
// "debug.txt" and every file written there are its own. On destruction the
// previous folder is current again and the folder is removed with all it
// holds (read-only files and folders included). Problems go to the report
// function given (standard error by default); Ready() says whether the folder
// was made and entered as asked.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

class SCRATCH_FOLDER_CORE {
public:
    using REPORT = void (*)(const std::string& Problem);

    explicit SCRATCH_FOLDER_CORE(const char* szTag = "scratch", bool bEnter = true, REPORT pReport = Print_Problem)
        : m_pReport(pReport)
    {
        std::string Template = std::string("/tmp/kelvo_") + szTag + "_XXXXXX";
        std::vector<char> szPath(Template.begin(), Template.end());
        szPath.push_back('\0');
        if (::mkdtemp(szPath.data()) == nullptr) {
            m_pReport("cannot make " + Template);
            return;
        }
        m_Path = szPath.data();
        if (!bEnter) {
            m_bReady = true;
            return;
        }
        std::error_code Error;
        m_Previous = std::filesystem::current_path(Error).string();
        if (Error || ::chdir(m_Path.c_str()) != 0) {
            m_pReport("cannot enter " + m_Path);
            m_Previous.clear();
            return;
        }
        m_bReady = true;
    }
    ~SCRATCH_FOLDER_CORE()
    {
        if (!m_Previous.empty() && ::chdir(m_Previous.c_str()) != 0)
            m_pReport("cannot return to " + m_Previous);
        if (m_Path.empty())
            return;
        // Each folder is opened to its owner before the walk goes into it.
        namespace fs = std::filesystem;
        std::error_code Error;
        fs::permissions(m_Path, fs::perms::owner_all, fs::perm_options::add, Error);
        for (auto Entry = fs::recursive_directory_iterator(m_Path, Error); !Error && Entry != fs::end(Entry);
             Entry.increment(Error))
            fs::permissions(Entry->path(), fs::perms::owner_all, fs::perm_options::add, Error);
        Error.clear();
        if (fs::remove_all(m_Path, Error) == static_cast<std::uintmax_t>(-1) || Error)
            m_pReport("cannot remove " + m_Path + ": " + Error.message());
    }
    SCRATCH_FOLDER_CORE(const SCRATCH_FOLDER_CORE&) = delete;
    SCRATCH_FOLDER_CORE& operator=(const SCRATCH_FOLDER_CORE&) = delete;

    // The folder's absolute path; "" when it could not be made.
    const std::string& Path() const { return m_Path; }
    // Whether the folder was made (and entered, when asked).
    bool Ready() const { return m_bReady; }

    static void Print_Problem(const std::string& Problem) { std::fprintf(stderr, "%s\n", Problem.c_str()); }

private:
    REPORT m_pReport;
    std::string m_Path;
    std::string m_Previous;
    bool m_bReady = false;
};
