#include "ui/main/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/windows1252.h"
#include "ui/main/pictures.h"

namespace zentrova {

QString AboutVersionText() {
  return QStringLiteral("Version %1.%2.%3")
      .arg(ZENTROVA_VERSION_MAJOR)
      .arg(ZENTROVA_VERSION_MINOR)
      .arg(ZENTROVA_VERSION_PATCH);
}

AboutBox::AboutBox(const Program& program, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form10"));
  setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(kAppTitle));
  setModal(false);
  auto* layout = new QHBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setPixmap(PictureIcon(program.folders, QStringLiteral("about")).pixmap(QSize(96, 96)));
  layout->addWidget(picture, 0, Qt::AlignVCenter);
  auto* texts = new QVBoxLayout;
  auto* version = new QLabel(AboutVersionText(), this);
  version->setObjectName(QStringLiteral("Label4"));
  auto* distributor = new QLabel(DecodeWindows1252(program.text.distributor.title), this);
  distributor->setObjectName(QStringLiteral("Label3"));
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  texts->addStretch(1);
  texts->addWidget(version);
  texts->addWidget(distributor);
  texts->addStretch(1);
  texts->addWidget(ok, 0, Qt::AlignRight);
  layout->addLayout(texts, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace zentrova
