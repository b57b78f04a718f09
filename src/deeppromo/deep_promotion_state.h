#pragma once

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace zentrova {

// The session file counts links in 16 bits; a longer list could not be saved.
inline constexpr int kMaxDeepLinks = 32767;

// The three option frames of the "Add Links for Deep Promotion List" dialog.
enum LinkDialogFrame : int { kTypeLinkFrame = 1, kLocalFileFrame = 2, kWebSiteFrame = 3 };

// Form99: what its boxes hold and which frame is in use. It stays loaded once shown.
struct LinkDialogState {
  bool loaded = false;
  bool visible = false;
  int option = kTypeLinkFrame;       // the ticked option button
  int activeFrame = kTypeLinkFrame;  // the frame whose controls are enabled
  std::string typedAddress;          // "Type HTTP Link", after the "http://" label
  std::string filePath;    // "Extract Links from HTM file on Local PC", as the file system's bytes
  std::string webAddress;  // "Extract Links from Internet Web Site", after "http://"
};

// An extraction in progress: from the moment the browser is sent to a page until the links
// of its document (or of every sitemap an index names) are in the list.
struct LinkExtractionState {
  bool pending = false;  // ExtractLinksPending
  bool fromWeb = false;  // holds the busy controls and the reply time-out
  std::deque<std::string> sitemapsToFetch;
  std::set<std::string> sitemapsSeen;
  // The reply timer's own handler, put back when the extraction lets the timer go.
  std::function<void()> savedTimerTick;
  bool timerBorrowed = false;
  // The file: address of a local file's folder, ending in "/"; empty for a web extraction.
  std::string localFolder;
  std::size_t linksBefore = 0;  // the list's length when the extraction began
};

// List7 and the dialog that fills it.
struct DeepPromotionState {
  std::vector<std::string> links;
  int currentRow = -1;
  LinkDialogState dialog;
  LinkExtractionState extraction;
};

}  // namespace zentrova
