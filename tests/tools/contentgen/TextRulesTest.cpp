// The installed text catalogues read back the way the game reads them, and the
// rules that keep a line inside its slot and drawable by its font.
#include <gtest/gtest.h>

#include "ContentFiles.h"
#include "Texts.h"

using namespace contentgen;
using namespace contentgen::test;

namespace {

std::vector<std::string> installed(const std::string& name) {
  return splitLines(readBytes(binPath("Texts/" + name)));
}

}  // namespace

TEST(InstalledTexts, EveryCatalogueHasItsLineCountAndPassesItsChecks) {
  for (const CatalogueFile& c : Catalogues) {
    std::string bytes = readBytes(binPath(std::string("Texts/") + c.name));
    ASSERT_FALSE(bytes.empty()) << c.name;
    auto lines = splitLines(bytes);
    EXPECT_EQ(static_cast<int>(lines.size()), c.lines) << c.name;
    for (const std::string& p : checkCatalogue(c.name, lines)) ADD_FAILURE() << p;
    // 8-bit ANSI text with Windows line ends: every LF follows a CR, and the
    // fonts draw nothing from code 128 up, so nothing up there is used.
    for (size_t i = 0; i < bytes.size(); ++i) {
      EXPECT_LT(static_cast<unsigned char>(bytes[i]), 128u) << c.name;
      if (bytes[i] == '\n') {
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << c.name;
      }
      if (bytes[i] == '\r') {
        EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << c.name;
      }
    }
  }
}

TEST(InstalledTexts, LinesTheGameNamesSayWhatTheyAreFor) {
  auto texts = installed("GameTexts.txt");
  ASSERT_EQ(texts.size(), 37u);
  EXPECT_EQ(texts[0], "Wendmoor: Vessary");
  auto comments = installed("GameComments.txt");
  ASSERT_EQ(comments.size(), 30u);
  // Line 17, the island number and line 18 make one comment.
  EXPECT_EQ(comments[16] + "3" + comments[17], "ISLAND 3 COMPLETE!");
  for (int n = 1; n <= 5; ++n) EXPECT_NE(comments[n - 1].find(std::to_string(n)), std::string::npos);
  auto tutorial = installed("GameTutorial.txt");
  EXPECT_TRUE(tutorial[10].empty());
  EXPECT_TRUE(tutorial[17].empty());
  auto names = installed("UpgradeNames.txt");
  for (int n : {5, 10, 15, 20}) EXPECT_TRUE(names[n - 1].empty());
  auto narrations = installed("StoryNarrations.txt");
  EXPECT_TRUE(narrations[6].empty());
}

TEST(InstalledTexts, SettingsNameUsEnglishAnsiAndTheFontSizes) {
  auto lines = splitLines(readBytes(binPath("Texts/_settings.txt")));
  EXPECT_TRUE(checkSettings(lines).empty());
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[1].substr(lines[1].find('=') + 1), "1");
  EXPECT_EQ(lines[7].substr(lines[7].find('=') + 1), "20");
}

TEST(InstalledTexts, ConversationsFollowTheChatLayout) {
  auto chats = installed("CharacterChats.txt");
  ASSERT_EQ(chats.size(), 183u);
  // Read them as the dialogue does: skip a heading, take lines up to an empty one.
  int line = 1, conversations = 0;
  while (conversations < 22) {
    ++line;  // heading
    int count = 0;
    while (line <= 183 && !chats[line - 1].empty()) {
      ++count;
      ++line;
    }
    EXPECT_GE(count, 3) << "conversation " << conversations + 1;
    ++conversations;
  }
  EXPECT_LE(line, 183);
}

TEST(Fonts, MeasureAndWrapLikeTheGame) {
  EXPECT_EQ(textWidth(Font::Normal, "Il", 0, 1.0), 14);
  // Characters the font lacks take no room at all.
  EXPECT_EQ(textWidth(Font::Normal, "I\xe9l", 0, 1.0), 14);
  EXPECT_EQ(textWidth(Font::Comment, "go!", 0, 1.0), 32 + 33 + 21);
  auto lines = wrapText(Font::Normal, "a tremendouslylongwordthatcannotfit here", 0, 100, 1.0);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "tremendouslylongwordthatcannotfit");
  EXPECT_TRUE(fontDraws(Font::Comment, 'q'));
  EXPECT_FALSE(fontDraws(Font::Comment, '?'));
  EXPECT_FALSE(fontDraws(Font::Normal, '@'));
}

TEST(Catalogues, LinesEndAtCrLfCrOrLf) {
  auto lines = splitLines("one\r\ntwo\rthree\nfour\r\n\r\nsix");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2], "three");
  EXPECT_TRUE(lines[4].empty());
  EXPECT_EQ(joinLines({"a", ""}), "a\r\n\r\n");
}

TEST(Catalogues, CheckerCatchesWhatTheGameCannotShow) {
  std::vector<std::string> info = {"Short and fine.", "Fine too.", "Fine.", "Fine.", std::string(256, 'x')};
  auto problems = checkCatalogue("TutorialInfo.txt", info);
  EXPECT_FALSE(problems.empty());  // longer than the slot and wider than the panel
  info.pop_back();
  EXPECT_FALSE(checkCatalogue("TutorialInfo.txt", info).empty());  // one line short

  auto comments = splitLines(readBytes(binPath("Texts/GameComments.txt")));
  ASSERT_EQ(comments.size(), 30u);
  EXPECT_TRUE(checkCatalogue("GameComments.txt", comments).empty());
  comments[7] = "TIME IS UP?";  // the comment font has no question mark
  EXPECT_FALSE(checkCatalogue("GameComments.txt", comments).empty());
  comments[7] = "THIS COMMENT IS FAR TOO LONG TO FLY IN";
  EXPECT_FALSE(checkCatalogue("GameComments.txt", comments).empty());

  auto names = splitLines(readBytes(binPath("Texts/UpgradeNames.txt")));
  names[4] = "An extra name";
  EXPECT_FALSE(checkCatalogue("UpgradeNames.txt", names).empty());

  EXPECT_FALSE(checkSettings({"x", "Language=one", "1", "", "", "10", "12", "20"}).empty());
}
