// The league database of any year built from statistics files: a whole
// league file for the year ("databases/universe-%d.dat") with its clubs,
// players, contracts, ratings, past seasons, playbooks and schedule, the
// year's draft class ("databases/rookies-%d.dat") and its ratings file.
//
// Every year starts from the template league "Databases/Universe-2019.dat"
// (its cities and settings), read once per run: the 2019 database a run may
// write is never the start of a later year. A year whose files give no league
// that can be set up and scheduled writes nothing and says why; so does a
// year one of whose files is damaged, naming the file, the line and the
// cause: a league, teams, rosters, players or seasons file that cannot be
// read (missing, a folder, a pipe), a table whose first line is not its
// header or one of whose lines is cut short, holds a NUL byte or is longer
// than its reader keeps, a club beyond the 32nd or one the teams file
// refuses, a players file that places none of the rosters' players, or more
// rookies than a draft class holds (a seasons table that lacks most of the
// league's past). Writing nothing, it leaves every file of the year as it
// was, its leader files ("Input/Leaders/YEAR-*.csv") and draft class
// included: those are staged during the build and put in place only together
// with the database, once that is written; a leader file that cannot be
// staged fails the year, naming it. A class, class log line, leader file or
// ratings file that cannot be written once the database is (a folder in its
// place, a full disk) leaves the year written in part, saying that the
// database was written and which file was not. The run goes on with the next
// year. Under "IS_NOT_RANDOM" a year builds to the same bytes alone or inside
// a range.
#pragma once

#include <string>
#include <vector>

// What a run did: the years written and those that failed, each failure
// with its reason (a run of several years goes on after one fails). The run
// of every year leaves out the years whose statistics files are not in the
// data folder (they do not ship with the program): those are neither built
// nor failures.
struct DATABASE_BUILD_RESULT {
    int nBuilt = 0;
    int nFailed = 0;
    bool bStopped = false;   // the run could not start (template, games in play, save offer declined)
    // Why the run stopped, or the last failure.
    std::string Problem;
    // Every failure in order: "2010: why" for a year, the historical file's
    // own words for that file.
    std::vector<std::string> Failures;
    std::vector<int> Built;
    std::vector<int> LeftOut;
    // Years built (in Built too) whose database was written but not every
    // file that goes with it (leader files, draft class, its log line,
    // ratings file): "2010: why" for each, and the last of them.
    std::vector<int> WrittenInPart;
    std::vector<std::string> PartProblems;
    std::string PartProblem;
};

// Why a run did not build every year it was asked ("" when it did; a year
// written in part is built, and PartProblem says what it lacks): each
// failure with its reason, and for a run of more than one year or file the
// years built, those written in part with what they lack.
std::string Database_Build_Problem(const DATABASE_BUILD_RESULT& Result);
// The closing words of a run: the years built, the years left out and why,
// and what failed.
std::string Database_Build_Summary(const DATABASE_BUILD_RESULT& Result);
// Whether the statistics files a year's build starts from are in the data
// folder (anything standing under their names counts: the build then says
// what is wrong with a folder or a pipe there); when not, Missing names the
// first one absent.
bool Has_Year_Statistics(int nYear, std::string& Missing);

// The years a database can be built for.
constexpr int FIRST_BUILD_YEAR = 1951;
constexpr int LAST_BUILD_YEAR = 2023;
// The league every build starts from.
constexpr const char* BUILD_TEMPLATE_DATABASE = "Databases/Universe-2019.dat";

// One year (clamped to 1951-2023).
DATABASE_BUILD_RESULT Create_Universe_Database(int nYear);
// Each year of the range, clamped first (so 1900-1960 builds 1951-1960 once
// each; nothing when nFirst > nLast), then the historical statistics file.
DATABASE_BUILD_RESULT Create_Universe_Databases_Range(int nFirst, int nLast);
// 1951 to 2022, then the historical statistics file.
DATABASE_BUILD_RESULT Create_All_Universe_Databases();
// The build proper on the league in memory, whose first season year holds
// the year. false (Problem saying why) when its files gave no league that
// can be set up and scheduled.
bool Build_Database(std::string& Problem);
// Tells pObserver the name of each step as it ends (null: nobody): what the
// build benchmark times.
void Set_Build_Step_Observer(void (*pObserver)(const char* szStep));
