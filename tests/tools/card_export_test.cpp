// The card-game export on a hand-made club of 22 card players: the grade
// slot bytes, the grade rows and statistic lines, the play and audible
// lines, Players.csv with its AVERAGE rows worked by hand, the 54 pictures
// of their sizes read back as PNG, the lists a second run adds to, a deck
// of fewer than 25 plays, and screenshots of four cards for a person.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editors/play_cards.h"
#include "base/text_utils.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/play_card_table.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/player_stats.h"
#include "platform/files.h"
#include "platform/files_test_hooks.h"
#include "platform/pictures.h"
#include "platform/ui.h"
#include "test_support.h"
#include "tools/card_export.h"

namespace {

namespace fs = std::filesystem;

fs::path Screenshot_Folder()
{
    const fs::path Here = fs::current_path();
    const fs::path Folder =
        Here.filename() == "testrun" ? Here.parent_path() / "screenshots" : Here / "screenshots";
    fs::create_directories(Folder);
    return Folder;
}

int Count_Lines(const std::string& Text)
{
    int n = 0;
    for (char c : Text)
        n += c == '\n' ? 1 : 0;
    return n;
}

std::vector<std::string> Lines_Of(const std::string& Text)
{
    std::vector<std::string> Lines;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        Lines.push_back(Text.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return Lines;
}

constexpr int OFFENCE[11] = {POSITION_QB, POSITION_RB, POSITION_FB, POSITION_TE, POSITION_WR, POSITION_WR,
                             POSITION_T,  POSITION_T,  POSITION_G,  POSITION_G,  POSITION_C};
constexpr int DEFENCE[11] = {POSITION_DE, POSITION_DE, POSITION_DT, POSITION_DT, POSITION_LB, POSITION_LB,
                             POSITION_LB, POSITION_CB, POSITION_CB, POSITION_S,  POSITION_S};
const char* const LAST_NAMES[22] = {"Adams", "Baker",  "Clark",  "Davis", "Evans",  "Fox",   "Gray",  "Hill",
                                    "Irwin", "Jones",  "King",   "Lowe",  "Moore",  "Nash",  "Owens", "Price",
                                    "Quinn", "Reed",   "Stone",  "Tate",  "Upton",  "Vance"};

class CardExportTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Set_User_Preference(PREF_CURRENT_TEAM, 1);
        Set_User_Preference(PREF_STAT_PERIOD, 0);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2024;
        Set_Team_String("New York", 1, TEAM_STRING_CITY);
        Set_Team_String("Jets", 1, TEAM_STRING_NICKNAME);
        Set_Team_String("NYJ", 1, TEAM_STRING_ABBREVIATION);
        for (int i = 0; i < 22; ++i) {
            Put_Player(1, i, 1000 + i, i < 11 ? OFFENCE[i] : DEFENCE[i - 11], 70.0f);
            Set_Player_First_Name(1, i, "Sam");
            Set_Player_Last_Name(1, i, LAST_NAMES[i]);
        }
        // Ratings that move the averages off 70 and 63.
        League.Team[1].Player[1].fRating[RATING_RED_ZONE] = 91.0f;          // RB: Red Zone 91
        League.Team[1].Player[4].fRating[RATING_RECEIVING] = 85.0f;         // WR: Receiving 85
        League.Team[1].Player[6].fRating[RATING_PASS_BLOCKING] = 95.0f;     // T: Pass Blocking 95
        League.Team[1].Player[10].fRating[RATING_RUN_BLOCKING] = 80.0f;     // C: Run Blocking 80
        League.Team[1].Player[15].fRating[RATING_TACKLING] = 100.0f;        // LB: Tackling 90
        League.Team[1].Player[18].fRating[RATING_PASS_COVERAGE] = 50.0f;    // CB: Coverage 45
        Set_Player_Stat(1, 1, 0, STAT_RUSHING_ATTEMPTS, 20);
        Set_Player_Stat(1, 1, 0, STAT_RUSHING_YARDS, 91);
        Set_Player_Stat(1, 1, 0, STAT_RUSHING_TOUCHDOWNS, 2);
        Build_Team_Default_Playbook(1);
        for (int p = 0; p < OFFENSIVE_PLAY_COUNT; ++p)
            Set_Card_Deck_Flag(1, p, p < TOLVAREN_DECK_PLAYS);
        // Play 0: a touchdown inside run, Run Blocking, Run Defense or
        // Tackling, +5 to the RB's Rushing.
        const int nCard0[9] = {1, 1, CARD_OFFENSE_NONE, 0, 3, 2, POSITION_RB, 5, 0};
        // Play 1: a field-goal long pass, Passing or Receiving, Coverage,
        // -3 to any player's Goal Line.
        const int nCard1[9] = {0, 5, 4, 2, CARD_DEFENSE_NONE, 3, POSITION_ANY, -3, 3};
        for (int f = 0; f < 9; ++f) {
            Set_Play_Card_Field(1, PLAYBOOK_OFFENSE, 0, f, nCard0[f]);
            Set_Play_Card_Field(1, PLAYBOOK_OFFENSE, 1, f, nCard1[f]);
        }
        Set_Play_Name_Keeping_Card(1, PLAYBOOK_OFFENSE, 0, "Full House Play Action Go Power O");
        Set_Play_Name_Keeping_Card(1, PLAYBOOK_OFFENSE, 1, "Deep Post");
    }
};

TEST_F(CardExportTest, GradeSlotBytes)
{
    // Offensive slots 1, 2, 5: grade - 400, below 400 none (7), read back
    // above 406 as -1.
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 1, 404));
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 5, 1), 4);
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 1), 404);
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 2, 399));
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 5, 2), 7);
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 2), -1);
    // The last offensive grade, Pass Blocking (406), is kept; 407 is past it.
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 1, 406));
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 5, 1), 6);
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 1), 406);
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 1, 407));
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 1), -1);
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 5, 400));
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 5, 5), 0);
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 5), 400);
    // Defensive slots 3, 4: grade - 407; Run Defense (407) is kept as 0,
    // anything below it is none (4), read back as -1.
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 3, 407));
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 5, 3), 0);
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 3), 407);
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 4, 410));
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 4), 410);
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 4, 406));
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 5, 4), 4);
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 4), -1);
    // Other slots hold the value itself.
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 7, 12));
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 7), 12);
    EXPECT_TRUE(Set_Card_Grade_Slot(1, 5, 0, 1));
    EXPECT_EQ(Get_Card_Grade_Slot(1, 5, 0), 1);
    // A bad slot or play stores nothing.
    EXPECT_FALSE(Set_Card_Grade_Slot(1, 5, 9, 400));
    EXPECT_FALSE(Set_Card_Grade_Slot(1, TEAM_OFFENSIVE_PLAYS, 1, 400));
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(CardExportTest, RowsStatisticsAndNames)
{
    EXPECT_EQ(Get_Card_Grade_Row(POSITION_QB), CARD_ROW_QUARTERBACK);
    EXPECT_EQ(Get_Card_Grade_Row(POSITION_K), CARD_ROW_QUARTERBACK);
    EXPECT_EQ(Get_Card_Grade_Row(POSITION_WR), CARD_ROW_SKILL);
    EXPECT_EQ(Get_Card_Grade_Row(POSITION_C), CARD_ROW_LINE);
    EXPECT_EQ(Get_Card_Grade_Row(POSITION_S), CARD_ROW_DEFENCE);
    EXPECT_EQ(Get_Card_Grade_Code(CARD_ROW_SKILL, 0), 401);
    EXPECT_EQ(Get_Card_Grade_Code(CARD_ROW_QUARTERBACK, 0), -1);
    EXPECT_EQ(Get_Card_Grade_Code(CARD_ROW_QUARTERBACK, 4), 405);
    EXPECT_EQ(Get_Card_Grade_Code(CARD_ROW_DEFENCE, 3), 410);
    EXPECT_EQ(Get_Card_Grade_Code(CARD_ROW_DEFENCE, 4), -1);
    EXPECT_EQ(Format_Card_Grade(0), "");
    EXPECT_EQ(Format_Card_Grade(63), "63");
    EXPECT_EQ(Format_Card_Grade(120), "99");
    EXPECT_STREQ(Get_Card_Stat_Caption(CARD_ROW_LINE, 2), "Games");
    EXPECT_STREQ(Get_Card_Stat_Caption(CARD_ROW_DEFENCE, 0), "");
    // 91 yards on 20 carries: 4.55 a carry, 4.6 to a tenth.
    EXPECT_EQ(Format_Player_Card_Stat(1, 1, CARD_STAT_RUSH_YARDS, 0), "91");
    EXPECT_EQ(Format_Player_Card_Stat(1, 1, CARD_STAT_YARDS_PER_RUSH, 0), "4.6");
    EXPECT_EQ(Format_Player_Card_Stat(1, 1, CARD_STAT_RUSH_TOUCHDOWNS, 0), "2");
    EXPECT_EQ(Format_Player_Card_Stat(1, 2, CARD_STAT_YARDS_PER_RUSH, 0), "0.0");
    EXPECT_EQ(Format_Player_Card_Stat(1, 1, CARD_STAT_NONE, 0), "");
    // A passer: 25 of 40 for 300 yards, 3 touchdowns, 1 interception:
    // 62.5 per cent; the rating's parts 1.625 + 1.125 + 1.5 + 1.75 = 6,
    // x 100 / 6 = 100.0.
    EXPECT_EQ(Format_Player_Card_Stat(1, 0, CARD_STAT_PASSER_RATING, 0), "0.0");   // no pass yet
    Set_Player_Stat(1, 0, 0, STAT_PASS_ATTEMPTS, 40);
    Set_Player_Stat(1, 0, 0, STAT_PASS_COMPLETIONS, 25);
    Set_Player_Stat(1, 0, 0, STAT_PASSING_YARDS, 300);
    Set_Player_Stat(1, 0, 0, STAT_PASSING_TOUCHDOWNS, 3);
    Set_Player_Stat(1, 0, 0, STAT_INTERCEPTIONS_THROWN, 1);
    EXPECT_EQ(Format_Player_Card_Stat(1, 0, CARD_STAT_PASSING_YARDS, 0), "300");
    EXPECT_EQ(Format_Player_Card_Stat(1, 0, CARD_STAT_COMPLETION_RATE, 0), "62.5");
    EXPECT_EQ(Format_Player_Card_Stat(1, 0, CARD_STAT_TOUCHDOWNS_INTERCEPTIONS, 0), "3/1");
    EXPECT_EQ(Format_Player_Card_Stat(1, 0, CARD_STAT_PASSER_RATING, 0), "100.0");
    // A defender: 30 solo tackles and 12 assists, 5 half sacks, 6 passes
    // defensed, 2 interceptions.
    Set_Player_Stat(1, 15, 0, STAT_SOLO_TACKLES, 30);
    Set_Player_Stat(1, 15, 0, STAT_TACKLE_ASSISTS, 12);
    Set_Player_Stat(1, 15, 0, STAT_SACKS, 5);
    Set_Player_Stat(1, 15, 0, STAT_PASSES_DEFENSED, 6);
    Set_Player_Stat(1, 15, 0, STAT_INTERCEPTIONS, 2);
    EXPECT_EQ(Format_Player_Card_Stat(1, 15, CARD_STAT_TACKLES, 0), "42");
    EXPECT_EQ(Format_Player_Card_Stat(1, 15, CARD_STAT_SACKS, 0), "2.5");
    EXPECT_EQ(Format_Player_Card_Stat(1, 15, CARD_STAT_PASSES_DEFENSED, 0), "6");
    EXPECT_EQ(Format_Player_Card_Stat(1, 15, CARD_STAT_INTERCEPTIONS, 0), "2");
    EXPECT_EQ(Format_Player_Card_Stat(1, 60, CARD_STAT_RUSH_YARDS, 0), "");
    // The card slots: offence from the first offensive slot, defence from
    // the first defensive one.
    EXPECT_EQ(Get_Card_Player_Slot(1, 0), 0);
    EXPECT_EQ(Get_Card_Player_Slot(1, 10), 10);
    EXPECT_EQ(Get_Card_Player_Slot(1, 11), 11);
    EXPECT_EQ(Get_Card_Player_Slot(1, 21), 21);
    EXPECT_EQ(Get_Card_Player_Slot(1, 22), -1);
    // The city line and the name line.
    EXPECT_EQ(Get_Card_Team_City(1), "New York (AFC)");
    EXPECT_EQ(Get_Card_Team_City(-1), "NFL Average");
    Set_Team_String("NEW YORK", 0, TEAM_STRING_CITY);
    Set_Team_String("Giants", 0, TEAM_STRING_NICKNAME);
    EXPECT_EQ(Get_Card_Team_City(0), "New York (NFC)");
    Set_Team_String("Boston", 0, TEAM_STRING_CITY);
    EXPECT_EQ(Get_Card_Team_City(0), "Boston");
    EXPECT_EQ(Get_Card_Player_Name(1, 0), "Sam Adams");
    Set_Player_First_Name(1, 0, "Bartholomew");
    Set_Player_Last_Name(1, 0, "Featherstonehaugh");   // 29 characters in all
    EXPECT_EQ(Get_Card_Player_Name(1, 0), "B. Featherstonehaugh");
    Set_Player_First_Name(1, 0, "Bart");                // 22: the full name stays
    EXPECT_EQ(Get_Card_Player_Name(1, 0), "Bart Featherstonehaugh");
    Set_Player_First_Name(1, 0, "Christopher");
    Set_Player_Last_Name(1, 0, "Featherstone");         // exactly 24: still whole
    EXPECT_EQ(Get_Card_Player_Name(1, 0), "Christopher Featherstone");
    Set_Player_Last_Name(1, 0, "Featherstones");        // 25: initial
    EXPECT_EQ(Get_Card_Player_Name(1, 0), "C. Featherstones");
    EXPECT_EQ(Get_Card_Play_Name("Full House Play Action Go Power O"), "Full House Play Action Go");
    EXPECT_EQ(Get_Card_Play_Name("Deep Post"), "Deep Post");
    EXPECT_EQ(Format_Card_Play_Line(1, 0),
              "Full House Play Action Go Power O,0,Touchdown,Inside Run,Full House Play Action Go,Run Blocking,,"
              "Run Defense,Tackling,+5 to RB Rushing");
    EXPECT_EQ(Format_Card_Play_Line(1, 1),
              "Deep Post,1,Field Goal,Long Pass,Deep Post,Passing,Receiving,Coverage,,-3 to Any Goal Line");
    int nWidth = 0, nHeight = 0;
    Get_Tolvaren_Card_Size(TOLVAREN_PLAYBOOK_CHECKLIST, &nWidth, &nHeight);
    EXPECT_EQ(nWidth, 1122);
    EXPECT_EQ(nHeight, 822);
    Get_Tolvaren_Card_Size(TOLVAREN_ROSTER_CHECKLIST, &nWidth, &nHeight);
    EXPECT_EQ(nWidth, 822);
    EXPECT_EQ(nHeight, 1122);
    EXPECT_EQ(Get_Tolvaren_Card_Path(1, 0), "Tolvaren//Output//Team-01-Card-01.png");
    EXPECT_EQ(Get_Tolvaren_Card_Path(1, 51), "Tolvaren//Output//Team-01-Card-52.png");
    EXPECT_EQ(Get_Tolvaren_Card_Path(1, 52), "Tolvaren//Output//Team-01-Checklist-Front.png");
    EXPECT_EQ(Get_Tolvaren_Card_Path(1, 53), "Tolvaren//Output//Team-01-Checklist-Back.png");
}

TEST_F(CardExportTest, TheExportWritesTheDeckAndItsLists)
{
    const fs::path Shots = Screenshot_Folder();
    SCRATCH_FOLDER Scratch("card_export");
    // Lists left in the output folder by an earlier run go at the start.
    ASSERT_TRUE(files::Create_Folders("Tolvaren/Output"));
    ASSERT_TRUE(Append_Line_To_File("Tolvaren/Output/Tolvaren-Playbooks.csv", "old"));
    ASSERT_TRUE(Append_Line_To_File("Tolvaren/Output/Tolvaren-Audibles.csv", "old"));
    ASSERT_TRUE(Append_Line_To_File("Tolvaren/Output/Players.csv", "old"));

    int nDeck = -1;
    EXPECT_EQ(Export_Tolvaren_Cards(&nDeck), 54);
    EXPECT_EQ(nDeck, 25);
    EXPECT_TRUE(ui::Shown_Boxes().empty());   // a full deck needs no word
    EXPECT_FALSE(files::File_Exists("Tolvaren/Output/Tolvaren-Playbooks.csv"));
    EXPECT_FALSE(files::File_Exists("Tolvaren/Output/Tolvaren-Audibles.csv"));

    for (int c = 0; c < TOLVAREN_CARD_COUNT; ++c) {
        std::string Path = Get_Tolvaren_Card_Path(1, c);
        std::vector<unsigned char> Data;
        ASSERT_TRUE(files::Read_Whole_File(Path.c_str(), Data)) << Path;
        CANVAS Picture;
        ASSERT_TRUE(Decode_Png(Data.data(), Data.size(), Picture)) << Path;
        EXPECT_EQ(Picture.Width(), c == TOLVAREN_PLAYBOOK_CHECKLIST ? 1122 : 822) << Path;
        EXPECT_EQ(Picture.Height(), c == TOLVAREN_PLAYBOOK_CHECKLIST ? 822 : 1122) << Path;
        if (c == 0 || c == 11 || c == 22 || c == 47 || c == 52 || c == 53) {
            const char* szName[] = {"offence", "defence", "play", "audible", "roster_checklist", "playbook_checklist"};
            const int nIndex = c == 0 ? 0 : c == 11 ? 1 : c == 22 ? 2 : c == 47 ? 3 : c == 52 ? 4 : 5;
            std::error_code Error;
            fs::copy_file(Path, Shots / (std::string("tolvaren_card_") + szName[nIndex] + ".png"),
                          fs::copy_options::overwrite_existing, Error);
        }
    }
    EXPECT_FALSE(files::File_Exists("Tolvaren/Output/Team-01-Card-53.png"));

    // Players.csv: the quarterback's row has no blocking grades, the
    // starter in slot 0 costs 2; the averages as worked by hand.
    const std::vector<std::string> Players = Lines_Of(Read_Text_File("Tolvaren/Output/Players.csv"));
    const std::vector<std::string> Expected = {
        "Pos,Name,Run Block,Pass Block,Rushing,Goal Line,Passing/Receiving,Red Zone,Salary",
        "QB,Sam Adams,[],[],63,70,70,70,2",
        "RB,Sam Baker,[70],[70],63,70,70,91,0",
        "FB,Sam Clark,[70],[70],63,70,70,70,0",
        "TE,Sam Davis,[70],[70],33,46,70,70,0",
        "WR,Sam Evans,[70],[70],23,46,85,70,0",
        "WR,Sam Fox,[70],[70],23,46,70,70,0",
        "T,Sam Gray,70,95,21,18,[28],[40],0",
        "T,Sam Hill,70,70,21,18,[26],[35],0",
        "G,Sam Irwin,70,70,21,18,[26],[35],0",
        "G,Sam Jones,70,70,21,18,[26],[35],0",
        "C,Sam King,80,70,21,18,[26],[35],0",
        ",AVERAGE,72,75,,,72,73,2",
        " ",
        "Pos,Name,Run Defense,Pass Rush,Coverage,Tackling,Salary",
        "DE,Sam Lowe,63,63,63,63,,,0",
        "DE,Sam Moore,63,63,63,63,,,0",
        "DT,Sam Nash,63,63,63,63,,,0",
        "DT,Sam Owens,63,63,63,63,,,0",
        "LB,Sam Price,63,63,63,90,,,0",
        "LB,Sam Quinn,63,63,63,63,,,0",
        "LB,Sam Reed,63,63,63,63,,,0",
        "CB,Sam Stone,63,63,45,63,,,0",
        "CB,Sam Tate,63,63,63,63,,,0",
        "S,Sam Upton,63,63,63,63,,,0",
        "S,Sam Vance,63,63,63,63,,,0",
        ",AVERAGE,63,63,61,65,,,0",
    };
    EXPECT_EQ(Players, Expected);

    // The play and audible lists in the current folder: 25 and 5 lines,
    // deck play 0 first; a second run adds as many again.
    std::string Plays = Read_Text_File("Tolvaren-Playbooks.csv");
    EXPECT_EQ(Count_Lines(Plays), 25);
    EXPECT_EQ(Plays.substr(0, Plays.find('\n')), Format_Card_Play_Line(1, 0));
    std::string Audibles = Read_Text_File("Tolvaren-Audibles.csv");
    EXPECT_EQ(Count_Lines(Audibles), 5);
    EXPECT_EQ(Audibles.substr(0, Audibles.find('\n')), Format_Audible_Line(1, TOLVAREN_FIRST_AUDIBLE_CARD));

    EXPECT_EQ(Export_Tolvaren_Cards(&nDeck), 54);
    EXPECT_EQ(Count_Lines(Read_Text_File("Tolvaren-Playbooks.csv")), 50);
    EXPECT_EQ(Count_Lines(Read_Text_File("Tolvaren-Audibles.csv")), 10);
    EXPECT_EQ(Lines_Of(Read_Text_File("Tolvaren/Output/Players.csv")).size(), Expected.size());
}

// On a full disk the export fails, and the lists an earlier run left keep
// their bytes: the players' list is not emptied first, the play lists get
// no part of their lines, and none of them counts as a file written.
TEST_F(CardExportTest, OnAFullDiskTheListsKeepTheirBytes)
{
    SCRATCH_FOLDER Scratch("card_export_full");
    ASSERT_TRUE(files::Create_Folders("Tolvaren/Output"));
    ASSERT_TRUE(Append_Line_To_File("Tolvaren/Output/Players.csv", "old players"));
    ASSERT_TRUE(Append_Line_To_File("Tolvaren-Playbooks.csv", "old plays"));
    ASSERT_TRUE(Append_Line_To_File("Tolvaren-Audibles.csv", "old audibles"));
    files::Forget_Written_Files();
    files::Set_Temporary_Write_Device("/dev/full");
    std::string Problem;
    int nDeck = -1;
    Export_Tolvaren_Cards(&nDeck, &Problem);
    files::Set_Temporary_Write_Device(nullptr);
    EXPECT_NE(Problem.find("could not be written (No space left on device)"), std::string::npos) << Problem;
    EXPECT_EQ(Read_Text_File("Tolvaren/Output/Players.csv"), "old players\n");
    EXPECT_EQ(Read_Text_File("Tolvaren-Playbooks.csv"), "old plays\n");
    EXPECT_EQ(Read_Text_File("Tolvaren-Audibles.csv"), "old audibles\n");
    for (const std::string& Path : files::Written_Files())
        EXPECT_EQ(Path.find("Tolvaren"), std::string::npos) << Path;

    // With room again the lists follow the old lines, and the players' list
    // is the new one.
    EXPECT_EQ(Export_Tolvaren_Cards(&nDeck, &Problem), 54);
    EXPECT_EQ(Problem, "");
    const std::vector<std::string> Plays = Lines_Of(Read_Text_File("Tolvaren-Playbooks.csv"));
    ASSERT_EQ(Plays.size(), 26u);
    EXPECT_EQ(Plays[0], "old plays");
    EXPECT_EQ(Lines_Of(Read_Text_File("Tolvaren-Audibles.csv")).size(), 6u);
    const std::vector<std::string> Players = Lines_Of(Read_Text_File("Tolvaren/Output/Players.csv"));
    ASSERT_FALSE(Players.empty());
    EXPECT_EQ(Players[0], "Pos,Name,Run Block,Pass Block,Rushing,Goal Line,Passing/Receiving,Red Zone,Salary");
}

// Too few marked plays: the marked ones, then the unmarked plays taken in
// turn from each kind of card (Inside Run, Outside Run, Short Pass, Long
// Pass), in play order within a kind, to 25.
TEST_F(CardExportTest, ASmallDeckIsFilledInTurnFromEachKindOfPlay)
{
    SCRATCH_FOLDER Scratch("card_export_small");
    for (int p = 0; p < OFFENSIVE_PLAY_COUNT; ++p)
        Set_Card_Deck_Flag(1, p, p == 1 || p == 57 || p == 59);
    // The kinds as the cards give them: play 0's card is made (Inside Run,
    // kind 0), the other plays have none and take the built-in table's.
    std::vector<int> ByKind[CARD_KIND_COUNT];
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        if (p == 1)
            continue;
        const int nKind = p == 0 ? 0 : Get_Play_Table_Field(p, PLAY_TABLE_SECTION);
        ASSERT_TRUE(nKind >= 0 && nKind < CARD_KIND_COUNT) << p;
        ByKind[nKind].push_back(p);
    }
    std::vector<int> Expected = {1, 57, 59};
    for (size_t i = 0; Expected.size() < 25; ++i)
        for (int k = 0; k < CARD_KIND_COUNT && Expected.size() < 25; ++k)
            if (i < ByKind[k].size())
                Expected.push_back(ByKind[k][i]);
    EXPECT_EQ(Get_Card_Deck(1), Expected);
    EXPECT_EQ(Find_Card_Deck_Play(1, 0), 1);
    EXPECT_EQ(Find_Card_Deck_Play(1, 2), 59);
    EXPECT_EQ(Find_Card_Deck_Play(1, 3), 0);   // the first Inside Run
    EXPECT_EQ(Find_Card_Deck_Play(1, 24), Expected[24]);
    EXPECT_EQ(Find_Card_Deck_Play(1, 25), -1);

    int nDeck = -1;
    int nMarked = -1;
    std::string Problem;
    EXPECT_EQ(Export_Tolvaren_Cards(&nDeck, &Problem, &nMarked), 54);
    EXPECT_EQ(Problem, "");
    // The deck drawn is the 25 plays; the playbook marked 3 of them.
    EXPECT_EQ(nDeck, 25);
    EXPECT_EQ(nMarked, 3);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);   // said once, not per card
    // It states the deck drawn and how it was made, and says of the club's
    // own playbook only what it holds.
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "The deck holds 25 plays: the club's offensive playbook marks 3 for the deck, and 22 were filled "
              "from its other plays, taken in turn from each kind of play (Inside Run, Outside Run, Short Pass, Long "
              "Pass). The offensive playbooks the program ships mark 25 each; File, Load Offensive Playbook... loads "
              "one into the club.");
    const std::vector<std::string> Plays = Lines_Of(Read_Text_File("Tolvaren-Playbooks.csv"));
    ASSERT_EQ(Plays.size(), 25u);
    EXPECT_EQ(Plays[0].substr(0, 12), "Deep Post,1,");
    EXPECT_NE(Plays[1].find(",57,"), std::string::npos);
    EXPECT_NE(Plays[2].find(",59,"), std::string::npos);
    EXPECT_EQ(Plays[3], Format_Card_Play_Line(1, 0));
    EXPECT_EQ(Errors_Reported(), 0);

    // Nothing marked at all: still a deck of 25, every play filled.
    for (int p = 0; p < OFFENSIVE_PLAY_COUNT; ++p)
        Set_Card_Deck_Flag(1, p, false);
    EXPECT_EQ(Get_Card_Deck(1).size(), 25u);
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Export_Tolvaren_Cards(&nDeck, &Problem, &nMarked), 54);
    EXPECT_EQ(nDeck, 25);
    EXPECT_EQ(nMarked, 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.substr(0, 96),
              "The deck holds 25 plays: the club's offensive playbook marks 0 for the deck, and 25 were filled ");
}

// A long bonus label is set smaller so it reads whole on the card: the
// card's label box shows exactly the label drawn at its fitted size.
TEST_F(CardExportTest, ALongBonusLabelFitsTheCardWhole)
{
    const std::string Label = Get_Card_Bonus_Label(POSITION_C, 401, 12);
    EXPECT_EQ(Label, "C Run Blocking +12");
    EXPECT_EQ(Get_Card_Bonus_Label(POSITION_QB, 405, -3), "QB Passing -3");
    const int nWidth = CARD_BONUS_LABEL_RIGHT - CARD_BONUS_LABEL_LEFT;
    CANVAS_FONT Full;
    Full.fHeight = CARD_BONUS_LABEL_HEIGHT;
    Full.bBold = true;
    ASSERT_GT(Measure_Text(Full, Label.c_str()), nWidth);   // too wide at the card's size
    CANVAS_FONT Fitted = Full;
    Fitted.fHeight = Fit_Card_Text_Height(Label, nWidth, CARD_BONUS_LABEL_HEIGHT, true);
    EXPECT_LT(Fitted.fHeight, CARD_BONUS_LABEL_HEIGHT);
    EXPECT_GE(Fitted.fHeight, CARD_BONUS_LABEL_HEIGHT / 2);
    EXPECT_LE(Measure_Text(Fitted, Label.c_str()), nWidth);
    EXPECT_EQ(Fit_Card_Text_Height("QB Passing -3", nWidth, CARD_BONUS_LABEL_HEIGHT, true), CARD_BONUS_LABEL_HEIGHT);

    // Deck play 0 with that bonus, drawn as the export draws it.
    const int nCard[9] = {1, 1, CARD_OFFENSE_NONE, 0, CARD_DEFENSE_NONE, 1, POSITION_C, 12, 0};
    for (int f = 0; f < 9; ++f)
        Set_Play_Card_Field(1, PLAYBOOK_OFFENSE, 0, f, nCard[f]);
    ASSERT_EQ(Find_Card_Deck_Play(1, 0), 0);
    CANVAS Card(TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT);
    Card.Clear(CANVAS_COLOR{255, 255, 255, 255});
    Draw_Tolvaren_Card(Card, 1, TOLVAREN_FIRST_PLAY_CARD, false);
    const CANVAS_RECT Box{CARD_BONUS_LABEL_LEFT, 500, CARD_BONUS_LABEL_RIGHT, 550};
    CANVAS Expected(TOLVAREN_CARD_WIDTH, TOLVAREN_CARD_HEIGHT);
    Expected.Clear(CANVAS_COLOR{255, 255, 255, 255});
    Draw_Text_In_Box(Expected, Label.c_str(), Box, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE, false, Fitted,
                     Rgb_Color(0x000000));
    int nDiffering = 0;
    int nInk = 0;
    for (int y = Box.top; y < Box.bottom; ++y)
        for (int x = Box.left; x < Box.right; ++x) {
            nDiffering += Card.Get_Pixel(x, y) != Expected.Get_Pixel(x, y) ? 1 : 0;
            nInk += Expected.Get_Pixel(x, y) != 0xFFFFFFFFu ? 1 : 0;
        }
    EXPECT_GT(nInk, 500);
    EXPECT_EQ(nDiffering, 0);
}

// A play whose nine card bytes are all 0 has no card: it takes the built-in
// table's card, with its bonus value, as the editor's default cards do.
TEST_F(CardExportTest, APlayWithoutACardTakesTheBuiltInOne)
{
    int nField[CARD_FIELD_COUNT];
    Get_Card_Play_Fields(1, 5, nField);
    Load_Team_Default_Play_Cards(0);
    for (int f = 0; f < CARD_FIELD_COUNT; ++f)
        EXPECT_EQ(nField[f], Get_Play_Card_Field(0, PLAYBOOK_OFFENSE, 5, f)) << f;
    EXPECT_NE(nField[CARD_OFFENSE_1], nField[CARD_OFFENSE_2]);
    // A made card is the team's own.
    Get_Card_Play_Fields(1, 1, nField);
    const int nCard1[9] = {0, 5, 4, 2, CARD_DEFENSE_NONE, 3, POSITION_ANY, -3, 3};
    for (int f = 0; f < CARD_FIELD_COUNT; ++f)
        EXPECT_EQ(nField[f], nCard1[f]) << f;
}

// The cards read the selected period; a season period without a game of any
// card player gives way to the last season that has games.
TEST_F(CardExportTest, ASelectedSeasonWithoutGamesReadsTheLastSeasonWithFigures)
{
    // Last season the quarterback threw for 3,295 yards in 16 games; this
    // season nobody has played.
    Set_Player_Stat(1, 0, 1, STAT_GAMES_PLAYED, 16);
    Set_Player_Stat(1, 0, 1, STAT_PASSING_YARDS, 3295);
    Set_User_Preference(PREF_STAT_PERIOD, 0);
    EXPECT_EQ(Get_Card_Stat_Period(1), 1);
    EXPECT_EQ(Format_Player_Card_Stat(1, 0, CARD_STAT_PASSING_YARDS, Get_Card_Stat_Period(1)), "3295");
    // Once a game is played this season, this season.
    Set_Player_Stat(1, 4, 0, STAT_GAMES_PLAYED, 1);
    EXPECT_EQ(Get_Card_Stat_Period(1), 0);
    // Last season chosen and played: kept; the career is never swapped.
    Set_User_Preference(PREF_STAT_PERIOD, 1);
    EXPECT_EQ(Get_Card_Stat_Period(1), 1);
    Set_User_Preference(PREF_STAT_PERIOD, 2);
    EXPECT_EQ(Get_Card_Stat_Period(1), 2);
    // Neither season played: the selection stands.
    Set_Player_Stat(1, 4, 0, STAT_GAMES_PLAYED, 0);
    Set_Player_Stat(1, 0, 1, STAT_GAMES_PLAYED, 0);
    Set_User_Preference(PREF_STAT_PERIOD, 0);
    EXPECT_EQ(Get_Card_Stat_Period(1), 0);
}

TEST_F(CardExportTest, TemplatePicturesAreDrawnWhenSuppliedAndLeftOutWhenDamaged)
{
    SCRATCH_FOLDER Scratch("card_export_templates");
    ASSERT_TRUE(files::Create_Folders("Tolvaren/Plays"));
    CANVAS Red(8, 8);
    Red.Clear(CANVAS_COLOR{200, 0, 0, 255});
    ASSERT_TRUE(Write_Png_File("Tolvaren/Plays/Roster-Blank.png", Red));
    ASSERT_TRUE(Append_Line_To_File("Tolvaren/Plays/Playbook-Blank.png", "not a picture"));

    CANVAS Canvas(TOLVAREN_CARD_HEIGHT, TOLVAREN_CARD_HEIGHT);
    Canvas.Clear(CANVAS_COLOR{255, 255, 255, 255});
    Draw_Tolvaren_Card(Canvas, 1, TOLVAREN_ROSTER_CHECKLIST, false);
    // The blank roster stretched over (36, 36)-(784, 1084), under the texts;
    // outside it the drawn frame's white ground.
    EXPECT_EQ(Canvas.Get_Pixel(45, 1075), 0xFFC80000u);
    EXPECT_EQ(Canvas.Get_Pixel(400, 30), 0xFFFFFFFFu);
    // The damaged playbook blank is left out: white where it would lie.
    Canvas.Clear(CANVAS_COLOR{255, 255, 255, 255});
    Draw_Tolvaren_Card(Canvas, 1, TOLVAREN_PLAYBOOK_CHECKLIST, false);
    EXPECT_EQ(Canvas.Get_Pixel(45, 775), 0xFFFFFFFFu);
    // Drawing writes no list.
    EXPECT_FALSE(files::File_Exists(TOLVAREN_PLAYBOOKS_CSV));
}

}  // namespace
