#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TempDir.h"
#include "text/TSettingLoader.h"
#include "text/TTextStrings.h"

namespace {
const char* const CatalogueFiles[] = {
    "GameTexts.txt",    "GameConfirms.txt", "GameComments.txt", "StoryNarrations.txt",
    "Credits.txt",      "GameTutorial.txt", "TutorialInfo.txt", "CharacterChats.txt",
    "UpgradeNames.txt", "UpgradeDescs.txt"};
const int CatalogueLines[] = {30, 20, 26, 10, 34, 30, 5, 183, 24, 24};

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
  for (int i = 0; i < 10; ++i) Write(dir.File(CatalogueFiles[i]), Numbered("L", CatalogueLines[i]));
}

std::string SettingsWith(int line, const std::string& content) {
  std::string lines[8] = {"[settings]",    "Language=1",      "CharSet=1",          "; note",
                          "; note",        "SmallFontSize=10", "MediumFontSize=12", "LargeFontSize=20"};
  lines[line - 1] = content;
  std::string s;
  for (auto& l : lines) s += l + "\r\n";
  return s;
}

std::filesystem::path SourceTexts() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "content" /
         "texts";
}
}  // namespace

TEST(TextLines, EveryLineEndingEndsALineAndNoneIsInvented) {
  using V = std::vector<std::string>;
  EXPECT_EQ(TTextStrings::SplitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(TTextStrings::SplitLines("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
  EXPECT_EQ(TTextStrings::SplitLines("a\n\r"), (V{"a", ""}));  // LF then a lone CR
  EXPECT_EQ(TTextStrings::SplitLines(""), V{});
  EXPECT_EQ(TTextStrings::SplitLines("\r\n"), (V{""}));
  // Spaces are part of the entry; bytes from 128 up pass unchanged.
  EXPECT_EQ(TTextStrings::SplitLines("  x  \r\n\xE9t\xE9"), (V{"  x  ", "\xE9t\xE9"}));
}

TEST(TextStrings, SlotsHoldLinesFromOneCutToCapacity) {
  TempDir dir;
  WriteCatalogue(dir);
  std::string hundred(100, 'x');
  Write(dir.File("GameTexts.txt"), "Title\r\n" + hundred + "\r\n" + Numbered("T", 28));
  Write(dir.File("GameConfirms.txt"), hundred + "\n" + Numbered("C", 19, "\n"));
  Write(dir.File("Credits.txt"), Numbered("Cr", 40, "\r"));
  TTextStrings t;
  std::string error;
  ASSERT_TRUE(t.Load(dir.Str(), error)) << error;
  EXPECT_EQ(t.GameTexts[1], "Title");
  EXPECT_EQ(t.GameTexts[2], hundred.substr(0, 80));
  EXPECT_EQ(t.GameConfirms[1], hundred);
  EXPECT_EQ(t.Credits[34], "Cr34");
  EXPECT_EQ(t.Credits.Count(), 34);
  EXPECT_EQ(t.Credits[35], "");  // lines past the count are not kept
  EXPECT_EQ(t.CharacterChats[183], "L183");
  EXPECT_EQ(t.UpgradeDescs[0], "");
  EXPECT_EQ(t.TutorialInfo.SlotCapacity(), 255);
  EXPECT_EQ(t.UpgradeNames.SlotCapacity(), 80);
}

TEST(TextStrings, MissingOrShortFilesStopWithTheFileAndLine) {
  {
    TempDir dir;
    WriteCatalogue(dir);
    std::filesystem::remove(dir.File("TutorialInfo.txt"));
    TTextStrings t;
    std::string error;
    EXPECT_FALSE(t.Load(dir.Str(), error));
    EXPECT_NE(error.find("TutorialInfo.txt"), std::string::npos) << error;
  }
  {
    TempDir dir;
    WriteCatalogue(dir);
    // 25 lines and a trailing empty line ending: still only 25 entries of 26.
    Write(dir.File("GameComments.txt"), Numbered("G", 25));
    TTextStrings t;
    std::string error;
    EXPECT_FALSE(t.Load(dir.Str(), error));
    EXPECT_NE(error.find("GameComments.txt"), std::string::npos) << error;
    EXPECT_NE(error.find("line 26"), std::string::npos) << error;
  }
  {
    TempDir dir;
    WriteCatalogue(dir);
    // An empty last line written out counts as an entry.
    Write(dir.File("GameComments.txt"), Numbered("G", 25) + "\r\n");
    TTextStrings t;
    std::string error;
    EXPECT_TRUE(t.Load(dir.Str(), error)) << error;
    EXPECT_EQ(t.GameComments[26], "");
  }
}

TEST(SettingLoader, TablesAndDefaults) {
  TSettingLoader fresh;
  EXPECT_EQ(fresh.Language(), TSettingLoaderLanguage::laUS);
  EXPECT_EQ(fresh.CharSet(), 1);
  EXPECT_EQ(fresh.SmallFontSize(), 10);
  EXPECT_EQ(fresh.MediumFontSize(), 12);
  EXPECT_EQ(fresh.LargeFontSize(), 20);

  EXPECT_EQ(TSettingLoader::LanguageOf(3), TSettingLoaderLanguage::laES);
  EXPECT_EQ(TSettingLoader::LanguageOf(8), TSettingLoaderLanguage::laSE);
  EXPECT_EQ(TSettingLoader::LanguageOf(9), TSettingLoaderLanguage::laUS);
  EXPECT_EQ(TSettingLoader::LanguageOf(0), TSettingLoaderLanguage::laUS);
  const int codes[20] = {1, 0, 1, 2, 77, 128, 129, 130, 134, 136,
                         161, 162, 163, 177, 178, 186, 204, 222, 238, 255};
  for (int n = 0; n < 20; ++n) EXPECT_EQ(TSettingLoader::CharSetCodeOf(n), codes[n]) << n;
  EXPECT_EQ(TSettingLoader::CharSetCodeOf(20), 1);
}

TEST(SettingLoader, ReadsValuesAfterTheFirstEqualsSign) {
  TempDir dir;
  std::string s = SettingsWith(2, "Language=3");
  Write(dir.File("_settings.txt"), s);
  TSettingLoader a;
  std::string error;
  ASSERT_TRUE(a.Load(dir.Str(), error)) << error;
  EXPECT_EQ(a.Language(), TSettingLoaderLanguage::laES);

  Write(dir.File("_settings.txt"),
        "x\r\n7\r\nCharSet=16\r\nanything\r\n\r\nSmall = 14 \r\nM=-3\r\nL=+22");
  TSettingLoader b;
  ASSERT_TRUE(b.Load(dir.Str(), error)) << error;
  EXPECT_EQ(b.Language(), TSettingLoaderLanguage::laBR);  // no "=": the whole line
  EXPECT_EQ(b.CharSet(), 204);
  EXPECT_EQ(b.SmallFontSize(), 14);
  EXPECT_EQ(b.MediumFontSize(), -3);
  EXPECT_EQ(b.LargeFontSize(), 22);

  int v = 0;
  EXPECT_FALSE(TSettingLoader::ParseValue("a=b=3", v));  // only the first "=" goes
  EXPECT_FALSE(TSettingLoader::ParseValue("Language=2=", v));
  EXPECT_TRUE(TSettingLoader::ParseValue("=2", v));
  EXPECT_EQ(v, 2);
}

TEST(SettingLoader, BadValuesAndShortFilesStopWithTheLine) {
  struct Case {
    int Line;
    std::string Content;
  };
  for (const Case& c : {Case{6, "SmallFontSize=fourteen"}, Case{2, "Language="},
                        Case{3, "CharSet=1.5"}, Case{8, "LargeFontSize=99999999999"}}) {
    TempDir dir;
    Write(dir.File("_settings.txt"), SettingsWith(c.Line, c.Content));
    TSettingLoader s;
    std::string error;
    EXPECT_FALSE(s.Load(dir.Str(), error)) << c.Content;
    EXPECT_NE(error.find("_settings.txt"), std::string::npos) << error;
    EXPECT_NE(error.find("line " + std::to_string(c.Line)), std::string::npos) << error;
  }
  TempDir dir;
  Write(dir.File("_settings.txt"), "a\r\nLanguage=2\r\nCharSet=16\r\n\r\n\r\nSmall=14\r\n");
  TSettingLoader s;
  std::string error;
  EXPECT_FALSE(s.Load(dir.Str(), error));
  EXPECT_NE(error.find("line 7"), std::string::npos) << error;
  TempDir empty;
  EXPECT_FALSE(s.Load(empty.Str(), error));
  EXPECT_NE(error.find("_settings.txt"), std::string::npos) << error;
  EXPECT_EQ(s.Language(), TSettingLoaderLanguage::laUS);  // a failed load changes nothing
}

TEST(TextCatalogue, TheInstalledTextsLoad) {
  std::filesystem::path texts = SourceTexts();
  if (!std::filesystem::exists(texts / "GameTexts.txt")) GTEST_SKIP() << "no texts at " << texts;
  std::string folder = texts.string() + "/";
  TTextStrings t;
  std::string error;
  ASSERT_TRUE(t.Load(folder, error)) << error;
  EXPECT_FALSE(t.GameTexts[1].empty());
  TSettingLoader s;
  ASSERT_TRUE(s.Load(folder, error)) << error;
  EXPECT_EQ(s.CharSet(), 0);
}
