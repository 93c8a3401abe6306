// The pictures of the league's clubs and of the game's skin: a club's logo
// file, and the game's skin handed to the picture services.
#pragma once

#include <string>

// The club's logo: "logos\\<abbreviation>.png", else the same name with
// ".jpg", else ".gif", the first that exists. True with its path in Path;
// false when none exists (Path then names the ".png") or the club has no
// abbreviation that can name a file (Path empty; a bad team is reported).
bool Get_Team_Logo_File(int nTeam, std::string& Path);

// Makes the game's skin (its name in the league) the skin the picture
// services read (Get_Skin_File_Path); an empty name gives the default skin.
void Use_League_Skin();
// Stores the game's skin (cut at 1,023 characters, zero-filled after it)
// and makes it the skin the picture services read.
void Set_League_Skin(const char* szSkin);
