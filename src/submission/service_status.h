#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// The service status page has arrived: a version notice ends the run or the program;
// otherwise engines it names are withdrawn and the run goes on. A load that got no reply or
// an HTTP error (a proxy's, a captive portal's, a failing server's page) is no answer from
// the service: nothing is withdrawn and the run goes on.
void CheckServiceStatus(Program& program, int httpStatus);

// Drops the page's 20 trailing filler characters (when it has 22 or more) and deciphers the
// rest with the program's key.
std::string DecipherServiceText(const std::string& text);
// The cipher itself, which is its own inverse: each byte exclusive-or'ed with the key's
// bytes in turn. The service side enciphers with it.
std::string ApplyServiceKey(const std::string& text);

}  // namespace zentrova
