#pragma once

#include <array>
#include <string>

#include "program/program.h"

namespace zentrova {

// One entry of the "manual" menu: its caption and the profile slot it pastes.
struct ProfileMenuEntry {
  const char* caption;
  int slot;
};

// The Profile entries in menu order.
inline constexpr std::array<ProfileMenuEntry, 14> kProfileMenuEntries = {{
    {"Web Page Address", kPageAddress},
    {"Web Page Title", kSiteTitle},
    {"Web Page Description", kSiteDescription},
    {"E-mail Address", kEmail},
    {"Keywords", kKeywordText},
    {"Company Name", kCompanyName},
    {"Person Name", kFullName},
    {"Street Address", kStreetAddress},
    {"City", kCity},
    {"State", kState},
    {"Zip Code", kZipCode},
    {"Country", kCountry},
    {"Phone", kPhone},
    {"Fax", kFax},
}};

// Puts the slot's value, as the session holds it now, on the clipboard and returns it for the
// field that has the focus in the manual submission browser. The profile boxes are not
// collected first: an edit no save or run has collected yet is not seen. A slot outside the
// profile gives an empty text and leaves the clipboard alone.
std::string PasteProfileValue(Program& program, int slot);

}  // namespace zentrova
