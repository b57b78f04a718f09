#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

void ResetCategories(Program& program);
void RestoreCategories(Program& program);
void StoreCategories(Program& program);
void ShowEngineCategories(Program& program);
void HideEngineCategories(Program& program);

// The user makes a row of the group list current (click or keys).
void ChooseCategoryGroup(Program& program, int row);
// The category list's current row changes (by the user, or by showing a group).
void ChooseCategory(Program& program, int row);

// The user typed `text` into the keyword box, which already shows it.
void TakeKeywordBox(Program& program, std::string text);
// "&Set all categories using": the first word of the keyword box, in upper case.
void SetAllCategoriesUsingKeyword(Program& program);
void SetCategoriesByKeyword(Program& program, const std::string& keyword);

// "Show Categories" / "Hide Categories".
void ToggleEngineCategories(Program& program);
void ShowCategoriesInEngineList(Program& program);

}  // namespace zentrova
