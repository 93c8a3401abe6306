// The player card: a modal dialog naming one player with his club, position,
// age, size, college, contract, Overall and Peak, his health, the key ratings
// of his position as the user's scouts see them and his season's stat line.
#pragma once

#include <string>
#include <vector>

constexpr int PLAYER_CARD_DIALOG = 20001;   // ours: the card has no number of its own

// Controls of the card.
constexpr int CARD_NAME = 1501;
constexpr int CARD_CLUB = 1502;
constexpr int CARD_POSITION = 1503;
constexpr int CARD_AGE = 1504;
constexpr int CARD_SIZE = 1505;
constexpr int CARD_COLLEGE = 1506;
constexpr int CARD_CONTRACT = 1507;
constexpr int CARD_OVERALL = 1508;
constexpr int CARD_RATINGS = 1509;   // list: one key rating a line
constexpr int CARD_STAT_LINE = 1510;
constexpr int CARD_HEALTH = 1511;
// "&Draft", added during a fantasy draft: the user's club on the clock takes
// the player (live while he is undrafted and a user-run club is picking).
constexpr int CARD_FANTASY_DRAFT = 1512;

// The lines the card shows for a player, in its controls' order (name, club,
// position, age, size, college, contract, Overall and Peak, health ("Health:
// Healthy" or the injury's name), then one line per key rating as the scouts
// see it, then the stat line: "<year> season: " and the summary of the
// season under way once a game of it is played, before that of the season
// before when he played in it, else of the season under way). Empty for an
// empty slot.
std::vector<std::string> Get_Player_Card_Lines(int nTeam, int nSlot);

// Opens the card of (team, slot). An empty slot shows "Couldn't find:
// TEAM:%d  PLAYER:%d" titled "Scouting Error" instead. Returns the dialog's
// result, 0 when no card opened.
int Show_Scouting_Report(int nTeam, int nSlot);
