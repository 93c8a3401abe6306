// The reading rule for outside text files: quoted fields, bounded numbers,
// line ends, byte-order marks, UTF-8 names and what is not a regular file.

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "base/input_file.h"
#include "test_support.h"

namespace {

std::string Pop_All(const char* szLine)
{
    char szCopy[256];
    snprintf(szCopy, sizeof(szCopy), "%s", szLine);
    std::string Out;
    char szField[64];
    for (;;) {
        int nLast = Pop_Input_Field(szField, szCopy);
        Out += "[";
        Out += szField;
        Out += "]";
        if (nLast)
            break;
    }
    return Out;
}

TEST(InputFileTest, FieldsQuotedOnlyWhenTheyStartWithAQuote)
{
    EXPECT_EQ(Pop_All("a,b,,c"), "[a][b][][c]");
    EXPECT_EQ(Pop_All("\"$1,250,000\",x"), "[$1,250,000][x]");
    EXPECT_EQ(Pop_All("6'2\",200"), "[6'2\"][200]");
    EXPECT_EQ(Pop_All("\"say \"\"hi\"\"\",1"), "[say \"hi\"][1]");
    EXPECT_EQ(Pop_All("\"open to the end"), "[open to the end]");
    EXPECT_EQ(Pop_All(""), "[]");
    EXPECT_EQ(Pop_All("last,"), "[last][]");
    // A field longer than the buffer is cut, and the next field is intact.
    char szLine[] = "abcdefghij,k";
    char szSmall[4];
    EXPECT_EQ(Pop_Input_Field(szSmall, szLine), 0);
    EXPECT_STREQ(szSmall, "abc");
    EXPECT_STREQ(szLine, "k");
}

TEST(InputFileTest, NumbersAreBoundedAndNeverNonFinite)
{
    EXPECT_EQ(Parse_Input_Int("42abc"), 42);
    EXPECT_EQ(Parse_Input_Int("  -17"), -17);
    EXPECT_EQ(Parse_Input_Int(""), 0);
    EXPECT_EQ(Parse_Input_Int("abc"), 0);
    EXPECT_EQ(Parse_Input_Int("99999999999999999999"), 1000000000);
    EXPECT_EQ(Parse_Input_Int("-5000000000"), -1000000000);
    EXPECT_EQ(Parse_Input_Money("$1,250,000"), 1250000LL);
    EXPECT_EQ(Parse_Input_Money("$5,000,000,000"), 1000000000LL);
    EXPECT_EQ(Parse_Input_Money("-5"), -5LL);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("9.5"), 9.5);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal(".25"), 0.25);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("inf"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("nan"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("1e400"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("1e12"), 1e9);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal(""), 0.0);
}

TEST(InputFileTest, LinesLoseTheirMarkAndEndsAndUtf8BecomesWindows1252)
{
    SCRATCH_FOLDER Scratch("input_file");
    {
        FILE* p = fopen("a.csv", "wb");
        ASSERT_NE(p, nullptr);
        // Byte-order mark, CRLF, an accented name in UTF-8, a sign with no
        // Windows-1252 byte, an 8-bit line, a last line without its end.
        fputs("\xEF\xBB\xBFID,Name\r\n1,Jos\xC3\xA9\r\n2,\xE2\x82\xAC \xE2\x98\x83\r\n3,Ren\xE9\r\n4,last\r", p);
        fclose(p);
    }
    FILE* p = Open_Input_File("A.CSV");
    ASSERT_NE(p, nullptr);
    char szLine[64];
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "ID,Name");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "1,Jos\xE9");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "2,\x80 ?");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "3,Ren\xE9");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 1);
    EXPECT_STREQ(szLine, "4,last");
    fclose(p);

    // Only regular files open.
    ASSERT_EQ(mkdir("folder.csv", 0755), 0);
    EXPECT_EQ(Open_Input_File("folder.csv"), nullptr);
    ASSERT_EQ(mkfifo("pipe.csv", 0644), 0);
    EXPECT_EQ(Open_Input_File("pipe.csv"), nullptr);
    EXPECT_EQ(Open_Input_File("missing.csv"), nullptr);
    EXPECT_EQ(Open_Input_File(""), nullptr);
}

TEST(InputFileTest, NamesThatMayNameFiles)
{
    EXPECT_TRUE(Is_Plain_External_Id("SmitJo00"));
    EXPECT_TRUE(Is_Plain_External_Id("A"));
    EXPECT_TRUE(Is_Plain_External_Id("ABCDEFGHIJK"));
    EXPECT_FALSE(Is_Plain_External_Id("ABCDEFGHIJKL"));
    EXPECT_FALSE(Is_Plain_External_Id(""));
    EXPECT_FALSE(Is_Plain_External_Id("../x"));
    EXPECT_FALSE(Is_Plain_External_Id("a b"));
    EXPECT_TRUE(Is_Plain_File_Name_Part("Bears"));
    EXPECT_FALSE(Is_Plain_File_Name_Part("a/b"));
    EXPECT_FALSE(Is_Plain_File_Name_Part("a\\b"));
    EXPECT_FALSE(Is_Plain_File_Name_Part(".."));
    EXPECT_FALSE(Is_Plain_File_Name_Part("a\tb"));
    EXPECT_FALSE(Is_Plain_File_Name_Part(""));
}

} // namespace
