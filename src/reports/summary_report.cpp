#include "reports/summary_report.h"

#include <algorithm>

#include "program/replace_file.h"
#include "text/code_page.h"

namespace zentrova {
namespace {

constexpr size_t kMaxListedDeepLinks = 25;

// The report is a sequence of writes, each followed by a line end; some writes are made in
// one format only.
class ReportWriter {
 public:
  explicit ReportWriter(bool html) : html_(html) {}

  void Both(const std::string& text) { out_ += text + kCrLf; }
  void Html(const std::string& text) {
    if (html_) {
      Both(text);
    }
  }
  void Text(const std::string& text) {
    if (!html_) {
      Both(text);
    }
  }
  bool IsHtml() const { return html_; }
  const std::string& Result() const { return out_; }

 private:
  bool html_;
  std::string out_;
};

struct ProfileItem {
  const char* label;
  std::vector<const char*> htmlOpenings;
};

std::string LinkLine(const std::string& address) {
  return "     <br><a href =\"" + address + "\" target=\"_blank\">     " + address + "</a>";
}

std::string ProfileValue(const ProfileValues& profile, int index) {
  switch (index) {
    case 0:
      return profile[kPageAddress];
    case 1:
      return profile[kSiteTitle];
    case 2:
      return profile[kSiteDescription];
    case 3: {
      std::string keywords;
      for (int slot = kKeyword1; slot <= kKeyword6; ++slot) {
        keywords += profile[static_cast<size_t>(slot)] + " ";
      }
      return keywords;
    }
    case 4:
      return profile[kFirstName] + " " + profile[kLastName];
    default: {
      static constexpr int kSlots[] = {kCompanyName, kEmail,   kStreetAddress, kCity,  kState,
                                       kZipCode,     kCountry, kTollFreePhone, kPhone, kFax};
      return profile[static_cast<size_t>(kSlots[index - 5])];
    }
  }
}

const std::vector<ProfileItem>& ProfileItems() {
  static const std::vector<ProfileItem> items{
      {"Web site: ", {"<BR><BR><b>"}},
      {"Title: ", {"<BR><BR><b>"}},
      {"Description: ", {"<BR><BR><b>"}},
      {"Keywords: ", {"<BR><BR>", "<B>"}},
      {"Full Name: ", {"<BR><BR><B>"}},
      {"Company Name: ", {"<BR><BR><B>"}},
      {"E-mail: ", {"<BR><BR><B>"}},
      {"Street Address: ", {"<BR><BR>", "<B>"}},
      {"City: ", {"<BR><BR><b>"}},
      {"State: ", {"<BR><BR><b>"}},
      {"Zip Code: ", {"<BR><BR><b>"}},
      {"Country: ", {"<BR><BR><b>"}},
      {"800 Phone Number: ", {"<BR><BR><b>"}},
      {"Phone Number: ", {"<BR><BR><b>"}},
      {"Fax Number: ", {"<BR><BR><b>"}},
  };
  return items;
}

void WriteDeepLinks(const Program& program, ReportWriter& report) {
  const auto& links = program.deepPromotion.links;
  report.Html("<p>");
  report.Both("The following Deep Promotion links were sent to this Search Engine:<ul>");
  const size_t count = std::min(links.size(), kMaxListedDeepLinks);
  for (size_t j = 0; j < count; ++j) {
    report.Html(links[j]);
    report.Text("  " + links[j]);
  }
  report.Html("</ul></p>");
}

}  // namespace

std::string ReportFileName(const std::string& sessionPath, const std::string& suffix) {
  const size_t separator = sessionPath.find_last_of('/');
  std::string name =
      separator == std::string::npos ? sessionPath : sessionPath.substr(separator + 1);
  if (name.empty()) {
    name = sessionPath;
  }
  if (name.size() > 4) {
    std::string ending = name.substr(name.size() - 4);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (ending == ".SES") {
      name.resize(name.size() - 4);
    }
  }
  return name + suffix;
}

std::string BuildSummaryReport(const Program& program, int format) {
  ReportWriter report(format == kHtmlReport);
  const QueueStatus& counters = program.engineLists.status;
  const ProfileValues& profile = program.session.profile;

  report.Html("<html><body>");
  report.Html("<H2>Web Page Registration Summary Report</h2><hr>");
  report.Text(std::string("=== Web Page Registration Summary Report ===") + kCrLf + kCrLf);

  report.Html("<B>");
  report.Both("Date: ");
  report.Html("</B>");
  report.Both("\t" + program.ports.clock->DateText() + kCrLf);

  const auto& items = ProfileItems();
  for (size_t index = 0; index < items.size(); ++index) {
    for (const char* opening : items[index].htmlOpenings) {
      report.Html(opening);
    }
    report.Both(items[index].label);
    report.Html("</B>");
    report.Both("\t" + ProfileValue(profile, static_cast<int>(index)) + kCrLf);
  }
  report.Html("<BR><BR>");

  if (counters.successful != "0") {
    report.Html("<BR><b>");
    report.Both(std::string(kCrLf) + "Successful Registration:" + kCrLf);
    report.Html("</b><BR><br>");
  }

  // The failed engines are gathered while the successful ones are written, then written at once.
  std::string failed = report.IsHtml() ? "<BR><b>" : "";
  if (counters.failed != "0") {
    failed += std::string(kCrLf) + "Failed Registration:" + kCrLf + kCrLf;
    if (report.IsHtml()) {
      failed += "</b><BR><br>";
    }
  }

  const bool deepPromotionShown = program.session.editor.check5 == kChecked;
  for (const ListRow& row : program.reports.statusList.Rows()) {
    if (row.data < 1 || row.data > program.database.EngineCount()) {
      continue;
    }
    const EngineRecord& engine = program.database.Engine(row.data);
    if (engine.RegistrationStatus() == kSuccessful) {
      report.Both(engine.name);
      if (!engine.homeUrl.empty()) {
        report.Html(LinkLine(engine.homeUrl));
        report.Text(engine.homeUrl);
      }
      report.Html("<BR>");
      if (deepPromotionShown && engine.kind == kSearchEngine) {
        WriteDeepLinks(program, report);
      }
    } else if (engine.RegistrationStatus() == kFailed) {
      failed += engine.name;
      if (!engine.homeUrl.empty()) {
        failed += report.IsHtml() ? LinkLine(engine.homeUrl) : kCrLf + engine.homeUrl;
      }
      failed += kCrLf;
      if (report.IsHtml()) {
        failed += "<BR>";
      }
    }
  }
  report.Both(failed);

  report.Html("<HR><b>");
  report.Both(std::string(kCrLf) + " Total number of Registration sites: " + counters.engineCount +
              kCrLf);
  report.Html("<BR>");
  report.Both(" Successful Registration: " + counters.successful + kCrLf);
  report.Html("<BR>");
  report.Both(" Failed Registration: " + counters.failed + kCrLf + kCrLf);
  report.Html("</b><HR><i><b>End of Report</i></b></body></html>");
  report.Text(std::string(" === End of Report ===") + kCrLf);
  return report.Result();
}

std::string SummaryReportFileBytes(const Program& program, int format) {
  const std::string report = BuildSummaryReport(program, format);
  return format == kHtmlReport ? Utf8HtmlPage(report) : Utf8FromWindows1252(report);
}

FileOutcome WriteSummaryReport(const Program& program, int format, const std::string& path) {
  return ReplaceFileBytes(path, SummaryReportFileBytes(program, format));
}

}  // namespace zentrova
