#include "engine/TOmegaScreen.h"

#include <algorithm>
#include <cmath>

#include "engine/TOmegaImageList.h"

namespace {
const char* kNoDevice = "Could not find any compatible graphics\ndevices.";
}

TOmegaScreen::TOmegaScreen(IRenderBackend* backend) : Backend(backend) {}

TOmegaScreen::~TOmegaScreen() {
  for (TOmegaImageList* list : ImageLists) list->DetachScreen();
  if (Usable && OnUnInit) OnUnInit();
}

void TOmegaScreen::SetFrequency(unsigned value) {
  static const unsigned kRates[] = {56, 60, 70, 72, 75, 85, 90, 100, 120, 140, 144, 150, 160, 170, 200, 240};
  Frequency = std::find(std::begin(kRates), std::end(kRates), value) != std::end(kRates) ? value : 0;
}

void TOmegaScreen::SetWindow(void* handle) {
  PreviousWindow = WindowHandle;
  WindowHandle = handle;
}

void TOmegaScreen::BackBufferSize(int& w, int& h) {
  w = Width;
  h = Height;
  if (!FullScreen) return;
  static const int kSizes[][2] = {{800, 600},   {640, 400},  {640, 480},  {1024, 768},
                                  {320, 200},   {320, 240},  {1280, 1024}, {1366, 768},
                                  {1360, 768},  {1280, 768}, {1280, 800},  {1280, 720}};
  for (const auto& s : kSizes)
    if (s[0] == Width && s[1] == Height) return;
  if (OnBeep) OnBeep();
  w = 800;
  h = 600;
}

bool TOmegaScreen::Initialize() {
  int w, h;
  BackBufferSize(w, h);
  if (!Backend || !Backend->Open(w, h, FullScreen)) {
    if (OnFatalError) OnFatalError(kNoDevice);
    return false;
  }
  Usable = true;
  Initialised = true;
  BlendMode = bmNormal;
  Backend->SetBlendMode(bmNormal);
  Reinitialise();
  if (OnInit) OnInit();
  return true;
}

int TOmegaScreen::Reset() {
  if (!Backend || !Usable) return 1;
  if (OnUnInit) OnUnInit();
  int w, h;
  BackBufferSize(w, h);
  if (!Backend->Reset(w, h, FullScreen)) return 1;
  // The blend state survives a reset; tell the back end again in case it does not.
  Backend->SetBlendMode(BlendMode);
  Reinitialise();
  if (OnInit) OnInit();
  return 0;
}

void TOmegaScreen::Reinitialise() {
  BindTexture(0);
  for (TOmegaImageList* list : ImageLists) list->CreateAllTextures();
}

void TOmegaScreen::SetFiltering(bool on) {
  if (Backend) Backend->SetFiltering(on);
}

void TOmegaScreen::Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
  if (Backend && Usable) Backend->Clear(r, g, b, a);
}

void TOmegaScreen::BeginScene() {
  InSceneFlag = false;
  if (!Backend || !Ready()) return;
  if (!Backend->IsUsable()) return;  // lost: skip this frame, try again next time
  if (Backend->BeginFrame()) InSceneFlag = true;
}

void TOmegaScreen::EndScene() {
  if (!InSceneFlag) return;
  InSceneFlag = false;
  Backend->EndFrame();
}

void TOmegaScreen::SetBlendMode(TBlendMode mode) {
  if (mode == bmUnchanged || mode == BlendMode) return;
  BlendMode = mode;
  if (Backend) Backend->SetBlendMode(mode);
}

void TOmegaScreen::BindTexture(TTextureId id) {
  BoundTexture = id;
  if (Backend) Backend->BindTexture(id);
}

void TOmegaScreen::SubmitQuad(const TOmegaVertex* vertices, int count) {
  if (!Backend || count != 4) return;
  TRenderVertex out[4];
  const float a = Rotation * static_cast<float>(M_PI) / 180.0f;
  const float ca = std::cos(a), sa = std::sin(a);
  for (int i = 0; i < 4; ++i) {
    const TOmegaVertex& v = vertices[i];
    // Each channel is modulated by the global colour, truncating: 255 becomes 254.
    out[i].A = static_cast<std::uint8_t>(((v.Color >> 24) & 0xFF) * Alpha / 256);
    out[i].R = static_cast<std::uint8_t>(((v.Color >> 16) & 0xFF) * Red / 256);
    out[i].G = static_cast<std::uint8_t>(((v.Color >> 8) & 0xFF) * Green / 256);
    out[i].B = static_cast<std::uint8_t>((v.Color & 0xFF) * Blue / 256);
    float dx = v.X - CenterX, dy = v.Y - CenterY;
    out[i].X = OffsetX + CenterX + ScaleX * ca * dx - ScaleY * sa * dy;
    out[i].Y = OffsetY + CenterY + ScaleX * sa * dx + ScaleY * ca * dy;
    out[i].U = v.U;
    out[i].V = v.V;
  }
  Backend->DrawQuad(out);
}

bool TOmegaScreen::ReadBackBuffer(TPicture& out) {
  if (!Backend) return false;
  int w = 0, h = 0;
  if (!Backend->ReadBackBuffer(out.Pixels, w, h)) return false;
  out.Width = w;
  out.Height = h;
  return true;
}

void TOmegaScreen::RegisterImageList(TOmegaImageList* list) {
  if (std::find(ImageLists.begin(), ImageLists.end(), list) == ImageLists.end())
    ImageLists.push_back(list);
}

void TOmegaScreen::UnregisterImageList(TOmegaImageList* list) {
  ImageLists.erase(std::remove(ImageLists.begin(), ImageLists.end(), list), ImageLists.end());
}
