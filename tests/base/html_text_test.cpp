// The page toolkit: escaping, file names made from data, and the UTF-8
// spelling of a Windows-1252 name on disk.

#include <gtest/gtest.h>

#include <string>

#include "base/html_text.h"

TEST(HtmlTextTest, EscapingCoversTextAndDoubleQuotedAttributes)
{
    EXPECT_EQ(Escape_Html("Smith & Sons <\"QB\">"), "Smith &amp; Sons &lt;&quot;QB&quot;&gt;");
    EXPECT_EQ(Escape_Html("O'Neil \xE9t\xE9"), "O'Neil \xE9t\xE9");   // other bytes unchanged
    EXPECT_EQ(Escape_Html(""), "");
    std::string Out = "x";
    Append_Escaped_Html(Out, "&amp;");
    EXPECT_EQ(Out, "x&amp;amp;");
    EXPECT_EQ(Html_Link("..\\teams\\A&B.htm"), "..\\teams\\A&amp;B.htm");
}

TEST(HtmlTextTest, FileNamesFromDataStayInTheirFolder)
{
    EXPECT_EQ(Sanitise_File_Name("Chicago Bears"), "Chicago Bears");
    EXPECT_EQ(Sanitise_File_Name("Lee, Ann 5150"), "Lee, Ann 5150");
    EXPECT_EQ(Sanitise_File_Name("../../etc/passwd"), ".._.._etc_passwd");
    // Bytes with no Windows-1252 character have no spelling on disk either.
    EXPECT_EQ(Sanitise_File_Name("a\x81" "b\x9D"), "a_b_");
    EXPECT_EQ(Sanitise_File_Name("Jos\xE9"), "Jos\xE9");
    EXPECT_EQ(Sanitise_File_Name("a\\b/c"), "a_b_c");
    EXPECT_EQ(Sanitise_File_Name("A#1?x%20"), "A_1_x_20");
    EXPECT_EQ(Sanitise_File_Name(std::string("tab\there\x7f", 9)), "tab_here_");
    EXPECT_EQ(Sanitise_File_Name(".."), "_..");
    EXPECT_EQ(Sanitise_File_Name("."), "_.");
    EXPECT_EQ(Sanitise_File_Name(""), "_");
}

TEST(HtmlTextTest, WindowsNamesAreSpelledInUtf8OnDisk)
{
    EXPECT_EQ(Windows_1252_To_Utf8("Jos\xE9"), "Jos\xC3\xA9");
    EXPECT_EQ(Windows_1252_To_Utf8("\x80"), "\xE2\x82\xAC");   // the euro sign
    EXPECT_EQ(Windows_1252_To_Utf8("\x8A"), "\xC5\xA0");       // S with caron
    // A byte with no character never reaches the disk: the sanitiser takes it.
    EXPECT_EQ(Windows_1252_To_Utf8(Sanitise_File_Name("\x81")), "_");
    EXPECT_EQ(Windows_1252_To_Utf8("plain"), "plain");
}
