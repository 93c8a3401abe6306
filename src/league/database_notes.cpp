#include "league/database_notes.h"

#include <cstring>

#include "league/league_data.h"

std::string Get_Database_Notes()
{
    return std::string(League.szDatabaseNotes, ::strnlen(League.szDatabaseNotes, sizeof(League.szDatabaseNotes)));
}
