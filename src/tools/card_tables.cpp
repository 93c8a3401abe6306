// The card game's tables of a club: grade slot bytes, the grade rows and
// statistic lines of player cards, the deck search, card names of plays,
// the audible list and the lines of the play and audible lists.
#include <cstdio>
#include <cstring>
#include <strings.h>

#include <vector>

#include "engine/play_card_rules.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/composite_grades.h"
#include "league/play_card_table.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/sack_text.h"
#include "league/team.h"
#include "platform/resources.h"
#include "tools/card_export.h"

namespace {

bool Is_Offensive_Grade_Slot(int nSlot)
{
    return nSlot == CARD_OFFENSE_1 || nSlot == CARD_OFFENSE_2 || nSlot == CARD_BONUS_RATING;
}

bool Is_Defensive_Grade_Slot(int nSlot)
{
    return nSlot == CARD_DEFENSE_1 || nSlot == CARD_DEFENSE_2;
}

constexpr int GRADE_ROWS[4][6] = {
    {401, 400, 402, 403, 404, 406},   // skill
    {401, 400, 402, 403, 404, 406},   // line
    {407, 408, 409, 410, -1, -1},     // defence
    {-1, -1, 402, 403, 405, 406},     // quarterback, kicker, punter
};

constexpr CARD_STAT STAT_ROWS[4][6] = {
    {CARD_STAT_RUSH_YARDS, CARD_STAT_YARDS_PER_RUSH, CARD_STAT_RUSH_TOUCHDOWNS, CARD_STAT_RECEPTIONS,
     CARD_STAT_RECEIVING_YARDS, CARD_STAT_RECEIVING_TOUCHDOWNS},
    {CARD_STAT_NONE, CARD_STAT_NONE, CARD_STAT_GAMES, CARD_STAT_STARTS, CARD_STAT_NONE, CARD_STAT_NONE},
    {CARD_STAT_NONE, CARD_STAT_TACKLES, CARD_STAT_SACKS, CARD_STAT_PASSES_DEFENSED, CARD_STAT_INTERCEPTIONS,
     CARD_STAT_NONE},
    {CARD_STAT_PASSING_YARDS, CARD_STAT_COMPLETION_RATE, CARD_STAT_TOUCHDOWNS_INTERCEPTIONS, CARD_STAT_PASSER_RATING,
     CARD_STAT_RUSH_YARDS, CARD_STAT_RUSH_TOUCHDOWNS},
};

constexpr const char* STAT_CAPTIONS[4][6] = {
    {"Rush Yds", "Yds/Rush", "Rush TD", "Recepts", "Rec Yds", "Rec TD"},
    {"", "", "Games", "Starts", "", ""},
    {"", "Tackles", "Sacks", "PD", "Int", ""},
    {"Pass Yds", "Comp%", "TD/Int", "QB Rating", "Rush Yds", "Rush TD"},
};

// Long play names and the card names they print as (a name starting with
// the long form takes the card form).
struct CARD_NAME {
    const char* szFull;
    const char* szCard;
};
constexpr CARD_NAME CARD_NAMES[] = {
    {"Full House Play Action Go Power O", "Full House Play Action Go"},
    {"Play Action", "PA"},
    {"Shotgun", "Gun"},
    {"Single Back", "Single"},
    {"Split Back", "Split"},
    {"Strong Side", "Strong"},
    {"Weak Side", "Weak"},
    {"Three Wide", "3 Wide"},
    {"Four Wide", "4 Wide"},
    {"Five Wide", "5 Wide"},
};
// A card's name line holds about this many characters.
constexpr size_t CARD_NAME_LENGTH = 26;

// Audible cards of our own deck. A key "d/N" draws defensive play N.
constexpr AUDIBLE_CARD AUDIBLES[] = {
    {"blitz", "??", "All-Out Blitz", {"+10 to any defensive rating", "against a pass play.", "-10 against a run.", "", ""}},
    {"d/0", "?", "Stack the Box", {"+8 to Run Defense", "on an inside or outside run.", "", "", ""}},
    {"prevent", "+?", "Prevent", {"Long passes gain half.", "Short passes and runs", "gain 5 more yards.", "", ""}},
    {"d/5", "?", "Cover Two", {"+6 to Coverage", "against a long pass.", "", "", ""}},
    {"timeout", "1", "Time Out", {"Look at the offence's", "card before you play", "your audible.", "", ""}},
    {"d/10", "?", "Zone Blitz", {"+5 to Pass Rush", "+5 to Coverage", "on a short pass.", "", ""}},
    {"goalline", "??", "Goal Line Stand", {"+10 to any defensive rating", "inside your 10-yard line.", "", "", ""}},
    {"d/15", "+?", "Man Press", {"+7 to Coverage", "-3 to Tackling", "on a pass play.", "", ""}},
};
constexpr int AUDIBLE_COUNT = static_cast<int>(sizeof(AUDIBLES) / sizeof(AUDIBLES[0]));

std::string Grade_Name_Or_Empty(int nCode)
{
    return nCode >= 400 ? Get_Composite_Grade_Name(nCode) : "";
}

std::string Rate_Text(int nTimesTen)
{
    char sz[24];
    std::snprintf(sz, sizeof(sz), "%s%d.%d", nTimesTen < 0 ? "-" : "", (nTimesTen < 0 ? -nTimesTen : nTimesTen) / 10,
                  (nTimesTen < 0 ? -nTimesTen : nTimesTen) % 10);
    return sz;
}

}  // namespace

// ---------------------------------------------------------------------------
// Grade slots

bool Set_Card_Grade_Slot(int nTeam, int nPlay, int nSlot, int nGrade)
{
    int nByte = nGrade;
    if (Is_Offensive_Grade_Slot(nSlot))
        nByte = nGrade < 400 ? CARD_OFFENSE_NONE : nGrade - 400;
    else if (Is_Defensive_Grade_Slot(nSlot))
        nByte = nGrade < 407 ? CARD_DEFENSE_NONE : nGrade - 407;
    return Set_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, nPlay, nSlot, nByte);
}

int Get_Card_Grade_Slot(int nTeam, int nPlay, int nSlot)
{
    const int nByte = Get_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, nPlay, nSlot);
    if (Is_Offensive_Grade_Slot(nSlot))
        return nByte + 400 > 406 ? -1 : nByte + 400;
    if (Is_Defensive_Grade_Slot(nSlot))
        return nByte + 407 > 410 ? -1 : nByte + 407;
    return nByte;
}

// ---------------------------------------------------------------------------
// Player cards

int Get_Card_Grade_Row(int nPosition)
{
    if (nPosition >= POSITION_RB && nPosition <= POSITION_WR)
        return CARD_ROW_SKILL;
    if (nPosition >= POSITION_T && nPosition <= POSITION_C)
        return CARD_ROW_LINE;
    if (nPosition >= POSITION_DE && nPosition <= POSITION_S)
        return CARD_ROW_DEFENCE;
    return CARD_ROW_QUARTERBACK;
}

int Get_Card_Grade_Code(int nRow, int nSlot)
{
    if (nRow < 0 || nRow > 3 || nSlot < 0 || nSlot > 5)
        return -1;
    return GRADE_ROWS[nRow][nSlot];
}

std::string Format_Card_Grade(int nGrade)
{
    if (nGrade == 0)
        return "";
    return std::to_string(nGrade > 99 ? 99 : nGrade);
}

const char* Get_Card_Stat_Caption(int nRow, int nLine)
{
    if (nRow < 0 || nRow > 3 || nLine < 0 || nLine > 5)
        return "";
    return STAT_CAPTIONS[nRow][nLine];
}

CARD_STAT Get_Card_Stat_Kind(int nRow, int nLine)
{
    if (nRow < 0 || nRow > 3 || nLine < 0 || nLine > 5)
        return CARD_STAT_NONE;
    return STAT_ROWS[nRow][nLine];
}

std::string Format_Player_Card_Stat(int nTeam, int nSlot, int nKind, int nPeriod)
{
    if (nKind == CARD_STAT_NONE || !Is_Valid_Team(nTeam) || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM ||
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) == 0)
        return "";
    auto Stat = [&](int nCode) { return Get_Player_Stat(nTeam, nSlot, nPeriod, nCode); };
    switch (nKind) {
    case CARD_STAT_RUSH_YARDS:
        return std::to_string(Stat(STAT_RUSHING_YARDS));
    case CARD_STAT_YARDS_PER_RUSH: {
        // Tenths, half away from zero; 0.0 without a carry.
        const long long nCarries = Stat(STAT_RUSHING_ATTEMPTS);
        const long long nYards = Stat(STAT_RUSHING_YARDS);
        if (nCarries <= 0)
            return "0.0";
        long long nTenths = (10 * nYards * 2 + (nYards >= 0 ? nCarries : -nCarries)) / (2 * nCarries);
        return Rate_Text(static_cast<int>(nTenths));
    }
    case CARD_STAT_RUSH_TOUCHDOWNS:
        return std::to_string(Stat(STAT_RUSHING_TOUCHDOWNS));
    case CARD_STAT_RECEPTIONS:
        return std::to_string(Stat(STAT_RECEPTIONS));
    case CARD_STAT_RECEIVING_YARDS:
        return std::to_string(Stat(STAT_RECEIVING_YARDS));
    case CARD_STAT_RECEIVING_TOUCHDOWNS:
        return std::to_string(Stat(STAT_RECEIVING_TOUCHDOWNS));
    case CARD_STAT_GAMES:
        return std::to_string(Stat(STAT_GAMES_PLAYED));
    case CARD_STAT_STARTS:
        return std::to_string(Stat(STAT_GAMES_STARTED));
    case CARD_STAT_TACKLES:
        return std::to_string(Stat(STAT_SOLO_TACKLES) + Stat(STAT_TACKLE_ASSISTS));
    case CARD_STAT_SACKS:
        return Format_Sacks(Stat(STAT_SACKS));   // kept in halves
    case CARD_STAT_PASSES_DEFENSED:
        return std::to_string(Stat(STAT_PASSES_DEFENSED));
    case CARD_STAT_INTERCEPTIONS:
        return std::to_string(Stat(STAT_INTERCEPTIONS));
    case CARD_STAT_PASSING_YARDS:
        return std::to_string(Stat(STAT_PASSING_YARDS));
    case CARD_STAT_COMPLETION_RATE:
        return Rate_Text(Stat(STAT_CODE_COMPLETION_RATE));   // per mille: tenths of a per cent
    case CARD_STAT_TOUCHDOWNS_INTERCEPTIONS:
        return std::to_string(Stat(STAT_PASSING_TOUCHDOWNS)) + "/" + std::to_string(Stat(STAT_INTERCEPTIONS_THROWN));
    case CARD_STAT_PASSER_RATING:
        if (Stat(STAT_PASS_ATTEMPTS) <= 0)
            return "0.0";
        return Rate_Text(Stat(STAT_CODE_PASSER_RATING));
    default:
        return "";
    }
}

int Get_Card_Player_Slot(int nTeam, int nCard)
{
    if (nCard < 0 || nCard >= TOLVAREN_PLAYER_CARDS || !Is_Valid_Team(nTeam))
        return -1;
    const int nSide = nCard < 11 ? 0 : 1;
    const int nFirst = Get_Or_Create_Team_Side_Player(nTeam, nSide);
    if (nFirst < 0 || nFirst >= PLAYERS_PER_TEAM)
        return -1;
    const int nSlot = nFirst + (nCard < 11 ? nCard : nCard - 11);
    if (nSlot >= PLAYERS_PER_TEAM || Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) == 0)
        return -1;
    return nSlot;
}

// ---------------------------------------------------------------------------
// Play and audible cards

int Get_Card_Stat_Period(int nTeam)
{
    const int nSelected = Get_User_Preference(PREF_STAT_PERIOD);
    if (nSelected != STAT_PERIOD_THIS_SEASON && nSelected != STAT_PERIOD_LAST_SEASON)
        return nSelected;
    auto Has_Games = [nTeam](int nPeriod) {
        for (int c = 0; c < TOLVAREN_PLAYER_CARDS; ++c) {
            const int nSlot = Get_Card_Player_Slot(nTeam, c);
            if (nSlot >= 0 && Get_Player_Stat(nTeam, nSlot, nPeriod, STAT_GAMES_PLAYED) > 0)
                return true;
        }
        return false;
    };
    if (Has_Games(nSelected))
        return nSelected;
    for (int nPeriod : {STAT_PERIOD_THIS_SEASON, STAT_PERIOD_LAST_SEASON})
        if (Has_Games(nPeriod))
            return nPeriod;
    return nSelected;
}

void Get_Card_Play_Fields(int nTeam, int nPlay, int (&nField)[CARD_FIELD_COUNT])
{
    const int nNone[CARD_FIELD_COUNT] = {0, CARD_OFFENSE_NONE, CARD_OFFENSE_NONE, CARD_DEFENSE_NONE,
                                         CARD_DEFENSE_NONE, CARD_OFFENSE_NONE, 0, 0, 0};
    std::memcpy(nField, nNone, sizeof(nField));
    if (nPlay < 0 || nPlay >= TEAM_OFFENSIVE_PLAYS || !Is_Valid_Team(nTeam))
        return;
    bool bMade = false;
    for (int f = 0; f < CARD_FIELD_COUNT; ++f) {
        nField[f] = Get_Play_Card_Field(nTeam, PLAYBOOK_OFFENSE, nPlay, f);
        bMade = bMade || nField[f] != 0;
    }
    if (bMade)
        return;
    // Nine zero bytes are no card (both offensive grades the same): the
    // play's card of the built-in table, as the editor's default cards.
    auto Offensive = [](int nCode) { return nCode < 400 ? CARD_OFFENSE_NONE : nCode - 400; };
    auto Defensive = [](int nCode) { return nCode >= 407 ? nCode - 407 : CARD_DEFENSE_NONE; };
    nField[CARD_SCORING] = Get_Play_Table_Field(nPlay, PLAY_TABLE_TOUCHDOWN);
    nField[CARD_OFFENSE_1] = Offensive(Get_Play_Table_Field(nPlay, PLAY_TABLE_GRADE_1));
    nField[CARD_OFFENSE_2] = Offensive(Get_Play_Table_Field(nPlay, PLAY_TABLE_GRADE_2));
    nField[CARD_DEFENSE_1] = Defensive(Get_Play_Table_Field(nPlay, PLAY_TABLE_GRADE_3));
    nField[CARD_DEFENSE_2] = Defensive(Get_Play_Table_Field(nPlay, PLAY_TABLE_GRADE_4));
    nField[CARD_BONUS_RATING] = Offensive(Get_Play_Table_Field(nPlay, PLAY_TABLE_KEY_GRADE));
    nField[CARD_BONUS_POSITION] = Get_Play_Table_Field(nPlay, PLAY_TABLE_NUMBER);
    nField[CARD_PLAY_KIND] = Get_Play_Table_Field(nPlay, PLAY_TABLE_SECTION);
    PLAY_CARD Card;
    std::memcpy(Card.nField, nField, sizeof(nField));
    nField[CARD_BONUS_VALUE] = Compute_Card_Bonus(Card);
}

std::vector<int> Get_Card_Deck(int nTeam)
{
    std::vector<int> Deck;
    for (int p = 0; p < OFFENSIVE_PLAY_COUNT && static_cast<int>(Deck.size()) < TOLVAREN_DECK_PLAYS; ++p)
        if (Get_Card_Deck_Flag(nTeam, p))
            Deck.push_back(p);
    if (static_cast<int>(Deck.size()) >= TOLVAREN_DECK_PLAYS || !Is_Valid_Team(nTeam))
        return Deck;
    // Too few marked: the unmarked plays by their card's kind, in play order
    // within a kind, taken in turn from each kind until the deck is full.
    std::vector<int> Kind[CARD_KIND_COUNT];
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        if (Get_Card_Deck_Flag(nTeam, p))
            continue;
        int nField[CARD_FIELD_COUNT];
        Get_Card_Play_Fields(nTeam, p, nField);
        const int k = nField[CARD_PLAY_KIND];
        Kind[k >= 0 && k < CARD_KIND_COUNT ? k : 0].push_back(p);
    }
    for (size_t i = 0; static_cast<int>(Deck.size()) < TOLVAREN_DECK_PLAYS; ++i) {
        bool bAny = false;
        for (int k = 0; k < CARD_KIND_COUNT && static_cast<int>(Deck.size()) < TOLVAREN_DECK_PLAYS; ++k) {
            if (i < Kind[k].size()) {
                Deck.push_back(Kind[k][i]);
                bAny = true;
            }
        }
        if (!bAny)
            break;
    }
    return Deck;
}

int Find_Card_Deck_Play(int nTeam, int n)
{
    const std::vector<int> Deck = Get_Card_Deck(nTeam);
    return n >= 0 && n < static_cast<int>(Deck.size()) ? Deck[n] : -1;
}

std::string Get_Card_Play_Name(const std::string& Full)
{
    std::string Name = Full;
    for (const CARD_NAME& Entry : CARD_NAMES) {
        if (Name.size() <= CARD_NAME_LENGTH)
            break;
        const size_t nAt = Name.find(Entry.szFull);
        if (nAt != std::string::npos)
            Name.replace(nAt, std::strlen(Entry.szFull), Entry.szCard);
    }
    return Name;
}

std::string Format_Card_Play_Line(int nTeam, int nPlay)
{
    if (nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT || !Is_Valid_Team(nTeam))
        return "";
    const std::string Name = Get_Play_Name(nTeam, PLAYBOOK_OFFENSE, nPlay);
    int nField[CARD_FIELD_COUNT];
    Get_Card_Play_Fields(nTeam, nPlay, nField);
    auto Off = [](int n) { return n >= 0 && n + 400 <= 406 ? n + 400 : -1; };
    auto Def = [](int n) { return n >= 0 && n + 407 <= 410 ? n + 407 : -1; };
    std::string Bonus;
    const int nValue = nField[CARD_BONUS_VALUE];
    const int nRating = Off(nField[CARD_BONUS_RATING]);
    if (nValue != 0 && nRating >= 0) {
        const int nPosition = nField[CARD_BONUS_POSITION];
        const char* szPosition =
            nPosition >= 0 && nPosition <= POSITION_P ? Get_Resource_String(59 + nPosition) : "Any";
        char sz[96];
        std::snprintf(sz, sizeof(sz), "%c%d to %s %s", nValue > 0 ? '+' : '-', nValue > 0 ? nValue : -nValue,
                      szPosition, Get_Composite_Grade_Name(nRating));
        Bonus = sz;
    }
    char szLine[512];
    std::snprintf(szLine, sizeof(szLine), "%s,%d,%s,%s,%s,%s,%s,%s,%s,%s", Name.c_str(), nPlay,
                  nField[CARD_SCORING] == 0 ? "Field Goal" : "Touchdown",
                  Get_Card_Play_Type_Name(nField[CARD_PLAY_KIND]), Get_Card_Play_Name(Name).c_str(),
                  Grade_Name_Or_Empty(Off(nField[CARD_OFFENSE_1])).c_str(),
                  Grade_Name_Or_Empty(Off(nField[CARD_OFFENSE_2])).c_str(),
                  Grade_Name_Or_Empty(Def(nField[CARD_DEFENSE_1])).c_str(),
                  Grade_Name_Or_Empty(Def(nField[CARD_DEFENSE_2])).c_str(), Bonus.c_str());
    return szLine;
}

const AUDIBLE_CARD& Get_Audible_Card(int n)
{
    return AUDIBLES[n >= 0 && n < AUDIBLE_COUNT ? n : 0];
}

int Get_Team_Audible_Entry(int nTeam, int nCard)
{
    // Five different entries per club, starting at a place the club gives.
    const int nBase = nTeam < 0 ? 0 : nTeam % AUDIBLE_COUNT;
    const int nPlace = nCard - TOLVAREN_FIRST_AUDIBLE_CARD;
    return (nBase + (nPlace < 0 ? 0 : nPlace)) % AUDIBLE_COUNT;
}

std::string Format_Audible_Line(int nTeam, int nCard)
{
    const AUDIBLE_CARD& Card = Get_Audible_Card(Get_Team_Audible_Entry(nTeam, nCard));
    char szLine[512];
    std::snprintf(szLine, sizeof(szLine), "%s,%d,%s,%s,\"%s %s %s %s\"", Card.szName, nCard + 1, Card.szCost,
                  Card.szKey, Card.szLine[0], Card.szLine[1], Card.szLine[2], Card.szLine[3]);
    return szLine;
}
