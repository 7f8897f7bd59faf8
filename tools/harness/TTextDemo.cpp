#include "TTextDemo.h"
#include "TOffscreenCanvas.h"

#include <memory>

#include "engine/TGameRandom.h"
#include "engine/TImageLoader.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "text/TGameComment.h"
#include "text/TGlobalGameText.h"
#include "text/TNarrationText.h"
#include "text/TTextStrings.h"
#include "text/WrapText.h"

namespace {
// A dusky vertical gradient with a light band, so that white and black text both show.
TPicture Backdrop() {
  TPicture p;
  p.Resize(1366, 768);
  for (int y = 0; y < 768; ++y)
    for (int x = 0; x < 1366; ++x) {
      std::uint8_t* px = p.Row(y) + x * 4;
      bool band = y >= 150 && y < 200;
      px[0] = band ? 225 : static_cast<std::uint8_t>(40 + y / 12);
      px[1] = band ? 215 : static_cast<std::uint8_t>(60 + y / 16);
      px[2] = band ? 190 : static_cast<std::uint8_t>(90 + y / 10);
      px[3] = 255;
    }
  return p;
}
}  // namespace

bool TTextDemo::Snapshot(const std::string& contentFolder, const std::string& file,
                         std::string& error) {
  TOffscreenCanvas canvas;
  if (!canvas.Open(error)) return false;
  TOmegaScreen& screen = canvas.Screen;
  TOmegaImageList& images = canvas.Images;
  TImageLoader& loader = canvas.Loader;
  loader.OnError = [&](const std::string& message) { error = message; };
  const std::string imageFolder = contentFolder + "Images/";
  if (loader.LoadFile(imageFolder, "GlobalFontWhite.png").empty() ||
      loader.LoadFile(imageFolder, "CommentFont.png").empty())
    return false;
  TImageListItem& back = images.Add("Backdrop");
  back.SetPicture(Backdrop());
  back.CreateTexture();

  TTextStrings texts;
  std::string textError;
  bool haveTexts = texts.Load(contentFolder + "Texts/", textError);

  TGlobalGameText writer;
  writer.OmgImgList = &images;
  writer.OrigLetterWidth = images.TileWidthOf("GlobalFontWhite");
  writer.OrigLetterHeight = images.TileHeightOf("GlobalFontWhite");

  TNarrationText paragraph;
  paragraph.OmgImgList = &images;
  const std::string story =
      "Wynnet packed her satchel with jars of honey, three silver spoons and a map "
      "that smelled of pine. \"The islands are hungry,\" said the old cook, \"and only "
      "a brave chef can feed them all!\" So she set off at dawn - 100% sure of herself.";
  paragraph.Start(60, 420, WrapText(TGameFontKind::fkAirstripNormal, story, 1, 600, 0.7));
  paragraph.Complete();

  TNarrationText capitals;
  capitals.OmgImgList = &images;
  capitals.FontKind = TGameFontKind::fkAirstripComment;
  capitals.FontRatio = 0.6;
  capitals.VertSpace = 34;
  capitals.Start(60, 600, "ABCDEFGHIJKLMNOPQRSTUVWXYZ|0123456789 ':!&-");
  capitals.Complete();

  TNarrationText writing;  // caught in the middle of its reveal
  writing.OmgImgList = &images;
  writing.StartColored(60, 700, 255, 230, 150, "Letters appear one by one...");
  for (int i = 0; i < 8; ++i) writing.UpdateAndDraw();

  TGameRandom::SetSeed(20261209);
  TGameComment flying;
  flying.OmgImgList = &images;
  flying.TextStringsComp = &texts;
  flying.ApplyRole(TGameCommentRole::crGameComments);
  if (haveTexts)
    flying.ShowComment(TGameCommentType::coNoMoreMoves);
  else
    flying.ShowText("NO MORE MOVES!");
  TGameComment waving;
  waving.OmgImgList = &images;
  waving.ApplyRole(TGameCommentRole::crChapterEntry);
  waving.Alignment = TGameCommentAlignment::alDefined;
  waving.DefinedLeft = 380;
  waving.DefinedTop = 560;
  waving.ShowText("Chapter 2: Tumbleroot");

  // Earlier ticks draw into a frame that the clear below throws away.
  for (int i = 0; i < 7; ++i) flying.UpdateAndDraw();
  for (int i = 0; i < 39; ++i) waving.UpdateAndDraw();

  screen.Clear(0, 0, 0, 255);
  screen.BeginScene();
  images.DrawImage("Backdrop", 0, 0, 0);
  flying.UpdateAndDraw();  // the eighth tick: mid-flight
  waving.UpdateAndDraw();
  writer.DrawShadowText(60, 60, "White: The Quick Brown Fox Jumps Over 13 Lazy Dogs!");
  writer.DrawText(60, 120, "Yellow: #1 $5 (50%) & *more* + = ; : ' \" , . / ? |",
                  {.Colour = TGlobalGameText::tcYellow});
  writer.DrawText(60, 175, "Outlined: caf\xE9 cr\xE8me dropped letters");
  writer.DrawText(60, 235, "Red: Time Running Out", {.Colour = TGlobalGameText::tcRed});
  writer.DrawShadowText(60, 290, "Small shadow text at scale 0.6, spacing -1",
                        {.Scale = 0.6, .Colour = TGlobalGameText::tcYellow, .ExtraSpacing = -1});
  writer.DrawText(60, 340, "Cut at 330 pixels: this part never shows",
                  {.Scale = 0.8, .Alpha = 160, .MaxWidth = 330});
  paragraph.UpdateAndDraw();
  capitals.UpdateAndDraw();
  writing.UpdateAndDraw();
  screen.EndScene();

  return TOffscreenCanvas::WriteShot(screen, file, error);
}
