#include "program/outside_address.h"

#include <cctype>

namespace zentrova {

namespace {

bool HasScheme(std::string_view address, std::string_view scheme) {
  if (address.size() <= scheme.size() || address[scheme.size()] != ':') {
    return false;
  }
  for (std::size_t i = 0; i < scheme.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(address[i])) != scheme[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  return HasScheme(address, "http") || HasScheme(address, "https");
}

bool OpensInUsersBrowser(std::string_view address) {
  return IsWebAddress(address) || HasScheme(address, "mailto");
}

void OpenClickedLink(Shell& shell, const std::string& address) {
  if (OpensInUsersBrowser(address)) {
    shell.OpenAddress(address);
  }
}

}  // namespace zentrova
