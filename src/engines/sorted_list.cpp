#include "engines/sorted_list.h"

#include <algorithm>

namespace zentrova {
namespace {

unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') {
    return static_cast<unsigned char>(c + ('a' - 'A'));
  }
  // Windows-1252: Š Œ Ž and Ÿ, then À … Þ except the multiplication sign.
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      break;
  }
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
    return static_cast<unsigned char>(c + 0x20);
  }
  return c;
}

}  // namespace

bool AlphabeticalLess(const std::string& a, const std::string& b) {
  const auto fold = [](char x, char y) {
    return FoldCase(static_cast<unsigned char>(x)) < FoldCase(static_cast<unsigned char>(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), fold)) {
    return true;
  }
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), fold)) {
    return false;
  }
  const auto bytes = [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), bytes);
}

int SortedList::Add(const std::string& text, int data) {
  const auto position = std::upper_bound(
      rows_.begin(), rows_.end(), text,
      [](const std::string& t, const ListRow& row) { return AlphabeticalLess(t, row.text); });
  const int index = static_cast<int>(position - rows_.begin());
  rows_.insert(position, ListRow{text, data, false});
  if (currentRow_ >= index) {
    ++currentRow_;
  }
  return index;
}

void SortedList::Clear() {
  rows_.clear();
  currentRow_ = -1;
}

void SortedList::SetText(int index, const std::string& text) {
  rows_.at(static_cast<size_t>(index)).text = text;
}

void SortedList::SetMarked(int index, bool marked) {
  rows_.at(static_cast<size_t>(index)).marked = marked;
}

int SortedList::MarkedCount() const {
  return static_cast<int>(
      std::count_if(rows_.begin(), rows_.end(), [](const ListRow& r) { return r.marked; }));
}

int SortedList::FirstMarked() const {
  const auto it =
      std::find_if(rows_.begin(), rows_.end(), [](const ListRow& r) { return r.marked; });
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

void SortedList::SetCurrentRow(int index) {
  currentRow_ = (index >= 0 && index < Count()) ? index : -1;
}

int SortedList::FindData(int data) const {
  const auto it =
      std::find_if(rows_.begin(), rows_.end(), [data](const ListRow& r) { return r.data == data; });
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

}  // namespace zentrova
