// Closing a file so that what was written lasts: for a file written beside
// another and renamed over it, the data must be on the disk before the name
// points at them, or a crash can leave the name on an empty file.
#pragma once

#include <cstdio>

namespace files {
// fflush, fsync and fclose; false with errno set when any of them fails (the
// file is closed whatever happens).
bool Close_Synced(FILE* pFile);
}  // namespace files
