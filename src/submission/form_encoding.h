#pragma once

#include <string>
#include <vector>

namespace zentrova {

// One field of a submission: name and value as the core keeps them, Windows-1252 bytes.
struct FormField {
  std::string name;
  std::string value;
};

// The fields exactly as a browser sends the submission page's form of text inputs:
// application/x-www-form-urlencoded from UTF-8, in field order, "+" for a space, only ASCII
// letters, digits and "*-._" left as they are. What the page's parsing and its text inputs do
// to a text is done too: a text input drops line breaks from its value, NUL becomes U+FFFD,
// and a line break left in a name is sent as CR LF.
std::string EncodeFormFields(const std::vector<FormField>& fields);

}  // namespace zentrova
