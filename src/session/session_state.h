#pragma once

#include <array>
#include <string>

namespace zentrova {

inline constexpr int kProfileSlotCount = 999;
inline constexpr char kNewSessionFile[] = "New Session.ses";

// Slots 1 … 999; slot 0 exists and is never used.
using ProfileValues = std::array<std::string, kProfileSlotCount + 1>;

// Slots with a meaning of their own.
enum ProfileField : int {
  kPageAddress = 1,
  kSiteTitle = 2,
  kCompanyName = 4,
  kCity = 5,
  kState = 8,
  kCountry = 9,
  kFullName = 10,
  kEmail = 11,
  kSiteDescription = 12,
  kStreetAddress = 22,
  kZipCode = 23,
  kFirstName = 24,
  kLastName = 25,
  kKeyword1 = 26,
  kKeyword6 = 31,
  kTollFreePhone = 33,
  kPhone = 34,
  kFax = 35,
  kKeywordText = 36,
  kIndexNowKey = 40,
  kIndexNowKeyFile = 41,  // the key file's address; empty: /<key>.txt of the page's host
  kMetaTitle = 77,
  kMetaDescription = 78,
  kMetaKeywords = 79,
  kSkipRegistered = 83,
  kAdultContent = 84,
  kDeepPromotionActive = 85,
  kMetaNewFile = 86,
  kLastOpenedFileName = 98,
  kMetaSourceFile = 99,
};

// Check box values as a check box holds them: 0 not ticked, 1 ticked, 2 grey.
enum CheckValue : int { kUnchecked = 0, kChecked = 1, kGrey = 2 };

// The editing view of the profile: the text of every profile box (`vartext(slot)`) and the
// three check boxes, as the main window shows them. Widgets mirror this model.
struct ProfileEditor {
  ProfileValues boxText;
  int check3 = kUnchecked;  // Do not repeat already Successful Registration
  int check4 = kUnchecked;  // adult material
  int check5 = kUnchecked;  // Use this list for Deep Promotion in current Session
};

struct SessionState {
  ProfileValues profile;
  ProfileEditor editor;
  std::string currentFile = kNewSessionFile;
  bool saved = true;
  // The current file's name was given by converting an old-format file, not chosen by the
  // user: a Save asks before replacing a file of that name.
  bool confirmReplace = false;
};

}  // namespace zentrova
