#include "submission/request_builder.h"

#include <algorithm>

#include "submission/form_encoding.h"
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

std::vector<FormField> SubmissionFields(const Program& program) {
  const EngineRecord& engine = program.database.Engine(program.run.currentEngine);
  const ProfileValues& profile = program.session.profile;
  const std::string* deepLink = DeepLinkInProcess(program);
  std::vector<FormField> fields;
  const int fieldCount = std::min(engine.fieldCount, kMaxFormFields);
  fields.reserve(static_cast<size_t>(std::max(fieldCount, 0)));
  for (int field = 1; field <= fieldCount; ++field) {
    const std::string& valueTemplate = engine.fieldValues[static_cast<size_t>(field)];
    // Only a field that holds nothing but the page address carries the deep link.
    fields.push_back({engine.fieldNames[static_cast<size_t>(field)],
                      deepLink != nullptr && valueTemplate == kPageAddressTemplate
                          ? *deepLink
                          : ExpandTemplate(valueTemplate, engine, profile)});
  }
  return fields;
}

void ShowSubmissionInProcess(Program& program) {
  const EngineRecord& engine = program.database.Engine(program.run.currentEngine);
  const std::string* deepLink = DeepLinkInProcess(program);
  if (deepLink != nullptr) {
    program.progress.linkInProcess = *deepLink;
    program.progress.deepLinkCount = std::to_string(program.run.deepLinkCounter);
  } else {
    program.progress.linkInProcess =
        ExpandTemplate(kPageAddressTemplate, engine, program.session.profile);
    program.progress.deepLinkCount = "0";
  }
  program.views.Changed(View::Progress);
}

std::string BuildSubmissionForm(Program& program) {
  const EngineRecord& engine = program.database.Engine(program.run.currentEngine);
  std::string form = "<FORM METHOD=";
  form += engine.method == kGet ? "GET" : "POST";
  form += " Action=";
  form += kQuote + EscapeHtmlAttribute(engine.actionUrl) + kQuote + " >";
  for (const FormField& field : SubmissionFields(program)) {
    form += "<input type=text name=";
    form += kQuote + EscapeHtmlAttribute(field.name) + kQuote;
    form += " value=";
    form += kQuote + EscapeHtmlAttribute(field.value) + kQuote + ">";
  }
  form += "<input type=submit value=Register>" + EscapeHtmlAttribute(engine.name) + "</FORM>";
  ShowSubmissionInProcess(program);
  return form;
}

FormRequest BuildSubmissionRequest(Program& program) {
  const EngineRecord& engine = program.database.Engine(program.run.currentEngine);
  FormRequest request;
  request.post = engine.method != kGet;
  request.action = engine.actionUrl;
  request.fields = EncodeFormFields(SubmissionFields(program));
  ShowSubmissionInProcess(program);
  return request;
}

std::string SubmissionPage(const std::string& formHtml) {
  return "<HTML><BODY>\n" + formHtml + "\n</BODY></HTML>\n";
}

}  // namespace zentrova
