// zentrova-manual-pages DATE OUTPUT: writes the manual pages and the bash completions of both
// programs under OUTPUT (man/man1/, bash-completion/completions/), from the one description
// their --help prints. Run by the build; never installed.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "cli/bash_completion.h"
#include "cli/man_page.h"
#include "cli/manual.h"

namespace {

bool Write(const std::filesystem::path& path, const std::string& text) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::cerr << "zentrova-manual-pages: cannot write " << path.string() << '\n';
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zentrova-manual-pages DATE OUTPUT\n";
    return 2;
  }
  const std::string date = argv[1];
  const std::filesystem::path output = argv[2];
  bool written = true;
  for (const zentrova::cli::Manual* manual :
       {&zentrova::cli::ProgramManual(), &zentrova::cli::ToolManual()}) {
    written = Write(output / "man/man1" / (manual->program + ".1"),
                    zentrova::cli::ManPage(*manual, date)) &&
              Write(output / "bash-completion/completions" / manual->program,
                    zentrova::cli::BashCompletion(*manual)) &&
              written;
  }
  return written ? 0 : 1;
}
