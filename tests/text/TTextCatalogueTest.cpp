#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TempDir.h"
#include "text/TSettingLoader.h"
#include "text/TTextStrings.h"

namespace {
void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Numbered(const std::string& prefix, int count, const char* ending = "\r\n") {
  std::string s;
  for (int i = 1; i <= count; ++i) s += prefix + std::to_string(i) + ending;
  return s;
}

// A complete, valid text folder.
void WriteCatalogue(const TempDir& dir) {
  const char* files[] = {"GameTexts.txt",    "GameConfirms.txt", "GameComments.txt",
                         "StoryNarrations.txt", "Credits.txt",   "GameTutorial.txt",
                         "TutorialInfo.txt", "CharacterChats.txt", "UpgradeNames.txt",
                         "UpgradeDescs.txt"};
  const int lines[] = {37, 20, 30, 10, 34, 30, 5, 183, 24, 24};
  for (int i = 0; i < 10; ++i) Write(dir.File(files[i]), Numbered("L", lines[i]));
}

// Loads a settings file whose line `line` is `content`; the error text, empty on success.
std::string LoadSettings(TSettingLoader& s, int line, const std::string& content) {
  std::string lines[8] = {"[settings]", "Language=1",       "CharSet=1",
                          "; note",     "; note",           "SmallFontSize=10",
                          "MediumFontSize=12", "LargeFontSize=20"};
  lines[line - 1] = content;
  TempDir dir;
  std::string text;
  for (auto& l : lines) text += l + "\r\n";
  Write(dir.File("_settings.txt"), text);
  std::string error;
  return s.Load(dir.Str(), error) ? "" : error;
}
}  // namespace

TEST(TextLines, EveryLineEndingEndsALineAndNoneIsInvented) {
  using V = std::vector<std::string>;
  EXPECT_EQ(TTextStrings::SplitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(TTextStrings::SplitLines("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
  EXPECT_EQ(TTextStrings::SplitLines("a\n\r"), (V{"a", ""}));  // LF then a lone CR
  EXPECT_EQ(TTextStrings::SplitLines(""), V{});
  // Spaces belong to the entry; bytes from 128 up pass unchanged.
  EXPECT_EQ(TTextStrings::SplitLines("  x  \r\n\xE9t\xE9"), (V{"  x  ", "\xE9t\xE9"}));
}

TEST(TextStrings, SlotsHoldLinesFromOneCutToCapacity) {
  TempDir dir;
  WriteCatalogue(dir);
  std::string hundred(100, 'x');
  Write(dir.File("GameTexts.txt"), "Title\r\n" + hundred + "\r\n" + Numbered("T", 35));
  Write(dir.File("GameConfirms.txt"), hundred + "\n" + Numbered("C", 19, "\n"));
  Write(dir.File("Credits.txt"), Numbered("Cr", 40, "\r"));
  TTextStrings t;
  std::string error;
  ASSERT_TRUE(t.Load(dir.Str(), error)) << error;
  EXPECT_EQ(t.GameTexts[1], "Title");
  EXPECT_EQ(t.GameTexts[2], hundred.substr(0, 80));
  EXPECT_EQ(t.GameConfirms[1], hundred);
  EXPECT_EQ(t.Credits[34], "Cr34");
  EXPECT_EQ(t.Credits[35], "");  // lines past the count are not kept
  EXPECT_EQ(t.CharacterChats[183], "L183");
  EXPECT_EQ(t.UpgradeDescs[0], "");
}

TEST(TextStrings, MissingOrShortFilesStopWithTheFileAndLine) {
  TempDir dir;
  WriteCatalogue(dir);
  // 29 entries (the last ending adds no empty one) where 30 are read.
  Write(dir.File("GameComments.txt"), Numbered("G", 29));
  TTextStrings t;
  std::string error;
  EXPECT_FALSE(t.Load(dir.Str(), error));
  EXPECT_NE(error.find("GameComments.txt"), std::string::npos) << error;
  EXPECT_NE(error.find("line 30"), std::string::npos) << error;
  // An empty last line written out is an entry.
  Write(dir.File("GameComments.txt"), Numbered("G", 29) + "\r\n");
  EXPECT_TRUE(t.Load(dir.Str(), error)) << error;
  std::filesystem::remove(dir.File("TutorialInfo.txt"));
  EXPECT_FALSE(t.Load(dir.Str(), error));
  EXPECT_NE(error.find("TutorialInfo.txt"), std::string::npos) << error;
}

TEST(SettingLoader, ValuesAndTheirTables) {
  TSettingLoader s;
  EXPECT_EQ(s.CharSet(), 1);  // before any file is read
  EXPECT_EQ(LoadSettings(s, 2, "Language=3"), "");
  EXPECT_EQ(s.Language(), TSettingLoaderLanguage::laES);
  EXPECT_EQ(LoadSettings(s, 2, "Language=9"), "");
  EXPECT_EQ(s.Language(), TSettingLoaderLanguage::laUS);
  EXPECT_EQ(LoadSettings(s, 2, "8"), "");  // without "=" the whole line is the value
  EXPECT_EQ(s.Language(), TSettingLoaderLanguage::laSE);
  EXPECT_EQ(LoadSettings(s, 3, "CharSet=16"), "");
  EXPECT_EQ(s.CharSet(), 204);
  EXPECT_EQ(LoadSettings(s, 3, "CharSet=2"), "");
  EXPECT_EQ(s.CharSet(), 1);
  EXPECT_EQ(LoadSettings(s, 3, "CharSet=1"), "");
  EXPECT_EQ(s.CharSet(), 0);
  EXPECT_EQ(LoadSettings(s, 6, "Small size = 14 "), "");
  EXPECT_EQ(s.SmallFontSize(), 14);
  EXPECT_EQ(s.LargeFontSize(), 20);
  EXPECT_EQ(TSettingLoader::CharSetCodeOf(19), 255);
  EXPECT_EQ(TSettingLoader::CharSetCodeOf(20), 1);
}

TEST(SettingLoader, BadValuesAndShortFilesStopWithTheLine) {
  struct Case {
    int Line;
    std::string Content;
  };
  for (const Case& c : {Case{6, "SmallFontSize=fourteen"}, Case{2, "Language="},
                        Case{3, "CharSet=1.5"}, Case{7, "a=b=3"}, Case{8, "L=99999999999"}}) {
    TSettingLoader s;
    std::string error = LoadSettings(s, c.Line, c.Content);
    EXPECT_NE(error.find("_settings.txt"), std::string::npos) << c.Content << ": " << error;
    EXPECT_NE(error.find("line " + std::to_string(c.Line)), std::string::npos) << error;
    EXPECT_EQ(s.SmallFontSize(), 10);  // a failed load changes nothing
  }
  TempDir dir;
  Write(dir.File("_settings.txt"), "a\r\nLanguage=2\r\nCharSet=16\r\n\r\n\r\nSmall=14\r\n");
  TSettingLoader s;
  std::string error;
  EXPECT_FALSE(s.Load(dir.Str(), error));
  EXPECT_NE(error.find("line 7"), std::string::npos) << error;
  TempDir empty;
  EXPECT_FALSE(s.Load(empty.Str(), error));
}

TEST(TextCatalogue, TheInstalledTextsLoad) {
  auto texts = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
               "content" / "texts";
  if (!std::filesystem::exists(texts / "GameTexts.txt")) GTEST_SKIP() << "no texts at " << texts;
  TTextStrings t;
  TSettingLoader s;
  std::string error;
  ASSERT_TRUE(t.Load(texts.string() + "/", error)) << error;
  ASSERT_TRUE(s.Load(texts.string() + "/", error)) << error;
  EXPECT_FALSE(t.GameTexts[1].empty());
}
