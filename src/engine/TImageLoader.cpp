#include "engine/TImageLoader.h"

#include "engine/TOmegaImageList.h"
#include "engine/TPictureDecoder.h"
#include "engine/TSpriteTileCount.h"

std::string TImageLoader::ImageNameOf(const std::string& fileName) {
  // The dot and the three-letter extension.
  return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
}

void TImageLoader::Report(const std::string& message) {
  if (OnError) OnError(message);
  Images.ReportError(message);
}

std::string TImageLoader::LoadFile(const std::string& folder, const std::string& fileName) {
  TPicture picture;
  std::string error;
  if (!TPictureDecoder::DecodeFile(folder + fileName, picture, error)) {
    Report("Cannot load picture " + error);
    return "";
  }
  std::string name = ImageNameOf(fileName);
  TImageListItem& item = Images.Add(name);
  item.SetPicture(std::move(picture));
  auto grid = TileCounts.Lookup(name);
  item.SetTileWidth(item.PictureWidth() / (grid.Columns > 0 ? grid.Columns : 1));
  item.SetTileHeight(item.PictureHeight() / (grid.Rows > 0 ? grid.Rows : 1));
  if (!item.CreateTexture() && Images.Backend()) {
    Report("Error creating texture " + name);
    Images.Remove(&item);
    return "";
  }
  return name;
}
