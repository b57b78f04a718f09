#pragma once

#include <QVBoxLayout>
#include <QWidget>

#include "program/program.h"

namespace zentrova {

// A page of the main tab strip: the banner on top (Image3(page)), the page's own controls
// under it.
class PageFrame : public QWidget {
  Q_OBJECT

 public:
  PageFrame(Program& program, int page, QWidget* parent = nullptr);
  int Page() const { return page_; }
  // The core changed something this page may show. Every page keeps its profile boxes and
  // check boxes in step with the editing view; pages override this to redraw the rest.
  virtual void OnViewChanged(View view);

 protected:
  // Where a page puts its controls.
  QVBoxLayout* Body() const { return body_; }
  Program& program_;

 private:
  int page_;
  QVBoxLayout* body_;
};

}  // namespace zentrova
