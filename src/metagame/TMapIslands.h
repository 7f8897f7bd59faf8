#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;
class TTextStrings;

// The five islands of the world map: which are open, visited and announced, which one
// is selected, and their pictures.
class TMapIslands : public TComponent {
 public:
  static constexpr int IslandCount = 5;
  using TIslandFlags = std::array<std::uint8_t, IslandCount>;  // island 1 first
  // Top-left corners of the "MapRoom" pictures, island 1 first.
  static constexpr TPoint Pictures[IslandCount] = {
      {1063, 373}, {262, 362}, {536, 277}, {912, 172}, {301, 533}};
  // Where the new-island plop bursts, island 1 first: its stars start from the middle of
  // the island's land.
  static constexpr TPoint Markers[IslandCount] = {
      {1196, 491}, {400, 486}, {669, 395}, {1045, 285}, {429, 651}};

  TMapIslands();

  TOmegaImageList* OmgImgList = nullptr;
  TTextStrings* TextStringsComp = nullptr;

  void OpenIsland(int n);
  // The highest opened island.
  void SelectHighestOpened();
  // The highest opened island not above n, 1 when there is none.
  void SelectUpTo(int n);
  // The player clicked at (x, y): an opened island under the point becomes the selected
  // one. False when the point shows no island or a closed one.
  bool SelectAt(int x, int y);
  void MarkVisited();
  // The highest island that is open, not visited and not yet announced: marked announced,
  // its chapter-entry line of the comments returned in message. 0 when there is none.
  int NextAnnouncement(std::string& message);
  // The creature index of the selected island, 0..4.
  int BossIndex() const;

  int SelectedIsland() const { return Selected; }
  bool Opened(int n) const { return Valid(n) && OpenedFlags[n - 1] != 0; }
  bool Visited(int n) const { return Valid(n) && VisitedFlags[n - 1] != 0; }
  bool Announced(int n) const { return Valid(n) && AnnouncedFlags[n - 1] != 0; }
  // The topmost island picture under (x, y), open or not; 0 for none.
  int IslandAt(int x, int y) const;
  static TPoint PicturePosition(int n);
  // Where the new-island pop appears for island n.
  static TPoint MarkerPosition(int n);

  // Save-game blocks.
  const TIslandFlags& VisitedState() const { return VisitedFlags; }
  const TIslandFlags& OpenedState() const { return OpenedFlags; }
  const TIslandFlags& AnnouncedState() const { return AnnouncedFlags; }
  void SetState(const TIslandFlags& visited, const TIslandFlags& opened,
                const TIslandFlags& announced);

  void Draw();

 private:
  static bool Valid(int n) { return n >= 1 && n <= IslandCount; }

  int Selected = 1;
  TIslandFlags VisitedFlags{};
  TIslandFlags OpenedFlags{};
  TIslandFlags AnnouncedFlags{};
};
