#pragma once

#include "ui/main/page_frame.h"

namespace zentrova {

class CategoryScreen;
class StatusLine;

// Page 5: the six keyword phrases, the adult-material box and the category per engine.
class KeywordsPage : public PageFrame {
  Q_OBJECT

 public:
  KeywordsPage(Program& program, StatusLine* status, QWidget* parent = nullptr);
  void OnViewChanged(View view) override;

  CategoryScreen* Categories() const { return categories_; }

 private:
  CategoryScreen* categories_;
};

}  // namespace zentrova
