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

bool KeptInAddress(unsigned char c) {
  return std::isalnum(c) != 0 || c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
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

std::string FileAddress(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string address = "file://";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (KeptInAddress(byte)) {
      address += c;
    } else {
      address += '%';
      address += kHex[byte >> 4];
      address += kHex[byte & 0x0F];
    }
  }
  return address;
}

}  // namespace zentrova
