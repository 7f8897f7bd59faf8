#include <gtest/gtest.h>

#include <fstream>

#include "board/TBoardTile.h"
#include "engine/TImageLoader.h"
#include "engine/TLoadedImageList.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TPictureEncoder.h"
#include "engine/TRecordingBackend.h"
#include "engine/TSpriteTileCount.h"
#include "platform/TRecordedMessageBoxes.h"
#include "support/TempDir.h"

namespace {
TPicture Solid(int w, int h) {
  TPicture p;
  p.Resize(w, h);
  for (auto& b : p.Pixels) b = 200;
  return p;
}

struct ListRig {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  TSpriteTileCount tiles;
  TImageLoader loader{images, tiles};
  ListRig() {
    screen.Width = 1366;
    screen.Height = 768;
    screen.Initialize();
  }
  TImageListItem& Add(const std::string& name, int w, int h, int cols = 1, int rows = 1) {
    TImageListItem& item = images.Add(name);
    item.SetPicture(Solid(w, h));
    item.SetTileWidth(w / cols);
    item.SetTileHeight(h / rows);
    item.CreateTexture();
    return item;
  }
  const TRecordingBackend::TQuad& Last() { return backend.Quads.back(); }
};

void ExpectUV(const TRenderVertex& v, float u, float vv) {
  EXPECT_FLOAT_EQ(v.U, u);
  EXPECT_FLOAT_EQ(v.V, vv);
}
}  // namespace

TEST(SpriteTileCount, HoldsTheTableInOrderAndMarksLookups) {
  TSpriteTileCount t;
  // The original table, then the announcement's boss-round patterns, the boss creature's
  // (with its energy bar's portrait) and its aura's, the tool highlight's elements and the
  // hub's figures and the balloons' font after them.
  ASSERT_EQ(t.GetEntries().size(), 118u);
  EXPECT_EQ(t.GetEntries().front().Name, "ResultMedals");
  EXPECT_EQ(t.GetEntries()[104].Name, "WalkingSoldier");
  EXPECT_EQ(t.GetEntries()[106].Name, "ObjInfoTitle");
  EXPECT_EQ(t.Peek("ObjInfoLogo").Rows, 2);
  EXPECT_EQ(t.GetEntries()[114].Name, "ToolHighlight");
  EXPECT_EQ(t.GetEntries().back().Name, "GlobalFontInk");
  auto board = t.Lookup("BoardBorder");
  EXPECT_EQ(board.Columns, 4);
  EXPECT_EQ(board.Rows, 6);
  auto font = t.Lookup("GlobalFontWhite");
  EXPECT_EQ(font.Columns, 28);
  EXPECT_EQ(font.Rows, 3);
  auto none = t.Lookup("boardborder");  // case matters
  EXPECT_EQ(none.Columns, 1);
  EXPECT_EQ(none.Rows, 1);
  int used = 0;
  for (const auto& e : t.GetEntries()) used += e.Used;
  EXPECT_EQ(used, 2);
}

TEST(SpriteTileCount, EveryElementAToolMarksHasItsHighlightPattern) {
  // The board draws "ToolHighlight" over a marked element with pattern element - 1, for
  // every element from the first fruit to the second potion; a pattern past the grid
  // would draw the last element's highlight instead.
  TSpriteTileCount t;
  TSpriteTileCount::TLookup grid = t.Peek("ToolHighlight");
  for (int code = 1; code <= ecPotion2; ++code)
    EXPECT_LT(code - 1, grid.Columns * grid.Rows) << "element " << code;
}

TEST(ImageList, LoaderTakesTheGridFromTheTable) {
  TempDir dir;
  std::string err;
  ASSERT_TRUE(TPictureEncoder::WritePngFile(dir.File("BoardBorder.png"), Solid(400, 300), err));
  ASSERT_TRUE(TPictureEncoder::WriteJpegFile(dir.File("MenuBG.jpg"), Solid(64, 48), 90, err));
  ListRig r;
  EXPECT_EQ(r.loader.LoadFile(dir.Str(), "BoardBorder.png"), "BoardBorder");
  TImageListItem* border = r.images.Find("BoardBorder");
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(border->Columns(), 4);
  EXPECT_EQ(border->Rows(), 6);
  EXPECT_EQ(border->GetTileWidth(), 100);
  EXPECT_EQ(border->GetTileHeight(), 50);
  EXPECT_EQ(r.images.Find("boardborder"), nullptr);

  // Pattern 5 is column 1, row 1, in a 512 x 512 texture.
  border->Draw(10, 20, 5);
  const auto& q = r.Last();
  ExpectUV(q.Corners[0], 100 / 512.0f, 50 / 512.0f);
  ExpectUV(q.Corners[2], 200 / 512.0f, 100 / 512.0f);
  EXPECT_FLOAT_EQ(q.Corners[0].X, 10);
  EXPECT_FLOAT_EQ(q.Corners[0].Y, 20);
  EXPECT_FLOAT_EQ(q.Corners[2].X, 110);
  EXPECT_FLOAT_EQ(q.Corners[2].Y, 70);

  EXPECT_EQ(r.loader.LoadFile(dir.Str(), "MenuBG.jpg"), "MenuBG");
  TImageListItem* menu = r.images.Find("MenuBG");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Columns(), 1);
  EXPECT_EQ(menu->Rows(), 1);
  EXPECT_EQ(menu->GetTileWidth(), 64);
}

TEST(ImageList, BadFilesAreReportedAndLeaveNoPicture) {
  TempDir dir;
  std::ofstream(dir.File("Broken.png")) << "not a png";
  ListRig r;
  std::vector<std::string> errors;
  r.loader.OnError = [&](const std::string& m) { errors.push_back(m); };
  EXPECT_EQ(r.loader.LoadFile(dir.Str(), "Broken.png"), "");
  EXPECT_EQ(r.loader.LoadFile(dir.Str(), "Missing.png"), "");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[0].find("Broken.png"), std::string::npos);
  EXPECT_EQ(r.images.Find("Broken"), nullptr);
  // Drawing a name that is not loaded draws nothing.
  r.images.DrawImage("Broken", 0, 0, 0);
  r.images.DrawImage("Missing", 0, 0, 0);
  EXPECT_TRUE(r.backend.Quads.empty());
}

TEST(ImageList, PicturesThatFailAreShownInAnErrorBoxOnceAndLogged) {
  TempDir dir, other;
  std::string err;
  std::ofstream(dir.File("Broken.png")) << "not a png";
  ASSERT_TRUE(TPictureEncoder::WriteJpegFile(dir.File("MenuBG.jpg"), Solid(64, 48), 90, err));
  ASSERT_TRUE(TPictureEncoder::WriteJpegFile(other.File("MenuBG.jpg"), Solid(32, 32), 90, err));
  ListRig r;
  TRecordedMessageBoxes boxes;
  boxes.Print = false;
  r.images.MessageBoxes = &boxes;
  std::vector<std::string> log;
  r.loader.OnError = [&](const std::string& m) { log.push_back(m); };

  // Cannot be decoded: an error box naming the file.
  EXPECT_EQ(r.loader.LoadFile(dir.Str(), "Broken.png"), "");
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Caption, "Error");
  EXPECT_NE(boxes.Shown[0].Text.find("Broken.png"), std::string::npos);
  // The group is loaded again later: logged again, but the player is not asked twice.
  EXPECT_EQ(r.loader.LoadFile(dir.Str(), "Broken.png"), "");
  EXPECT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(log.size(), 2u);

  // Cannot be uploaded: the failed copy goes, an earlier picture of that name stays.
  ASSERT_EQ(r.loader.LoadFile(dir.Str(), "MenuBG.jpg"), "MenuBG");
  r.backend.FailTextures = true;
  EXPECT_EQ(r.loader.LoadFile(other.Str(), "MenuBG.jpg"), "");
  ASSERT_EQ(boxes.Shown.size(), 2u);
  EXPECT_EQ(boxes.Shown[1].Text, "Error creating texture MenuBG");
  EXPECT_EQ(r.images.Count(), 1);
  ASSERT_NE(r.images.Find("MenuBG"), nullptr);
  EXPECT_NE(r.images.Find("MenuBG")->Texture(), 0u);
  EXPECT_EQ(r.images.Find("MenuBG")->PictureWidth(), 64);
}

TEST(ImageList, ATextureThatCannotBeMadeWhenTheScreenOpensIsReported) {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  TRecordedMessageBoxes boxes;
  boxes.Print = false;
  images.MessageBoxes = &boxes;
  images.Add("Early").SetPicture(Solid(8, 8));  // loaded before the screen had a device
  images.Add("Empty");                           // nothing to upload, nothing to say
  backend.FailTextures = true;
  screen.Width = 1366;
  screen.Height = 768;
  ASSERT_TRUE(screen.Initialize());
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text, "Error creating texture Early");
  EXPECT_EQ(images.Find("Early")->Texture(), 0u);
  images.DrawImage("Early", 0, 0, 0);  // draws nothing
  EXPECT_TRUE(backend.Quads.empty());

  // Without boxes the message still reaches the log.
  images.MessageBoxes = nullptr;
  images.Add("Late").SetPicture(Solid(8, 8));
  testing::internal::CaptureStderr();
  screen.Reset();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Error creating texture Late\n");
  backend.FailTextures = false;
  screen.Reset();
  EXPECT_NE(images.Find("Early")->Texture(), 0u);
  EXPECT_EQ(boxes.Shown.size(), 1u);
}

TEST(ImageList, TextureCoordinatesAddressThePictureInsideALargerTexture) {
  ListRig r;
  TImageListItem& item = r.Add("Picture", 300, 200);
  EXPECT_EQ(item.TextureWidth(), 512);
  EXPECT_EQ(item.TextureHeight(), 256);
  item.Draw(0, 0, 0);
  ExpectUV(r.Last().Corners[0], 0, 0);
  ExpectUV(r.Last().Corners[2], 0.5859375f, 0.78125f);
  // Pattern -1 is the whole picture too.
  item.Draw(0, 0, TImageListItem::WholePicture);
  ExpectUV(r.Last().Corners[2], 0.5859375f, 0.78125f);
}

TEST(ImageList, PatternRules) {
  ListRig r;
  TImageListItem& strip = r.Add("Strip", 17 * 52, 52, 17, 1);
  strip.Draw(0, 0, 99);  // beyond the grid: the last pattern
  ExpectUV(r.Last().Corners[0], 16 * 52 / 1024.0f, 0);
  std::size_t before = r.backend.Quads.size();
  int blendChanges = r.backend.BlendChanges;
  strip.Draw(0, 0, TImageListItem::NoPattern, {.Blend = bmAdditive});
  EXPECT_EQ(r.backend.Quads.size(), before);  // nothing drawn
  EXPECT_EQ(r.backend.BlendChanges, blendChanges);  // and nothing changed

  // Mirror and flip together turn the pattern by half a turn.
  strip.Draw(0, 0, 1, {.Mirror = true, .Flip = true});
  const auto& q = r.Last();
  ExpectUV(q.Corners[0], 2 * 52 / 1024.0f, 1 * 52 / 64.0f);
  ExpectUV(q.Corners[2], 1 * 52 / 1024.0f, 0);
}

TEST(ImageList, ScaleAndTurnAboutTheCentreFactors) {
  ListRig r;
  TImageListItem& item = r.Add("Square", 100, 50);
  // Scale 0 counts as 1.
  item.Draw(10, 10, 0, {.ScaleX = 0, .ScaleY = 0});
  EXPECT_FLOAT_EQ(r.Last().Corners[2].X, 110);
  EXPECT_FLOAT_EQ(r.Last().Corners[2].Y, 60);
  // Scale 2 about the top-left corner.
  item.Draw(10, 10, 0, {.ScaleX = 2, .ScaleY = 3});
  EXPECT_FLOAT_EQ(r.Last().Corners[0].X, 10);
  EXPECT_FLOAT_EQ(r.Last().Corners[2].X, 210);
  EXPECT_FLOAT_EQ(r.Last().Corners[2].Y, 160);
  // A quarter turn clockwise about the middle: the top-left corner goes to the top-right.
  item.Draw(0, 0, 0, {.CenterX = 0.5f, .CenterY = 0.5f, .Angle = 90});
  const auto& q = r.Last();
  EXPECT_NEAR(q.Corners[0].X, 75, 1e-4);
  EXPECT_NEAR(q.Corners[0].Y, -25, 1e-4);
  EXPECT_NEAR(q.Corners[2].X, 25, 1e-4);
  EXPECT_NEAR(q.Corners[2].Y, 75, 1e-4);
}

TEST(ImageList, BlendModeIsSetOnlyWhenItChanges) {
  ListRig r;
  TImageListItem& item = r.Add("Glow", 16, 16);
  int base = r.backend.BlendChanges;
  item.Draw(0, 0, 0, {.Blend = bmAdditive});
  item.Draw(0, 0, 0, {.Blend = bmAdditive});
  EXPECT_EQ(r.backend.BlendChanges, base + 1);
  item.Draw(0, 0, 0, {.Blend = bmUnchanged});
  EXPECT_EQ(r.screen.GetBlendMode(), bmAdditive);
  EXPECT_EQ(r.Last().BlendMode, bmAdditive);
  item.Draw(0, 0, 0);
  EXPECT_EQ(r.backend.BlendChanges, base + 2);
  EXPECT_EQ(r.Last().BlendMode, bmNormal);
}

TEST(ImageList, GroupsUnloadInOrderAndFreeTheirTextures) {
  ListRig r;
  TLoadedImageList groups;
  r.Add("StoryA", 8, 8);
  r.Add("StoryB", 8, 8);
  r.Add("Keep", 8, 8);
  groups.Add(0, "StoryA");
  groups.Add(0, "StoryB");
  EXPECT_TRUE(groups.IsLoaded(0));
  EXPECT_FALSE(groups.IsLoaded(4));
  groups.Unload(0, r.images);
  EXPECT_FALSE(groups.IsLoaded(0));
  EXPECT_EQ(r.images.Find("StoryA"), nullptr);
  EXPECT_EQ(r.images.Find("StoryB"), nullptr);
  ASSERT_NE(r.images.Find("Keep"), nullptr);
  EXPECT_FALSE(r.backend.Textures[0].Alive);
  EXPECT_FALSE(r.backend.Textures[1].Alive);
  EXPECT_TRUE(r.backend.Textures[2].Alive);
  // Index stays right after a removal in the middle.
  r.images.DrawImage("Keep", 0, 0, 0);
  EXPECT_EQ(r.Last().Texture, 3u);
}
