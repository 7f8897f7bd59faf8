#pragma once
#include <SDL.h>

#include <vector>

#include "platform/IRenderBackend.h"

// The common part of both SDL back ends: textures, blend modes and quads on an SDL_Renderer.
class TSdlRendererBackend : public IRenderBackend {
 public:
  ~TSdlRendererBackend() override;

  bool IsUsable() override { return Renderer != nullptr; }
  void SetFiltering(bool linear) override;
  void Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) override;
  void SetBlendMode(TBlendMode mode) override;
  TTextureId CreateTexture(const std::uint8_t* rgba, int width, int height, int& texW,
                           int& texH) override;
  void DestroyTexture(TTextureId id) override;
  void BindTexture(TTextureId id) override { Bound = id; }
  void DrawQuad(const TRenderVertex corners[4]) override;

  static SDL_BlendMode BlendModeFor(TBlendMode mode);
  SDL_Renderer* GetRenderer() const { return Renderer; }

 protected:
  void DestroyAllTextures();
  bool ReadTarget(std::vector<std::uint8_t>& rgba, int width, int height);
  bool DrawAsRect(SDL_Texture* tex, const TRenderVertex corners[4]);
  bool NeedsClipping(const TRenderVertex corners[4]) const;
  void DrawClipped(SDL_Texture* tex, const SDL_Vertex quad[4]);
  float ViewWidth = 1366, ViewHeight = 768;

  SDL_Renderer* Renderer = nullptr;
  std::vector<SDL_Texture*> Textures;  // index = id - 1
  TTextureId Bound = 0;
  SDL_BlendMode Blend = SDL_BLENDMODE_BLEND;
  bool Linear = true;
};
