#include "program/chosen_row.h"

#include <algorithm>
#include <utility>

namespace zentrova {
namespace {

bool IsRow(const std::vector<std::string>& rows, int row) {
  return row >= 0 && row < static_cast<int>(rows.size());
}

}  // namespace

void ChooseRow(const std::vector<std::string>& rows, int& chosen, int row) {
  chosen = IsRow(rows, row) ? row : -1;
}

bool RemoveChosenRow(std::vector<std::string>& rows, int& chosen) {
  if (!IsRow(rows, chosen)) {
    return false;
  }
  rows.erase(rows.begin() + chosen);
  chosen = std::min(chosen, static_cast<int>(rows.size()) - 1);
  return true;
}

bool MoveChosenRow(std::vector<std::string>& rows, int& chosen, int step) {
  const int other = chosen + step;
  if (!IsRow(rows, chosen) || !IsRow(rows, other)) {
    return false;
  }
  std::swap(rows[static_cast<size_t>(chosen)], rows[static_cast<size_t>(other)]);
  chosen = other;
  return true;
}

}  // namespace zentrova
