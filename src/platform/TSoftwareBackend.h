#pragma once
#include <cstdint>
#include <vector>

#include "platform/IRenderBackend.h"
#include "platform/TDamageTracker.h"
#include "platform/TSoftwareRasterizer.h"

// Our own software back end: a frame's drawing calls are kept, and at the frame's end only
// the tiles whose calls changed are drawn again. A still screen costs almost nothing, and the
// pixels are exactly those of drawing every call. Without a window it draws offscreen (the
// harness and the tests); the window back end shows what changed.
class TSoftwareBackend : public IRenderBackend {
 public:
  bool Open(int width, int height, bool fullScreen) override;
  bool Reset(int width, int height, bool fullScreen) override;
  bool IsUsable() override { return !Frame.empty(); }
  void SetFiltering(bool linear) override { Linear = linear; }
  void Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override;
  bool BeginFrame() override;
  void EndFrame() override;
  void SkipFrame() override;
  void SetBlendMode(TBlendMode mode) override { Blend = mode; }
  TTextureId CreateTexture(const std::uint8_t* rgba, int width, int height, int& texW,
                           int& texH) override;
  void DestroyTexture(TTextureId id) override;
  void BindTexture(TTextureId id) override { Bound = id; }
  void DrawQuad(const TRenderVertex corners[4]) override;
  bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) override;

  // Off draws every call of every frame (the reference the tracked drawing must equal).
  bool DamageTracking = true;
  // What the last frame drew again, in pixels.
  std::int64_t LastDrawnPixels() const { return DrawnPixels; }
  const std::vector<TPixelRect>& LastDamage() const { return Damage; }
  const std::uint32_t* FramePixels() const { return Frame.data(); }
  int FrameWidth() const { return Width; }
  int FrameHeight() const { return Height; }
  // Everything is drawn again next frame (the window was uncovered, say).
  void InvalidateAll() { Tracker.InvalidateAll(); }

 protected:
  // Shows the changed rectangles of the frame (none when nothing changed); nothing to show
  // offscreen.
  virtual void Present(const std::vector<TPixelRect>&) {}

 private:
  struct TCommand {
    TRenderVertex Corners[4];
    TTextureId Texture;  // 0: a flat colour, or a clear
    TBlendMode Blend;
    bool Linear, IsClear;
    TPixelRect Bounds;
  };
  struct TTextureSlot {
    TSoftTexture Texture;
    std::uint64_t Serial = 0;  // ids are reused; serials never are
    // Destroyed while the frame still draws it: freed, and free to reuse, at the frame's end.
    bool Dying = false;
  };
  void FreeDyingTextures();
  void Record(const TCommand& c, std::uint64_t serial);
  void Draw(TSoftwareRasterizer& r, const TPixelRect& area);
  const TSoftTexture* TextureOf(const TCommand& c) const;

  std::vector<std::uint32_t> Frame;
  int Width = 0, Height = 0;
  std::vector<TTextureSlot> Textures;  // index = id - 1
  bool AnyDying = false;
  std::uint64_t NextSerial = 1;
  std::vector<TCommand> Commands;
  std::vector<TPixelRect> Damage;
  TDamageTracker Tracker;
  TTextureId Bound = 0;
  TBlendMode Blend = bmNormal;
  bool Linear = true;
  std::int64_t DrawnPixels = 0;
};
