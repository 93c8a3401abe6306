// Find Players on small leagues: each limit on its own (age, salary, name
// part, Overall and Peak, key ratings, "Any Player"), the clubs searched
// (never the Hall Of Fame; the pools only while the draft runs), "Search
// Failed", "&Go Get" (the trade offer filled exactly, Free Agents, College
// Draft for a prospect, the deadline), and the fields kept by "&Done" only.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editors/find_players.h"
#include "frontoffice/trade_offer.h"
#include "pages/player_card.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/player_text.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

using season_cycle::Put_Signed_Player;

using editor_tests::Action;

int Key(int nTeam, int nSlot)
{
    return nTeam * 100 + nSlot;
}

class FindPlayersTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        season_cycle::Build_League(2, 1);   // club 0 the user's; the draft over
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_SELECTED_TEAM, 0);
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
        Clear_Trade_Offer();
    }

    // A player aged nAge in the 2020 season, every rating 70, earning
    // nSalary thousands.
    static void Player(int nTeam, int nSlot, int nID, int nPosition, int nAge, int nSalary,
                       const char* szFirst = "Al", const char* szLast = "Bee")
    {
        Put_Signed_Player(nTeam, nSlot, nID, nPosition, 70.0f, 2020 - nAge - 1, 2);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE, (2020 - nAge) * 10000 + 101);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nSalary);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    }

    static FIND_PLAYERS_FIELDS Any()
    {
        FIND_PLAYERS_FIELDS Fields;
        Fields.nPosition = FIND_ANY_POSITION;
        return Fields;
    }

    static std::vector<int> Find(const FIND_PLAYERS_FIELDS& Fields)
    {
        return Search_Players(Read_Find_Players_Query(Fields));
    }
};

TEST_F(FindPlayersTest, AnAgeLimitOf30KeepsPlayersOf29AndYounger)
{
    Player(0, 0, 101, POSITION_QB, 29, 500);
    Player(0, 1, 102, POSITION_QB, 30, 500);
    Player(1, 0, 103, POSITION_RB, 22, 500);
    ASSERT_EQ(Get_Player_Exact_Age(0, 0), 29);
    ASSERT_EQ(Get_Player_Exact_Age(0, 1), 30);
    FIND_PLAYERS_FIELDS Fields = Any();
    Fields.Age = "30";
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0), Key(1, 0)}));
    Fields.Age = "23";
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(1, 0)}));
}

TEST_F(FindPlayersTest, ASalaryLimitOf2KeepsUpTo2000K)
{
    Player(0, 0, 101, POSITION_QB, 25, 2000);
    Player(0, 1, 102, POSITION_QB, 25, 2001);
    Player(0, 2, 103, POSITION_QB, 25, 1);
    FIND_PLAYERS_FIELDS Fields = Any();
    Fields.Salary = "2";
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0), Key(0, 2)}));
    // Thousands worked in 64 bits: the largest 32-bit limit keeps everyone.
    Fields.Salary = "2147483647";
    EXPECT_EQ(Find(Fields).size(), 3u);
    Fields.Salary = "junk";   // reads 0: nobody earns nothing here
    EXPECT_TRUE(Find(Fields).empty());
}

TEST_F(FindPlayersTest, TheNamePartMatchesAnywhereWithoutRegardToCaseAndALongOneMatchesNobody)
{
    Player(0, 0, 101, POSITION_QB, 25, 100, "Johnny", "Appleseed");
    Player(1, 0, 102, POSITION_QB, 25, 100, "Mary", "Smith");
    FIND_PLAYERS_FIELDS Fields = Any();
    Fields.Name = "pLeS";
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0)}));
    Fields.Name = "y s";   // across first and last name
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(1, 0)}));
    Fields.Name = "JOHNNY APPLESEED";
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0)}));
    Fields.Name = std::string(31, 'a');   // as long as a part may be: compared, no match
    EXPECT_TRUE(Find(Fields).empty());
    Fields.Name = std::string(32, 'a');
    EXPECT_TRUE(Read_Find_Players_Query(Fields).bNameTooLong);
    Fields.Name = "Johnny Appleseed" + std::string(200, ' ');
    EXPECT_TRUE(Find(Fields).empty());
}

TEST_F(FindPlayersTest, AnyPlayerIgnoresTheRatingMinimumsAndAPositionAppliesThem)
{
    Player(0, 0, 101, POSITION_QB, 25, 100);
    Player(0, 1, 102, POSITION_QB, 25, 100);
    Player(0, 2, 103, POSITION_LB, 25, 100);
    const int nFirstKey = Get_Position_Key_Rating(POSITION_QB, 0);
    const int nFifthKey = Get_Position_Key_Rating(POSITION_QB, 4);
    ASSERT_GE(nFirstKey, 0);
    ASSERT_GE(nFifthKey, 0);
    Set_Player_Rating(0, 1, nFifthKey, 64.9f);   // a whole 64
    FIND_PLAYERS_FIELDS Fields = Any();
    for (std::string& Minimum : Fields.Ratings)
        Minimum = "99";
    EXPECT_EQ(Find(Fields).size(), 3u);

    Fields.nPosition = POSITION_QB;
    for (std::string& Minimum : Fields.Ratings)
        Minimum = "65";
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0)}));
    Fields.Ratings[4] = "64";
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0), Key(0, 1)}));
    Fields.Ratings[0] = "71";   // every rating is 70
    EXPECT_TRUE(Find(Fields).empty());
}

TEST_F(FindPlayersTest, OverallAndPeakAreMinimums)
{
    Player(0, 0, 101, POSITION_QB, 25, 100);
    Player(0, 1, 102, POSITION_QB, 25, 100);
    for (int r = 0; r < 27; ++r)
        Set_Player_Rating(0, 1, r, 40.0f);
    const int nHigh = Get_Player_Stat(0, 0, 3, 225);
    const int nLow = Get_Player_Stat(0, 1, 3, 225);
    ASSERT_GT(nHigh, nLow);
    FIND_PLAYERS_FIELDS Fields = Any();
    Fields.Overall = std::to_string(nHigh);
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0)}));
    Fields.Overall = std::to_string(nLow);
    EXPECT_EQ(Find(Fields).size(), 2u);
    Fields.Peak = std::to_string(Get_Player_Stat(0, 0, 3, 226) + 1);
    for (int nKey : Find(Fields))
        EXPECT_GE(Get_Player_Stat(nKey / 100, nKey % 100, 3, 226), Get_Player_Stat(0, 0, 3, 226) + 1);
}

TEST_F(FindPlayersTest, TheHallOfFameIsNeverSearchedAndThePoolsOnlyWhileTheDraftRuns)
{
    Player(0, 0, 101, POSITION_QB, 25, 100);
    Player(FREE_AGENT_TEAM, 0, 102, POSITION_QB, 25, 100);
    Player(HALL_OF_FAME_TEAM, 0, 103, POSITION_QB, 25, 100);
    Player(FIRST_DRAFT_POOL_TEAM, 0, 104, POSITION_QB, 21, 0);
    Player(LAST_DRAFT_POOL_TEAM, 0, 105, POSITION_QB, 21, 0);
    Player(3, 0, 106, POSITION_QB, 25, 100);   // a franchise slot not in use
    FIND_PLAYERS_FIELDS Fields = Any();
    // The draft is over (round 7): the pools are skipped.
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0), Key(FREE_AGENT_TEAM, 0)}));
    Set_User_Preference(PREF_DRAFT_ROUND, 2);
    EXPECT_EQ(Find(Fields), (std::vector<int>{Key(0, 0), Key(FREE_AGENT_TEAM, 0), Key(FIRST_DRAFT_POOL_TEAM, 0),
                                              Key(LAST_DRAFT_POOL_TEAM, 0)}));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(FindPlayersTest, TheDialogSearchesSortsAndSaysSearchFailed)
{
    Player(0, 0, 101, POSITION_QB, 25, 100, "Zed", "Alpha");
    Player(1, 0, 102, POSITION_QB, 25, 100, "Amy", "Zulu");
    Player(1, 1, 103, POSITION_K, 25, 100, "Kim", "Kick");
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SELECT, FIND_POSITION_COMBO, 0, "Quarterbacks"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_AGE_EDIT, 0, "40"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_SALARY_EDIT, 0, "9"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_BUTTON));
    Do_Dialog(FIND_PLAYERS_DIALOG);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    const DIALOG_CONTROL* pList = Record.Find(FIND_LIST);
    ASSERT_NE(pList, nullptr);
    ASSERT_EQ(pList->Rows.size(), 2u);
    std::vector<int64_t> Keys{pList->Rows[0].nData, pList->Rows[1].nData};
    std::sort(Keys.begin(), Keys.end());
    EXPECT_EQ(Keys, (std::vector<int64_t>{Key(0, 0), Key(1, 0)}));
    EXPECT_EQ(Record.Find(FIND_POSITION_COMBO)->Items.size(), 16u);
    EXPECT_EQ(Record.Find(FIND_POSITION_COMBO)->Items[12], "Safeties");
    EXPECT_EQ(Record.Find(FIND_POSITION_COMBO)->Items[5], "Tackles");
    EXPECT_EQ(Record.Find(FIND_POSITION_COMBO)->Items[15], "Any Player");
    EXPECT_TRUE(Record.Find(FIND_RATING_CAPTION)->bVisible);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SELECT, FIND_POSITION_COMBO, 0, "Any Player"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_NAME_EDIT, 0, "nobody"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_BUTTON));
    Do_Dialog(FIND_PLAYERS_DIALOG);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Search Failed");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Couldn't find any players with those parameters. Try broadening your search.");
    EXPECT_FALSE(dialogs::Records().back().Find(FIND_RATING_CAPTION)->bVisible);
    EXPECT_FALSE(dialogs::Records().back().Find(FIND_RATING_EDITS[0])->bVisible);
}

class FindPlayersGoGetTest : public FindPlayersTest {
protected:
    // Searches everyone, selects the row of (team, slot) and presses "&Go Get".
    static void Go_Get(int nTeam, int nSlot)
    {
        dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SELECT, FIND_POSITION_COMBO, 0, "Any Player"));
        dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_BUTTON));
        char szName[64] = "";
        Get_Player_Name_Last_First(nTeam, nSlot, szName);
        dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_ROW_SELECT, FIND_LIST, 0, szName));
        dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_GO_GET_BUTTON));
        Do_Dialog(FIND_PLAYERS_DIALOG);
    }

    static std::vector<int> Dialogs_Run()
    {
        std::vector<int> Ids;
        for (const DIALOG_RECORD& Record : dialogs::Records())
            Ids.push_back(Record.nDialogId);
        return Ids;
    }

    void SetUp() override
    {
        FindPlayersTest::SetUp();
        Player(0, 0, 101, POSITION_QB, 25, 100, "Own", "Man");
        Player(1, 0, 102, POSITION_QB, 25, 100, "Other", "First");
        Player(1, 1, 103, POSITION_QB, 25, 100, "Wanted", "Guy");
        Player(FREE_AGENT_TEAM, 0, 104, POSITION_QB, 25, 100, "Free", "Agent");
        Player(FIRST_DRAFT_POOL_TEAM, 0, 105, POSITION_QB, 21, 0, "Col", "Lege");
    }
};

TEST_F(FindPlayersGoGetTest, AClubsPlayerFillsTheTradeOfferExactly)
{
    Set_User_Preference(PREF_TRADE_PARTNER, 5);
    Go_Get(1, 1);
    const TRADE_OFFER& Offer = Get_Trade_Offer();
    EXPECT_EQ(Offer.nTeam[0], 0);
    EXPECT_EQ(Offer.nTeam[1], 1);
    for (int i = 0; i < TRADE_ITEMS; ++i) {
        EXPECT_EQ(Offer.nItem[0][i], 255) << i;
        EXPECT_EQ(Offer.nItem[1][i], i == 0 ? 1 : 255) << i;
    }
    EXPECT_EQ(Offer.nCash, 0);
    EXPECT_EQ(Get_User_Preference(PREF_TRADE_PARTNER), -128);
    EXPECT_EQ(Dialogs_Run(), (std::vector<int>{TRADE_DIALOG, FIND_PLAYERS_DIALOG}));
    const DIALOG_RECORD& Trade = dialogs::Records()[0];
    EXPECT_EQ(Trade.Find(TRADE_FIRST_TEAM_TEXT)->Text, "City0 Nick0");
    EXPECT_EQ(Trade.Find(TRADE_SECOND_TEAM_TEXT)->Text, "City1 Nick1");
    EXPECT_EQ(Trade.Find(TRADE_WANTED_TEXT)->Text, "QB Wanted Guy");
}

TEST_F(FindPlayersGoGetTest, TheUsersClubOfTheOfferIsZeroWhenPreference32NamesNoClub)
{
    Set_User_Preference(PREF_SELECTED_TEAM, 20);   // a slot not in use
    Start_Trade_For_Player(1, 0);
    EXPECT_EQ(Get_Trade_Offer().nTeam[0], 0);
    Set_User_Preference(PREF_SELECTED_TEAM, HALL_OF_FAME_TEAM);
    Start_Trade_For_Player(1, 0);
    EXPECT_EQ(Get_Trade_Offer().nTeam[0], HALL_OF_FAME_TEAM);
    Set_User_Preference(PREF_SELECTED_TEAM, 1);
    Start_Trade_For_Player(1, 0);
    EXPECT_EQ(Get_Trade_Offer().nTeam[0], 1);
}

TEST_F(FindPlayersGoGetTest, AFreeAgentOpensFreeAgentsAndAProspectTheCollegeDraft)
{
    Go_Get(FREE_AGENT_TEAM, 0);
    EXPECT_EQ(Get_User_Preference(PREF_CARD_TEAM), FREE_AGENT_TEAM);
    EXPECT_EQ(Get_User_Preference(PREF_CARD_SLOT), 0);
    EXPECT_EQ(Dialogs_Run().front(), 130);

    dialogs::Reset();
    Set_User_Preference(PREF_DRAFT_ROUND, 1);   // the college draft runs
    Go_Get(FIRST_DRAFT_POOL_TEAM, 0);
    EXPECT_EQ(Get_User_Preference(PREF_CARD_TEAM), FIRST_DRAFT_POOL_TEAM);
    EXPECT_EQ(Dialogs_Run().front(), 170);
}

TEST_F(FindPlayersGoGetTest, AfterWeek12GoGetIsRefused)
{
    Set_User_Preference(PREF_CURRENT_WEEK, 12);
    Go_Get(1, 1);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Trading Deadline");
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "No trades are allowed after week 12 of the season.");
    EXPECT_EQ(Get_Trade_Offer().nTeam[1], 0);
    EXPECT_EQ(Dialogs_Run(), (std::vector<int>{FIND_PLAYERS_DIALOG}));
    Go_Get(FREE_AGENT_TEAM, 0);
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "Free agent signings are not allowed after week 12 of the season.");
    Set_User_Preference(PREF_CURRENT_WEEK, 11);
    dialogs::Reset();
    Go_Get(1, 1);
    EXPECT_EQ(Dialogs_Run().front(), TRADE_DIALOG);
}

TEST_F(FindPlayersTest, ScoutingOpensTheCardOfTheSelectedRow)
{
    Player(0, 0, 101, POSITION_QB, 25, 100, "Zed", "Alpha");
    Player(1, 0, 102, POSITION_QB, 25, 100, "Amy", "Zulu");
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SELECT, FIND_POSITION_COMBO, 0, "Any Player"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_BUTTON));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_ROW_SELECT, FIND_LIST, 0, "Zulu, Amy"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_SCOUTING_BUTTON));
    Do_Dialog(FIND_PLAYERS_DIALOG);
    ASSERT_EQ(dialogs::Records().size(), 2u);
    EXPECT_EQ(dialogs::Records()[0].nDialogId, PLAYER_CARD_DIALOG);
    EXPECT_EQ(dialogs::Records()[0].Find(CARD_NAME)->Text, "Amy Zulu");
    EXPECT_EQ(dialogs::Records()[0].Find(CARD_CLUB)->Text, "City1 Nick1");
    // The info lines name the selected player's club and what it wants.
    const std::string Line1 = dialogs::Records()[1].Find(FIND_INFO_LINE_1)->Text;
    EXPECT_EQ(Line1.rfind("City1 is seeking\n", 0), 0u) << Line1;
}

// Any bytes typed into the fields: the search runs and every key it gives
// is a player of a club it may search, in key order.
TEST_F(FindPlayersTest, AnyTypedBytesSearchSafely)
{
    for (int t : {0, 1, FREE_AGENT_TEAM, HALL_OF_FAME_TEAM, FIRST_DRAFT_POOL_TEAM})
        for (int s = 0; s < 15; ++s)
            Player(t, s, 1000 + t * 100 + s, s, 20 + s, 150 * s, "Pat", s % 2 ? "Odd" : "Even");
    Set_User_Preference(PREF_DRAFT_ROUND, 3);
    uint32_t nState = 12345;   // a small generator of the test's own
    auto Next = [&nState]() {
        nState = nState * 1103515245u + 12345u;
        return nState >> 16;
    };
    const char ALPHABET[] = "0123456789-+ aEvOdxZ\x96\xff%";
    for (int nCase = 0; nCase < 400; ++nCase) {
        FIND_PLAYERS_FIELDS Fields;
        Fields.nPosition = static_cast<int>(Next() % 40) - 10;
        std::string* Texts[] = {&Fields.Age,        &Fields.Name,       &Fields.Salary,     &Fields.Overall,
                                &Fields.Peak,       &Fields.Ratings[0], &Fields.Ratings[1], &Fields.Ratings[2],
                                &Fields.Ratings[3], &Fields.Ratings[4]};
        for (std::string* pText : Texts) {
            pText->clear();
            const size_t nLength = Next() % (nCase % 10 == 0 ? 60 : 6);
            for (size_t i = 0; i < nLength; ++i)
                *pText += ALPHABET[Next() % (sizeof(ALPHABET) - 1)];
        }
        int nLast = -1;
        for (int nKey : Find(Fields)) {
            const int nTeam = nKey / 100;
            EXPECT_GT(nKey, nLast);
            EXPECT_NE(nTeam, HALL_OF_FAME_TEAM);
            EXPECT_TRUE(Is_Player_Slot_Used(nTeam, nKey % 100));
            nLast = nKey;
        }
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(FindPlayersGoGetTest, InAFantasyDraftGoGetDraftsAnUndraftedPlayerForTheClubOnTheClock)
{
    FANTASY_DRAFT_STATE State{};
    for (auto& Round : State.nOrder)
        for (int i = 0; i < FANTASY_DRAFT_TEAMS; ++i)
            Round[i] = static_cast<int8_t>(i % 2);
    Set_Fantasy_Draft_State(State);
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_UNDER_WAY);
    Clear_All_Drafted_By();
    Set_Player_Drafted_By(1, 0, 1);   // taken already: not listed
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SELECT, FIND_POSITION_COMBO, 0, "Any Player"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_BUTTON));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_ROW_SELECT, FIND_LIST, 0, "Guy, Wanted"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, FIND_GO_GET_BUTTON));
    EXPECT_EQ(Do_Dialog(FIND_PLAYERS_DIALOG), 1);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    // Draft and Done each with a letter of its own.
    EXPECT_EQ(Record.Find(FIND_GO_GET_BUTTON)->Text, "&Draft");
    EXPECT_EQ(Record.Find(DIALOG_OK)->Text, "D&one");
    EXPECT_EQ(Find_Mnemonic_Clash(Record.Controls), "");
    EXPECT_EQ(Record.Find(FIND_INFO_LINE_1)->Text,
              "Note: During a Fantasy Draft,\nthis screen only displays UNDRAFTED players.");
    EXPECT_EQ(Get_Player_Drafted_By(1, 1), 0);   // club 0 was on the clock
    std::vector<int64_t> Listed;
    for (const DIALOG_ROW& Row : Record.Find(FIND_LIST)->Rows)
        Listed.push_back(Row.nData);
    EXPECT_EQ(std::count(Listed.begin(), Listed.end(), Key(1, 0)), 0);
    EXPECT_EQ(std::count(Listed.begin(), Listed.end(), Key(1, 1)), 1);
}

TEST_F(FindPlayersTest, DoneStoresTheFieldsAndEscapeDoesNot)
{
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SELECT, FIND_POSITION_COMBO, 0, "Linebackers"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_AGE_EDIT, 0, "31"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_SALARY_EDIT, 0, "7"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_OVERALL_EDIT, 0, "60"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_PEAK_EDIT, 0, "66"));
    for (int i = 0; i < 5; ++i)
        dialogs::Queue_Action(FIND_PLAYERS_DIALOG,
                              Action(ACTION_SET_TEXT, FIND_RATING_EDITS[i], 0, std::to_string(50 + i)));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(FIND_PLAYERS_DIALOG), 1);
    const int EXPECTED[10] = {60, POSITION_LB, 31, 50, 51, 52, 53, 54, 7, 66};   // preferences 62-71
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Get_User_Preference(PREF_FIND_OVERALL + i), EXPECTED[i]) << 62 + i;

    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_AGE_EDIT, 0, "22"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_SET_TEXT, FIND_OVERALL_EDIT, 0, "1"));
    dialogs::Queue_Action(FIND_PLAYERS_DIALOG, Action(ACTION_CANCEL, 0));
    Do_Dialog(FIND_PLAYERS_DIALOG);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Get_User_Preference(PREF_FIND_OVERALL + i), EXPECTED[i]) << 62 + i;
    // The second opening showed what the first stored.
    EXPECT_EQ(Record.Find(FIND_POSITION_COMBO)->nSelected, POSITION_LB);
    EXPECT_EQ(Record.Find(FIND_SALARY_EDIT)->Text, "7");

    // A stored salary above 50 shows as 50.
    Set_User_Preference(PREF_FIND_SALARY, 99);
    EXPECT_EQ(Load_Find_Players_Fields().Salary, "50");
}

}  // namespace
