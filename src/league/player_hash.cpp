// Player lookup tables: player ID, full name and Corvel ID text to team and
// slot. See player_hash.h for the contract.
#include "league/player_hash.h"

#include <cstddef>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/system.h"
#include "season/player_generation.h"

namespace {

constexpr int HASH_MASK = PLAYER_HASH_SIZE - 1;
constexpr int ID_HOME_MASK = 4095;            // IDs use their low 12 bits as home
constexpr int32_t EMPTY_ID = -1;
constexpr uint8_t EMPTY_BYTE = 255;
constexpr int LAST_TEAM_SLOT = TOTAL_NUMBER_OF_TEAMS - 1;
constexpr int LAST_PLAYER_SLOT = PLAYERS_PER_TEAM - 1;

// A full name is at most a 19-character completed first name, a blank and a
// 19-character last name; the key holds whatever the name getter can give.
constexpr size_t NAME_KEY_SIZE = PLAYER_NAME_TEXT_SIZE;
// The record's field may use all 12 bytes without a NUL; keep room for that.
constexpr size_t CORVEL_KEY_SIZE = PLAYER_CORVEL_ID_SIZE + 1;

struct ID_ENTRY {
    int32_t nKey;
    uint8_t nTeam;
    uint8_t nSlot;
};

struct ID_TABLE {
    ID_ENTRY Entry[PLAYER_HASH_SIZE];
    int nCount;
};

template <size_t N>
struct TEXT_ENTRY {
    char szKey[N];
    uint8_t nTeam;
    uint8_t nSlot;
};

template <size_t N>
struct TEXT_TABLE {
    TEXT_ENTRY<N> Entry[PLAYER_HASH_SIZE];
    int nCount;
};

// Zero-initialised static memory would read as full of ID 0; the first use
// empties every table properly.
ID_TABLE g_IdTable;
TEXT_TABLE<NAME_KEY_SIZE> g_NameTable;
TEXT_TABLE<CORVEL_KEY_SIZE> g_CorvelTable;
bool g_bTablesReady = false;

void Clear_ID_Table()
{
    for (ID_ENTRY& Entry : g_IdTable.Entry) {
        Entry.nKey = EMPTY_ID;
        Entry.nTeam = EMPTY_BYTE;
        Entry.nSlot = EMPTY_BYTE;
    }
    g_IdTable.nCount = 0;
}

template <size_t N>
void Clear_Text_Table(TEXT_TABLE<N>& Table)
{
    for (TEXT_ENTRY<N>& Entry : Table.Entry) {
        std::memset(Entry.szKey, 0, N);
        Entry.nTeam = EMPTY_BYTE;
        Entry.nSlot = EMPTY_BYTE;
    }
    Table.nCount = 0;
}

void Ensure_Tables_Ready()
{
    if (g_bTablesReady)
        return;
    Clear_ID_Table();
    Clear_Text_Table(g_NameTable);
    Clear_Text_Table(g_CorvelTable);
    g_bTablesReady = true;
}

void Fill_Not_Found(PLAYER_LOCATION* pOut)
{
    if (pOut) {
        pOut->nTeam = static_cast<uint8_t>(NO_TEAM);
        pOut->nSlot = static_cast<uint8_t>(NO_PLAYER);
    }
}

void Fill_Found(PLAYER_LOCATION* pOut, int nTeam, int nSlot)
{
    if (pOut) {
        pOut->nTeam = static_cast<uint8_t>(nTeam);
        pOut->nSlot = static_cast<uint8_t>(nSlot);
    }
}

bool Is_Player_Address(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM_SLOT && nSlot >= 0 && nSlot <= LAST_PLAYER_SLOT;
}

int32_t Stored_Player_ID(int nTeam, int nSlot)
{
    return League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID];
}

// A slot that holds a player: its team is in use and its ID is not 0.
bool Holds_Player(int nTeam, int nSlot)
{
    return Is_Player_Address(nTeam, nSlot) && Is_Valid_Team(nTeam) && Stored_Player_ID(nTeam, nSlot) != 0;
}

// ---------------------------------------------------------------------------
// The player ID table

// The entry holding the ID, or the first empty entry on its probe path; -1
// when neither exists (only a table with no empty entry left).
int ID_Index(int32_t nID)
{
    int nIndex = static_cast<int>(static_cast<uint32_t>(nID) & ID_HOME_MASK);
    for (int nProbe = 0; nProbe < PLAYER_HASH_SIZE; ++nProbe) {
        const ID_ENTRY& Entry = g_IdTable.Entry[nIndex];
        if (Entry.nKey == EMPTY_ID || Entry.nKey == nID)
            return nIndex;
        nIndex = (nIndex + 1) & HASH_MASK;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Text keys

// Character i of a key as an unsigned code, 0 at and past the terminating NUL
// (the home formula reads positions a short key does not have).
unsigned Key_Char(const char* szKey, size_t nLength, size_t i)
{
    return i < nLength ? static_cast<unsigned char>(szKey[i]) : 0u;
}

int Text_Home(const char* szKey, size_t nLength, size_t i, size_t j, size_t k)
{
    return static_cast<int>(400u * (Key_Char(szKey, nLength, i) % 20u) + 20u * (Key_Char(szKey, nLength, j) % 20u) +
                            Key_Char(szKey, nLength, k) % 20u);
}

// The two text tables differ in their key, its home and how a record's text
// is read; these traits carry the differences.
struct NAME_KEY {
    static constexpr size_t SIZE = NAME_KEY_SIZE;
    static constexpr const char* FULL_MESSAGE = "Player Name HASH HAS FILLED!";
    static TEXT_TABLE<SIZE>& Table() { return g_NameTable; }
    static int Home(const char* szKey, size_t nLength) { return Text_Home(szKey, nLength, 1, 9, 5); }
    // The full name as the name getter gives it (which may fill in an empty
    // name); false when the slot holds nobody or the name is empty.
    static bool Record_Text(int nTeam, int nSlot, char (&szText)[SIZE])
    {
        szText[0] = '\0';
        if (!Holds_Player(nTeam, nSlot))
            return false;
        Get_Player_Full_Name_Copy(nTeam, nSlot, szText, SIZE);
        return szText[0] != '\0';
    }
};

struct CORVEL_KEY {
    static constexpr size_t SIZE = CORVEL_KEY_SIZE;
    static constexpr const char* FULL_MESSAGE = "CORVEL HASH HAS FILLED!";
    static TEXT_TABLE<SIZE>& Table() { return g_CorvelTable; }
    static int Home(const char* szKey, size_t nLength) { return Text_Home(szKey, nLength, 0, 3, 6); }
    static bool Record_Text(int nTeam, int nSlot, char (&szText)[SIZE])
    {
        std::memset(szText, 0, SIZE);
        if (!Holds_Player(nTeam, nSlot))
            return false;
        const char* szField = League.Team[nTeam].Player[nSlot].szCorvelID;
        std::memcpy(szText, szField, strnlen(szField, PLAYER_CORVEL_ID_SIZE));
        return szText[0] != '\0';
    }
};

template <class KEY>
int Text_Index(const char* szKey, size_t nLength)
{
    TEXT_TABLE<KEY::SIZE>& Table = KEY::Table();
    int nIndex = KEY::Home(szKey, nLength);
    for (int nProbe = 0; nProbe < PLAYER_HASH_SIZE; ++nProbe) {
        const TEXT_ENTRY<KEY::SIZE>& Entry = Table.Entry[nIndex];
        if (Entry.szKey[0] == '\0' || std::strcmp(Entry.szKey, szKey) == 0)
            return nIndex;
        nIndex = (nIndex + 1) & HASH_MASK;
    }
    return -1;
}

template <class KEY>
void Store_Text_Key(TEXT_ENTRY<KEY::SIZE>& Entry, const char* szKey, size_t nLength)
{
    std::memset(Entry.szKey, 0, KEY::SIZE);
    std::memcpy(Entry.szKey, szKey, nLength);
}

template <class KEY>
void Build_Text_Hash()
{
    Ensure_Tables_Ready();
    TEXT_TABLE<KEY::SIZE>& Table = KEY::Table();
    Clear_Text_Table(Table);
    char szText[KEY::SIZE];
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!KEY::Record_Text(nTeam, nSlot, szText))
                continue;
            size_t nLength = std::strlen(szText);
            int nIndex = Text_Index<KEY>(szText, nLength);
            if (nIndex < 0)
                continue;   // cannot happen: a roster never fills the table
            TEXT_ENTRY<KEY::SIZE>& Entry = Table.Entry[nIndex];
            Store_Text_Key<KEY>(Entry, szText, nLength);
            Entry.nTeam = static_cast<uint8_t>(nTeam);
            Entry.nSlot = static_cast<uint8_t>(nSlot);
            ++Table.nCount;
        }
    }
}

// A key no record can hold (empty, absent or longer than any record's text)
// is answered at once; false then.
template <class KEY>
bool Usable_Text_Key(const char* szKey, size_t& nLength)
{
    if (szKey == nullptr || szKey[0] == '\0')
        return false;
    nLength = strnlen(szKey, KEY::SIZE);
    return nLength < KEY::SIZE;
}

template <class KEY>
int Find_By_Text(PLAYER_LOCATION* pOut, const char* szKey)
{
    size_t nLength = 0;
    if (!Usable_Text_Key<KEY>(szKey, nLength)) {
        Fill_Not_Found(pOut);
        return 0;
    }
    Ensure_Tables_Ready();
    TEXT_TABLE<KEY::SIZE>& Table = KEY::Table();
    char szText[KEY::SIZE];

    int nIndex = Text_Index<KEY>(szKey, nLength);
    if (nIndex >= 0) {
        TEXT_ENTRY<KEY::SIZE>& Entry = Table.Entry[nIndex];
        if (Entry.szKey[0] != '\0' && Entry.nTeam <= LAST_TEAM_SLOT && Entry.nSlot <= LAST_PLAYER_SLOT &&
            KEY::Record_Text(Entry.nTeam, Entry.nSlot, szText) && std::strcmp(szText, szKey) == 0) {
            Fill_Found(pOut, Entry.nTeam, Entry.nSlot);
            return 1;
        }
        Entry.nTeam = EMPTY_BYTE;
        Entry.nSlot = EMPTY_BYTE;
    }
    if (nIndex < 0 || Table.nCount >= PLAYER_HASH_FULL_COUNT) {
        Report_Error("%s", KEY::FULL_MESSAGE);
        Build_Text_Hash<KEY>();
        nIndex = Text_Index<KEY>(szKey, nLength);
    }

    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!KEY::Record_Text(nTeam, nSlot, szText) || std::strcmp(szText, szKey) != 0)
                continue;
            if (nIndex >= 0) {
                TEXT_ENTRY<KEY::SIZE>& Entry = Table.Entry[nIndex];
                if (std::strcmp(Entry.szKey, szKey) != 0) {
                    Store_Text_Key<KEY>(Entry, szKey, nLength);
                    ++Table.nCount;
                }
                Entry.nTeam = static_cast<uint8_t>(nTeam);
                Entry.nSlot = static_cast<uint8_t>(nSlot);
            }
            Fill_Found(pOut, nTeam, nSlot);
            return 1;
        }
    }
    Fill_Not_Found(pOut);
    return 0;
}

template <class KEY>
int Peek_Text(PLAYER_LOCATION* pOut, const char* szKey)
{
    size_t nLength = 0;
    Fill_Not_Found(pOut);
    if (!Usable_Text_Key<KEY>(szKey, nLength))
        return 0;
    Ensure_Tables_Ready();
    int nIndex = Text_Index<KEY>(szKey, nLength);
    if (nIndex < 0)
        return 0;
    const TEXT_ENTRY<KEY::SIZE>& Entry = KEY::Table().Entry[nIndex];
    if (Entry.szKey[0] == '\0')
        return 0;
    Fill_Found(pOut, Entry.nTeam, Entry.nSlot);
    return 1;
}

// The two-output forms: outputs change only on success.
int Fill_Two_Outputs(int nFound, const PLAYER_LOCATION& Where, int* pTeam, int* pSlot)
{
    if (!nFound)
        return 0;
    if (pTeam)
        *pTeam = Where.nTeam;
    if (pSlot)
        *pSlot = Where.nSlot;
    return 1;
}

}  // namespace

// ---------------------------------------------------------------------------
// Building

void Build_Player_ID_Hash()
{
    Ensure_Tables_Ready();
    Clear_ID_Table();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            int32_t nID = Stored_Player_ID(nTeam, nSlot);
            // Lookups never ask for an ID below 1, and -1 is the empty key.
            if (nID < 1)
                continue;
            int nIndex = ID_Index(nID);
            if (nIndex < 0)
                continue;   // cannot happen: 4,100 slots never fill 8,192 entries
            ID_ENTRY& Entry = g_IdTable.Entry[nIndex];
            Entry.nKey = nID;
            Entry.nTeam = static_cast<uint8_t>(nTeam);
            Entry.nSlot = static_cast<uint8_t>(nSlot);
            ++g_IdTable.nCount;
        }
    }
}

void Build_Player_Name_Hash()
{
    Build_Text_Hash<NAME_KEY>();
}

void Build_Corvel_ID_Hash()
{
    Build_Text_Hash<CORVEL_KEY>();
}

// ---------------------------------------------------------------------------
// Lookups

int Find_Player_By_ID(PLAYER_LOCATION* pOut, int nPlayerID)
{
    if (nPlayerID < 1) {
        Fill_Not_Found(pOut);
        return 0;
    }
    Ensure_Tables_Ready();

    int nIndex = ID_Index(nPlayerID);
    if (nIndex >= 0) {
        ID_ENTRY& Entry = g_IdTable.Entry[nIndex];
        if (Entry.nKey == nPlayerID && Is_Player_Address(Entry.nTeam, Entry.nSlot) &&
            Stored_Player_ID(Entry.nTeam, Entry.nSlot) == nPlayerID) {
            Fill_Found(pOut, Entry.nTeam, Entry.nSlot);
            return 1;
        }
        Entry.nTeam = EMPTY_BYTE;
        Entry.nSlot = EMPTY_BYTE;
    }
    if (nIndex < 0 || g_IdTable.nCount >= PLAYER_HASH_FULL_COUNT) {
        Report_Error("HASH HAS FILLED!");
        Build_Player_ID_Hash();
        nIndex = ID_Index(nPlayerID);
    }

    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (Stored_Player_ID(nTeam, nSlot) != nPlayerID)
                continue;
            if (nIndex >= 0) {
                ID_ENTRY& Entry = g_IdTable.Entry[nIndex];
                if (Entry.nKey != nPlayerID) {
                    Entry.nKey = nPlayerID;
                    ++g_IdTable.nCount;
                }
                Entry.nTeam = static_cast<uint8_t>(nTeam);
                Entry.nSlot = static_cast<uint8_t>(nSlot);
            }
            Fill_Found(pOut, nTeam, nSlot);
            return 1;
        }
    }
    Fill_Not_Found(pOut);
    return 0;
}

int Find_Player_By_Corvel_ID(PLAYER_LOCATION* pOut, const char* szCorvelID)
{
    return Find_By_Text<CORVEL_KEY>(pOut, szCorvelID);
}

int Lookup_Player_Name_Hash(PLAYER_LOCATION* pOut, const char* szName)
{
    return Find_By_Text<NAME_KEY>(pOut, szName);
}

int Find_Player_ID_Team_Slot(int* pTeam, int* pSlot, int nPlayerID)
{
    PLAYER_LOCATION Where{};
    return Fill_Two_Outputs(Find_Player_By_ID(&Where, nPlayerID), Where, pTeam, pSlot);
}

int Find_Player_Name_Team_Slot(int* pTeam, int* pSlot, const char* szName)
{
    PLAYER_LOCATION Where{};
    return Fill_Two_Outputs(Lookup_Player_Name_Hash(&Where, szName), Where, pTeam, pSlot);
}

int Find_Corvel_ID_Team_Slot(int* pTeam, int* pSlot, const char* szCorvelID)
{
    PLAYER_LOCATION Where{};
    return Fill_Two_Outputs(Find_Player_By_Corvel_ID(&Where, szCorvelID), Where, pTeam, pSlot);
}

// ---------------------------------------------------------------------------
// Unique IDs

int Sanity_Check_Player_IDs()
{
    Debug_Printf("Sanity Checking Player IDs");
    uint32_t nStart = sys::Tick_Count();

    // An ID met again is a duplicate; an ID held n times is listed n - 1 times.
    std::unordered_set<int32_t> Seen;
    std::vector<int32_t> Duplicates;
    Seen.reserve(static_cast<size_t>(TOTAL_NUMBER_OF_TEAMS) * PLAYERS_PER_TEAM);
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            int32_t nID = Stored_Player_ID(nTeam, nSlot);
            if (nID == 0)
                continue;
            if (!Seen.insert(nID).second)
                Duplicates.push_back(nID);
        }
    }

    if (Duplicates.empty()) {
        Debug_Printf("Finished Sanity Checking Player IDs in %dms", static_cast<int>(sys::Tick_Count() - nStart));
        return 1;
    }

    // Every holder of a duplicated ID, the first included, is renumbered: no
    // holder can be told to be the rightful one.
    std::unordered_set<int32_t> Duplicated(Duplicates.begin(), Duplicates.end());
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            int32_t nOld = Stored_Player_ID(nTeam, nSlot);
            if (nOld == 0 || Duplicated.count(nOld) == 0)
                continue;
            int nNew = Make_Unique_Player_Id(nTeam, nSlot);
            if (nNew < 1) {
                Report_Error("No new ID for player %d in Sanity_Check_Player_IDs(%d,%d)", nOld, nTeam, nSlot);
                continue;
            }
            Write_Debug_Log("Duplicate Player ID found: %d.  Changing to %d.", nOld, nNew);
            League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] = nNew;
        }
    }
    Write_Debug_Log("%d Duplicate player ID's were found.  Sanity Checking YBY.", static_cast<int>(Duplicates.size()));
    return 0;
}

// ---------------------------------------------------------------------------
// Inspection

int Get_Player_Hash_Count(int nTable)
{
    Ensure_Tables_Ready();
    switch (nTable) {
    case PLAYER_HASH_ID:
        return g_IdTable.nCount;
    case PLAYER_HASH_NAME:
        return g_NameTable.nCount;
    case PLAYER_HASH_CORVEL_ID:
        return g_CorvelTable.nCount;
    default:
        return -1;
    }
}

int Peek_Player_ID_Hash(PLAYER_LOCATION* pOut, int nPlayerID)
{
    Fill_Not_Found(pOut);
    if (nPlayerID < 1)
        return 0;
    Ensure_Tables_Ready();
    int nIndex = ID_Index(nPlayerID);
    if (nIndex < 0 || g_IdTable.Entry[nIndex].nKey != nPlayerID)
        return 0;
    Fill_Found(pOut, g_IdTable.Entry[nIndex].nTeam, g_IdTable.Entry[nIndex].nSlot);
    return 1;
}

int Peek_Player_Name_Hash(PLAYER_LOCATION* pOut, const char* szName)
{
    return Peek_Text<NAME_KEY>(pOut, szName);
}

int Peek_Corvel_ID_Hash(PLAYER_LOCATION* pOut, const char* szCorvelID)
{
    return Peek_Text<CORVEL_KEY>(pOut, szCorvelID);
}

int Get_Player_Name_Home(const char* szName)
{
    if (szName == nullptr)
        return 0;
    return NAME_KEY::Home(szName, strnlen(szName, NAME_KEY_SIZE));
}

int Get_Corvel_ID_Home(const char* szCorvelID)
{
    if (szCorvelID == nullptr)
        return 0;
    return CORVEL_KEY::Home(szCorvelID, strnlen(szCorvelID, CORVEL_KEY_SIZE));
}
