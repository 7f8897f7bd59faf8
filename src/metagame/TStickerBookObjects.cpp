#include "metagame/TStickerBookObjects.h"

#include <algorithm>

#include "engine/TMotion.h"
#include "metagame/TStickerBookLayout.h"

namespace {
constexpr int FirstStageGroup = 4, GroupsPerStage = 4, Stages = 4;
constexpr int CitizensGroup = 20, MeadowGroup = 4;
constexpr float DecorStep = 1.5f;
}  // namespace

TStickerBookObjects::TStickerBookObjects() {
  for (int i = 1; i <= DefinedObjects; ++i) {
    const TStickerBookLayout::TObjectDef& d = TStickerBookLayout::Object(i);
    TBookObject& o = Objects[i - 1];
    o.Group = static_cast<std::uint8_t>(d.Group);
    o.ImageName = d.Image;
    o.X = d.X;
    o.Y = d.Y;
    o.Scale = d.Scale;
    o.Reverse = d.Reverse;
  }
}

void TStickerBookObjects::AcquireGroup(int group) {
  for (TBookObject& o : Objects) {
    if (o.Group != group || group == 0) continue;
    o.Acquired = true;
    o.State = 1;
    o.Alpha = 0;
    o.ReverseAlpha = 0;
    if (!o.ImageName.empty() && OnCheckIfObjectImageLoaded)
      OnCheckIfObjectImageLoaded(*this, o.ImageName);
  }
}

void TStickerBookObjects::AcquireAndHighlight(int group) {
  AcquireGroup(group);
  HighlightGroup = group;
  Highlight = 1.0;
}

bool TStickerBookObjects::IsAcquired(int group) const {
  return std::any_of(Objects.begin(), Objects.end(),
                     [group](const TBookObject& o) { return o.Group == group && group != 0 && o.Acquired; });
}

bool TStickerBookObjects::IsComplete() const {
  for (int i = 0; i < DefinedObjects; ++i)
    if (!Objects[i].Acquired && Objects[i].Group != ZeppelinGroup) return false;
  return true;
}

void TStickerBookObjects::UpdateStage() {
  Stage = 0;
  for (int s = 1; s <= Stages; ++s) {
    const int first = FirstStageGroup + GroupsPerStage * (s - 1);
    bool all = true;
    for (int g = first; g < first + GroupsPerStage; ++g) all = all && IsAcquired(g);
    if (!all) break;
    Stage = s;
  }
  if (IsComplete()) Stage = Stages;
}

TStickerBookObjects::TStickerBlock TStickerBookObjects::GetAcquired() const {
  TStickerBlock block{};
  for (int i = 0; i < MaxObjects; ++i) block[i] = Objects[i].State;
  return block;
}

void TStickerBookObjects::SetAcquired(const TStickerBlock& block) {
  for (int i = 0; i < MaxObjects; ++i) {
    TBookObject& o = Objects[i];
    o.State = block[i];
    o.Acquired = block[i] != 0;
    const int shown = o.Visible() ? 255 : 0;
    o.Alpha = o.Group == ZeppelinGroup ? std::min(shown, ZeppelinMaxAlpha) : shown;
    o.ReverseAlpha = shown;
  }
  // Another player's book: nothing of the last one's purchase glows on.
  HighlightGroup = 0;
  Highlight = 0;
}

void TStickerBookObjects::Fade(TBookObject& o) {
  int& alpha = o.Reverse ? o.ReverseAlpha : o.Alpha;
  if (!o.Visible()) {
    TMotion::ApproachInt(alpha, RevPlantAlphaReduce, 0);
  } else if (!o.ImageName.empty()) {
    if (o.Group == ZeppelinGroup)
      TMotion::ApproachInt(alpha, ZeppelinAlphaStep, ZeppelinMaxAlpha);
    else
      TMotion::ApproachInt(alpha, ObjectAlphaStep, 255);
  }
}

void TStickerBookObjects::Update(const std::function<void(const TBookObject&)>& draw) {
  TMotion::TurnAngle(1, Decor, DecorStep);
  if (HighlightGroup) {
    Highlight -= Highlight > 0.7 ? 0.03 : 0.002;
    if (Highlight < 0.05) {
      Highlight = 0;
      HighlightGroup = 0;
    }
  }
  for (TBookObject& o : Objects) Fade(o);

  // Group order; the records past the defined ones are never shown.
  bool citizensDrawn = false;
  for (int i = 0; i < DefinedObjects; ++i) {
    const TBookObject& o = Objects[i];
    if (o.Group >= CitizensGroup && !citizensDrawn) {
      citizensDrawn = true;
      if (OnTimeToDrawCitizens) OnTimeToDrawCitizens(*this);
    }
    if (draw && o.Visible() && !o.ImageName.empty()) draw(o);
    const bool lastOfMeadow = o.Group == MeadowGroup &&
                              (i + 1 == DefinedObjects || Objects[i + 1].Group != MeadowGroup);
    if (lastOfMeadow && OnAfterMeadowlandDrawOrder) OnAfterMeadowlandDrawOrder(*this);
  }
  if (!citizensDrawn && OnTimeToDrawCitizens) OnTimeToDrawCitizens(*this);
}

TStickerBookObjects::TPurchase TStickerBookObjects::AcquirePurchase(int island, int slot) {
  TPurchase p;
  if (island < 1 || island > 5 || slot < 1 || slot > 4) return p;
  p.Group = TStickerBookLayout::GroupOf(island, slot);
  AcquireAndHighlight(p.Group);
  if (island == 1 && slot == 1) {
    AcquireGroup(1);  // the bare patch of the first page goes
    p.Marker1 = true;
  }
  const bool marks2 = (island == 1 && slot > 1 && IsAcquired(MeadowGroup)) || island == 2;
  if (marks2 && !IsAcquired(2)) {
    AcquireGroup(2);
    p.Marker2 = true;
  }
  return p;
}

int TStickerBookObjects::ProgressPercent(int bookPercentTotal) const {
  return IsAcquired(ZeppelinGroup) ? 100 : std::clamp(bookPercentTotal, 0, 100);
}

std::string TStickerBookObjects::BackgroundName() const {
  return "ciBG" + std::to_string(Stage + 1);
}

bool TStickerBookObjects::NeedsImage(const std::string& name) const {
  if (name.empty()) return false;
  if (name == BackgroundName()) return true;
  for (int i = 0; i < DefinedObjects; ++i)
    if (Objects[i].ImageName == name && Objects[i].Visible()) return true;
  return false;
}

int TStickerBookObjects::ZeppelinAlpha() const {
  for (int i = 0; i < DefinedObjects; ++i)
    if (Objects[i].Group == ZeppelinGroup) return Objects[i].Alpha;
  return 0;
}
