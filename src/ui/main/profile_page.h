#pragma once

#include "ui/main/page_frame.h"

namespace zentrova {

class StatusLine;

// Page 6: the web page's address, title and description and the site owner's contact data.
class ProfilePage : public PageFrame {
  Q_OBJECT

 public:
  ProfilePage(Program& program, StatusLine* status, QWidget* parent = nullptr);
};

}  // namespace zentrova
