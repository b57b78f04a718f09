#pragma once

#include <array>
#include <functional>

#include <QMainWindow>

#include "program/program.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace zentrova {

class AboutBox;
class HelpWindow;
class PageFrame;
class StartPage;
class StatusLine;

// Form7: the eight step pages, the status line, "Ne&xt >>", the File and Help menus. It shows
// the core's state and hands every user event to the core.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Program& program, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Asked before the window closes (close box or File → Exit); false keeps it open.
  void SetExitRequest(std::function<bool()> exitRequest) { exitRequest_ = std::move(exitRequest); }

  // Pages by their step number (7 … 0).
  void ShowPage(int page);
  int CurrentPage() const;
  PageFrame* Page(int page) const { return pages_[static_cast<size_t>(page)]; }
  StartPage* Start() const;
  StatusLine* Status() const { return status_; }
  QTabWidget* Tabs() const { return tabs_; }
  HelpWindow* Help();
  AboutBox* About();

  // An entry of the Help menu after "Help &Contents" (the submission browser's window).
  QAction* AddHelpCommand(const QString& caption, std::function<void()> command);

  void ShowHint(int code);
  // The caption, the category caption and the page hint, as start-up sets them.
  void RefreshWindowTexts();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void BuildPages();
  void OnViewChanged(View view);
  void OnTabChanged(int index);
  void ShowNextPage();
  void ShowAbout();

  Program& program_;
  std::function<bool()> exitRequest_;
  StatusLine* status_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QPushButton* next_ = nullptr;
  std::array<PageFrame*, 8> pages_{};
  QMenu* helpMenu_ = nullptr;
  QAction* helpContents_ = nullptr;
  AboutBox* about_ = nullptr;
  HelpWindow* help_ = nullptr;
  bool busyCursorShown_ = false;
};

}  // namespace zentrova
