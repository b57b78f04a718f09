#include <gtest/gtest.h>

#include <QApplication>

// WebEngine needs the application object before any page exists; the tests run in its
// event loop through RunEventsUntil.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
