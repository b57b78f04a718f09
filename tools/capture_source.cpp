#include "capture_source.h"

#include <vector>

#include "database_source_text.h"

namespace zentrova::tool {
namespace {

constexpr size_t kMaxFields = 30;
constexpr size_t kMaxEntries = 400;

// An address keeps its meaning with its commas percent-encoded, and the record format uses
// the comma as a separator.
std::string WithoutCommas(const std::string& address) {
  std::string result;
  for (const char c : address) {
    result += c == ',' ? std::string("%2C") : std::string(1, c);
  }
  return result;
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  return text;
}

class SourceWriter {
 public:
  // A captured text in a comment must not end it early and start a line of its own.
  void Comment(std::string text, int indent = 0) {
    for (char& c : text) {
      c = static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    Line("# " + text, indent);
  }
  void Line(const std::string& text, int indent = 0) {
    text_ += std::string(static_cast<size_t>(indent), ' ') + text + "\n";
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

void WriteField(SourceWriter& out, const CapturedElement& element, int slot, size_t& written) {
  if (element.name.find(',') != std::string::npos) {
    out.Comment("Left out: a field name cannot contain a comma: " + element.name, 2);
    return;
  }
  if (written == kMaxFields) {
    out.Comment("Left out: an engine has at most 30 fields: " + element.name, 2);
    return;
  }
  ++written;
  if (slot != 0) {
    out.Comment("Sends the category chosen in the group of profile slot " + std::to_string(slot) +
                    " below (it was \"" + element.value + "\").",
                2);
    out.Line("field " + FormatSourcePairLeft(element.name) + " = %" + std::to_string(slot), 2);
    return;
  }
  out.Comment(
      "Change: the value as captured; %001 address, %002 title, %012 description, "
      "%011 e-mail, %036 keywords, %010 name send the session's own.",
      2);
  out.Line("field " + FormatSourcePairLeft(element.name) + " = " + FormatSourceValue(element.value),
           2);
}

void WriteGroup(SourceWriter& out, const CapturedElement& list, int slot) {
  out.Comment("Change: the engine's name, as on its engine line; slot " + std::to_string(slot) +
              " must be one no other group uses (and the field that sends it with it).");
  if (list.name.empty()) {
    out.Comment("The list has no name: the form does not send it.");
  }
  out.Line("group name = " + std::to_string(slot));
  size_t written = 0;
  for (const CapturedOption& option : list.options) {
    if (option.value.find("[]") != std::string::npos) {
      out.Comment("Left out: an entry's value cannot contain \"[]\": " + option.value, 2);
    } else if (written == kMaxEntries) {
      out.Comment("Left out: a group has at most 400 entries: " + option.value, 2);
    } else {
      ++written;
      out.Line(
          "entry " + FormatSourcePairLeft(option.value) + " = " + FormatSourceValue(option.text),
          2);
    }
  }
}

}  // namespace

std::string CaptureSource(const CapturedForm& form, const std::string& address) {
  SourceWriter out;
  out.Comment("Drafted from the first form of " + address);
  out.Comment("Change: the engine's name as users will see it.");
  out.Line("engine name");
  out.Comment(
      "Change: what proves success: the start of the reply's address (http...), or a "
      "text the reply holds.",
      2);
  out.Line("success response", 2);
  out.Line("action " + FormatSourceValue(WithoutCommas(form.action)), 2);
  const std::string reported = UpperCase(form.method);
  const std::string method = reported == "POST" ? "POST" : "GET";
  if (reported != method) {
    // A dialog form, say, which sends nothing.
    out.Comment("Change: the form reports the method \"" + form.method + "\".", 2);
  }
  out.Line("method " + method, 2);
  out.Comment("Change: search engine, directory, news or link listing.", 2);
  out.Line("kind link listing", 2);
  out.Comment("Change: the engine's own site; the page the form came from stands here.", 2);
  out.Line("home " + FormatSourceValue(WithoutCommas(address)), 2);
  out.Comment("Change: yes when the engine refuses pages with adult material.", 2);
  out.Line("no-adult no", 2);
  out.Comment("Change: yes when the engine takes only some kinds of sites.", 2);
  out.Line("specialized no", 2);

  std::vector<const CapturedElement*> lists;
  size_t fields = 0;
  for (const CapturedElement& element : form.elements) {
    int slot = 0;
    if (IsSelectionList(element)) {
      lists.push_back(&element);
      slot = kFirstDraftSlot + static_cast<int>(lists.size()) - 1;
    }
    if (!element.name.empty()) {
      WriteField(out, element, slot, fields);
    }
  }
  out.Line("end");
  for (size_t i = 0; i < lists.size(); ++i) {
    WriteGroup(out, *lists[i], kFirstDraftSlot + static_cast<int>(i));
  }
  return out.Text();
}

}  // namespace zentrova::tool
