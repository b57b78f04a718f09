#include "submission/request_builder.h"

#include <algorithm>

#include "submission/html_escape.h"
#include "submission/keyword_text.h"

namespace zentrova {
namespace {

constexpr char kQuote = '"';
constexpr char kPageAddressTemplate[] = "%001";
// The one engine whose description field gets the keyword pattern built from the description.
constexpr char kKeywordDescriptionEngine[] = "Yahoo";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The deep-promotion link in process, or nothing while the session's own page is.
const std::string* DeepLinkInProcess(const Program& program) {
  const int counter = program.run.deepLinkCounter;
  const auto& links = program.deepPromotion.links;
  if (counter <= 0 || static_cast<size_t>(counter) > links.size()) {
    return nullptr;
  }
  return &links[static_cast<size_t>(counter - 1)];
}

}  // namespace

std::string ExpandTemplate(const std::string& valueTemplate, const EngineRecord& engine,
                           const ProfileValues& profile) {
  std::string result;
  size_t i = 0;
  while (i < valueTemplate.size()) {
    const char c = valueTemplate[i];
    const bool placeholder = c == '%' && i + 3 < valueTemplate.size() &&
                             IsDigit(valueTemplate[i + 1]) && IsDigit(valueTemplate[i + 2]) &&
                             IsDigit(valueTemplate[i + 3]);
    if (!placeholder) {
      result += c;
      ++i;
      continue;
    }
    const int slot = (valueTemplate[i + 1] - '0') * 100 + (valueTemplate[i + 2] - '0') * 10 +
                     (valueTemplate[i + 3] - '0');
    if (engine.name == kKeywordDescriptionEngine && slot == kSiteDescription) {
      result += BuildKeywordText(199, profile[kSiteDescription], "", "", "", "", "");
    } else {
      result += profile[static_cast<size_t>(slot)];
    }
    i += 4;
  }
  return result;
}

std::string BuildSubmissionForm(Program& program) {
  const EngineRecord& engine = program.database.Engine(program.run.currentEngine);
  const ProfileValues& profile = program.session.profile;
  const std::string* deepLink = DeepLinkInProcess(program);

  std::string form = "<FORM METHOD=";
  form += engine.method == kGet ? "GET" : "POST";
  form += " Action=";
  form += kQuote + EscapeHtmlAttribute(engine.actionUrl) + kQuote + " >";
  const int fieldCount = std::min(engine.fieldCount, kMaxFormFields);
  for (int field = 1; field <= fieldCount; ++field) {
    const std::string& valueTemplate = engine.fieldValues[static_cast<size_t>(field)];
    // Only a field that holds nothing but the page address carries the deep link.
    const std::string value = deepLink != nullptr && valueTemplate == kPageAddressTemplate
                                  ? *deepLink
                                  : ExpandTemplate(valueTemplate, engine, profile);
    form += "<input type=text name=";
    form += kQuote + EscapeHtmlAttribute(engine.fieldNames[static_cast<size_t>(field)]) + kQuote;
    form += " value=";
    form += kQuote + EscapeHtmlAttribute(value) + kQuote + ">";
  }
  form += "<input type=submit value=Register>" + EscapeHtmlAttribute(engine.name) + "</FORM>";

  if (deepLink != nullptr) {
    program.progress.linkInProcess = *deepLink;
    program.progress.deepLinkCount = std::to_string(program.run.deepLinkCounter);
  } else {
    program.progress.linkInProcess = ExpandTemplate(kPageAddressTemplate, engine, profile);
    program.progress.deepLinkCount = "0";
  }
  program.views.Changed(View::Progress);
  return form;
}

std::string SubmissionPage(const std::string& formHtml) {
  return "<HTML><BODY>\n" + formHtml + "\n</BODY></HTML>\n";
}

void WriteSubmissionPage(Program& program, const std::string& formHtml) {
  program.ports.browser->WritePage(SubmissionPage(formHtml));
}

void SubmitSubmissionPage(Program& program) {
  program.ports.browser->SubmitFirstForm();
}

}  // namespace zentrova
