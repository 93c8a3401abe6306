// A whole season of the default league with the game pages on, every recap
// and box score read back as a user reads it: the yards a play row states are
// the yards the ball moved to the next row, a sack names the passer (a
// stand-in once his side's quarterbacks are hurt) and a defender, kick rows
// name the kick, the scoring table agrees with the play rows, and every
// picture and style sheet a page links exists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "engine/game_report.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "season/day_advance.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"

namespace {

namespace fs = std::filesystem;

std::string Read_All(const fs::path& Path)
{
    std::string Text;
    FILE* pFile = std::fopen(Path.c_str(), "rb");
    if (!pFile)
        return Text;
    char Buffer[65536];
    size_t n;
    while ((n = std::fread(Buffer, 1, sizeof Buffer, pFile)) > 0)
        Text.append(Buffer, n);
    std::fclose(pFile);
    return Text;
}

std::string Unescaped(std::string Text)
{
    static const std::pair<const char*, const char*> ENTITIES[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [szFrom, szTo] : ENTITIES) {
        size_t nPos = 0;
        while ((nPos = Text.find(szFrom, nPos)) != std::string::npos) {
            Text.replace(nPos, std::string(szFrom).size(), szTo);
            nPos += std::string(szTo).size();
        }
    }
    return Text;
}

// The texts of the cells of one table row.
std::vector<std::string> Cells_Of(const std::string& Row)
{
    std::vector<std::string> Cells;
    size_t nPos = 0;
    while ((nPos = Row.find("<TD", nPos)) != std::string::npos) {
        const size_t nOpen = Row.find('>', nPos);
        const size_t nClose = Row.find("</TD>", nOpen);
        if (nOpen == std::string::npos || nClose == std::string::npos)
            break;
        Cells.push_back(Unescaped(Row.substr(nOpen + 1, nClose - nOpen - 1)));
        nPos = nClose + 5;
    }
    return Cells;
}

// Every <TR ...>...</TR> of a page, the opening tag kept.
std::vector<std::string> Rows_Of(const std::string& Page)
{
    std::vector<std::string> Rows;
    size_t nPos = 0;
    while ((nPos = Page.find("<TR", nPos)) != std::string::npos) {
        const size_t nEnd = Page.find("</TR>", nPos);
        if (nEnd == std::string::npos)
            break;
        Rows.push_back(Page.substr(nPos, nEnd - nPos));
        nPos = nEnd + 5;
    }
    return Rows;
}

struct PLAY_ROW {
    std::string Team;      // the offence's abbreviation
    std::string Down;
    int nSpot = 0;         // yards to the goal the offence attacks
    std::string Offense;
    std::string Defense;
    std::string Sentence;
    std::string Where;     // for messages
    // By side (away, home): the index of the first play row after the last
    // earlier row that told a quarterback of the side injured, -1 for none.
    int nQuarterbackHurtFrom[2] = {-1, -1};
};

// "(DEN 35)" as yards to the goal of the team with the ball; "(--  50)" 50.
int Spot_Of(const std::string& Text, const std::string& Team)
{
    static const std::regex SPOT(R"(\((\S+)\s+(\d+)\))");
    std::smatch M;
    if (!std::regex_match(Text, M, SPOT))
        return -1;
    const int n = std::stoi(M[2]);
    if (M[1] == "--")
        return 50;
    return M[1] == Team ? 100 - n : n;
}

// The gain a sentence of a completion, run or sack states; false for others.
bool Stated_Gain(const std::string& S, int& nGain)
{
    static const std::regex PASS_GAIN(R"(^.+ (\d+)-yard pass to .+$)");
    static const std::regex PASS_NONE(R"(^.+ pass to .+ for no gain$)");
    static const std::regex PASS_LOSS(R"(^.+ pass to .+ for \((\d+)-yard loss\)$)");
    static const std::regex RUN(R"(^.+ rushes (left|up the middle|right) for (\d+) yards?$)");
    static const std::regex RUN_NONE(R"(^.+ rushes (left|up the middle|right) for no gain$)");
    static const std::regex RUN_LOSS(R"(^.+ rushes (left|up the middle|right) for a (\d+)-yard loss$)");
    static const std::regex SACK(R"(^.+ sacked by .+ for (\d+)-yard loss$)");
    std::smatch M;
    if (std::regex_match(S, M, PASS_LOSS))
        nGain = -std::stoi(M[1]);
    else if (std::regex_match(S, M, PASS_NONE) || std::regex_match(S, M, RUN_NONE))
        nGain = 0;
    else if (std::regex_match(S, M, PASS_GAIN))
        nGain = std::stoi(M[1]);
    else if (std::regex_match(S, M, RUN_LOSS))
        nGain = -std::stoi(M[2]);
    else if (std::regex_match(S, M, RUN))
        nGain = std::stoi(M[2]);
    else if (std::regex_match(S, M, SACK))
        nGain = -std::stoi(M[1]);
    else
        return false;
    return true;
}

bool Is_Kick_Down(const std::string& Down)
{
    return Down == "Kickoff" || Down == "Free Kick";
}

// Last names of a game's side from its kick-off roster.
std::set<std::string> Roster_Names(const GAME* pGame, int nSide, const std::map<int, std::string>& Names)
{
    std::set<std::string> Out;
    for (int s = 0; s < GAME_ROSTER_SIZE; ++s) {
        const auto It = Names.find(pGame->nRosterID[nSide][s]);
        if (It != Names.end())
            Out.insert(It->second);
    }
    return Out;
}

void Remember_Names(std::map<int, std::string>& Names, std::map<int, int>& Positions)
{
    for (int t = 0; t <= LAST_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nID = Get_Player_ID(t, s);
            if (nID <= 0)
                continue;
            char szName[64];
            Get_Player_Last_Name(t, s, szName);
            Names[nID] = szName;
            Positions[nID] = Get_Player_Position(t, s);
        }
    }
}

// A page's links: img src, link href and url() of its style, as written.
std::vector<std::string> Links_Of(const std::string& Page)
{
    std::vector<std::string> Links;
    static const std::regex LINK(R"rx((?:src|href)\s*=\s*"([^"]*)"|url\(([^)]*)\))rx", std::regex::icase);
    for (auto It = std::sregex_iterator(Page.begin(), Page.end(), LINK); It != std::sregex_iterator(); ++It)
        Links.push_back((*It)[1].matched ? (*It)[1].str() : (*It)[2].str());
    return Links;
}

// A link as a browser takes it from a page in Output: backslashes are
// slashes; the file must exist as spelled.
bool Link_Resolves(const std::string& Link)
{
    std::string Path = Link;
    std::replace(Path.begin(), Path.end(), '\\', '/');
    if (Path.empty() || Path[0] == '/' || Path.find(':') != std::string::npos)
        return false;
    return fs::is_regular_file(fs::path("Output") / Path);
}

class PlayByPlayPagesTest : public LeagueTest {};

}  // namespace

TEST_F(PlayByPlayPagesTest, EveryRowOfAWholeSeasonTellsWhatHappened)
{
    SCRATCH_FOLDER Scratch("play_by_play_pages");
    ASSERT_TRUE(Scratch.Ready());
    Copy_Default_League_Inputs();
    {
        const char* szSource = std::getenv("KELVO_SOURCE_DIR");
        const fs::path Data = fs::path(szSource != nullptr ? szSource : ".") / "data";
        std::error_code Error;
        fs::copy(Data / "HTML_Templates", "HTML_Templates", fs::copy_options::recursive, Error);
        ASSERT_FALSE(Error) << Error.message();
    }
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;

    // One club has a logo in place; every other has none.
    const std::string Denver = "DEN";
    bool bDenverPlays = false;
    for (int t = 0; t < Count_Teams(); ++t) {
        char szText[TEAM_STRING_SIZE];
        Get_Team_String(szText, t, TEAM_STRING_ABBREVIATION);
        bDenverPlays = bDenverPlays || Denver == szText;
    }
    ASSERT_TRUE(bDenverPlays);
    fs::create_directories("Logos/Downloads");
    {
        FILE* pLogo = std::fopen("Logos/Downloads/DEN-2019.png", "wb");
        ASSERT_NE(pLogo, nullptr);
        std::fputs("\x89PNG", pLogo);
        std::fclose(pLogo);
    }

    std::map<int, std::string> Names;
    std::map<int, int> Positions;
    Remember_Names(Names, Positions);

    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Set_Game_Pages_Enabled(true);
    Seed_Random_Numbers(20190);
    Advance_Day(22);   // the regular season
    Advance_Day(22);   // the playoffs
    Set_Game_Pages_Enabled(false);
    Remember_Names(Names, Positions);

    // The season's games by their pages' title.
    std::map<std::string, const GAME*> Games;
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        if (!Is_Game_Record_Final(g))
            continue;
        const GAME* pGame = Get_Game_Record(g);
        char szWeek[TEXT_BUFFER_SIZE], szAway[TEXT_BUFFER_SIZE], szHome[TEXT_BUFFER_SIZE];
        Get_Week_Name(pGame->nWeek, szWeek);
        Get_Team_Short_Name(pGame->nAwayTeam, szAway);
        Get_Team_Short_Name(pGame->nHomeTeam, szHome);
        Games[std::string(szWeek) + ": " + szAway + " at " + szHome] = pGame;
    }

    int nPages = 0, nRows = 0, nGainsChecked = 0, nReturnsChecked = 0, nSacks = 0, nKicks = 0, nScores = 0, nPictures = 0;
    // Faults by kind, the first few of each told.
    std::map<std::string, int> Faults;
    auto Fault = [&Faults](const char* szKind, const std::string& Text) {
        if (++Faults[szKind] <= 4)
            ADD_FAILURE() << szKind << ": " << Text;
    };
    static const std::regex TD_PASS(R"(^.+ (\d+)-yard TD pass to .+$)");
    static const std::regex TD_RUN(R"(^.+ (\d+)-yard TD run!$)");
    static const std::regex FIELD_GOAL(R"(^.+ (kicks|misses) (\d+)-yard FG$)");
    static const std::regex SACKED(R"(^(.+) sacked by (.+) for \d+-yard loss$)");
    static const std::regex PASSER(R"(^(.+?) (\d+-yard pass to|pass to|incomplete to|\d+-yard TD pass to) .+$)");
    static const std::regex PENALTY(R"(^.+ \(.*\): (\d+) yards$)");
    static const std::regex PUNT_RETURNED(R"(^(\d+)-yard punt returned (\d+) yards by .+$)");
    static const std::regex FAIR_CATCH(R"(^(\d+)-yard punt - Fair catch by .+$)");
    static const std::regex KICKOFF_OWN_HALF(R"(^.+ returns kickoff \d+ yards to his (\d+)$)");
    static const std::regex KICKOFF_OTHER_HALF(R"(^.+ returns kickoff to opponent's (\d+)!$)");

    std::vector<fs::path> Files;
    for (const auto& Entry : fs::directory_iterator("Output"))
        Files.push_back(Entry.path());
    std::sort(Files.begin(), Files.end());
    for (const fs::path& File : Files) {
        const std::string Name = File.filename().string();
        const bool bRecap = Name.rfind("Recap-", 0) == 0;
        const bool bBox = Name.rfind("Box-", 0) == 0;
        if (!bRecap && !bBox)
            continue;
        ++nPages;
        const std::string Page = Read_All(File);
        if (Page.find("charset=windows-1252") == std::string::npos)
            Fault("charset", Name + ": no windows-1252 charset");
        for (const std::string& Link : Links_Of(Page)) {
            ++nPictures;
            if (!Link_Resolves(Link))
                Fault("link", Name + ": link \"" + Link + "\" does not resolve");
        }
        const size_t nTitle = Page.find("<TITLE>");
        const size_t nTitleEnd = Page.find("</TITLE>");
        ASSERT_NE(nTitle, std::string::npos) << Name;
        const std::string Title = Unescaped(Page.substr(nTitle + 7, nTitleEnd - nTitle - 7));
        const auto Game = Games.find(Title);
        if (Game == Games.end()) {
            Fault("title", Name + ": no game titled " + Title);
            continue;
        }
        const GAME* pGame = Game->second;
        if (bBox) {
            char szAbbreviation[TEAM_STRING_SIZE];
            Get_Team_String(szAbbreviation, pGame->nAwayTeam, TEAM_STRING_ABBREVIATION);
            const bool bAwayDenver = Denver == szAbbreviation;
            Get_Team_String(szAbbreviation, pGame->nHomeTeam, TEAM_STRING_ABBREVIATION);
            const bool bDenver = bAwayDenver || Denver == szAbbreviation;
            const bool bPicture = Page.find("<img") != std::string::npos;
            if (bDenver != bPicture)
                Fault("logo", Name + (bDenver ? ": Denver's logo missing" : ": a picture without a file"));
        }

        // The recap and the box score of one game are read together: the
        // recap's play rows, then the box score's scoring rows against them.
        if (!bRecap)
            continue;
        std::string AwayCode, HomeCode;
        {
            char szText[TEAM_STRING_SIZE];
            Get_Team_String(szText, pGame->nAwayTeam, TEAM_STRING_ABBREVIATION);
            AwayCode = szText;
            Get_Team_String(szText, pGame->nHomeTeam, TEAM_STRING_ABBREVIATION);
            HomeCode = szText;
        }
        const std::set<std::string> AwayNames = Roster_Names(pGame, GAME_SIDE_AWAY, Names);
        const std::set<std::string> HomeNames = Roster_Names(pGame, GAME_SIDE_HOME, Names);
        std::set<std::string> Quarterbacks[2];
        for (int nSide = 0; nSide < 2; ++nSide)
            for (int s = 0; s < GAME_ROSTER_SIZE; ++s) {
                const int nID = pGame->nRosterID[nSide][s];
                if (Names.count(nID) && Positions[nID] == POSITION_QB)
                    Quarterbacks[nSide].insert(Names[nID]);
            }

        // "<nickname> Quarterback <name> was injured on the play" of each side.
        std::regex QuarterbackHurt[2];
        for (int nSide = 0; nSide < 2; ++nSide) {
            char szNickname[TEAM_STRING_SIZE];
            Get_Team_String(szNickname, nSide == GAME_SIDE_HOME ? pGame->nHomeTeam : pGame->nAwayTeam,
                            TEAM_STRING_NICKNAME);
            QuarterbackHurt[nSide] = std::regex("^" + std::string(szNickname) + " Quarterback .+ was injured on the play$");
        }
        int nQuarterbackHurtFrom[2] = {-1, -1};

        std::vector<PLAY_ROW> Plays;
        for (const std::string& Row : Rows_Of(Page)) {
            if (Row.rfind("<TR class=subhead1>", 0) == 0) {
                const std::vector<std::string> Cells = Cells_Of(Row);
                for (int nSide = 0; nSide < 2; ++nSide)
                    if (Cells.size() == 1 && std::regex_match(Cells[0], QuarterbackHurt[nSide]))
                        nQuarterbackHurtFrom[nSide] = static_cast<int>(Plays.size());
                continue;
            }
            if (Row.rfind("<TR class=none>", 0) != 0 && Row.rfind("<TR class=highlight>", 0) != 0)
                continue;
            const std::vector<std::string> Cells = Cells_Of(Row);
            if (Cells.size() != 7) {
                Fault("row", Name + ": a play row of " + std::to_string(Cells.size()) + " cells");
                continue;
            }
            PLAY_ROW Play;
            Play.Team = Cells[1];
            Play.Down = Cells[2];
            Play.nSpot = Spot_Of(Cells[3], Cells[1]);
            Play.Offense = Cells[4];
            Play.Defense = Cells[5];
            Play.Sentence = Cells[6];
            Play.nQuarterbackHurtFrom[0] = nQuarterbackHurtFrom[0];
            Play.nQuarterbackHurtFrom[1] = nQuarterbackHurtFrom[1];
            Play.Where = Name + " " + Cells[0] + " " + Cells[1] + " " + Cells[2] + " " + Cells[3] + ": " + Cells[6];
            if (Play.nSpot < 1 || Play.nSpot > 99)
                Fault("spot", Play.Where + ": bad spot");
            Plays.push_back(Play);
        }
        nRows += static_cast<int>(Plays.size());
        // The passers of each side, from the game's own pass rows.
        std::set<std::string> Passers[2];
        for (const PLAY_ROW& Play : Plays) {
            std::smatch M;
            if (std::regex_match(Play.Sentence, M, PASSER))
                Passers[Play.Team == HomeCode ? 1 : 0].insert(M[1]);
        }

        for (size_t i = 0; i < Plays.size(); ++i) {
            const PLAY_ROW& P = Plays[i];
            const bool bHome = P.Team == HomeCode;
            if (!bHome && P.Team != AwayCode) {
                Fault("team", P.Where + ": team of neither side");
                continue;
            }
            std::smatch M;
            // Kicks name the kick and no defence.
            const bool bKickoff = Is_Kick_Down(P.Down) && !std::regex_match(P.Sentence, PENALTY);
            const bool bPunt = P.Sentence.find("punt") != std::string::npos ||
                               P.Sentence.rfind("Punt ", 0) == 0;
            const bool bFieldGoal = std::regex_match(P.Sentence, FIELD_GOAL);
            const bool bExtraPoint = P.Sentence.find("the extra point") != std::string::npos;
            if (bKickoff || bPunt || bFieldGoal || bExtraPoint) {
                ++nKicks;
                static const std::set<std::string> KICKOFFS = {"Normal Kickoff", "Squib Kick", "Onside Kick",
                                                               "Surprise Onside"};
                const bool bNamed = bKickoff ? KICKOFFS.count(P.Offense) > 0
                                    : bPunt ? P.Offense == "Punt"
                                    : bFieldGoal ? P.Offense == "Field Goal"
                                                 : P.Offense == "Extra Point";
                if (!bNamed || !P.Defense.empty())
                    Fault("kick name", P.Where + ": kick row names \"" + P.Offense + "\" / \"" + P.Defense + "\"");
            }
            if (bFieldGoal && std::stoi(std::regex_match(P.Sentence, M, FIELD_GOAL) ? M[2].str() : "0") !=
                                  P.nSpot + 17)
                Fault("field goal", P.Where + ": field goal distance");
            if ((std::regex_match(P.Sentence, M, TD_PASS) || std::regex_match(P.Sentence, M, TD_RUN)) &&
                std::stoi(M[1]) != P.nSpot)
                Fault("touchdown yards", P.Where + ": touchdown from " + std::to_string(P.nSpot));

            // A sack names the passer sacked by a defender. The passer is a
            // quarterback or a man who throws in the game; once the side has
            // no quarterback left (one was hurt and none throws from then
            // on), whoever stands in the passer's place, and he may be sacked
            // on the only throw he tries.
            if (std::regex_match(P.Sentence, M, SACKED)) {
                ++nSacks;
                const std::set<std::string>& Own = bHome ? HomeNames : AwayNames;
                const std::set<std::string>& Other = bHome ? AwayNames : HomeNames;
                const std::string Sacked = M[1], Tackler = M[2];
                bool bStandIn = P.nQuarterbackHurtFrom[bHome] >= 0;
                for (size_t j = static_cast<size_t>(std::max(P.nQuarterbackHurtFrom[bHome], 0));
                     bStandIn && j < Plays.size(); ++j) {
                    std::smatch Thrown;
                    if (Plays[j].Team == P.Team && std::regex_match(Plays[j].Sentence, Thrown, PASSER) &&
                        Quarterbacks[bHome].count(Thrown[1]))
                        bStandIn = false;
                }
                const bool bPasser = Own.count(Sacked) &&
                                     (Passers[bHome].count(Sacked) || Quarterbacks[bHome].count(Sacked) || bStandIn);
                if (!bPasser || !Other.count(Tackler))
                    Fault("sack names", P.Where + ": sacked must be the offence's passer, sacker a defender");
            }

            // A punt or kick-off return: the receivers' first snap where the
            // kick and the return put the ball.
            if (i + 1 < Plays.size() && Plays[i + 1].Team != P.Team && !Is_Kick_Down(Plays[i + 1].Down)) {
                const PLAY_ROW& N = Plays[i + 1];
                int nExpected = -1;
                if (std::regex_match(P.Sentence, M, PUNT_RETURNED))
                    nExpected = 100 - (P.nSpot - std::stoi(M[1])) - std::stoi(M[2]);
                else if (std::regex_match(P.Sentence, M, FAIR_CATCH))
                    nExpected = 100 - (P.nSpot - std::stoi(M[1]));
                else if (std::regex_match(P.Sentence, M, KICKOFF_OWN_HALF))
                    nExpected = 100 - std::stoi(M[1]);
                else if (std::regex_match(P.Sentence, M, KICKOFF_OTHER_HALF))
                    nExpected = std::stoi(M[1]);
                if (nExpected >= 0) {
                    ++nReturnsChecked;
                    if (N.nSpot != nExpected)
                        Fault("return", P.Where + ": next snap at " + std::to_string(N.nSpot) + ", expected " +
                                            std::to_string(nExpected));
                }
            }

            // The yards stated against the next row's spot.
            if (i + 1 >= Plays.size() || P.Down == "Conversion" || Is_Kick_Down(P.Down))
                continue;
            const PLAY_ROW& N = Plays[i + 1];
            if (Is_Kick_Down(N.Down) || N.Down == "Conversion")
                continue;   // a score or the end of a half
            int nGain = 0;
            if (Stated_Gain(P.Sentence, nGain)) {
                ++nGainsChecked;
                const int nAfter = std::clamp(P.nSpot - nGain, 1, 99);
                const int nExpected = N.Team == P.Team ? nAfter : 100 - nAfter;
                if (N.nSpot != nExpected)
                    Fault("gain", P.Where + ": next snap at " + std::to_string(N.nSpot) + ", expected " +
                          std::to_string(nExpected));
            } else if (std::regex_match(P.Sentence, M, PENALTY)) {
                const int nYards = std::stoi(M[1]);
                const int nMoved = N.Team == P.Team ? N.nSpot - P.nSpot : (100 - N.nSpot) - P.nSpot;
                if (std::abs(nMoved) > nYards)
                    Fault("penalty", P.Where + ": a penalty moved the ball " + std::to_string(nMoved));
            }
        }

        // The box score's scoring rows are the recap's scoring plays, with
        // the same sentence.
        const std::string Box = Read_All(File.parent_path() / ("Box-" + Name.substr(6)));
        std::vector<std::string> ScoringSentences;
        for (const std::string& Row : Rows_Of(Box)) {
            const std::vector<std::string> Cells = Cells_Of(Row);
            if (Cells.size() == 7 && Row.find("width=\"50%\"") != std::string::npos)
                ScoringSentences.push_back(Cells[4]);
        }
        size_t nNext = 0;
        for (const std::string& Sentence : ScoringSentences) {
            ++nScores;
            while (nNext < Plays.size() && Plays[nNext].Sentence != Sentence)
                ++nNext;
            if (nNext == Plays.size()) {
                Fault("scoring row", Name + ": scoring row \"" + Sentence + "\" has no play row");
                break;
            }
            ++nNext;
        }
    }
    for (const auto& [Kind, nCount] : Faults)
        ADD_FAILURE() << nCount << " faults of kind " << Kind;
    // The default league's season: 256 games and the playoffs, two pages each.
    EXPECT_GE(nPages, 2 * 256);
    EXPECT_GT(nRows, 256 * 120);
    EXPECT_GT(nGainsChecked, 256 * 80);
    EXPECT_GT(nReturnsChecked, 256 * 5);
    EXPECT_GT(nSacks, 256);
    EXPECT_GT(nKicks, 256 * 15);
    EXPECT_GT(nScores, 256 * 5);
    EXPECT_GT(nPictures, 2 * 256);
}
