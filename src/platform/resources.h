// The program's string table.
#pragma once

// Copies string nId into the buffer (at most nSize - 1 characters, then NUL)
// and returns its length; 0 and an empty buffer when there is no such string.
int Load_Resource_String(int nId, char* szBuffer, int nSize);
// The string itself, "" when there is none.
const char* Get_Resource_String(int nId);
