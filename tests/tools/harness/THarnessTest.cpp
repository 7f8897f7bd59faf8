#include <gtest/gtest.h>

#include <filesystem>

#include "THarness.h"
#include "THarnessScript.h"
#include "engine/TPictureDecoder.h"
#include "shell/TFormMain.h"
#include "support/GameContent.h"
#include "support/TempDir.h"

TEST(HarnessScript, ReadsEveryEventKind) {
  THarnessScript s;
  std::string err;
  ASSERT_TRUE(s.Parse("# a comment\n"
                      "3 down 10 20 right\n"
                      "3 up 10 20\n"
                      "4 move 5.5 6\n"
                      "5 click 100 200\n"
                      "7 key Escape\n"
                      "8 text Wynnet of the Isles\n"
                      "9 close\r\n"
                      "10 focus-lost\n"
                      "11 focus-gained\n",
                      err))
      << err;
  ASSERT_EQ(s.EventsAt(3).size(), 2u);
  EXPECT_EQ(s.EventsAt(3)[0].Kind, TPlatformEventKind::MouseDown);
  EXPECT_EQ(s.EventsAt(3)[0].Button, TMouseButton::Right);
  EXPECT_EQ(s.EventsAt(4)[0].X, 5.5);
  // A click is a press now and a release one frame later.
  EXPECT_EQ(s.EventsAt(5)[0].Kind, TPlatformEventKind::MouseDown);
  EXPECT_EQ(s.EventsAt(6)[0].Kind, TPlatformEventKind::MouseUp);
  EXPECT_EQ(s.EventsAt(7)[0].KeyName, "Escape");
  EXPECT_EQ(s.EventsAt(8)[0].Text, "Wynnet of the Isles");
  EXPECT_EQ(s.EventsAt(9)[0].Kind, TPlatformEventKind::CloseRequest);
  EXPECT_EQ(s.EventsAt(10)[0].Kind, TPlatformEventKind::FocusLost);
  EXPECT_EQ(s.EventsAt(11)[0].Kind, TPlatformEventKind::FocusGained);
  EXPECT_TRUE(s.EventsAt(12).empty());
}

TEST(HarnessScript, BadLinesAreNamed) {
  THarnessScript s;
  std::string err;
  EXPECT_FALSE(s.Parse("1 click 5\n", err));
  EXPECT_NE(err.find("line 1"), std::string::npos);
  EXPECT_FALSE(s.Parse("\n2 jump 1 2\n", err));
  EXPECT_NE(err.find("line 2"), std::string::npos);
  EXPECT_FALSE(s.Parse("1 key NoSuchKey\n", err));
  EXPECT_FALSE(s.Parse("x down 1 2\n", err));
  EXPECT_FALSE(s.Parse("1 down 1 2 sideways\n", err));
}

TEST(Harness, RunsTheGameOnAVirtualClockWithTraceAndScreenshot) {
  TempDir exe, data;
  CopyGameTexts(exe.Path);
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  auto cwd = std::filesystem::current_path();
  {
    THarness::TOptions o;
    o.ExeFolder = exe.Str();
    o.Seed = 5;
    THarness h(o);
    std::string err;
    ASSERT_TRUE(h.Start(err)) << err;
    THarnessScript script;
    ASSERT_TRUE(script.Parse("3 click 10 10\n", err));
    for (int i = 0; i < 200; ++i) h.Step(script);
    const auto& lines = h.TraceLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "1 display fullscreen"), lines.end());
    bool splash = false;
    for (const auto& l : lines) splash |= l.find("scene gsCompanyLogos gsSplash") != std::string::npos;
    EXPECT_TRUE(splash);
    EXPECT_TRUE(std::filesystem::exists(data.Path / "Wendmoor - Vessary"));
    ASSERT_TRUE(h.WriteScreenshot(exe.File("shot.png"), err)) << err;
    TPicture shot;
    ASSERT_TRUE(TPictureDecoder::DecodeFile(exe.File("shot.png"), shot, err)) << err;
    EXPECT_EQ(shot.Width, 1366);
    EXPECT_EQ(shot.Height, 768);
  }
  std::filesystem::current_path(cwd);
}
