#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// True while links are being extracted from a web site: navigations then belong to it.
bool ExtractingFromWeb(const Program& program);
void OnDocumentCompleted(Program& program, const std::string& url);

}  // namespace zentrova
