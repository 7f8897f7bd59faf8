#include "engine/TLoadedImageList.h"

#include "engine/TOmegaImageList.h"

void TLoadedImageList::Add(int list, const std::string& name) {
  if (list >= 0 && list < GroupCount) Lists[list].push_back(name);
}

void TLoadedImageList::Unload(int list, TOmegaImageList& images) {
  if (list < 0 || list >= GroupCount) return;
  for (const std::string& name : Lists[list]) images.Remove(name);
  Lists[list].clear();
}

bool TLoadedImageList::IsLoaded(int list) const {
  return list >= 0 && list < GroupCount && !Lists[list].empty();
}
