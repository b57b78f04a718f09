#pragma once

#include <string>
#include <vector>

namespace zentrova {

// The lists of texts the user edits one row at a time (the batch list, the Deep Promotion
// links) and the row chosen in them, -1 for none. An edit tells whether it changed the list;
// the list's owner then notifies its views and marks whatever else the change touches.

// Chooses the row, or none when it is not a row of the list.
void ChooseRow(const std::vector<std::string>& rows, int& chosen, int row);
// Removes the chosen row; the row that takes its place, or else the new last row, is chosen.
bool RemoveChosenRow(std::vector<std::string>& rows, int& chosen);
// Swaps the chosen row with its neighbour above (step -1) or below (step +1) and chooses the
// neighbour's place; at either end nothing moves.
bool MoveChosenRow(std::vector<std::string>& rows, int& chosen, int step);

}  // namespace zentrova
