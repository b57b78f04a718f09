#include "text/string_table.h"

namespace zentrova {

std::string NormaliseUrl(const std::string& text) {
  std::string url = text.compare(0, 4, "http") == 0 ? text : "http://" + text;
  if (const auto bracket = url.find('<'); bracket != std::string::npos) {
    url[bracket] = '~';
  }
  return url;
}

std::string LoadText(const Program& program, int id) {
  const auto& table = program.text.stringTable;
  const auto entry = table.find(id);
  return entry == table.end() ? std::string() : RestoreText(entry->second);
}

std::string ServiceStatusUrl(const Program& program) {
  return LoadText(program, kServiceStatusUrlFirstHalf) +
         LoadText(program, kServiceStatusUrlSecondHalf);
}

}  // namespace zentrova
