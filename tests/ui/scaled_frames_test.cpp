// Lists and multi-line boxes at 1.5 times scale: every edge of their frame stays drawn.

#include <cmath>
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

// A frame line is darker than the window behind the box and than the box's inside.
bool Dark(const QImage& picture, QRgb window, int x, int y) {
  return qGray(picture.pixel(x, y)) < qGray(window) - 24;
}

}  // namespace

Q_DECLARE_METATYPE(Box)

class ScaledFramesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyEdgeOfTheFrameIsDrawn_data() {
    QTest::addColumn<Box>("kind");
    QTest::addColumn<QRect>("place");
    const struct {
      const char* name;
      Box kind;
    } kinds[] = {{"box", Box::FewLines},
                 {"box with scroll bar", Box::ManyLines},
                 {"list", Box::FewRows},
                 {"list with scroll bar", Box::ManyRows}};
    // Even and odd places and sizes put the edges on whole and on half device pixels.
    for (const auto& kind : kinds) {
      for (const QRect place : {QRect(8, 8, 240, 64), QRect(9, 9, 241, 65), QRect(9, 8, 240, 65)}) {
        QTest::addRow("%s at %d,%d %dx%d", kind.name, place.x(), place.y(), place.width(),
                      place.height())
            << kind.kind << place;
      }
    }
  }

  void everyEdgeOfTheFrameIsDrawn() {
    QFETCH(Box, kind);
    QFETCH(QRect, place);
    QWidget window;
    window.setFixedSize(place.right() + 16, place.bottom() + 16);
    std::unique_ptr<QAbstractScrollArea> box = MakeBox(kind);
    box->setParent(&window);
    box->setGeometry(place);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage picture = window.grab().toImage();
    const qreal scale = picture.devicePixelRatio();
    QCOMPARE(scale, 1.5);

    const QRgb behind = window.palette().color(QPalette::Window).rgb();
    QVERIFY(qGray(box->palette().color(QPalette::Base).rgb()) >= qGray(behind));
    // The device pixels that hold each edge: the first two inside the box.
    const int left = static_cast<int>(std::ceil(place.left() * scale));
    const int top = static_cast<int>(std::ceil(place.top() * scale));
    const int right = static_cast<int>(std::floor((place.right() + 1) * scale)) - 1;
    const int bottom = static_cast<int>(std::floor((place.bottom() + 1) * scale)) - 1;
    const int middleX = (left + right) / 2;
    const int middleY = (top + bottom) / 2;
    QVERIFY2(Dark(picture, behind, left, middleY) || Dark(picture, behind, left + 1, middleY),
             "left");
    QVERIFY2(Dark(picture, behind, right, middleY) || Dark(picture, behind, right - 1, middleY),
             "right");
    QVERIFY2(Dark(picture, behind, middleX, top) || Dark(picture, behind, middleX, top + 1), "top");
    QVERIFY2(Dark(picture, behind, middleX, bottom) || Dark(picture, behind, middleX, bottom - 1),
             "bottom");
    // Inside the lines the box is filled as its viewport is, not with the window's colour.
    QCOMPARE(picture.pixel(left + 3, middleY), box->palette().color(QPalette::Base).rgb());
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
