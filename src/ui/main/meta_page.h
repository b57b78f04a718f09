#pragma once

#include "ui/main/page_frame.h"

class QPushButton;

namespace zentrova {

class StatusLine;

// Page 4: the META tag generator's frame with its file boxes and tag texts.
class MetaPage : public PageFrame {
  Q_OBJECT

 public:
  MetaPage(Program& program, StatusLine* status, QWidget* parent = nullptr);

  QPushButton* BrowseButton() const { return browse_; }
  QPushButton* GenerateButton() const { return generate_; }

 private:
  QPushButton* browse_;
  QPushButton* generate_;
};

}  // namespace zentrova
