// Windows-1252 text in the ui model: the checks an edit makes, the
// conversion to and from UTF-8 that the desktop backend and the clipboard
// make, and the "&" mnemonics of captions.
#pragma once

#include <string>

// True for a byte Windows-1252 gives a character (every byte but 0x81,
// 0x8D, 0x8F, 0x90 and 0x9D, and the controls other than tab, CR and LF).
bool Is_Windows_1252_Char(unsigned char c);
// True when every byte of Text is one.
bool Is_Windows_1252_Text(const std::string& Text);
// Windows-1252 to UTF-8 (bytes with no character become U+FFFD).
std::string Windows_1252_To_Utf8(const std::string& Text);
// UTF-8 to Windows-1252; false (Out emptied) when a character has no
// Windows-1252 byte or the UTF-8 is malformed.
bool Utf8_To_Windows_1252(const std::string& Utf8, std::string& Out);
// The same, dropping what cannot be converted (pasted text).
std::string Utf8_To_Windows_1252_Lossy(const std::string& Utf8);

// The caption without its mnemonic marks ("&Save" -> "Save", "Kick && Punt"
// -> "Kick & Punt"); *pIndex gets the index in the result of the marked
// character, -1 when none.
std::string Strip_Mnemonic(const std::string& Text, int* pIndex = nullptr);
// The marked character, lower-cased; 0 when none.
char Mnemonic_Char(const std::string& Text);
