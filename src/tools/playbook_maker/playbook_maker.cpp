// Writes the playbook files the program ships in its data folder, from the
// built-in playbooks:
//   playbook_maker DATA_FOLDER           writes playbooks/*.opb and *.dpb
//   playbook_maker --check DATA_FOLDER   exit 1 unless each file there holds
//                                        the bytes written now
// One offensive book per offensive system ("Default", "West Coast", "Double
// Tight End", "Two Back": the names a season of those eras loads), each the
// built-in plays with the 25 that suit its system best marked and notes that
// name the formations those plays are run from, with how many each; and the
// built-in defence as "4-3", the front it is built on.
// The plays are the built-in ones, so a season that loads a book plays as
// one that keeps the default playbook.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "engine/formations.h"
#include "engine/offensive_systems.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "platform/files.h"

namespace {

constexpr int SYSTEMS = 4;
constexpr int MARKED_PLAYS = 25;   // the playbook editor's count of marked plays
constexpr int WORK_TEAM = 0;       // the team area the default books are built in
constexpr const char* SYSTEM_STYLE[SYSTEMS] = {
    "a balanced offence that runs behind two backs and throws to two receivers and a tight end",
    "a short passing game from one back and three or more receivers, often in the shotgun",
    "an offence of two tight ends that runs and protects with its big men",
    "a running offence behind two backs, with play action off the run",
};

struct BOOK {
    std::string Name;
    std::string Bytes;
};

std::string Bytes_Of(const void* p, size_t n)
{
    return std::string(static_cast<const char*>(p), n);
}

// The formations the marked plays are run from, with how many of them each
// one has: the most plays first, then the better fit for the system, then
// the lower code. "Name (N), Name (N), ..."
std::string Marked_Formations(int nSystem, const uint8_t* bSelected)
{
    int nCount[LAST_OFFENSIVE_FORMATION + 1] = {};
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        const int nFormation = Get_Offensive_Play_Formation(WORK_TEAM, p);
        if (bSelected[p] != 0 && nFormation >= 0 && nFormation <= LAST_OFFENSIVE_FORMATION)
            ++nCount[nFormation];
    }
    std::vector<int> Formations;
    for (int f = 0; f <= LAST_OFFENSIVE_FORMATION; ++f)
        if (nCount[f] > 0)
            Formations.push_back(f);
    std::stable_sort(Formations.begin(), Formations.end(), [&](int a, int b) {
        if (nCount[a] != nCount[b])
            return nCount[a] > nCount[b];
        return Get_Offensive_Formation_System_Match(nSystem, a) > Get_Offensive_Formation_System_Match(nSystem, b);
    });
    std::string Text;
    for (int f : Formations) {
        char szFormation[FORMATION_NAME_SIZE];
        Get_Formation_Name(szFormation, f);
        Text += (Text.empty() ? "" : ", ") + std::string(szFormation) + " (" + std::to_string(nCount[f]) + ")";
    }
    return Text;
}

BOOK Offensive_Book(int nSystem)
{
    Build_Team_Default_Playbook(WORK_TEAM);
    OFFENSIVE_PLAYBOOK_AREA& Area = *Get_Offensive_Playbook_Area(WORK_TEAM);
    char szName[32];
    Get_Offensive_System_Playbook_Name(nSystem, szName);
    safe_strncpy(Area.szName, szName, PLAYBOOK_NAME_SIZE);

    // The plays whose formations fit the system best, in play order among
    // equals, are marked.
    std::vector<int> Plays;
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p)
        Plays.push_back(p);
    std::stable_sort(Plays.begin(), Plays.end(), [nSystem](int a, int b) {
        return Get_Offensive_Formation_System_Match(nSystem, Get_Offensive_Play_Formation(WORK_TEAM, a)) >
               Get_Offensive_Formation_System_Match(nSystem, Get_Offensive_Play_Formation(WORK_TEAM, b));
    });
    std::memset(Area.bSelected, 0, sizeof(Area.bSelected));
    for (int i = 0; i < MARKED_PLAYS; ++i)
        Area.bSelected[Plays[i]] = 1;

    int nRuns = 0;
    int nPasses = 0;
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        nRuns += Is_Running_Play(WORK_TEAM, p);
        nPasses += Is_Passing_Play(WORK_TEAM, p);
    }
    // The notes name only formations the marked plays use, and how often.
    char szNotes[PLAYBOOK_NOTES_SIZE];
    Format_Text_Bounded(szNotes, sizeof(szNotes),
                        "The %s playbook: the built-in %d running plays and %d passing plays, for %s. "
                        "The %d plays marked for the play list are those whose formations suit the system best; "
                        "they are run from: %s.",
                        szName, nRuns, nPasses, SYSTEM_STYLE[nSystem], MARKED_PLAYS,
                        Marked_Formations(nSystem, Area.bSelected).c_str());
    safe_strncpy(Area.szNotes, szNotes, PLAYBOOK_NOTES_SIZE);
    return BOOK{std::string(szName) + ".opb", Bytes_Of(&Area, sizeof(Area))};
}

BOOK Defensive_Book()
{
    Build_Team_Default_Playbook(WORK_TEAM);
    DEFENSIVE_PLAYBOOK_AREA& Area = *Get_Defensive_Playbook_Area(WORK_TEAM);
    safe_strncpy(Area.szName, "4-3", PLAYBOOK_NAME_SIZE);
    return BOOK{"4-3.dpb", Bytes_Of(&Area, sizeof(Area))};
}

std::string Read_File(const std::string& Path)
{
    FILE* pFile = files::Open_File(Path.c_str(), "rb");
    if (pFile == nullptr)
        return std::string();
    std::string Bytes;
    char Buffer[4096];
    size_t n;
    while ((n = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0)
        Bytes.append(Buffer, n);
    std::fclose(pFile);
    return Bytes;
}

bool Write_File(const std::string& Path, const std::string& Bytes)
{
    return files::Write_Whole_File(Path.c_str(), Bytes.data(), Bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    const bool bCheck = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !bCheck) {
        std::fprintf(stderr, "usage: playbook_maker [--check] DATA_FOLDER\n");
        return 2;
    }
    const std::string Folder = std::string(argv[argc - 1]) + "/playbooks";
    std::vector<BOOK> Books;
    for (int s = 0; s < SYSTEMS; ++s)
        Books.push_back(Offensive_Book(s));
    Books.push_back(Defensive_Book());
    if (!bCheck && !files::Folder_Exists(Folder.c_str()) && !files::Create_Folders(Folder.c_str())) {
        std::fprintf(stderr, "playbook_maker: cannot make %s\n", Folder.c_str());
        return 1;
    }
    int nBad = 0;
    for (const BOOK& Book : Books) {
        const std::string Path = Folder + "/" + Book.Name;
        if (bCheck) {
            if (Read_File(Path) != Book.Bytes) {
                std::fprintf(stderr, "playbook_maker: %s is not what the maker writes\n", Path.c_str());
                ++nBad;
            }
        } else if (!Write_File(Path, Book.Bytes)) {
            std::fprintf(stderr, "playbook_maker: cannot write %s\n", Path.c_str());
            ++nBad;
        }
    }
    return nBad == 0 ? 0 : 1;
}
