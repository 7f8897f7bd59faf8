#pragma once
#include <array>
#include <string>
#include <vector>

#include "engine/TComponent.h"

class TOmegaImageList;

// Which pictures were loaded for each on-demand group, so a group can be freed again.
// Lists: 0 story, 1 ending, 2 upgrades, 3 creature, 4 menu.
class TLoadedImageList : public TComponent {
 public:
  static constexpr int GroupCount = 5;
  void Add(int list, const std::string& name);
  // Frees every picture named in the list, in list order, then empties it.
  void Unload(int list, TOmegaImageList& images);
  bool IsLoaded(int list) const;
  const std::vector<std::string>& Names(int list) const { return Lists.at(list); }

 private:
  std::array<std::vector<std::string>, GroupCount> Lists;
};
