// Team strengths and the starters score, recomputed on every call.
#include "league/team_strength.h"

#include <cmath>
#include <initializer_list>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {


constexpr int MISSING_RATING = 20;    // any rating or composite of a missing starter
constexpr int MISSING_OVERALL = 40;   // the overall that all-20 ratings give at QB

// A term stays within this bound, so that ratings a damaged file holds
// (huge or infinite values) can neither overflow the integer sums nor make
// the float-to-int conversion undefined.
constexpr float TERM_LIMIT = 1000000.0f;
constexpr float TOTAL_LIMIT = 100000000.0f;

// Eras of the running strength.
constexpr int RUSHING_ERA_YEAR = 2000;
constexpr int FULLBACK_ERA_YEAR = 1985;

constexpr int RUSHING_BONUS_THRESHOLD = 75;
constexpr int RECEIVING_BONUS_THRESHOLD = 75;
constexpr int PASS_RUSH_BONUS_THRESHOLD = 90;

// Starting group sizes of the starters score, by side.
constexpr int SIDE_GROUP_SIZE[3] = {11, 11, 2};

// A float truncated toward zero, held within +/- fLimit; not-a-number
// gives nNaN.
int Truncate_Within(float fValue, float fLimit, int nNaN)
{
    if (std::isnan(fValue))
        return nNaN;
    if (fValue > fLimit)
        return static_cast<int>(fLimit);
    if (fValue < -fLimit)
        return -static_cast<int>(fLimit);
    return static_cast<int>(fValue);
}

// A rating or overall as an integer term.
int Truncate_Term(float fValue, int nMissing)
{
    return Truncate_Within(fValue, TERM_LIMIT, nMissing);
}

// nTotal + fExtra in single precision, truncated: the bonus steps.
int Add_Float_Truncated(int nTotal, float fExtra)
{
    return Truncate_Within(static_cast<float>(nTotal) + fExtra, TOTAL_LIMIT, nTotal);
}

// Roster slots of the starters (-1 where the club has nobody there).
struct OFFENSE {
    int QB1, RB1, RB2, FB1, TE1, TE2;
    int WR[5];
    int T1, T2, G1, G2, C1;
};
struct DEFENSE {
    int DE1, DE2, DT1, DT2;
    int LB[4];
    int CB1, CB2, S1, S2;
};

// Reads the terms of one club's starters. A missing starter (slot -1) reads
// 20 for ratings and composites and 40 for overalls.
class STARTERS {
public:
    STARTERS(const char* szFunction, int nTeam) : m_nTeam(nTeam)
    {
        if (nTeam >= 0 && nTeam <= LAST_TEAM) {
            m_bPlayers = Is_Valid_Team(nTeam) != 0;
            if (m_bPlayers)
                Read_Roster_Order();
            return;
        }
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d])", szFunction, nTeam);
        m_bPlayers = false;
    }

    // The slot of the n-th (from 0) player at the position in slot order:
    // Find_Team_Position_Player's answer.
    int Find(int nPosition, int n) const
    {
        if (!m_bPlayers || nPosition < 0 || nPosition > POSITION_P || n < 0)
            return -1;
        if (n < FIRST_PLAYERS)
            return n < m_nCount[nPosition] ? m_nFirst[nPosition][n] : -1;
        return Find_Team_Position_Player(m_nTeam, nPosition, n);
    }

    // A returner (kind 0 kick-offs, 1 punts); missing when the slot holds no
    // player, as on an empty roster.
    int Returner(int nKind) const
    {
        if (!m_bPlayers)
            return -1;
        int nSlot = Get_Team_Returner(m_nTeam, nKind);
        return Is_Player_Slot_Used(m_nTeam, nSlot) ? nSlot : -1;
    }

    // The offensive and defensive starters the strengths read, each the
    // n-th player at his position in slot order.
    OFFENSE Offense() const
    {
        OFFENSE O;
        O.QB1 = Find(POSITION_QB, 0);
        O.RB1 = Find(POSITION_RB, 0);
        O.RB2 = Find(POSITION_RB, 1);
        O.FB1 = Find(POSITION_FB, 0);
        O.TE1 = Find(POSITION_TE, 0);
        O.TE2 = Find(POSITION_TE, 1);
        for (int i = 0; i < 5; ++i)
            O.WR[i] = Find(POSITION_WR, i);
        O.T1 = Find(POSITION_T, 0);
        O.T2 = Find(POSITION_T, 1);
        O.G1 = Find(POSITION_G, 0);
        O.G2 = Find(POSITION_G, 1);
        O.C1 = Find(POSITION_C, 0);
        return O;
    }

    DEFENSE Defense() const
    {
        DEFENSE D;
        D.DE1 = Find(POSITION_DE, 0);
        D.DE2 = Find(POSITION_DE, 1);
        D.DT1 = Find(POSITION_DT, 0);
        D.DT2 = Find(POSITION_DT, 1);
        for (int i = 0; i < 4; ++i)
            D.LB[i] = Find(POSITION_LB, i);
        D.CB1 = Find(POSITION_CB, 0);
        D.CB2 = Find(POSITION_CB, 1);
        D.S1 = Find(POSITION_S, 0);
        D.S2 = Find(POSITION_S, 1);
        return D;
    }

    int Rating(int nSlot, int nRating) const
    {
        if (nSlot < 0)
            return MISSING_RATING;
        return Truncate_Term(Get_Player_Rating(m_nTeam, nSlot, nRating), MISSING_RATING);
    }

    int Rush(int nSlot) const { return Rating(nSlot, RATING_COMBINED_RUSHING); }
    int Receive(int nSlot) const { return Rating(nSlot, RATING_COMBINED_RECEIVING); }

    int Overall(int nSlot) const
    {
        if (nSlot < 0)
            return MISSING_OVERALL;
        return Truncate_Term(Get_Player_Overall_Or_Regenerate(m_nTeam, nSlot), MISSING_OVERALL);
    }

private:
    // The first players of each position in slot order, read in one pass
    // over the slots Find_Team_Position_Player scans (those before the
    // roster's end, matching the position exactly).
    static constexpr int FIRST_PLAYERS = 5;
    void Read_Roster_Order()
    {
        const int nEnd = Find_Roster_End(m_nTeam);
        const PLAYER* pPlayer = League.Team[m_nTeam].Player;
        for (int s = 0; s < nEnd; ++s) {
            const int nPosition = pPlayer[s].nVital[VITAL_POSITION];
            if (nPosition < 0 || nPosition > POSITION_P)
                continue;
            int& nCount = m_nCount[nPosition];
            if (nCount < FIRST_PLAYERS)
                m_nFirst[nPosition][nCount++] = s;
        }
    }

    int m_nTeam;
    bool m_bPlayers = false;
    int m_nCount[POSITION_P + 1] = {};
    int m_nFirst[POSITION_P + 1][FIRST_PLAYERS];
};

}  // namespace

int Get_Team_Run_Rating(int nTeam)
{
    const STARTERS X(__func__, nTeam);
    const auto [QB1, RB1, RB2, FB1, TE1, TE2, WR, T1, T2, G1, G2, C1] = X.Offense();
    const int nYear = Get_Current_Year();

    int T = X.Overall(RB1) + X.Rush(RB1);
    int N = 6;
    // Older eras leaned harder on the lead back, and before 1985 on the
    // fullback as a runner too.
    if (nYear < RUSHING_ERA_YEAR) {
        T += X.Rush(RB1);
        ++N;
    }
    if (nYear < FULLBACK_ERA_YEAR) {
        T += X.Rush(FB1);
        ++N;
    }
    const int nBlocking = X.Rating(FB1, RATING_RUN_BLOCKING) + 3 * X.Rating(T1, RATING_RUN_BLOCKING)
        + 3 * X.Rating(T2, RATING_RUN_BLOCKING) + 3 * X.Rating(C1, RATING_RUN_BLOCKING)
        + 4 * X.Rating(G1, RATING_RUN_BLOCKING) + 4 * X.Rating(G2, RATING_RUN_BLOCKING)
        + 2 * X.Rating(TE1, RATING_RUN_BLOCKING) + X.Rating(TE2, RATING_RUN_BLOCKING);
    T += nBlocking / 7;
    T += (X.Overall(C1) + X.Overall(T1) + X.Overall(T2) + X.Overall(G1) + X.Overall(G2)) / 5;

    // A running quarterback and a strong second back add half their excess.
    const int nQuarterbackRush = X.Rush(QB1);
    if (nQuarterbackRush > RUSHING_BONUS_THRESHOLD)
        T = Add_Float_Truncated(T, static_cast<float>(nQuarterbackRush - RUSHING_BONUS_THRESHOLD) * 0.5f);
    const int nSecondBackRush = X.Rush(RB2);
    if (nSecondBackRush > RUSHING_BONUS_THRESHOLD)
        T = Add_Float_Truncated(T, static_cast<float>(nSecondBackRush - RUSHING_BONUS_THRESHOLD) * 0.5f);

    return (13 * T) / N - 294;
}

int Get_Team_Pass_Rating(int nTeam)
{
    const STARTERS X(__func__, nTeam);
    const auto [QB1, RB1, RB2, FB1, TE1, TE2, WR, T1, T2, G1, G2, C1] = X.Offense();

    int S = 3 * (X.Overall(QB1) + X.Rating(QB1, RATING_ACCURACY) + X.Rating(QB1, RATING_DISTANCE)
                 + X.Rating(QB1, RATING_CONTROL) + X.Rating(QB1, RATING_RED_ZONE));
    S += X.Overall(WR[0]) + X.Overall(WR[1]) + X.Receive(WR[0]) + X.Receive(WR[1]);
    S += (X.Overall(WR[2]) + X.Overall(WR[3]) + X.Overall(WR[4]) + X.Receive(WR[2]) + X.Receive(WR[3])
          + X.Receive(WR[4]))
        / 3;
    S += X.Rating(T1, RATING_PASS_BLOCKING) + X.Rating(T2, RATING_PASS_BLOCKING);
    S += (2 * (X.Rating(G1, RATING_PASS_BLOCKING) + X.Rating(G2, RATING_PASS_BLOCKING)
               + X.Rating(C1, RATING_PASS_BLOCKING)))
        / 3;

    // Receiving bonuses: the first tight end counts his whole excess, the
    // others half of theirs.
    const int nTightEnd1 = X.Receive(TE1);
    if (nTightEnd1 > RECEIVING_BONUS_THRESHOLD)
        S = Add_Float_Truncated(S, static_cast<float>(nTightEnd1 - RECEIVING_BONUS_THRESHOLD));
    for (int nSlot : {TE2, RB1, FB1}) {
        const int nReceiving = X.Receive(nSlot);
        if (nReceiving > RECEIVING_BONUS_THRESHOLD)
            S = Add_Float_Truncated(S, static_cast<float>(nReceiving - RECEIVING_BONUS_THRESHOLD) * 0.5f);
    }

    return (10 * S) / 25 - 21;
}

int Get_Team_Run_Defense_Rating(int nTeam)
{
    const STARTERS X(__func__, nTeam);
    const auto [DE1, DE2, DT1, DT2, LB, CB1, CB2, S1, S2] = X.Defense();

    int S = 0;
    for (int nSlot : {DE1, DE2, DT1, DT2, LB[0], LB[1], LB[2], LB[3]})
        S += X.Rating(nSlot, RATING_RUN_DEFENSE);
    S += (X.Overall(DE1) + X.Overall(DE2) + X.Overall(DT1) + X.Overall(DT2)) / 2;
    S += (X.Overall(LB[0]) + X.Overall(LB[1]) + X.Overall(LB[2]) + X.Overall(LB[3])) / 2;
    S += (X.Rating(S1, RATING_RUN_DEFENSE) + X.Rating(S2, RATING_RUN_DEFENSE)) / 2;

    return (12 * S) / 13 - 148;
}

int Get_Team_Pass_Defense_Rating(int nTeam)
{
    const STARTERS X(__func__, nTeam);
    const auto [DE1, DE2, DT1, DT2, LB, CB1, CB2, S1, S2] = X.Defense();

    int S = X.Overall(CB1) + X.Overall(CB2) + X.Rating(CB1, RATING_PASS_COVERAGE)
        + X.Rating(CB2, RATING_PASS_COVERAGE) + X.Overall(S1) + X.Overall(S2);
    S += (X.Rating(S1, RATING_PASS_COVERAGE) + X.Rating(S2, RATING_PASS_COVERAGE)) / 2;
    S += (X.Rating(DE1, RATING_PASS_RUSH) + X.Rating(DE2, RATING_PASS_RUSH) + X.Rating(DT1, RATING_PASS_RUSH)
          + X.Rating(DT2, RATING_PASS_RUSH))
        / 2;
    S += (X.Rating(LB[0], RATING_PASS_RUSH) + X.Rating(LB[1], RATING_PASS_RUSH) + X.Rating(LB[2], RATING_PASS_RUSH)
          + X.Rating(LB[3], RATING_PASS_RUSH))
        / 2;

    // Dominant edge rushers count their excess over 90 a second time.
    for (int nSlot : {DE1, DE2}) {
        const int nRush = X.Rating(nSlot, RATING_PASS_RUSH);
        if (nRush > PASS_RUSH_BONUS_THRESHOLD)
            S += nRush - PASS_RUSH_BONUS_THRESHOLD;
    }

    return (10 * S) / 11 - 40;
}

int Get_Team_Special_Teams_Rating(int nTeam)
{
    const STARTERS X(__func__, nTeam);
    const int K = X.Find(POSITION_K, 0);
    const int P = X.Find(POSITION_P, 0);
    const int KR = X.Returner(RETURNER_KICKOFF);
    const int PR = X.Returner(RETURNER_PUNT);

    int S = (X.Overall(K) + 2 * X.Rating(K, RATING_FG_ACCURACY) + X.Rating(K, RATING_FG_DISTANCE)) / 2;
    S += (X.Overall(P) + X.Rating(P, RATING_PUNT_DISTANCE)) / 2;
    S += X.Rating(PR, RATING_PUNT_RETURNS) / 2;
    S += X.Rating(KR, RATING_KICK_RETURNS) / 2;

    return (6 * S) / 4 + 283;
}

int Get_Team_Strength_By_Code(int nTeam, int nCode)
{
    switch (nCode) {
    case TEAM_RATING_RUNNING:
        return Get_Team_Run_Rating(nTeam);
    case TEAM_RATING_PASSING:
        return Get_Team_Pass_Rating(nTeam);
    case TEAM_RATING_RUN_DEFENSE:
        return Get_Team_Run_Defense_Rating(nTeam);
    case TEAM_RATING_PASS_DEFENSE:
        return Get_Team_Pass_Defense_Rating(nTeam);
    case TEAM_RATING_SPECIAL_TEAMS:
        return Get_Team_Special_Teams_Rating(nTeam);
    default:
        return 0;
    }
}

int Get_Team_Starters_Score(int nTeam)
{
    if (nTeam < 0) {
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return 0;
    }
    // Only a franchise in use has sides to fill.
    if (nTeam >= FREE_AGENT_TEAM || !Is_Valid_Team(nTeam))
        return 0;

    const STARTERS X(__func__, nTeam);
    // The first slot of each side, looked up when the side is first met. A
    // side met without a player of its own (an empty record reads as a
    // quarterback, so this is the offence of a roster without one) gets a
    // new player in its first empty slot, as every side lookup does.
    int nFirst[3] = {-1, -1, -1};
    bool bLooked[3] = {false, false, false};
    int nSum = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        const PLAYER& Player = League.Team[nTeam].Player[s];
        const int nPosition = Player.nVital[VITAL_PLAYER_ID] == 0 ? POSITION_QB : Player.nVital[VITAL_POSITION];
        const int nSide = Get_Position_Side(nPosition);
        if (nSide < 0)
            continue;
        if (!bLooked[nSide]) {
            nFirst[nSide] = Get_Or_Create_Team_Side_Player(nTeam, nSide);
            bLooked[nSide] = true;
        }
        if (nFirst[nSide] < 0 || s > nFirst[nSide] + SIDE_GROUP_SIZE[nSide] - 1)
            continue;
        // An empty slot inside the window counts as a missing quarterback
        // (the all-20 overall, twice), without writing into the record. A
        // player just made in this slot counts at his own position, so the
        // next call gives the same score.
        const bool bEmpty = Player.nVital[VITAL_PLAYER_ID] == 0;
        const int nOverall = bEmpty ? MISSING_OVERALL : X.Overall(s);
        nSum += nOverall;
        if (bEmpty || Player.nVital[VITAL_POSITION] == POSITION_QB)
            nSum += nOverall;
    }
    return nSum / 2;
}
