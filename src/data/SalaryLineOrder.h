#pragma once

class TSalaryDM;

// Order and removal of the open document's lines (SalaryItemZQ), as the
// editor's "Na gore", "Na dole", "Izbriši" and "Izbriši sve" do them.

// -1 moves the current line up, +1 down; true when such a move is possible:
// the lines are ordered by "sort", not being edited, and the line has a
// neighbour on that side.
bool SalaryItemMayMove(const TSalaryDM& dm, int step);
// Swaps the "sort" of the current line and its neighbour and reorders the
// lines; the moved line stays current. Nothing happens when it may not move.
void SalaryItemMove(TSalaryDM& dm, int step);
// Deletes the current line after the host's question for deletes; the lines
// after it close up their "sort". Cached until the document is applied.
void SalaryItemDelete(TSalaryDM& dm);
// Deletes every line of the document without asking for each one (the
// caller asked once). The deletions are cached until the document is applied.
void SalaryItemsDeleteAll(TSalaryDM& dm);
