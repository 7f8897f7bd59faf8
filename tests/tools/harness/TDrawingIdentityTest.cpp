// The window draws only what changed since the last frame. Over recorded runs of every scene
// there is, each frame must equal drawing everything again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

#include "THarness.h"
#include "THarnessScript.h"
#include "shell/TFormMain.h"
#include "support/TempDir.h"

namespace {
// Hands every call to two software back ends, one drawing only the damage and one drawing
// everything, and compares their frames. The tracked one draws every frame, as its damage
// builds on the last; the full one only every third, which is all a comparison needs.
class TTwinBackend : public IRenderBackend {
 public:
  TTwinBackend() { Full.DamageTracking = false; }
  TSoftwareBackend Tracked, Full;
  long Frames = 0, Compared = 0, Different = 0, FirstDifferent = -1;
  bool Compare = true;  // the full back end draws this frame
  double DrawnShare = 0;  // of the tracked frames, summed

  bool Open(int w, int h, bool fs) override { return Tracked.Open(w, h, fs) && Full.Open(w, h, fs); }
  bool Reset(int w, int h, bool fs) override { return Tracked.Reset(w, h, fs) && Full.Reset(w, h, fs); }
  bool IsUsable() override { return Tracked.IsUsable(); }
  void SetFiltering(bool on) override { Tracked.SetFiltering(on), Full.SetFiltering(on); }
  void Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override {
    Tracked.Clear(r, g, b, a);
    if (Compare) Full.Clear(r, g, b, a);
  }
  bool BeginFrame() override { return Tracked.BeginFrame() && Full.BeginFrame(); }
  void EndFrame() override {
    Tracked.EndFrame();
    const std::size_t n = std::size_t(Tracked.FrameWidth()) * Tracked.FrameHeight();
    if (Compare) {
      Full.EndFrame();
      ++Compared;
      if (!std::equal(Tracked.FramePixels(), Tracked.FramePixels() + n, Full.FramePixels())) {
        if (FirstDifferent < 0) FirstDifferent = Frames;
        ++Different;
      }
    }
    DrawnShare += double(Tracked.LastDrawnPixels()) / n;
    ++Frames;
    Compare = Frames % 3 == 0;
  }
  void SetBlendMode(int m) override { Tracked.SetBlendMode(m), Full.SetBlendMode(m); }
  TTextureId CreateTexture(const std::uint8_t* rgba, int w, int h, int& tw, int& th) override {
    TTextureId a = Tracked.CreateTexture(rgba, w, h, tw, th);
    TTextureId b = Full.CreateTexture(rgba, w, h, tw, th);
    EXPECT_EQ(a, b);
    return a;
  }
  void DestroyTexture(TTextureId id) override { Tracked.DestroyTexture(id), Full.DestroyTexture(id); }
  void BindTexture(TTextureId id) override { Tracked.BindTexture(id), Full.BindTexture(id); }
  void DrawQuad(const TRenderVertex c[4]) override {
    Tracked.DrawQuad(c);
    if (Compare) Full.DrawQuad(c);
  }
  bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& w, int& h) override {
    return Tracked.ReadBackBuffer(rgba, w, h);
  }
};

// Not a scene: marks the frame a shuffle was asked for.
constexpr auto gsShuffleAsked = static_cast<TGameSceneValues>(1000);

std::string Script(const std::string& name) {
  std::ifstream in(std::string(WENDMOOR_SOURCE_DIR) + "/tests/tools/harness/" + name);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Plays the first move the board lists every 40 frames, and once asks for a shuffle; true
// when the shuffle was started.
bool Play(THarness& h, long shuffleAt) {
  TFormMain& f = h.Form();
  if (f.Scene() != gsMainGame || shuffleAt < 0) return false;
  const bool shuffled = h.Frame() == shuffleAt;
  if (shuffled) f.StartShuffle();
  if (h.Frame() % 40 != 0) return shuffled;
  auto moves = f.GameBoard->ListMoves();
  if (moves.empty()) return shuffled;
  for (TPoint tile : {moves[0].first, moves[0].second})
    for (TPlatformEventKind kind : {TPlatformEventKind::MouseDown, TPlatformEventKind::MouseUp}) {
      TPlatformEvent e;
      e.Kind = kind;
      e.Button = TMouseButton::Left;
      e.X = f.GameBoard->Left + 52 * (tile.X - 1) + 26;
      e.Y = f.GameBoard->Top + 52 * (tile.Y - 1) + 26;
      h.Send(e);
    }
  return shuffled;
}

// The scenes a run went through; each frame of it is compared.
std::set<TGameSceneValues> CheckRun(const std::string& scriptText, long frames, long shuffleAt,
                                    int island = 0, int level = 0) {
  std::set<TGameSceneValues> scenes;
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  TTwinBackend twin;
  {
    THarness::TOptions o;
    o.Backend = &twin;
    o.Island = island;
    o.Level = level;
    THarness h(o);
    std::string err;
    THarnessScript script;
    EXPECT_TRUE(h.Start(err)) << err;
    EXPECT_TRUE(script.Parse(scriptText, err)) << err;
    if (!err.empty()) return scenes;
    for (long i = 0; i < frames && !h.Form().Closed(); ++i) {
      h.Step(script);
      scenes.insert(h.Form().Scene());
      if (Play(h, shuffleAt)) scenes.insert(gsShuffleAsked);
    }
    EXPECT_TRUE(h.Errors().empty()) << h.Errors().front();
  }
  EXPECT_GT(twin.Compared, frames / 6);
  EXPECT_EQ(twin.Different, 0) << "first different frame " << twin.FirstDifferent;
  // Not a proof of anything by itself, but a tracker that redraws everything is no tracker.
  EXPECT_LT(twin.DrawnShare / twin.Frames, 0.9);
  return scenes;
}
}  // namespace

TEST(DrawingIdentity, LogosSplashMenuMapALevelPlayedAShuffleAndTheResult) {
  // The level is won with the cheat key after some play and a shuffle; then the result and
  // the hub.
  auto scenes = CheckRun(Script("level-win.txt"), 1400, 800);
  for (TGameSceneValues s : {gsCompanyLogos, gsSplash, gsMenu, gsMap, gsMainGame, gsShuffleAsked,
                             gsStageResult, gsStickerBook})
    EXPECT_TRUE(scenes.count(s)) << "scene " << s << " never shown";
}

TEST(DrawingIdentity, TheMenusWindowsOptionsHighScoresAndCredits) {
  auto scenes = CheckRun(Script("menu-tour.txt"), 1400, -1);
  EXPECT_TRUE(scenes.count(gsCredits) && scenes.count(gsHighScores));
}

TEST(DrawingIdentity, TheInGameMenuOverALevel) {
  CheckRun(Script("ingame-menu.txt"), 1100, -1, 1, 5);
}
