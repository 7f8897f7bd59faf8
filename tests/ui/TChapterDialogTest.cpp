#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/RecordingScreen.h"
#include "text/TGameFont.h"
#include "text/TTextStrings.h"
#include "ui/TChapterDialog.h"

namespace {

void Fill(TTextStrings& strings, const std::vector<std::string>& lines) {
  for (int n = 1; n <= strings.CharacterChats.Count(); ++n)
    strings.CharacterChats.Set(n, n <= static_cast<int>(lines.size()) ? lines[n - 1] : "");
}

// Records every event with the tick it came on.
struct TRecorder {
  std::vector<std::string> Events;
  int Tick = 0;
  void Attach(TChapterDialog& d) {
    d.OnStartOfBalloon = [this](TChapterDialog&, int line, int client, TCharacterSide side) {
      Events.push_back("start " + std::to_string(line) + " " + std::to_string(client) + " " +
                       (side == csClient ? "client" : "orvell") + " @" + std::to_string(Tick));
    };
    d.OnEndOfBalloon = [this](TChapterDialog&) {
      Events.push_back("end @" + std::to_string(Tick));
    };
    d.OnEndOfConversations = [this](TChapterDialog&) {
      Events.push_back("over @" + std::to_string(Tick));
    };
  }
  void Run(TChapterDialog& d, int ticks) {
    for (int i = 0; i < ticks; ++i) {
      ++Tick;
      d.UpdateAndDraw();
    }
  }
  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(Events.begin(), Events.end(), [&](const std::string& e) {
      return e.rfind(prefix, 0) == 0;
    }));
  }
};

const std::string kTen = "Ten chars.";  // 10 characters
// 60 characters; wrapping swaps spaces for "|" and keeps the length.
std::string Sixty() {
  std::string s;
  for (int i = 0; i < 11; ++i) s += "abcd ";
  return s + "abcde";
}
const std::string kSixty = Sixty();

struct TDialogFixture : ::testing::Test {
  TTextStrings strings;
  TChapterDialog dialog;
  TRecorder rec;
  void Load(const std::vector<std::string>& lines) {
    Fill(strings, lines);
    dialog.TextStringsComp = &strings;
    dialog.LoadConversations();
    rec.Attach(dialog);
  }
};

}  // namespace

TEST_F(TDialogFixture, LoadsConversationsWithSpeakersClientsAndWrapping) {
  const std::string long_ =
      "one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
      "fifteen sixteen seventeen eighteen nineteen twenty";
  Load({"# 1", "C:Hello", "v:lower case vella", "M:m", "s:s", "E:e", "o:o", "G:g", "w:w",
        "L:" + long_, "X:unknown code speaks for Orvell", "", "# 2", "c:Second", "C:", "L:Last", "",
        "# 3", "G:Third"});
  const auto& c1 = dialog.Conversation(1);
  ASSERT_EQ(c1.LastLine, 10);
  EXPECT_EQ(c1.FirstLine, 1);
  EXPECT_EQ(c1.Lines[0].Text, "Hello");
  EXPECT_EQ(c1.Lines[0].Side, csOrvell);
  EXPECT_EQ(c1.Lines[0].Client, 0);
  EXPECT_EQ(c1.Lines[1].Text, "lower case vella");
  for (int client = 1; client <= 8; ++client) {
    EXPECT_EQ(c1.Lines[client].Side, csClient) << client;
    EXPECT_EQ(c1.Lines[client].Client, client);
  }
  // Wrapped with "|" at the balloon width; nothing of the text lost.
  const std::string& wrapped = c1.Lines[8].Text;
  EXPECT_GT(c1.Lines[8].TextLines, 1);
  EXPECT_EQ(c1.Lines[8].TextLines, 1 + std::count(wrapped.begin(), wrapped.end(), '|'));
  std::string joined = wrapped;
  std::replace(joined.begin(), joined.end(), '|', ' ');
  EXPECT_EQ(joined, long_);
  EXPECT_EQ(c1.Lines[9].Side, csOrvell);
  EXPECT_EQ(c1.Lines[9].Client, 0);
  // A line without words is left out rather than shown as an empty balloon.
  const auto& c2 = dialog.Conversation(2);
  ASSERT_EQ(c2.LastLine, 2);
  EXPECT_EQ(c2.Lines[0].Text, "Second");
  EXPECT_EQ(c2.Lines[1].Client, 8);
  EXPECT_EQ(dialog.Conversation(3).Lines[0].Text, "Third");
  EXPECT_EQ(dialog.Conversation(4).LastLine, 0);
}

TEST_F(TDialogFixture, FaultyFilesLoadSafelyAndKeepLaterConversationsInStep) {
  std::vector<std::string> lines = {"# 1"};
  for (int i = 1; i <= 25; ++i) lines.push_back("C:line " + std::to_string(i));
  // Too long a conversation, then one without its heading, then two empty lines.
  for (const char* l :
       {"", "# 2", "V:second", "", "M:third, heading missing", "", "", "# 4", "S:fourth"})
    lines.push_back(l);
  Load(lines);
  ASSERT_EQ(dialog.Conversation(1).LastLine, 20);
  EXPECT_EQ(dialog.Conversation(1).Lines[19].Text, "line 20");
  EXPECT_EQ(dialog.Conversation(2).Lines[0].Text, "second");
  EXPECT_EQ(dialog.Conversation(3).Lines[0].Text, "third, heading missing");
  EXPECT_EQ(dialog.Conversation(4).Lines[0].Text, "fourth");
  EXPECT_EQ(dialog.Conversation(5).LastLine, 0);

  // An empty catalogue, or none at all: every conversation empty.
  Load({});
  for (int n = 1; n <= TChapterDialog::ConversationCount; ++n)
    EXPECT_EQ(dialog.Conversation(n).LastLine, 0);
  TChapterDialog bare;
  bare.LoadConversations();
  EXPECT_EQ(bare.Conversation(22).LastLine, 0);
}

TEST_F(TDialogFixture, EmptyOrOutOfRangeConversationEndsOnceWithoutBalloons) {
  Load({"# 1", "C:only one"});
  for (int n : {0, 23, -5, 2}) {
    rec.Events.clear();
    dialog.StartConversation(n);
    rec.Run(dialog, 80);
    EXPECT_EQ(rec.Count("start"), 0) << n;
    EXPECT_EQ(rec.Count("over"), 1) << n;
    EXPECT_FALSE(dialog.Active());
    EXPECT_EQ(dialog.Client(), 0);
  }
}

TEST_F(TDialogFixture, BalloonsFollowTheirTimingAndEventsComeInOrder) {
  Load({"# 1", "C:" + kTen, "V:" + kSixty, "", "# 2", "C:only Orvell", "C:" + kTen});
  dialog.StartConversation(1);
  EXPECT_EQ(dialog.Client(), 1);
  EXPECT_FALSE(dialog.Active());  // fade still 0 until the first tick
  rec.Run(dialog, 1);
  EXPECT_TRUE(dialog.Active());
  rec.Run(dialog, 299);
  // 600 ms delay = 20 ticks; 2520 ms = 84 ticks; 3820 ms = 128 ticks, counted from the tick
  // after the one that started it; fade-out 15 ticks.
  const std::vector<std::string> expected = {"start 1 0 orvell @20", "end @103",
                                             "start 2 1 client @103", "end @231", "over @246"};
  EXPECT_EQ(rec.Events, expected);
  EXPECT_FALSE(dialog.Active());

  // The balloon of the speaker shows, the other fades; lines are counted per balloon.
  rec.Events.clear();
  dialog.StartConversation(2);
  EXPECT_EQ(dialog.Client(), 0);  // no client line, no client picture
  rec.Run(dialog, 30);
  EXPECT_EQ(dialog.BalloonDuration(), 2520);
  EXPECT_EQ(dialog.BalloonAlpha(csOrvell), 230);
  EXPECT_EQ(dialog.BalloonAlpha(csClient), 0);
  EXPECT_EQ(dialog.BalloonText(csOrvell).Line(1), "only Orvell");
}

TEST_F(TDialogFixture, ClicksAndSkipsAtEveryMoment) {
  Load({"# 1", "C:" + kSixty, "V:" + kTen, "C:" + kTen});
  dialog.StartConversation(1);
  rec.Run(dialog, 5);
  dialog.Click(TMouseButton::Left);  // before the first balloon: nothing
  rec.Run(dialog, 15);
  ASSERT_EQ(rec.Events, std::vector<std::string>{"start 1 0 orvell @20"});
  rec.Run(dialog, 2);
  dialog.Click(TMouseButton::Right);
  EXPECT_FALSE(dialog.BalloonText(csOrvell).AllRevealed());
  dialog.Click(TMouseButton::Left);  // the whole text at once, the balloon stays
  EXPECT_TRUE(dialog.BalloonText(csOrvell).AllRevealed());
  rec.Run(dialog, 1);
  EXPECT_EQ(rec.Count("end"), 0);
  dialog.Click(TMouseButton::Left);  // the next balloon follows at once
  rec.Run(dialog, 1);
  EXPECT_EQ(rec.Events.back(), "start 2 1 client @24");

  // Skipped while the second balloon shows: no more balloons, one end.
  dialog.EndConversation();
  EXPECT_TRUE(dialog.BalloonText(csClient).IsVanishing());
  dialog.Click(TMouseButton::Left);
  dialog.EndConversation();
  rec.Run(dialog, 200);
  EXPECT_EQ(rec.Count("start"), 2);
  EXPECT_EQ(rec.Count("over"), 1);
  dialog.Click(TMouseButton::Left);
  dialog.EndConversation();
  rec.Run(dialog, 50);
  EXPECT_EQ(rec.Count("over"), 1);

  // Skipped during the first delay and before any tick.
  for (int wait : {0, 10}) {
    rec.Events.clear();
    dialog.StartConversation(1);
    rec.Run(dialog, wait);
    dialog.EndConversation();
    rec.Run(dialog, 100);
    EXPECT_EQ(rec.Events.size(), 1u) << wait;
    EXPECT_EQ(rec.Count("over"), 1);
  }
}

TEST_F(TDialogFixture, StartingAgainReplacesTheRunningConversation) {
  Load({"# 1", "C:" + kTen, "V:" + kTen, "", "# 2", "M:" + kTen});
  dialog.StartConversation(1);
  rec.Run(dialog, 50);
  dialog.StartConversation(2);
  EXPECT_EQ(dialog.Client(), 2);
  EXPECT_EQ(dialog.BalloonAlpha(csOrvell), 0);
  rec.Tick = 0;
  rec.Events.clear();
  rec.Run(dialog, 400);
  const std::vector<std::string> expected = {"start 1 2 client @20", "end @103", "over @118"};
  EXPECT_EQ(rec.Events, expected);

  // An end handler that chains the next conversation runs it fully.
  int chained = 0;
  dialog.OnEndOfConversations = [&](TChapterDialog& d) {
    if (chained++ == 0) d.StartConversation(1);
  };
  dialog.StartConversation(2);
  rec.Run(dialog, 600);
  EXPECT_EQ(chained, 2);
  EXPECT_EQ(dialog.CurrentConversation(), 1);
  EXPECT_FALSE(dialog.Active());
}

TEST(ChapterDialogContent, ShippedConversationsLoadAndFitTheirBalloons) {
  TTextStrings strings;
  std::string error;
  ASSERT_TRUE(strings.Load(std::string(WENDMOOR_SOURCE_DIR) + "/content/texts/", error)) << error;
  TChapterDialog dialog;
  dialog.TextStringsComp = &strings;
  dialog.LoadConversations();
  for (int n = 1; n <= TChapterDialog::ConversationCount; ++n) {
    const auto& c = dialog.Conversation(n);
    EXPECT_GE(c.LastLine, 2) << n;
    bool client = false;
    for (int i = 0; i < c.LastLine; ++i) {
      const auto& line = c.Lines[i];
      client = client || line.Side == csClient;
      // Whole in its balloon: not cut by the wrap, and the balloon stays on screen.
      EXPECT_EQ(line.TextLines, 1 + std::count(line.Text.begin(), line.Text.end(), '|'));
      const TPoint at = line.Side == csClient ? TChatPlaces::ClientBalloon(line.Client)
                                              : TChatPlaces::MainBalloon;
      EXPECT_LE(at.Y + 24 + line.TextLines * 24 + 40, 768) << n << " " << i + 1;
    }
    EXPECT_TRUE(client) << n;
  }
}

// Where the balloon's slices, its text and the people land on the screen.
TEST(ChapterDialogDrawing, BalloonSlicesTextAndPeopleAtTheirPlaces) {
  RecordingScreen rec;
  rec.AddBlank("BlackRect", 683, 384);
  rec.AddBlank("MovieEffectMask", 683, 384);
  rec.AddBlank("ChatMainChar", 390, 734);
  rec.AddBlank("ChatCharacter2", 377, 588);
  rec.AddBlank("ChapterDialogBalloon", 420, 60, 1, 3);
  rec.AddBlank(TGameFont::ImageName(TGameFontKind::fkAirstripInk), 68, 44, 28, 3);
  TTextStrings strings;
  Fill(strings, {"# 1", "M:one two three four five six seven eight nine ten eleven twelve", "",
                 "# 2", "C:Orvell alone"});
  TChapterDialog dialog;
  dialog.OmgImgList = &rec.images;
  dialog.TextStringsComp = &strings;
  dialog.LoadConversations();
  ASSERT_EQ(dialog.Conversation(1).Lines[0].TextLines, 2);

  auto drawnAfter = [&](int conversation, int ticks) {
    dialog.StartConversation(conversation);
    for (int i = 1; i < ticks; ++i) dialog.UpdateAndDraw();
    rec.backend.Quads.clear();
    dialog.UpdateAndDraw();
    std::vector<std::pair<std::string, TPoint>> drawn;
    for (const auto& q : rec.backend.Quads)
      drawn.push_back({rec.NameOf(q), TPoint{static_cast<int>(std::lround(q.Corners[0].X)),
                                             static_cast<int>(std::lround(q.Corners[0].Y))}});
    return drawn;
  };
  // Settled: the first balloon came at tick 20 and has popped and faded in.
  auto drawn = drawnAfter(1, 45);
  std::vector<TPoint> slices;
  TPoint firstGlyph{9999, 9999};
  bool client = false;
  for (const auto& [name, at] : drawn) {
    if (name == "ChapterDialogBalloon") slices.push_back(at);
    if (name == "ChatCharacter2") client = true;
    if (name == TGameFont::ImageName(TGameFontKind::fkAirstripInk))
      firstGlyph = {std::min(firstGlyph.X, at.X), std::min(firstGlyph.Y, at.Y)};
  }
  EXPECT_TRUE(client);
  // A client's balloon is mirrored (its tail toward the client): its first corner is the
  // right edge, 420 pixels right of the balloon's place.
  const std::vector<TPoint> expected = {{1058, 204}, {1058, 228}, {1058, 252}, {1058, 276}};
  EXPECT_EQ(slices, expected);
  EXPECT_EQ(firstGlyph, (TPoint{668, 227}));

  // No client in the conversation: Orvell and his balloon only.
  drawn = drawnAfter(2, 45);
  for (const auto& [name, at] : drawn) EXPECT_NE(name, "ChatCharacter2");
  EXPECT_EQ(
      std::count_if(drawn.begin(), drawn.end(),
                    [](const auto& d) {
                      return d.first == "ChapterDialogBalloon" && d.second == TPoint{332, 111};
                    }),
      1);
}
