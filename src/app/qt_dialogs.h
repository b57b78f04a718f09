#pragma once

#include <functional>

#include "ports/dialogs.h"

class QWidget;

namespace zentrova {

// Message boxes and file dialogs on Qt's own dialogs. File dialogs open 30 pixels right of
// and below the main window's top-left corner.
class QtDialogs : public Dialogs {
 public:
  // The window the dialogs belong to; it may not exist yet when a message is shown.
  explicit QtDialogs(std::function<QWidget*()> mainWindow);

  MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                            const std::string& title) override;
  std::string AskOpenFileName(const FileDialogRequest& request) override;
  std::string AskSaveFileName(const FileDialogRequest& request) override;

 private:
  std::string AskFileName(const FileDialogRequest& request, bool save);

  std::function<QWidget*()> mainWindow_;
};

}  // namespace zentrova
