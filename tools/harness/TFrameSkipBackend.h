#pragma once
#include "platform/IRenderBackend.h"

// Passes everything to a real back end, but lets the harness leave out the pixels of frames
// nobody will look at: the game still runs every drawing call, so its logic is unchanged.
class TFrameSkipBackend : public IRenderBackend {
 public:
  explicit TFrameSkipBackend(IRenderBackend& inner) : Inner(inner) {}
  bool Skipping = false;

  bool Open(int width, int height, bool fullScreen) override {
    return Inner.Open(width, height, fullScreen);
  }
  bool Reset(int width, int height, bool fullScreen) override {
    return Inner.Reset(width, height, fullScreen);
  }
  bool IsUsable() override { return Inner.IsUsable(); }
  void SetFiltering(bool linear) override { Inner.SetFiltering(linear); }
  void Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override {
    if (!Skipping) Inner.Clear(r, g, b, a);
  }
  bool BeginFrame() override { return Inner.BeginFrame(); }
  void EndFrame() override {
    if (Skipping)
      Inner.SkipFrame();
    else
      Inner.EndFrame();
  }
  void SkipFrame() override { Inner.SkipFrame(); }
  void SetBlendMode(TBlendMode mode) override { Inner.SetBlendMode(mode); }
  TTextureId CreateTexture(const std::uint8_t* rgba, int width, int height, int& texW,
                           int& texH) override {
    return Inner.CreateTexture(rgba, width, height, texW, texH);
  }
  void DestroyTexture(TTextureId id) override { Inner.DestroyTexture(id); }
  void BindTexture(TTextureId id) override { Inner.BindTexture(id); }
  void DrawQuad(const TRenderVertex corners[4]) override {
    if (!Skipping) Inner.DrawQuad(corners);
  }
  bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) override {
    return Inner.ReadBackBuffer(rgba, width, height);
  }

 private:
  IRenderBackend& Inner;
};
