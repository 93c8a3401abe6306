// The fantasy draft: the order, the picks, the computer's choice, the end,
// and the file older saved games kept the draft in.

#include "season/fantasy_draft.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/random.h"
#include "base/text_utils.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/draft_teams.h"
#include "season/franchise_tables.h"
#include "season/player_value.h"
#include "season/salaries.h"
#include "season/salary_finance.h"

static_assert(FANTASY_DRAFT_STATE_OFFSET + FANTASY_DRAFT_STATE_SIZE <= SEASON_BOOKKEEPING_SIZE);
static_assert(16 + 4 * 100 * 36 + 100 * 36 == FANTASY_DRAFT_STATE_SIZE);

namespace {

constexpr const char* FANTASY_LOG_PATH = "Output\\Fantasy Draft.txt";
constexpr int PREF_CURRENT_TEAM_PICKING = 32;   // the club the player lists show
constexpr int ANY_POSITION = 15;

// Thresholds of the computer's pick, before inflation: payroll room ($K)
// below which money matters, and a reference cost in dollars.
constexpr int ROOM_TIGHT = 11240;
constexpr int ROOM_SHORT = 28100;
constexpr int REFERENCE_COST = 4087272;
constexpr int RATING_STEP = 4087;   // dollars' worth of a rating point, x 20
constexpr int LOWEST_VALUE = -2147483647;

// ---------------------------------------------------------------------------
// Little-endian fields

void Put_Int32(uint8_t* p, int32_t n)
{
    const uint32_t u = static_cast<uint32_t>(n);
    p[0] = static_cast<uint8_t>(u);
    p[1] = static_cast<uint8_t>(u >> 8);
    p[2] = static_cast<uint8_t>(u >> 16);
    p[3] = static_cast<uint8_t>(u >> 24);
}

int32_t Get_Int32(const uint8_t* p)
{
    const uint32_t u = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                       static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    return static_cast<int32_t>(u);
}

constexpr size_t PICKED_OFFSET = 16;
constexpr size_t ORDER_OFFSET = PICKED_OFFSET + 4 * FANTASY_DRAFT_ROUNDS * FANTASY_DRAFT_TEAMS;
constexpr size_t ROUND_OFFSET = 8;
constexpr size_t PICK_OFFSET = 12;

// ---------------------------------------------------------------------------
// The draft's own text

void Draft_Log_Start()
{
    files::Create_Folders("Output");
    files::Delete_File(FANTASY_LOG_PATH);
    Append_Formatted_Line_To_File(FANTASY_LOG_PATH, " #   %-25s %-30s %s", "TEAM", "PLAYER", "POS");
}

void Refresh_Title()
{
    Refresh_Main_Window_Title();
}

void (*g_pListRefresher)() = nullptr;

int Flag()
{
    return Get_Universe_Stat(FANTASY_DRAFT_RUNNING);
}

int Team_Count()
{
    return std::clamp(Count_Teams(), 0, FANTASY_DRAFT_TEAMS);
}

bool Is_Draft_Team(int nTeam)
{
    return nTeam >= 0 && nTeam < Team_Count() && Is_Team_Slot_Used(nTeam);
}

// ---------------------------------------------------------------------------
// Orders

// Teams ordered by a financial figure, lowest first, ties by team number.
void Order_By_Financial_Stat(int* pIndex, int n, int nStat)
{
    int64_t nKey[FANTASY_DRAFT_TEAMS];
    for (int t = 0; t < n; ++t) {
        pIndex[t] = t;
        nKey[t] = Get_Team_Financial_Stat(t, nStat);
    }
    std::stable_sort(pIndex, pIndex + n, [&nKey](int a, int b) { return nKey[a] < nKey[b]; });
}

// ---------------------------------------------------------------------------
// The figures of a player that no pick changes, kept for the whole draft:
// each computer pick weighs every undrafted player of the league.

struct PICK_FIGURES {
    int nPlayerID = 0;
    int nWorth = 0;
    int nContractWorth = 0;
    int nOverall = 0;
    int nPotential = 0;
    int nPosition = 0;
    int64_t nCost = 0;   // dollars
};

PICK_FIGURES g_Figures[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
unsigned g_nFiguresStamp = 0;
int g_nFiguresCap = 0;
int g_nFiguresInflation = 0;
bool g_bFiguresKept = false;

void Check_Figures_Still_Hold()
{
    // A rating changed elsewhere (an editor between picks) makes them stale,
    // and so does a new cap or money level (contracts and cap charges scale
    // with them).
    const int nCap = Get_Universe_Stat(SALARY_CAP);
    const int nInflation = Get_Universe_Stat(INFLATION_FACTOR);
    if (!g_bFiguresKept || g_nFiguresStamp != Get_Player_Rating_Changes() || g_nFiguresCap != nCap ||
        g_nFiguresInflation != nInflation) {
        g_nFiguresCap = nCap;
        g_nFiguresInflation = nInflation;
        for (auto& Team : g_Figures)
            for (auto& F : Team)
                F.nPlayerID = 0;
        g_bFiguresKept = true;
        g_nFiguresStamp = Get_Player_Rating_Changes();
    }
}

const PICK_FIGURES& Get_Pick_Figures(int nTeam, int nSlot)
{
    PICK_FIGURES& F = g_Figures[nTeam][nSlot];
    const int nPlayerID = Get_Player_ID(nTeam, nSlot);
    if (F.nPlayerID == nPlayerID)
        return F;
    F.nPlayerID = nPlayerID;
    // The player's trade worth and the contract it is worth.
    F.nWorth = Get_Player_Value(nTeam, nSlot);
    F.nContractWorth = Get_Player_Contract_Value(nTeam, nSlot, F.nWorth);
    F.nOverall = static_cast<int>(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
    F.nPotential = static_cast<int>(Compute_Player_Potential(nTeam, nSlot));
    F.nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    F.nCost = static_cast<int64_t>(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCALED_CAP_CHARGE)) * 1000;
    // The potential is found by ageing his ratings and putting them back:
    // the count moves without a change that matters.
    g_nFiguresStamp = Get_Player_Rating_Changes();
    return F;
}

// What a club's pick weighs besides the player.
struct PICKING_CLUB {
    int nTeam = 0;
    int nCap = 0;
    int nRoom = 0;
    int nTight = 0;
    int nShort = 0;
    int nReference = 0;
    int nRank = 0;
    int nNeed[15] = {};
};

PICKING_CLUB Get_Picking_Club(int nTeam)
{
    PICKING_CLUB C;
    C.nTeam = nTeam;
    C.nCap = Get_Universe_Stat(SALARY_CAP);
    C.nRoom = Get_Fantasy_Payroll_Room(nTeam);
    const int f = Get_Universe_Stat(INFLATION_FACTOR);
    C.nTight = Mul_Div_Rounded(ROOM_TIGHT, f, 1000);
    C.nShort = Mul_Div_Rounded(ROOM_SHORT, f, 1000);
    C.nReference = Mul_Div_Rounded(REFERENCE_COST, f, 1000);
    C.nRank = Get_Team_Financial_Stat_Rank(nTeam, FINANCE_REVENUE_LAST);
    Get_Fantasy_Position_Needs(nTeam, C.nNeed);
    return C;
}

int Clamp_Value(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

int Get_Pick_Value(const PICKING_CLUB& C, const PICK_FIGURES& F)
{
    int64_t v = F.nWorth + static_cast<int64_t>(Mul_Div_Rounded(2 * C.nRank, F.nContractWorth, 100));
    // Ratings count in full while money is no worry.
    if (C.nCap == 0 || static_cast<int64_t>(C.nRoom) > 2 * static_cast<int64_t>(C.nShort)) {
        v += 3 * static_cast<int64_t>(Mul_Div_Rounded(F.nOverall - 50, RATING_STEP, 20)) +
             2 * static_cast<int64_t>(Mul_Div_Rounded(F.nPotential - 50, RATING_STEP, 20));
    }
    int nValue = Clamp_Value(v);
    if (F.nPosition >= 0 && F.nPosition < 15)
        nValue = Mul_Div_Rounded(C.nNeed[F.nPosition], nValue, 1000);
    if (C.nCap != 0) {
        if (C.nRoom < C.nTight)
            nValue = Mul_Div_Rounded_64(nValue, C.nReference, F.nCost);
        else if (C.nRoom < C.nShort)
            nValue = Mul_Div_Rounded_64(nValue, 2 * static_cast<int64_t>(C.nReference), F.nCost + C.nReference);
    }
    return nValue;
}

// Teams whose undrafted players may be picked: the franchises in use, the
// free agents and the college pools (never the hall of fame).
bool Is_Candidate_Team(int nTeam)
{
    return nTeam != HALL_OF_FAME_TEAM && Is_Valid_Team(nTeam);
}

bool Any_Player_Undrafted()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Candidate_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Get_Player_ID(t, s) != 0 && Get_Player_Drafted_By(t, s) == NO_TEAM)
                return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// The prompt's loop: a pick asks for the next prompt; while one runs, the
// request is taken up by it rather than nesting a second chain of picks.

int g_nPromptDepth = 0;
bool g_bPromptAsked = false;

// The next pick comes through the main window's own message, so the window
// stays live between picks; without a window it follows at once.
void Ask_For_Prompt()
{
    if (!Post_Main_Window_User_Message())
        Show_Fantasy_Draft_Prompt();
}

void Format_Round_Pick(char (&szCaption)[64], int nRound, int nPick)
{
    std::snprintf(szCaption, sizeof(szCaption), "Round %d / Pick %d", nRound + 1, nPick + 1);
}

// One prompt: the pick on the clock.
void Prompt_Once()
{
    // Whatever waits is handled first, and the pick read after it: an end of
    // the draft chosen meanwhile must not leave a stale club to pick for.
    Pump_Messages();
    const int nFlag = Flag();
    if (nFlag == FANTASY_DRAFT_NONE)
        return;
    Refresh_Title();
    Request_Main_Window_Repaint();

    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    if (State.nRound < 0 || State.nRound >= FANTASY_DRAFT_ROUNDS_MADE || !Any_Player_Undrafted()) {
        Finish_Fantasy_Draft();
        return;
    }
    const int nTeam = State.nPick >= 0 && State.nPick < FANTASY_DRAFT_TEAMS ? State.nOrder[State.nRound][State.nPick] : -1;
    if (State.nPick >= Team_Count() || !Is_Draft_Team(nTeam)) {
        // The league no longer has the club the order names (a state not of
        // this league): the picks made so far stand.
        Report_Error("Round %d pick %d names no club in %s()", State.nRound, State.nPick, __func__);
        Finish_Fantasy_Draft();
        return;
    }
    if (nFlag == FANTASY_DRAFT_UNDER_WAY && Is_Human_Team(nTeam)) {
        Set_User_Preference(PREF_CURRENT_TEAM_PICKING, nTeam);
        char szCaption[64];
        Format_Round_Pick(szCaption, State.nRound, State.nPick);
        char szName[TEXT_BUFFER_SIZE];
        Get_Team_Full_Name(nTeam, szName);
        Show_Formatted_Message(szCaption,
                               "%s, please make your pick. Choose 'Sortable Stats' from the Team Menu. Then view "
                               "'Undrafted Players'.",
                               szName);
        return;
    }
    int nPoolTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    if (Choose_Fantasy_Draft_Pick(nTeam, &nPoolTeam, &nSlot)) {
        Record_Fantasy_Draft_Pick(nPoolTeam, nSlot, nTeam);
        if (g_pListRefresher != nullptr)
            g_pListRefresher();
    } else
        Finish_Fantasy_Draft();
}

// The order, the drafted-by bytes and the log of a draft about to start; the
// first prompt is the caller's.
void Prepare_Fantasy_Draft(int nFirstRoundMode, int nLaterRoundMode)
{
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    Fill_Fantasy_Draft_Order(&State, nFirstRoundMode, nLaterRoundMode);
    Set_Fantasy_Draft_State(State);
    Clear_All_Drafted_By();
    Forget_Fantasy_Pick_Values();
    Draft_Log_Start();
    // The draft's two menu items read the flag: rebuilt, they are relabelled.
    Rebuild_Play_Menu();
}

// A fresh draft in place of an unreadable file: every pick from the start.
void Start_Over_For_Lost_File()
{
    FANTASY_DRAFT_STATE State{};
    Set_Fantasy_Draft_State(State);
    Prepare_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_LATER_SNAKE);
}

}  // namespace

// ---------------------------------------------------------------------------
// The state

void Encode_Fantasy_Draft_State(const FANTASY_DRAFT_STATE& State, uint8_t (&Bytes)[FANTASY_DRAFT_STATE_SIZE])
{
    Put_Int32(Bytes + 0, State.nFirstRoundMode);
    Put_Int32(Bytes + 4, State.nLaterRoundMode);
    Put_Int32(Bytes + ROUND_OFFSET, State.nRound);
    Put_Int32(Bytes + PICK_OFFSET, State.nPick);
    for (int r = 0; r < FANTASY_DRAFT_ROUNDS; ++r)
        for (int p = 0; p < FANTASY_DRAFT_TEAMS; ++p) {
            const size_t i = static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p;
            Put_Int32(Bytes + PICKED_OFFSET + 4 * i, State.nPicked[r][p]);
            Bytes[ORDER_OFFSET + i] = static_cast<uint8_t>(State.nOrder[r][p]);
        }
}

void Decode_Fantasy_Draft_State(const uint8_t (&Bytes)[FANTASY_DRAFT_STATE_SIZE], FANTASY_DRAFT_STATE* pState)
{
    if (pState == nullptr)
        return;
    pState->nFirstRoundMode = Get_Int32(Bytes + 0);
    pState->nLaterRoundMode = Get_Int32(Bytes + 4);
    pState->nRound = Get_Int32(Bytes + ROUND_OFFSET);
    pState->nPick = Get_Int32(Bytes + PICK_OFFSET);
    for (int r = 0; r < FANTASY_DRAFT_ROUNDS; ++r)
        for (int p = 0; p < FANTASY_DRAFT_TEAMS; ++p) {
            const size_t i = static_cast<size_t>(r) * FANTASY_DRAFT_TEAMS + p;
            pState->nPicked[r][p] = Get_Int32(Bytes + PICKED_OFFSET + 4 * i);
            pState->nOrder[r][p] = static_cast<int8_t>(Bytes[ORDER_OFFSET + i]);
        }
}

void Get_Fantasy_Draft_State(FANTASY_DRAFT_STATE* pState)
{
    if (pState == nullptr)
        return;
    static uint8_t Bytes[FANTASY_DRAFT_STATE_SIZE];
    Get_Season_Bookkeeping_Bytes(FANTASY_DRAFT_STATE_OFFSET, Bytes, sizeof(Bytes));
    Decode_Fantasy_Draft_State(Bytes, pState);
}

void Set_Fantasy_Draft_State(const FANTASY_DRAFT_STATE& State)
{
    static uint8_t Bytes[FANTASY_DRAFT_STATE_SIZE];
    Encode_Fantasy_Draft_State(State, Bytes);
    Set_Season_Bookkeeping_Bytes(FANTASY_DRAFT_STATE_OFFSET, Bytes, sizeof(Bytes));
}

const char* Check_Fantasy_Draft_Bytes(const uint8_t* pData, size_t nSize)
{
    if (pData == nullptr || nSize != FANTASY_DRAFT_STATE_SIZE)
        return "is not 18,016 bytes long";
    const int n = Team_Count();
    const int32_t nRound = Get_Int32(pData + ROUND_OFFSET);
    if (nRound < 0 || nRound >= FANTASY_DRAFT_ROUNDS)
        return "has a round out of range";
    const int32_t nPick = Get_Int32(pData + PICK_OFFSET);
    if (nPick < 0 || nPick >= n)
        return "has a pick out of range";
    for (size_t i = 0; i < static_cast<size_t>(FANTASY_DRAFT_ROUNDS) * FANTASY_DRAFT_TEAMS; ++i) {
        const int nTeam = static_cast<int8_t>(pData[ORDER_OFFSET + i]);
        if (nTeam < 0 || nTeam >= n)
            return "names a club that is not in the league";
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Start and order

void Start_Fantasy_Draft(int nFirstRoundMode, int nLaterRoundMode, int bAnnounce)
{
    if (nFirstRoundMode < FANTASY_ORDER_RANDOM || nFirstRoundMode > FANTASY_ORDER_ALPHABETICAL)
        nFirstRoundMode = FANTASY_ORDER_RANDOM;
    if (nLaterRoundMode != FANTASY_LATER_RANDOM && (nLaterRoundMode < FANTASY_LATER_SNAKE || nLaterRoundMode > FANTASY_LATER_REVERSE))
        nLaterRoundMode = FANTASY_LATER_REVERSE;
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_UNDER_WAY);
    Set_User_Preference(PREF_FANTASY_ANNOUNCE, bAnnounce != 0 ? 1 : 0);
    Set_User_Preference(PREF_FANTASY_LIST_POSITION, ANY_POSITION);
    Set_User_Preference(PREF_FANTASY_LIST_TEAM, Count_Teams());
    Refresh_Title();
    const FANTASY_DRAFT_STATE State{};
    Set_Fantasy_Draft_State(State);
    Set_Up_Fantasy_Draft_Order(nFirstRoundMode, nLaterRoundMode);
}

void Fill_Fantasy_Draft_Order(FANTASY_DRAFT_STATE* pState, int nFirstRoundMode, int nLaterRoundMode)
{
    if (pState == nullptr)
        return;
    pState->nFirstRoundMode = nFirstRoundMode;
    pState->nLaterRoundMode = nLaterRoundMode;
    std::memset(pState->nOrder, 0, sizeof(pState->nOrder));
    const int n = Team_Count();
    int nFirst[FANTASY_DRAFT_TEAMS];
    switch (nFirstRoundMode) {
    case FANTASY_ORDER_CASH:
        Order_By_Financial_Stat(nFirst, n, FINANCE_CASH);
        break;
    case FANTASY_ORDER_REVENUE:
        Order_By_Financial_Stat(nFirst, n, FINANCE_REVENUE);
        break;
    case FANTASY_ORDER_ALPHABETICAL:
        for (int t = 0; t < n; ++t)
            nFirst[t] = t;
        break;
    default:
        Shuffle_Index_Array(nFirst, n);
        break;
    }
    for (int r = 0; r < FANTASY_DRAFT_ROUNDS; ++r) {
        int nRound[FANTASY_DRAFT_TEAMS];
        bool bReversed = false;
        if (r == 0) {
            bReversed = false;
        } else if (nLaterRoundMode == FANTASY_LATER_RANDOM) {
            Shuffle_Index_Array(nRound, n);
            for (int p = 0; p < n; ++p)
                pState->nOrder[r][p] = static_cast<int8_t>(nRound[p]);
            continue;
        } else if (nLaterRoundMode == FANTASY_LATER_SNAKE) {
            bReversed = r % 2 == 1;
        } else if (nLaterRoundMode == FANTASY_LATER_REPEAT) {
            bReversed = false;
        } else {
            bReversed = true;
        }
        for (int p = 0; p < n; ++p)
            pState->nOrder[r][p] = static_cast<int8_t>(bReversed ? nFirst[n - 1 - p] : nFirst[p]);
    }
}

void Set_Up_Fantasy_Draft_Order(int nFirstRoundMode, int nLaterRoundMode)
{
    Prepare_Fantasy_Draft(nFirstRoundMode, nLaterRoundMode);
    Show_Fantasy_Draft_Prompt();
}

// ---------------------------------------------------------------------------
// Picks

void Show_Fantasy_Draft_Prompt()
{
    if (g_nPromptDepth > 0) {
        g_bPromptAsked = true;
        return;
    }
    ++g_nPromptDepth;
    do {
        g_bPromptAsked = false;
        Prompt_Once();
    } while (g_bPromptAsked);
    --g_nPromptDepth;
}

bool Record_Fantasy_Draft_Pick(int nTeam, int nSlot, int nDraftingTeam)
{
    if (Flag() == FANTASY_DRAFT_NONE) {
        Report_Error("No fantasy draft under way in %s(%d,%d,%d)", __func__, nTeam, nSlot, nDraftingTeam);
        return false;
    }
    if (!Is_Candidate_Team(nTeam) || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM || Get_Player_ID(nTeam, nSlot) == 0) {
        Report_Error("No player to pick in %s(%d,%d,%d)", __func__, nTeam, nSlot, nDraftingTeam);
        return false;
    }
    if (Get_Player_Drafted_By(nTeam, nSlot) != NO_TEAM) {
        Report_Error("Player already drafted in %s(%d,%d,%d)", __func__, nTeam, nSlot, nDraftingTeam);
        return false;
    }
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    const int n = Team_Count();
    if (State.nRound < 0 || State.nRound >= FANTASY_DRAFT_ROUNDS_MADE || State.nPick < 0 || State.nPick >= n ||
        State.nOrder[State.nRound][State.nPick] != nDraftingTeam) {
        Report_Error("Team not on the clock in %s(%d,%d,%d)", __func__, nTeam, nSlot, nDraftingTeam);
        return false;
    }

    Set_Player_Drafted_By(nTeam, nSlot, nDraftingTeam);
    char szTeam[TEXT_BUFFER_SIZE];
    Get_Team_Full_Name(nDraftingTeam, szTeam);
    char szPlayer[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szPlayer);
    char szPosition[16] = "";
    Get_Player_Position_Name(szPosition, nTeam, nSlot);
    Append_Formatted_Line_To_File(FANTASY_LOG_PATH, "%3d. %-25s %-25s %s", State.nRound * n + State.nPick + 1, szTeam,
                                  szPlayer, szPosition);
    State.nPicked[State.nRound][State.nPick] = Get_Player_ID(nTeam, nSlot);

    if (Get_User_Preference(PREF_FANTASY_ANNOUNCE) != 0) {
        char szCaption[64];
        Format_Round_Pick(szCaption, State.nRound, State.nPick);
        char szText[2 * TEXT_BUFFER_SIZE];
        std::snprintf(szText, sizeof(szText), "%s pick %s (%s)\n(Click 'Cancel' to stop showing these messages)", szTeam,
                      szPlayer, szPosition);
        if (Show_Message_Box(szText, szCaption, BOX_OKCANCEL | BOX_ICON_INFORMATION | BOX_TASKMODAL) == ID_CANCEL)
            Set_User_Preference(PREF_FANTASY_ANNOUNCE, 0);
    }

    State.nPick = (State.nPick + 1) % n;
    if (State.nPick == 0)
        ++State.nRound;
    Set_Fantasy_Draft_State(State);
    Ask_For_Prompt();
    return true;
}

// ---------------------------------------------------------------------------
// The end

void Confirm_End_Fantasy_Draft()
{
    const int nAnswer = Show_Message_Box(
        "The computer will end the Fantasy Draft by making all remaining picks automatically. Is this OK?\n\n"
        "(Click 'Yes' to have the computer choose all remaining draft picks)\n\n"
        "(Click 'Cancel' to abort the Fantasy Draft and undo all picks)\n\n"
        "(Click 'No' to return to the Fantasy Draft)",
        "End Fantasy Draft", BOX_YESNOCANCEL | BOX_TASKMODAL);
    if (nAnswer == ID_YES) {
        Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_COMPUTER_FINISHES);
        Show_Fantasy_Draft_Prompt();
    } else if (nAnswer == ID_CANCEL) {
        Close_Fantasy_Draft();
    }
}

void Finish_Fantasy_Draft()
{
    if (Flag() == FANTASY_DRAFT_UNDER_WAY)
        Show_Formatted_Message("Fantasy Draft Complete",
                               "All players have been drafted. The Vazarudu Kelvo Fantasy Draft is complete.");
    Implement_Draft_Teams();
    Repair_Absurd_Contracts();
    Close_Fantasy_Draft();
    Request_Main_Window_Repaint();
}

void Close_Fantasy_Draft()
{
    Clear_All_Drafted_By();
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_NONE);
    Forget_Fantasy_Pick_Values();
    Rebuild_Play_Menu();
    Refresh_Title();
}

int Get_Fantasy_Draft_Club_On_The_Clock()
{
    if (Flag() == FANTASY_DRAFT_NONE)
        return NO_TEAM;
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    if (State.nRound < 0 || State.nRound >= FANTASY_DRAFT_ROUNDS_MADE || State.nPick < 0 || State.nPick >= Team_Count())
        return NO_TEAM;
    const int nTeam = State.nOrder[State.nRound][State.nPick];
    return Is_Draft_Team(nTeam) ? nTeam : NO_TEAM;
}

bool Get_Fantasy_Draft_Round_And_Pick(int* pnRound, int* pnPick)
{
    int nRound = 0;
    int nPick = 0;
    const bool bRunning = Flag() != FANTASY_DRAFT_NONE;
    if (bRunning) {
        // Only the two words, not the whole state: the corner box asks at every paint.
        uint8_t Bytes[8];
        Get_Season_Bookkeeping_Bytes(FANTASY_DRAFT_STATE_OFFSET + ROUND_OFFSET, Bytes, sizeof(Bytes));
        nRound = Get_Int32(Bytes);
        nPick = Get_Int32(Bytes + 4);
    }
    if (pnRound != nullptr)
        *pnRound = nRound;
    if (pnPick != nullptr)
        *pnPick = nPick;
    return bRunning;
}

// ---------------------------------------------------------------------------
// The computer's pick

bool Choose_Fantasy_Draft_Pick(int nTeam, int* pnPoolTeam, int* pnSlot)
{
    int nChosenTeam = NO_TEAM;
    int nChosenSlot = NO_PLAYER;
    if (Is_Draft_Team(nTeam)) {
        Check_Figures_Still_Hold();
        const PICKING_CLUB Club = Get_Picking_Club(nTeam);
        int nBest = LOWEST_VALUE;
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            if (!Is_Candidate_Team(t))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (Get_Player_ID(t, s) == 0 || Get_Player_Drafted_By(t, s) != NO_TEAM)
                    continue;
                const int v = Get_Pick_Value(Club, Get_Pick_Figures(t, s));
                if (v > nBest || (v == nBest && (nTeam + t) % 2 == 1)) {
                    nBest = v;
                    nChosenTeam = t;
                    nChosenSlot = s;
                }
            }
        }
    }
    if (pnPoolTeam != nullptr)
        *pnPoolTeam = nChosenTeam;
    if (pnSlot != nullptr)
        *pnSlot = nChosenSlot;
    return nChosenTeam != NO_TEAM;
}

int Get_Fantasy_Pick_Value(int nTeam, int nPoolTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nPoolTeam, nSlot))
        return 0;
    Check_Figures_Still_Hold();
    return Get_Pick_Value(Get_Picking_Club(nTeam), Get_Pick_Figures(nPoolTeam, nSlot));
}

void Get_Fantasy_Position_Needs(int nTeam, int (&nNeed)[15])
{
    int nCount[15] = {};
    For_Each_Player_In_Use([nTeam, &nCount](int t, int s) {
        if (Get_Player_Drafted_By(t, s) != nTeam)
            return;
        const int q = Get_Player_Vital_Stat(t, s, VITAL_POSITION);
        if (q >= 0 && q < 15)
            ++nCount[q];
    });
    for (int q = 0; q < 15; ++q)
        nNeed[q] = std::max(0, Mul_Div_Rounded(FANTASY_NEED_WEIGHT[q], FANTASY_NEED_FULL[q] - nCount[q], FANTASY_NEED_FULL[q]));
}

int Get_Fantasy_Payroll_Room(int nTeam)
{
    const int nCap = Get_Universe_Stat(SALARY_CAP);
    const int64_t nRoom = (nCap != 0 ? nCap : Get_Team_Payroll_Budget(nTeam)) / 1000;
    return Clamp_Value(nRoom - Get_Fantasy_Drafted_Payroll(nTeam));
}

int64_t Get_Fantasy_Drafted_Payroll(int nTeam)
{
    int64_t nPayroll = 0;
    For_Each_Player_In_Use([nTeam, &nPayroll](int t, int s) {
        if (Get_Player_Drafted_By(t, s) == nTeam)
            nPayroll += Get_Player_Vital_Stat(t, s, VITAL_CAP_CHARGE);
    });
    return nPayroll;
}

int Count_Team_Picks_At_Position(int nTeam, int nPosition)
{
    int n = 0;
    For_Each_Player_In_Use([nTeam, nPosition, &n](int t, int s) {
        if (Get_Player_Drafted_By(t, s) == nTeam && Get_Player_Vital_Stat(t, s, VITAL_POSITION) == nPosition)
            ++n;
    });
    return n;
}

void Forget_Fantasy_Pick_Values()
{
    g_bFiguresKept = false;
}

// ---------------------------------------------------------------------------
// The file of older saved games

bool Load_Fantasy_Draft_Bytes(const uint8_t* pData, size_t nSize, const char* szName)
{
    const char* szProblem = Check_Fantasy_Draft_Bytes(pData, nSize);
    if (szProblem != nullptr) {
        char szText[2 * TEXT_BUFFER_SIZE];
        std::snprintf(szText, sizeof(szText),
                      "The Fantasy Draft file %s %s, so it was not read.\n\nThe Fantasy Draft starts again from the "
                      "first pick.",
                      szName != nullptr ? szName : "", szProblem);
        Show_Message_Box(szText, "Fantasy Draft", BOX_OK | BOX_ICON_EXCLAMATION);
        Start_Over_For_Lost_File();
        return false;
    }
    static uint8_t Bytes[FANTASY_DRAFT_STATE_SIZE];
    std::memcpy(Bytes, pData, sizeof(Bytes));
    FANTASY_DRAFT_STATE State;
    Decode_Fantasy_Draft_State(Bytes, &State);
    Set_Fantasy_Draft_State(State);
    Forget_Fantasy_Pick_Values();

    // Each pick made gives its player his drafted-by byte back: the bytes are
    // what moves the players at the end.
    Clear_All_Drafted_By();
    std::unordered_map<int, std::pair<int, int>> Where;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Candidate_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nPlayerID = Get_Player_ID(t, s);
            if (nPlayerID > 0)
                Where.emplace(nPlayerID, std::make_pair(t, s));
        }
    }
    const int n = Team_Count();
    for (int r = 0; r <= State.nRound; ++r) {
        const int nPicks = r < State.nRound ? n : State.nPick;
        for (int p = 0; p < nPicks; ++p) {
            const auto Found = Where.find(State.nPicked[r][p]);
            if (Found == Where.end())
                continue;   // no player taken, or he has left the league
            const auto [t, s] = Found->second;
            if (Get_Player_Drafted_By(t, s) == NO_TEAM)
                Set_Player_Drafted_By(t, s, State.nOrder[r][p]);
        }
    }
    return true;
}

bool Load_Fantasy_Draft_File()
{
    // One byte more than the field: a path filling it has no terminator there.
    char szGame[sizeof(LEAGUE_DATA::szCurrentGamePath) + 1];
    Get_League_Game_Path(szGame, sizeof(szGame));
    const std::string Path = std::string(szGame) + ".draft";
    std::vector<unsigned char> Data;
    if (szGame[0] == '\0' || !files::Read_Whole_File(Path.c_str(), Data, FANTASY_DRAFT_STATE_SIZE)) {
        if (szGame[0] == '\0' || errno == ENOENT) {
            // No file: the draft starts again, as if just begun.
            Start_Over_For_Lost_File();
            return false;
        }
        // Too long, a folder, unreadable: as damaged as a short file.
        return Load_Fantasy_Draft_Bytes(nullptr, 0, Path.c_str());
    }
    return Load_Fantasy_Draft_Bytes(Data.data(), Data.size(), Path.c_str());
}

void Set_Fantasy_Draft_List_Refresher(void (*pRefresh)())
{
    g_pListRefresher = pRefresh;
}
