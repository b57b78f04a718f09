#pragma once

#include <functional>

#include <QObject>

#include "manual/form_capture.h"

class QWebEnginePage;

namespace zentrova {

// Reads the first form of the page's current document for "Get Form", texts in UTF-8. A page
// without a form, or one whose script cannot run, gives an empty form. `done` runs later,
// from the event loop, unless `context` is gone by then.
void ReadFirstForm(QWebEnginePage* page, QObject* context,
                   std::function<void(const CapturedForm&)> done);

}  // namespace zentrova
