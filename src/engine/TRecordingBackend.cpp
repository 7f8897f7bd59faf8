#include "engine/TRecordingBackend.h"

namespace {
int NextPowerOfTwo(int v) {
  int p = 1;
  while (p < v) p <<= 1;
  return p;
}
}  // namespace

bool TRecordingBackend::Open(int width, int height, bool fullScreen) {
  if (FailOpen) return false;
  ++OpenCount;
  Width = width;
  Height = height;
  FullScreen = fullScreen;
  return true;
}

bool TRecordingBackend::Reset(int width, int height, bool fullScreen) {
  ++ResetCount;
  Width = width;
  Height = height;
  FullScreen = fullScreen;
  return true;
}

bool TRecordingBackend::BeginFrame() {
  ++FrameCount;
  return true;
}

void TRecordingBackend::EndFrame() { ++PresentCount; }

void TRecordingBackend::SetBlendMode(TBlendMode mode) {
  ++BlendChanges;
  CurrentBlend = mode;
}

TTextureId TRecordingBackend::CreateTexture(const std::uint8_t*, int width, int height, int& texW,
                                            int& texH) {
  if (FailTextures) return 0;
  texW = PadToPowerOfTwo ? NextPowerOfTwo(width) : width;
  texH = PadToPowerOfTwo ? NextPowerOfTwo(height) : height;
  Textures.push_back({width, height, texW, texH, true});
  return static_cast<TTextureId>(Textures.size());
}

void TRecordingBackend::DestroyTexture(TTextureId id) {
  if (id >= 1 && id <= Textures.size()) Textures[id - 1].Alive = false;
}

void TRecordingBackend::DrawQuad(const TRenderVertex corners[4]) {
  TQuad q;
  for (int i = 0; i < 4; ++i) q.Corners[i] = corners[i];
  q.Texture = Bound;
  q.BlendMode = CurrentBlend;
  Quads.push_back(q);
}

bool TRecordingBackend::ReadBackBuffer(std::vector<std::uint8_t>& rgba, int& width, int& height) {
  width = Width;
  height = Height;
  rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
  return true;
}
