#include "platform/TSdlRendererBackend.h"

#include <cmath>
#include <utility>

TSdlRendererBackend::~TSdlRendererBackend() { DestroyAllTextures(); }

void TSdlRendererBackend::DestroyAllTextures() {
  for (SDL_Texture* t : Textures)
    if (t) SDL_DestroyTexture(t);
  Textures.clear();
  Bound = 0;
}

SDL_BlendMode TSdlRendererBackend::BlendModeFor(TBlendMode mode) {
  // Additive glow: SDL's own ADD is exactly source alpha, one for the colour.
  return mode == bmAdditive ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
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

void TSdlRendererBackend::SetBlendMode(TBlendMode mode) { Blend = BlendModeFor(mode); }

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
  if (tex && DrawAsRect(tex, corners)) return;
  if (NeedsClipping(corners)) {
    DrawClipped(tex, v);
    return;
  }
  SDL_RenderGeometry(Renderer, tex, v, 4, kIndices, 6);
}

bool TSdlRendererBackend::NeedsClipping(const TRenderVertex c[4]) const {
  // The software rasteriser misbehaves on triangles reaching far beyond the target (a
  // scene wipe is scaled 34 times); such quads are cut to the target first.
  const float margin = 64.0f;
  for (int i = 0; i < 4; ++i)
    if (c[i].X < -margin || c[i].Y < -margin || c[i].X > ViewWidth + margin ||
        c[i].Y > ViewHeight + margin)
      return true;
  return false;
}

void TSdlRendererBackend::DrawClipped(SDL_Texture* tex, const SDL_Vertex quad[4]) {
  std::vector<SDL_Vertex> poly(quad, quad + 4), next;
  auto lerp = [](const SDL_Vertex& a, const SDL_Vertex& b, float t) {
    SDL_Vertex r;
    r.position.x = a.position.x + (b.position.x - a.position.x) * t;
    r.position.y = a.position.y + (b.position.y - a.position.y) * t;
    r.tex_coord.x = a.tex_coord.x + (b.tex_coord.x - a.tex_coord.x) * t;
    r.tex_coord.y = a.tex_coord.y + (b.tex_coord.y - a.tex_coord.y) * t;
    auto mix = [t](Uint8 p, Uint8 q) { return static_cast<Uint8>(p + (q - p) * t + 0.5f); };
    r.color = {mix(a.color.r, b.color.r), mix(a.color.g, b.color.g), mix(a.color.b, b.color.b),
               mix(a.color.a, b.color.a)};
    return r;
  };
  // Sutherland-Hodgman against the four edges of the target.
  const float lo = -1.0f, hiX = ViewWidth + 1.0f, hiY = ViewHeight + 1.0f;
  for (int edge = 0; edge < 4 && !poly.empty(); ++edge) {
    auto dist = [&](const SDL_Vertex& v) {
      switch (edge) {
        case 0: return v.position.x - lo;
        case 1: return hiX - v.position.x;
        case 2: return v.position.y - lo;
        default: return hiY - v.position.y;
      }
    };
    next.clear();
    for (std::size_t i = 0; i < poly.size(); ++i) {
      const SDL_Vertex& a = poly[i];
      const SDL_Vertex& b = poly[(i + 1) % poly.size()];
      float da = dist(a), db = dist(b);
      if (da >= 0) next.push_back(a);
      if ((da >= 0) != (db >= 0)) next.push_back(lerp(a, b, da / (da - db)));
    }
    poly.swap(next);
  }
  if (poly.size() < 3) return;
  std::vector<int> indices;
  for (std::size_t i = 1; i + 1 < poly.size(); ++i) {
    indices.push_back(0);
    indices.push_back(static_cast<int>(i));
    indices.push_back(static_cast<int>(i + 1));
  }
  SDL_RenderGeometry(Renderer, tex, poly.data(), static_cast<int>(poly.size()), indices.data(),
                     static_cast<int>(indices.size()));
}

bool TSdlRendererBackend::DrawAsRect(SDL_Texture* tex, const TRenderVertex c[4]) {
  // Most sprites are unturned rectangles of one colour; the renderer's copy path is
  // several times faster for them than two textured triangles (in software above all).
  if (c[0].Y != c[1].Y || c[2].Y != c[3].Y || c[0].X != c[3].X || c[1].X != c[2].X) return false;
  if (c[0].U != c[3].U || c[1].U != c[2].U || c[0].V != c[1].V || c[2].V != c[3].V) return false;
  for (int i = 1; i < 4; ++i)
    if (c[i].R != c[0].R || c[i].G != c[0].G || c[i].B != c[0].B || c[i].A != c[0].A) return false;
  int tw = 0, th = 0;
  SDL_QueryTexture(tex, nullptr, nullptr, &tw, &th);
  float su0 = c[0].U * tw, su1 = c[1].U * tw, sv0 = c[0].V * th, sv1 = c[3].V * th;
  int flip = SDL_FLIP_NONE;
  if (su1 < su0) std::swap(su0, su1), flip |= SDL_FLIP_HORIZONTAL;
  if (sv1 < sv0) std::swap(sv0, sv1), flip |= SDL_FLIP_VERTICAL;
  // Source rectangles that do not fall on whole texels keep the exact path.
  auto texel = [](float f, int& out) {
    out = static_cast<int>(std::lround(f));
    return std::fabs(f - out) < 0.01f;
  };
  int sx0, sx1, sy0, sy1;
  if (!texel(su0, sx0) || !texel(su1, sx1) || !texel(sv0, sy0) || !texel(sv1, sy1)) return false;
  SDL_Rect src{sx0, sy0, sx1 - sx0, sy1 - sy0};
  float x0 = c[0].X, x1 = c[1].X, y0 = c[0].Y, y1 = c[3].Y;
  if (x1 < x0) std::swap(x0, x1), flip ^= SDL_FLIP_HORIZONTAL;
  if (y1 < y0) std::swap(y0, y1), flip ^= SDL_FLIP_VERTICAL;
  SDL_FRect dst{x0, y0, x1 - x0, y1 - y0};
  // Scaled or mirrored copies are no faster in software than the triangles.
  if (flip != SDL_FLIP_NONE || dst.w != src.w || dst.h != src.h) return false;
  // The screen's white is 254 (its colour rule truncates); as a modulation that is within
  // one level of none, and none lets software blits take their fast paths.
  auto level = [](std::uint8_t v) -> std::uint8_t { return v == 254 ? 255 : v; };
  SDL_SetTextureColorMod(tex, level(c[0].R), level(c[0].G), level(c[0].B));
  SDL_SetTextureAlphaMod(tex, level(c[0].A));
  int rc = SDL_RenderCopyF(Renderer, tex, &src, &dst);
  SDL_SetTextureColorMod(tex, 255, 255, 255);
  SDL_SetTextureAlphaMod(tex, 255);
  return rc == 0;
}

bool TSdlRendererBackend::ReadTarget(std::vector<std::uint8_t>& rgba, int width, int height) {
  rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
  SDL_Rect r{0, 0, width, height};
  return SDL_RenderReadPixels(Renderer, &r, SDL_PIXELFORMAT_ABGR8888, rgba.data(), width * 4) == 0;
}
