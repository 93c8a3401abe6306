// The title games and champions of the league's past, before the first
// season a new game plays. The league's clubs and their history are our
// own: every row names clubs of the default league.

#include "gamefile/title_games.h"

namespace {

// One row per title game, season 1966 first; the last row is the game of
// season 2023, still to be played: only its date and place are known.
const TITLE_GAME_RECORD TITLE_GAMES[] = {
    {"01967-01-08 January 8", "1967", "Seattle Rainmakers", "Miami Tides", "Arroyo Stadium", "Los Angeles", "California"},
    {"01968-01-14 January 14", "1968", "Buffalo Frost", "Tampa Manatees", "St. Johns Field", "Jacksonville", "Florida"},
    {"01969-01-12 January 12", "1969", "Minneapolis Voyageurs", "Baltimore Ironclads", "Bayou Dome", "Houston", "Texas"},
    {"01970-01-11 January 11", "1970", "Kansas City Bison", "Philadelphia Founders", "Gulfside Stadium", "Tampa", "Florida"},
    {"01971-01-10 January 10", "1971", "Boston Harbormen", "Atlanta Firebirds", "Woodward Field", "Detroit", "Michigan"},
    {"01972-01-09 January 9", "1972", "Tampa Manatees", "Boston Harbormen", "Bayou Dome", "Houston", "Texas"},
    {"01973-01-14 January 14", "1973", "Houston Gushers", "Dallas Wranglers", "Sonoran Field", "Phoenix", "Arizona"},
    {"01974-01-13 January 13", "1974", "Tampa Manatees", "Kansas City Bison", "Arroyo Stadium", "Los Angeles", "California"},
    {"01975-01-12 January 12", "1975", "Tampa Manatees", "Denver Peaks", "Woodward Field", "Detroit", "Michigan"},
    {"01976-01-11 January 11", "1976", "Denver Peaks", "Detroit Assemblers", "Delta Dome", "New Orleans", "Louisiana"},
    {"01977-01-09 January 9", "1977", "Seattle Rainmakers", "Cleveland Forge", "St. Johns Field", "Jacksonville", "Florida"},
    {"01978-01-08 January 8", "1978", "Miami Tides", "New York Bridgers", "Peachtree Field", "Atlanta", "Georgia"},
    {"01979-01-28 January 28", "1979", "Buffalo Frost", "Chicago Gales", "Biscayne Stadium", "Miami", "Florida"},
    {"01980-01-27 January 27", "1980", "Seattle Rainmakers", "Nashville Fiddlers", "Trinity Stadium", "Dallas", "Texas"},
    {"01981-01-25 January 25", "1981", "Cincinnati Riverboats", "New York Bridgers", "Gulfside Stadium", "Tampa", "Florida"},
    {"01982-01-24 January 24", "1982", "Seattle Rainmakers", "Miami Tides", "Trinity Stadium", "Dallas", "Texas"},
    {"01983-01-23 January 23", "1983", "Seattle Rainmakers", "Los Angeles Condors", "Woodward Field", "Detroit", "Michigan"},
    {"01984-01-22 January 22", "1984", "Dallas Wranglers", "Baltimore Ironclads", "Peachtree Field", "Atlanta", "Georgia"},
    {"01985-01-27 January 27", "1985", "New Orleans Krewe", "Cincinnati Riverboats", "Mill City Stadium", "Minneapolis", "Minnesota"},
    {"01986-01-26 January 26", "1986", "New Orleans Krewe", "Buffalo Frost", "Crossroads Stadium", "Indianapolis", "Indiana"},
    {"01987-01-25 January 25", "1987", "Phoenix Scorpions", "Denver Peaks", "St. Johns Field", "Jacksonville", "Florida"},
    {"01988-01-24 January 24", "1988", "Kansas City Bison", "Los Angeles Palms", "Delta Dome", "New Orleans", "Louisiana"},
    {"01989-01-22 January 22", "1989", "Miami Tides", "Minneapolis Voyageurs", "Basin Field", "Los Angeles", "California"},
    {"01990-01-28 January 28", "1990", "Buffalo Frost", "Green Bay Northmen", "Mill City Stadium", "Minneapolis", "Minnesota"},
    {"01991-01-27 January 27", "1991", "Phoenix Scorpions", "Nashville Fiddlers", "Gulfside Stadium", "Tampa", "Florida"},
    {"01992-01-26 January 26", "1992", "Oakland Stevedores", "Dallas Wranglers", "Mill City Stadium", "Minneapolis", "Minnesota"},
    {"01993-01-24 January 24", "1993", "Cleveland Forge", "Minneapolis Voyageurs", "St. Johns Field", "Jacksonville", "Florida"},
    {"01994-01-23 January 23", "1994", "Green Bay Northmen", "Kansas City Bison", "Presidio Stadium", "San Francisco", "California"},
    {"01995-01-22 January 22", "1995", "Cleveland Forge", "New York Bridgers", "Crossroads Stadium", "Indianapolis", "Indiana"},
    {"01996-01-28 January 28", "1996", "Green Bay Northmen", "Kansas City Bison", "Woodward Field", "Detroit", "Michigan"},
    {"01997-01-26 January 26", "1997", "Phoenix Scorpions", "New York Empires", "Sonoran Field", "Phoenix", "Arizona"},
    {"01998-01-25 January 25", "1998", "Baltimore Ironclads", "Charlotte Foxes", "Gulfside Stadium", "Tampa", "Florida"},
    {"01999-01-24 January 24", "1999", "Washington Sentries", "Boston Harbormen", "Crossroads Stadium", "Indianapolis", "Indiana"},
    {"02000-01-23 January 23", "2000", "Detroit Assemblers", "Baltimore Ironclads", "Crossroads Stadium", "Indianapolis", "Indiana"},
    {"02001-01-28 January 28", "2001", "Atlanta Firebirds", "Pittsburgh Anvils", "Basin Field", "Los Angeles", "California"},
    {"02002-01-27 January 27", "2002", "Tampa Manatees", "Denver Peaks", "Gulfside Stadium", "Tampa", "Florida"},
    {"02003-02-02 February 2", "2003", "Cleveland Forge", "Los Angeles Palms", "Trinity Stadium", "Dallas", "Texas"},
    {"02004-02-01 February 1", "2004", "Minneapolis Voyageurs", "Pittsburgh Anvils", "Delta Dome", "New Orleans", "Louisiana"},
    {"02005-02-06 February 6", "2005", "Los Angeles Condors", "New Orleans Krewe", "Woodward Field", "Detroit", "Michigan"},
    {"02006-02-05 February 5", "2006", "Kansas City Bison", "Seattle Rainmakers", "Sonoran Field", "Phoenix", "Arizona"},
    {"02007-02-04 February 4", "2007", "Los Angeles Palms", "Jacksonville Riptide", "Peachtree Field", "Atlanta", "Georgia"},
    {"02008-02-03 February 3", "2008", "Washington Sentries", "Buffalo Frost", "Mill City Stadium", "Minneapolis", "Minnesota"},
    {"02009-02-01 February 1", "2009", "Washington Sentries", "Jacksonville Riptide", "Woodward Field", "Detroit", "Michigan"},
    {"02010-02-07 February 7", "2010", "Charlotte Foxes", "Jacksonville Riptide", "Basin Field", "Los Angeles", "California"},
    {"02011-02-06 February 6", "2011", "Dallas Wranglers", "Miami Tides", "Delta Dome", "New Orleans", "Louisiana"},
    {"02012-02-05 February 5", "2012", "Charlotte Foxes", "Oakland Stevedores", "Mill City Stadium", "Minneapolis", "Minnesota"},
    {"02013-02-03 February 3", "2013", "Detroit Assemblers", "Miami Tides", "Trinity Stadium", "Dallas", "Texas"},
    {"02014-02-02 February 2", "2014", "Washington Sentries", "New York Empires", "Sonoran Field", "Phoenix", "Arizona"},
    {"02015-02-01 February 1", "2015", "Indianapolis Speedsters", "San Francisco Sealions", "Sonoran Field", "Phoenix", "Arizona"},
    {"02016-02-07 February 7", "2016", "Jacksonville Riptide", "New Orleans Krewe", "Trinity Stadium", "Dallas", "Texas"},
    {"02017-02-05 February 5", "2017", "Miami Tides", "Dallas Wranglers", "Sonoran Field", "Phoenix", "Arizona"},
    {"02018-02-04 February 4", "2018", "Phoenix Scorpions", "Houston Gushers", "Peachtree Field", "Atlanta", "Georgia"},
    {"02019-02-03 February 3", "2019", "Miami Tides", "Philadelphia Founders", "Gulfside Stadium", "Tampa", "Florida"},
    {"02020-02-02 February 2", "2020", "Cincinnati Riverboats", "Phoenix Scorpions", "Crossroads Stadium", "Indianapolis", "Indiana"},
    {"02021-02-07 February 7", "2021", "Atlanta Firebirds", "Pittsburgh Anvils", "Presidio Stadium", "San Francisco", "California"},
    {"02022-02-06 February 6", "2022", "Houston Gushers", "Washington Sentries", "Mill City Stadium", "Minneapolis", "Minnesota"},
    {"02023-02-05 February 5", "2023", "Washington Sentries", "Indianapolis Speedsters", "Mill City Stadium", "Minneapolis", "Minnesota"},
    {"02024-02-04 February 4", "2024", "", "", "Crossroads Stadium", "Indianapolis", "Indiana"},
};
static_assert(sizeof(TITLE_GAMES) / sizeof(TITLE_GAMES[0]) == LAST_TITLE_GAME_SEASON - FIRST_TITLE_GAME_SEASON + 1);

}  // namespace

// Title-game winners by season from 1966.
const char* const TITLE_GAME_WINNERS[] = {
    "Rainmakers", "Frost", "Voyageurs", "Bison", "Harbormen", "Manatees",
    "Gushers", "Manatees", "Manatees", "Peaks", "Rainmakers", "Tides",
    "Frost", "Rainmakers", "Riverboats", "Rainmakers", "Rainmakers", "Wranglers",
    "Krewe", "Krewe", "Scorpions", "Bison", "Tides", "Frost",
    "Scorpions", "Stevedores", "Forge", "Northmen", "Forge", "Northmen",
    "Scorpions", "Ironclads", "Sentries", "Assemblers", "Firebirds", "Manatees",
    "Forge", "Voyageurs", "Condors", "Bison", "Palms", "Sentries",
    "Sentries", "Foxes", "Wranglers", "Foxes", "Assemblers", "Sentries",
    "Speedsters", "Riptide", "Tides", "Scorpions", "Tides", "Riverboats",
    "Firebirds", "Gushers", "Sentries",
};
static_assert(sizeof(TITLE_GAME_WINNERS) / sizeof(TITLE_GAME_WINNERS[0]) == LAST_TITLE_GAME_SEASON - FIRST_TITLE_GAME_SEASON);

// Champions of the league by season from 1920.
const char* const LEAGUE_CHAMPIONS[] = {
    "Voyageurs", "Voyageurs", "Palms", "Gales", "Sealions", "Founders",
    "Sentries", "Firebirds", "Sealions", "Gales", "Foxes", "Palms",
    "Bridgers", "Rainmakers", "Firebirds", "Firebirds", "Wranglers", "Sentries",
    "Firebirds", "Wranglers", "Wranglers", "Wranglers", "Firebirds", "Sentries",
    "Assemblers", "Bridgers", "Sentries", "Assemblers", "Rainmakers", "Wranglers",
    "Assemblers", "Northmen", "Scorpions", "Gales", "Assemblers", "Rainmakers",
    "Voyageurs", "Sealions", "Bridgers", "Foxes", "Founders", "Firebirds",
    "Sealions", "Manatees", "Krewe", "Gales", "Rainmakers", "Manatees",
    "Voyageurs", "Founders", "Firebirds", "Manatees", "Wranglers", "Manatees",
    "Manatees", "Assemblers", "Rainmakers", "Bridgers", "Gales", "Rainmakers",
    "Bridgers", "Rainmakers", "Rainmakers", "Wranglers", "Krewe", "Krewe",
    "Scorpions", "Palms", "Voyageurs", "Northmen", "Scorpions", "Wranglers",
    "Voyageurs", "Northmen", "Bridgers", "Northmen", "Scorpions", "Foxes",
    "Sentries", "Assemblers", "Firebirds", "Manatees", "Palms", "Voyageurs",
    "Krewe", "Rainmakers", "Palms", "Sentries", "Sentries", "Foxes",
    "Wranglers", "Foxes", "Assemblers", "Sentries", "Sealions", "Krewe",
    "Wranglers", "Scorpions", "Founders", "Scorpions", "Firebirds", "Sentries",
    "Sentries",
};
static_assert(sizeof(LEAGUE_CHAMPIONS) / sizeof(LEAGUE_CHAMPIONS[0]) == LAST_TITLE_GAME_SEASON - FIRST_LEAGUE_CHAMPION_SEASON);

// Champions of the second league by season from 1960.
const char* const SECOND_LEAGUE_CHAMPIONS[] = {
    "Peaks", "Peaks", "Bison", "Bison", "Condors", "Peaks",
    "Tides", "Frost", "Ironclads", "Bison", "Harbormen", "Harbormen",
    "Gushers", "Bison", "Peaks", "Peaks", "Forge", "Tides",
    "Frost", "Fiddlers", "Riverboats", "Tides", "Condors", "Ironclads",
    "Riverboats", "Frost", "Peaks", "Bison", "Tides", "Frost",
    "Fiddlers", "Stevedores", "Forge", "Bison", "Forge", "Bison",
    "Empires", "Ironclads", "Harbormen", "Ironclads", "Anvils", "Peaks",
    "Forge", "Anvils", "Condors", "Bison", "Riptide", "Frost",
    "Riptide", "Riptide", "Tides", "Stevedores", "Tides", "Empires",
    "Speedsters", "Riptide", "Tides", "Gushers", "Tides", "Riverboats",
    "Anvils", "Gushers", "Speedsters",
};
static_assert(sizeof(SECOND_LEAGUE_CHAMPIONS) / sizeof(SECOND_LEAGUE_CHAMPIONS[0]) ==
              LAST_TITLE_GAME_SEASON - FIRST_SECOND_LEAGUE_CHAMPION_SEASON);

const TITLE_GAME_RECORD* Get_Title_Game_Row(int n)
{
    if (n < 0 || n > LAST_TITLE_GAME_SEASON - FIRST_TITLE_GAME_SEASON)
        return nullptr;
    return &TITLE_GAMES[n];
}
