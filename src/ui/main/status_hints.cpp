#include "ui/main/status_hints.h"

#include <array>

namespace zentrova {

namespace {

constexpr char kOwnerHint[] = "This data should be for the owner of the web site";
constexpr char kKeywordHint[] =
    "Enter single or two words phrases using most important keywords first";
constexpr char kMetaHint[] = "Edit if desired then click on 'Generate' to update new file";
constexpr char kDefaultHint[] = "Press F1 for Help";

std::string PageHint(int page) {
  static const std::array<const char*, 8> kPageHints = {
      "Run Deep Promotion Functions",
      "Choose Visibility Report Type and click on engine name to get details.",
      "Start your promotion for this site now",
      "Choose Search Engines for submission.",
      "Automatically generate META tags for better search engine results",
      "Enter in your keywords and choose the proper category of the site for each engine",
      "Type your Web Site information",
      "Choose a function to start",
  };
  return kPageHints[static_cast<size_t>(page)];
}

std::string FieldHint(int slot) {
  switch (slot) {
    case 1:
      return "This must be a full URL including specific file name (/index.htm)";
    case 2:
      return "Try to use your most important keywords in the title";
    case 4:
    case 5:
    case 8:
    case 9:
    case 11:
    case 22:
    case 23:
    case 24:
    case 25:
    case 33:
    case 34:
    case 35:
      return kOwnerHint;
    case 12:
      return "Use complete sentences building in your most important keywords";
    case 26:
    case 27:
    case 28:
    case 29:
    case 30:
    case 31:
      return kKeywordHint;
    case 77:
    case 78:
    case 79:
      return kMetaHint;
    case 40:
      return "Your IndexNow key: 8 to 128 letters, digits and dashes ('Generate' makes one)";
    case 41:
      return "Address of the file holding your IndexNow key; empty: /<key>.txt on your page's "
             "host";
    case 86:
      return "A copy of the file will be saved as this new file";
    case 99:
      return "Original file where you want META tags added";
    default:
      return kDefaultHint;
  }
}

}  // namespace

std::string StatusHintText(int code) {
  if (code >= kManualPage && code <= kStartPage) {
    return PageHint(code);
  }
  return FieldHint(code - kFieldHintBase);
}

void ShowStatusHint(Program& program, int code) {
  program.window.statusHint = StatusHintText(code);
}

}  // namespace zentrova
