// Text utilities: bounded copies on over-long input, the CSV splitter, the
// line reader, line writers, number and money texts, words and names.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "league/preferences.h"
#include "league/team.h"
#include "league/text_utils.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "league_fixture.h"
#include "test_support.h"

namespace {

constexpr char GUARD = '\x5A';
constexpr int GUARD_BYTES = 8;

// A buffer of nSize bytes followed by guard bytes that must never change.
struct GUARDED {
    char Bytes[TEXT_BUFFER_SIZE + GUARD_BYTES];
    int nSize;
    explicit GUARDED(int n, char cFill = '#') : nSize(n)
    {
        memset(Bytes, cFill, sizeof(Bytes));
        memset(Bytes + n, GUARD, GUARD_BYTES);
    }
    bool Guard_Intact() const
    {
        for (int i = 0; i < GUARD_BYTES; i++)
            if (Bytes[nSize + i] != GUARD)
                return false;
        return true;
    }
};

// A read-only stream of exactly these bytes.
FILE* Stream_Of(const std::string& Bytes)
{
    FILE* pFile = tmpfile();
    fwrite(Bytes.data(), 1, Bytes.size(), pFile);
    rewind(pFile);
    return pFile;
}

template <typename F> std::string Text_Of(F Fill)
{
    char szBuffer[TEXT_BUFFER_SIZE];
    memset(szBuffer, '#', sizeof(szBuffer));
    Fill(szBuffer);
    return szBuffer;
}

// Fill(n, buffer) gives each text of the table.
template <typename F> void Expect_Texts(F Fill, std::initializer_list<std::pair<int, const char*>> Cases)
{
    for (const auto& [n, szText] : Cases)
        EXPECT_EQ(Text_Of([&](char* s) { Fill(n, s); }), szText) << n;
}

}  // namespace

class TextUtils : public LeagueTest {};

TEST_F(TextUtils, SafeCopyCutsTerminatesAndZeroFills)
{
    GUARDED Small(5);
    EXPECT_EQ(safe_strncpy(Small.Bytes, "0123456789", Small.nSize), -1);
    EXPECT_STREQ(Small.Bytes, "0123");
    EXPECT_TRUE(Small.Guard_Intact());
    // The rest of a fixed field is zero, not left-over bytes.
    GUARDED Field(12, 'x');
    EXPECT_EQ(safe_strncpy(Field.Bytes, "ab", Field.nSize), 2);
    EXPECT_EQ(std::string(Field.Bytes, 12), std::string("ab") + std::string(10, '\0'));
    EXPECT_TRUE(Field.Guard_Intact());
    GUARDED One(1);
    EXPECT_EQ(safe_strncpy(One.Bytes, "abc", One.nSize), -1);
    EXPECT_EQ(One.Bytes[0], '\0');
    GUARDED None(0);
    EXPECT_EQ(safe_strncpy(None.Bytes, "abc", 0), -1);
    EXPECT_TRUE(One.Guard_Intact() && None.Guard_Intact());
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(safe_strncpy(nullptr, "abc", 10), 0);
    EXPECT_TRUE(Last_Error_Contains("Null pointer in safe_strncpy(0x00000000,"));
    char szBuffer[4] = "xyz";
    EXPECT_EQ(safe_strncpy(szBuffer, nullptr, 4), 0);
    EXPECT_STREQ(szBuffer, "xyz");
    EXPECT_TRUE(Last_Error_Contains(",0x00000000,4)"));
}

TEST_F(TextUtils, SafeAppendAndFormattingStayInsideTheBuffer)
{
    GUARDED Full(6);
    strcpy(Full.Bytes, "abc");
    EXPECT_EQ(safe_strncat(Full.Bytes, "defgh", Full.nSize), 5);
    EXPECT_STREQ(Full.Bytes, "abcde");
    EXPECT_TRUE(Full.Guard_Intact());
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Buffer filled in safe_strncat.  Str len 5"));
    // Size 4 is taken for a pointer's size: the marker fills exactly 4 bytes.
    GUARDED Four(4);
    strcpy(Four.Bytes, "a");
    EXPECT_EQ(safe_strncat(Four.Bytes, "bcdef", Four.nSize), 4);
    EXPECT_STREQ(Four.Bytes, "F**");
    EXPECT_TRUE(Four.Guard_Intact());
    for (int nSize = 1; nSize < 4; nSize++) {
        GUARDED Tiny(nSize);
        Tiny.Bytes[0] = '\0';
        EXPECT_EQ(safe_strncat(Tiny.Bytes, "wxyz", nSize), nSize - 1);
        EXPECT_EQ(strlen(Tiny.Bytes), static_cast<size_t>(nSize - 1));
        EXPECT_TRUE(Tiny.Guard_Intact()) << "size " << nSize;
    }
    // A destination without a terminator inside its size is cut, not overrun.
    GUARDED Unterminated(8, 'q');
    EXPECT_EQ(safe_strncat(Unterminated.Bytes, "abc", Unterminated.nSize), 7);
    EXPECT_EQ(Unterminated.Bytes[7], '\0');
    EXPECT_TRUE(Unterminated.Guard_Intact());
    Errors_Reported();
    EXPECT_EQ(safe_strncat(nullptr, "x", 8), 0);
    EXPECT_TRUE(Last_Error_Contains("Null pointer in safe_strncpy("));

    GUARDED Cut(6);
    EXPECT_EQ(Format_Text_Bounded(Cut.Bytes, Cut.nSize, "%s-%d", "abcdefgh", 7), 5);
    EXPECT_STREQ(Cut.Bytes, "abcde");
    GUARDED Append(6);
    strcpy(Append.Bytes, "ab");
    EXPECT_EQ(Append_Formatted_Text(Append.Bytes, Append.nSize, "%d", 12), 2);
    EXPECT_EQ(Append_Formatted_Text(Append.Bytes, Append.nSize, "%d", 345), -1);
    EXPECT_STREQ(Append.Bytes, "ab123");
    GUARDED NoEnd(6, 'z');
    EXPECT_EQ(Append_Formatted_Text(NoEnd.Bytes, NoEnd.nSize, "%d", 1), 0);
    EXPECT_EQ(NoEnd.Bytes[5], 'z');
    EXPECT_TRUE(Cut.Guard_Intact() && Append.Guard_Intact() && NoEnd.Guard_Intact());
}

TEST_F(TextUtils, TokensSplitAtEveryDelimiterAndAreCut)
{
    char szLine[TEXT_BUFFER_SIZE] = "a,,b";
    char szToken[TEXT_BUFFER_SIZE];
    auto Pop = [&](char cDelimiter = ',') {
        int nLast = Pop_Token_From_String(szToken, szLine, cDelimiter);
        return std::to_string(nLast) + szToken;
    };
    EXPECT_EQ(Pop(), "0a");
    EXPECT_STREQ(szLine, ",b");
    EXPECT_EQ(Pop(), "0");
    EXPECT_EQ(Pop(), "1b");
    EXPECT_STREQ(szLine, "");
    strcpy(szLine, "a,");
    EXPECT_EQ(Pop(), "0a");
    EXPECT_EQ(Pop(), "1");
    // Blanks are kept and quotes mean nothing.
    strcpy(szLine, "\"a, b\"\tc");
    EXPECT_EQ(Pop(), "0\"a");
    EXPECT_EQ(Pop('\t'), "0 b\"");
    EXPECT_EQ(Pop(), "1c");
    EXPECT_EQ(Pop(), "1");

    static char szLong[3 * TEXT_BUFFER_SIZE];
    memset(szLong, 'k', sizeof(szLong));
    szLong[2 * TEXT_BUFFER_SIZE] = ',';
    strcpy(szLong + 2 * TEXT_BUFFER_SIZE + 1, "next");
    GUARDED Token(TEXT_BUFFER_SIZE);
    EXPECT_EQ(Pop_Token_From_String(Token.Bytes, szLong, ','), 0);
    EXPECT_EQ(strlen(Token.Bytes), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    EXPECT_TRUE(Token.Guard_Intact());
    EXPECT_STREQ(szLong, "next");
}

TEST_F(TextUtils, LineReaderLimitsWarnsOnceAndAcceptsCrLf)
{
    Reset_Line_Limit_Warning();
    FILE* pFile = Stream_Of("abcdefg\nabcd\r\nwxyz12\r\n\nlast");
    GUARDED Line(5);
    const char* szExpected[] = {"abcd", "abcd", "wxyz", "", "last", ""};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), i >= 4 ? 1 : 0) << i;
        EXPECT_STREQ(Line.Bytes, szExpected[i]) << i;
    }
    EXPECT_TRUE(Line.Guard_Intact());
    fclose(pFile);
    // The warning shows once per run.
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read_Line_Limit");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Line too long in teams.csv.\n\nLimit = 5 characters.\n\nExtra character(s) ignored.");

    // A lone CR inside a line is data; a file that ends with its line feed
    // ends on the next read.
    pFile = Stream_Of("x\ry\r\nz\n");
    char szLine[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Read_Line(szLine, pFile), 0);
    EXPECT_STREQ(szLine, "x\ry");
    EXPECT_EQ(Skip_Line(pFile), 0);
    EXPECT_EQ(Read_Line(szLine, pFile), 1);
    EXPECT_STREQ(szLine, "");
    fclose(pFile);
    EXPECT_EQ(Read_Line(szLine, nullptr), 1);
    EXPECT_EQ(Skip_Line(nullptr), 1);

    pFile = Stream_Of(std::string(3 * TEXT_BUFFER_SIZE, 'm') + "\nshort\n");
    GUARDED Long(TEXT_BUFFER_SIZE);
    EXPECT_EQ(Read_Line(Long.Bytes, pFile), 0);
    EXPECT_EQ(strlen(Long.Bytes), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    EXPECT_TRUE(Long.Guard_Intact());
    EXPECT_EQ(Read_Line_2048(szLine, pFile), 0);
    EXPECT_STREQ(szLine, "short");
    fclose(pFile);
}

TEST_F(TextUtils, FilesAppendCountAndExist)
{
    SCRATCH_FOLDER Scratch("text_utils");
    ASSERT_TRUE(Scratch.Ready());
    const char* szPath = "lines.txt";
    EXPECT_EQ(Append_Line_To_File("", "x"), 0);
    EXPECT_EQ(Append_Line_To_File(szPath, nullptr), 0);
    EXPECT_EQ(Does_File_Exist(szPath), 0);
    EXPECT_EQ(Append_Line_To_File(szPath, "one"), 1);
    EXPECT_EQ(Append_Line_To_File(szPath, ""), 1);
    // Data text passed as an argument is never taken for a format.
    EXPECT_EQ(Append_Formatted_Line_To_File(szPath, "%d,%s", 7, "%s%n"), 1);
    EXPECT_EQ(Read_Text_File(szPath, "<missing>"), "one\n\n7,%s%n\n");
    EXPECT_EQ(Does_File_Exist(szPath), 1);
    EXPECT_EQ(Count_Lines_In_File(szPath), 4);
    FILE* pFile = files::Open_File(szPath, "r");
    ASSERT_NE(pFile, nullptr);
    getc(pFile);
    EXPECT_EQ(Count_Chars_In_Open_File(pFile), 12);
    EXPECT_EQ(getc(pFile), 'o');   // rewound again
    fclose(pFile);
    fclose(files::Open_File("empty.txt", "w"));
    EXPECT_EQ(Count_Lines_In_File("empty.txt"), 1);

    EXPECT_EQ(Count_Lines_In_File("no_such_folder/no_such_file.txt"), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.rfind("Couldn't open file: \"no_such_folder/no_such_file.txt\"", 0), 0u);
    EXPECT_EQ(Does_File_Exist("."), 0);
    errno = 80;
    EXPECT_STREQ(Get_Error_Text(), "String was truncated");
}

TEST_F(TextUtils, MoneyAndNumberTexts)
{
    // Tenths truncate.
    Expect_Texts(Format_Money_Short, {{0, "$0K"}, {999, "$999K"}, {1000, "$1.0M"}, {1599, "$1.5M"},
                                      {99999, "$99.9M"}, {100000, "$100M"}, {999999, "$999M"},
                                      {1000000, "$1.00B"}, {2345678, "$2.34B"}, {-1500, "-$1.5M"},
                                      {INT_MIN, "-$2147.48B"}});
    Expect_Texts(Format_Money_Dollars, {{1500999, "$1.5M"}, {-999, "$0K"}});
    char szText[32] = "$1,234,567";
    EXPECT_EQ(Parse_Money_Text(szText), 1234567);
    EXPECT_STREQ(szText, "1234567");
    strcpy(szText, "-$2,000");
    EXPECT_EQ(Parse_Money_Text(szText), -2000);
    strcpy(szText, "$99,999,999,999");
    EXPECT_EQ(Parse_Money_Text(szText), INT_MAX);

    Expect_Texts(Format_Number_With_Commas, {{999, "999"}, {1000, "1,000"}, {1000000, "1,000,000"},
                                             {-100, "-100"}, {INT_MIN, "-2,147,483,648"}});
    Expect_Texts(Format_Dollars_With_Commas, {{1234, "$1,234"}});
    Expect_Texts(Format_Thousandths, {{5, ".005"}, {1000, "1.000"}, {12345, "12.345"}, {-250, "-.250"}});
}

TEST_F(TextUtils, OrdinalsAndNumberWords)
{
    Expect_Texts([](int n, char* s) { Format_Ordinal(s, n); },
                 {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"}, {12, "12th"}, {13, "13th"},
                  {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {111, "111th"}, {121, "121st"}, {0, "0th"},
                  {-1, "-1st"}, {1012, "1012th"}});
    Expect_Texts([](int n, char* s) { Get_Cardinal_Words(s, n); },
                 {{0, "zero"}, {19, "nineteen"}, {42, "forty-two"}, {205, "two hundred and five"},
                  {1005, "one thousand and five"}, {90000, "ninety thousand"},
                  {1001000, "one million one thousand"}, {2000000005, "two billion five"},
                  {INT_MAX, "two billion one hundred and forty-seven million four hundred and eighty-three "
                            "thousand six hundred and forty-seven"},
                  {-1, "Cardinal error: -1"}});
    Expect_Texts([](int n, char* s) { Get_Ordinal_Words(s, n); },
                 {{1, "first"}, {12, "twelfth"}, {20, "twentieth"}, {21, "twenty-first"},
                  {100, "one hundredth"}, {101, "one hundred and first"}, {1000, "one thousandth"},
                  {999999, "nine hundred and ninety-nine thousand nine hundred and ninety-ninth"},
                  {0, "Ordinal error: 0"}, {1000000, "Ordinal error: 1000000"}});
}

TEST_F(TextUtils, StringTableAndNames)
{
    const char* szNames[] = {"Quarterback", "Running Back", "Fullback", "Tight End", "Wide Receiver",
                             "Tackle", "Guard", "Center", "Defensive End", "Defensive Tackle",
                             "Linebacker", "Cornerback", "Safety", "Kicker", "Punter"};
    const char* szShort[] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C", "DE", "DT", "LB", "CB", "S", "K", "P"};
    for (int p = 0; p < 15; p++) {
        EXPECT_STREQ(Get_Resource_String(28 + p), szNames[p]);
        EXPECT_STREQ(Get_Resource_String(59 + p), szShort[p]);
        EXPECT_EQ(Text_Of([p](char* s) { Get_Position_Name(p, s); }), szNames[p]);
        EXPECT_EQ(Text_Of([p](char* s) { Get_Depth_Slot_Abbreviation(p, s); }), szShort[p]);
    }
    Expect_Texts(Get_Position_Name, {{15, "Any Position"}, {16, "<Error>"}, {-1, "<Error>"}});
    Expect_Texts(Get_Position_Name_Lower, {{9, "defensive tackle"}, {15, "any position"}, {99, "<error>"}});
    GUARDED Small(3);
    EXPECT_EQ(Load_Resource_String(28, Small.Bytes, Small.nSize), 2);
    EXPECT_STREQ(Small.Bytes, "Qu");
    EXPECT_EQ(Load_Resource_String(9999, Small.Bytes, Small.nSize), 0);
    EXPECT_STREQ(Small.Bytes, "");
    EXPECT_TRUE(Small.Guard_Intact());
    EXPECT_STREQ(Get_Resource_String(-5), "");
    char szText[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Load_String_Text(51, szText), 9);
    EXPECT_STREQ(szText, "September");

    Expect_Texts(Get_Depth_Slot_Abbreviation, {{15, "WR1"}, {28, "NT"}, {42, "FS"}, {43, ""}});
    Expect_Texts(Get_Depth_Slot_Name, {{15, "#1 Receiver"}, {34, "Left Inside Linebacker"}, {42, "Free Safety"},
                                       {-1, ""}});
    Expect_Texts(Get_Rating_Name, {{0, "Health"}, {26, "Punt Distance"}, {27, ""}, {-1, ""}});
    Expect_Texts(Format_Day_Of_Year, {{0, "January 1"}, {59, "March 1"}, {364, "December 31"},
                                      {365, "January 1"}, {-1, "December 31"}});
    EXPECT_EQ(Text_Of([](char* s) { Format_Date_With_Year(249, 2019, s); }), "September 7, 2019");

    // A buffer sized for the longest name asked for is enough.
    GUARDED Rating(14);
    Get_Rating_Name(25, Rating.Bytes);
    EXPECT_STREQ(Rating.Bytes, "Punt Accuracy");
    EXPECT_TRUE(Rating.Guard_Intact());
    GUARDED Empty(1, 'e');
    Get_Depth_Slot_Name(43, Empty.Bytes);
    EXPECT_EQ(Empty.Bytes[0], '\0');
    EXPECT_TRUE(Empty.Guard_Intact());
}

TEST_F(TextUtils, WeekNamesFollowTheCalendar)
{
    // 17 regular weeks: rounds on weeks 17-20 (counted from 0).
    Set_Regular_Season_Weeks(17);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Expect_Texts(Get_Week_Name, {{0, "Week 1"}, {16, "Week 17"}, {17, "Wild Card"}, {18, "Division Round"},
                                 {19, "Conference Championship"}, {20, "Super Bowl"}, {21, "Offseason"},
                                 {OFFSEASON_WEEK, "Offseason"}});
    Set_User_Preference(PREF_CURRENT_WEEK, 18);
    Expect_Texts(Get_Week_Name, {{-1, "Division Round"}});

    // Two leagues of four divisions with two wild cards: fields of 6.
    Use_Franchises(32);
    for (int t = 0; t < 32; t++)
        League.Team[t].nTeamStat[0] = t / 4;
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    Expect_Texts(Get_Week_Name_Long, {{17, "Wild Card"}, {18, "Division"}, {19, "Conference"}, {20, "Super Bowl"}});
    // One division a league and one wild card: fields of 2, so only the
    // conference round has games; the short form never says bye.
    League.Universe.nStat[WILD_CARD_TEAMS] = 1;
    for (int t = 0; t < 32; t++)
        League.Team[t].nTeamStat[0] = (t / 16) * 4;
    Expect_Texts(Get_Week_Name_Long, {{17, "Bye Week"}, {18, "Bye Week"}, {19, "Conference"}});
    Expect_Texts(Get_Week_Name, {{17, "Wild Card"}});

    League.Universe.nStat[FIRST_SEASON_YEAR] = 1969;
    Expect_Texts(Get_Week_Name, {{19, "Title Game"}});
    Expect_Texts(Get_Week_Name_Long, {{19, "Title Game"}});
    // Without wild cards the league champions meet in the final at once.
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    Expect_Texts(Get_Week_Name_Long, {{19, "Bye Week"}});
    // Fewer than two regular weeks: the playoffs still start on week 2.
    Set_Regular_Season_Weeks(0);
    Expect_Texts(Get_Week_Name, {{1, "Week 2"}, {2, "Wild Card"}});
}

TEST_F(TextUtils, TeamDisplayNamesAndManagerFaces)
{
    Use_Franchises(2);
    Set_Team_String("Boston", 0, 1);
    Set_Team_String("Harbors", 0, 2);
    Set_Team_String("Tulsa", 1, 1);
    Set_Team_String("VAZARUDU team", 1, 2);
    Errors_Reported();

    Set_User_Preference(PREF_DRAFT_ROUND, 20);
    Expect_Texts(Get_Team_Full_Name, {{0, "Boston Harbors"}, {5, ""}, {FREE_AGENT_TEAM, "Free Agent"},
                                      {HALL_OF_FAME_TEAM, "Hall Of Fame Inductee"},
                                      {40, "Twenty-first Round Draft Pick"}, {NO_TEAM, ""}, {-1, ""}});
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Expect_Texts(Get_Team_Full_Name, {{38, "First Round Draft Pick"}});
    // ALL_TEAMS is -1 as a team byte.
    Expect_Texts(Get_Team_City, {{0, "Boston"}, {-1, "NFL Average"}, {ALL_TEAMS, "NFL Average"}, {NO_TEAM, ""},
                                 {37, ""}, {FREE_AGENT_TEAM, "Free Agent"}});
    Expect_Texts(Get_Team_Nickname, {{0, "Harbors"}, {38, ""}});
    Expect_Texts(Get_Team_Short_Name, {{0, "Harbors"}, {1, "Tulsa"}, {40, ""}});
    EXPECT_EQ(Errors_Reported(), 0);

    // From season index 16 on, k below index - 15 moves to the second set.
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Expect_Texts(Get_Gm_Face_Image_Path, {{0, "dialogs/faces/gm0.jpg"}, {5, "dialogs/faces/gm19.jpg"}});
    Set_User_Preference(PREF_SEASON_INDEX, 40);
    Expect_Texts(Get_Gm_Face_Image_Path, {{0, "dialogs/faces/gm36.jpg"}, {5, "dialogs/faces/gm10.jpg"},
                                          {3, "dialogs/faces/gm33.jpg"}});
}

TEST_F(TextUtils, CaseAndPaddingHelpers)
{
    char szText[TEXT_BUFFER_SIZE] = "abc Zy9\xe9";
    Make_Upper_Case(szText);
    EXPECT_STREQ(szText, "ABC ZY9\xe9");
    Keep_Letters_Only(szText);
    EXPECT_STREQ(szText, "ABCZY");
    strcpy(szText, "1,234,5");
    Remove_Char_From_String(szText, ',');
    EXPECT_STREQ(szText, "12345");
    strcpy(szText, " \tx\ty");   // the empty first field stays
    Trim_Leading_Blanks(szText);
    EXPECT_STREQ(szText, "\tx\ty");

    strcpy(szText, "Hello World");
    EXPECT_EQ(Find_Text_No_Case(szText, "WORLD"), szText + 6);
    EXPECT_EQ(Find_Text_No_Case(szText, ""), szText);
    EXPECT_EQ(Find_Text_No_Case(szText, "worlds"), nullptr);
    EXPECT_EQ(Is_Same_Text_No_Case("Bears", "bEARS"), 1);
    EXPECT_EQ(Is_Same_Text_No_Case("Bears", "Bear"), 0);
    EXPECT_EQ(Is_Same_Text_No_Case("\xc9t\xe9", "\xe9T\xe9"), 0);   // only ASCII letters fold
    const char szUnterminated[3] = {'a', 'B', 'c'};
    EXPECT_EQ(Is_Same_Text_No_Case(szUnterminated, "Ab"), 0);       // stops at the first difference

    char szA[TEXT_BUFFER_SIZE] = "first";
    char szB[TEXT_BUFFER_SIZE] = "second text";
    Swap_Texts(szA, szB);
    EXPECT_STREQ(szA, "second text");
    EXPECT_STREQ(szB, "first");
    Swap_Texts(szA, nullptr);
    EXPECT_STREQ(szA, "second text");

    strcpy(szText, "QB");
    Pad_Text_Left(szText, 5);
    EXPECT_STREQ(szText, "   QB");
    Pad_Text_Left(szText, 2);
    EXPECT_STREQ(szText, "   QB");
    strcpy(szText, "11");
    Pad_Text_Left_2(szText, 3);
    EXPECT_STREQ(szText, "   11");
    strcpy(szText, "123");
    Pad_Text_Left_2(szText, 2);
    EXPECT_STREQ(szText, "123");
    // Padding never runs past a text buffer.
    GUARDED Wide(TEXT_BUFFER_SIZE);
    strcpy(Wide.Bytes, "x");
    Pad_Text_Left(Wide.Bytes, 100000);
    EXPECT_EQ(strlen(Wide.Bytes), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    EXPECT_EQ(Wide.Bytes[TEXT_BUFFER_SIZE - 2], 'x');
    EXPECT_TRUE(Wide.Guard_Intact());
}
