// The playbooks of a built league's season: the default books, the era's
// offensive systems, each franchise's defensive front from 2016 on, a
// running-quarterback book for four franchises in 2013-2015, and last any
// playbook file named after a franchise ("playbooks/<year>-<nickname>" or
// "playbooks/<nickname>", ".opb" offence, ".dpb" defence).
#pragma once

#include <string>
#include <vector>

#include <cstddef>

constexpr const char* IMPORT_PLAYBOOKS_TITLE = "Import Playbooks";

// The defensive front ("4-3" or "3-4") of franchise slot 0-31 (sorted by city)
// in a year from 2016 on (2018 and later share one column). 0 with an empty
// text before 2016 or for a slot outside 0-31, else 1.
int Get_Defensive_Front_Name(char* szOut, size_t nSize, int nTeam, int nYear);
template <size_t N> int Get_Defensive_Front_Name(char (&szOut)[N], int nTeam, int nYear)
{
    return Get_Defensive_Front_Name(szOut, N, nTeam, nYear);
}

// The database builder's step: default books and offensive systems for every
// franchise in use, the defensive fronts (team stat 4: 0 "4-3", 1 "3-4") from
// 2016, "Running-QB" for slots 4, 28, 27 and 31 in 2013-2015, then
// Load_Playbooks(0). Steps an open progress window by 1 after each part.
void Assign_Database_Playbooks();

struct PLAYBOOK_IMPORT_COUNTS {
    int nOffensive = 0;
    int nDefensive = 0;
    // Files that are there but are no whole playbook (cut short, or of
    // another size): each keeps its club's book as it was.
    std::vector<std::string> Refused;
    // Why each of them did not load, in the same order.
    std::vector<std::string> Problems;
};
// Loads each franchise's books named "<year>-<nickname>", else "<nickname>";
// a franchise with neither keeps its book and is not counted. A file of
// either name that is there but cannot be loaded is listed in Refused. With
// bShow, a progress window "Loading Playbooks..." and the counts in a box.
PLAYBOOK_IMPORT_COUNTS Load_Playbooks(int bShow);
