// The owners' hall of fame, "ZrtFame.dat": the owners who ran a club, the
// name of the last owner (the New Game dialog offers it) and the main
// window's rectangle, in one file of exactly 23,552 bytes read and written
// whole (Read_Owner_Hall_Of_Fame and Write_Owner_Hall_Of_Fame of
// league/standings_keys.h; the write goes to a temporary file renamed over
// the old one).
//
// OWNER_HALL_OF_FAME_FILE, byte by byte (integers 32-bit little-endian,
// texts Windows-1252, NUL-terminated inside their field):
//
//   offset  size    contents
//   0       4       version word, OWNER_FAME_VERSION (1)
//   4       4       owners listed, 0..OWNER_FAME_RECORDS
//   8       68      last owner's name
//   76      4       main window left
//   80      4       main window top
//   84      4       main window right
//   88      4       main window bottom
//   92      4       main window maximized: 0 or 1
//   96      4       show a hint at start-up: 1 on, anything else off (0)
//   100     156     reserved, zero
//   256     22,880  143 owner records of 160 bytes:
//                     +0   64  owner's name
//                     +64  64  club (city and nickname)
//                     +128  4  first season
//                     +132  4  last season
//                     +136  4  wins
//                     +140  4  losses
//                     +144  4  ties
//                     +148  4  playoff seasons
//                     +152  4  titles
//                     +156  4  reserved, zero
//   23,136  144     reserved, zero
//   23,280  272     a saved game's path: a new file holds none, and the
//                   program keeps what a file holds there
//
// A file that is missing, shorter or longer than 23,552 bytes, of another
// version, with a text that fills its field without a NUL, a count out of
// range or a window rectangle no screen holds is damaged: it is rebuilt with
// the defaults (no owners, no names, a 1024 x 720 window at 40, 40).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "league/standings_keys.h"

constexpr uint32_t OWNER_FAME_VERSION = 1;
constexpr int OWNER_FAME_RECORDS = 143;
constexpr size_t OWNER_FAME_NAME_SIZE = 68;
constexpr size_t OWNER_FAME_TEXT_SIZE = 64;
constexpr size_t OWNER_FAME_PATH_SIZE = 272;
// A window rectangle is taken when its sides lie within this many pixels of
// the origin and it is at least this big.
constexpr int32_t OWNER_FAME_MAX_COORDINATE = 32767;
constexpr int32_t OWNER_FAME_MIN_WIDTH = 320;
constexpr int32_t OWNER_FAME_MIN_HEIGHT = 240;

struct OWNER_FAME_ENTRY {
    char szOwner[OWNER_FAME_TEXT_SIZE];
    char szTeam[OWNER_FAME_TEXT_SIZE];
    int32_t nFirstSeason;
    int32_t nLastSeason;
    int32_t nWins;
    int32_t nLosses;
    int32_t nTies;
    int32_t nPlayoffSeasons;
    int32_t nTitles;
    int32_t nReserved;
};

struct WINDOW_RECTANGLE {
    int32_t nLeft;
    int32_t nTop;
    int32_t nRight;
    int32_t nBottom;
};

struct OWNER_HALL_OF_FAME {
    uint32_t nVersion;
    int32_t nOwners;
    char szLastOwner[OWNER_FAME_NAME_SIZE];
    WINDOW_RECTANGLE Window;
    int32_t bMaximized;
    int32_t bShowHintAtStartup;
    unsigned char Reserved1[156];
    OWNER_FAME_ENTRY Owner[OWNER_FAME_RECORDS];
    unsigned char Reserved2[144];
    char szLastGamePath[OWNER_FAME_PATH_SIZE];
};

static_assert(sizeof(OWNER_FAME_ENTRY) == 160);
static_assert(offsetof(OWNER_FAME_ENTRY, szTeam) == 64);
static_assert(offsetof(OWNER_FAME_ENTRY, nFirstSeason) == 128);
static_assert(offsetof(OWNER_FAME_ENTRY, nTitles) == 152);
static_assert(offsetof(OWNER_HALL_OF_FAME, nVersion) == 0);
static_assert(offsetof(OWNER_HALL_OF_FAME, nOwners) == 4);
static_assert(offsetof(OWNER_HALL_OF_FAME, szLastOwner) == 8);
static_assert(offsetof(OWNER_HALL_OF_FAME, Window) == 76);
static_assert(offsetof(OWNER_HALL_OF_FAME, bMaximized) == 92);
static_assert(offsetof(OWNER_HALL_OF_FAME, bShowHintAtStartup) == 96);
static_assert(offsetof(OWNER_HALL_OF_FAME, Reserved1) == 100);
static_assert(offsetof(OWNER_HALL_OF_FAME, Owner) == 256);
static_assert(offsetof(OWNER_HALL_OF_FAME, Reserved2) == 23136);
static_assert(offsetof(OWNER_HALL_OF_FAME, szLastGamePath) == OWNER_LAST_GAME_PATH_OFFSET);
static_assert(sizeof(OWNER_HALL_OF_FAME) == OWNER_HALL_OF_FAME_SIZE);

// The defaults a rebuilt file holds.
void Default_Owner_Hall_Of_Fame(OWNER_HALL_OF_FAME& Fame);
// Empty when the record is sound, else what is wrong with it.
std::string Check_Owner_Hall_Of_Fame(const OWNER_HALL_OF_FAME& Fame);
// Makes sure "ZrtFame.dat" is there and sound: a missing, short, long or
// damaged file is rebuilt with the defaults (a notice in the log says why)
// and the program goes on. True when the file was sound; Fame receives what
// the file holds afterwards either way.
bool Ensure_Owner_Hall_Of_Fame(OWNER_HALL_OF_FAME& Fame);
// Reads the file into Fame without a box; false (Fame then the defaults)
// when it is missing or damaged.
bool Load_Owner_Hall_Of_Fame(OWNER_HALL_OF_FAME& Fame);
// Stores the main window's rectangle in the file (rebuilding it first when
// it is damaged). A rectangle no screen holds is not stored; false then, or
// when the file cannot be written.
bool Store_Main_Window_Rectangle(const WINDOW_RECTANGLE& Window, bool bMaximized);
bool Is_Usable_Window_Rectangle(const WINDOW_RECTANGLE& Window);
// "Show hint at startup" of Did You Know?: false when the file is missing or
// damaged. Storing it rebuilds a damaged file first; false when the file
// cannot be written.
bool Read_Show_Hint_At_Startup();
bool Store_Show_Hint_At_Startup(bool bShow);

// The last owner's name as the New Game dialog reads and writes it, kept in
// the file; installed at start-up.
void Install_Last_Owner_Name_Store();
