#include "engine/TOmegaImageList.h"

#include <cstdio>

#include "engine/TOmegaScreen.h"
#include "platform/IMessageBoxes.h"

TOmegaImageList::TOmegaImageList(TOmegaScreen* screen) { SetScreen(screen); }

TOmegaImageList::~TOmegaImageList() {
  Clear();
  if (OmegaScreen) OmegaScreen->UnregisterImageList(this);
}

void TOmegaImageList::SetScreen(TOmegaScreen* screen) {
  if (OmegaScreen) OmegaScreen->UnregisterImageList(this);
  OmegaScreen = screen;
  if (OmegaScreen) OmegaScreen->RegisterImageList(this);
}

IRenderBackend* TOmegaImageList::Backend() const {
  return OmegaScreen ? OmegaScreen->GetBackend() : nullptr;
}

TImageListItem* TOmegaImageList::Find(const std::string& name) const {
  auto it = Index.find(name);
  return it == Index.end() ? nullptr : Items[it->second].get();
}

TImageListItem& TOmegaImageList::Add(const std::string& name) {
  Items.push_back(std::make_unique<TImageListItem>(*this));
  Items.back()->Name = name;
  Index.emplace(name, Items.size() - 1);
  return *Items.back();
}

bool TOmegaImageList::Remove(const std::string& name) {
  auto it = Index.find(name);
  if (it == Index.end()) return false;
  Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(it->second));
  Reindex();
  return true;
}

bool TOmegaImageList::Remove(const TImageListItem* item) {
  for (auto it = Items.begin(); it != Items.end(); ++it) {
    if (it->get() != item) continue;
    Items.erase(it);
    Reindex();
    return true;
  }
  return false;
}

void TOmegaImageList::Clear() {
  Items.clear();
  Index.clear();
}

void TOmegaImageList::Reindex() {
  Index.clear();
  for (std::size_t i = 0; i < Items.size(); ++i) Index.emplace(Items[i]->Name, i);
}

void TOmegaImageList::CreateAllTextures() {
  for (auto& item : Items) {
    bool hasPicture = item->HasPixels() || !item->Filepath.empty();
    if (!item->CreateTexture() && hasPicture && Backend())
      ReportError("Error creating texture " + item->Name);
  }
}

void TOmegaImageList::ReportError(const std::string& message) {
  if (!Reported.insert(message).second) return;
  if (MessageBoxes)
    MessageBoxes->Show("Error", message, TMessageButtons::Ok, true);
  else
    std::fprintf(stderr, "Error: %s\n", message.c_str());
}

TImageListItem* TOmegaImageList::FindToDraw(const std::string& name, int pattern) {
  TImageListItem* item = Find(name);
  if (OnMissingPicture && (!item || pattern >= item->Columns() * item->Rows()))
    OnMissingPicture(name, pattern);
  return item;
}

void TOmegaImageList::DrawImage(const std::string& name, float x, float y, int pattern,
                                const TDrawStyle& style) {
  if (TImageListItem* item = FindToDraw(name, pattern)) item->Draw(x, y, pattern, style);
}

int TOmegaImageList::TileWidthOf(const std::string& name) const {
  TImageListItem* item = Find(name);
  return item ? item->GetTileWidth() : 0;
}

int TOmegaImageList::TileHeightOf(const std::string& name) const {
  TImageListItem* item = Find(name);
  return item ? item->GetTileHeight() : 0;
}
