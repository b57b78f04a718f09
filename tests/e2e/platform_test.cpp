#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include "app/platform/qt_clock.h"
#include "app/platform/qt_settings_store.h"
#include "app/platform/windows1252.h"

namespace zentrova::testing {
namespace {

struct CodecCase {
  const char* label;
  QString text;
  std::string bytes;
  int unmappable;
};

class Windows1252Test : public ::testing::TestWithParam<CodecCase> {};

TEST_P(Windows1252Test, EncodesWhatTheCodePageHoldsAndCountsTheRest) {
  const CodecCase& codec = GetParam();
  const Windows1252Text encoded = EncodeWindows1252(codec.text);
  EXPECT_EQ(encoded.bytes, codec.bytes);
  EXPECT_EQ(encoded.unmappable, codec.unmappable);
  if (codec.unmappable == 0) {
    EXPECT_EQ(DecodeWindows1252(codec.bytes), codec.text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Windows1252Test,
    ::testing::Values(
        CodecCase{"AccentedLetters", QString::fromUtf8("Café crème"), "Caf\xE9 cr\xE8me", 0},
        CodecCase{"CodePageOwnSigns", QString::fromUtf8("€ „Š“ ™"), "\x80 \x84\x8A\x93 \x99", 0},
        // The encoder marks what it cannot hold with this very byte.
        CodecCase{"RealControlCharacter", QString(QChar(0x1A)), "\x1A", 0},
        CodecCase{"UndefinedBytesRoundTrip", QString(QChar(0x81)) + QChar(0x9D), "\x81\x9D", 0},
        CodecCase{"LetterOutsideTheCodePage", QString::fromUtf8("Ā and é"), "? and \xE9", 1},
        CodecCase{"CharacterBeyondTheBasicPlane", QString::fromUtf8("a😀b"), "a?b", 1}),
    [](const ::testing::TestParamInfo<CodecCase>& info) { return info.param.label; });

TEST(QtSettingsStoreTest, UserSettingsComeFirstAndTheInstallationDefaultsFillTheGaps) {
  QTemporaryDir folder;
  const QString defaults = folder.filePath(QStringLiteral("defaults.ini"));
  QFile file(defaults);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Registration]\nDealer=a1\nVersion=0.9\n");
  file.close();
  QSettings(QStringLiteral("Zentrova"), QStringLiteral("Zentrova")).clear();
  QtSettingsStore store(defaults);

  EXPECT_EQ(store.Get("Registration", "Dealer"), "a1");
  EXPECT_EQ(store.Get("Initialization", "Session"), "");
  store.Set("Registration", "Version", "1.0");
  store.Set("Initialization", "Session", "/home/j\xC3\xBCrgen/Caf\xC3\xA9.ses");
  EXPECT_EQ(store.Get("Registration", "Version"), "1.0");

  QtSettingsStore reopened(defaults);
  EXPECT_EQ(reopened.Get("Initialization", "Session"), "/home/j\xC3\xBCrgen/Caf\xC3\xA9.ses");
  EXPECT_EQ(reopened.Get("Registration", "Dealer"), "a1");
}

TEST(QtClockTest, DateAndTimeHaveTheirFixedForms) {
  QtClock clock;
  EXPECT_TRUE(QRegularExpression("^\\d\\d-\\d\\d-\\d{4}$")
                  .match(QString::fromStdString(clock.DateText()))
                  .hasMatch())
      << clock.DateText();
  EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$")
                  .match(QString::fromStdString(clock.TimeText()))
                  .hasMatch())
      << clock.TimeText();
}

}  // namespace
}  // namespace zentrova::testing
