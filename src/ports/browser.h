#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zentrova {

// HTTP statuses from this one on say that the server refused or failed the request.
inline constexpr int kFirstHttpErrorStatus = 400;

// One element of the first form of the current page (form capture, manual submission).
struct FormElement {
  std::string name;
  std::string value;
  std::string tagName;
  std::vector<std::string> options;
};

// One submission as the browser sends it: what submitting the submission page's form would
// send, loaded by the browser itself.
struct FormRequest {
  bool post = true;    // POST with `fields` as the body, else GET with them as the query
  std::string action;  // the engine's action address
  // application/x-www-form-urlencoded, ASCII; for GET it replaces the action's query.
  std::string fields;
};

// The embedded browser that submissions, the service status page and link extraction go
// through. All texts are Windows-1252 bytes, like everything else in the core; the platform
// converts at its edge.
//
// Contract:
// - Submit and Navigate each start one load, which is reported once when it completes; a
//   load stopped or overtaken by a newer one is never reported.
// - For a submission's reply only the address, the status, BodyText and LoadFailure are
//   read; Links, FirstFormElements and PageSource describe pages reached by Navigate.
// - BodyText, Links, FirstFormElements, PageSource and LoadFailure describe the page whose
//   completion was reported last; they are ready when the completion callbacks run.
class Browser {
 public:
  struct Events {
    // Address of the page reached and the HTTP status of its main document (0 when unknown,
    // for example a local file or a connection failure).
    std::function<void(const std::string& url, int httpStatus)> navigationCompleted;
    std::function<void(const std::string& url)> documentCompleted;
  };

  virtual ~Browser() = default;

  virtual void Submit(const FormRequest& request) = 0;
  // A web address, or a local file given by its full path.
  virtual void Navigate(const std::string& address) = 0;
  virtual void Stop() = 0;

  virtual std::string BodyText() const = 0;
  // Addresses of the page's links, resolved by the document.
  virtual std::vector<std::string> Links() const = 0;
  virtual std::vector<FormElement> FirstFormElements() const = 0;
  // The text of the current document as it came from the server or file (an XML sitemap, say).
  virtual std::string PageSource() const = 0;
  // Empty when the load got a reply. Otherwise no HTTP reply came at all (connection refused
  // or dropped, a name that does not resolve, a TLS failure, no network) and this is the
  // browser's own description of why, such as "net::ERR_CONNECTION_REFUSED"; the page then
  // is the browser's, never the server's.
  virtual std::string LoadFailure() const = 0;

  // Puts text into the element that has the focus (the manual submission page's paste menu).
  virtual void PasteIntoFocusedElement(const std::string& text) = 0;

  Events events;
};

}  // namespace zentrova
