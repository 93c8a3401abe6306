// The two playbook areas of every TEAM record: the offensive area (19,680
// bytes) and the defensive area (9,516 bytes), each the exact image of a
// playbook file.
#pragma once

// Offensive area: six 32-byte category names at 0, plays 0-53 from 192, the
// call tallies from 14,624 to 17,023, the notes text from 17,024.
constexpr int OFFENSIVE_CATEGORY_COUNT = 6;
constexpr int PLAYBOOK_CATEGORY_NAME_SIZE = 32;
constexpr int OFFENSIVE_TALLIES_OFFSET = 14624;
constexpr int OFFENSIVE_NOTES_OFFSET = 17024;
// Defensive area: three 32-byte category names at 0, plays 0-29 from 96, the
// tallies from 7,296 to 8,735, the notes text from 8,736.
constexpr int DEFENSIVE_CATEGORY_COUNT = 3;
constexpr int DEFENSIVE_TALLIES_OFFSET = 7296;
constexpr int DEFENSIVE_NOTES_OFFSET = 8736;

// Gives every franchise in use (slots 0 to Count_Teams() - 1) the default
// playbook's categories: the offensive names "Inside Runs", "Outside Runs",
// "Short Passes", "Medium Passes", "Long Passes", "Trick/Special" and the
// defensive names "Balanced", "Run Defense", "Pass Defense", each written
// zero-filled into its 32-byte field, and clears every call tally of both
// areas. The play entries and the notes text are left as stored.
void Reset_Team_Playbooks();
