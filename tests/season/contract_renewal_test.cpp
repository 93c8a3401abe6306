// Contract renewal: the yearly run-down, the contract length, and the
// choice to re-sign or release an expiring player (the user's offer through
// a scripted policy).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "dialog_press.h"
#include "frontoffice/player_moves.h"
#include "league/league_structure.h"
#include "base/random.h"

#include "league/league_text.h"
#include "league/player_stats.h"
#include "money_fixture.h"
#include "platform/ui.h"
#include "season/contract_renewal.h"
#include "season/draft_pool.h"
#include "season/draft_state.h"
#include "season/salaries.h"
#include "season/season_services.h"

namespace {

int g_nOffers = 0;
int Accept_Offer(int, int)
{
    ++g_nOffers;
    return 1;
}
int Refuse_Offer(int, int)
{
    ++g_nOffers;
    return 0;
}

class RenewalTest : public MoneyTest {
protected:
    void SetUp() override
    {
        MoneyTest::SetUp();
        Use_Teams(2);
        Set_Team_String("Sample City", 0, TEAM_STRING_CITY);
        Set_Team_String("Examples", 0, TEAM_STRING_NICKNAME);
        g_nOffers = 0;
    }
    static int Team_Of(int nID)
    {
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] == nID)
                    return t;
        return NO_TEAM;
    }
    static int Vital(int t, int s, int n) { return Get_Player_Vital_Stat(t, s, n); }
    // Club 0 the user's and selected, holding the first-round picks of both
    // clubs (club 1 the later rounds'); what their rookies' salaries and a
    // quarter of their bonuses keep out of its room, $K.
    static int Hold_Both_First_Round_Picks()
    {
        Set_User_Club(0);
        Set_User_Preference(PREF_SELECTED_TEAM, 0);
        for (int r = 0; r < 7; ++r)
            for (int t = 0; t < 2; ++t)
                Set_Draft_Pick_Owner(0, r, t, r == 0 ? 0 : 1);
        return Get_Draft_Slot_Salary(0, 0) + Get_Draft_Slot_Bonus(0, 0) / 4 + Get_Draft_Slot_Salary(0, 1) +
               Get_Draft_Slot_Bonus(0, 1) / 4;
    }
};

// The league as it stands when this is made, put back by Restore_With(nX) with
// club 0's first player on $X K a year and club 1's on 20,000 - X (so the
// league's payroll level, which a player's price follows, stays as it is), no
// box shown, no dialog run, and the generator seeded the same.
class SAVED_LEAGUE {
public:
    SAVED_LEAGUE() : m_pBefore(std::make_unique<LEAGUE_DATA>())
    {
        std::memcpy(m_pBefore.get(), &League, sizeof(LEAGUE_DATA));
    }
    void Restore_With(int nX) const
    {
        std::memcpy(&League, m_pBefore.get(), sizeof(LEAGUE_DATA));
        League.Team[0].Player[0].nVital[VITAL_SALARY] = nX;
        League.Team[1].Player[0].nVital[VITAL_SALARY] = 20000 - nX;
        ui::Clear_Shown_Boxes();
        dialogs::Reset();
        Seed_Random_Numbers(4321);
    }

private:
    std::unique_ptr<LEAGUE_DATA> m_pBefore;
};

// ---- The yearly run-down --------------------------------------------------------

TEST_F(RenewalTest, RunningContractLosesAYearAndItsBonusShrinks)
{
    Put_Priced_Player(0, 0, 1, POSITION_RB, 1995, 4, 1500, 3);
    Set_Player_Vital_Stat(0, 0, VITAL_SIGNING_BONUS, 900);
    Put_Priced_Player(0, 1, 2, POSITION_RB, 1998, 0, 495, 2);   // never played
    Put_Priced_Player(0, 2, 3, POSITION_RB, 1985, 30, 1500, 2);
    EXPECT_EQ(Renew_Player_Contract(0, 0), 1);
    EXPECT_EQ(Vital(0, 0, VITAL_CONTRACT_YEARS_LEFT), 2);
    EXPECT_EQ(Vital(0, 0, VITAL_SIGNING_BONUS), 600);
    EXPECT_EQ(Vital(0, 0, VITAL_SEASONS_PLAYED), 5);
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 1500);
    EXPECT_EQ(Renew_Player_Contract(0, 1), 1);
    EXPECT_EQ(Vital(0, 1, VITAL_SEASONS_PLAYED), 0);
    Set_Player_Stat(0, 1, 2, 0, 3);   // three career games: his first season counts
    EXPECT_EQ(Renew_Player_Contract(0, 1), 1);
    EXPECT_EQ(Vital(0, 1, VITAL_SEASONS_PLAYED), 1);
    EXPECT_EQ(Renew_Player_Contract(0, 2), 1);
    EXPECT_EQ(Vital(0, 2, VITAL_SEASONS_PLAYED), 30);
}

TEST_F(RenewalTest, FreeAgentGetsANewAskingSalary)
{
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 1, POSITION_RB, 1996, 2, 0, 1, 80.0f);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Renew_Player_Contract(FREE_AGENT_TEAM, 0), 1);   // a young good player does not retire
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_SEASONS_PLAYED), 3);
    EXPECT_GE(Vital(FREE_AGENT_TEAM, 0, VITAL_SALARY), 720);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_SALARY) % 5, 0);
}

TEST_F(RenewalTest, EmptySlotIsReported)
{
    EXPECT_EQ(Renew_Player_Contract(0, 5), 0);
    EXPECT_EQ(Errors_Reported(), 1);
}

// ---- Contract length -----------------------------------------------------------

TEST_F(RenewalTest, ContractLengthBounds)
{
    EXPECT_EQ(Get_Contract_Length(0, 9), 0);                   // empty
    Put_Priced_Player(39, 0, 1, POSITION_QB, 2000, -1, 0, 0);
    EXPECT_EQ(Get_Contract_Length(39, 0), 4);                   // a college prospect
    Put_Priced_Player(0, 0, 2, POSITION_QB, 1996, 2, 900, 1);
    const int nYoung = Get_Contract_Length(0, 0);
    EXPECT_GE(nYoung, 2);
    EXPECT_LE(nYoung, MAXIMUM_CONTRACT_YEARS);
    // Far past any decline age: y x 3 / (age - decline + 3) stays under 200.
    Set_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE, 19740101);    // 45
    EXPECT_EQ(Get_Contract_Length(0, 0), 2);
    // A free agent in week 10 of the season: y x 3 / 16 is under 200, and
    // his minimum is one year.
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 3, POSITION_QB, 1996, 2, 0, 0);
    Set_Season_Playoff_Days(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 10);
    EXPECT_EQ(Get_Contract_Length(FREE_AGENT_TEAM, 0), 1);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_GE(Get_Contract_Length(FREE_AGENT_TEAM, 0), 2);
}

// ---- The user's club -------------------------------------------------------------

TEST_F(RenewalTest, UsersOfferDecidesWhetherHeStays)
{
    Set_User_Club(0);
    Put_Priced_Player(0, 0, 1, POSITION_RB, 1995, 3, 1000, 1);
    Put_Priced_Player(0, 1, 2, POSITION_RB, 1995, 3, 1000, 1);
    Put_Priced_Player(0, 2, 3, POSITION_RB, 1995, 3, 1000, 1);
    Set_Contract_Offer_Policy(Accept_Offer);
    EXPECT_EQ(Resign_Or_Release_Player(0, 0, 1), 1);
    EXPECT_EQ(g_nOffers, 1);
    EXPECT_EQ(Team_Of(1), 0);
    const int L = Vital(0, 0, VITAL_CONTRACT_LENGTH);
    EXPECT_GE(L, 2);
    EXPECT_EQ(Vital(0, 0, VITAL_CONTRACT_YEARS_LEFT), L);
    EXPECT_GE(Vital(0, 0, VITAL_SALARY), 720);   // the asking salary the offer was made at

    Set_Contract_Offer_Policy(Refuse_Offer);
    EXPECT_EQ(Resign_Or_Release_Player(0, 1, 1), 0);
    EXPECT_EQ(Team_Of(2), FREE_AGENT_TEAM);
    // Without a window and without a policy nobody signs.
    Set_Contract_Offer_Policy(nullptr);
    const int nSlot = Get_Player_ID(0, 1) == 3 ? 1 : 2;
    EXPECT_EQ(Resign_Or_Release_Player(0, nSlot, 1), 0);
    EXPECT_EQ(Team_Of(3), FREE_AGENT_TEAM);
    EXPECT_EQ(Count_Team_Players(0), 1);
}

// The user re-signs a player through the real offer dialog. His new ask is on
// his record while the dialog weighs it, so his cost must be weighed against
// the cap less everyone else's charges: under a cap of $100,000K, 43
// team-mates on $2,000K and one on $X K leave 14,000 - X. An X that leaves
// exactly his cost just fits him; a thousand dollars more does not. (The
// other club pays 20,000 - X, so the league's payroll level, which his price
// follows, stays as it is.)
TEST_F(RenewalTest, AReSigningIsWeighedAgainstTheRoomEveryoneElseLeaves)
{
    Set_User_Club(0);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    for (int r = 0; r < 7; ++r)
        for (int t = 0; t < 2; ++t)
            Set_Draft_Pick_Owner(0, r, t, 1);   // club 0 holds no pick: nothing kept for rookies
    for (int s = 0; s < 44; ++s)
        Put_Priced_Player(0, s, 100 + s, POSITION_K, 1990, 5, 2000, 3);
    Put_Priced_Player(0, 44, 1, POSITION_RB, 1995, 3, 1000, 1);
    Put_Priced_Player(1, 0, 200, POSITION_K, 1990, 5, 18000, 3);
    League.Universe.nStat[SALARY_CAP] = 100000 * 1000;
    Install_Contract_Offer_Dialog();
    const SAVED_LEAGUE Saved;
    auto Renew_With = [&](int nX) {
        Saved.Restore_With(nX);
        dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
        return Renew_Player_Contract(0, 44);
    };
    // What he asks (a back's price does not follow the kickers' pay): read
    // from his record once he has signed with room to spare.
    ASSERT_EQ(Renew_With(2000), 1);
    const int S = Vital(0, 44, VITAL_SALARY);
    const int B = Vital(0, 44, VITAL_SIGNING_BONUS);
    const int L = Vital(0, 44, VITAL_CONTRACT_LENGTH);
    ASSERT_GE(L, 2);
    const int nCost = S + B / L;
    ASSERT_GT(nCost, 0);
    ASSERT_LT(nCost, 12000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 88000 + nCost);

    // Exactly his cost of room without him: he signs, and the club is at the cap.
    EXPECT_EQ(Renew_With(14000 - nCost), 1);
    EXPECT_EQ(Team_Of(1), 0);
    EXPECT_EQ(Vital(0, 44, VITAL_SALARY), S);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 0);
    // A thousand dollars short: refused with the reason, and he leaves.
    EXPECT_EQ(Renew_With(14000 - nCost + 1), 0);
    EXPECT_EQ(Team_Of(1), FREE_AGENT_TEAM);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Not Enough Cap Room");
    Set_Contract_Offer_Policy(nullptr);
    dialogs::Reset();
}

// "1,234": a room or reserve in $K as the offer and its answer write it.
std::string With_Commas(int n)
{
    std::string Digits = std::to_string(n);
    for (int i = static_cast<int>(Digits.size()) - 3; i > 0; i -= 3)
        Digits.insert(static_cast<size_t>(i), ",");
    return Digits;
}

// A re-signing read twice: the offer names the room his cost is weighed
// against and the part of it kept for the rookies, and the refusal of the
// same offer names the same two. Under a cap of $100,000K, 43 team-mates on
// $1,000K and one on $X K leave 57,000 - X of room without him (his new ask
// already stands in the payroll). The club holds both first-round picks.
TEST_F(RenewalTest, TheRenewalOfferAndItsRefusalStateTheSameRoom)
{
    const int nReserve = Hold_Both_First_Round_Picks();
    ASSERT_GT(nReserve, 0);
    for (int s = 0; s < 44; ++s)
        Put_Priced_Player(0, s, 100 + s, POSITION_K, 1990, 5, 1000, 3);
    Put_Priced_Player(0, 44, 1, POSITION_RB, 1995, 3, 1000, 1);
    Set_Player_First_Name(0, 44, "Clifford");
    Set_Player_Last_Name(0, 44, "Carter");
    Put_Priced_Player(1, 0, 200, POSITION_K, 1990, 5, 18000, 3);
    League.Universe.nStat[SALARY_CAP] = 100000 * 1000;
    const SAVED_LEAGUE Saved;
    // The text of the refusal among the boxes shown (his release may tell of
    // name files the test folder lacks).
    auto Refusal = [] {
        for (const SHOWN_BOX& Box : ui::Shown_Boxes())
            if (Box.Caption == "Not Enough Cap Room")
                return Box.Text;
        return std::string("<no refusal>");
    };
    // What he asks, read from his record once signed whatever the room.
    Set_Contract_Offer_Policy(Accept_Offer);
    Saved.Restore_With(2000);
    ASSERT_EQ(Renew_Player_Contract(0, 44), 1);
    const int nCost = Vital(0, 44, VITAL_SALARY) + Vital(0, 44, VITAL_SIGNING_BONUS) / Vital(0, 44, VITAL_CONTRACT_LENGTH);
    ASSERT_GT(nCost, 0);
    // Room for him, but not beside the reserve: R = cost + half the reserve.
    // (His ask follows the league's pay, which X moves a little: the margin
    // of half the reserve holds it.)
    const int R = nCost + nReserve / 2;
    ASSERT_LE(R, 57000);
    Install_Contract_Offer_Dialog();
    Saved.Restore_With(57000 - R);
    dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
    EXPECT_EQ(Renew_Player_Contract(0, 44), 0);
    ASSERT_FALSE(dialogs::Records().empty());
    const DIALOG_RECORD& Offer = dialogs::Records().back();
    ASSERT_EQ(Offer.nDialogId, CONTRACT_OFFER_DIALOG_ID);
    ASSERT_NE(Offer.Find(1705), nullptr);
    EXPECT_EQ(Offer.Find(1705)->Text, "$" + With_Commas(R) + ",000 under salary cap");
    ASSERT_NE(Offer.Find(1707), nullptr);
    EXPECT_EQ(Offer.Find(1707)->Text, "$" + With_Commas(nReserve) + ",000 of it");
    EXPECT_NE(Refusal().find("You have $" + With_Commas(R) + ",000 of room, but $" + With_Commas(nReserve) +
                             ",000 of it is kept for the rookies"),
              std::string::npos)
        << Refusal();

    // A second club of the user's, the one selected: the renewal is still
    // weighed against the room of the player's own club.
    Saved.Restore_With(57000 - R);
    Set_User_Club(1);
    Set_User_Preference(PREF_SELECTED_TEAM, 1);
    dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
    EXPECT_EQ(Renew_Player_Contract(0, 44), 0);
    ASSERT_FALSE(dialogs::Records().empty());
    ASSERT_NE(dialogs::Records().back().Find(1705), nullptr);
    EXPECT_EQ(dialogs::Records().back().Find(1705)->Text, "$" + With_Commas(R) + ",000 under salary cap");
    EXPECT_NE(Refusal().find("kept for the rookies"), std::string::npos) << Refusal();
    Set_Contract_Offer_Policy(nullptr);
    dialogs::Reset();
}

// The user's club holds the first-round picks of both clubs: their rookies'
// salaries and a quarter of their bonuses are kept out of the room an offer
// may use, and the box says so when that is what stops a signing.
TEST_F(RenewalTest, TheUsersOffersKeepTheRoomForHisDraftPicks)
{
    const int nReserve = Hold_Both_First_Round_Picks();
    ASSERT_GT(nReserve, 0);
    EXPECT_EQ(Get_Team_Draft_Pick_Costs(0), nReserve);
    for (int s = 0; s < 44; ++s)
        Put_Priced_Player(0, s, 100 + s, POSITION_K, 1990, 5, 2000, 3);
    // $1,000K of room beyond the reserve.
    League.Universe.nStat[SALARY_CAP] = (88000 + nReserve + 1000) * 1000;
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), nReserve + 1000);
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 1, POSITION_RB, 1995, 3, 1001, 2);
    Set_Player_First_Name(FREE_AGENT_TEAM, 0, "Clifford");
    Set_Player_Last_Name(FREE_AGENT_TEAM, 0, "Carter");
    Install_Contract_Offer_Dialog();
    ui::Clear_Shown_Boxes();
    dialogs::Reset();
    dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
    EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Not Enough Cap Room");
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("kept for the rookies of your draft picks"), std::string::npos)
        << ui::Shown_Boxes()[0].Text;
    // While the draft runs, its picks are signed one by one as they are
    // made: nothing is kept back for them, and $1,001K fits.
    Put_Priced_Player(FIRST_DRAFT_POOL_TEAM, 0, 2, POSITION_RB, 2000, 0, 500, 4);
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    ASSERT_TRUE(Is_College_Draft_Running());
    ui::Clear_Shown_Boxes();
    dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
    EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Clear_Player(FIRST_DRAFT_POOL_TEAM, 0);
    ASSERT_FALSE(Is_College_Draft_Running());
    // $1,000K a year fits beside the reserve.
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 1000);
    ui::Clear_Shown_Boxes();
    dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
    EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Set_Contract_Offer_Policy(nullptr);
    dialogs::Reset();
}

// The refusal's words hold for either size of the part kept for the rookies:
// within the room "of it", beyond the whole room not; and no way out is
// offered that the game does not have.
TEST_F(RenewalTest, TheRefusalSaysHowTheRookiesPartStandsToTheRoom)
{
    const int nReserve = Hold_Both_First_Round_Picks();
    ASSERT_GT(nReserve / 2, 1001);
    for (int s = 0; s < 44; ++s)
        Put_Priced_Player(0, s, 100 + s, POSITION_K, 1990, 5, 2000, 3);
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 1, POSITION_RB, 1995, 3, 1001, 2);
    Install_Contract_Offer_Dialog();
    const auto Offer = [](std::string& Reserve) {
        ui::Clear_Shown_Boxes();
        dialogs::Reset();
        dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
        EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 0);
        const DIALOG_CONTROL* pReserve =
            dialogs::Records().empty() ? nullptr : dialogs::Records().back().Find(1707);
        Reserve = pReserve != nullptr ? pReserve->Text : "<no field>";
        for (const SHOWN_BOX& Box : ui::Shown_Boxes())
            if (Box.Caption == "Not Enough Cap Room")
                return Box.Text;
        return std::string("<no refusal>");
    };
    // Room of the reserve and $500K: the reserve is part of it.
    League.Universe.nStat[SALARY_CAP] = (88000 + nReserve + 500) * 1000;
    std::string Reserve;
    EXPECT_EQ(Offer(Reserve), "His first year would cost $1,001,000. You have $" + With_Commas(nReserve + 500) +
                                  ",000 of room, but $" + With_Commas(nReserve) +
                                  ",000 of it is kept for the rookies of your draft picks. Release a player or wait "
                                  "until your payroll falls.");
    EXPECT_EQ(Reserve, "$" + With_Commas(nReserve) + ",000 of it");
    // Room of half the reserve: he would fit in it, but the reserve is more
    // than all of it.
    League.Universe.nStat[SALARY_CAP] = (88000 + nReserve / 2) * 1000;
    EXPECT_EQ(Offer(Reserve), "His first year would cost $1,001,000. You have $" + With_Commas(nReserve / 2) +
                                  ",000 of room, but $" + With_Commas(nReserve) +
                                  ",000 is kept for the rookies of your draft picks, more than all of your room. "
                                  "Release a player or wait until your payroll falls.");
    EXPECT_EQ(Reserve, "$" + With_Commas(nReserve) + ",000");
    // Exactly the reserve: all of the room is kept, "of it" still holds.
    League.Universe.nStat[SALARY_CAP] = (88000 + nReserve) * 1000;
    EXPECT_NE(Offer(Reserve).find("$" + With_Commas(nReserve) + ",000 of it is kept"), std::string::npos);
    EXPECT_EQ(Reserve, "$" + With_Commas(nReserve) + ",000 of it");
    Set_Contract_Offer_Policy(nullptr);
    dialogs::Reset();
}

// A season not yet begun, as a new game sets it up and as a resume before
// its first game finds it: the load brings the draft order up to date, and
// the offer then names the same part of the room kept for the rookies as
// before. Club 0 (the user's) alone in division 0, clubs 1 and 2 in division
// 1, each holding its own picks. At 0-0 every standings key is 0 and the
// higher slot is placed first: places 2, 1, 0; no club has a finish, so the
// provisional keys are 400 + place = 402, 401, 400 and club 0 picks first in
// every round.
TEST_F(RenewalTest, AnOfferBeforeTheFirstGameKeepsItsReserveWhenTheDraftOrderIsBroughtUpToDate)
{
    Use_Teams(3);
    Set_Regular_Season_Weeks(17);
    League.Universe.nStat[GAMES_PER_SEASON] = 16;
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    const int Division[3] = {0, 1, 1};
    for (int t = 0; t < 3; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = Division[t];
    Set_User_Club(0);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    int nReserve = 0;
    for (int r = 0; r < 7; ++r) {
        for (int t = 0; t < 3; ++t)
            Set_Draft_Pick_Owner(0, r, t, t);
        nReserve += Get_Draft_Slot_Salary(r, 0) + Get_Draft_Slot_Bonus(r, 0) / 4;
    }
    // The first pick is dearer than the second: a club moved down the order
    // would keep less.
    ASSERT_GT(Get_Draft_Slot_Salary(0, 0), Get_Draft_Slot_Salary(0, 1));
    for (int s = 0; s < 44; ++s)
        Put_Priced_Player(0, s, 100 + s, POSITION_K, 1990, 5, 2000, 3);
    League.Universe.nStat[SALARY_CAP] = (88000 + nReserve + 1000) * 1000;
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), nReserve + 1000);
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 1, POSITION_RB, 1995, 3, 1001, 2);
    Install_Contract_Offer_Dialog();
    const auto Refusal = [] {
        ui::Clear_Shown_Boxes();
        dialogs::Reset();
        dialogs::Queue_Action(CONTRACT_OFFER_DIALOG_ID, Press(1706));
        EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 0);
        // A box about a name file the test folder lacks may come first.
        for (const auto& Box : ui::Shown_Boxes())
            if (Box.Caption == "Not Enough Cap Room")
                return Box.Text;
        return std::string("(no refusal)");
    };
    const std::string Kept = "You have $" + With_Commas(nReserve + 1000) + ",000 of room, but $" +
                             With_Commas(nReserve) + ",000 of it is kept for the rookies";
    std::string Text = Refusal();
    EXPECT_NE(Text.find(Kept), std::string::npos) << Text;

    // What a load does last: the final order refreshed, with the standings
    // places and finishes it reads. No game has been played: no finish.
    Set_Draft_Order();
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(Get_Team_Yearly_Int(t, 0, YEARLY_INT_FINISH), 0) << t;
    Text = Refusal();
    EXPECT_NE(Text.find(Kept), std::string::npos) << Text;
    EXPECT_EQ(Get_Team_Draft_Slot(0), 0);
    EXPECT_EQ(Get_Team_Draft_Slot(2), 2);
    Set_Contract_Offer_Policy(nullptr);
    dialogs::Reset();
}

TEST_F(RenewalTest, UsersClubIsNotAskedByAProbe)
{
    Set_User_Club(0);
    Put_Priced_Player(0, 0, 1, POSITION_RB, 1995, 3, 1000, 1);
    Set_Contract_Offer_Policy(Accept_Offer);
    EXPECT_EQ(Resign_Or_Release_Player(0, 0, 0), 0);
    EXPECT_EQ(g_nOffers, 0);
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 1000);
    EXPECT_EQ(Vital(0, 0, VITAL_CONTRACT_YEARS_LEFT), 1);
}

TEST_F(RenewalTest, OwnerInDebtMustReleaseHim)
{
    Set_User_Club(0);
    Set_User_Preference(PREF_OWNER_MODE, 1);
    Set_Team_Financial_Stat(0, FINANCE_CASH, -5000000);
    PLAYER& P = Put_Priced_Player(0, 0, 1, POSITION_RB, 1995, 3, 1000, 1);
    std::strcpy(P.szFirstName, "Abel");
    std::strcpy(P.szLastName, "Baker");
    Set_Contract_Offer_Policy(Accept_Offer);
    EXPECT_EQ(Resign_Or_Release_Player(0, 0, 1), 0);
    EXPECT_EQ(g_nOffers, 0);
    EXPECT_EQ(Team_Of(1), FREE_AGENT_TEAM);
    // The release tops the pool up with new players; only the club's box
    // speaks of him.
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Sample City Examples");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Because you are in debt, you may not discuss a new contract with Abel Baker. He is being released.");
    for (size_t i = 1; i < ui::Shown_Boxes().size(); ++i)
        EXPECT_EQ(ui::Shown_Boxes()[i].Caption, "File Error");
}

TEST_F(RenewalTest, CommissionerRenewsEveryExpiringContract)
{
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    League.Universe.nStat[SALARY_CAP] = 1000000;   // far over the cap: it does not matter
    Put_Priced_Player(1, 0, 1, POSITION_RB, 1995, 3, 5000, 1);
    const int nPrice = Get_Player_Contract_Value(1, 0, 0);
    EXPECT_EQ(Resign_Or_Release_Player(1, 0, 1), 1);
    EXPECT_EQ(Vital(1, 0, VITAL_SALARY), nPrice);
    EXPECT_EQ(Vital(1, 0, VITAL_CONTRACT_YEARS_LEFT), Vital(1, 0, VITAL_CONTRACT_LENGTH));
    Set_User_Club(0);
    Put_Priced_Player(0, 0, 2, POSITION_RB, 1995, 3, 1000, 1);
    EXPECT_EQ(Resign_Or_Release_Player(0, 0, 1), 1);   // no offer needed
    EXPECT_EQ(Team_Of(2), 0);
}

// ---- Computer clubs --------------------------------------------------------------

TEST_F(RenewalTest, ComputerClubOverTheCapLetsHimGoOrAProbeLeavesHimAsHeWas)
{
    League.Universe.nStat[SALARY_CAP] = 10000000;   // 10,000 $K
    for (int s = 0; s < 3; ++s)
        Put_Priced_Player(1, s, 10 + s, POSITION_K, 1990, 5, 5000, 3);
    PLAYER& P = Put_Priced_Player(1, 3, 1, POSITION_RB, 1995, 3, 1000, 1);
    P.nVital[VITAL_SIGNING_BONUS] = 40;
    const int64_t nCash = Get_Team_Stored_Financial_Stat(1, FINANCE_CASH);
    EXPECT_EQ(Resign_Or_Release_Player(1, 3, 0), 0);
    EXPECT_EQ(Vital(1, 3, VITAL_SALARY), 1000);
    EXPECT_EQ(Vital(1, 3, VITAL_CONTRACT_YEARS_LEFT), 1);
    EXPECT_EQ(Vital(1, 3, VITAL_CONTRACT_LENGTH), 1);
    EXPECT_EQ(Vital(1, 3, VITAL_SIGNING_BONUS), 40);
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(1, FINANCE_CASH), nCash);
    EXPECT_EQ(Resign_Or_Release_Player(1, 3, 1), 0);
    EXPECT_EQ(Team_Of(1), FREE_AGENT_TEAM);
}

// A receiver paid 60,000 a year (his own market) asks far more than a club
// of kickers paid 500 will pay, but the club will pay something: with room
// on the roster it meets him halfway, with 59 players it lets him go.
class CompromiseTest : public RenewalTest {
protected:
    void Build_Club(int nPlayers)
    {
        Set_Salary_Demands(100);
        Put_Priced_Player(1, 0, 1, POSITION_WR, 1991, 3, 60000, 1);
        for (int s = 1; s < nPlayers; ++s)
            Put_Priced_Player(1, s, 100 + s, POSITION_K, 1990, 5, 500, 3);
    }
};

TEST_F(CompromiseTest, FiftyEightPlayersMeetHimHalfway)
{
    Build_Club(58);
    const int nPrice = Get_Player_Contract_Value(1, 0, 0);
    const int nBonus = Get_Salary_Above_Minimum(1, 0, 0);
    Set_Team_Financial_Stat(1, FINANCE_CASH, 50000000);
    EXPECT_EQ(Resign_Or_Release_Player(1, 0, 1), 1);
    EXPECT_EQ(Team_Of(1), 1);
    EXPECT_LT(Vital(1, 0, VITAL_SALARY), nPrice);
    EXPECT_GT(Vital(1, 0, VITAL_SALARY), nPrice / 2);
    EXPECT_EQ(Vital(1, 0, VITAL_SIGNING_BONUS), nBonus);
    EXPECT_GT(nBonus, 0);
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(1, FINANCE_CASH), 50000000 - nBonus * 1000);
    EXPECT_EQ(Vital(1, 0, VITAL_CONTRACT_YEARS_LEFT), Vital(1, 0, VITAL_CONTRACT_LENGTH));
}

TEST_F(CompromiseTest, FiftyNinePlayersLetHimGo)
{
    Build_Club(59);
    EXPECT_EQ(Resign_Or_Release_Player(1, 0, 1), 0);
    EXPECT_EQ(Team_Of(1), FREE_AGENT_TEAM);
    EXPECT_EQ(Count_Team_Players(1), 58);
}

TEST_F(RenewalTest, ClubThatWillPayHisPriceReSignsHimAtIt)
{
    Set_Salary_Demands(-100);   // every price is the minimum, every bonus 0
    Put_Priced_Player(1, 0, 1, POSITION_WR, 1991, 3, 1000, 1);
    const int64_t nCash = Get_Team_Stored_Financial_Stat(1, FINANCE_CASH);
    EXPECT_EQ(Resign_Or_Release_Player(1, 0, 1), 1);
    EXPECT_EQ(Vital(1, 0, VITAL_SALARY), 720);
    EXPECT_EQ(Vital(1, 0, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(1, FINANCE_CASH), nCash);
}

TEST_F(RenewalTest, ClubWithEmptyBooksStillPaysSomething)
{
    // His pay is all the payroll there is, and it is 0: the payroll scaling
    // is skipped instead of making what the club pays 0.
    Put_Priced_Player(1, 0, 1, POSITION_WR, 1991, 3, 0, 0);
    ASSERT_EQ(Get_Team_Financial_Stat(1, FINANCE_PAYROLL), 0);
    EXPECT_EQ(Resign_Or_Release_Player(1, 0, 1), 1);
    EXPECT_EQ(Team_Of(1), 1);
}

TEST_F(RenewalTest, ExpiringContractGoesThroughTheChoice)
{
    Set_User_Club(0);
    Put_Priced_Player(0, 0, 1, POSITION_RB, 1995, 3, 1000, 1);
    Set_Contract_Offer_Policy(Accept_Offer);
    EXPECT_EQ(Renew_Player_Contract(0, 0), 1);
    EXPECT_EQ(g_nOffers, 1);
    EXPECT_EQ(Vital(0, 0, VITAL_SEASONS_PLAYED), 4);
    Set_Player_Vital_Stat(0, 0, VITAL_CONTRACT_YEARS_LEFT, 0);
    Set_Contract_Offer_Policy(Refuse_Offer);
    EXPECT_EQ(Renew_Player_Contract(0, 0), 0);
    EXPECT_EQ(Team_Of(1), FREE_AGENT_TEAM);
}

}  // namespace
