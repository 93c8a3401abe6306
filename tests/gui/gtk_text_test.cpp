// Text between the model (Windows-1252) and GTK (UTF-8), and the captions'
// mnemonics. The expected bytes are the code charts': 0x80 is the euro sign
// U+20AC (E2 82 AC), 0x96 the en dash U+2013 (E2 80 93), 0xE9 e acute U+00E9
// (C3 A9).

#include <gtest/gtest.h>

#include "platform/gtk/gtk_text.h"

TEST(GtkText, ConvertsWindows1252BothWaysAndRefusesWhatItCannotHold)
{
    EXPECT_EQ(gtk_text::To_Utf8("A\x80" "B"), "A\xE2\x82\xAC" "B");
    EXPECT_EQ(gtk_text::To_Utf8("1\x96" "2"), "1\xE2\x80\x93" "2");
    EXPECT_EQ(gtk_text::To_Utf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(gtk_text::To_Utf8("\x9F"), "\xC5\xB8");   // Y diaeresis U+0178

    std::string Out = "kept";
    EXPECT_TRUE(gtk_text::From_Utf8("caf\xC3\xA9 \xE2\x82\xAC" "5 \xE2\x80\x93", Out));
    EXPECT_EQ(Out, "caf\xE9 \x80" "5 \x96");
    // An arrow (U+2192) has no byte in 1252: refused, Out untouched.
    Out = "kept";
    EXPECT_FALSE(gtk_text::From_Utf8("a\xE2\x86\x92" "b", Out));
    EXPECT_EQ(Out, "kept");
    // Malformed UTF-8: a lone continuation byte, a cut-short sequence, an
    // overlong "/".
    EXPECT_FALSE(gtk_text::From_Utf8("\x80", Out));
    EXPECT_FALSE(gtk_text::From_Utf8("a\xC3", Out));
    EXPECT_FALSE(gtk_text::From_Utf8("\xC0\xAF", Out));
    // A paste keeps what 1252 holds and leaves the rest out.
    EXPECT_EQ(gtk_text::Keep_1252("a\xE2\x86\x92" "b\xC3\xA9\xF0\x9F\x98\x80" "c"), "ab\xE9" "c");
    // Every byte survives the trip there and back.
    std::string All;
    for (int c = 1; c < 256; ++c)
        All += static_cast<char>(c);
    std::string Back;
    ASSERT_TRUE(gtk_text::From_Utf8(gtk_text::To_Utf8(All), Back));
    EXPECT_EQ(Back, All);
}

TEST(GtkText, CaptionsMarkTheirMnemonicAsGtkDoes)
{
    EXPECT_EQ(gtk_text::Mnemonic_Label("&Done"), "_Done");
    EXPECT_EQ(gtk_text::Mnemonic_Label("Kick && Punt Returns"), "Kick & Punt Returns");
    EXPECT_EQ(gtk_text::Mnemonic_Label("Salary && &Contract"), "Salary & _Contract");
    EXPECT_EQ(gtk_text::Mnemonic_Label("snake_case"), "snake__case");
    EXPECT_EQ(gtk_text::Mnemonic_Label("trailing&"), "trailing");
    EXPECT_EQ(gtk_text::Plain_Label("&Save && Quit"), "Save & Quit");
    EXPECT_EQ(gtk_text::Mnemonic_Letter("&Save"), 's');
    EXPECT_EQ(gtk_text::Mnemonic_Letter("Kick && &Punt"), 'p');
    EXPECT_EQ(gtk_text::Mnemonic_Letter("Kick && Punt"), 0);
}
