#include "metagame/TMapIslands.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"
#include "text/TTextStrings.h"

namespace {
constexpr std::uint8_t ClosedAlpha = 120;
}  // namespace

TMapIslands::TMapIslands() { OpenedFlags[0] = 1; }

TPoint TMapIslands::PicturePosition(int n) { return Valid(n) ? Pictures[n - 1] : TPoint{}; }

TPoint TMapIslands::MarkerPosition(int n) { return Valid(n) ? Markers[n - 1] : TPoint{}; }

void TMapIslands::OpenIsland(int n) {
  if (Valid(n)) OpenedFlags[n - 1] = 1;
}

void TMapIslands::SelectHighestOpened() {
  for (int n = IslandCount; n >= 1; --n)
    if (Opened(n)) {
      Selected = n;
      return;
    }
}

void TMapIslands::SelectUpTo(int n) {
  Selected = 1;
  for (int i = std::min(n, IslandCount); i >= 1; --i)
    if (Opened(i)) {
      Selected = i;
      return;
    }
}

int TMapIslands::IslandAt(int x, int y) const {
  if (!OmgImgList) return 0;
  // Later islands are drawn over earlier ones, so the last one under the point wins.
  for (int n = IslandCount; n >= 1; --n) {
    const std::string name = "MapRoom" + std::to_string(n);
    const TPoint p = Pictures[n - 1];
    if (x >= p.X && y >= p.Y && x < p.X + OmgImgList->TileWidthOf(name) &&
        y < p.Y + OmgImgList->TileHeightOf(name))
      return n;
  }
  return 0;
}

bool TMapIslands::SelectAt(int x, int y) {
  const int n = IslandAt(x, y);
  if (!Opened(n)) return false;
  Selected = n;
  return true;
}

void TMapIslands::MarkVisited() {
  if (Valid(Selected)) VisitedFlags[Selected - 1] = 1;
}

int TMapIslands::NextAnnouncement(std::string& message) {
  message.clear();
  for (int n = IslandCount; n >= 1; --n) {
    if (!Opened(n) || Visited(n) || Announced(n)) continue;
    AnnouncedFlags[n - 1] = 1;
    if (TextStringsComp) message = TextStringsComp->GameComments[n];
    return n;
  }
  return 0;
}

int TMapIslands::BossIndex() const { return Valid(Selected) ? Selected - 1 : 0; }

void TMapIslands::SetState(const TIslandFlags& visited, const TIslandFlags& opened,
                           const TIslandFlags& announced) {
  VisitedFlags = visited;
  OpenedFlags = opened;
  AnnouncedFlags = announced;
  // Island 1 is where every game starts; a save without it open would lock the map.
  OpenedFlags[0] = 1;
  if (!Opened(Selected)) SelectUpTo(Selected);
}

void TMapIslands::Draw() {
  if (!OmgImgList) return;
  for (int n = 1; n <= IslandCount; ++n) {
    const TPoint p = Pictures[n - 1];
    OmgImgList->DrawImage("MapRoom" + std::to_string(n), static_cast<float>(p.X),
                          static_cast<float>(p.Y), 0,
                          {.A = static_cast<std::uint8_t>(Opened(n) ? 255 : ClosedAlpha)});
  }
}
