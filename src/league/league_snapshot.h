// A scope that leaves the league block as it found it. Work that only reads
// the league (an export) still goes through getters that tidy what they
// read (a rating below the floor is raised and written back, a division
// place is recorded); inside this scope those writes are undone when it
// ends, so the league has no change to save afterwards.
#pragma once

#include <memory>

class LEAGUE_READ_ONLY_SCOPE {
public:
    LEAGUE_READ_ONLY_SCOPE();
    ~LEAGUE_READ_ONLY_SCOPE();
    LEAGUE_READ_ONLY_SCOPE(const LEAGUE_READ_ONLY_SCOPE&) = delete;
    LEAGUE_READ_ONLY_SCOPE& operator=(const LEAGUE_READ_ONLY_SCOPE&) = delete;

private:
    std::unique_ptr<unsigned char[]> m_pSaved;
};
