// Lists and multi-line boxes at 1.5 times scale: every edge of their frame stays drawn.

#include <memory>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "ui/main/framed_boxes_style.h"

using namespace zentrova;

namespace {

enum class Box { FewLines, ManyLines, FewRows, ManyRows };

// Many lines or rows bring a vertical scroll bar along the right edge.
std::unique_ptr<QAbstractScrollArea> MakeBox(Box kind) {
  const int count = kind == Box::ManyLines || kind == Box::ManyRows ? 60 : 2;
  if (kind == Box::FewLines || kind == Box::ManyLines) {
    auto edit = std::make_unique<QPlainTextEdit>();
    for (int line = 0; line < count; ++line) {
      edit->appendPlainText(QStringLiteral("line %1").arg(line));
    }
    return edit;
  }
  auto list = std::make_unique<QListWidget>();
  for (int row = 0; row < count; ++row) {
    list->addItem(QStringLiteral("row %1").arg(row));
  }
  return list;
}

bool Near(QRgb a, QRgb b) {
  return std::abs(qGray(a) - qGray(b)) < 24;
}

// The last two device pixels of a line of the picture, from its outer edge inwards.
bool EdgeShows(const QImage& picture, QRgb frame, QPoint outer, QPoint inner) {
  return Near(picture.pixel(outer), frame) || Near(picture.pixel(inner), frame);
}

}  // namespace

Q_DECLARE_METATYPE(Box)

class ScaledFramesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyEdgeOfTheFrameIsDrawn_data() {
    QTest::addColumn<Box>("kind");
    QTest::addColumn<QSize>("size");
    const struct {
      const char* name;
      Box kind;
    } kinds[] = {{"box", Box::FewLines},
                 {"box with scroll bar", Box::ManyLines},
                 {"list", Box::FewRows},
                 {"list with scroll bar", Box::ManyRows}};
    // Odd and even sizes land the far edges on whole and on half device pixels.
    for (const auto& kind : kinds) {
      for (const QSize size : {QSize(240, 64), QSize(241, 65)}) {
        QTest::addRow("%s %dx%d", kind.name, size.width(), size.height()) << kind.kind << size;
      }
    }
  }

  void everyEdgeOfTheFrameIsDrawn() {
    QFETCH(Box, kind);
    QFETCH(QSize, size);
    std::unique_ptr<QAbstractScrollArea> box = MakeBox(kind);
    box->setFixedSize(size);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QImage picture = box->grab().toImage();
    QCOMPARE(picture.devicePixelRatio(), 1.5);

    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    const QPoint middle(picture.width() / 2, picture.height() / 2);
    // The left and top lines are never covered: they give the frame's colour.
    const QRgb frame = picture.pixel(0, middle.y());
    QVERIFY(Near(picture.pixel(middle.x(), 0), frame));
    QVERIFY(!Near(box->palette().color(QPalette::Base).rgb(), frame));
    QVERIFY(EdgeShows(picture, frame, {right, middle.y()}, {right - 1, middle.y()}));
    QVERIFY(EdgeShows(picture, frame, {middle.x(), bottom}, {middle.x(), bottom - 1}));
    // Inside the line the box is filled as its viewport is, not with the window's colour.
    QCOMPARE(picture.pixel(2, middle.y()), box->viewport()->palette().color(QPalette::Base).rgb());
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_SCALE_FACTOR", "1.5");
  QApplication app(argc, argv);
  UseFramedBoxesStyle();
  ScaledFramesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "scaled_frames_test.moc"
