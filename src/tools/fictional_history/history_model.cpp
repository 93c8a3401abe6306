#include "tools/fictional_history/history_model.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>

#include "base/random.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "platform/files.h"
#include "season/salaries.h"
#include "season/stat_file_layouts.h"
#include "tools/default_league/default_league.h"

namespace {

enum { QB, RB, FB, TE, WR, OT, OG, OC, DE, DT, LB, CB, SF, PK, PT };

// Age at which a player of the position stops at the latest.
constexpr int LAST_AGE[NUMBER_OF_POSITIONS] = {38, 32, 33, 34, 34, 35, 35, 35, 34, 34, 33, 33, 34, 42, 42};
// The lightest and heaviest of the position, height and weight.
constexpr int HEIGHT_RANGE[NUMBER_OF_POSITIONS][2] = {{73, 77}, {68, 72}, {71, 74}, {75, 78}, {70, 76},
                                                     {77, 80}, {75, 78}, {74, 77}, {75, 78}, {74, 77},
                                                     {72, 75}, {69, 73}, {70, 74}, {70, 74}, {72, 76}};
constexpr int WEIGHT_RANGE[NUMBER_OF_POSITIONS][2] = {{210, 235}, {200, 225}, {235, 250}, {245, 265}, {180, 215},
                                                     {305, 330}, {305, 325}, {295, 310}, {255, 285}, {295, 330},
                                                     {230, 250}, {180, 200}, {195, 215}, {185, 210}, {200, 220}};
// The timed run in hundredths of a second of an average player.
constexpr int RUN_TIME[NUMBER_OF_POSITIONS] = {485, 452, 468, 472, 448, 525, 528, 522, 478, 505,
                                              470, 445, 455, 495, 492};
// Salary weight of the position, in percent.
constexpr int SALARY_WEIGHT[NUMBER_OF_POSITIONS] = {190, 80, 50, 80, 110, 120, 90, 85, 120, 100,
                                                   90, 110, 90, 40, 35};

constexpr const char* COLLEGES[] = {
    "Harwick State", "Lakeview", "Northern Plains", "Copper Valley", "Eastbrook", "Marlow Tech", "Pine Ridge",
    "Southern Coast", "Redfield", "Glenmoor State", "Westhaven", "Blue Mesa", "Carden", "Iron Hills",
    "Ashford", "Delmont State", "Riverbend", "Stonegate", "Kettle Falls", "Brookhurst", "Sable Bay",
    "Highmark", "Orchard Valley", "Fairbridge", "Granite Peak", "Weston A&M", "Cold Springs", "Mariner",
    "Tallgrass State", "Bellhaven", "Dunmore", "Prairie View Tech",
};
constexpr int COLLEGE_COUNT = static_cast<int>(sizeof(COLLEGES) / sizeof(COLLEGES[0]));

int Clamp(int n, int nLow, int nHigh)
{
    return std::max(nLow, std::min(nHigh, n));
}

// x rounded at random: the fraction becomes 1 with its own chance, so sums
// of many small rates keep their size.
int Random_Round(double x)
{
    if (!(x > 0.0))
        return 0;
    const double fFloor = std::floor(x);
    int n = static_cast<int>(fFloor);
    if (Random_Word_To_Fraction(Generate_Random_Number()) < x - fFloor)
        ++n;
    return n;
}

double Random_Fraction()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

// A factor around 1.0, +- nSpread percent.
double Random_Factor(int nSpread)
{
    return 1.0 + Get_Random_In_Range(-nSpread, nSpread) / 100.0;
}

bool Chance(int nPercent)
{
    return Get_Random_Below(100) < nPercent;
}

std::string Letters_Of(const std::string& Text, size_t nCount)
{
    std::string Out;
    for (char c : Text) {
        if (Out.size() >= nCount)
            break;
        if (std::isalpha(static_cast<unsigned char>(c)))
            Out += c;
    }
    return Out;
}

std::string Lower(std::string Text)
{
    for (char& c : Text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return Text;
}

// The IDs handed out so far: lowercased, since readers ignore case.
struct ID_MAKER {
    std::map<std::string, int> Next;
    int nShort = 0;
    int nSerial = 0;

    std::string Make(const std::string& First, const std::string& Last)
    {
        ++nSerial;
        if (nSerial % 97 == 5) {
            // A short code of capital letters only: 1 or 2 characters.
            int n = nShort++;
            std::string Code(1, static_cast<char>('A' + n % 26));
            if (n >= 26)
                Code.insert(Code.begin(), static_cast<char>('A' + (n / 26 - 1) % 26));
            return Code;
        }
        // Mostly four letters of the last name and two of the first; now and
        // then the long form of eleven characters at most.
        const bool bLong = nSerial % 10 == 3;
        std::string Prefix = Letters_Of(Last, bLong ? 7 : 4) + Letters_Of(First, 2);
        if (Prefix.empty())
            Prefix = "Pl";
        for (int nTry = 0;; ++nTry) {
            int& nCount = Next[Lower(Prefix)];
            if (nCount <= 99) {
                char szId[16];
                std::snprintf(szId, sizeof(szId), "%s%02d", Prefix.c_str(), nCount++);
                return szId;
            }
            // Every number of the prefix taken: one letter less.
            Prefix.pop_back();
            if (Prefix.empty())
                Prefix = "Zz" + std::to_string(nTry % 10);
        }
    }
};

struct HISTORY_MAKER {
    HISTORY_WORLD& World;
    ID_MAKER Ids;
    int nStartYear = 0;
    int nTeams = 0;
    // Last season's win percentage of each club, for the draft order.
    std::vector<int> LastPercent;
    std::vector<int> Offense;
    std::vector<int> Defense;
    // The players of each club, in the order they joined.
    std::vector<std::vector<int>> Members;

    explicit HISTORY_MAKER(HISTORY_WORLD& W) : World(W) {}

    // ---- Players -------------------------------------------------------------

    int Age_In(const HISTORY_PLAYER& P, int nYear) const { return nYear - P.nBirthYear; }

    const std::vector<int>& Club_Players(int nClub) const { return Members[nClub]; }

    bool Uniform_Taken(int nClub, int nUniform, int nSelf) const
    {
        for (int n : Members[nClub])
            if (n != nSelf && World.Players[n].nUniform == nUniform)
                return true;
        return false;
    }

    // The numbers a player may wear: "DB" corners wear the 20s and "DB"
    // safeties the 30s and 40s, so the reader's uniform rule gives each his
    // own position; fullbacks listed "RB" wear the 40s.
    void Uniform_Ranges(const HISTORY_PLAYER& P, int Ranges[2][2]) const
    {
        static const int RANGES[NUMBER_OF_POSITIONS][2][2] = {
            {{1, 19}, {1, 19}},   {{20, 39}, {20, 39}}, {{40, 49}, {40, 49}}, {{80, 89}, {80, 89}},
            {{10, 19}, {80, 89}}, {{60, 79}, {60, 79}}, {{60, 79}, {60, 79}}, {{50, 79}, {50, 79}},
            {{90, 99}, {50, 59}}, {{90, 99}, {70, 79}}, {{50, 59}, {90, 99}}, {{20, 39}, {20, 39}},
            {{20, 49}, {20, 49}}, {{1, 19}, {1, 19}},   {{1, 19}, {1, 19}},
        };
        for (int r = 0; r < 2; ++r)
            for (int k = 0; k < 2; ++k)
                Ranges[r][k] = RANGES[P.nPosition][r][k];
        if (P.PositionText == "DB") {
            const int nLow = P.nPosition == CB ? 20 : 30;
            const int nHigh = P.nPosition == CB ? 29 : 49;
            Ranges[0][0] = Ranges[1][0] = nLow;
            Ranges[0][1] = Ranges[1][1] = nHigh;
        }
    }

    void Choose_Uniform(int nPlayer, int nClub)
    {
        HISTORY_PLAYER& P = World.Players[nPlayer];
        int Ranges[2][2];
        Uniform_Ranges(P, Ranges);
        if (P.nUniform != 0) {
            for (const auto& Range : Ranges)
                if (P.nUniform >= Range[0] && P.nUniform <= Range[1] && !Uniform_Taken(nClub, P.nUniform, nPlayer))
                    return;
        }
        const int r = Get_Random_Below(2);
        const int nLow = Ranges[r][0];
        const int nSpan = Ranges[r][1] - nLow + 1;
        const int nOffset = Get_Random_Below(nSpan);
        for (int k = 0; k < nSpan; ++k) {
            const int n = nLow + (nOffset + k) % nSpan;
            if (!Uniform_Taken(nClub, n, nPlayer)) {
                P.nUniform = n;
                return;
            }
        }
        P.nUniform = nLow + nOffset;   // the range is full: a number twice
    }

    void Choose_Position_Texts(HISTORY_PLAYER& P)
    {
        static const char* const PLAIN[NUMBER_OF_POSITIONS] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C",
                                                               "DE", "DT", "LB", "CB", "S", "K", "P"};
        std::string Text = PLAIN[P.nPosition];
        const int nRoll = Get_Random_Below(100);
        switch (P.nPosition) {
        case RB: if (nRoll < 10) Text = "HB"; break;
        case OT: Text = nRoll < 30 ? "LT" : nRoll < 60 ? "RT" : nRoll < 75 ? "OT" : "T"; break;
        case OG: Text = nRoll < 30 ? "LG" : nRoll < 60 ? "RG" : nRoll < 70 ? "OG" : "G"; break;
        case DE: Text = nRoll < 20 ? "LDE" : nRoll < 40 ? "RDE" : "DE"; break;
        case DT: if (nRoll < 30) Text = "NT"; break;
        case LB: Text = nRoll < 20 ? "OLB" : nRoll < 35 ? "ILB" : nRoll < 45 ? "MLB" : "LB"; break;
        case CB: Text = nRoll < 30 ? "DB" : nRoll < 40 ? "LCB" : nRoll < 50 ? "RCB" : "CB"; break;
        case SF: Text = nRoll < 30 ? "DB" : nRoll < 45 ? "FS" : nRoll < 60 ? "SS" : "S"; break;
        default: break;
        }
        P.SeasonText = Text;
        P.PositionText = Text;
        if (Text == "DB")
            P.SeasonText = P.nPosition == CB ? "CB" : "S";
        if (P.nPosition == FB)
            P.PositionText = "RB";   // listed as a back; his number in the 40s makes him a fullback
        P.bOlForm = P.nPosition == OG && Chance(40);
    }

    int New_Player(int nPosition, int nEntryYear, int nExperience, int nQuality)
    {
        HISTORY_PLAYER P;
        P.nPosition = nPosition;
        P.First = World.FirstNames[Get_Random_Below(static_cast<int>(World.FirstNames.size()))];
        P.Last = World.LastNames[Get_Random_Below(static_cast<int>(World.LastNames.size()))];
        P.Id = Ids.Make(P.First, P.Last);
        P.College = COLLEGES[Get_Random_Below(COLLEGE_COUNT)];
        P.nHeight = Get_Random_In_Range(HEIGHT_RANGE[nPosition][0], HEIGHT_RANGE[nPosition][1]);
        P.nWeight = Get_Random_In_Range(WEIGHT_RANGE[nPosition][0], WEIGHT_RANGE[nPosition][1]);
        P.nBirthYear = nEntryYear - Get_Random_In_Range(21, 23);
        P.nBirthMonth = Get_Random_In_Range(1, 12);
        P.nBirthDay = Get_Random_In_Range(1, 28);
        P.nQuality = Clamp(nQuality, 40, 99);
        P.nDraftYear = nEntryYear;
        P.nSeasonsPlayed = nExperience;
        // Better players last longer; kickers longest of all.
        const int nBase = (P.nQuality - 40) / 7;
        P.nPlannedSeasons = Clamp(nBase + Get_Random_In_Range(1, 5), 1, 16) + (nPosition >= PK ? 4 : 0);
        P.nPlannedSeasons = std::max(P.nPlannedSeasons, nExperience + 1);
        Choose_Position_Texts(P);
        const int nTime = RUN_TIME[nPosition] + (60 - P.nQuality) / 3 + Get_Random_In_Range(-8, 8);
        P.nCombineTime = Clamp(nTime, 425, 560);
        P.bCombine = Chance(88);
        World.Players.push_back(P);
        return static_cast<int>(World.Players.size()) - 1;
    }

    void Leave_Club(int nPlayer)
    {
        const int nClub = World.Players[nPlayer].nClub;
        if (nClub >= 0) {
            std::vector<int>& List = Members[nClub];
            List.erase(std::find(List.begin(), List.end(), nPlayer));
        }
        World.Players[nPlayer].nClub = -1;
    }

    void Join_Club(int nPlayer, int nClub)
    {
        Leave_Club(nPlayer);
        World.Players[nPlayer].nClub = nClub;
        Members[nClub].push_back(nPlayer);
        Choose_Uniform(nPlayer, nClub);
    }

    // ---- The first rosters ---------------------------------------------------

    void Stock_First_Rosters()
    {
        for (int c = 0; c < nTeams; ++c) {
            for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
                for (int k = 0; k < DEFAULT_ROSTER[p]; ++k) {
                    const int nExperience = Get_Random_Below(3) == 0 ? Get_Random_Below(4) : Get_Random_Below(11);
                    const int nEntry = nStartYear - nExperience;
                    const int nQuality = 48 + Get_Random_Below(40) + std::min(nExperience, 6);
                    const int n = New_Player(p, nEntry, nExperience, nQuality);
                    HISTORY_PLAYER& P = World.Players[n];
                    if (Chance(80)) {
                        P.nDraftRound = Get_Random_In_Range(1, 7);
                        P.nDraftPick = (P.nDraftRound - 1) * nTeams + Get_Random_In_Range(1, nTeams);
                        P.nDraftClub = Chance(70) ? c : Get_Random_Below(nTeams);
                    }
                    Join_Club(n, c);
                }
            }
        }
    }

    // ---- The off-season --------------------------------------------------------

    void Retire(int nPlayer)
    {
        Leave_Club(nPlayer);
        World.Players[nPlayer].bRetired = true;
    }

    std::vector<int> Vacancies(int nClub) const
    {
        std::vector<int> Count(NUMBER_OF_POSITIONS, 0);
        for (int n : Members[nClub])
            ++Count[World.Players[n].nPosition];
        std::vector<int> List;
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
            for (int k = Count[p]; k < DEFAULT_ROSTER[p]; ++k)
                List.push_back(p);
        return List;
    }

    void Run_Offseason(int nYear)
    {
        // Retirements: a career's planned length, or the position's age.
        for (size_t i = 0; i < World.Players.size(); ++i) {
            HISTORY_PLAYER& P = World.Players[i];
            if (P.nClub < 0)
                continue;
            if (P.nSeasonsPlayed >= P.nPlannedSeasons || Age_In(P, nYear) > LAST_AGE[P.nPosition])
                Retire(static_cast<int>(i));
        }
        // Each club lets its weakest go until it has room for its draft
        // class and a few players who sign undrafted.
        for (int c = 0; c < nTeams; ++c) {
            const size_t nWanted = static_cast<size_t>(Get_Random_In_Range(9, 12));
            while (Vacancies(c).size() < nWanted) {
                int nWorst = -1;
                for (int n : Club_Players(c)) {
                    const HISTORY_PLAYER& P = World.Players[n];
                    if (P.nPosition == PK || P.nPosition == PT)
                        continue;
                    if (nWorst < 0 || P.nQuality < World.Players[nWorst].nQuality)
                        nWorst = n;
                }
                if (nWorst < 0)
                    break;
                Retire(nWorst);
            }
        }
        // A few veterans change clubs: two of one position trade places.
        const int nMoves = std::max(2, nTeams / 4);
        for (int m = 0; m < nMoves; ++m)
            Swap_Two_Players(Get_Random_In_Range(RB, SF), nullptr, nullptr);
        Hold_Draft(nYear);
        // The rest of the room goes to players nobody drafted.
        for (int c = 0; c < nTeams; ++c)
            for (int p : Vacancies(c)) {
                const int n = New_Player(p, nYear, 0, Get_Random_In_Range(42, 60));
                Join_Club(n, c);
            }
    }

    // Swaps two players of the position between two clubs; true when done.
    // With pPair, the two players are returned (first of the first club);
    // players marked in pSkip are not taken.
    bool Swap_Two_Players(int nPosition, int (*pPair)[2], const std::vector<bool>* pSkip)
    {
        const int a = Get_Random_Below(nTeams);
        int b = Get_Random_Below(nTeams - 1);
        if (b >= a)
            ++b;
        std::vector<int> A, B;
        for (int n : Club_Players(a))
            if (World.Players[n].nPosition == nPosition && (pSkip == nullptr || !(*pSkip)[n]))
                A.push_back(n);
        for (int n : Club_Players(b))
            if (World.Players[n].nPosition == nPosition && (pSkip == nullptr || !(*pSkip)[n]))
                B.push_back(n);
        if (A.empty() || B.empty())
            return false;
        const int nA = A[Get_Random_Below(static_cast<int>(A.size()))];
        const int nB = B[Get_Random_Below(static_cast<int>(B.size()))];
        Leave_Club(nA);
        Leave_Club(nB);
        Join_Club(nA, b);
        Join_Club(nB, a);
        if (pPair != nullptr) {
            (*pPair)[0] = nA;
            (*pPair)[1] = nB;
        }
        return true;
    }

    void Hold_Draft(int nYear)
    {
        // Worst record first; equal records in club order.
        std::vector<int> Order(nTeams);
        for (int c = 0; c < nTeams; ++c)
            Order[c] = c;
        std::stable_sort(Order.begin(), Order.end(),
                         [this](int x, int y) { return LastPercent[x] < LastPercent[y]; });
        int nPick = 0;
        for (int r = 1; r <= 7; ++r) {
            for (int c : Order) {
                ++nPick;
                const std::vector<int> Open = Vacancies(c);
                if (Open.empty())
                    continue;
                const int nPosition = Open[Get_Random_Below(static_cast<int>(Open.size()))];
                const int nQuality = 76 - 4 * r + Get_Random_In_Range(-8, 10);
                const int n = New_Player(nPosition, nYear, 0, nQuality);
                HISTORY_PLAYER& P = World.Players[n];
                P.nDraftRound = r;
                P.nDraftPick = nPick;
                P.nDraftClub = c;
                Join_Club(n, c);
            }
        }
    }

    // ---- Money ---------------------------------------------------------------

    // Sets the league's year and cap in memory so the game's own minimum
    // salary table answers for the year.
    static void Set_Money_Year(int nYear, int nCap)
    {
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Set_Universe_Stat(SALARY_CAP, nCap);
        Update_Inflation_Factor();
    }

    static int Round_Up_To_5000(long long n) { return static_cast<int>((n + 4999) / 5000 * 5000); }

    void Set_Contracts(int nYear, int nCap)
    {
        Set_Money_Year(nYear, nCap);
        for (int c = 0; c < nTeams; ++c) {
            const std::vector<int> List = Club_Players(c);
            // The minimum of each, and a wish above it by quality and position.
            long long nMinimums = 0;
            long long nWishes = 0;
            std::vector<long long> Minimum(List.size()), Wish(List.size());
            for (size_t i = 0; i < List.size(); ++i) {
                HISTORY_PLAYER& P = World.Players[List[i]];
                if (P.nYearsRemaining <= 0) {
                    // A new contract: rookies four or five years, veterans one to five.
                    P.nContractYears = P.nSeasonsPlayed == 0
                                           ? (P.nDraftRound == 0 ? Get_Random_In_Range(2, 3) : P.nDraftRound == 1 ? 5 : 4)
                                           : Get_Random_In_Range(1, 5);
                    P.nYearsRemaining = P.nContractYears;
                }
                Minimum[i] = Round_Up_To_5000(1000LL * Get_Minimum_Salary(std::min(P.nSeasonsPlayed, 10)));
                const long long nAbove = std::max(0, P.nQuality - 52);
                Wish[i] = nAbove * nAbove * SALARY_WEIGHT[P.nPosition];
                nMinimums += Minimum[i];
                nWishes += Wish[i];
            }
            // The payroll: 85-94 % of the cap, never above it.
            const long long nPayroll = static_cast<long long>(nCap) * Get_Random_In_Range(85, 94) / 100;
            const long long nShare = std::max(0LL, nPayroll - nMinimums);
            for (size_t i = 0; i < List.size(); ++i) {
                HISTORY_PLAYER& P = World.Players[List[i]];
                long long nSalary = Minimum[i];
                if (nWishes > 0)
                    nSalary += nShare * Wish[i] / nWishes / 5000 * 5000;
                P.nSalary = static_cast<int>(nSalary);
                P.nCapHit = P.nSalary;
                // A fifth of a well-paid contract came as a signing bonus.
                P.nBonus = nSalary > 2 * Minimum[i]
                               ? static_cast<int>(nSalary / 5 / 5000 * 5000) * P.nContractYears
                               : 0;
            }
        }
    }

    // ---- The season ------------------------------------------------------------

    // Rank of each player at his position on his club (0 the best).
    std::vector<int> Depth_Ranks() const
    {
        std::vector<int> Rank(World.Players.size(), -1);
        for (int c = 0; c < nTeams; ++c) {
            std::vector<int> List = Club_Players(c);
            std::stable_sort(List.begin(), List.end(), [this](int x, int y) {
                const HISTORY_PLAYER& X = World.Players[x];
                const HISTORY_PLAYER& Y = World.Players[y];
                if (X.nPosition != Y.nPosition)
                    return X.nPosition < Y.nPosition;
                return X.nQuality > Y.nQuality;
            });
            int nPrevious = -1;
            int k = 0;
            for (int n : List) {
                k = World.Players[n].nPosition == nPrevious ? k + 1 : 0;
                nPrevious = World.Players[n].nPosition;
                Rank[n] = k;
            }
        }
        return Rank;
    }

    std::vector<int> Club_Strengths(const std::vector<int>& Rank) const
    {
        std::vector<int> Sum(nTeams, 0), Count(nTeams, 0);
        for (size_t i = 0; i < World.Players.size(); ++i) {
            const HISTORY_PLAYER& P = World.Players[i];
            if (P.nClub < 0 || Rank[i] >= DEFAULT_STARTERS[P.nPosition])
                continue;
            const int nWeight = P.nPosition == QB ? 4 : 1;
            Sum[P.nClub] += P.nQuality * nWeight;
            Count[P.nClub] += nWeight;
        }
        std::vector<int> Strength(nTeams, 0);
        for (int c = 0; c < nTeams; ++c)
            Strength[c] = Count[c] > 0 ? Sum[c] / Count[c] : 60;
        return Strength;
    }

    // The home side wins with a chance that grows with its lead in strength.
    bool Home_Wins(int nHome, int nAway)
    {
        const double fLead = nHome + 1.5 - nAway;
        const double fChance = 1.0 / (1.0 + std::exp(-fLead / 4.0));
        return Random_Fraction() < fChance;
    }

    void Play_Game(int nHome, int nAway, const std::vector<int>& Strength, std::vector<HISTORY_RECORD>& Records)
    {
        HISTORY_RECORD& H = Records[nHome];
        HISTORY_RECORD& A = Records[nAway];
        if (Chance(1) && Get_Random_Below(3) == 0) {
            const int nScore = Get_Random_In_Range(10, 27);
            ++H.nTies;
            ++A.nTies;
            H.nPointsFor += nScore;
            H.nPointsAgainst += nScore;
            A.nPointsFor += nScore;
            A.nPointsAgainst += nScore;
            return;
        }
        const bool bHome = Home_Wins(Strength[nHome], Strength[nAway]);
        const int nWinner = Get_Random_In_Range(13, 38);
        const int nLoser = std::max(0, nWinner - Get_Random_In_Range(1, 21));
        HISTORY_RECORD& W = bHome ? H : A;
        HISTORY_RECORD& L = bHome ? A : H;
        ++W.nWins;
        ++L.nLosses;
        W.nPointsFor += nWinner;
        W.nPointsAgainst += nLoser;
        L.nPointsFor += nLoser;
        L.nPointsAgainst += nWinner;
    }

    static int Percent_Of(const HISTORY_RECORD& R)
    {
        const int nGames = R.nWins + R.nLosses + R.nTies;
        return nGames > 0 ? (2 * R.nWins + R.nTies) * 500 / nGames : 0;
    }

    static bool Better(const HISTORY_RECORD& X, const HISTORY_RECORD& Y)
    {
        if (Percent_Of(X) != Percent_Of(Y))
            return Percent_Of(X) > Percent_Of(Y);
        return X.nPointsFor - X.nPointsAgainst > Y.nPointsFor - Y.nPointsAgainst;
    }

    // Division places, playoff seeds and the playoff rounds.
    void Settle_Standings(std::vector<HISTORY_RECORD>& Records, const std::vector<int>& Strength)
    {
        for (int d = 0; d < 8; ++d) {
            std::vector<int> Members;
            for (int c = 0; c < nTeams; ++c)
                if (World.Clubs[c].nDivision == d)
                    Members.push_back(c);
            std::stable_sort(Members.begin(), Members.end(),
                             [&](int x, int y) { return Better(Records[x], Records[y]); });
            for (size_t k = 0; k < Members.size(); ++k)
                Records[Members[k]].nFinish = static_cast<int>(k) + 1;
            if (!Members.empty())
                Records[Members[0]].bDivisionWinner = true;
        }
        int Champion[2] = {-1, -1};
        for (int l = 0; l < 2; ++l) {
            std::vector<int> Winners, Others;
            for (int c = 0; c < nTeams; ++c) {
                if (World.Clubs[c].nDivision / 4 != l)
                    continue;
                (Records[c].bDivisionWinner ? Winners : Others).push_back(c);
            }
            const int nLeague = static_cast<int>(Winners.size() + Others.size());
            if (nLeague == 0)
                continue;
            const int nPlayoff = std::max(static_cast<int>(Winners.size()), std::min(6, nLeague / 2));
            auto By_Record = [&](int x, int y) { return Better(Records[x], Records[y]); };
            std::stable_sort(Winners.begin(), Winners.end(), By_Record);
            std::stable_sort(Others.begin(), Others.end(), By_Record);
            std::vector<int> Seeds = Winners;
            for (int c : Others) {
                if (static_cast<int>(Seeds.size()) >= nPlayoff)
                    break;
                Records[c].bWildCard = true;
                Seeds.push_back(c);
            }
            // Rounds until one is left: the seeds below the largest power of
            // two play first, the best against the worst.
            std::vector<int> Alive = Seeds;
            while (Alive.size() > 1) {
                size_t nPower = 1;
                while (nPower * 2 <= Alive.size())
                    nPower *= 2;
                const size_t nPlaying = nPower == Alive.size() ? Alive.size() : 2 * (Alive.size() - nPower);
                const int nRound = Alive.size() == 2 ? 2 : Alive.size() <= 4 ? 3 : 4;   // Conf, Div, WC
                const size_t nFirst = Alive.size() - nPlaying;
                std::vector<int> Next(Alive.begin(), Alive.begin() + static_cast<long>(nFirst));
                for (size_t k = 0; k < nPlaying / 2; ++k) {
                    const int nHigh = Alive[nFirst + k];
                    const int nLow = Alive[Alive.size() - 1 - k];
                    const bool bHigh = Home_Wins(Strength[nHigh], Strength[nLow]);
                    Records[bHigh ? nLow : nHigh].nPlayoffs = nRound;
                    Next.push_back(bHigh ? nHigh : nLow);
                }
                std::stable_sort(Next.begin(), Next.end(), [&](int x, int y) {
                    return std::find(Seeds.begin(), Seeds.end(), x) < std::find(Seeds.begin(), Seeds.end(), y);
                });
                Alive = Next;
            }
            Champion[l] = Alive.empty() ? -1 : Alive[0];
        }
        if (Champion[0] >= 0 && Champion[1] >= 0) {
            const bool bFirst = Home_Wins(Strength[Champion[0]], Strength[Champion[1]] + 1);
            Records[Champion[bFirst ? 0 : 1]].nPlayoffs = 0;
            Records[Champion[bFirst ? 1 : 0]].nPlayoffs = 1;
        }
    }

    void Play_Season(int nYear, bool bInRange)
    {
        const int nGames = Get_History_Games_Per_Season(nYear);
        const std::vector<int> Rank = Depth_Ranks();
        std::vector<int> Strength = Club_Strengths(Rank);
        for (int& s : Strength)
            s += Get_Random_In_Range(-4, 4);   // the year's form

        HISTORY_YEAR Year;
        Year.nYear = nYear;
        Year.nCap = Get_Season_Salary_Cap(nYear);
        if (bInRange) {
            // The rosters and contracts as the season starts.
            for (int c = 0; c < nTeams; ++c) {
                std::vector<int> List = Club_Players(c);
                std::sort(List.begin(), List.end());
                std::stable_sort(List.begin(), List.end(), [this, &Rank](int x, int y) {
                    if (World.Players[x].nPosition != World.Players[y].nPosition)
                        return World.Players[x].nPosition < World.Players[y].nPosition;
                    return Rank[x] < Rank[y];
                });
                for (int n : List) {
                    HISTORY_PLAYER& P = World.Players[n];
                    P.bOnRangeRoster = true;
                    P.nRangeExperience = P.nSeasonsPlayed;
                    Year.Roster.push_back({n, c, Rank[n] < DEFAULT_STARTERS[P.nPosition]});
                    Year.Salaries.push_back({n, c, P.nUniform, P.nYearsRemaining - 1, P.nSalary, P.nBonus,
                                             P.nContractYears, P.nCapHit});
                }
            }
            for (int c = 0; c < nTeams; ++c) {
                // The average club wins half its games; a point of strength
                // is worth about a sixth of a win over a season.
                const int nHalves = nGames + (Strength[c] - 66) * nGames / 48;
                Year.ProjectedWinsHalves.push_back(Clamp(nHalves, 2, 2 * nGames - 2));
                if (Chance(20))
                    Offense[c] = Get_Random_Below(PERSONNEL_OFFENSE_COUNT);
                if (Chance(15))
                    Defense[c] = Get_Random_Below(PERSONNEL_DEFENSE_COUNT);
            }
            Year.Offense = Offense;
            Year.Defense = Defense;
        }

        // Mid-season trades, decided before the lines are made so that the
        // traded players' lines split at the week of the trade.
        struct TRADE {
            int nPlayer;
            int nFrom;
            int nTo;
            int nWeek;
        };
        std::vector<TRADE> Trades;
        std::vector<int> ClubAtStart(World.Players.size(), -1);
        std::vector<int> UniformAtStart(World.Players.size(), 0);
        for (size_t i = 0; i < World.Players.size(); ++i) {
            ClubAtStart[i] = World.Players[i].nClub;
            UniformAtStart[i] = World.Players[i].nUniform;
        }
        std::vector<bool> Traded(World.Players.size(), false);
        const int nTradeCount = std::max(1, nTeams / 8);
        for (int t = 0; t < nTradeCount; ++t) {
            int Pair[2];
            const int nWeek = Get_Random_In_Range(3, nGames - 4);
            const int nPosition = Get_Random_In_Range(RB, SF);
            if (!Swap_Two_Players(nPosition, &Pair, &Traded))
                continue;
            Traded[Pair[0]] = Traded[Pair[1]] = true;
            for (int k = 0; k < 2; ++k)
                Trades.push_back({Pair[k], ClubAtStart[Pair[k]], World.Players[Pair[k]].nClub, nWeek});
        }

        // The games.
        std::vector<HISTORY_RECORD> Records(nTeams);
        for (int c = 0; c < nTeams; ++c) {
            Records[c] = HISTORY_RECORD{};
            Records[c].nYear = nYear;
            Records[c].nClub = c;
            Records[c].nPlayoffs = -1;
        }
        // Weeks of random pairings among the clubs with games left, those
        // with the most left first, so that an odd league also plays its
        // full season (but perhaps one club one game short).
        std::vector<int> Played(nTeams, 0);
        while (true) {
            std::vector<int> Order;
            for (int c = 0; c < nTeams; ++c)
                if (Played[c] < nGames)
                    Order.push_back(c);
            if (Order.size() < 2)
                break;
            for (size_t c = Order.size() - 1; c > 0; --c)
                std::swap(Order[c], Order[Get_Random_Below(static_cast<int>(c) + 1)]);
            std::stable_sort(Order.begin(), Order.end(), [&Played](int x, int y) { return Played[x] < Played[y]; });
            for (size_t k = 0; k + 1 < Order.size(); k += 2) {
                Play_Game(Order[k], Order[k + 1], Strength, Records);
                ++Played[Order[k]];
                ++Played[Order[k + 1]];
            }
        }
        Settle_Standings(Records, Strength);
        for (int c = 0; c < nTeams; ++c)
            LastPercent[c] = Percent_Of(Records[c]);

        // The players' lines.
        std::vector<int> Returner(2 * nTeams, -1);   // kick, punt
        for (size_t i = 0; i < World.Players.size(); ++i) {
            const HISTORY_PLAYER& P = World.Players[i];
            const int c = ClubAtStart[i];
            if (c < 0 || Rank[i] < DEFAULT_STARTERS[P.nPosition])
                continue;
            if ((P.nPosition == RB || P.nPosition == WR) &&
                (Returner[2 * c] < 0 || P.nQuality > World.Players[Returner[2 * c]].nQuality))
                Returner[2 * c] = static_cast<int>(i);
            if ((P.nPosition == WR || P.nPosition == CB) &&
                (Returner[2 * c + 1] < 0 || P.nQuality > World.Players[Returner[2 * c + 1]].nQuality))
                Returner[2 * c + 1] = static_cast<int>(i);
        }
        for (size_t i = 0; i < World.Players.size(); ++i) {
            const int c = ClubAtStart[i];
            if (c < 0)
                continue;
            HISTORY_PLAYER& P = World.Players[i];
            const bool bKick = Returner[2 * c] == static_cast<int>(i);
            const bool bPunt = Returner[2 * c + 1] == static_cast<int>(i);
            HISTORY_SEASON Line = Make_Season_Line(P, Rank[i], nYear, nGames, bKick, bPunt);
            Line.nClub = c;
            Line.nUniform = UniformAtStart[i];
            ++P.nSeasonsPlayed;
            --P.nYearsRemaining;
            if (Line.nGames == 0)
                continue;
            const TRADE* pTrade = nullptr;
            for (const TRADE& T : Trades)
                if (T.nPlayer == static_cast<int>(i))
                    pTrade = &T;
            if (pTrade == nullptr) {
                P.Seasons.push_back(Line);
                continue;
            }
            // The total first, then a row for each club.
            HISTORY_SEASON First = Split_Line(Line, pTrade->nWeek, nGames);
            HISTORY_SEASON Second = Subtract_Line(Line, First);
            First.nClub = pTrade->nFrom;
            Second.nClub = pTrade->nTo;
            Second.nUniform = P.nUniform;
            Line.nClub = -1;
            P.Seasons.push_back(Line);
            if (First.nGames > 0)
                P.Seasons.push_back(First);
            if (Second.nGames > 0)
                P.Seasons.push_back(Second);
        }
        if (bInRange) {
            for (int c = 0; c < nTeams; ++c) {
                HISTORY_RECORD R = Records[c];
                // The line and defence figures: the starters' quality about
                // the league's average, in tenths.
                R.nLineFigure = Clamp(Unit_Figure(c, Rank, OT, OC) + Get_Random_In_Range(-30, 30), -500, 500);
                R.nDefenseFigure = Clamp(Unit_Figure(c, Rank, DE, SF) + Get_Random_In_Range(-30, 30), -500, 500);
                World.Records.push_back(R);
            }
            World.Years.push_back(Year);
        }
    }

    int Unit_Figure(int nClub, const std::vector<int>& Rank, int nFirst, int nLast) const
    {
        int nSum = 0;
        int nCount = 0;
        for (size_t i = 0; i < World.Players.size(); ++i) {
            const HISTORY_PLAYER& P = World.Players[i];
            if (P.nClub != nClub || P.nPosition < nFirst || P.nPosition > nLast ||
                Rank[i] >= DEFAULT_STARTERS[P.nPosition])
                continue;
            nSum += P.nQuality;
            ++nCount;
        }
        return nCount > 0 ? (nSum / nCount - 66) * 15 : 0;
    }

    // ---- Statistics of one season ----------------------------------------------

    static void Add(HISTORY_SEASON& Line, int nColumn, int nValue, bool bTenths = false)
    {
        Line.Cells.push_back({static_cast<uint8_t>(nColumn), bTenths, nValue});
    }

    static bool Is_Longest_Column(int nColumn)
    {
        switch (nColumn) {
        case SEASONS_COL_PA_LG: case SEASONS_COL_RU_LG: case SEASONS_COL_RE_LG: case SEASONS_COL_PUNT_RET_LG:
        case SEASONS_COL_KICK_RET_LG: case SEASONS_COL_FG_LG: case SEASONS_COL_PUNT_LG: case SEASONS_COL_DEF_INT_LG:
            return true;
        default:
            return false;
        }
    }

    // The part of a season played before the week of a trade.
    static HISTORY_SEASON Split_Line(const HISTORY_SEASON& Whole, int nWeek, int nGames)
    {
        HISTORY_SEASON Part = Whole;
        Part.nGames = Whole.nGames * nWeek / nGames;
        Part.nStarts = std::min(Part.nGames, Whole.nStarts * nWeek / nGames);
        Part.Cells.clear();
        for (const HISTORY_CELL& Cell : Whole.Cells) {
            HISTORY_CELL Piece = Cell;
            if (Is_Longest_Column(Cell.nColumn))
                Piece.nValue = Cell.nValue;
            else if (Cell.bTenths)
                Piece.nValue = Cell.nValue / 5 * nWeek / nGames * 5;
            else
                Piece.nValue = Cell.nValue * nWeek / nGames;
            Part.Cells.push_back(Piece);
        }
        return Part;
    }

    static HISTORY_SEASON Subtract_Line(const HISTORY_SEASON& Whole, const HISTORY_SEASON& Part)
    {
        HISTORY_SEASON Rest = Whole;
        Rest.nGames = Whole.nGames - Part.nGames;
        Rest.nStarts = Whole.nStarts - Part.nStarts;
        for (size_t k = 0; k < Rest.Cells.size(); ++k)
            if (!Is_Longest_Column(Rest.Cells[k].nColumn))
                Rest.Cells[k].nValue = Whole.Cells[k].nValue - Part.Cells[k].nValue;
        return Rest;
    }

    HISTORY_SEASON Make_Season_Line(const HISTORY_PLAYER& P, int nRank, int nYear, int nGames, bool bKick,
                                    bool bPunt)
    {
        HISTORY_SEASON Line;
        Line.nYear = nYear;
        Line.nUniform = P.nUniform;
        Line.Position = P.bOlForm && P.nSeasonsPlayed > 0 && !P.Seasons.empty() ? "OL" : P.SeasonText;
        const bool bStarter = nRank < DEFAULT_STARTERS[P.nPosition];
        // Injuries: most play every game, a few miss some or the season.
        int g = nGames;
        if (Chance(25))
            g -= Get_Random_In_Range(1, 6);
        if (Chance(3))
            g = 0;
        if (!bStarter && P.nPosition != PK && P.nPosition != PT && Chance(15))
            g = std::max(0, g - Get_Random_In_Range(2, 8));
        Line.nGames = g;
        if (g <= 0)
            return Line;
        int gs = bStarter ? g - (Chance(10) ? Get_Random_In_Range(1, 2) : 0) : (Chance(20) ? Get_Random_In_Range(1, 3) : 0);
        gs = Clamp(gs, 0, g);
        Line.nStarts = gs;
        // q: 0.7 for the weakest to 1.3 for the best.
        const double q = 0.7 + 0.6 * (P.nQuality - 40) / 59.0;
        const int nBench = g - gs;
        switch (P.nPosition) {
        case QB: Quarterback_Line(Line, P, gs, nBench); break;
        case RB: case FB: Back_Line(Line, P, nRank, g, gs, q); break;
        case WR: case TE: Receiver_Line(Line, P, nRank, g, q); break;
        case DE: case DT: case LB: case CB: case SF: Defender_Line(Line, P, nRank, g, bStarter, q); break;
        case PK: Kicker_Line(Line, P, g); break;
        case PT: Punter_Line(Line, P, g); break;
        default: break;
        }
        if (bKick) {
            const int n = Random_Round(g * 2.4);
            if (n > 0) {
                const int nYards = static_cast<int>(n * (21.0 + 4.0 * Random_Fraction()));
                Add(Line, SEASONS_COL_KICK_RETURNS, n);
                Add(Line, SEASONS_COL_KICK_RET_YDS, nYards);
                Add(Line, SEASONS_COL_KICK_RET_TD, Chance(8) ? 1 : 0);
                Add(Line, SEASONS_COL_KICK_RET_LG, std::min(nYards, Get_Random_In_Range(35, 100)));
            }
        }
        if (bPunt) {
            const int n = Random_Round(g * 2.0);
            if (n > 0) {
                const int nYards = static_cast<int>(n * (6.5 + 5.0 * Random_Fraction()));
                Add(Line, SEASONS_COL_PUNT_RETURNS, n);
                Add(Line, SEASONS_COL_PUNT_RET_YDS, nYards);
                Add(Line, SEASONS_COL_PUNT_RET_TD, Chance(6) ? 1 : 0);
                Add(Line, SEASONS_COL_PUNT_RET_LG, std::min(nYards, Get_Random_In_Range(20, 85)));
            }
        }
        // Value: a starter's season is worth 2 to 14 by his quality.
        int nValue = bStarter ? 2 + (P.nQuality - 40) / 5 + Get_Random_In_Range(-2, 2) : Get_Random_In_Range(0, 2);
        nValue = std::max(0, nValue * g / nGames);
        Add(Line, SEASONS_COL_VALUE, nValue);
        return Line;
    }

    void Quarterback_Line(HISTORY_SEASON& Line, const HISTORY_PLAYER& P, int gs, int nBench)
    {
        const int nAttempts = Random_Round((gs * 33.0 + nBench * 3.0) * Random_Factor(10));
        const double fPercent = (52.0 + (P.nQuality - 40) * 0.25 + Get_Random_In_Range(-3, 3)) / 100.0;
        const int nCompletions = Random_Round(nAttempts * fPercent);
        const int nYards = Random_Round(nCompletions * (10.2 + (P.nQuality - 40) * 0.04 + Random_Fraction() - 0.5));
        Add(Line, SEASONS_COL_PA_ATT, nAttempts);
        Add(Line, SEASONS_COL_PA_COM, nCompletions);
        Add(Line, SEASONS_COL_PA_YDS, nYards);
        Add(Line, SEASONS_COL_PA_TD, Random_Round(nAttempts * (2.5 + (P.nQuality - 40) * 0.06) / 100.0));
        Add(Line, SEASONS_COL_PA_INT, Random_Round(nAttempts * (4.0 - (P.nQuality - 40) * 0.035) / 100.0));
        Add(Line, SEASONS_COL_PA_LG, nCompletions > 0 ? std::min(nYards, Get_Random_In_Range(30, 85)) : 0);
        const int nSacks = Random_Round(nAttempts * 0.06);
        Add(Line, SEASONS_COL_PA_SK, nSacks);
        Add(Line, SEASONS_COL_PA_SK_YDS, nSacks * Get_Random_In_Range(5, 8));
        Add(Line, SEASONS_COL_PASS_1STD, Random_Round(nCompletions * 0.55));
        const int nRushes = Random_Round((gs + nBench * 0.2) * 2.3);
        Add(Line, SEASONS_COL_RU_ATT, nRushes);
        Add(Line, SEASONS_COL_RU_YDS, Random_Round(nRushes * 3.2 * Random_Factor(40)));
        Add(Line, SEASONS_COL_RU_TD, Random_Round(nRushes / 25.0));
        Add(Line, SEASONS_COL_FUMBLES, Random_Round((nAttempts + nRushes) / 70.0));
    }

    void Back_Line(HISTORY_SEASON& Line, const HISTORY_PLAYER& P, int nRank, int g, int gs, double q)
    {
        const bool bFullback = P.nPosition == FB;
        const double fCarries = bFullback ? 0.8 : nRank == 0 ? 0.0 : nRank == 1 ? 5.0 : 1.5;
        const int nRushes = Random_Round(((bFullback ? 0.0 : gs * 16.0) + (g - gs) * fCarries) * q);
        const int nYards = Random_Round(nRushes * (3.4 + (P.nQuality - 40) * 0.02) * Random_Factor(10));
        Add(Line, SEASONS_COL_RU_ATT, nRushes);
        Add(Line, SEASONS_COL_RU_YDS, nYards);
        Add(Line, SEASONS_COL_RU_TD, Random_Round(nRushes * 0.028));
        Add(Line, SEASONS_COL_RUSH_1STD, Random_Round(nRushes * 0.23));
        Add(Line, SEASONS_COL_RU_LG, nRushes > 0 ? std::min(std::max(nYards, 1), Get_Random_In_Range(12, 70)) : 0);
        const int nTargets = Random_Round(g * (bFullback ? 1.2 : nRank == 0 ? 3.6 : 1.6) * q);
        const int nCatches = Random_Round(nTargets * 0.74);
        const int nReceiving = Random_Round(nCatches * (bFullback ? 7.0 : 8.0) * Random_Factor(20));
        Add(Line, SEASONS_COL_TARGETED, nTargets);
        Add(Line, SEASONS_COL_RECEPTS, nCatches);
        Add(Line, SEASONS_COL_RE_YDS, nReceiving);
        Add(Line, SEASONS_COL_RE_TD, Random_Round(nCatches / 30.0));
        Add(Line, SEASONS_COL_RE_LG, nCatches > 0 ? std::min(std::max(nReceiving, 1), Get_Random_In_Range(8, 60)) : 0);
        Add(Line, SEASONS_COL_REC_1STD, Random_Round(nCatches * 0.3));
        Add(Line, SEASONS_COL_FUMBLES, Random_Round((nRushes + nCatches) / 90.0));
    }

    void Receiver_Line(HISTORY_SEASON& Line, const HISTORY_PLAYER& P, int nRank, int g, double q)
    {
        static const double WIDEOUT[4] = {8.5, 7.0, 4.5, 2.0};
        static const double TIGHT_END[2] = {5.5, 2.0};
        const bool bEnd = P.nPosition == TE;
        const double fPerGame = bEnd ? (nRank < 2 ? TIGHT_END[nRank] : 0.7) : (nRank < 4 ? WIDEOUT[nRank] : 0.8);
        const int nTargets = Random_Round(g * fPerGame * q);
        const int nCatches = Random_Round(nTargets * ((bEnd ? 66 : 58) + (P.nQuality - 40) / 6) / 100.0);
        const int nYards = Random_Round(nCatches * (bEnd ? 10.5 : 12.5 + (P.nQuality - 40) * 0.04) * Random_Factor(15));
        Add(Line, SEASONS_COL_TARGETED, nTargets);
        Add(Line, SEASONS_COL_RECEPTS, nCatches);
        Add(Line, SEASONS_COL_RE_YDS, nYards);
        Add(Line, SEASONS_COL_RE_TD, Random_Round(nCatches * (bEnd ? 0.08 : 0.07)));
        Add(Line, SEASONS_COL_RE_LG, nCatches > 0 ? std::min(std::max(nYards, 1), Get_Random_In_Range(15, 80)) : 0);
        Add(Line, SEASONS_COL_REC_1STD, Random_Round(nCatches * 0.55));
        if (!bEnd && Chance(30)) {
            const int nRushes = Get_Random_In_Range(1, 6);
            Add(Line, SEASONS_COL_RU_ATT, nRushes);
            Add(Line, SEASONS_COL_RU_YDS, nRushes * Get_Random_In_Range(2, 9));
            Add(Line, SEASONS_COL_RU_TD, 0);
        }
        Add(Line, SEASONS_COL_FUMBLES, Random_Round(nCatches / 75.0));
    }

    void Defender_Line(HISTORY_SEASON& Line, const HISTORY_PLAYER& P, int nRank, int g, bool bStarter, double q)
    {
        // Tackles, sacks (per game, a starter's and a backup's), interceptions
        // and passes defended per game of a starter.
        struct RATES {
            double fTackles[2];
            double fSacks[2];
            double fInterceptions;
            double fDefended;
        };
        static const RATES RATE[5] = {
            {{3.2, 1.3}, {0.45, 0.15}, 0.01, 0.10},   // DE
            {{2.6, 1.1}, {0.22, 0.08}, 0.005, 0.08},  // DT
            {{6.5, 1.2}, {0.12, 0.03}, 0.05, 0.25},   // LB
            {{4.2, 1.0}, {0.03, 0.0}, 0.18, 0.85},    // CB
            {{5.2, 1.2}, {0.05, 0.0}, 0.14, 0.45},    // S
        };
        const RATES& R = RATE[P.nPosition - DE];
        const int s = bStarter ? 0 : 1;
        double fTackles = R.fTackles[s];
        if (P.nPosition == LB && nRank == 2)
            fTackles = 4.5;
        const int nCombined = Random_Round(g * fTackles * q * Random_Factor(15));
        const int nAssisted = Random_Round(nCombined * 0.3);
        Add(Line, SEASONS_COL_COMB, nCombined);
        Add(Line, SEASONS_COL_ASST, nAssisted);
        Add(Line, SEASONS_COL_TKL_FOR_LOSS, Random_Round(nCombined * (P.nPosition <= DT ? 0.15 : 0.06)));
        // The best rushers and ball hawks stand out: quality counts twice.
        const int nHalfSacks = Random_Round(2.0 * g * R.fSacks[s] * q * q * Random_Factor(30));
        Add(Line, SEASONS_COL_SK, nHalfSacks * 5, true);
        Add(Line, SEASONS_COL_QB_HITS, Random_Round(nHalfSacks * 0.9));
        const double fShare = bStarter ? 1.0 : 0.25;
        const int nInterceptions = Random_Round(g * R.fInterceptions * fShare * q * q * Random_Factor(50));
        Add(Line, SEASONS_COL_PD, Random_Round(g * R.fDefended * fShare * q) + nInterceptions);
        Add(Line, SEASONS_COL_FF, Random_Round(g * 0.04 * fShare));
        Add(Line, SEASONS_COL_FR, Random_Round(g * 0.03 * fShare));
        Add(Line, SEASONS_COL_INT, nInterceptions);
        if (nInterceptions > 0) {
            const int nYards = nInterceptions * Get_Random_In_Range(0, 22);
            Add(Line, SEASONS_COL_INT_RETURN_YDS, nYards);
            Add(Line, SEASONS_COL_INT_RETURN_TD, Chance(12) ? 1 : 0);
            Add(Line, SEASONS_COL_DEF_INT_LG, std::min(nYards, Get_Random_In_Range(0, 60)));
        }
    }

    void Kicker_Line(HISTORY_SEASON& Line, const HISTORY_PLAYER& P, int g)
    {
        // Share of attempts and the made chance, in percent, by distance.
        static const int SHARE[5] = {3, 28, 30, 27, 12};
        static const int MADE[5] = {99, 96, 86, 73, 52};
        static const int FIRST_YARD[5] = {18, 20, 30, 40, 50};
        const int nAttempts = Random_Round(g * 1.75 * Random_Factor(20));
        int nTotalMade = 0;
        int nTotalTried = 0;
        int nLongest = 0;
        int Tried[5];
        int Made[5];
        for (int d = 0; d < 5; ++d) {
            Tried[d] = Random_Round(nAttempts * SHARE[d] / 100.0);
            const int nChance = Clamp(MADE[d] + (P.nQuality - 65) / 2, 10, 100);
            Made[d] = 0;
            for (int k = 0; k < Tried[d]; ++k)
                if (Chance(nChance))
                    ++Made[d];
            if (Made[d] > 0)
                nLongest = FIRST_YARD[d] + Get_Random_In_Range(0, d == 4 ? 8 : d == 0 ? 1 : 9);
            nTotalMade += Made[d];
            nTotalTried += Tried[d];
        }
        for (int d = 0; d < 5; ++d) {
            Add(Line, SEASONS_COL_FGA_UNDER_20 + d, Tried[d]);
            Add(Line, SEASONS_COL_FGM_UNDER_20 + d, Made[d]);
        }
        Add(Line, SEASONS_COL_FGA, nTotalTried);
        Add(Line, SEASONS_COL_FGM, nTotalMade);
        if (nTotalMade > 0)
            Add(Line, SEASONS_COL_FG_LG, nLongest);
        const int nTries = Random_Round(g * 2.4 * Random_Factor(20));
        Add(Line, SEASONS_COL_XPA, nTries);
        Add(Line, SEASONS_COL_XPM, std::max(0, nTries - (Chance(50) ? Get_Random_In_Range(1, 2) : 0)));
    }

    void Punter_Line(HISTORY_SEASON& Line, const HISTORY_PLAYER& P, int g)
    {
        const int nPunts = Random_Round(g * 4.6 * Random_Factor(15));
        const double fAverage = 41.5 + (P.nQuality - 60) * 0.08 + Random_Fraction() * 3.0 - 1.5;
        Add(Line, SEASONS_COL_PUNTS, nPunts);
        Add(Line, SEASONS_COL_PUNT_YARDS, Random_Round(nPunts * fAverage));
        if (nPunts > 0)
            Add(Line, SEASONS_COL_PUNT_LG, Get_Random_In_Range(56, 74));
        Add(Line, SEASONS_COL_PUNTS_BLOCKED, Chance(15) ? 1 : 0);
    }

    // ---- The whole history -----------------------------------------------------

    void Run()
    {
        nTeams = static_cast<int>(World.Clubs.size());
        nStartYear = World.Options.nFirstYear - HISTORY_WARMUP_YEARS;
        LastPercent.assign(nTeams, 500);
        Offense.assign(nTeams, 0);
        Defense.assign(nTeams, 0);
        for (int c = 0; c < nTeams; ++c) {
            Offense[c] = Get_Random_Below(PERSONNEL_OFFENSE_COUNT);
            Defense[c] = Get_Random_Below(PERSONNEL_DEFENSE_COUNT);
        }
        Members.assign(nTeams, {});
        Stock_First_Rosters();
        for (int nYear = nStartYear; nYear <= World.Options.nLastYear; ++nYear) {
            if (nYear > nStartYear)
                Run_Offseason(nYear);
            Set_Contracts(nYear, Get_Season_Salary_Cap(nYear));
            Play_Season(nYear, nYear >= World.Options.nFirstYear);
        }
    }
};

bool Read_Name_List(const char* szPath, std::vector<std::string>& Names, std::string& Problem)
{
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(szPath, Data)) {
        Problem = std::string("\"") + szPath + "\" cannot be read.";
        return false;
    }
    std::string Name;
    for (size_t i = 0; i <= Data.size(); ++i) {
        const char c = i < Data.size() ? static_cast<char>(Data[i]) : '\n';
        if (c == '\n') {
            if (!Name.empty() && Name.back() == '\r')
                Name.pop_back();
            // Only plain names: they go into IDs and unquoted fields.
            bool bPlain = !Name.empty();
            for (char k : Name)
                if (k == ',' || k == '"' || static_cast<unsigned char>(k) < 32)
                    bPlain = false;
            if (bPlain)
                Names.push_back(Name);
            Name.clear();
        } else {
            Name += c;
        }
    }
    if (Names.empty()) {
        Problem = std::string("\"") + szPath + "\" holds no name.";
        return false;
    }
    return true;
}

}  // namespace

int Get_History_Games_Per_Season(int nYear)
{
    if (nYear < 1961)
        return 12;
    if (nYear <= 1977)
        return 14;
    if (nYear <= 2020)
        return 16;
    return 17;
}

bool Read_History_Inputs(HISTORY_WORLD& World, std::string& Problem)
{
    std::vector<CITY_ROW> Cities;
    std::vector<FRANCHISE_ROW> Franchises;
    LEAGUE_SETTINGS_ROWS Settings;
    if (!Read_Cities_File(DEFAULT_LEAGUE_CITIES_FILE, Cities, Problem) ||
        !Read_Franchises_File(DEFAULT_LEAGUE_FRANCHISES_FILE, Franchises, Problem) ||
        !Read_League_Settings_File(DEFAULT_LEAGUE_SETTINGS_FILE, Settings, Problem) ||
        !Read_Name_List(DEFAULT_LEAGUE_FIRST_NAMES, World.FirstNames, Problem) ||
        !Read_Name_List(DEFAULT_LEAGUE_LAST_NAMES, World.LastNames, Problem))
        return false;
    for (int l = 0; l < 2; ++l)
        World.LeagueName[l] = Settings.LeagueName[l];
    for (int d = 0; d < 8; ++d)
        World.DivisionName[d] = Settings.DivisionName[d];

    // The first clubs of each league in file order, half the league each.
    const int nTeams = World.Options.nTeams;
    const int nWanted[2] = {(nTeams + 1) / 2, nTeams / 2};
    for (int l = 0; l < 2; ++l) {
        std::vector<const FRANCHISE_ROW*> Rows;
        for (const FRANCHISE_ROW& Row : Franchises)
            if (Row.nDivision / 4 == l && static_cast<int>(Rows.size()) < nWanted[l])
                Rows.push_back(&Row);
        if (static_cast<int>(Rows.size()) < nWanted[l]) {
            Problem = "\"" + std::string(DEFAULT_LEAGUE_FRANCHISES_FILE) + "\" has too few clubs for a league of " +
                      std::to_string(nTeams) + ".";
            return false;
        }
        // A smaller league: the clubs in even divisions of three or more.
        const int nCount = static_cast<int>(Rows.size());
        const int nDivisions = std::clamp(nCount / 3, 1, 4);
        for (int k = 0; k < nCount; ++k) {
            const FRANCHISE_ROW& Row = *Rows[k];
            HISTORY_CLUB Club;
            Club.Abbreviation = Row.Abbreviation;
            Club.City = Row.City;
            Club.Nickname = Row.Nickname;
            Club.Stadium = Row.Stadium;
            if (Row.nCity < 0 || Row.nCity >= static_cast<int>(Cities.size())) {
                Problem = "The club " + Row.Abbreviation + " names no city of the city list.";
                return false;
            }
            Club.CityName = Cities[Row.nCity].Name;
            // The readers refuse a club whose abbreviation or nickname could
            // not name a file or be found again: say so here instead.
            bool bPlainCode = !Row.Abbreviation.empty() && Row.Abbreviation.size() <= 4 &&
                              std::isalpha(static_cast<unsigned char>(Row.Abbreviation[0]));
            for (char ch : Row.Abbreviation)
                bPlainCode = bPlainCode && std::isalnum(static_cast<unsigned char>(ch));
            bool bOneWord = !Row.Nickname.empty();
            for (char ch : Row.Nickname)
                bOneWord = bOneWord && std::isalnum(static_cast<unsigned char>(ch));
            if (!bPlainCode || !bOneWord) {
                Problem = "The club \"" + Row.Abbreviation + "\" (" + Row.Nickname +
                          ") needs an abbreviation of 1-4 letters and digits and a one-word nickname.";
                return false;
            }
            Club.nDivision = nTeams == HISTORY_MAX_TEAMS ? Row.nDivision : 4 * l + k * nDivisions / nCount;
            Club.nCapacity = Row.nCapacity;
            Club.nYearBuilt = Row.nYearBuilt;
            World.Clubs.push_back(Club);
        }
    }
    return true;
}

void Make_History(HISTORY_WORLD& World)
{
    Seed_Random_Numbers(World.Options.nSeed);
    // The stadiums: a dome by its name, artificial turf in domes and now and
    // then outside, and the figures the teams file carries.
    for (size_t c = 0; c < World.Clubs.size(); ++c) {
        HISTORY_CLUB& Club = World.Clubs[c];
        Club.nRoof = Club.Stadium.find("Dome") != std::string::npos ? 1 : 0;
        Club.bGrass = Club.nRoof == 0 && Get_Random_Below(4) != 0;
        Club.nStadiumValue = Club.nCapacity * Get_Random_In_Range(900, 1600);
        Club.nConvenience = 100 * Get_Random_In_Range(9, 14);
        Club.nComfort = 100 * Get_Random_In_Range(9, 14);
        Club.nSightLines = 100 * Get_Random_In_Range(9, 14);
        Club.nLoyalty = 587 + 59 * Get_Random_In_Range(4, 13);
        Club.nTicketPrice = Get_Random_In_Range(75, 140);
    }
    HISTORY_MAKER Maker(World);
    Maker.Run();
}
