#pragma once
#include <cstdint>
#include <vector>

#include "platform/IRenderBackend.h"

// A back end that draws nothing and logs everything it is asked to do. Textures are
// padded to powers of two, the way older devices sized them, so that texture
// coordinates of a picture smaller than its texture can be checked.
class TRecordingBackend : public IRenderBackend {
 public:
  struct TQuad {
    TRenderVertex Corners[4];
    TTextureId Texture;
    TBlendMode BlendMode;
  };
  struct TTexture {
    int Width, Height, TexWidth, TexHeight;
    bool Alive;
  };

  bool Open(int width, int height, bool fullScreen) override;
  bool Reset(int width, int height, bool fullScreen) override;
  bool IsUsable() override { return !Lost; }
  void SetFiltering(bool linear) override { Linear = linear; }
  void Clear(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) override { ++ClearCount; }
  bool BeginFrame() override;
  void EndFrame() override;
  void SetBlendMode(TBlendMode mode) override;
  TTextureId CreateTexture(const std::uint8_t* rgba, int width, int height, int& texW,
                           int& texH) override;
  void DestroyTexture(TTextureId id) override;
  void BindTexture(TTextureId id) override { Bound = id; }
  void DrawQuad(const TRenderVertex corners[4]) override;
  bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) override;

  bool PadToPowerOfTwo = true;
  bool FailOpen = false;
  bool FailTextures = false;
  bool Lost = false;
  bool Linear = false;
  int Width = 0, Height = 0;
  bool FullScreen = false;
  int OpenCount = 0, ResetCount = 0, ClearCount = 0, FrameCount = 0, PresentCount = 0;
  int BlendChanges = 0;
  TBlendMode CurrentBlend = bmNormal;
  TTextureId Bound = 0;
  std::vector<TQuad> Quads;
  std::vector<TTexture> Textures;
};
