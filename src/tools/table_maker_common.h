// What both schedule-table makers share: the failure exit, the seeded draws,
// and turning games round until every team has as many home games as away
// games. The makers are programs of their own, outside the game library.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/random.h"

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
    std::ofstream Out(szPath, std::ios::binary | std::ios::trunc);
    Out << Text;
    Out.close();
    if (!Out) {
        std::fprintf(stderr, "cannot write %s\n", szPath);
        return 2;
    }
    return 0;
}

}  // namespace table_maker
