#pragma once
#include <cstdint>
#include <vector>

#include "platform/TBlendMode.h"

// One vertex of a pre-transformed, coloured, textured quad in back-buffer pixels.
struct TRenderVertex {
  float X, Y;
  std::uint8_t R, G, B, A;
  float U, V;
};

using TTextureId = std::uint32_t;  // 0 means no texture

// What the sprite screen needs from a graphics back end, and no more.
class IRenderBackend {
 public:
  virtual ~IRenderBackend() = default;
  // Opens the back buffer of the given size; false when no device can be had.
  virtual bool Open(int width, int height, bool fullScreen) = 0;
  // Re-opens after a display change; textures survive.
  virtual bool Reset(int width, int height, bool fullScreen) = 0;
  virtual bool IsUsable() = 0;
  virtual void SetFiltering(bool linear) = 0;
  virtual void Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) = 0;
  virtual bool BeginFrame() = 0;
  virtual void EndFrame() = 0;
  // A frame begun and left undrawn (nobody looks at it): what it holds on to may go.
  virtual void SkipFrame() {}
  // Shows the last frame again if the window lost it while no frames came (paused, say).
  virtual void Refresh() {}
  virtual void SetBlendMode(TBlendMode mode) = 0;
  // Pixels are RGBA, straight alpha. Returns 0 on failure; texW/texH get the real size.
  virtual TTextureId CreateTexture(const std::uint8_t* rgba, int width, int height, int& texW,
                                   int& texH) = 0;
  virtual void DestroyTexture(TTextureId id) = 0;
  virtual void BindTexture(TTextureId id) = 0;
  // Corners in order top-left, top-right, bottom-right, bottom-left.
  virtual void DrawQuad(const TRenderVertex corners[4]) = 0;
  // The last presented (or current) frame as RGBA.
  virtual bool ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) = 0;
};
