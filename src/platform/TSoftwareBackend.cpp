#include "platform/TSoftwareBackend.h"

#include <algorithm>
#include <cstring>

bool TSoftwareBackend::Open(int width, int height, bool fullScreen) {
  return Reset(width, height, fullScreen);
}

bool TSoftwareBackend::Reset(int width, int height, bool) {
  if (width <= 0 || height <= 0) return false;
  if (width == Width && height == Height && !Frame.empty()) return true;
  Width = width;
  Height = height;
  Frame.assign(std::size_t(width) * height, 0xFF000000u);
  Tracker.Resize(width, height);
  Commands.clear();
  return true;
}

// A frame's calls run from one frame's end to the next: a clear made before the frame begins
// belongs to it.
bool TSoftwareBackend::BeginFrame() { return !Frame.empty(); }

void TSoftwareBackend::Record(const TCommand& c, std::uint64_t serial) {
  Commands.push_back(c);
  std::uint64_t h = TDamageTracker::Mix(serial, std::uint64_t(c.Blend + 1) * 4 + c.Linear * 2 + c.IsClear);
  h = TDamageTracker::HashBytes(c.Corners, sizeof c.Corners, h);
  if (c.IsClear) {
    Tracker.Add(c.Bounds, h);
    return;
  }
  const float x[4] = {c.Corners[0].X, c.Corners[1].X, c.Corners[2].X, c.Corners[3].X};
  const float y[4] = {c.Corners[0].Y, c.Corners[1].Y, c.Corners[2].Y, c.Corners[3].Y};
  const TSoftTexture* texture = TextureOf(c);
  if (!texture) {
    Tracker.AddQuad(x, y, c.Bounds, h);
    return;
  }
  Tracker.AddQuad(x, y, c.Bounds, h, [&](const TPixelRect& tile) {
    return TSoftwareRasterizer::LeavesAlone(c.Corners, texture, c.Blend, tile);
  });
}

void TSoftwareBackend::Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t) {
  if (Frame.empty()) return;
  TCommand c{};
  c.Corners[0] = {0, 0, r, g, b, 255, 0, 0};
  c.IsClear = true;
  c.Bounds = {0, 0, Width, Height};
  Record(c, 0);
}

void TSoftwareBackend::DrawQuad(const TRenderVertex corners[4]) {
  if (Frame.empty()) return;
  TCommand c{};
  std::memcpy(c.Corners, corners, sizeof c.Corners);
  const bool textured = Bound && Bound <= Textures.size() && Textures[Bound - 1].Serial;
  c.Texture = textured ? Bound : 0;
  c.Blend = Blend;
  c.Linear = Linear;
  c.Bounds = TSoftwareRasterizer::Bounds(corners, Width, Height);
  if (c.Bounds.Empty()) return;
  Record(c, textured ? Textures[Bound - 1].Serial : 0);
}

void TSoftwareBackend::Draw(TSoftwareRasterizer& r, const TPixelRect& area) {
  // Whatever lies under the last call that paints the whole area opaquely is never seen.
  std::size_t first = Commands.size();
  while (first > 0) {
    const TCommand& c = Commands[first - 1];
    const TPixelRect inside = area.Intersect(c.Bounds);
    if (inside.X0 == area.X0 && inside.Y0 == area.Y0 && inside.X1 == area.X1 && inside.Y1 == area.Y1 &&
        (c.IsClear || TSoftwareRasterizer::Covers(c.Corners, TextureOf(c), c.Blend, area)))
      break;
    --first;
  }
  // Start from that call; with none, from black, as a cleared frame is.
  if (first == 0) r.Fill(area, 0, 0, 0);
  for (std::size_t i = first == 0 ? 0 : first - 1; i < Commands.size(); ++i) {
    const TCommand& c = Commands[i];
    const TPixelRect clip = area.Intersect(c.Bounds);
    if (clip.Empty()) continue;
    if (c.IsClear)
      r.Fill(clip, c.Corners[0].R, c.Corners[0].G, c.Corners[0].B);
    else
      r.DrawQuad(c.Corners, TextureOf(c), c.Blend, c.Linear, clip);
  }
  DrawnPixels += std::int64_t(area.X1 - area.X0) * (area.Y1 - area.Y0);
}

const TSoftTexture* TSoftwareBackend::TextureOf(const TCommand& c) const {
  return c.Texture ? &Textures[c.Texture - 1].Texture : nullptr;
}

void TSoftwareBackend::EndFrame() {
  if (Frame.empty()) return;
  std::vector<TPixelRect> damage = Tracker.EndFrame();
  if (!DamageTracking) damage.assign(1, TPixelRect{0, 0, Width, Height});
  DrawnPixels = 0;
  TSoftwareRasterizer r(Frame.data(), Width, Height);
  for (const TPixelRect& area : damage) Draw(r, area);
  Damage = std::move(damage);
  Commands.clear();
  FreeDyingTextures();
  Tracker.BeginFrame();
  // Also unchanged: the window may have changed shape under it.
  Present(Damage);
}

void TSoftwareBackend::SkipFrame() {
  // The frame shown stays what the last drawn frame left; the next one is compared with it.
  Commands.clear();
  FreeDyingTextures();
  Tracker.BeginFrame();
}

TTextureId TSoftwareBackend::CreateTexture(const std::uint8_t* rgba, int width, int height,
                                           int& texW, int& texH) {
  texW = texH = 0;
  if (!rgba || width <= 0 || height <= 0) return 0;
  std::size_t slot = 0;
  while (slot < Textures.size() && (Textures[slot].Serial || Textures[slot].Dying)) ++slot;
  if (slot == Textures.size()) Textures.emplace_back();
  TSoftwareRasterizer::MakeTexture(rgba, width, height, Textures[slot].Texture);
  Textures[slot].Serial = NextSerial++;
  texW = width;
  texH = height;
  return static_cast<TTextureId>(slot + 1);
}

void TSoftwareBackend::DestroyTexture(TTextureId id) {
  if (id == 0 || id > Textures.size() || !Textures[id - 1].Serial) return;
  // Calls already recorded this frame still draw it: its pixels stay until the frame ends,
  // and its id is not handed out again before then.
  TTextureSlot& slot = Textures[id - 1];
  if (Bound == id) Bound = 0;
  const bool drawn = std::any_of(Commands.begin(), Commands.end(),
                                 [id](const TCommand& c) { return c.Texture == id; });
  if (!drawn) {
    slot = TTextureSlot{};
    return;
  }
  slot.Serial = 0;
  slot.Dying = true;
  AnyDying = true;
}

void TSoftwareBackend::FreeDyingTextures() {
  if (!AnyDying) return;
  for (TTextureSlot& slot : Textures)
    if (slot.Dying) slot = TTextureSlot{};
  AnyDying = false;
}

bool TSoftwareBackend::ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) {
  if (Frame.empty()) return false;
  width = Width;
  height = Height;
  rgba.resize(Frame.size() * 4);
  for (std::size_t i = 0; i < Frame.size(); ++i) {
    const std::uint32_t p = Frame[i];
    rgba[i * 4] = static_cast<std::uint8_t>(p >> 16);
    rgba[i * 4 + 1] = static_cast<std::uint8_t>(p >> 8);
    rgba[i * 4 + 2] = static_cast<std::uint8_t>(p);
    rgba[i * 4 + 3] = 255;
  }
  return true;
}
