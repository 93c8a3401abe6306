// Windows-1252 text at the window's edge: which bytes are characters, the
// conversion to and from UTF-8 (byte values from the Windows-1252 table),
// and the "&" mnemonics of captions.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui_text.h"

TEST(UiTextTest, Windows1252BytesAndUtf8BothWays)
{
    // The five holes of the table and the controls other than tab, CR, LF.
    for (unsigned char c : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x01, 0x1B, 0x7F})
        EXPECT_FALSE(Is_Windows_1252_Char(c)) << int(c);
    for (unsigned char c : {0x09, 0x0A, 0x0D, 0x20, 0x41, 0x80, 0x96, 0x9F, 0xA0, 0xE9, 0xFF})
        EXPECT_TRUE(Is_Windows_1252_Char(c)) << int(c);
    EXPECT_TRUE(Is_Windows_1252_Text("Ren\xE9\x96" "QB"));
    EXPECT_FALSE(Is_Windows_1252_Text("ab\x90"));

    // Euro 0x80 = U+20AC, en dash 0x96 = U+2013, e acute 0xE9 = U+00E9,
    // S caron 0x8A = U+0160; a hole shows as U+FFFD.
    EXPECT_EQ(Windows_1252_To_Utf8("\x80\x96\xE9\x8A"), "\xE2\x82\xAC\xE2\x80\x93\xC3\xA9\xC5\xA0");
    EXPECT_EQ(Windows_1252_To_Utf8("a\x81"), "a\xEF\xBF\xBD");
    std::string Out;
    ASSERT_TRUE(Utf8_To_Windows_1252("\xE2\x82\xAC 5 \xC3\xA9\xE2\x80\x93\xC5\xA0", Out));
    EXPECT_EQ(Out, "\x80 5 \xE9\x96\x8A");
    // L stroke (U+0141) has no byte; a lone lead byte and an overlong "/" are malformed.
    EXPECT_FALSE(Utf8_To_Windows_1252("\xC5\x81", Out));
    EXPECT_EQ(Out, "");
    EXPECT_FALSE(Utf8_To_Windows_1252("ab\xC3", Out));
    EXPECT_FALSE(Utf8_To_Windows_1252("\xC0\xAF", Out));
    EXPECT_FALSE(Utf8_To_Windows_1252("\x01", Out));
    // Pasted text keeps what it can.
    EXPECT_EQ(Utf8_To_Windows_1252_Lossy("a\xC5\x81" "b\xE2\x82\xAC\xFF"), "ab\x80");
}

TEST(UiTextTest, MnemonicsAreMarkedByOneAmpersandAndTwoShowOne)
{
    int nIndex = 99;
    EXPECT_EQ(Strip_Mnemonic("&Save", &nIndex), "Save");
    EXPECT_EQ(nIndex, 0);
    EXPECT_EQ(Strip_Mnemonic("Kick && Punt Returns", &nIndex), "Kick & Punt Returns");
    EXPECT_EQ(nIndex, -1);
    EXPECT_EQ(Strip_Mnemonic("S&&L &Loans", &nIndex), "S&L Loans");
    EXPECT_EQ(nIndex, 4);
    EXPECT_EQ(Strip_Mnemonic("&a&b", &nIndex), "ab");   // the first mark counts
    EXPECT_EQ(nIndex, 0);
    EXPECT_EQ(Strip_Mnemonic("end&", &nIndex), "end");
    EXPECT_EQ(nIndex, -1);
    EXPECT_EQ(Mnemonic_Char("Re&play Mode"), 'p');
    EXPECT_EQ(Mnemonic_Char("&Quit"), 'q');
    EXPECT_EQ(Mnemonic_Char("Salary && Contract"), 0);
}
