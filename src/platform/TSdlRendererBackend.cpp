#include "platform/TSdlRendererBackend.h"

TSdlRendererBackend::~TSdlRendererBackend() { DestroyAllTextures(); }

void TSdlRendererBackend::DestroyAllTextures() {
  for (SDL_Texture* t : Textures)
    if (t) SDL_DestroyTexture(t);
  Textures.clear();
  Bound = 0;
}

SDL_BlendMode TSdlRendererBackend::BlendModeFor(int mode) {
  // Each mode gives the same (source, destination) factors to colour and alpha.
  auto compose = [](SDL_BlendFactor src, SDL_BlendFactor dst) {
    return SDL_ComposeCustomBlendMode(src, dst, SDL_BLENDOPERATION_ADD, src, dst,
                                      SDL_BLENDOPERATION_ADD);
  };
  switch (mode) {
    case 1: return compose(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE);
    // Additive glow: SDL's own ADD is exactly source alpha, one for the colour.
    case 2: return SDL_BLENDMODE_ADD;
    case 3: return compose(SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR);
    case 4: return compose(SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE);
    case 5: return compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_COLOR);
    case 6: return compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA);
    case 7: return compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR);
    case 8: return compose(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA);
    case 9: return compose(SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR, SDL_BLENDFACTOR_ZERO);
    case 10: return compose(SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_SRC_COLOR);
    case 11: return compose(SDL_BLENDFACTOR_DST_COLOR, SDL_BLENDFACTOR_DST_COLOR);
    case 12:
      return compose(SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR);
    case 13:
      return compose(SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR, SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR);
    default: return SDL_BLENDMODE_BLEND;  // 0 and every unlisted number
  }
}

void TSdlRendererBackend::SetFiltering(bool linear) {
  if (linear == Linear) return;
  Linear = linear;
  for (SDL_Texture* t : Textures)
    if (t) SDL_SetTextureScaleMode(t, linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
}

void TSdlRendererBackend::Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  if (!Renderer) return;
  SDL_SetRenderDrawColor(Renderer, r, g, b, a);
  SDL_RenderClear(Renderer);
}

void TSdlRendererBackend::SetBlendMode(int mode) { Blend = BlendModeFor(mode); }

TTextureId TSdlRendererBackend::CreateTexture(const std::uint8_t* rgba, int width, int height,
                                              int& texW, int& texH) {
  texW = texH = 0;
  if (!Renderer || width <= 0 || height <= 0) return 0;
  // ABGR8888 is R, G, B, A in memory on little-endian machines.
  SDL_Texture* t = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ABGR8888,
                                     SDL_TEXTUREACCESS_STATIC, width, height);
  if (!t) return 0;
  if (SDL_UpdateTexture(t, nullptr, rgba, width * 4) != 0) {
    SDL_DestroyTexture(t);
    return 0;
  }
  SDL_SetTextureScaleMode(t, Linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
  texW = width;
  texH = height;
  for (std::size_t i = 0; i < Textures.size(); ++i) {
    if (!Textures[i]) {
      Textures[i] = t;
      return static_cast<TTextureId>(i + 1);
    }
  }
  Textures.push_back(t);
  return static_cast<TTextureId>(Textures.size());
}

void TSdlRendererBackend::DestroyTexture(TTextureId id) {
  if (id == 0 || id > Textures.size() || !Textures[id - 1]) return;
  SDL_DestroyTexture(Textures[id - 1]);
  Textures[id - 1] = nullptr;
  if (Bound == id) Bound = 0;
}

void TSdlRendererBackend::DrawQuad(const TRenderVertex corners[4]) {
  if (!Renderer) return;
  SDL_Vertex v[4];
  for (int i = 0; i < 4; ++i) {
    v[i].position = {corners[i].X, corners[i].Y};
    v[i].color = {corners[i].R, corners[i].G, corners[i].B, corners[i].A};
    v[i].tex_coord = {corners[i].U, corners[i].V};
  }
  static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
  SDL_Texture* tex = (Bound && Bound <= Textures.size()) ? Textures[Bound - 1] : nullptr;
  if (tex) {
    // Renderers without custom blending (the software one) fall back to normal blending.
    if (SDL_SetTextureBlendMode(tex, Blend) != 0) SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_BLEND);
  } else {
    if (SDL_SetRenderDrawBlendMode(Renderer, Blend) != 0)
      SDL_SetRenderDrawBlendMode(Renderer, SDL_BLENDMODE_BLEND);
  }
  SDL_RenderGeometry(Renderer, tex, v, 4, kIndices, 6);
}

bool TSdlRendererBackend::ReadTarget(std::vector<std::uint8_t>& rgba, int width, int height) {
  rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
  SDL_Rect r{0, 0, width, height};
  return SDL_RenderReadPixels(Renderer, &r, SDL_PIXELFORMAT_ABGR8888, rgba.data(), width * 4) == 0;
}
