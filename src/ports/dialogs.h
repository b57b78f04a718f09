#pragma once

#include <string>
#include <vector>

namespace zentrova {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// One file type of a file dialog: "HTML files (*.htm;*.html)" with "*.htm;*.html".
struct FileType {
  std::string description;
  std::string pattern;
};

// What a file dialog shows. The rules that decide it (types by kind, the starting folder,
// extensions, the replace question) live in the core; the platform only shows the dialog.
// The folder, the name and the answer are the file system's own bytes.
struct FileDialogRequest {
  std::vector<FileType> types;
  std::string startFolder;  // empty: the platform's current folder
  std::string fileName;     // initial content of the file-name field
  bool mustExist = false;   // open dialogs only
};

// Message boxes and file dialogs. Every answer a test needs is given through this port.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                                    MessageIcon icon, const std::string& title) = 0;
  // Full path of the chosen file, empty when cancelled.
  virtual std::string AskOpenFileName(const FileDialogRequest& request) = 0;
  // The name as typed or chosen (full path), empty when cancelled. The platform adds no
  // extension and asks no replace question: the core does both.
  virtual std::string AskSaveFileName(const FileDialogRequest& request) = 0;
};

}  // namespace zentrova
