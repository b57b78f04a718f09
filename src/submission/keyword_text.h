#pragma once

#include <string>

namespace zentrova {

// The keyword pattern of the session's keyword slot (limit 80) and of the one engine whose
// description is built from slot 12 (limit 199). Never longer than `limit`.
std::string BuildKeywordText(int limit, const std::string& k1, const std::string& k2,
                             const std::string& k3, const std::string& k4, const std::string& k5,
                             const std::string& k6);

}  // namespace zentrova
