// What both schedule-table makers share: the failure exit, the seeded draws,
// and turning games round until every team has as many home games as away
// games. The makers are programs of their own, outside the game library.
#pragma once

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "platform/files.h"

namespace table_maker {

// The program's name in its failure message.
inline std::string& Program_Name()
{
    static std::string Name = "table_maker";
    return Name;
}

[[noreturn]] inline void Fail(const std::string& Why)
{
    std::fprintf(stderr, "%s: %s\n", Program_Name().c_str(), Why.c_str());
    std::exit(2);
}

inline int Below(int n)
{
    return Get_Random_Below(n);
}

template <typename T>
void Shuffle(std::vector<T>& v)
{
    for (int i = static_cast<int>(v.size()) - 1; i > 0; --i)
        std::swap(v[i], v[Below(i + 1)]);
}

struct EDGE {
    int a;          // visits b
    int b;
    bool bLocked;   // direction fixed
};

// Gives the unlocked edges directions so that every vertex has as many out-
// (away) as in- (home) edges: random directions, then paths from a vertex
// with too many away games to one with too many home games are turned round.
// Edge (a, b) means a visits b.
inline void Balance_Directions(std::vector<EDGE>* pEdges, int nVertices)
{
    std::vector<EDGE>& Edges = *pEdges;
    for (EDGE& e : Edges)
        if (!e.bLocked && Below(2) == 1)
            std::swap(e.a, e.b);
    for (int nRound = 0; nRound < 10000; ++nRound) {
        std::vector<int> Excess(nVertices, 0);   // away - home
        for (const EDGE& e : Edges) {
            ++Excess[e.a];
            --Excess[e.b];
        }
        int nStart = -1;
        for (int v = 0; v < nVertices && nStart < 0; ++v)
            if (Excess[v] > 0)
                nStart = v;
        if (nStart < 0)
            return;
        // Breadth-first along away edges (a -> b) that may be turned.
        std::vector<int> Via(nVertices, -1);
        std::vector<int> Queue{nStart};
        std::vector<bool> Seen(nVertices, false);
        Seen[nStart] = true;
        int nEnd = -1;
        for (size_t q = 0; q < Queue.size() && nEnd < 0; ++q) {
            const int u = Queue[q];
            for (int i = 0; i < static_cast<int>(Edges.size()); ++i) {
                const EDGE& e = Edges[i];
                if (e.bLocked || e.a != u || Seen[e.b])
                    continue;
                Seen[e.b] = true;
                Via[e.b] = i;
                if (Excess[e.b] < 0) {
                    nEnd = e.b;
                    break;
                }
                Queue.push_back(e.b);
            }
        }
        if (nEnd < 0)
            Fail("home and away games cannot be balanced");
        for (int v = nEnd; v != nStart;) {
            EDGE& e = Edges[Via[v]];
            const int nFrom = e.a;
            std::swap(e.a, e.b);
            v = nFrom;
        }
    }
    Fail("home and away balancing did not finish");
}

// The games left to pair, one at a time: the team with most games left
// (ties at random) meets, among the teams of other divisions it has not met,
// one with most games left (at random). False when a team is left with
// nobody it may meet.
template <typename DIVISION>
bool Pair_Remaining_Games(int nTeams, DIVISION Division, std::vector<int>& Left,
                          std::vector<std::vector<bool>>& Met, std::vector<EDGE>& Other)
{
    for (;;) {
        int nBest = -1;
        int nTies = 0;
        for (int t = 0; t < nTeams; ++t) {
            if (Left[t] <= 0)
                continue;
            if (nBest < 0 || Left[t] > Left[nBest]) {
                nBest = t;
                nTies = 1;
            } else if (Left[t] == Left[nBest] && Below(++nTies) == 0) {
                nBest = t;
            }
        }
        if (nBest < 0)
            return true;
        std::vector<int> Choice;
        int nMost = 0;
        for (int u = 0; u < nTeams; ++u) {
            if (u == nBest || Left[u] <= 0 || Met[nBest][u] || Division(u) == Division(nBest))
                continue;
            if (Left[u] > nMost) {
                nMost = Left[u];
                Choice.clear();
            }
            if (Left[u] == nMost)
                Choice.push_back(u);
        }
        if (Choice.empty())
            return false;
        const int u = Choice[Below(static_cast<int>(Choice.size()))];
        Other.push_back({nBest, u, false});
        --Left[nBest];
        --Left[u];
        Met[nBest][u] = Met[u][nBest] = true;
    }
}

// The makers' command line: FILE writes the tables into FILE; --check FILE
// exits 1 unless FILE holds exactly what the maker writes. szName names the
// program in its messages; pWrite makes the whole text.
inline int Run_Table_Maker(int argc, char** argv, const char* szName, std::string (*pWrite)())
{
    Program_Name() = szName;
    bool bCheck = false;
    const char* szPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            bCheck = true;
        else
            szPath = argv[i];
    }
    if (szPath == nullptr) {
        std::fprintf(stderr, "usage: %s [--check] FILE\n", szName);
        return 2;
    }
    const std::string Text = pWrite();
    if (bCheck) {
        std::ifstream In(szPath, std::ios::binary);
        std::stringstream Old;
        Old << In.rdbuf();
        if (!In || Old.str() != Text) {
            std::fprintf(stderr, "%s differs from what %s writes\n", szPath, szName);
            return 1;
        }
        return 0;
    }
    if (!files::Write_Whole_File(szPath, Text.data(), Text.size())) {
        std::fprintf(stderr, "cannot write %s (%s)\n", szPath, files::Error_Text(errno));
        return 2;
    }
    return 0;
}

// Puts every game into a week: no team twice in a week, none in its week
// off (ByeWeek[t], -1 for none); games [0, nFixed) are given and stay in
// week 0. A seeded search takes the open games in random order and moves out
// whatever game stands in the chosen week; one pick in nWanderOneIn takes any
// allowed week, so that the search does not circle. False when nSteps run
// out; a clash that cannot be mended stops the program (szWhat names the
// table, or is empty). GAME has nAway and nHome.
template <typename GAME>
bool Assign_Weeks(const std::vector<GAME>& Games, int nFixed, int nTeams, int nWeeks, const std::vector<int>& ByeWeek,
                  long nSteps, int nWanderOneIn, const std::string& What, std::vector<int>* pWeek)
{
    const std::string Prefix = What.empty() ? std::string() : What + ": ";
    const int nGames = static_cast<int>(Games.size());
    std::vector<int>& Week = *pWeek;
    Week.assign(nGames, -1);
    // Occupant[team][week]: game index, -1 free, -2 off.
    std::vector<std::vector<int>> Occupant(nTeams, std::vector<int>(nWeeks, -1));
    for (int t = 0; t < nTeams; ++t)
        if (ByeWeek[t] >= 0)
            Occupant[t][ByeWeek[t]] = -2;
    std::vector<int> Open;
    for (int g = 0; g < nGames; ++g) {
        if (g < nFixed) {
            if (Occupant[Games[g].nAway][0] != -1 || Occupant[Games[g].nHome][0] != -1)
                Fail(Prefix + "the given games of week 0 clash");
            Week[g] = 0;
            Occupant[Games[g].nAway][0] = g;
            Occupant[Games[g].nHome][0] = g;
        } else {
            Open.push_back(g);
        }
    }
    Shuffle(Open);
    std::vector<int> Candidates;
    auto Allowed = [&](int a, int b, int w) {
        const int oa = Occupant[a][w];
        const int ob = Occupant[b][w];
        return oa != -2 && ob != -2 && !(oa >= 0 && oa < nFixed) && !(ob >= 0 && ob < nFixed);
    };
    for (long nStep = 0; nStep < nSteps; ++nStep) {
        if (Open.empty())
            return true;
        const int nPick = Below(static_cast<int>(Open.size()));
        const int g = Open[nPick];
        Open[nPick] = Open.back();
        Open.pop_back();
        const int a = Games[g].nAway;
        const int b = Games[g].nHome;
        int nBest = 3;
        Candidates.clear();
        for (int w = 0; w < nWeeks; ++w) {
            if (!Allowed(a, b, w))
                continue;
            const int oa = Occupant[a][w];
            const int ob = Occupant[b][w];
            const int nCost = (oa >= 0 ? 1 : 0) + (ob >= 0 && ob != oa ? 1 : 0);
            if (nCost < nBest) {
                nBest = nCost;
                Candidates.clear();
            }
            if (nCost == nBest)
                Candidates.push_back(w);
        }
        if (Below(nWanderOneIn) == 0) {
            Candidates.clear();
            for (int w = 0; w < nWeeks; ++w)
                if (Allowed(a, b, w))
                    Candidates.push_back(w);
        }
        if (Candidates.empty())
            Fail(Prefix + "a game has no week it may use");
        const int w = Candidates[Below(static_cast<int>(Candidates.size()))];
        for (int t : {a, b}) {
            const int o = Occupant[t][w];
            if (o >= 0) {
                Occupant[Games[o].nAway][w] = -1;
                Occupant[Games[o].nHome][w] = -1;
                Week[o] = -1;
                Open.push_back(o);
            }
        }
        Occupant[a][w] = g;
        Occupant[b][w] = g;
        Week[g] = w;
    }
    return false;
}

}  // namespace table_maker
