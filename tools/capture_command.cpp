// zentrova-tool capture ADDRESS [--source]: the draft engine entry of "Get Form" for the first
// form of a web page or a local HTML file, read headless by the program's own browser.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <iostream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/platform/windows1252.h"
#include "capture_source.h"
#include "database_source.h"
#include "manual/form_capture.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "ui/browser/form_reader.h"
#include "ui/browser/headless_environment.h"
#include "ui/browser/quiet_web_page.h"

namespace zentrova::tool {
namespace {

// As long as the program waits for an engine's reply.
constexpr int kLoadTimeoutMilliseconds = 30000;

struct CaptureArguments {
  std::string address;
  bool source = false;
};

bool ParseArguments(const std::vector<std::string>& args, CaptureArguments& parsed) {
  for (const std::string& arg : args) {
    if (arg == "--source" && !parsed.source) {
      parsed.source = true;
    } else if (!arg.empty() && arg[0] != '-' && parsed.address.empty()) {
      parsed.address = arg;
    } else {
      return false;
    }
  }
  return !parsed.address.empty();
}

// A file that is there is read as a file; anything else is taken as a web address.
QUrl AddressUrl(const std::string& address) {
  const QString text = QString::fromLocal8Bit(address.c_str());
  const QFileInfo file(text);
  if (file.isFile()) {
    return QUrl::fromLocalFile(file.absoluteFilePath());
  }
  return QUrl::fromUserInput(text);
}

// Why a local path cannot be read as a page, empty when it can or is no path. A path that
// names nothing must not pass for a host name: the DNS error would hide that the file is missing.
std::string LocalFileProblem(const std::string& address) {
  const QFileInfo file(QString::fromLocal8Bit(address.c_str()));
  if (file.isDir()) {
    return address + " is a folder, not an HTML file";
  }
  const bool path =
      address.front() == '/' || address.rfind("./", 0) == 0 || address.rfind("../", 0) == 0;
  if (path && !file.exists()) {
    return "cannot read " + address;
  }
  return {};
}

// The page loaded, or why it could not be.
struct Loaded {
  QUrl reached;
  std::string problem;
};

Loaded LoadPage(QWebEnginePage& page, const QUrl& url) {
  Loaded loaded;
  bool finished = false;
  QObject::connect(
      &page, &QWebEnginePage::loadingChanged, &page, [&](const QWebEngineLoadingInfo& info) {
        if (finished || info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
          return;
        }
        finished = true;
        loaded.reached = info.url();
        const bool http = info.url().scheme().startsWith(QLatin1String("http"));
        // A refusal comes as a failed load whose words are those of the browser's own error
        // page, template markup and all; the status says it plainly.
        if (http && info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain &&
            info.errorCode() >= 400) {
          loaded.problem =
              "the server answered with HTTP status " + std::to_string(info.errorCode());
        } else if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus) {
          loaded.problem = info.errorString().isEmpty() ? std::string("the page did not load")
                                                        : info.errorString().toStdString();
        }
        QCoreApplication::exit(0);
      });
  QTimer::singleShot(kLoadTimeoutMilliseconds, &page, [&] {
    if (!finished) {
      finished = true;
      loaded.problem = "no answer within 30 seconds";
      QCoreApplication::exit(0);
    }
  });
  page.load(url);
  QCoreApplication::exec();
  return loaded;
}

CapturedForm ReadForm(QWebEnginePage& page) {
  CapturedForm form;
  ReadFirstForm(&page, &page, [&form](const CapturedForm& read) {
    form = read;
    QCoreApplication::exit(0);
  });
  QCoreApplication::exec();
  return form;
}

// The windows' UTF-8 as the database source's Windows-1252; nothing when a text does not fit.
std::optional<std::string> ToSourceText(const std::string& utf8) {
  const Windows1252Text text = EncodeWindows1252(QString::fromStdString(utf8));
  if (text.unmappable != 0) {
    return std::nullopt;
  }
  return text.bytes;
}

std::optional<CapturedForm> ToSourceTexts(const CapturedForm& form) {
  CapturedForm converted;
  bool fits = true;
  const auto convert = [&fits](const std::string& text) {
    const auto bytes = ToSourceText(text);
    fits = fits && bytes.has_value();
    return bytes.value_or(std::string());
  };
  converted.action = convert(form.action);
  converted.method = convert(form.method);
  for (const CapturedElement& element : form.elements) {
    CapturedElement copy{convert(element.name), convert(element.value), element.tagName, {}};
    for (const CapturedOption& option : element.options) {
      copy.options.push_back({convert(option.value), convert(option.text)});
    }
    converted.elements.push_back(std::move(copy));
  }
  if (!fits) {
    return std::nullopt;
  }
  return converted;
}

int PrintSource(const CapturedForm& form, const std::string& reached) {
  if (form.action.empty()) {
    return Fail(kFileError, "the page has no form");
  }
  const auto texts = ToSourceTexts(form);
  const auto address = ToSourceText(reached);
  if (!texts || !address) {
    return Fail(kFileError,
                "the form holds characters a database cannot store (Windows-1252 only)");
  }
  const std::string source = CaptureSource(*texts, *address);
  // What is printed must compile as it stands.
  const auto compiled = CompileDatabaseSource(source);
  if (const auto* error = std::get_if<SourceError>(&compiled)) {
    return Fail(kFileError, "the form cannot be written as database source: line " +
                                std::to_string(error->line) + ": " + error->message);
  }
  std::cout << source << std::flush;
  return kSuccess;
}

}  // namespace

int CaptureCommand(const std::vector<std::string>& args) {
  CaptureArguments arguments;
  if (!ParseArguments(args, arguments)) {
    return Fail(kUsageError, UsageOf("capture"));
  }
  if (const std::string problem = LocalFileProblem(arguments.address); !problem.empty()) {
    return Fail(kFileError, problem);
  }
  const QUrl url = AddressUrl(arguments.address);
  if (!url.isValid() || url.isEmpty()) {
    return Fail(kUsageError, "'" + arguments.address + "' is no address\n" + UsageOf("capture"));
  }

  PrepareHeadlessWebEngine();
  int argc = 1;
  char name[] = "zentrova-tool";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QWebEngineProfile profile;  // off the record: reading a page leaves no browsing data
  QuietWebPage page(&profile);

  const Loaded loaded = LoadPage(page, url);
  if (!loaded.problem.empty()) {
    return Fail(kFileError, "cannot load " + url.toString().toStdString() + ": " + loaded.problem);
  }
  const CapturedForm form = ReadForm(page);
  // The fifth line shows the address the browser reached, as the browser window's box does.
  const std::string reached = loaded.reached.toString().toUtf8().toStdString();
  if (arguments.source) {
    return PrintSource(form, reached);
  }
  std::cout << FormCaptureText(form, reached) << std::flush;
  return kSuccess;
}

}  // namespace zentrova::tool
