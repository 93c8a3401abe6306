// Text between the model and the desktop: the model holds Windows-1252 bytes,
// GTK takes and gives UTF-8. These conversions happen here and nowhere else
// (the clipboard uses them too). No GTK header is needed to use them.
#pragma once

#include <string>

namespace gtk_text {

// Windows-1252 bytes to UTF-8. The five bytes 1252 leaves unassigned map to
// the control characters of the same value, as Windows does, so every byte
// string survives the trip there and back.
std::string To_Utf8(const std::string& Text);

// UTF-8 to Windows-1252. False (Out unchanged) when the text holds a
// character 1252 cannot hold or is not valid UTF-8: the caller refuses it.
bool From_Utf8(const std::string& Utf8, std::string& Out);

// UTF-8 to Windows-1252, leaving out every character 1252 cannot hold (and
// any byte that is not valid UTF-8): what a paste from elsewhere gives.
std::string Keep_1252(const std::string& Utf8);

// A control's caption for GTK: "&x" marks the mnemonic ("_x" there), "&&"
// is a literal "&", and a literal "_" is doubled so that GTK shows it.
// The result is UTF-8.
std::string Mnemonic_Label(const std::string& Text);
// The caption without its mnemonic mark ("&&" becomes "&"), as UTF-8.
std::string Plain_Label(const std::string& Text);
// The letter a caption marks (lower case), 0 when none.
char Mnemonic_Letter(const std::string& Text);

}  // namespace gtk_text
