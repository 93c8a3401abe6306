// Counting the college prospects.
#pragma once

// The players of the three college pools (teams 38-40), each pool counted up
// to its first empty roster slot.
int Count_College_Players();
