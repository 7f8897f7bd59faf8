#include "TBoardShot.h"
#include "TOffscreenCanvas.h"

#include <cstdio>
#include <memory>

#include "board/TGameBoard.h"
#include "engine/TGameRandom.h"
#include "engine/TImageLoader.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "levels/TLevelFileRecord.h"
#include "platform/TFileSystem.h"

bool TBoardShot::Run(const std::string& folder, const std::string& level, int frames,
                     unsigned seed, const std::string& file, std::string& error) {
  int island = 0, number = 0;
  if (std::sscanf(level.c_str(), "%d-%d", &island, &number) != 2) {
    error = "level must read I-L, e.g. 1-01";
    return false;
  }
  char name[64];
  std::snprintf(name, sizeof(name), "Levels/Level%d-%02d.eil", island, number);
  std::string bytes, problem;
  TLevelFileRecord record = TLevelFileRecord::Blank();
  if (!TFileSystem::ReadFile(folder + name, bytes) ||
      !record.FromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                        problem)) {
    error = std::string("cannot read ") + folder + name + (problem.empty() ? "" : ": " + problem);
    return false;
  }
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaScreen& screen = canvas.Screen;
  TOmegaImageList& images = canvas.Images;
  TImageLoader& loader = canvas.Loader;
  for (const char* ext : {".png", ".jpg"})
    for (const std::string& f : TFileSystem::ListFiles(folder + "Images/", ext))
      loader.LoadFile(folder + "Images/", f);
  loader.LoadFile(folder + "Images/LateLoad/", "GameBG" + std::to_string(island) + ".jpg");

  TGameRandom::SetSeed(seed);
  auto board = std::make_unique<TGameBoard>();
  board->OmgImgList = &images;
  board->SetAvailableElements(record.ElementSet);
  board->LoadBoard(record.Board);
  board->FillRandom();
  // A level starts from a board without runs, as the game deals it.
  TBoardData dealt = board->BoardData();
  board->GenerateShuffledBoard(dealt);
  board->LoadBoard(dealt);
  board->CentreUsedArea();
  for (int f = 0; f < frames; ++f) {
    screen.Clear(0, 0, 0, 255);
    screen.BeginScene();
    images.DrawImage("GameBG" + std::to_string(island), 0, 0, 0);
    board->UpdateAndDraw();
    screen.EndScene();
  }
  return TOffscreenCanvas::WriteShot(screen, file, error);
}
