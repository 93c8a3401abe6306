// Money and number texts, number words and calendar dates.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/int_math.h"
#include "base/text_utils.h"
#include "platform/resources.h"

namespace {

constexpr int ID_MONTH_FIRST = 43;
constexpr int ID_ORDINAL_FIRST = 74;        // "first" .. "nineteenth"
constexpr int ID_ORDINAL_STEM_FIRST = 93;   // "twent" .. "ninet"
constexpr int ID_CARDINAL_FIRST = 101;      // "zero" .. "nineteen"
constexpr int ID_TENS_FIRST = 121;          // "twenty" .. "ninety"
constexpr int ID_ORDINAL_SUFFIX_FIRST = 129;

// No leap years in the league's calendar.
constexpr int MONTH_LENGTHS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string Format(const char* szFormat, long long n)
{
    char szText[64];
    snprintf(szText, sizeof(szText), szFormat, n);
    return szText;
}

std::string Resource(int nId)
{
    return Get_Resource_String(nId);
}

std::string Cardinal_Words(int64_t n)
{
    if (n < 0)
        return Format("Cardinal error: %lld", n);
    if (n < 20)
        return Resource(ID_CARDINAL_FIRST + static_cast<int>(n));
    if (n >= 1000000000) {
        std::string Text = Cardinal_Words(n / 1000000000) + " billion";
        return n % 1000000000 == 0 ? Text : Text + " " + Cardinal_Words(n % 1000000000);
    }
    if (n >= 1000000) {
        std::string Text = Cardinal_Words(n / 1000000) + " million";
        return n % 1000000 == 0 ? Text : Text + " " + Cardinal_Words(n % 1000000);
    }
    if (n >= 1000) {
        std::string Text = Cardinal_Words(n / 1000) + " thousand";
        int64_t nRest = n % 1000;
        if (nRest == 0)
            return Text;
        return Text + (nRest < 100 ? " and " : " ") + Cardinal_Words(nRest);
    }
    if (n >= 100) {
        std::string Text = Cardinal_Words(n / 100) + " hundred";
        return n % 100 == 0 ? Text : Text + " and " + Cardinal_Words(n % 100);
    }
    std::string Tens = Resource(ID_TENS_FIRST + static_cast<int>(n / 10) - 2);
    return n % 10 == 0 ? Tens : Tens + "-" + Resource(ID_CARDINAL_FIRST + static_cast<int>(n % 10));
}

std::string Ordinal_Words(int n)
{
    if (n < 1 || n > 999999)
        return Format("Ordinal error: %lld", n);
    if (n >= 1000) {
        if (n % 1000 == 0)
            return Cardinal_Words(n / 1000) + " thousandth";
        int nRest = n % 1000;
        return Cardinal_Words(n / 1000) + (nRest < 100 ? " thousand and " : " thousand ") + Ordinal_Words(nRest);
    }
    if (n >= 100) {
        if (n % 100 == 0)
            return Cardinal_Words(n / 100) + " hundredth";
        return Cardinal_Words(n / 100) + " hundred and " + Ordinal_Words(n % 100);
    }
    if (n < 20)
        return Resource(ID_ORDINAL_FIRST + n - 1);
    std::string Stem = Resource(ID_ORDINAL_STEM_FIRST + n / 10 - 2);
    if (n % 10 == 0)
        return Stem + "ieth";
    return Stem + "y-" + Ordinal_Words(n % 10);
}

// Digits of a magnitude with a comma before every group of three.
std::string Group_Digits(uint64_t nMagnitude)
{
    std::string Digits = std::to_string(nMagnitude);
    std::string Text;
    size_t nCount = Digits.size();
    for (size_t i = 0; i < nCount; i++) {
        if (i > 0 && (nCount - i) % 3 == 0)
            Text += ',';
        Text += Digits[i];
    }
    return Text;
}

uint64_t Magnitude(int n)
{
    return n < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(n)) : static_cast<uint64_t>(n);
}

std::string Day_Of_Year_Text(int nDay)
{
    int d = nDay % 365;
    if (d < 0)
        d += 365;
    int nMonth = 0;
    while (nMonth < 11 && d >= MONTH_LENGTHS[nMonth]) {
        d -= MONTH_LENGTHS[nMonth];
        nMonth++;
    }
    return Resource(ID_MONTH_FIRST + nMonth) + " " + std::to_string(d + 1);
}

}  // namespace

// Copies a text into a caller's buffer of nSize bytes. Only the text and its
// terminator are written, so the rest of the buffer keeps its bytes.
void Put_Text(char* szBuffer, size_t nSize, const std::string& Text)
{
    if (szBuffer == nullptr || nSize == 0)
        return;
    size_t nCopy = Text.size() + 1 < nSize ? Text.size() + 1 : nSize;
    if (nCopy > static_cast<size_t>(INT32_MAX))
        nCopy = INT32_MAX;
    safe_strncpy(szBuffer, Text.c_str(), static_cast<int>(nCopy));
}

// ---------------------------------------------------------------------------
// Money and numbers

void Format_Money_Short(int nThousands, char* szBuffer, size_t nSize)
{
    uint64_t a = Magnitude(nThousands);
    char szText[64];
    const char* szSign = nThousands < 0 ? "-" : "";
    if (a >= 1000000)
        snprintf(szText, sizeof(szText), "%s$%llu.%02lluB", szSign, static_cast<unsigned long long>(a / 1000000),
                 static_cast<unsigned long long>(a % 1000000 / 10000));
    else if (a >= 100000)
        snprintf(szText, sizeof(szText), "%s$%lluM", szSign, static_cast<unsigned long long>(a / 1000));
    else if (a >= 1000)
        snprintf(szText, sizeof(szText), "%s$%llu.%lluM", szSign, static_cast<unsigned long long>(a / 1000),
                 static_cast<unsigned long long>(a % 1000 / 100));
    else
        snprintf(szText, sizeof(szText), "%s$%lluK", szSign, static_cast<unsigned long long>(a));
    Put_Text(szBuffer, nSize, szText);
}

void Format_Money_Dollars(int nDollars, char* szBuffer, size_t nSize)
{
    Format_Money_Short(nDollars / 1000, szBuffer, nSize);
}

int Parse_Money_Text(char* szText)
{
    if (szText == nullptr)
        return 0;
    Remove_Char_From_String(szText, '$');
    Remove_Char_From_String(szText, ',');
    return Clamp_To_Int(strtoll(szText, nullptr, 10));
}

void Format_Number_With_Commas(int n, char* szBuffer, size_t nSize)
{
    // The sign stands before the first group: -1,000, never -,100.
    std::string Text = n < 0 ? "-" : "";
    Text += Group_Digits(Magnitude(n));
    Put_Text(szBuffer, nSize, Text);
}

void Format_Dollars_With_Commas(int n, char* szBuffer, size_t nSize)
{
    std::string Text = n < 0 ? "$-" : "$";
    Text += Group_Digits(Magnitude(n));
    Put_Text(szBuffer, nSize, Text);
}

void Format_Thousandths(int n, char* szBuffer, size_t nSize)
{
    uint64_t a = Magnitude(n);
    char szText[64];
    // A negative value keeps its sign in front: -.250, -1.500.
    const char* szSign = n < 0 ? "-" : "";
    if (a < 1000)
        snprintf(szText, sizeof(szText), "%s.%03llu", szSign, static_cast<unsigned long long>(a));
    else
        snprintf(szText, sizeof(szText), "%s%llu.%03llu", szSign, static_cast<unsigned long long>(a / 1000),
                 static_cast<unsigned long long>(a % 1000));
    Put_Text(szBuffer, nSize, szText);
}

void Format_Ordinal(char* szBuffer, size_t nSize, int n)
{
    uint64_t a = Magnitude(n);
    // The teens of every hundred take "th": 11th, 12th, 113th.
    int nLast = static_cast<int>(a % 10);
    int nId = (a / 10) % 10 == 1 ? ID_ORDINAL_SUFFIX_FIRST : ID_ORDINAL_SUFFIX_FIRST + (nLast < 4 ? nLast : 4);
    Put_Text(szBuffer, nSize, std::to_string(n) + Resource(nId));
}

void Get_Cardinal_Words(char* szBuffer, size_t nSize, int n)
{
    Put_Text(szBuffer, nSize, Cardinal_Words(n));
}

void Get_Ordinal_Words(char* szBuffer, size_t nSize, int n)
{
    Put_Text(szBuffer, nSize, Ordinal_Words(n));
}

// ---------------------------------------------------------------------------
// Dates

void Format_Day_Of_Year(int nDay, char* szBuffer, size_t nSize)
{
    Put_Text(szBuffer, nSize, Day_Of_Year_Text(nDay));
}

void Format_Date_With_Year(int nDay, int nYear, char* szBuffer, size_t nSize)
{
    Put_Text(szBuffer, nSize, Day_Of_Year_Text(nDay) + ", " + std::to_string(nYear));
}
