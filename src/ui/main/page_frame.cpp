#include "ui/main/page_frame.h"

#include <QLabel>

#include "ui/main/banner.h"
#include "ui/main/profile_boxes.h"

namespace zentrova {

PageFrame::PageFrame(Program& program, int page, QWidget* parent)
    : QWidget(parent), program_(program), page_(page) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  auto* banner = new Banner(program.folders, this);
  banner->setObjectName(QStringLiteral("Image3_%1").arg(page));
  layout->addWidget(banner, 0, Qt::AlignHCenter);
  body_ = new QVBoxLayout;
  layout->addLayout(body_, 1);
}

void PageFrame::OnViewChanged(View view) {
  if (view == View::Profile) {
    RefreshProfileControls(this);
  }
}

}  // namespace zentrova
