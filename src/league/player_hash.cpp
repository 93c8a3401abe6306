// Player lookup tables: player ID, full name and Corvel ID text to team and
// slot. See player_hash.h for the contract.
#include "league/player_hash.h"

#include <cstddef>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "base/text_utils.h"
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
        if (!Is_Player_Slot_Used(nTeam, nSlot))
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
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            return false;
        const char* szField = League.Team[nTeam].Player[nSlot].szCorvelID;
        std::memcpy(szText, szField, strnlen(szField, PLAYER_CORVEL_ID_SIZE));
        return szText[0] != '\0';
    }
};

// A sought text key and its length.
struct SOUGHT_TEXT {
    const char* szKey;
    size_t nLength;
};

// What the lookups need of a table, whatever its key. ID_KEYS serves the ID
// table; TEXT_KEYS<NAME_KEY> and TEXT_KEYS<CORVEL_KEY> the text tables.
//   KEY          the sought key; RECORD_KEY a record's key as read from it
//   Scans_Team   whether a team's slots are read at all
//   Read_Record  a record's key; false when the slot has no key to look up
//   Index        the entry holding the key, or the first empty entry on its
//                probe path; -1 when neither exists
struct ID_KEYS {
    using KEY = int32_t;
    using RECORD_KEY = int32_t;
    static constexpr const char* FULL_MESSAGE = "HASH HAS FILLED!";
    static ID_TABLE& Table() { return g_IdTable; }
    static void Clear() { Clear_ID_Table(); }
    // IDs are read from every slot, in use or not.
    static bool Scans_Team(int) { return true; }
    // Lookups never ask for an ID below 1, and -1 is the empty key.
    static bool Read_Record(int nTeam, int nSlot, RECORD_KEY& nID)
    {
        nID = Stored_Player_ID(nTeam, nSlot);
        return nID >= 1;
    }
    static KEY Key_Of(const RECORD_KEY& nID) { return nID; }
    static bool Record_Is(const RECORD_KEY& nRecord, KEY nID) { return nRecord == nID; }
    static int Index(KEY nID) { return ID_Index(nID); }
    static bool Entry_Holds(const ID_ENTRY& Entry, KEY nID) { return Entry.nKey == nID; }
    static void Store(ID_ENTRY& Entry, KEY nID) { Entry.nKey = nID; }
};

template <class TEXT>
struct TEXT_KEYS {
    using KEY = SOUGHT_TEXT;
    struct RECORD_KEY {
        char szText[TEXT::SIZE];
    };
    using ENTRY = TEXT_ENTRY<TEXT::SIZE>;
    static constexpr const char* FULL_MESSAGE = TEXT::FULL_MESSAGE;
    static TEXT_TABLE<TEXT::SIZE>& Table() { return TEXT::Table(); }
    static void Clear() { Clear_Text_Table(Table()); }
    static bool Scans_Team(int nTeam) { return Is_Valid_Team(nTeam) != 0; }
    static bool Read_Record(int nTeam, int nSlot, RECORD_KEY& Record)
    {
        return TEXT::Record_Text(nTeam, nSlot, Record.szText);
    }
    static KEY Key_Of(const RECORD_KEY& Record) { return {Record.szText, std::strlen(Record.szText)}; }
    static bool Record_Is(const RECORD_KEY& Record, const KEY& Key) { return std::strcmp(Record.szText, Key.szKey) == 0; }
    static int Index(const KEY& Key)
    {
        const TEXT_TABLE<TEXT::SIZE>& Table = TEXT::Table();
        int nIndex = TEXT::Home(Key.szKey, Key.nLength);
        for (int nProbe = 0; nProbe < PLAYER_HASH_SIZE; ++nProbe) {
            const ENTRY& Entry = Table.Entry[nIndex];
            // The terminator's place and the last byte settle most probes
            // without a call (a key is always shorter than its field).
            const size_t n = Key.nLength;
            if (Entry.szKey[0] == '\0' ||
                (Entry.szKey[n] == '\0' && (n == 0 || Entry.szKey[n - 1] == Key.szKey[n - 1]) &&
                 std::memcmp(Entry.szKey, Key.szKey, n) == 0))
                return nIndex;
            nIndex = (nIndex + 1) & HASH_MASK;
        }
        return -1;
    }
    static bool Entry_Holds(const ENTRY& Entry, const KEY& Key) { return std::strcmp(Entry.szKey, Key.szKey) == 0; }
    static void Store(ENTRY& Entry, const KEY& Key)
    {
        std::memset(Entry.szKey, 0, TEXT::SIZE);
        std::memcpy(Entry.szKey, Key.szKey, Key.nLength);
    }
};

using NAME_KEYS = TEXT_KEYS<NAME_KEY>;
using CORVEL_KEYS = TEXT_KEYS<CORVEL_KEY>;

template <class KEYS>
void Build_Table()
{
    Ensure_Tables_Ready();
    auto& Table = KEYS::Table();
    KEYS::Clear();
    typename KEYS::RECORD_KEY Record;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!KEYS::Scans_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!KEYS::Read_Record(nTeam, nSlot, Record))
                continue;
            const typename KEYS::KEY Key = KEYS::Key_Of(Record);
            int nIndex = KEYS::Index(Key);
            if (nIndex < 0)
                continue;   // cannot happen: 4,100 slots never fill 8,192 entries
            auto& Entry = Table.Entry[nIndex];
            KEYS::Store(Entry, Key);
            Entry.nTeam = static_cast<uint8_t>(nTeam);
            Entry.nSlot = static_cast<uint8_t>(nSlot);
            ++Table.nCount;
        }
    }
}

// The lookup of a usable key: the entry when it still points at a record
// with the key; else a scan of the records, which corrects the entry (and
// rebuilds a table that has filled).
template <class KEYS>
bool Find_In_Table(PLAYER_LOCATION* pOut, const typename KEYS::KEY& Key)
{
    Ensure_Tables_Ready();
    auto& Table = KEYS::Table();
    typename KEYS::RECORD_KEY Record;

    int nIndex = KEYS::Index(Key);
    if (nIndex >= 0) {
        auto& Entry = Table.Entry[nIndex];
        if (KEYS::Entry_Holds(Entry, Key) && Is_Player_Address(Entry.nTeam, Entry.nSlot) &&
            KEYS::Read_Record(Entry.nTeam, Entry.nSlot, Record) && KEYS::Record_Is(Record, Key)) {
            Fill_Found(pOut, Entry.nTeam, Entry.nSlot);
            return true;
        }
        Entry.nTeam = EMPTY_BYTE;
        Entry.nSlot = EMPTY_BYTE;
    }
    if (nIndex < 0 || Table.nCount >= PLAYER_HASH_FULL_COUNT) {
        Report_Error("%s", KEYS::FULL_MESSAGE);
        Build_Table<KEYS>();
        nIndex = KEYS::Index(Key);
    }

    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!KEYS::Scans_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!KEYS::Read_Record(nTeam, nSlot, Record) || !KEYS::Record_Is(Record, Key))
                continue;
            if (nIndex >= 0) {
                auto& Entry = Table.Entry[nIndex];
                if (!KEYS::Entry_Holds(Entry, Key)) {
                    KEYS::Store(Entry, Key);
                    ++Table.nCount;
                }
                Entry.nTeam = static_cast<uint8_t>(nTeam);
                Entry.nSlot = static_cast<uint8_t>(nSlot);
            }
            Fill_Found(pOut, nTeam, nSlot);
            return true;
        }
    }
    Fill_Not_Found(pOut);
    return false;
}

// What the table holds for a usable key, without checking the record.
template <class KEYS>
bool Peek_Table(PLAYER_LOCATION* pOut, const typename KEYS::KEY& Key)
{
    Ensure_Tables_Ready();
    int nIndex = KEYS::Index(Key);
    if (nIndex < 0)
        return false;
    const auto& Entry = KEYS::Table().Entry[nIndex];
    if (!KEYS::Entry_Holds(Entry, Key))
        return false;
    Fill_Found(pOut, Entry.nTeam, Entry.nSlot);
    return true;
}

// A key no record can hold (empty, absent or longer than any record's text)
// is answered at once; false then.
template <class TEXT>
bool Usable_Text_Key(const char* szKey, SOUGHT_TEXT& Key)
{
    if (szKey == nullptr || szKey[0] == '\0')
        return false;
    Key = {szKey, strnlen(szKey, TEXT::SIZE)};
    return Key.nLength < TEXT::SIZE;
}

template <class TEXT>
bool Find_By_Text(PLAYER_LOCATION* pOut, const char* szKey)
{
    SOUGHT_TEXT Key{};
    if (!Usable_Text_Key<TEXT>(szKey, Key)) {
        Fill_Not_Found(pOut);
        return false;
    }
    return Find_In_Table<TEXT_KEYS<TEXT>>(pOut, Key);
}

// The two-output forms: outputs change only on success.
bool Fill_Two_Outputs(bool bFound, const PLAYER_LOCATION& Where, int* pTeam, int* pSlot)
{
    if (!bFound)
        return false;
    if (pTeam)
        *pTeam = Where.nTeam;
    if (pSlot)
        *pSlot = Where.nSlot;
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Building

void Build_Player_ID_Hash()
{
    Build_Table<ID_KEYS>();
}

void Build_Player_Name_Hash()
{
    Build_Table<NAME_KEYS>();
}

void Build_Corvel_ID_Hash()
{
    Build_Table<CORVEL_KEYS>();
}

// ---------------------------------------------------------------------------
// Lookups

bool Find_Player_By_ID(PLAYER_LOCATION* pOut, int nPlayerID)
{
    if (nPlayerID < 1) {
        Fill_Not_Found(pOut);
        return false;
    }
    return Find_In_Table<ID_KEYS>(pOut, nPlayerID);
}

bool Find_Player_By_Corvel_ID(PLAYER_LOCATION* pOut, const char* szCorvelID)
{
    return Find_By_Text<CORVEL_KEY>(pOut, szCorvelID);
}

int Scan_Player_By_Corvel_ID(PLAYER_LOCATION* pResult, const char* szId)
{
    if (pResult != nullptr)
        *pResult = PLAYER_LOCATION{NO_TEAM, NO_PLAYER};
    if (szId == nullptr || szId[0] == '\0')
        return 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            // The field may fill all its bytes without a NUL.
            char szField[CORVEL_KEY_SIZE] = {};
            const char* szStored = League.Team[nTeam].Player[nSlot].szCorvelID;
            std::memcpy(szField, szStored, strnlen(szStored, PLAYER_CORVEL_ID_SIZE));
            if (!Is_Same_Text_No_Case(szField, szId))
                continue;
            if (pResult != nullptr)
                *pResult = PLAYER_LOCATION{static_cast<uint8_t>(nTeam), static_cast<uint8_t>(nSlot)};
            return 1;
        }
    }
    return 0;
}

bool Lookup_Player_Name_Hash(PLAYER_LOCATION* pOut, const char* szName)
{
    return Find_By_Text<NAME_KEY>(pOut, szName);
}

bool Find_Player_ID_Team_Slot(int* pTeam, int* pSlot, int nPlayerID)
{
    PLAYER_LOCATION Where{};
    return Fill_Two_Outputs(Find_Player_By_ID(&Where, nPlayerID), Where, pTeam, pSlot);
}

bool Find_Player_Name_Team_Slot(int* pTeam, int* pSlot, const char* szName)
{
    PLAYER_LOCATION Where{};
    return Fill_Two_Outputs(Lookup_Player_Name_Hash(&Where, szName), Where, pTeam, pSlot);
}

bool Find_Corvel_ID_Team_Slot(int* pTeam, int* pSlot, const char* szCorvelID)
{
    PLAYER_LOCATION Where{};
    return Fill_Two_Outputs(Find_Player_By_Corvel_ID(&Where, szCorvelID), Where, pTeam, pSlot);
}

// ---------------------------------------------------------------------------
// Unique IDs

bool Sanity_Check_Player_IDs()
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
        return true;
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
                Report_Error("No new ID for player %d in %s(%d,%d)", nOld, __func__, nTeam, nSlot);
                continue;
            }
            Write_Debug_Log("Duplicate Player ID found: %d.  Changing to %d.", nOld, nNew);
            League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] = nNew;
        }
    }
    Write_Debug_Log("%d Duplicate player ID's were found.  Sanity Checking YBY.", static_cast<int>(Duplicates.size()));
    return false;
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

bool Peek_Player_ID_Hash(PLAYER_LOCATION* pOut, int nPlayerID)
{
    Fill_Not_Found(pOut);
    if (nPlayerID < 1)
        return false;
    return Peek_Table<ID_KEYS>(pOut, nPlayerID);
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
