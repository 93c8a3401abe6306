// A box score page read back as a reader reads it: its scoring rows, the
// overtime cell of its line score, each club's rushing and passing lines and
// each side's offence rows. For the tests of whole seasons.
#pragma once

#include <regex>
#include <string>
#include <vector>

namespace box_score_reading {

struct SCORING_ROW {
    std::string Quarter;
    int nSecondsLeft = 0;
    std::string Word;
};

// One row of a side's offence table.
struct PLAYER_ROW {
    std::string Name;
    std::string Position;
    int nCompletions = 0, nAttempts = 0, nPassYards = 0;
    int nRushes = 0, nRushYards = 0, nFumbles = 0;
    int nReceptions = 0, nReceivingYards = 0;
};

inline void Add_Row(PLAYER_ROW& Sum, const PLAYER_ROW& Row)
{
    Sum.nCompletions += Row.nCompletions;
    Sum.nAttempts += Row.nAttempts;
    Sum.nPassYards += Row.nPassYards;
    Sum.nRushes += Row.nRushes;
    Sum.nRushYards += Row.nRushYards;
    Sum.nFumbles += Row.nFumbles;
    Sum.nReceptions += Row.nReceptions;
    Sum.nReceivingYards += Row.nReceivingYards;
}

// A club's lines in the statistics table of both teams.
struct CLUB_LINES {
    int nRushes = 0, nRushYards = 0;
    int nCompletions = 0, nAttempts = 0;
    int nNetPassYards = 0, nSackYards = 0;
};

struct BOX_SCORE {
    std::vector<SCORING_ROW> Scoring;
    std::string OvertimeCell[2];
    CLUB_LINES Club[2];
    std::vector<PLAYER_ROW> Rows[2];
};

inline int Number(const std::string& Cell) { return Cell.empty() ? 0 : std::stoi(Cell); }

inline bool Read_Box_Score(const std::string& Page, BOX_SCORE& Box)
{
    static const std::regex SCORING(
        "class=lml>[^<]*</TD>\n<TD width=\"6%\" class=lmc>([^<]*)</TD><TD width=\"6%\" class=lmc>(\\d+):(\\d\\d)</TD>"
        "<TD width=\"20%\" class=lmc>([^<]*)</TD>");
    for (std::sregex_iterator it(Page.begin(), Page.end(), SCORING), end; it != end; ++it)
        Box.Scoring.push_back({(*it)[1].str(), std::stoi((*it)[2].str()) * 60 + std::stoi((*it)[3].str()), (*it)[4].str()});

    static const std::regex OVERTIME("<TD width=\"35\" class=t[mb]c>([^<]*)</TD><TD width=\"60\" class=t[mb]c><B>");
    int nSide = 0;
    for (std::sregex_iterator it(Page.begin(), Page.end(), OVERTIME), end; it != end && nSide < 2; ++it)
        Box.OvertimeCell[nSide++] = (*it)[1].str();
    if (nSide != 2)
        return false;

    auto Read_Pairs = [&](const char* szLabel, const char* szPattern, auto Store) {
        const std::regex Cell(szPattern);
        const std::string Row = [&] {
            const size_t nAt = Page.find(std::string("<TD class=lml>") + szLabel + "</TD>\n");
            return nAt == std::string::npos ? std::string() : Page.substr(nAt, Page.find("</TR>", nAt) - nAt);
        }();
        int s = 0;
        for (std::sregex_iterator it(Row.begin(), Row.end(), Cell), end; it != end && s < 2; ++it, ++s)
            Store(Box.Club[s], std::stoi((*it)[1].str()), std::stoi((*it)[2].str()));
        return s == 2;
    };
    if (!Read_Pairs("Rushing", "<TD class=lmc>(-?\\d+) for (-?\\d+) yards",
                    [](CLUB_LINES& C, int a, int b) { C.nRushes = a; C.nRushYards = b; }) ||
        !Read_Pairs("Pass Plays", "<TD class=lmc>(\\d+)-for-(\\d+) ",
                    [](CLUB_LINES& C, int a, int b) { C.nCompletions = a; C.nAttempts = b; }) ||
        !Read_Pairs("Passing", "<TD class=lmc>(-?\\d+) yards \\((-?\\d+)",
                    [](CLUB_LINES& C, int a, int) { C.nNetPassYards = a; }) ||
        !Read_Pairs("Sacked", "<TD class=lmc>(\\d+) times? for (-?\\d+) yards",
                    [](CLUB_LINES& C, int, int b) { C.nSackYards = b; }))
        return false;

    // The offence tables, away then home, each after its group head.
    static const std::regex ROW("<TD class=lml>([^<]*)</TD>\n((?:<TD class=lmc>[^<]*</TD>)+)");
    static const std::regex CELL("<TD class=lmc>([^<]*)</TD>");
    const std::string HEAD = "<TD width=\"271\" class=ltc>Passing</TD>";
    size_t nAt = 0;
    for (int s = 0; s < 2; ++s) {
        nAt = Page.find(HEAD, nAt);
        if (nAt == std::string::npos)
            return false;
        const size_t nEnd = Page.find("</TBODY></TABLE><BR>\n", nAt);
        const std::string Table = Page.substr(nAt, nEnd - nAt);
        nAt = nEnd;
        for (std::sregex_iterator it(Table.begin(), Table.end(), ROW), end; it != end; ++it) {
            const std::string Cells = (*it)[2].str();
            std::vector<std::string> V;
            for (std::sregex_iterator c(Cells.begin(), Cells.end(), CELL), e; c != e; ++c)
                V.push_back((*c)[1].str());
            if (V.size() != 17)
                return false;
            PLAYER_ROW Row;
            Row.Name = (*it)[1].str();
            Row.Position = V[1];
            Row.nCompletions = Number(V[2]);
            Row.nAttempts = Number(V[3]);
            Row.nPassYards = Number(V[4]);
            Row.nRushes = Number(V[8]);
            Row.nRushYards = Number(V[9]);
            Row.nFumbles = Number(V[12]);
            Row.nReceptions = Number(V[13]);
            Row.nReceivingYards = Number(V[14]);
            Box.Rows[s].push_back(Row);
        }
    }
    return true;
}

inline bool Is_Try_Word(const std::string& Word) { return Word == "Point After" || Word == "Conversion"; }

// Scoring rows of each quarter that do not run down the clock, one line each;
// the overtime rows only when bOnePeriod (a game of several overtime periods
// lists them all as "OT").
inline std::string Scoring_Out_Of_Order(const BOX_SCORE& Box, bool bOnePeriod, const std::string& Where)
{
    std::string Text;
    for (size_t k = 1; k < Box.Scoring.size(); ++k) {
        const SCORING_ROW& A = Box.Scoring[k - 1];
        const SCORING_ROW& B = Box.Scoring[k];
        if (A.Quarter != B.Quarter || (B.Quarter == "OT" && !bOnePeriod))
            continue;
        if (B.nSecondsLeft > A.nSecondsLeft)
            Text += Where + " " + A.Quarter + " " + std::to_string(A.nSecondsLeft) + "s then " +
                    std::to_string(B.nSecondsLeft) + "s\n";
    }
    return Text;
}

// Touchdowns of regulation with no try after them, one line each.
inline std::string Touchdowns_Without_Try(const BOX_SCORE& Box, const std::string& Where)
{
    std::string Text;
    for (size_t k = 0; k < Box.Scoring.size(); ++k) {
        const SCORING_ROW& Row = Box.Scoring[k];
        if (Row.Quarter == "OT" || Is_Try_Word(Row.Word) || Row.Word == "Field Goal" || Row.Word == "Safety")
            continue;
        if (k + 1 >= Box.Scoring.size() || !Is_Try_Word(Box.Scoring[k + 1].Word))
            Text += Where + " " + Row.Quarter + " " + std::to_string(Row.nSecondsLeft) + "s\n";
    }
    return Text;
}

// The sums of a side's offence rows.
inline PLAYER_ROW Sum_Of_Rows(const std::vector<PLAYER_ROW>& Rows)
{
    PLAYER_ROW Sum;
    for (const PLAYER_ROW& Row : Rows)
        Add_Row(Sum, Row);
    return Sum;
}

// What does not add up between a side's rows and its club lines, "" when all
// does: rushes and their yards, completions and receptions; unless a passer
// was not a quarterback, the attempts, the passers' yards less the sacks'
// against the net passing, and the receivers' yards against the passers'.
inline std::string Rows_Against_Club(const BOX_SCORE& Box, int nSide)
{
    const PLAYER_ROW Sum = Sum_Of_Rows(Box.Rows[nSide]);
    const CLUB_LINES& Club = Box.Club[nSide];
    std::string Text;
    auto Check = [&](const char* szWhat, int nRows, int nClub) {
        if (nRows != nClub)
            Text += std::string(szWhat) + " rows " + std::to_string(nRows) + " club " + std::to_string(nClub) + "; ";
    };
    Check("rushes", Sum.nRushes, Club.nRushes);
    Check("rushing yards", Sum.nRushYards, Club.nRushYards);
    Check("completions", Sum.nCompletions, Club.nCompletions);
    Check("receptions", Sum.nReceptions, Club.nCompletions);
    // A passer who is not a quarterback (a club left without one) keeps no
    // passing figures of his own: his row has his completions only.
    for (const PLAYER_ROW& Row : Box.Rows[nSide])
        if (Row.nCompletions > 0 && Row.Position != "QB")
            return Text;
    Check("attempts", Sum.nAttempts, Club.nAttempts);
    Check("net passing yards", Sum.nPassYards - Club.nSackYards, Club.nNetPassYards);
    Check("receiving yards", Sum.nReceivingYards, Sum.nPassYards);
    return Text;
}

}  // namespace box_score_reading
