#pragma once

#include <string>
#include <vector>

namespace zentrova {

// The program's one alphabetical order: letters folded to lower case (ASCII and the
// Windows-1252 accented letters), then byte by byte.
bool AlphabeticalLess(const std::string& a, const std::string& b);

// A sorted list box: rows kept in alphabetical order of their text, each with item data
// (an engine slot, a group number, an entry number) and an on/off mark. Rows count from 0.
struct ListRow {
  std::string text;
  int data = 0;
  bool marked = false;
};

class SortedList {
 public:
  // Adds a row in alphabetical order; a row whose text equals an existing one goes after it.
  int Add(const std::string& text, int data);
  void Clear();

  int Count() const { return static_cast<int>(rows_.size()); }
  const ListRow& Row(int index) const { return rows_.at(static_cast<size_t>(index)); }
  const std::vector<ListRow>& Rows() const { return rows_; }

  // Changes a row's text in place; the row keeps its position, as a list box does.
  void SetText(int index, const std::string& text);
  void SetMarked(int index, bool marked);
  int MarkedCount() const;
  // Index of the first marked row, -1 when none is marked.
  int FirstMarked() const;

  // The current (focused) row, -1 for none.
  int CurrentRow() const { return currentRow_; }
  void SetCurrentRow(int index);
  // Index of the first row whose item data is `data`, -1 when none.
  int FindData(int data) const;

 private:
  std::vector<ListRow> rows_;
  int currentRow_ = -1;
};

}  // namespace zentrova
