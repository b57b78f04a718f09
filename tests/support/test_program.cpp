#include "support/test_program.h"

#include <fstream>
#include <iterator>
#include <random>

#include "ports/platform_ports.h"
#include "text/code_page.h"

namespace zentrova::testing {

TestProgram::TestProgram() {
  std::random_device random;
  root = std::filesystem::temp_directory_path() /
         ("zentrova-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(root / "app" / "LOG");
  std::filesystem::create_directories(root / "app" / "SESSIONS");
  std::filesystem::create_directories(root / "data");
  program.folders.appFolder = (root / "app").string() + "/";
  program.folders.dataFolder = (root / "data").string() + "/";
  program.ports = PlatformPorts(*this, &browser, [this] { ++exitCount; });
}

TestProgram::~TestProgram() {
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string DeclaredPageText(const std::string& bytes) {
  const std::string declaration = std::string(kUtf8Declaration) + "\r\n";
  if (bytes.empty()) {
    return bytes;
  }
  if (!bytes.starts_with(declaration)) {
    return "<undeclared>" + bytes;
  }
  return Windows1252FromUtf8(bytes.substr(declaration.size())).bytes;
}

std::string KeptReplyText(const std::string& bytes) {
  const std::string page = DeclaredPageText(bytes);
  const std::string open = "<pre style=\"white-space: pre-wrap\">";
  const size_t start = page.find(open);
  if (start == std::string::npos || !page.ends_with("</pre>")) {
    return page;
  }
  std::string text = page.substr(start + open.size(), page.size() - start - open.size() - 6);
  const std::pair<std::string, char> entities[] = {
      {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}};
  for (const auto& [entity, character] : entities) {
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, entity.size(), 1, character);
    }
  }
  return text;
}

}  // namespace zentrova::testing
