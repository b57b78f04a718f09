#include "ui/main/registration_page.h"

#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/windows1252.h"
#include "deeppromo/deep_link_list.h"
#include "submission/run_controller.h"
#include "ui/main/pictures.h"

namespace zentrova {
namespace {

constexpr int kLampSize = 16;
constexpr const char* kStepCaptions[] = {"Data Preparation for Submission",
                                         "Submission to Search Engine",
                                         "Response from Search Engine", "Saving Registration Data"};

// The installation's lamp picture, or a plain disc of the colour when it has none.
QPixmap LampPicture(const Program& program, const char* name, const QColor& colour) {
  const QString pictureName = QString::fromLatin1(name);
  if (QFile::exists(PicturePath(program.folders, pictureName))) {
    return PicturePixmap(program.folders, pictureName, QSize(kLampSize, kLampSize), 1.0);
  }
  QPixmap picture(kLampSize, kLampSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(colour);
  painter.setPen(colour.darker());
  painter.drawEllipse(1, 1, kLampSize - 2, kLampSize - 2);
  return picture;
}

// A value the user may select and copy, under the control name the tests and help know.
QLabel* ValueLabel(const char* name) {
  auto* value = new QLabel;
  value->setObjectName(QString::fromLatin1(name));
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return value;
}

QLabel* AddRow(QFormLayout* layout, const char* caption, const char* name) {
  QLabel* value = ValueLabel(name);
  layout->addRow(QString::fromLatin1(caption), value);
  return value;
}

// One row of the status frame: its caption, and its count in the "Total" column.
QLabel* AddCounter(QGridLayout* layout, const char* caption, const char* name) {
  const int row = layout->rowCount();
  QLabel* value = ValueLabel(name);
  value->setAlignment(Qt::AlignCenter);
  layout->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
  layout->addWidget(value, row, 1);
  return value;
}

void SetText(QLabel* label, const std::string& text) {
  label->setText(DecodeWindows1252(text));
}

}  // namespace

RegistrationPage::RegistrationPage(Program& program, QWidget* parent)
    : PageFrame(program, kRegistrationPage, parent),
      litLamp_(LampPicture(program, "lamp_on", QColor(0x2e, 0xcc, 0x40))),
      unlitLamp_(LampPicture(program, "lamp_off", QColor(0x55, 0x55, 0x55))),
      runButton_(new QPushButton(QStringLiteral("&Run Online Registration"))),
      stopButton_(new QPushButton(QStringLiteral("&Stop"))) {
  auto* statusFrame = new QGroupBox(QStringLiteral("Online Registration Status"));
  auto* status = new QGridLayout(statusFrame);
  auto* total = new QLabel(QStringLiteral("Total"));
  total->setObjectName(QStringLiteral("totalHeading"));
  total->setAlignment(Qt::AlignCenter);
  QFont heading = total->font();
  heading.setBold(true);
  total->setFont(heading);
  status->addWidget(total, 0, 1);
  engineCount_ = AddCounter(status, "Search Engines for Registration", "engineCount");
  successful_ = AddCounter(status, "Successful Registration", "successful");
  failed_ = AddCounter(status, "Failed Registration", "failed");
  ready_ = AddCounter(status, "Ready for Registration in current Session", "ready");
  // The column stands beside the captions, where the eye finds it, not at the far edge.
  status->setColumnMinimumWidth(1, total->sizeHint().width() * 2);
  status->setColumnStretch(2, 1);

  auto* runFrame = new QGroupBox(QStringLiteral("Online Registration"));
  auto* run = new QFormLayout(runFrame);
  engineInProcess_ = AddRow(run, "Search Engine in Process:", "Label20");
  linkInProcess_ = AddRow(run, "Link in Process:", "Label42");
  deepPromotion_ = AddRow(run, "Deep Promotion:", "deepPromotion");
  deepLinkCount_ = AddRow(run, "Deep Promotion Links:", "Label44");
  currentDate_ = AddRow(run, "Current Date:", "Label36");
  startedTime_ = AddRow(run, "Started Time:", "Label37");
  currentTime_ = AddRow(run, "Current Time:", "Label38");

  auto* stepsFrame = new QGroupBox(QStringLiteral("Online Registration Steps"));
  auto* steps = new QGridLayout(stepsFrame);
  for (int step = 0; step < static_cast<int>(lamps_.size()); ++step) {
    lamps_[static_cast<size_t>(step)] = new QLabel;
    lamps_[static_cast<size_t>(step)]->setObjectName(QStringLiteral("Image1_%1").arg(step));
    steps->addWidget(lamps_[static_cast<size_t>(step)], step, 0);
    steps->addWidget(new QLabel(QString::fromLatin1(kStepCaptions[step])), step, 1);
  }
  steps->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(runButton_);
  buttons->addWidget(stopButton_);

  QVBoxLayout* layout = Body();
  layout->addWidget(statusFrame);
  layout->addWidget(runFrame);
  layout->addWidget(stepsFrame);
  layout->addLayout(buttons);
  layout->addStretch(1);

  connect(runButton_, &QPushButton::clicked, this, [this] { StartOnlineRegistration(program_); });
  connect(stopButton_, &QPushButton::clicked, this, [this] { StopOnlineRegistration(program_); });

  QPointer<RegistrationPage> self(this);
  program_.views.Subscribe([self](View view) {
    if (self.isNull()) {
      return;
    }
    switch (view) {
      case View::QueueStatus:
        self->ShowCounters();
        break;
      case View::Progress:
      case View::DeepLinks:
        self->ShowProgress();
        break;
      case View::BusyControls:
        self->ShowBusyControls();
        break;
      default:
        break;
    }
  });
  ShowCounters();
  ShowProgress();
  ShowBusyControls();
}

void RegistrationPage::ShowCounters() {
  const QueueStatus& status = program_.engineLists.status;
  SetText(engineCount_, status.engineCount);
  SetText(successful_, status.successful);
  SetText(failed_, status.failed);
  SetText(ready_, status.ready);
}

void RegistrationPage::ShowProgress() {
  const ProgressPanel& progress = program_.progress;
  SetText(engineInProcess_, progress.engineInProcess);
  SetText(linkInProcess_, progress.linkInProcess);
  SetText(deepPromotion_, DeepPromotionStatusText(program_));
  SetText(deepLinkCount_, progress.deepLinkCount);
  SetText(currentDate_, progress.currentDate);
  SetText(startedTime_, progress.startedTime);
  SetText(currentTime_, progress.currentTime);
  for (size_t lamp = 0; lamp < lamps_.size(); ++lamp) {
    lamps_[lamp]->setPixmap(progress.lamps[lamp] ? litLamp_ : unlitLamp_);
  }
}

void RegistrationPage::ShowBusyControls() {
  runButton_->setEnabled(program_.busy.runRegistration);
  stopButton_->setEnabled(program_.busy.registrationStop);
}

}  // namespace zentrova
