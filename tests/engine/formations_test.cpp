// The formation catalogue against the built-in plays, and the situation rules
// of the computer defence and the kicking game with hand-computed figures.

#include <cstring>
#include <set>

#include "engine/formations.h"
#include "engine/play_data.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "test_support.h"
#include "watched_fixture.h"

namespace {

bool Is_Eligible_Receiver(int nPosition)
{
    return nPosition == POSITION_RB || nPosition == POSITION_FB || nPosition == POSITION_TE ||
           nPosition == POSITION_WR;
}

bool Is_Defensive_Lineman(int nPosition)
{
    return nPosition == POSITION_DE || nPosition == POSITION_DT;
}

int Position(int nFormation, int nPlace)
{
    return Get_Formation_Slot_Position(nFormation, nPlace, SLOT_POSITION);
}

int Rank(int nFormation, int nPlace)
{
    return Get_Formation_Slot_Position(nFormation, nPlace, SLOT_DEPTH_RANK);
}

double X(int nFormation, int nPlace)
{
    double x = 0, y = 0;
    Get_Formation_Coordinate(nFormation, nPlace, &x, &y);
    return x;
}

double Y(int nFormation, int nPlace)
{
    double x = 0, y = 0;
    Get_Formation_Coordinate(nFormation, nPlace, &x, &y);
    return y;
}

// Routes a blocker runs: no pass goes to him.
bool Is_Blocking_Route(int nRoute)
{
    return nRoute == 39 || nRoute == 40 || nRoute == 41 || nRoute == 42 || nRoute == 50 || nRoute == 51;
}

// Position and rank of places 0-10 as the catalogue's telling rows print them.
struct TELLING_ROW {
    int nFormation;
    int Position[11];
    int Rank[11];
};

constexpr int QB = POSITION_QB, RB = POSITION_RB, FB = POSITION_FB, TE = POSITION_TE, WR = POSITION_WR;
constexpr int T = POSITION_T, G = POSITION_G, C = POSITION_C, DE = POSITION_DE, DT = POSITION_DT;
constexpr int LB = POSITION_LB, CB = POSITION_CB, S = POSITION_S, K = POSITION_K, P = POSITION_P;

const TELLING_ROW TELLING_ROWS[] = {
    {0, {QB, RB, FB, WR, TE, WR, T, G, C, G, T}, {0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1}},
    {10, {QB, WR, WR, WR, WR, WR, T, G, C, G, T}, {0, 1, 2, 0, 3, 4, 0, 0, 0, 1, 1}},
    {20, {QB, RB, FB, TE, TE, TE, T, G, C, G, T}, {0, 0, 0, 0, 1, 2, 0, 0, 0, 1, 1}},
    {22, {DE, DT, DT, DE, LB, LB, LB, CB, CB, S, S}, {0, 0, 1, 1, 0, 1, 2, 0, 1, 0, 1}},
    {25, {DE, DT, DE, LB, LB, LB, LB, CB, CB, S, S}, {0, 0, 1, 0, 1, 2, 3, 0, 1, 0, 1}},
    {36, {DE, DT, DE, LB, CB, CB, CB, CB, S, S, S}, {0, 0, 1, 1, 0, 1, 2, 3, 0, 1, 2}},
    {38, {DE, DT, DT, DT, DE, LB, LB, LB, LB, CB, CB}, {0, 0, 1, 2, 1, 0, 1, 2, 3, 0, 1}},
    {39, {K, WR, WR, CB, S, FB, TE, TE, LB, LB, LB}, {0, 3, 4, 2, 2, 0, 1, 2, 3, 4, 5}},
    {40, {K, WR, WR, CB, S, FB, TE, TE, LB, LB, LB}, {0, 3, 4, 2, 2, 0, 1, 2, 3, 4, 5}},
    {41, {P, TE, TE, RB, FB, WR, T, G, C, G, T}, {0, 1, 2, 1, 0, 4, 0, 0, 1, 1, 1}},
    {42, {P, K, TE, TE, RB, FB, T, G, C, G, T}, {0, 0, 1, 2, 1, 0, 2, 2, 1, 1, 1}},
    {43, {P, K, TE, TE, RB, FB, T, G, C, G, T}, {0, 0, 1, 2, 1, 0, 2, 2, 1, 1, 1}},
    {44, {PLACE_KICK_RETURNER, WR, WR, WR, FB, T, G, S, CB, TE, TE}, {0, 2, 3, 4, 0, 2, 2, 2, 2, 1, 2}},
    {45, {PLACE_KICK_RETURNER, WR, WR, WR, FB, T, G, S, CB, TE, TE}, {0, 2, 3, 4, 0, 2, 2, 2, 2, 1, 2}},
    {46, {PLACE_PUNT_RETURNER, WR, WR, WR, FB, T, G, S, CB, TE, TE}, {0, 2, 3, 4, 0, 2, 2, 2, 2, 1, 2}},
    {47, {DE, DT, DT, DE, LB, LB, LB, CB, CB, S, S}, {2, 2, 1, 1, 2, 3, 4, 1, 2, 1, 2}},
};

struct TELLING_SPOTS {
    int nFormation;
    double x[11];
    double y[11];
};

// Places 6-10 of the offensive rows are the line.
const TELLING_SPOTS TELLING_COORDINATES[] = {
    {0, {0, -0.01, 0, -12, 6, 12, -4, -2, 0, 2, 4}, {-1.6, -5, -3.3, 0, 0, -1, 0, 0, 0, 0, 0}},
    {8, {0, -3.4, -13, 6, 13, -10, -4, -2, 0, 2, 4}, {-5, -5, 0, 0, -1, -1, 0, 0, 0, 0, 0}},
    {18, {0, -0.01, -3.4, -12, 6, -10, -4, -2, 0, 2, 4}, {-3.3, -5, -3.31, 0, 0, -1, 0, 0, 0, 0, 0}},
    {22, {-6, -2, 2, 6, -5, 0, 5, -13, 13, -4, 4}, {2, 2, 2, 2, 6, 6, 6, 3, 3, 12, 12}},
    {36, {-5, 0, 5, 0, -13, 13, 8, -8, 0, 5, -5}, {2, 2, 2, 5, 3, 3, 6, 6, 12.5, 12, 12}},
    {39, {-2, 3, 14, -14, 12, -12, 9, -9, 6, -6, -3}, {-4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {41, {0, 1.8, -12, 6, 12, -6, -4, -2, 0, 2, 4}, {-9, -5, 0, -1, 0, -1, 0, 0, 0, 0, 0}},
    {42, {-1.6, 0.9, -8, 6, 8, -6, -4, -2, 0, 2, 4}, {-8.8, -7, -1, 0, -1, 0, 0, 0, 0, 0, 0}},
    {43, {-1.6, 0.9, -8, 6, 8, -6, -4, -2, 0, 2, 4}, {-8.8, -7, -1, 0, -1, 0, 0, 0, 0, 0, 0}},
    {44, {0, -10, -6, -2, 2, 6, 10, -7, -4, 4, 7}, {14, 2, 2, 2, 2, 2, 2, 11, 11, 11, 11}},
};

class FormationsTest : public LeagueTest {};

TEST_F(FormationsTest, TellingRowsStandAsPrinted)
{
    for (const TELLING_ROW& Row : TELLING_ROWS)
        for (int p = 0; p < FORMATION_PLACES; ++p) {
            EXPECT_EQ(Position(Row.nFormation, p), Row.Position[p]) << "formation " << Row.nFormation << " place " << p;
            EXPECT_EQ(Rank(Row.nFormation, p), Row.Rank[p]) << "formation " << Row.nFormation << " place " << p;
        }
    for (const TELLING_SPOTS& Row : TELLING_COORDINATES)
        for (int p = 0; p < FORMATION_PLACES; ++p) {
            EXPECT_EQ(X(Row.nFormation, p), Row.x[p]) << "formation " << Row.nFormation << " place " << p;
            EXPECT_EQ(Y(Row.nFormation, p), Row.y[p]) << "formation " << Row.nFormation << " place " << p;
        }
    EXPECT_EQ(Position(21, 0), RB);
    EXPECT_EQ(Rank(21, 0), 1);
}

TEST_F(FormationsTest, NamesAndOutOfRangeIds)
{
    char szName[FORMATION_NAME_SIZE] = "x";
    Get_Formation_Name(szName, 36);
    EXPECT_STREQ(szName, "Prevent");
    Get_Formation_Name(szName, 14);
    EXPECT_STREQ(szName, "Trips Strong");
    Get_Formation_Name(szName, -1);
    EXPECT_STREQ(szName, "'I' Formation");
    Get_Formation_Name(szName, 48);
    EXPECT_STREQ(szName, "");

    double x = 7, y = 7;
    Get_Formation_Coordinate(48, 2, &x, &y);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    EXPECT_TRUE(Last_Error_Contains("Invalid nFormation in Get_Formation_Coordinate(48,2)"));
    EXPECT_EQ(Get_Formation_Slot_Position(3, 11, SLOT_POSITION), -1);
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(FormationsTest, OffensiveFormationsShareTheLineAndSevenOnIt)
{
    const int LINE_POSITION[5] = {T, G, C, G, T};
    const int LINE_RANK[5] = {0, 0, 0, 1, 1};
    for (int f = 0; f < FORMATION_COUNT; ++f) {
        const bool bOffense = f <= LAST_OFFENSIVE_FORMATION;
        const bool bDefense = f >= FIRST_DEFENSIVE_FORMATION && f <= LAST_DEFENSIVE_FORMATION;
        if (bOffense) {
            EXPECT_EQ(Position(f, 0), f == 21 ? RB : QB) << f;
            for (int p = 1; p <= 5; ++p) {
                const int nPosition = Position(f, p);
                EXPECT_TRUE(Is_Eligible_Receiver(nPosition) || (f == 21 && nPosition == QB)) << f << " " << p;
            }
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(Position(f, 6 + i), LINE_POSITION[i]) << f;
                EXPECT_EQ(Rank(f, 6 + i), LINE_RANK[i]) << f;
            }
        }
        if (bOffense || (f >= PUNT_FORMATION && f <= EXTRA_POINT_FORMATION)) {
            int nOnLine = 0;
            for (int p = 0; p < FORMATION_PLACES; ++p)
                nOnLine += Y(f, p) == 0.0 ? 1 : 0;
            EXPECT_EQ(nOnLine, 7) << f;
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(X(f, 6 + i), -4.0 + 2.0 * i) << f;
                EXPECT_EQ(Y(f, 6 + i), 0.0) << f;
            }
            // The man who takes the snap stands at least three yards deep
            // exactly when the snap is a deep one.
            EXPECT_EQ(Y(f, 0) <= -3.0, Is_Deep_Snap_Formation(f)) << f;
        }
        if (bDefense)
            for (int p = 0; p < FORMATION_PLACES; ++p) {
                const int nPosition = Position(f, p);
                EXPECT_TRUE(nPosition >= DE && nPosition <= S) << f << " " << p;
                EXPECT_GT(Y(f, p), 0.0) << f << " " << p;
            }
        // No two players of a formation share a spot.
        std::set<std::pair<double, double>> Spots;
        for (int p = 0; p < FORMATION_PLACES; ++p)
            Spots.insert({X(f, p), Y(f, p)});
        EXPECT_EQ(Spots.size(), 11u) << f;
    }
    EXPECT_TRUE(Is_Deep_Snap_Formation(8));
    EXPECT_TRUE(Is_Deep_Snap_Formation(43));
    EXPECT_FALSE(Is_Deep_Snap_Formation(13));
    EXPECT_FALSE(Is_Deep_Snap_Formation(39));
}

TEST_F(FormationsTest, EveryBuiltInOffensivePlayFitsItsFormation)
{
    for (int n = 0; n < OFFENSIVE_PLAY_COUNT; ++n) {
        const OFFENSIVE_PLAY& Play = BUILT_IN_OFFENSIVE_PLAYS[n];
        const int f = Play.nFormation;
        ASSERT_TRUE(f <= LAST_OFFENSIVE_FORMATION || (f >= PUNT_FORMATION && f <= EXTRA_POINT_FORMATION)) << n;
        // Receivers 0-4 stand in places 1-5; each with a route is eligible,
        // and a back's route starts from the backfield.
        for (int r = 0; r < PLAY_RECEIVERS; ++r) {
            const int nRoute = Play.nRoute[r];
            if (nRoute < 0)
                continue;
            const int nPosition = Position(f, r + 1);
            EXPECT_TRUE(Is_Eligible_Receiver(nPosition)) << Play.szName << " receiver " << r;
            const bool bBlock = Is_Blocking_Route(nRoute);
            if (PASS_ROUTES[nRoute].nKind == 1 && !bBlock) {
                EXPECT_LT(Y(f, r + 1), 0.0) << Play.szName << " receiver " << r;
            }
        }
        const int nCarrier = Play.nCarrier - 1;   // place
        if (Play.nType == PLAY_TYPE_PUNT || Play.nType == PLAY_TYPE_FIELD_GOAL) {
            EXPECT_LT(nCarrier, 0) << Play.szName;
            continue;
        }
        ASSERT_GE(nCarrier, 0) << Play.szName;
        ASSERT_LE(nCarrier, 5) << Play.szName;
        const int nPosition = Position(f, nCarrier);
        if (Is_Passing_Play(-1, n)) {
            // The primary receiver runs a pass route.
            ASSERT_GE(nCarrier, 1) << Play.szName;
            EXPECT_TRUE(Is_Eligible_Receiver(nPosition)) << Play.szName;
            EXPECT_GE(Play.nRoute[nCarrier - 1], 0) << Play.szName;
            EXPECT_FALSE(Is_Blocking_Route(Play.nRoute[nCarrier - 1])) << Play.szName;
        } else {
            // The ball carrier: the passer in place 0, or a back or receiver
            // with the rush route or a reverse route.
            EXPECT_TRUE(nPosition == QB || nPosition == P || Is_Eligible_Receiver(nPosition)) << Play.szName;
            if (nCarrier >= 1) {
                const int nRoute = Play.nRoute[nCarrier - 1];
                EXPECT_TRUE(nRoute == 54 || PASS_ROUTES[nRoute].nKind == 2) << Play.szName;
            }
        }
    }
}

TEST_F(FormationsTest, EveryBuiltInDefensivePlayFitsItsFormation)
{
    for (int n = 0; n < DEFENSIVE_PLAY_COUNT; ++n) {
        const DEFENSIVE_PLAY& Play = BUILT_IN_DEFENSIVE_PLAYS[n];
        const int f = Play.nFormation;
        ASSERT_GE(f, FIRST_DEFENSIVE_FORMATION) << Play.szName;
        ASSERT_LE(f, LAST_DEFENSIVE_FORMATION) << Play.szName;
        for (int p = 0; p < DEFENDER_PLACES; ++p) {
            const int nRole = Play.nResponsibility[p];
            const int nPosition = Position(f, p);
            // Linemen rush, stunt, plug or contain, or drop into a short zone
            // on a zone blitz; deep zones and man coverage belong to the
            // linebackers and backs.
            if (Is_Defensive_Lineman(nPosition)) {
                EXPECT_TRUE(nRole <= 7 || nRole == RESPONSIBILITY_SHORT_ZONE) << Play.szName << " place " << p;
            }
            // Man coverage starts on a receiver: from the second level back.
            if (nRole >= 12) {
                EXPECT_TRUE(nPosition == LB || nPosition == CB || nPosition == S) << Play.szName << " place " << p;
            }
        }
    }
    // The 4-3 as the defensive plays read it.
    for (int p = 0; p < 4; ++p)
        EXPECT_TRUE(Is_Defensive_Lineman(Position(22, p)));
    for (int p = 4; p < 7; ++p)
        EXPECT_EQ(Position(22, p), LB);
    EXPECT_EQ(Position(22, 7), CB);
    EXPECT_EQ(Position(22, 8), CB);
    EXPECT_EQ(Position(22, 9), S);
    EXPECT_EQ(Position(22, 10), S);
}

TEST_F(FormationsTest, ZoneLookupsReadTheCatalogue)
{
    // "4-3 Contain" in the 4-3: short zones at places 4 (x -5) and 6 (x 5),
    // deep zones at places 9 (x -4) and 10 (x 4).
    EXPECT_EQ(Get_Zone_Defender_Rank(-1, 3, 4, RESPONSIBILITY_SHORT_ZONE), 0);
    EXPECT_EQ(Get_Zone_Defender_Rank(-1, 3, 6, RESPONSIBILITY_SHORT_ZONE), 1);
    float x = 0, y = 0;
    ASSERT_TRUE(Get_Zone_Drop_Point(-1, 3, 10, &x, &y));
    EXPECT_NEAR(x, 20.0f / 3.0f, 1e-5);
    EXPECT_EQ(y, 15.0f);
    // "Sideline Prevent" in the prevent: the three deep safeties, places 8
    // (x 0), 9 (x 5) and 10 (x -5): place 10 is leftmost, place 8 between.
    EXPECT_EQ(Get_Zone_Defender_Rank(-1, 28, 10, RESPONSIBILITY_DEEP_ZONE), 0);
    EXPECT_EQ(Get_Zone_Defender_Rank(-1, 28, 8, RESPONSIBILITY_DEEP_ZONE), 1);
    ASSERT_TRUE(Get_Zone_Drop_Point(-1, 28, 8, &x, &y));
    EXPECT_NEAR(x, 0.0f, 1e-5);
    EXPECT_EQ(y, 14.5f);
}

TEST_F(FormationsTest, RunHoleOfAnEndAroundFollowsTheCarrierSide)
{
    Use_Franchises(2);
    Build_Team_Default_Playbook(0);
    Build_Team_Default_Playbook(1);
    GAME Game{};
    Game.nAwayTeam = 0;
    Game.nHomeTeam = 1;
    Game.nOffense = 1;
    // "Pro 48 End Around": the tight end (place 3 of the pro set, x 6) comes around.
    Game.CurrentPlay.nOffenseCall = 52;
    EXPECT_EQ(Get_Play_Run_Hole(&Game), 9);
    // "Gun 59 End Around": place 4 of the shotgun at x 13.
    Game.CurrentPlay.nOffenseCall = 53;
    EXPECT_EQ(Get_Play_Run_Hole(&Game), 9);
    Game.CurrentPlay.nOffenseCall = 13;   // "Pro 27 Pitch"
    EXPECT_EQ(Get_Play_Run_Hole(&Game), 7);
}

TEST_F(FormationsTest, RouteBaseValues)
{
    EXPECT_EQ(Get_Route_Base_Value(0), 40);
    EXPECT_EQ(Get_Route_Base_Value(55), 40);
    EXPECT_EQ(Get_Route_Base_Value(29), 70);
    EXPECT_EQ(Get_Route_Base_Value(33), 5);
    EXPECT_EQ(Get_Route_Base_Value(36), 15);
    EXPECT_EQ(Get_Route_Base_Value(34), 55);
    EXPECT_EQ(Get_Route_Base_Value(9), 25);
    EXPECT_EQ(Get_Route_Base_Value(-1), 25);
}

// ---------------------------------------------------------------------------
// Situation rules: team 1 (home) has the ball against team 0.

class FormationSituationTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Set_Regular_Season_Weeks(17);
        Set_Year(2020);
        Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
        Set_User_Preference(PREF_TWO_POINT_TRIES, 1);
        // Kickers: FG distance 80, accuracy 50 for the home side.
        Put_Player(1, 0, 101, POSITION_K);
        Set_Player_Rating(1, 0, RATING_FG_DISTANCE, 80.0f);
        Set_Player_Rating(1, 0, RATING_FG_ACCURACY, 50.0f);
        m_Game.nAwayTeam = 0;
        m_Game.nHomeTeam = 1;
        m_Game.nOffense = 1;
        m_Game.nClock = 600;
        m_Game.nYardLine = 50;
        m_Game.nToGo = 10;
    }

    // The current season's year; the field-goal average of code 124 reads
    // 84.9 for 2020 ((849 + 847) / 2 = 848 and (851 + 849) / 2 = 850, mean
    // 849) and 58.3 for 1970 (581 and 585, mean 583).
    static void Set_Year(int nYear)
    {
        League.Universe.nStat[FIRST_SEASON_YEAR] = nYear;
        Set_User_Preference(PREF_SEASON_INDEX, 0);
    }

    void Set_Down(int nDown, int nToGo, int nYardLine)
    {
        m_Game.nDown = static_cast<uint32_t>(nDown);
        m_Game.nToGo = static_cast<int8_t>(nToGo);
        m_Game.nYardLine = static_cast<int8_t>(nYardLine);
    }

    void Set_Plays(int nRushes, int nPasses)
    {
        m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_RUSHES] = static_cast<uint16_t>(nRushes);
        m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_PASS_ATTEMPTS] = static_cast<uint16_t>(nPasses);
    }

    GAME m_Game{};
};

TEST_F(FormationSituationTest, KickerMaxDistance)
{
    // (5 x 80 + 50) / 15 + 23 = 53.
    EXPECT_FLOAT_EQ(Get_Kicker_Max_Distance(1, 0), 53.0f);
    // Ratings below 20 count as 20: 120 / 15 + 23 = 31.
    Set_Player_Rating(1, 0, RATING_FG_DISTANCE, 10.0f);
    Set_Player_Rating(1, 0, RATING_FG_ACCURACY, 5.0f);
    EXPECT_FLOAT_EQ(Get_Kicker_Max_Distance(1, 0), 31.0f);
    // 600 / 15 + 23 = 63, at most 62.
    Set_Player_Rating(1, 0, RATING_FG_DISTANCE, 100.0f);
    Set_Player_Rating(1, 0, RATING_FG_ACCURACY, 100.0f);
    EXPECT_FLOAT_EQ(Get_Kicker_Max_Distance(1, 0), 62.0f);
    // 1970: 53 x (58.3 + 70) / 150 = 45.3327.
    Set_Year(1970);
    Set_Player_Rating(1, 0, RATING_FG_DISTANCE, 80.0f);
    Set_Player_Rating(1, 0, RATING_FG_ACCURACY, 50.0f);
    EXPECT_NEAR(Get_Kicker_Max_Distance(1, 0), 45.3327f, 1e-3);
}

TEST_F(FormationSituationTest, FieldGoalRange)
{
    // R = trunc((53 + 52) / 2) = 52, calm weather: D = 52, range 45.
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 45);
    // Goal posts on the end line: 10 yards less.
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 0);
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 35);
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
    // Leading by 7 in the second half of regulation: R 50, range 43; not in the first half.
    m_Game.nScore[GAME_SIDE_HOME] = 14;
    m_Game.nScore[GAME_SIDE_AWAY] = 7;
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 45);
    m_Game.nClock = 2000;
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 43);
    // Overtime under sudden death keeps the full range; under rule 1 before both had the ball it shrinks.
    m_Game.nClock = 3700;
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, 0);
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 45);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, 1);
    m_Game.nOvertimePossession = OVERTIME_HOME_HAD_BALL;
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 43);
    m_Game.nOvertimePossession = OVERTIME_HOME_HAD_BALL | OVERTIME_AWAY_HAD_BALL;
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 45);
    // 1970: kicker 45.3327, R = trunc(97.3327 / 2) = 48; floor trunc(128.3 / 150 x 37) = 31; range 41.
    m_Game.nClock = 600;
    Set_Year(1970);
    EXPECT_EQ(Get_Field_Goal_Range(&m_Game), 41);
}

TEST_F(FormationSituationTest, PassTendency)
{
    // No plays: s 0, kept within 0.9 .. 1.1.
    EXPECT_FLOAT_EQ(Get_Offense_Pass_Tendency(&m_Game), 0.9f);
    Set_Plays(2, 8);   // s 0.8: 2 - 0.2 / 0.35
    EXPECT_NEAR(Get_Offense_Pass_Tendency(&m_Game), 1.428571f, 1e-5);
    Set_Plays(3, 7);   // s 0.7: 2 - 0.3 / 0.35
    EXPECT_NEAR(Get_Offense_Pass_Tendency(&m_Game), 1.142857f, 1e-5);
    Set_Plays(4, 6);   // s 0.6: between the bands
    EXPECT_FLOAT_EQ(Get_Offense_Pass_Tendency(&m_Game), 1.0f);
    Set_Plays(6, 4);   // s 0.4: 0.4 / 0.55
    EXPECT_NEAR(Get_Offense_Pass_Tendency(&m_Game), 0.727273f, 1e-5);
    Set_Plays(2, 1);   // 0.60606, but n 3 keeps it at 0.7 or more
    EXPECT_FLOAT_EQ(Get_Offense_Pass_Tendency(&m_Game), 0.7f);
    Set_Plays(0, 1);   // s 1: 2, at most 1.1
    EXPECT_FLOAT_EQ(Get_Offense_Pass_Tendency(&m_Game), 1.1f);
}

TEST_F(FormationSituationTest, ComputerDefensiveFormationByDownAndDistance)
{
    struct CASE {
        int nDown, nToGo, nYardLine, nFormation;
    } const CASES[] = {
        {0, 10, 50, 22}, {0, 5, 50, 29}, {0, 12, 50, 27}, {0, 1, 1, 37}, {0, 2, 2, 28},
        {1, 5, 50, 22}, {1, 3, 50, 29}, {1, 8, 50, 25},
        {2, 25, 60, 36}, {2, 15, 60, 35}, {2, 10, 60, 34}, {2, 7, 60, 30}, {2, 1, 60, 37},
        {3, 3, 60, 28}, {3, 5, 60, 25}, {3, 21, 60, 35},
        // G is the yard line when it is nearer than the first-down marker.
        {2, 10, 5, 25},
        {KICKOFF_DOWN, 10, 65, 44}, {SAFETY_KICK_DOWN, 10, 65, 44}, {CONVERSION_ATTEMPT, 2, 2, 28},
        {CONVERSION_ATTEMPT, 3, 3, 37},
    };
    for (const CASE& Case : CASES) {
        Set_Down(Case.nDown, Case.nToGo, Case.nYardLine);
        EXPECT_EQ(Set_Team_Formations(&m_Game), Case.nFormation)
            << "down " << Case.nDown << " to go " << Case.nToGo << " at " << Case.nYardLine;
    }
    EXPECT_EQ(Errors_Reported(), 0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_Down(5, 10, 50);
    EXPECT_EQ(Set_Team_Formations(&m_Game), -1);
    EXPECT_TRUE(Last_Error_Contains("Unrecognized Down Flag: 5"));
}

TEST_F(FormationSituationTest, ComputerDefensiveFormationByGameSituation)
{
    // A passing offence: tendency 1.428571, P 14, G 2 longer: 9 to go reads 11.
    Set_Plays(2, 8);
    Set_Down(0, 9, 50);
    EXPECT_EQ(Set_Team_Formations(&m_Game), 27);
    // A running one: tendency 0.727273, P 7, G (7 - 10) / 2 = -1 shorter: 6 reads 5.
    Set_Plays(6, 4);
    Set_Down(0, 6, 50);
    EXPECT_EQ(Set_Team_Formations(&m_Game), 29);
    Set_Plays(0, 0);

    // Fourth quarter, 100 seconds left, the defence (away) ahead by 3: the
    // offence hurries, so 10 to go reads 13 on the 40.
    m_Game.nClock = 3500;
    m_Game.nScore[GAME_SIDE_AWAY] = 10;
    m_Game.nScore[GAME_SIDE_HOME] = 7;
    Set_Down(0, 10, 40);
    EXPECT_EQ(Set_Team_Formations(&m_Game), 27);
    // Inside the 11 the hurry does not lengthen it.
    Set_Down(0, 10, 10);
    EXPECT_EQ(Set_Team_Formations(&m_Game), 22);
    // Prevent from the 50 when ahead by under 4 ...
    Set_Down(0, 10, 50);
    EXPECT_EQ(Set_Team_Formations(&m_Game), 36);
    Set_Down(0, 10, 49);
    EXPECT_EQ(Set_Team_Formations(&m_Game), 27);
    // ... and from the 30 when ahead by 4 or more in the second half.
    m_Game.nScore[GAME_SIDE_AWAY] = 14;
    Set_Down(0, 10, 30);
    EXPECT_EQ(Set_Team_Formations(&m_Game), 36);
    Set_Down(0, 10, 29);
    EXPECT_NE(Set_Team_Formations(&m_Game), 36);

    // Overtime within half the field-goal range (45 / 2 = 22): the block.
    m_Game.nClock = 3700;
    m_Game.nScore[GAME_SIDE_AWAY] = 14;
    m_Game.nScore[GAME_SIDE_HOME] = 14;
    Set_Down(2, 10, 21);
    EXPECT_EQ(Set_Team_Formations(&m_Game), FIELD_GOAL_BLOCK_FORMATION);
    Set_Down(2, 10, 22);
    EXPECT_NE(Set_Team_Formations(&m_Game), FIELD_GOAL_BLOCK_FORMATION);
}

TEST_F(FormationSituationTest, TwoPointChart)
{
    struct CASE {
        int nOffense, nDefense, nClock;
        bool bGo;
    } const CASES[] = {
        {20, 22, 600, true},    // down 2 after the touchdown, any quarter
        {21, 20, 2500, false},  // up 1 in the third
        {21, 20, 3000, true},   // up 1 in the fourth
        {21, 20, 3700, true},   // and in overtime
        {20, 21, 3000, false},
        {7, 35, 3000, false},   // -28 reads -17
        {24, 0, 3000, false},
    };
    for (const CASE& Case : CASES) {
        m_Game.nScore[GAME_SIDE_HOME] = Case.nOffense;
        m_Game.nScore[GAME_SIDE_AWAY] = Case.nDefense;
        m_Game.nClock = static_cast<int16_t>(Case.nClock);
        m_Game.nDown = CONVERSION_ATTEMPT;
        EXPECT_EQ(Get_Two_Point_Chart(&m_Game), Case.bGo) << Case.nOffense << "-" << Case.nDefense;
        EXPECT_EQ(Should_Go_For_Two(&m_Game), Case.bGo);
    }
    m_Game.nScore[GAME_SIDE_HOME] = 20;
    m_Game.nScore[GAME_SIDE_AWAY] = 22;
    Set_User_Preference(PREF_TWO_POINT_TRIES, 0);
    EXPECT_FALSE(Get_Two_Point_Chart(&m_Game));
    EXPECT_FALSE(Should_Go_For_Two(&m_Game));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(FormationSituationTest, GoForTwoAsksTheUserOnlyInAWatchedGame)
{
    Forget_Two_Point_Answer();
    m_Game.nScore[GAME_SIDE_HOME] = 21;   // the chart kicks
    m_Game.nScore[GAME_SIDE_AWAY] = 10;
    m_Game.nDown = CONVERSION_ATTEMPT;
    League.Team[1].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    // Nobody watches: the chart, no box.
    EXPECT_FALSE(Should_Go_For_Two(&m_Game));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    League.Team[1].nSchedule[3][SCHEDULE_OPPONENT] = 0 + 1;     // home against team 0 in week 3
    League.Team[0].nSchedule[3][SCHEDULE_OPPONENT] = -(1 + 1);
    Set_Calendar_PBP_Flag(0, 3, 1);
    // Watched without a window to answer in: the chart, no box.
    EXPECT_FALSE(Should_Go_For_Two(&m_Game));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // With the game view up: asked.
    watched_fixture::Start_Watching_Window();
    ui::Queue_Answer(ID_YES);
    EXPECT_TRUE(Should_Go_For_Two(&m_Game));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Point After Touchdown");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Go For Two?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style & BOX_BUTTON_MASK, BOX_YESNO);
    // Automatic calling: the chart again.
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 1);
    EXPECT_FALSE(Should_Go_For_Two(&m_Game));
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    watched_fixture::Stop_Watching_Window();
}

TEST_F(FormationSituationTest, FormationsOfASnap)
{
    Build_Team_Default_Playbook(0);
    Build_Team_Default_Playbook(1);
    // A kick-off: the call's kick play decides between 39 and 40.
    m_Game.nDown = KICKOFF_DOWN;
    m_Game.CurrentPlay.nOffenseCall = 0;   // "Normal Kickoff"
    Set_Play_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_HOME], 39);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_AWAY], 44);
    m_Game.CurrentPlay.nOffenseCall = 12;  // "Onside Kick" (entry 12 mod 10)
    Set_Play_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_HOME], 40);
    // A punt against the return, a field goal against the block.
    m_Game.nDown = 3;
    m_Game.CurrentPlay.nOffenseCall = HARD_CODED_PUNT_PLAY;
    m_Game.CurrentPlay.nDefenseCall = 0;
    Set_Play_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_HOME], 41);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_AWAY], 46);
    m_Game.CurrentPlay.nOffenseCall = HARD_CODED_FIELD_GOAL_PLAY;
    Set_Play_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_HOME], 42);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_AWAY], 47);
    // The try by kick: 43 against 47; by a play: the calls' formations.
    m_Game.nDown = CONVERSION_ATTEMPT;
    Set_Play_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_HOME], 43);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_AWAY], 47);
    m_Game.CurrentPlay.nOffenseCall = 27;  // "Gun 410 Cross"
    m_Game.CurrentPlay.nDefenseCall = 2;
    Set_Play_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_HOME], Get_Offensive_Play_Formation(1, 27));
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_AWAY], Get_Defensive_Play_Formation(0, 2));
}

TEST_F(FormationSituationTest, PlayersOnTheFieldFollowTheDepthChart)
{
    // Home side (the kicker in slot 0) in the pro set: QB 1, RB 2, FB 3
    // (injured), TE 4, WR 5 and 6, the line 7-11, and a second fullback in 12.
    const int POSITIONS[] = {QB, RB, FB, TE, WR, WR, T, G, C, G, T};
    for (int i = 0; i < 11; ++i)
        Put_Player(1, 1 + i, 200 + i, POSITIONS[i]);
    League.Team[1].Player[3].nVital[VITAL_INJURY_WEEKS] = 2;
    Put_Player(1, 12, 213, FB);
    m_Game.nDown = 0;
    Set_Default_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_HOME], PRO_SET_FORMATION);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_AWAY], 22);
    const int EXPECTED[11] = {1, 2, 12, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int p = 0; p < 11; ++p)
        EXPECT_EQ(m_Game.nOnField[GAME_SIDE_HOME][p], EXPECTED[p]) << p;
    EXPECT_NE(Get_Player_Vital_Stat(1, 1, VITAL_FLAGS) & 8, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 3, VITAL_FLAGS) & 8, 0);   // the injured fullback sits
    // The away team has no players: every place empty.
    for (int p = 0; p < 11; ++p)
        EXPECT_EQ(m_Game.nOnField[GAME_SIDE_AWAY][p], 255);
    // A 3-4 team's base front.
    League.Team[0].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] = 1;
    Set_Default_Formations(&m_Game);
    EXPECT_EQ(m_Game.nFormation[GAME_SIDE_AWAY], 25);
    // Depth: the second uninjured fullback does not exist.
    EXPECT_EQ(Get_Depth_Chart_Player(1, FB, 0), 12);
    EXPECT_EQ(Get_Depth_Chart_Player(1, FB, 1), -1);
    EXPECT_EQ(Get_Formation_Place_Player(1, 3, 0, false), 1);
    EXPECT_EQ(Get_Formation_Place_Player(1, 3, 0, true), -1);
}

TEST_F(FormationSituationTest, SurplusPositionAndWeakestPlayer)
{
    // Team 0: one kicker; 5 wide receivers give 55 - 60 = -5, 3 linebackers
    // 33 - 70 = -37, no quarterback -30; every empty position is lower.
    for (int i = 0; i < 5; ++i)
        Put_Player(0, i, 300 + i, WR, 60.0f + static_cast<float>(i));
    for (int i = 0; i < 3; ++i)
        Put_Player(0, 5 + i, 310 + i, LB);
    EXPECT_EQ(Find_Surplus_Position(0), WR);
    // Two more fullbacks: 22 - 20 = 2 beats -5.
    Put_Player(0, 8, 320, FB);
    Put_Player(0, 9, 321, FB);
    EXPECT_EQ(Find_Surplus_Position(0), FB);
    // Equal values: the later position wins. Four tight ends give 44 - 40 = 4,
    // and so do four guards.
    for (int i = 0; i < 4; ++i) {
        Put_Player(0, 10 + i, 330 + i, TE);
        Put_Player(0, 14 + i, 340 + i, G);
    }
    EXPECT_EQ(Find_Surplus_Position(0), G);
}

}  // namespace
