#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/TComponent.h"
#include "engine/TImageListItem.h"
#include "engine/TOmegaRenderer.h"

class IMessageBoxes;
class TOmegaScreen;

// Every picture the game can draw, by name. Drawing a name that is not loaded draws nothing.
class TOmegaImageList : public TComponent {
 public:
  explicit TOmegaImageList(TOmegaScreen* screen = nullptr);
  ~TOmegaImageList() override;

  void SetScreen(TOmegaScreen* screen);
  TOmegaScreen* Screen() const { return OmegaScreen; }
  IRenderBackend* Backend() const;
  void DetachScreen() { OmegaScreen = nullptr; }
  TOmegaRenderer& Renderer() { return QuadBuilder; }
  void SetExecutableFolder(const std::string& folder) { ExeFolder = folder; }
  const std::string& ExecutableFolder() const { return ExeFolder; }

  // Exact, case-sensitive; the first item of that name.
  TImageListItem* Find(const std::string& name) const;
  TImageListItem& Add(const std::string& name);
  // Frees the first item of that name and its texture; false when there is none.
  bool Remove(const std::string& name);
  // Frees that very item (another of the same name may come first).
  bool Remove(const TImageListItem* item);
  void Clear();
  int Count() const { return static_cast<int>(Items.size()); }
  TImageListItem& Item(int index) { return *Items[index]; }
  // After a device open or reset: textures for every item that lacks one. An item whose
  // texture cannot be made is reported and stays, drawing nothing.
  void CreateAllTextures();

  // A picture that cannot be decoded or uploaded: shown in an error box (which also prints
  // it) or, without boxes, printed to stderr. Each message once, so a group that is loaded
  // again does not ask the player again.
  IMessageBoxes* MessageBoxes = nullptr;
  void ReportError(const std::string& message);

  // The game draws by name through these.
  void DrawImage(const std::string& name, float x, float y, int pattern,
                 const TDrawStyle& style = {});
  int TileWidthOf(const std::string& name) const;
  int TileHeightOf(const std::string& name) const;

  // Content checks: called when a draw names a picture that is not loaded, or a pattern
  // past its grid (drawn as the last one); with the pattern asked for. Unset in play.
  std::function<void(const std::string& name, int pattern)> OnMissingPicture;

 private:
  void Reindex();
  TImageListItem* FindToDraw(const std::string& name, int pattern);

  TOmegaScreen* OmegaScreen = nullptr;
  TOmegaRenderer QuadBuilder;
  std::string ExeFolder;
  std::vector<std::unique_ptr<TImageListItem>> Items;
  std::unordered_map<std::string, std::size_t> Index;  // first item of each name
  std::set<std::string> Reported;
};
