#pragma once

#include <QObject>
#include <QUrl>

#include "ports/browser.h"

class QWebEngineLoadingInfo;
class QWebEnginePage;

namespace zentrova {

// The Browser port on a Qt WebEngine page. The page may sit in a visible view (the browser
// window) or in none at all (a headless run); it must outlive this object.
//
// Only loads this object started (Submit, Navigate) are reported, and only once each: loads
// that were stopped and late events of an earlier request are dropped. What the core may ask
// about the page is read before the events are raised, because the core reads it
// synchronously from its handlers: a submission's reply only as text, a page navigated to
// whole.
class WebEngineBrowser : public QObject, public Browser {
  Q_OBJECT

 public:
  explicit WebEngineBrowser(QWebEnginePage* page, QObject* parent = nullptr);

  void Submit(const FormRequest& request) override;
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
  void StartRequest(Request request);
  void ReadReplyThenReport(const QUrl& url, int httpStatus);
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

  std::string bodyText_;
  std::vector<std::string> links_;
  std::vector<FormElement> formElements_;
  std::string pageSource_;
  std::string loadFailure_;
};

}  // namespace zentrova
