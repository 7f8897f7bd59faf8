#include <gtest/gtest.h>
#include <SDL.h>

#include <cstdlib>
#include <optional>

#include "platform/TSdlMessageBoxes.h"
#include "platform/TSdlWindow.h"
#include "platform/TTextEncoding.h"

namespace {
// Unsets an environment variable for the life of the object.
class TUnsetEnv {
 public:
  explicit TUnsetEnv(const char* name) : Name(name) {
    if (const char* v = std::getenv(name)) Old = v;
    unsetenv(name);
  }
  ~TUnsetEnv() {
    if (Old) setenv(Name, Old->c_str(), 1);
  }

 private:
  const char* Name;
  std::optional<std::string> Old;
};
}  // namespace

TEST(TextEncoding, EveryByteAbove127BecomesItsLetter) {
  // Latin-1 letters, then the marks Windows-1252 keeps in 0x80..0x9F.
  EXPECT_EQ(TTextEncoding::Utf8FromWindows1252("Caf\xE9 cr\xE8me \xFC\xDF\xC5\xFF"),
            "Caf\u00E9 cr\u00E8me \u00FC\u00DF\u00C5\u00FF");
  EXPECT_EQ(TTextEncoding::Utf8FromWindows1252("\x80 \x85 \x93Hi\x94 \x96 \x99 \x8A\x9F"),
            "\u20AC \u2026 \u201CHi\u201D \u2013 \u2122 \u0160\u0178");
  // The codes Windows-1252 leaves empty keep their Latin-1 meaning; nothing is dropped.
  EXPECT_EQ(TTextEncoding::Utf8FromWindows1252("\x81\x8D\x8F\x90\x9D"),
            "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  EXPECT_EQ(TTextEncoding::Utf8FromWindows1252("\xA0\xA9"), "\u00A0\u00A9");
  EXPECT_EQ(TTextEncoding::Utf8FromWindows1252("Wendmoor: Vessary"), "Wendmoor: Vessary");
  EXPECT_EQ(TTextEncoding::Utf8FromWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncoding, TextForTheSystemIsConvertedUnlessItIsUtf8Already) {
  EXPECT_TRUE(TTextEncoding::IsUtf8("plain ASCII"));
  EXPECT_TRUE(TTextEncoding::IsUtf8("/home/j\xC3\xB6rg/\xE2\x82\xAC/\xF0\x9F\x8E\xB2"));
  EXPECT_FALSE(TTextEncoding::IsUtf8("Vess\xE4ry"));
  EXPECT_FALSE(TTextEncoding::IsUtf8("\xC3"));          // cut short
  EXPECT_FALSE(TTextEncoding::IsUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(TTextEncoding::IsUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(TTextEncoding::IsUtf8("\x93quoted\x94"));

  EXPECT_EQ(TTextEncoding::ForSystem("Vess\xE4ry"), "Vess\u00E4ry");
  EXPECT_EQ(TTextEncoding::ForSystem("\x93quoted\x94"), "\u201Cquoted\u201D");
  // A folder the system named in UTF-8 is quoted unchanged.
  EXPECT_EQ(TTextEncoding::ForSystem("cannot create \"/home/j\xC3\xB6rg/x\""),
            "cannot create \"/home/j\xC3\xB6rg/x\"");
}

TEST(TextEncoding, TheWindowTitleAndMessageBoxesReachSdlAsUtf8) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
  {
    TSdlWindow window("Wendmoor: \xC9t\xE9", 64, 48);
    ASSERT_TRUE(window.Valid()) << SDL_GetError();
    EXPECT_STREQ(SDL_GetWindowTitle(window.Handle()), "Wendmoor: \u00C9t\u00E9");
    window.SetTitle("Caf\xE9 \x80");
    EXPECT_STREQ(SDL_GetWindowTitle(window.Handle()), "Caf\u00E9 \u20AC");
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);

  // With no display to show it on, the box is only its printed line.
  TUnsetEnv display("DISPLAY"), wayland("WAYLAND_DISPLAY");
  TSdlMessageBoxes boxes;
  testing::internal::CaptureStderr();
  EXPECT_EQ(boxes.Show("Fehler", "Datei f\xFCr \x84Spieler\x93 fehlt.", TMessageButtons::Ok, true),
            TMessageResult::Ok);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Fehler: Datei f\u00FCr \u201ESpieler\u201C fehlt.\n");
}
