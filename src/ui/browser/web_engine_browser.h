#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include "ports/browser.h"

class QWebEngineLoadingInfo;
class QWebEnginePage;

namespace zentrova {

// The Browser port on a Qt WebEngine page. The page may sit in a visible view (the browser
// window) or in none at all (a headless run); it must outlive this object.
//
// Only navigations this object started (a submitted form, Navigate) are reported, and only
// once each: the written page's own load, loads that were stopped, and late events of an
// earlier request are dropped. The page's text, links and form are read before the events
// are raised, because the core reads them synchronously from its handlers.
class WebEngineBrowser : public QObject, public Browser {
  Q_OBJECT

 public:
  explicit WebEngineBrowser(QWebEnginePage* page, QObject* parent = nullptr);

  void WritePage(const std::string& html) override;
  void SubmitFirstForm() override;
  void Navigate(const std::string& address) override;
  void Stop() override;

  std::string BodyText() const override { return bodyText_; }
  std::vector<std::string> Links() const override { return links_; }
  std::vector<FormElement> FirstFormElements() const override { return formElements_; }
  std::string PageSource() const override { return pageSource_; }
  std::string LoadFailure() const override { return loadFailure_; }
  void PasteIntoFocusedElement(const std::string& text) override;

  QWebEnginePage* Page() const { return page_; }

 private:
  enum class Request { None, Submission, Navigation };

  void OnLoadingChanged(const QWebEngineLoadingInfo& info);
  void OnWrittenPageLoaded();
  void RetryWrittenPage();
  void StartRequest(Request request);
  void SendSubmission();
  void ReadPageThenReport(const QUrl& url, int httpStatus);
  void ReportEmptyReply(const QUrl& url);
  void ReportFailedLoad(const QWebEngineLoadingInfo& info);
  void ClearPage();
  void Report(const QUrl& url, int httpStatus);

  QWebEnginePage* page_;
  Request request_ = Request::None;
  // Counts requests, so that a page reading that finishes after a newer request began is
  // dropped instead of describing the wrong page.
  unsigned serial_ = 0;
  bool requestStarted_ = false;
  bool writingPage_ = false;
  bool submitWhenWritten_ = false;
  QString writtenPage_;
  int writeRetries_ = 0;

  std::string bodyText_;
  std::vector<std::string> links_;
  std::vector<FormElement> formElements_;
  std::string pageSource_;
  std::string loadFailure_;
};

}  // namespace zentrova
