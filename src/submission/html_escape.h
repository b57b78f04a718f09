#pragma once

#include <string>

namespace zentrova {

// Escapes text for a double-quoted HTML attribute or element text, so that the browser reads
// back exactly the bytes given: & " < > become entities, everything else stays.
std::string EscapeHtmlAttribute(const std::string& text);

}  // namespace zentrova
