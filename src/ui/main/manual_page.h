#pragma once

#include "ui/main/page_frame.h"

class QTabWidget;

namespace zentrova {

class BatchTab;
class DeepLinksTab;
class ManualSubmissionTab;

// Page 0: the side tab strip SSTab2 with deep promotion, session batch and manual submission.
class ManualPage : public PageFrame {
  Q_OBJECT

 public:
  ManualPage(Program& program, QWidget* parent = nullptr);
  void OnViewChanged(View view) override;

  QTabWidget* SideTabs() const { return sideTabs_; }
  DeepLinksTab* DeepLinks() const { return deepLinks_; }
  BatchTab* Batch() const { return batch_; }
  // The tab that holds the manual submission browser.
  ManualSubmissionTab* ManualSubmission() const { return manual_; }

 private:
  QTabWidget* sideTabs_;
  DeepLinksTab* deepLinks_;
  BatchTab* batch_;
  ManualSubmissionTab* manual_;
};

}  // namespace zentrova
