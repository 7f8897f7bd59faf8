#include "platform/TRendererChoice.h"

#include <cstdlib>
#include <cstring>

#include "platform/TSdlWindowBackend.h"
#include "platform/TSoftwareWindowBackend.h"

TRendererChoice::TKind TRendererChoice::FromSetting(const char* setting) {
  if (setting && (std::strcmp(setting, "accelerated") == 0 || std::strcmp(setting, "gpu") == 0))
    return TKind::Accelerated;
  return TKind::Software;
}

const char* TRendererChoice::NameOf(TKind kind) {
  return kind == TKind::Accelerated ? "accelerated" : "software";
}

std::unique_ptr<IRenderBackend> TRendererChoice::Make(TKind kind, SDL_Window* window,
                                                      IWindow* shown) {
  if (kind == TKind::Accelerated) return std::make_unique<TSdlWindowBackend>(window);
  auto backend = std::make_unique<TSoftwareWindowBackend>(window, shown);
  // WENDMOOR_SCALING=game keeps the scaling in our process (to compare, or for a server that
  // scales badly).
  const char* scaling = std::getenv("WENDMOOR_SCALING");
  backend->ServerScaling = !(scaling && std::strcmp(scaling, "game") == 0);
  return backend;
}
