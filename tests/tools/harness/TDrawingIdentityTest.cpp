// The window draws only what changed since the last frame. Over recorded runs of every scene
// there is, each frame must equal drawing everything again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

#include "ScriptRun.h"
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
  void SkipFrame() override { Tracked.SkipFrame(), Full.SkipFrame(); }
  void EndFrame() override {
    Tracked.EndFrame();
    const std::size_t n = std::size_t(Tracked.FrameWidth()) * Tracked.FrameHeight();
    if (!Compare) Full.SkipFrame();
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
  void SetBlendMode(TBlendMode m) override { Tracked.SetBlendMode(m), Full.SetBlendMode(m); }
  // The full back end sees only every third frame's quads, so a picture freed in a frame that
  // drew it is kept to the frame's end by one and not the other: their ids may part ways.
  std::map<TTextureId, TTextureId> FullId;
  TTextureId CreateTexture(const std::uint8_t* rgba, int w, int h, int& tw, int& th) override {
    TTextureId a = Tracked.CreateTexture(rgba, w, h, tw, th);
    TTextureId b = Full.CreateTexture(rgba, w, h, tw, th);
    EXPECT_EQ(a == 0, b == 0);
    if (a) FullId[a] = b;
    return a;
  }
  void DestroyTexture(TTextureId id) override {
    Tracked.DestroyTexture(id);
    auto it = FullId.find(id);
    if (it == FullId.end()) return;
    Full.DestroyTexture(it->second);
    FullId.erase(it);
  }
  void BindTexture(TTextureId id) override {
    Tracked.BindTexture(id);
    auto it = FullId.find(id);
    Full.BindTexture(it == FullId.end() ? 0 : it->second);
  }
  void DrawQuad(const TRenderVertex c[4]) override {
    Tracked.DrawQuad(c);
    if (Compare) Full.DrawQuad(c);
  }
  bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& w, int& h) override {
    return Tracked.ReadBackBuffer(rgba, w, h);
  }
};

// Not a scene (scenes are kept as numbers): marks that a shuffle was asked for.
constexpr int ShuffleAsked = 1000;

// The scenes a run went through, each frame of it compared. A level is played: the first move
// the board lists every 40 frames, and a shuffle asked for once, that many frames into play.
std::set<int> CheckRun(const std::string& scriptText, long frames, long shuffleAfter,
                                    int island = 0, int level = 0) {
  std::set<int> scenes;
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  TTwinBackend twin;
  THarness::TOptions o;
  o.Backend = &twin;
  o.Island = island;
  o.Level = level;
  long playFrom = -1;
  RunScript(scriptText, frames, o, [&](THarness& h) {
    scenes.insert(h.Form().Scene());
    if (h.Form().Scene() != gsMainGame || shuffleAfter < 0) return true;
    if (playFrom < 0) playFrom = h.Frame();
    if (h.Frame() == playFrom + shuffleAfter) {
      h.Form().StartShuffle();
      scenes.insert(ShuffleAsked);
    }
    if (h.Frame() % 40 == 0) PlayFirstMove(h);
    return true;
  });
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
  auto scenes = CheckRun(ScriptFile("level-win.txt"), 1400, 20);
  for (int s : {int{gsCompanyLogos}, int{gsSplash}, int{gsMenu}, int{gsMap}, int{gsMainGame},
                ShuffleAsked, int{gsStageResult}, int{gsStickerBook}})
    EXPECT_TRUE(scenes.count(s)) << "scene " << s << " never shown";
}

TEST(DrawingIdentity, TheMenusWindowsOptionsHighScoresAndCredits) {
  auto scenes = CheckRun(ScriptFile("menu-tour.txt"), 1400, -1);
  EXPECT_TRUE(scenes.count(gsCredits) && scenes.count(gsHighScores));
}

TEST(DrawingIdentity, TheInGameMenuOverALevel) {
  CheckRun(ScriptFile("ingame-menu.txt"), 1100, -1, 1, 5);
}
