#include "deeppromo/link_extraction.h"

#include <filesystem>
#include <utility>

#include "deeppromo/deep_link_list.h"
#include "deeppromo/link_dialog.h"
#include "deeppromo/sitemap.h"
#include "program/outside_address.h"
#include "submission/run_controller.h"

namespace zentrova {

namespace {

constexpr char kNoLinksFound[] = "No new links were found for the Deep Promotion list.";

LinkExtractionState& Extraction(Program& program) {
  return program.deepPromotion.extraction;
}

void ShowExclamation(Program& program, const std::string& text) {
  program.ports.dialogs->ShowMessage(text, MessageButtons::Ok, MessageIcon::Exclamation, kAppTitle);
}

bool ConfirmOnline(Program& program) {
  if (!program.run.onlineConfirmed) {
    const MessageAnswer answer = program.ports.dialogs->ShowMessage(
        "Do you want to extract a links Now? If Yes, Please, connect to Internet and press "
        "'Yes'.",
        MessageButtons::YesNo, MessageIcon::Question, kAppTitle);
    if (answer != MessageAnswer::Yes) {
      return false;
    }
  }
  program.run.onlineConfirmed = true;
  return true;
}

void ExtractionTimedOut(Program& program);

// No run is busy while a web extraction holds the controls, so the reply timer is free; its
// own handler is kept aside and put back when the extraction lets the timer go.
void ArmTimeOut(Program& program) {
  Timer& timer = *program.ports.replyTimer;
  auto& extraction = Extraction(program);
  if (!extraction.timerBorrowed) {
    extraction.savedTimerTick = std::move(timer.onTick);
    // The handler may put the run's handler back from inside this call, destroying this
    // closure: it must touch nothing of its own after the call.
    timer.onTick = [&program] { ExtractionTimedOut(program); };
    extraction.timerBorrowed = true;
  }
  timer.SetInterval(kReplyTimeoutMilliseconds);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
}

void ReleaseTimer(Program& program) {
  auto& extraction = Extraction(program);
  if (!extraction.timerBorrowed) {
    return;
  }
  Timer& timer = *program.ports.replyTimer;
  timer.SetEnabled(false);
  timer.onTick = std::move(extraction.savedTimerTick);
  extraction.savedTimerTick = nullptr;
  extraction.timerBorrowed = false;
}

void Begin(Program& program, bool fromWeb) {
  auto& extraction = Extraction(program);
  extraction.pending = true;
  extraction.fromWeb = fromWeb;
  extraction.localFolder.clear();
  extraction.linksBefore = program.deepPromotion.links.size();
  extraction.sitemapsToFetch.clear();
  extraction.sitemapsSeen.clear();
}

// Ends the extraction with what it has added so far. Only a web extraction held the
// controls; a local one gives back nothing it did not take.
void End(Program& program) {
  auto& extraction = Extraction(program);
  const bool heldControls = extraction.fromWeb;
  extraction.pending = false;
  extraction.fromWeb = false;
  extraction.sitemapsToFetch.clear();
  ReleaseTimer(program);
  if (heldControls) {
    SetBusyControls(program, kExtractionActivity, false);
  }
  RemoveDuplicateLinks(program);
}

// A site that never answers would otherwise keep the controls locked until "Stop".
void ExtractionTimedOut(Program& program) {
  if (Extraction(program).pending) {
    program.ports.browser->Stop();
  }
  End(program);
  program.views.Changed(View::DeepLinks);
}

void FetchNextSitemap(Program& program) {
  auto& extraction = Extraction(program);
  if (!extraction.fromWeb) {
    // A local index naming sitemaps on the web: from here on it is a web extraction.
    if (!ConfirmOnline(program)) {
      End(program);
      program.deepPromotion.dialog.visible = false;
      program.views.Changed(View::DeepLinks);
      return;
    }
    SetBusyControls(program, kExtractionActivity, true);
    extraction.fromWeb = true;
  }
  const std::string address = std::move(extraction.sitemapsToFetch.front());
  extraction.sitemapsToFetch.pop_front();
  ArmTimeOut(program);
  program.ports.browser->Navigate(address);
}

void QueueSitemaps(LinkExtractionState& extraction, const std::vector<std::string>& sitemaps) {
  for (const std::string& address : sitemaps) {
    // An index entry is the sitemap's word only: anything but a web address is not fetched.
    if (!IsWebAddress(address)) {
      continue;
    }
    if (static_cast<int>(extraction.sitemapsSeen.size()) >= kMaxSitemapFetches) {
      return;
    }
    if (extraction.sitemapsSeen.insert(address).second) {
      extraction.sitemapsToFetch.push_back(address);
    }
  }
}

// The folder part of a web address: "http://site/dir/page.htm" gives "http://site/dir/",
// "http://site" gives "http://site/".
std::string AddressFolder(const std::string& address) {
  const size_t host = address.find("://");
  const size_t path = host == std::string::npos ? std::string::npos : address.find('/', host + 3);
  if (path == std::string::npos) {
    return address + "/";
  }
  return address.substr(0, address.rfind('/') + 1);
}

// A local copy of a page links its site relatively; such links name the site's pages once
// they are taken against the session's page address instead of the copy's folder.
std::vector<std::string> SiteLinks(const Program& program, std::vector<std::string> links) {
  const std::string& folder = program.deepPromotion.extraction.localFolder;
  const std::string& page = program.session.profile[kPageAddress];
  if (folder.empty() || !IsWebAddress(page) || page.find("://") + 3 >= page.size()) {
    return links;
  }
  const std::string site = AddressFolder(page);
  for (std::string& link : links) {
    if (link.starts_with(folder)) {
      link = site + link.substr(folder.size());
    }
  }
  return links;
}

}  // namespace

bool ExtractingFromWeb(const Program& program) {
  return program.deepPromotion.extraction.pending;
}

void OnDocumentCompleted(Program& program) {
  if (Extraction(program).pending) {
    ExtractLinksFromDocument(program);
  }
}

void ExtractLinksFromFile(Program& program) {
  if (!LinkDialogEnabled(program).localFileFrame) {
    return;
  }
  const std::string& path = program.deepPromotion.dialog.filePath;
  std::error_code error;
  // A path naming no file would leave the browser where it was, and its page would be taken.
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
    ShowExclamation(program, "Choose the HTML file for the Link extraction.");
    return;
  }
  Begin(program, false);
  Extraction(program).localFolder =
      FileAddress(std::filesystem::path(path).parent_path().string()) + "/";
  program.ports.browser->Navigate(FileAddress(path));
}

void ExtractLinksFromWebSite(Program& program) {
  if (!LinkDialogEnabled(program).webExtract) {
    return;
  }
  const std::string& address = program.deepPromotion.dialog.webAddress;
  if (address.empty()) {
    ShowExclamation(program, "Type the Web Site for the Link extraction.");
    return;
  }
  if (!ConfirmOnline(program)) {
    return;
  }
  SetBusyControls(program, kExtractionActivity, true);
  Begin(program, true);
  ArmTimeOut(program);
  program.ports.browser->Navigate(WithWebScheme(address));
  program.views.Changed(View::DeepLinks);
}

void StopLinkExtraction(Program& program) {
  if (!program.busy.extractStop) {
    return;
  }
  End(program);
  program.views.Changed(View::DeepLinks);
}

void ExtractLinksFromDocument(Program& program) {
  auto& extraction = Extraction(program);
  Browser& browser = *program.ports.browser;
  const Sitemap sitemap = ParseSitemap(browser.PageSource());
  switch (sitemap.kind) {
    case SitemapKind::Index:
      QueueSitemaps(extraction, sitemap.locations);
      break;
    case SitemapKind::UrlSet:
      AddDeepLinks(program, sitemap.locations);
      break;
    case SitemapKind::None:
      AddDeepLinks(program, SiteLinks(program, browser.Links()));
      break;
  }
  if (!extraction.sitemapsToFetch.empty()) {
    FetchNextSitemap(program);
    return;
  }
  End(program);
  program.deepPromotion.dialog.visible = false;
  program.views.Changed(View::DeepLinks);
  if (program.deepPromotion.links.size() == extraction.linksBefore) {
    ShowExclamation(program, kNoLinksFound);
  }
}

}  // namespace zentrova
