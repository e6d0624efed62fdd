// Code pages: encoding, decoding and lower-casing in CP1250 and UTF-8, and file-name conversion.

#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <QString>
#include <string>

using namespace spinfolio;

namespace {

// "Zażółć gęślą jaźń" and its upper-case form.
constexpr const char* kPolishUtf8 =
    "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84";
constexpr const char* kPolishCp1250 = "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1";
constexpr const char* kUpperCp1250 = "ZA\xAF\xD3\xA3\xC6 G\xCA\x8CL\xA5 JA\x8F\xD1";
constexpr const char* kLowerCp1250 = "za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1";

TEST(CodePageTest, Cp1250EncodesAndDecodesPolishLetters) {
  const CodePage cp("CP1250");
  ASSERT_EQ(cp.name(), "CP1250");
  EXPECT_FALSE(cp.isUtf8());
  EXPECT_EQ(cp.encode(QString::fromUtf8("\xC4\x84\xC4\x85")), "\xA5\xB9");
  EXPECT_EQ(cp.decode("\xA5\xB9"), QString::fromUtf8("\xC4\x84\xC4\x85"));
  EXPECT_EQ(cp.encode(QString::fromUtf8(kPolishUtf8)), kPolishCp1250);
  EXPECT_EQ(cp.decode(kPolishCp1250), QString::fromUtf8(kPolishUtf8));
}

TEST(CodePageTest, EachUnconvertibleCharacterBecomesOneReplacement) {
  const CodePage cp("CP1250");
  // U+4E2D (three UTF-8 bytes) and U+1F4BF (four) between characters CP1250 has.
  EXPECT_EQ(cp.encode(QString::fromUtf8("\xC4\x84\xE4\xB8\xAD-\xF0\x9F\x92\xBF\xC4\x85")),
            "\xA5?-?\xB9");
  // 0x81 is undefined in CP1250; the letter after it survives.
  EXPECT_EQ(cp.decode("\x81\xB9"), QString::fromUtf8("\xEF\xBF\xBD\xC4\x85"));
}

TEST(CodePageTest, LowerHandlesPolishLettersInEitherCodePage) {
  const CodePage cp1250("CP1250");
  EXPECT_EQ(cp1250.lower("\xA5"), "\xB9");
  EXPECT_EQ(cp1250.lower(kUpperCp1250), kLowerCp1250);

  const CodePage utf8("UTF-8");
  EXPECT_EQ(utf8.lower("\xC4\x84"), "\xC4\x85");
  EXPECT_EQ(utf8.lower("\xC5\x81\xC3\x93Z\xC5\xB9"), "\xC5\x82\xC3\xB3z\xC5\xBA");
}

TEST(CodePageTest, AsciiTextIsLowerCasedDirectly) {
  for (const char* name : {"CP1250", "UTF-8"}) {
    const CodePage cp(name);
    EXPECT_EQ(cp.lower("ABC xyz 09 [@]"), "abc xyz 09 [@]") << name;
    EXPECT_EQ(cp.encode(u"Plain"), "Plain") << name;
    EXPECT_EQ(cp.decode("Plain"), QStringLiteral("Plain")) << name;
  }
}

TEST(CodePageTest, UnknownNameFallsBackToUtf8) {
  const CodePage cp("NO-SUCH-CODE-PAGE");
  EXPECT_EQ(cp.name(), "UTF-8");
  EXPECT_TRUE(cp.isUtf8());
  EXPECT_EQ(cp.encode(QString::fromUtf8("\xC4\x84")), "\xC4\x84");
}

TEST(CodePageTest, Utf8IsRecognisedUnderItsSpellings) {
  for (const char* name : {"UTF-8", "utf8", "Utf_8"}) {
    const CodePage cp(name);
    EXPECT_TRUE(cp.isUtf8()) << name;
    EXPECT_EQ(cp.name(), name);
  }
}

TEST(CodePageTest, FileNamesConvertBetweenUtf8AndTheCodePage) {
  const CodePage cp("CP1250");
  const std::string native = std::string("/media/") + kPolishUtf8 + ".txt";
  const std::string stored = std::string("/media/") + kPolishCp1250 + ".txt";
  EXPECT_EQ(cp.fromNative(native), stored);
  EXPECT_EQ(cp.toNative(stored), native);
  EXPECT_EQ(cp.fromNative("/plain/name.txt"), "/plain/name.txt");

  const CodePage utf8("UTF-8");
  EXPECT_EQ(utf8.fromNative(native), native);
  EXPECT_EQ(utf8.toNative(native), native);
}

}  // namespace
