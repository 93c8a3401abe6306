// Text utilities: bounded copies on over-long input, the CSV splitter, the
// line reader, line writers, number and money texts, words and names.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

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
    char Bytes[64 + GUARD_BYTES];
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

}  // namespace

class TextUtils : public LeagueTest {};

// ---------------------------------------------------------------------------
// Bounded copying

TEST_F(TextUtils, SafeCopyCutsTerminatesAndZeroFills)
{
    GUARDED Small(5);
    EXPECT_EQ(safe_strncpy(Small.Bytes, "0123456789", Small.nSize), -1);
    EXPECT_STREQ(Small.Bytes, "0123");
    EXPECT_TRUE(Small.Guard_Intact());

    GUARDED Exact(5);
    EXPECT_EQ(safe_strncpy(Exact.Bytes, "abcd", Exact.nSize), 4);
    EXPECT_STREQ(Exact.Bytes, "abcd");
    EXPECT_TRUE(Exact.Guard_Intact());

    GUARDED Large(11);
    EXPECT_EQ(safe_strncpy(Large.Bytes, "0123456789", Large.nSize), 10);
    EXPECT_STREQ(Large.Bytes, "0123456789");
    EXPECT_TRUE(Large.Guard_Intact());

    // The rest of a fixed field is zero, not left-over bytes.
    GUARDED Field(12, 'x');
    EXPECT_EQ(safe_strncpy(Field.Bytes, "ab", Field.nSize), 2);
    for (int i = 2; i < 12; i++)
        EXPECT_EQ(Field.Bytes[i], '\0') << "byte " << i;
    EXPECT_TRUE(Field.Guard_Intact());

    GUARDED One(1);
    EXPECT_EQ(safe_strncpy(One.Bytes, "abc", One.nSize), -1);
    EXPECT_EQ(One.Bytes[0], '\0');
    EXPECT_TRUE(One.Guard_Intact());

    GUARDED None(0);
    EXPECT_EQ(safe_strncpy(None.Bytes, "abc", 0), -1);
    EXPECT_TRUE(None.Guard_Intact());
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(safe_strncpy(nullptr, "abc", 10), 0);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Null pointer in safe_strncpy(0x00000000,"));
    char szBuffer[4] = "xyz";
    EXPECT_EQ(safe_strncpy(szBuffer, nullptr, 4), 0);
    EXPECT_STREQ(szBuffer, "xyz");
    EXPECT_TRUE(Last_Error_Contains(",0x00000000,4)"));
}

TEST_F(TextUtils, SafeAppendStaysInsideTheBuffer)
{
    GUARDED Room(10);
    strcpy(Room.Bytes, "ab");
    EXPECT_EQ(safe_strncat(Room.Bytes, "cd", Room.nSize), 4);
    EXPECT_STREQ(Room.Bytes, "abcd");
    EXPECT_EQ(Errors_Reported(), 0);

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
        int n = safe_strncat(Tiny.Bytes, "wxyz", nSize);
        EXPECT_EQ(n, nSize - 1);
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
}

TEST_F(TextUtils, FormattingIsBounded)
{
    GUARDED Cut(6);
    EXPECT_EQ(Format_Text_Bounded(Cut.Bytes, Cut.nSize, "%s-%d", "abcdefgh", 7), 5);
    EXPECT_STREQ(Cut.Bytes, "abcde");
    EXPECT_TRUE(Cut.Guard_Intact());

    GUARDED Append(6);
    strcpy(Append.Bytes, "ab");
    EXPECT_EQ(Append_Formatted_Text(Append.Bytes, Append.nSize, "%d", 12), 2);
    EXPECT_STREQ(Append.Bytes, "ab12");
    EXPECT_EQ(Append_Formatted_Text(Append.Bytes, Append.nSize, "%d", 345), -1);
    EXPECT_STREQ(Append.Bytes, "ab123");
    EXPECT_TRUE(Append.Guard_Intact());

    GUARDED NoEnd(6, 'z');
    EXPECT_EQ(Append_Formatted_Text(NoEnd.Bytes, NoEnd.nSize, "%d", 1), 0);
    EXPECT_TRUE(NoEnd.Guard_Intact());
    EXPECT_EQ(NoEnd.Bytes[5], 'z');
}

// ---------------------------------------------------------------------------
// Splitting and lines

TEST_F(TextUtils, TokensSplitAtEveryDelimiter)
{
    char szLine[TEXT_BUFFER_SIZE] = "a,,b";
    char szToken[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 0);
    EXPECT_STREQ(szToken, "a");
    EXPECT_STREQ(szLine, ",b");
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 0);
    EXPECT_STREQ(szToken, "");
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 1);
    EXPECT_STREQ(szToken, "b");
    EXPECT_STREQ(szLine, "");

    strcpy(szLine, "a,");
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 0);
    EXPECT_STREQ(szToken, "a");
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 1);
    EXPECT_STREQ(szToken, "");

    // No delimiter: the whole line is the last field. Blanks are kept and
    // quotes mean nothing.
    strcpy(szLine, " x \"y");
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 1);
    EXPECT_STREQ(szToken, " x \"y");
    EXPECT_STREQ(szLine, "");

    strcpy(szLine, "\"a,b\"\tc");
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 0);
    EXPECT_STREQ(szToken, "\"a");
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, '\t'), 0);
    EXPECT_STREQ(szToken, "b\"");
    EXPECT_STREQ(szLine, "c");

    szLine[0] = '\0';
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 1);
    EXPECT_STREQ(szToken, "");
}

TEST_F(TextUtils, TokensLongerThanATextAreCut)
{
    static char szLine[3 * TEXT_BUFFER_SIZE];
    memset(szLine, 'k', sizeof(szLine));
    szLine[2 * TEXT_BUFFER_SIZE] = ',';
    strcpy(szLine + 2 * TEXT_BUFFER_SIZE + 1, "next");
    static char szToken[TEXT_BUFFER_SIZE + GUARD_BYTES];
    memset(szToken + TEXT_BUFFER_SIZE, GUARD, GUARD_BYTES);
    EXPECT_EQ(Pop_Token_From_String(szToken, szLine, ','), 0);
    EXPECT_EQ(strlen(szToken), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    for (int i = 0; i < GUARD_BYTES; i++)
        EXPECT_EQ(szToken[TEXT_BUFFER_SIZE + i], GUARD);
    EXPECT_STREQ(szLine, "next");
}

TEST_F(TextUtils, LineReaderLimitsWarnsOnceAndAcceptsCrLf)
{
    Reset_Line_Limit_Warning();
    FILE* pFile = Stream_Of("abcdefg\nabcd\r\nwxyz12\r\n\nlast");
    GUARDED Line(5);
    EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), 0);
    EXPECT_STREQ(Line.Bytes, "abcd");
    EXPECT_TRUE(Line.Guard_Intact());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read_Line_Limit");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Line too long in teams.csv.\n\nLimit = 5 characters.\n\nExtra character(s) ignored.");

    // Exactly four letters before a CRLF: whole, no warning, no CR kept.
    EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), 0);
    EXPECT_STREQ(Line.Bytes, "abcd");
    // A second long line is cut silently: the warning shows once per run.
    EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), 0);
    EXPECT_STREQ(Line.Bytes, "wxyz");
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), 0);
    EXPECT_STREQ(Line.Bytes, "");
    // A last line without a line feed comes back with the end flag.
    EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), 1);
    EXPECT_STREQ(Line.Bytes, "last");
    EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), 1);
    EXPECT_STREQ(Line.Bytes, "");
    EXPECT_TRUE(Line.Guard_Intact());
    fclose(pFile);

    // A file that ends with its line feed: the next read finds the end.
    pFile = Stream_Of("one\ntwo\n");
    char szLine[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Read_Line_2048(szLine, pFile), 0);
    EXPECT_STREQ(szLine, "one");
    EXPECT_EQ(Read_Line(szLine, pFile), 0);
    EXPECT_STREQ(szLine, "two");
    EXPECT_EQ(Read_Line(szLine, pFile), 1);
    EXPECT_STREQ(szLine, "");
    fclose(pFile);

    // A lone CR inside a line is data.
    pFile = Stream_Of("a\rb\r\nc");
    EXPECT_EQ(Skip_Line(pFile), 0);
    EXPECT_EQ(Read_Line(szLine, pFile), 1);
    EXPECT_STREQ(szLine, "c");
    fclose(pFile);
    pFile = Stream_Of("a\rb\r\n");
    EXPECT_EQ(Read_Line(szLine, pFile), 0);
    EXPECT_STREQ(szLine, "a\rb");
    fclose(pFile);

    EXPECT_EQ(Read_Line(szLine, nullptr), 1);
    EXPECT_STREQ(szLine, "");
    EXPECT_EQ(Skip_Line(nullptr), 1);
}

TEST_F(TextUtils, ReadLineNeverOverrunsATextBuffer)
{
    std::string Long(3 * TEXT_BUFFER_SIZE, 'm');
    FILE* pFile = Stream_Of(Long + "\nshort\n");
    static char szLine[TEXT_BUFFER_SIZE + GUARD_BYTES];
    memset(szLine + TEXT_BUFFER_SIZE, GUARD, GUARD_BYTES);
    EXPECT_EQ(Read_Line(szLine, pFile), 0);
    EXPECT_EQ(strlen(szLine), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    for (int i = 0; i < GUARD_BYTES; i++)
        EXPECT_EQ(szLine[TEXT_BUFFER_SIZE + i], GUARD);
    EXPECT_EQ(Read_Line(szLine, pFile), 0);
    EXPECT_STREQ(szLine, "short");
    fclose(pFile);
}

TEST_F(TextUtils, FilesAppendCountAndExist)
{
    SCRATCH_FOLDER Scratch("text_utils");
    ASSERT_TRUE(Scratch.Ready());
    const char* szPath = "text_utils_test_lines.txt";
    files::Delete_File(szPath);
    EXPECT_EQ(Does_File_Exist(szPath), 0);
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

    files::Delete_File(szPath);
    pFile = files::Open_File(szPath, "w");
    fclose(pFile);
    EXPECT_EQ(Count_Lines_In_File(szPath), 1);
    files::Delete_File(szPath);

    EXPECT_EQ(Count_Lines_In_File("no_such_folder/no_such_file.txt"), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.rfind("Couldn't open file: \"no_such_folder/no_such_file.txt\"", 0), 0u);
    EXPECT_EQ(Does_File_Exist("."), 0);

    errno = 80;
    EXPECT_STREQ(Get_Error_Text(), "String was truncated");
}

// ---------------------------------------------------------------------------
// Money and numbers

TEST_F(TextUtils, MoneyShortForms)
{
    auto Money = [](int n) { return Text_Of([n](char* s) { Format_Money_Short(n, s); }); };
    EXPECT_EQ(Money(0), "$0K");
    EXPECT_EQ(Money(999), "$999K");
    EXPECT_EQ(Money(1000), "$1.0M");
    EXPECT_EQ(Money(1500), "$1.5M");
    EXPECT_EQ(Money(1599), "$1.5M");       // tenths truncate
    EXPECT_EQ(Money(99999), "$99.9M");
    EXPECT_EQ(Money(100000), "$100M");
    EXPECT_EQ(Money(250000), "$250M");
    EXPECT_EQ(Money(999999), "$999M");
    EXPECT_EQ(Money(1000000), "$1.00B");
    EXPECT_EQ(Money(2345678), "$2.34B");
    EXPECT_EQ(Money(-1500), "-$1.5M");
    EXPECT_EQ(Money(-999), "-$999K");
    EXPECT_EQ(Money(INT_MIN), "-$2147.48B");
    EXPECT_EQ(Text_Of([](char* s) { Format_Money_Dollars(1500999, s); }), "$1.5M");
    EXPECT_EQ(Text_Of([](char* s) { Format_Money_Dollars(-999, s); }), "$0K");

    char szText[32] = "$1,234,567";
    EXPECT_EQ(Parse_Money_Text(szText), 1234567);
    EXPECT_STREQ(szText, "1234567");
    strcpy(szText, "-$2,000");
    EXPECT_EQ(Parse_Money_Text(szText), -2000);
    strcpy(szText, "$99,999,999,999");
    EXPECT_EQ(Parse_Money_Text(szText), INT_MAX);
}

TEST_F(TextUtils, NumbersWithCommasAndThousandths)
{
    auto Commas = [](int n) { return Text_Of([n](char* s) { Format_Number_With_Commas(n, s); }); };
    EXPECT_EQ(Commas(0), "0");
    EXPECT_EQ(Commas(999), "999");
    EXPECT_EQ(Commas(1000), "1,000");
    EXPECT_EQ(Commas(123456), "123,456");
    EXPECT_EQ(Commas(1000000), "1,000,000");
    EXPECT_EQ(Commas(-100), "-100");
    EXPECT_EQ(Commas(-1000), "-1,000");
    EXPECT_EQ(Commas(INT_MIN), "-2,147,483,648");
    EXPECT_EQ(Text_Of([](char* s) { Format_Dollars_With_Commas(1234, s); }), "$1,234");

    auto Thousandths = [](int n) { return Text_Of([n](char* s) { Format_Thousandths(n, s); }); };
    EXPECT_EQ(Thousandths(500), ".500");
    EXPECT_EQ(Thousandths(5), ".005");
    EXPECT_EQ(Thousandths(1000), "1.000");
    EXPECT_EQ(Thousandths(12345), "12.345");
    EXPECT_EQ(Thousandths(-250), "-.250");
}

TEST_F(TextUtils, OrdinalNumbers)
{
    auto Ordinal = [](int n) { return Text_Of([n](char* s) { Format_Ordinal(s, n); }); };
    const char* szExpected[][2] = {
        {"1", "1st"},     {"2", "2nd"},     {"3", "3rd"},     {"4", "4th"},     {"10", "10th"},
        {"11", "11th"},   {"12", "12th"},   {"13", "13th"},   {"21", "21st"},   {"22", "22nd"},
        {"23", "23rd"},   {"100", "100th"}, {"101", "101st"}, {"111", "111th"}, {"112", "112th"},
        {"113", "113th"}, {"121", "121st"}, {"0", "0th"},     {"-1", "-1st"},   {"1012", "1012th"},
    };
    for (auto& Row : szExpected)
        EXPECT_EQ(Ordinal(atoi(Row[0])), Row[1]);
}

TEST_F(TextUtils, NumberWords)
{
    auto Cardinal = [](int n) { return Text_Of([n](char* s) { Get_Cardinal_Words(s, n); }); };
    EXPECT_EQ(Cardinal(0), "zero");
    EXPECT_EQ(Cardinal(19), "nineteen");
    EXPECT_EQ(Cardinal(20), "twenty");
    EXPECT_EQ(Cardinal(42), "forty-two");
    EXPECT_EQ(Cardinal(100), "one hundred");
    EXPECT_EQ(Cardinal(205), "two hundred and five");
    EXPECT_EQ(Cardinal(300), "three hundred");
    EXPECT_EQ(Cardinal(1005), "one thousand and five");
    EXPECT_EQ(Cardinal(1234), "one thousand two hundred and thirty-four");
    EXPECT_EQ(Cardinal(90000), "ninety thousand");
    EXPECT_EQ(Cardinal(1001000), "one million one thousand");
    EXPECT_EQ(Cardinal(2000000005), "two billion five");
    EXPECT_EQ(Cardinal(INT_MAX), "two billion one hundred and forty-seven million four hundred and eighty-three "
                                 "thousand six hundred and forty-seven");
    EXPECT_EQ(Cardinal(-1), "Cardinal error: -1");

    auto Ordinal = [](int n) { return Text_Of([n](char* s) { Get_Ordinal_Words(s, n); }); };
    EXPECT_EQ(Ordinal(1), "first");
    EXPECT_EQ(Ordinal(12), "twelfth");
    EXPECT_EQ(Ordinal(20), "twentieth");
    EXPECT_EQ(Ordinal(21), "twenty-first");
    EXPECT_EQ(Ordinal(40), "fortieth");
    EXPECT_EQ(Ordinal(99), "ninety-ninth");
    EXPECT_EQ(Ordinal(100), "one hundredth");
    EXPECT_EQ(Ordinal(101), "one hundred and first");
    EXPECT_EQ(Ordinal(1000), "one thousandth");
    EXPECT_EQ(Ordinal(1021), "one thousand and twenty-first");
    EXPECT_EQ(Ordinal(1234), "one thousand two hundred and thirty-fourth");
    EXPECT_EQ(Ordinal(999999), "nine hundred and ninety-nine thousand nine hundred and ninety-ninth");
    EXPECT_EQ(Ordinal(0), "Ordinal error: 0");
    EXPECT_EQ(Ordinal(1000000), "Ordinal error: 1000000");
}

// ---------------------------------------------------------------------------
// Names and the string table

TEST_F(TextUtils, StringTablePositionsAndLoadLimits)
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
    EXPECT_EQ(Text_Of([](char* s) { Get_Position_Name(15, s); }), "Any Position");
    EXPECT_EQ(Text_Of([](char* s) { Get_Position_Name(16, s); }), "<Error>");
    EXPECT_EQ(Text_Of([](char* s) { Get_Position_Name(-1, s); }), "<Error>");
    EXPECT_EQ(Text_Of([](char* s) { Get_Position_Name_Lower(9, s); }), "defensive tackle");
    EXPECT_EQ(Text_Of([](char* s) { Get_Position_Name_Lower(15, s); }), "any position");
    EXPECT_EQ(Text_Of([](char* s) { Get_Position_Name_Lower(99, s); }), "<error>");

    GUARDED Small(3);
    EXPECT_EQ(Load_Resource_String(28, Small.Bytes, Small.nSize), 2);
    EXPECT_STREQ(Small.Bytes, "Qu");
    EXPECT_TRUE(Small.Guard_Intact());
    EXPECT_EQ(Load_Resource_String(9999, Small.Bytes, Small.nSize), 0);
    EXPECT_STREQ(Small.Bytes, "");
    EXPECT_STREQ(Get_Resource_String(-5), "");
    char szText[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Load_String_Text(51, szText), 9);
    EXPECT_STREQ(szText, "September");
}

TEST_F(TextUtils, DepthSlotRatingAndDateNames)
{
    auto Abbreviation = [](int n) { return Text_Of([n](char* s) { Get_Depth_Slot_Abbreviation(n, s); }); };
    auto Name = [](int n) { return Text_Of([n](char* s) { Get_Depth_Slot_Name(n, s); }); };
    EXPECT_EQ(Name(7), "Center");
    EXPECT_EQ(Abbreviation(15), "WR1");
    EXPECT_EQ(Name(15), "#1 Receiver");
    EXPECT_EQ(Abbreviation(28), "NT");
    EXPECT_EQ(Name(34), "Left Inside Linebacker");
    EXPECT_EQ(Abbreviation(42), "FS");
    EXPECT_EQ(Name(42), "Free Safety");
    EXPECT_EQ(Abbreviation(43), "");
    EXPECT_EQ(Name(-1), "");

    auto Rating = [](int n) { return Text_Of([n](char* s) { Get_Rating_Name(n, s); }); };
    EXPECT_EQ(Rating(0), "Health");
    EXPECT_EQ(Rating(13), "Kick Returns");
    EXPECT_EQ(Rating(26), "Punt Distance");
    EXPECT_EQ(Rating(27), "");
    EXPECT_EQ(Rating(-1), "");

    auto Day = [](int n) { return Text_Of([n](char* s) { Format_Day_Of_Year(n, s); }); };
    EXPECT_EQ(Day(0), "January 1");
    EXPECT_EQ(Day(31), "February 1");
    EXPECT_EQ(Day(59), "March 1");
    EXPECT_EQ(Day(364), "December 31");
    EXPECT_EQ(Day(365), "January 1");
    EXPECT_EQ(Day(-1), "December 31");
    EXPECT_EQ(Text_Of([](char* s) { Format_Date_With_Year(249, 2019, s); }), "September 7, 2019");
}

TEST_F(TextUtils, WeekNamesFollowTheCalendar)
{
    // 17 regular weeks: rounds on weeks 17-20 (counted from 0).
    Set_Regular_Season_Weeks(17);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    auto Week = [](int n) { return Text_Of([n](char* s) { Get_Week_Name(n, s); }); };
    auto Long = [](int n) { return Text_Of([n](char* s) { Get_Week_Name_Long(n, s); }); };
    EXPECT_EQ(Week(0), "Week 1");
    EXPECT_EQ(Week(16), "Week 17");
    EXPECT_EQ(Week(17), "Wild Card");
    EXPECT_EQ(Week(18), "Division Round");
    EXPECT_EQ(Week(19), "Conference Championship");
    EXPECT_EQ(Week(20), "Super Bowl");
    EXPECT_EQ(Week(21), "Offseason");
    EXPECT_EQ(Week(OFFSEASON_WEEK), "Offseason");
    Set_User_Preference(PREF_CURRENT_WEEK, 18);
    EXPECT_EQ(Week(-1), "Division Round");

    // Two leagues of four divisions with two wild cards: fields of 6.
    for (int t = 0; t < 32; t++)
        League.Team[t].nTeamStat[0] = t / 4;
    for (int t = 32; t < MAX_FRANCHISES; t++)
        League.Team[t].nTeamStat[2] = -1;
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    EXPECT_EQ(Long(17), "Wild Card");
    EXPECT_EQ(Long(18), "Division");
    EXPECT_EQ(Long(19), "Conference");
    EXPECT_EQ(Long(20), "Super Bowl");
    // One division a league and one wild card: fields of 2, so only the
    // conference round has games.
    League.Universe.nStat[WILD_CARD_TEAMS] = 1;
    for (int t = 0; t < 32; t++)
        League.Team[t].nTeamStat[0] = (t / 16) * 4;
    EXPECT_EQ(Long(17), "Bye Week");
    EXPECT_EQ(Long(18), "Bye Week");
    EXPECT_EQ(Long(19), "Conference");
    EXPECT_EQ(Week(17), "Wild Card");   // the short form never says bye

    League.Universe.nStat[FIRST_SEASON_YEAR] = 1969;
    EXPECT_EQ(Week(19), "Title Game");
    EXPECT_EQ(Long(19), "Title Game");
    // Without wild cards the league champions meet in the final at once.
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    EXPECT_EQ(Long(19), "Bye Week");

    // Fewer than two regular weeks: the playoffs still start on week 2.
    Set_Regular_Season_Weeks(0);
    EXPECT_EQ(Week(1), "Week 2");
    EXPECT_EQ(Week(2), "Wild Card");
}

TEST_F(TextUtils, TeamDisplayNames)
{
    for (int t = 2; t < MAX_FRANCHISES; t++)
        League.Team[t].nTeamStat[2] = -1;
    Set_Team_String("Boston", 0, 1);
    Set_Team_String("Harbors", 0, 2);
    Set_Team_String("Tulsa", 1, 1);
    Set_Team_String("VAZARUDU team", 1, 2);
    Errors_Reported();

    auto Full = [](int n) { return Text_Of([n](char* s) { Get_Team_Full_Name(n, s); }); };
    EXPECT_EQ(Full(0), "Boston Harbors");
    EXPECT_EQ(Full(5), "");                   // a franchise slot not in use
    EXPECT_EQ(Full(FREE_AGENT_TEAM), "Free Agent");
    EXPECT_EQ(Full(HALL_OF_FAME_TEAM), "Hall Of Fame Inductee");
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    EXPECT_EQ(Full(38), "First Round Draft Pick");
    Set_User_Preference(PREF_DRAFT_ROUND, 20);
    EXPECT_EQ(Full(40), "Twenty-first Round Draft Pick");
    EXPECT_EQ(Full(NO_TEAM), "");
    EXPECT_EQ(Full(-1), "");

    auto City = [](int n) { return Text_Of([n](char* s) { Get_Team_City(n, s); }); };
    EXPECT_EQ(City(0), "Boston");
    EXPECT_EQ(City(-1), "NFL Average");
    EXPECT_EQ(City(ALL_TEAMS), "NFL Average");   // -1 as a team byte
    EXPECT_EQ(City(NO_TEAM), "");
    EXPECT_EQ(City(37), "");
    EXPECT_EQ(City(FREE_AGENT_TEAM), "Free Agent");

    auto Nickname = [](int n) { return Text_Of([n](char* s) { Get_Team_Nickname(n, s); }); };
    EXPECT_EQ(Nickname(0), "Harbors");
    EXPECT_EQ(Nickname(38), "");

    auto Short = [](int n) { return Text_Of([n](char* s) { Get_Team_Short_Name(n, s); }); };
    EXPECT_EQ(Short(0), "Harbors");
    EXPECT_EQ(Short(1), "Tulsa");
    EXPECT_EQ(Short(40), "");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TextUtils, NameTextsWriteOnlyTheTextAndItsTerminator)
{
    // A caller's buffer sized for the longest name it asks for is enough:
    // nothing past the terminator is touched.
    GUARDED Rating(14);
    Get_Rating_Name(25, Rating.Bytes);       // "Punt Accuracy", 13 characters
    EXPECT_STREQ(Rating.Bytes, "Punt Accuracy");
    EXPECT_TRUE(Rating.Guard_Intact());

    GUARDED Position(8, 'p');
    Get_Position_Name(16, Position.Bytes);   // "<Error>"
    EXPECT_STREQ(Position.Bytes, "<Error>");
    EXPECT_TRUE(Position.Guard_Intact());

    GUARDED Empty(1, 'e');
    Get_Depth_Slot_Name(43, Empty.Bytes);
    EXPECT_EQ(Empty.Bytes[0], '\0');
    EXPECT_TRUE(Empty.Guard_Intact());

    GUARDED Money(6, 'm');
    Format_Money_Short(1500, Money.Bytes);   // "$1.5M"
    EXPECT_STREQ(Money.Bytes, "$1.5M");
    EXPECT_TRUE(Money.Guard_Intact());
}

TEST_F(TextUtils, ManagerFacesFollowTheSeason)
{
    auto Face = [](int n) { return Text_Of([n](char* s) { Get_Gm_Face_Image_Path(n, s); }); };
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    EXPECT_EQ(Face(0), "dialogs/faces/gm0.jpg");
    EXPECT_EQ(Face(5), "dialogs/faces/gm19.jpg");     // 55 mod 36
    // From season index 16 on, k below index - 15 moves to the second set.
    Set_User_Preference(PREF_SEASON_INDEX, 40);
    EXPECT_EQ(Face(0), "dialogs/faces/gm36.jpg");     // (0 + 36) mod 45
    EXPECT_EQ(Face(5), "dialogs/faces/gm10.jpg");     // (19 + 36) mod 45
    EXPECT_EQ(Face(3), "dialogs/faces/gm33.jpg");     // 33 is not below 25
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
    strcpy(szText, "   x y ");
    Trim_Leading_Blanks(szText);
    EXPECT_STREQ(szText, "x y ");
    strcpy(szText, " \tx\ty");              // the empty first field stays
    Trim_Leading_Blanks(szText);
    EXPECT_STREQ(szText, "\tx\ty");

    strcpy(szText, "Hello World");
    EXPECT_EQ(Find_Text_No_Case(szText, "WORLD"), szText + 6);
    EXPECT_EQ(Find_Text_No_Case(szText, ""), szText);
    EXPECT_EQ(Find_Text_No_Case(szText, "worlds"), nullptr);
    EXPECT_EQ(Is_Same_Text_No_Case("Bears", "bEARS"), 1);
    EXPECT_EQ(Is_Same_Text_No_Case("Bears", "Bear"), 0);
    EXPECT_EQ(Is_Same_Text_No_Case("", ""), 1);
    EXPECT_EQ(Is_Same_Text_No_Case("\xc9t\xe9", "\xe9T\xe9"), 0);   // only ASCII letters fold
    const char szUnterminated[3] = {'a', 'B', 'c'};
    EXPECT_EQ(Is_Same_Text_No_Case(szUnterminated, "Ab"), 0);           // stops at the first difference

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
    strcpy(szText, "7");
    Pad_Text_Left_2(szText, 3);
    EXPECT_STREQ(szText, "    7");
    strcpy(szText, "11");
    Pad_Text_Left_2(szText, 3);
    EXPECT_STREQ(szText, "   11");
    strcpy(szText, "123");
    Pad_Text_Left_2(szText, 2);
    EXPECT_STREQ(szText, "123");
    // Padding never runs past a text buffer.
    static char szWide[TEXT_BUFFER_SIZE + GUARD_BYTES];
    memset(szWide + TEXT_BUFFER_SIZE, GUARD, GUARD_BYTES);
    strcpy(szWide, "x");
    Pad_Text_Left(szWide, 100000);
    EXPECT_EQ(strlen(szWide), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    EXPECT_EQ(szWide[TEXT_BUFFER_SIZE - 2], 'x');
    for (int i = 0; i < GUARD_BYTES; i++)
        EXPECT_EQ(szWide[TEXT_BUFFER_SIZE + i], GUARD);
}
