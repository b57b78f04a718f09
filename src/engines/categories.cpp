#include "engines/categories.h"

#include <string_view>
#include <utility>

#include "session/session_model.h"

namespace zentrova {
namespace {

constexpr char kShowCaption[] = "Show Categories";
constexpr char kHideCaption[] = "Hide Categories";

bool ValidSlot(int slot) {
  return slot >= 1 && slot <= kProfileSlotCount;
}

CategoryGroup* GroupByNumber(Program& program, int number) {
  auto& groups = program.database.categoryGroups;
  if (number < 1 || number > static_cast<int>(groups.size())) {
    return nullptr;
  }
  return &groups[static_cast<size_t>(number - 1)];
}

CategoryGroup* CurrentGroup(Program& program) {
  const SortedList& groupList = program.categories.groupList;
  const int row = groupList.CurrentRow();
  return row < 0 ? nullptr : GroupByNumber(program, groupList.Row(row).data);
}

const CategoryEntry* ChosenEntry(const CategoryGroup& group) {
  if (group.chosen < 1 || group.chosen > static_cast<int>(group.entries.size())) {
    return nullptr;
  }
  return &group.entries[static_cast<size_t>(group.chosen - 1)];
}

unsigned char UpperCaseByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') {
    return static_cast<unsigned char>(c - ('a' - 'A'));
  }
  // Windows-1252: š œ ž ÿ, then à … þ except the division sign.
  switch (c) {
    case 0x9A:
      return 0x8A;
    case 0x9C:
      return 0x8C;
    case 0x9E:
      return 0x8E;
    case 0xFF:
      return 0x9F;
    default:
      break;
  }
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
    return static_cast<unsigned char>(c - 0x20);
  }
  return c;
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(UpperCaseByte(static_cast<unsigned char>(c)));
  }
  return text;
}

std::string Trim(const std::string& text, const char* characters) {
  const size_t first = text.find_first_not_of(characters);
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

// An empty keyword is found in every caption that is not empty.
bool CaptionContains(std::string_view caption, const std::string& keyword) {
  if (keyword.empty()) {
    return !caption.empty();
  }
  return UpperCase(std::string(caption)).find(keyword) != std::string::npos;
}

}  // namespace

void ResetCategories(Program& program) {
  for (CategoryGroup& group : program.database.categoryGroups) {
    group.chosen = 1;
  }
  program.categories.groupList.SetCurrentRow(0);
  ShowEngineCategories(program);
}

void RestoreCategories(Program& program) {
  for (CategoryGroup& group : program.database.categoryGroups) {
    if (!ValidSlot(group.profileField)) {
      continue;
    }
    const std::string& stored = program.session.profile[static_cast<size_t>(group.profileField)];
    for (size_t j = 0; j < group.entries.size(); ++j) {
      if (group.entries[j].value == stored) {
        group.chosen = static_cast<int>(j) + 1;
        break;
      }
    }
  }
  ShowEngineCategories(program);
}

void StoreCategories(Program& program) {
  for (const CategoryGroup& group : program.database.categoryGroups) {
    if (!ValidSlot(group.profileField)) {
      continue;
    }
    const CategoryEntry* entry = ChosenEntry(group);
    program.session.profile[static_cast<size_t>(group.profileField)] =
        entry == nullptr ? std::string() : std::string(entry->value);
  }
}

void ShowEngineCategories(Program& program) {
  CategoryState& state = program.categories;
  const int groupRow = state.groupList.CurrentRow();
  state.categoryCaption =
      "Category for " + (groupRow < 0 ? std::string() : state.groupList.Row(groupRow).text);
  state.categoryList.Clear();
  CategoryGroup* group = CurrentGroup(program);
  int chosenRow = -1;
  if (group != nullptr) {
    for (size_t j = 0; j < group->entries.size(); ++j) {
      state.categoryList.Add(std::string(group->entries[j].caption), static_cast<int>(j) + 1);
    }
    chosenRow = state.categoryList.FindData(group->chosen);
  }
  program.views.Changed(View::Categories);
  // Making the chosen row current is a row change like the user's.
  if (chosenRow >= 0) {
    ChooseCategory(program, chosenRow);
  }
}

void ChooseCategoryGroup(Program& program, int row) {
  program.categories.groupList.SetCurrentRow(row);
  ShowEngineCategories(program);
}

void ChooseCategory(Program& program, int row) {
  SortedList& categoryList = program.categories.categoryList;
  if (row < 0 || row >= categoryList.Count()) {
    return;
  }
  categoryList.SetCurrentRow(row);
  MarkSessionChanged(program);
  HideEngineCategories(program);
  if (CategoryGroup* group = CurrentGroup(program)) {
    group->chosen = categoryList.Row(row).data;
  }
  program.views.Changed(View::Categories);
}

void TakeKeywordBox(Program& program, std::string text) {
  program.categories.keywordBox = std::move(text);
}

void SetAllCategoriesUsingKeyword(Program& program) {
  std::string& box = program.categories.keywordBox;
  if (box.empty()) {
    return;
  }
  std::string keyword = Trim(box, " ");
  const size_t space = keyword.find(' ');
  if (space != std::string::npos) {
    keyword.resize(space);
    box = keyword;
    program.views.Changed(View::Categories);
  }
  SetCategoriesByKeyword(program, UpperCase(keyword));
}

void SetCategoriesByKeyword(Program& program, const std::string& keyword) {
  for (CategoryGroup& group : program.database.categoryGroups) {
    for (size_t j = 0; j < group.entries.size(); ++j) {
      if (CaptionContains(group.entries[j].caption, keyword)) {
        group.chosen = static_cast<int>(j) + 1;
        break;
      }
    }
  }
  ShowEngineCategories(program);
}

void ToggleEngineCategories(Program& program) {
  if (program.categories.categoriesShown) {
    HideEngineCategories(program);
  } else {
    ShowCategoriesInEngineList(program);
  }
}

void ShowCategoriesInEngineList(Program& program) {
  // Decorating twice would leave the first decoration inside the second.
  if (program.categories.categoriesShown) {
    return;
  }
  program.categories.showButtonCaption = kHideCaption;
  program.categories.categoriesShown = true;
  SortedList& engineList = program.engineLists.engineList;
  const auto& groups = program.database.categoryGroups;
  for (int index = 0; index < engineList.Count(); ++index) {
    const int slot = engineList.Row(index).data;
    if (slot < 1 || slot > program.database.EngineCount()) {
      continue;
    }
    const std::string& name = program.database.Engine(slot).name;
    for (const CategoryGroup& group : groups) {
      if (group.title == name) {
        const CategoryEntry* entry = ChosenEntry(group);
        engineList.SetText(
            index, engineList.Row(index).text + "\t[" +
                       (entry == nullptr ? std::string() : std::string(entry->caption)) + "]");
        break;
      }
    }
  }
  program.views.Changed(View::Categories);
  program.views.Changed(View::EngineList);
}

void HideEngineCategories(Program& program) {
  if (!program.categories.categoriesShown) {
    return;
  }
  program.categories.showButtonCaption = kShowCaption;
  program.categories.categoriesShown = false;
  SortedList& engineList = program.engineLists.engineList;
  // The plain text comes back from the engine itself: cutting at the first "[" would also cut
  // a name that carries brackets of its own, and such a row would then match no engine again.
  for (int index = 0; index < engineList.Count(); ++index) {
    const int slot = engineList.Row(index).data;
    if (slot >= 1 && slot <= program.database.EngineCount()) {
      engineList.SetText(index, program.database.Engine(slot).name);
    }
  }
  program.views.Changed(View::Categories);
  program.views.Changed(View::EngineList);
}

}  // namespace zentrova
