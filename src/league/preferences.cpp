#include "league/preferences.h"

#include "platform/errors.h"

int Get_User_Preference(int nPreference)
{
    // One unsigned comparison refuses negative slots as well as high ones.
    if (static_cast<unsigned>(nPreference) >= static_cast<unsigned>(PREFERENCE_SLOTS)) {
        Report_Error("nPreference out of bounds in %s([%d])", __func__, nPreference);
        return 0;
    }
    if (nPreference < PREFERENCE_INT32_SLOTS)
        return League.Preferences.nInt[nPreference];
    return League.Preferences.nShort[nPreference - PREFERENCE_INT32_SLOTS];
}

void Set_User_Preference(int nPreference, int nValue)
{
    if (static_cast<unsigned>(nPreference) >= static_cast<unsigned>(PREFERENCE_SLOTS)) {
        Report_Error("nPreference out of bounds in %s([%d],%d)", __func__, nPreference, nValue);
        return;
    }
    if (nPreference < PREFERENCE_INT32_SLOTS) {
        League.Preferences.nInt[nPreference] = nValue;
    } else {
        // Keep the low 16 bits; the reader sign-extends them.
        League.Preferences.nShort[nPreference - PREFERENCE_INT32_SLOTS] =
            static_cast<int16_t>(static_cast<uint16_t>(nValue & 0xFFFF));
    }
}
