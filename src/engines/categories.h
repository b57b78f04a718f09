#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

void ResetCategories(Program& program);
void RestoreCategories(Program& program);
void StoreCategories(Program& program);
void ShowEngineCategories(Program& program);
void HideEngineCategories(Program& program);

}  // namespace zentrova
