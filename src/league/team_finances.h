// The business of every franchise: ticket and concession prices, the ticket
// demand of its market, the franchise value and owner dividends, the money
// of one home game and of one week, the projection of a full season for a
// new league, the fans' loyalty at the end of a season and the division
// finish.
//
// Money is in whole dollars, except ticket and concession prices (cents) and
// the franchise value ($K). Amounts are stated at the 2023 money level and
// scaled by the league's inflation factor (league/salary_cap.h).
// nearest(a x b / c) below is Mul_Div_Rounded.
//
// Team values: 0-35 franchises (those in use run from 0 to Count_Teams() - 1),
// 36 the free-agent pool, 37-40 the other pools. Financial stats are stored
// for teams 0-36 only (Set_Team_Financial_Stat).
#pragma once

#include <cstdint>

// Limits of the fan loyalty (financial stat 0, per mille) kept by the season
// update and by the concession penalty.
constexpr int FAN_LOYALTY_MINIMUM = 700;
constexpr int FAN_LOYALTY_MAXIMUM = 1300;

// The finance index while owner mode is off, and the range a stored index
// must lie in to be used as it is.
constexpr int STANDARD_FINANCE_INDEX = 1000;
constexpr int FINANCE_INDEX_MINIMUM = 500;
constexpr int FINANCE_INDEX_MAXIMUM = 2000;

// ---------------------------------------------------------------------------
// Price steps

// The money step of an amount n: n > 1500 gives 200; > 750 100; > 375 50;
// > 150 25; > 75 10; > 35 5; > 15 2; else 1. Called with the inflation
// factor for prices in cents and budgets in dollars.
int Get_Price_Step(int n);

// x rounded to the nearest multiple of Get_Price_Step(inflation factor),
// halves up.
int Round_To_Price_Step(int x);

// ---------------------------------------------------------------------------
// League figures

// 1000 while owner mode (preference 51) is off. Otherwise the average cash
// of the teams in use x 1000 / Get_Inflated_Base_Amount(), rounded and held
// in 500..2000, stored as the finance index (universe stat 11) and returned;
// 0 (stored too) when no team is in use.
int Get_League_Finance_Index();

// The finance index the money rules use: 1000 while owner mode is off, the
// stored index when it lies in 500..2000, else Get_League_Finance_Index().
int Get_Cached_Finance_Index();

// The league's per-game amount of broadcast money, computed from games per
// season, the finance index and the revenue adjustment, stored as universe
// stat 10 and returned.
int Get_Per_Game_Base_Revenue();

// ---------------------------------------------------------------------------
// A team's market (team 0-40; a bad team is reported and gives 0)

// The crowd at a ticket price of 0: the root of the city's population figure
// x 70, cut by the competition of other franchises whose cities are near.
int Compute_Team_Fan_Income(int nTeam);

// The ticket-demand figure in cents (about twice the price a computer-run
// team asks): fan income of the city, loyalty, stadium, difficulty for a
// human team, cash, payroll, the finance index and the revenue adjustment.
// Never below 1.
int Compute_Team_Stadium_Income(int nTeam);

// The franchise value in $K; also stored as financial stat 69 for a team
// that stores financial stats.
int Compute_Franchise_Value(int nTeam);

// The owner dividends of one game, in dollars (what financial stat 56 holds).
// Computes (and stores) the franchise value on the way. 0 when the season
// has no games.
int Get_Team_Owner_Dividends(int nTeam);

// (projected season revenue + inflated 224,800,000) / 2 + (cash - inflated
// base) / 4, in dollars.
int Get_Team_Payroll_Budget(int nTeam);

// ---------------------------------------------------------------------------
// Set-up and prices

// Medical and scouting levels (codes 3 and 2) and per-game budgets (codes 62
// and 59) of a team 0-36 from its payroll and franchise value.
void Init_Team_Budgets(int nTeam);

// A new franchise: franchise value, budgets and levels, owner dividends and
// its opening cash. Team 0-36.
void Init_Team_Stadium_Finances(int nTeam);

// The finances of a new league for every team in use: values, budgets,
// dividends and cash, then prices, then the projection of one season, then
// the bonus points (code 74) by franchise value.
void Init_All_Team_Finances();

// Ticket price (code 1) and concession prices (codes 27, 20, 34) from the
// demand figure and the cash, then the two budgets again. Team 0-36.
void Update_Team_Ticket_Finances(int nTeam);

// Update_Team_Ticket_Finances for every team in use that is not run by a
// human (bComputerOnly 1) or for every team in use (0); nothing while
// Commissioner Mode (preference 50) is on.
void Update_Computer_Team_Ticket_Finances(int bComputerOnly);

// The last-season codes of a new league: one season at the current prices.
// Team 0-36.
void Project_Team_Season_Finances(int nTeam);

// ---------------------------------------------------------------------------
// The season

// The weekly broadcast share of every team in use, until the last regular
// week (max(2, the number of regular-season weeks)).
void Update_Team_Preseason_Finances();

// The money of one played game (GAME record 0-299) for both teams: gate,
// concessions and loyalty of the home team, operating expenses and, outside
// the late playoff rounds, salaries, dividends, medical and scouting. Draws
// two random numbers (concessions, then loyalty). A bad record index or a
// record whose teams are not two franchises is reported and books nothing.
void Compute_Game_Day_Finances(int nGame);

// The concession sales of a home game of team nHome (0-35) with the
// attendance of GAME record nGame, each item booked under its own price
// block (codes 20-22, 27-29, 34-36); returns the net of the three items.
// Draws one random number; may lower the loyalty by 1 (not below 700).
int Compute_Game_Concessions(int nHome, int nGame);

// The per-game drift of the loyalty by the ticket price against the city's
// income: +1 or -1 with a chance, no clamp. Draws one random number.
void Update_Team_Fan_Loyalty(int nTeam);

// The fans' loyalty after a season from playoff wins, wins and the finish
// code, kept in 700..1300. Team 0-36.
void Update_Team_Season_Finances(int nTeam);

// Stores the team's place in its division row as yearly byte 1 of the
// current season and returns the finish code: by the team's highest bracket
// slot 8 for slot 30 (champion), 7 for 28-29 (lost the final), 6 for 24-27
// (lost a conference final); a club out before that 5 for first place and 4
// for another club in the bracket (a wild card); 3, 2 and 1 for places 2-4,
// else 0. So 4 or more is a playoff club, 7 or more a league's champion. A
// team found in no division row is reported and its place is not stored.
int Record_Team_Division_Finish(int nTeam);
