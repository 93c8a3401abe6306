// The column layouts of the player lists, kept in the 16-bit preference
// slots: list kind k (0 Sortable Stats, 1 Free Agents, 2 draft pool, 3 Find
// Players) holds its column count in slot 240 + 20k, its sort column (code +
// 1, signed; 0 none) in 241 + 20k and up to 18 column codes from 242 + 20k
// (-1 empty).
#pragma once

constexpr int LIST_KIND_COUNT = 4;
constexpr int LIST_COLUMN_SLOTS = 18;
constexpr int LIST_LAYOUT_FIRST_SLOT = 240;
constexpr int LIST_LAYOUT_STRIDE = 20;
// Default rows: 0-3 the list kinds', 4-14 the column chooser's groups.
constexpr int LIST_DEFAULT_ROW_COUNT = 15;

// The code at nIndex of default column row nRow (0-3 the defaults of the
// four list kinds, 4-14 the chooser's groups); -1 past the end of the row or
// for any other row.
int Get_Default_List_Column(int nRow, int nIndex);

// Writes the default layout of each of the four list kinds into its slots:
// the codes, -1 in the unused code slots, sort column 0 and the count.
void Reset_List_Columns();
