#include "meta/html_split.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "meta/page_encoding.h"
#include "program/read_file.h"

namespace zentrova {
namespace {

constexpr size_t kMinimumPageLength = 5;
constexpr size_t kHeadTagLength = 6;     // "<head>" and "<body>"
constexpr size_t kTitleCloseLength = 8;  // "</title>"

// Finds the earliest of several forms at or after a position that only moves forward. Each
// form's next occurrence is remembered until the position passes it, so a whole scan costs one
// pass over the text per form, however many tags the text holds.
class EarliestOf {
 public:
  EarliestOf(const std::string& text, std::initializer_list<const char*> forms) : text_(text) {
    for (const char* form : forms) {
      forms_.push_back({form, 0, false});
    }
  }

  size_t From(size_t from) {
    size_t earliest = std::string::npos;
    for (Form& form : forms_) {
      if (!form.known || (form.next != std::string::npos && form.next < from)) {
        form.next = text_.find(form.text, from);
        form.known = true;
      }
      earliest = std::min(earliest, form.next);
    }
    return earliest;
  }

 private:
  struct Form {
    const char* text;
    size_t next;
    bool known;
  };
  const std::string& text_;
  std::vector<Form> forms_;
};

// The lower-case form wins when both occur.
size_t FindTag(const std::string& text, const char* lower, const char* upper) {
  const size_t found = text.find(lower);
  return found != std::string::npos ? found : text.find(upper);
}

size_t SkipLineBreaks(const std::string& text, size_t position) {
  while (text.compare(position, 2, kCrLf) == 0) {
    position += 2;
  }
  return position;
}

void ShowProblem(Program& program, const char* text) {
  program.ports.dialogs->ShowMessage(text, MessageButtons::Ok, MessageIcon::Exclamation, kAppTitle);
}

}  // namespace

std::string TrimLineBreaks(const std::string& text) {
  size_t begin = SkipLineBreaks(text, 0);
  size_t end = text.size();
  while (end >= begin + 2 && text.compare(end - 2, 2, kCrLf) == 0) {
    end -= 2;
  }
  return text.substr(begin, end - begin);
}

std::string StripTitleElements(const std::string& text) {
  std::string kept;
  EarliestOf titles(text, {"<TITLE>", "<title>"});
  EarliestOf closes(text, {"</TITLE>", "</title>"});
  size_t position = 0;
  while (position < text.size()) {
    const size_t title = titles.From(position);
    if (title == std::string::npos) {
      break;
    }
    kept.append(text, position, title - position);
    const size_t close = closes.From(title + 1);
    if (close == std::string::npos) {
      // An unclosed element stays, with everything after it.
      position = title;
      break;
    }
    position = SkipLineBreaks(text, close + kTitleCloseLength);
  }
  if (position < text.size()) {
    kept.append(text, position, std::string::npos);
  }
  return kept;
}

std::string StripHeadTags(const std::string& text) {
  std::string kept;
  EarliestOf tags(text, {"<META", "<meta", "<head", "<HEAD", "<!WS "});
  size_t position = 0;
  while (position < text.size()) {
    const size_t tag = tags.From(position);
    if (tag == std::string::npos) {
      break;
    }
    kept.append(text, position, tag - position);
    const size_t close = text.find('>', tag);
    if (close == std::string::npos) {
      // A tag never closed stays as it is, so nothing beyond the text is taken for its end.
      position = tag;
      break;
    }
    position = SkipLineBreaks(text, close + 1);
  }
  if (position < text.size()) {
    kept.append(text, position, std::string::npos);
  }
  return kept;
}

bool SplitHtmlFile(Program& program, const std::string& path, HtmlParts& parts) {
  parts = HtmlParts{};
  const FileBytes file = ReadWholeFile(path, kMaxHtmlFileBytes);
  if (!file) {
    ShowProblem(program, "Error during loading HTM file");
    return false;
  }
  const std::string& text = file.bytes;
  if (text.size() < kMinimumPageLength) {
    ShowProblem(program, "No HTM file");
    return false;
  }
  const size_t head = FindTag(text, "<head>", "<HEAD>");
  const size_t headClose = FindTag(text, "</head>", "</HEAD>");
  if (head == std::string::npos) {
    ShowProblem(program, "No <HEAD> tag");
    return false;
  }
  if (headClose == std::string::npos) {
    ShowProblem(program, "No </HEAD> tag");
    return false;
  }
  const size_t headInside = head + kHeadTagLength;
  if (headClose < headInside) {
    // A closing tag before the opening one leaves no head to cut out.
    ShowProblem(program, "Error during loading HTM file");
    return false;
  }
  parts.headRest = TrimLineBreaks(
      StripHeadTags(StripTitleElements(text.substr(headInside, headClose - headInside))));
  parts.headStart = TrimLineBreaks(text.substr(0, headInside));
  parts.utf8 = IsUtf8Page(text);
  const std::string rest = TrimLineBreaks(text.substr(headClose));
  const size_t body = FindTag(rest, "<body>", "<BODY>");
  if (body == std::string::npos) {
    parts.bodyRest = rest;
  } else {
    parts.headEnd = rest.substr(0, body + kHeadTagLength);
    parts.bodyRest = rest.substr(body + kHeadTagLength);
  }
  return true;
}

}  // namespace zentrova
