// The opening and the ending story: the strips, their narration in the bar beneath, the
// voices, the film look, and the way out to the menu.
#include <algorithm>

#include "engine/Rounding.h"
#include "platform/TFileSystem.h"
#include "shell/TFormMain.h"
#include "text/WrapText.h"

namespace {
// The narration sits in the black bar under the strips, between their bottom and the
// screen's, in a warm cream that reads well on black.
constexpr int kBarTop = 684, kBarBottom = 768, kScreenWidth = 1366;
constexpr double kNarrationRatio = 0.75;
constexpr int kNarrationLineGap = 23, kNarrationSpacing = 1;
constexpr std::uint8_t kNarrationRed = 255, kNarrationGreen = 238, kNarrationBlue = 200;
// The pen's sparkle: the smallest, brightest puff, a little below the letter's top.
constexpr int kPenDustType = 4, kPenDustDown = 8;
}  // namespace

void TFormMain::WireStory() {
  StoryNarration->FontRatio = kNarrationRatio;
  StoryNarration->VertSpace = kNarrationLineGap;
  StoryNarration->HorzSpaceAdd = kNarrationSpacing;
  StoryNarration->OnTailPosUpdate = [this](TNarrationText&, TPoint pen) {
    StoryDust->Emit(pen.X, pen.Y + kPenDustDown, TBounceDustEffect::AnyGroup, kPenDustType);
  };
  for (TComicStripsBase* strips : {static_cast<TComicStripsBase*>(ComicStrips.get()),
                                   static_cast<TComicStripsBase*>(EndingStrips.get())}) {
    strips->OnStartNarration = [this](TComicStripsBase&, const std::string& text) {
      ShowNarration(text);
    };
    strips->OnEndNarration = [this](TComicStripsBase&) { StoryNarration->Vanish(); };
    strips->OnSceneFinished = [this](TComicStripsBase&) { StoryFinished(); };
  }
  ComicStrips->OnStripChange = [this](TComicStripsBase&, int strip) {
    StripPicturesFor(igStory, strip);
    VoicePlayer->Play("StoryOpening" + std::to_string(strip));
  };
  EndingStrips->OnStripChange = [this](TComicStripsBase&, int strip) {
    StripPicturesFor(igEnding, strip);
    VoicePlayer->Play("StoryEnding" + std::to_string(strip));
  };
}

void TFormMain::LoadStoryPictures(TImageGroup group) {
  if (GroupLoaded(group)) return;
  LoadFolderPngs(group);
  StripPicturesFor(group, 1);
}

void TFormMain::StripPicturesFor(TImageGroup group, int strip) {
  // Only the strip on screen and the next are held: all six at once would be the largest
  // pictures of the game in memory together, for a story that shows one at a time.
  OmegaImageList1.Remove(TComicStripsBase::StripImageName(strip - 1));
  for (int n : {strip, strip + 1}) {
    const std::string name = TComicStripsBase::StripImageName(n);
    if (!OmegaImageList1.Find(name) && TFileSystem::FileExists(GroupFolder(group) + name + ".jpg"))
      LoadImageFile(group, name + ".jpg", srGroupFolder, ifJpeg);
  }
}

void TFormMain::StartOpeningStory() {
  StoryNarration->Reset();
  ComicStrips->OpeningStoryTold = CurrentSave.OpeningStoryTold = true;
  // Told once it has begun: a close or a crash during it must not tell it again, so the
  // mark goes into the file now rather than with the next save.
  SavePlayerSave(ssKeep);
  SwitchScene(gsOpeningStory);
}

void TFormMain::ReplaceVoicePlayer(const std::string& folder) {
  auto player = std::make_unique<TVoicePlayer>(*Services.Audio);
  if (VoicePlayer) {
    VoicePlayer->StopAll();
    player->OnTrace = VoicePlayer->OnTrace;
  }
  player->LoadGroup(folder);
  player->SetVolume(CurrentSave.SoundOn ? CurrentSave.SoundVolume : 0);
  VoicePlayer = std::move(player);
}

void TFormMain::EnterStory(TGameSceneValues scene) {
  const bool opening = scene == gsOpeningStory;
  ReplaceVoicePlayer(opening ? StoryVoicesFolder : EndingVoicesFolder);
  StoryNarration->Reset();
  StoryDust->Reset();
  OldMovie->Reset();
  TComicStripsBase& strips = opening ? static_cast<TComicStripsBase&>(*ComicStrips)
                                     : static_cast<TComicStripsBase&>(*EndingStrips);
  strips.Start();
  // The strips report the strips after the first; the first strip's voice starts here.
  VoicePlayer->Play(opening ? "StoryOpening1" : "StoryEnding1");
}

void TFormMain::LeaveStory() {
  VoicePlayer->StopAll();
  StoryNarration->Reset();
  StoryDust->Reset();
}

void TFormMain::SceneStory(TComicStripsBase& strips) {
  strips.UpdateAndDraw();
  ScreenDust->UpdateAndDraw();
  OldMovie->UpdateAndDraw();
  strips.DrawMasks();
  if (!IsWindows8OrLater) {
    StoryNarration->UpdateAndDraw();
    StoryDust->UpdateAndDraw();
  }
  StorySkipButton->Draw();
}

void TFormMain::ShowNarration(const std::string& text) {
  const TGameFontKind font = StoryNarration->FontKind;
  const std::string wrapped =
      WrapText(font, text, kNarrationSpacing, NarrationWidth, kNarrationRatio);
  // One block, left-aligned and centred by its widest line, in the middle of the bar.
  int widest = 0, lines = 0;
  for (std::size_t from = 0; from <= wrapped.size() && lines < TNarrationText::MaxLines;) {
    std::size_t bar = std::min(wrapped.find('|', from), wrapped.size());
    widest = std::max(widest, TGameFont::TextWidth(font, wrapped.substr(from, bar - from),
                                                   kNarrationSpacing, kNarrationRatio));
    ++lines;
    from = bar + 1;
  }
  const int glyph = RoundHalfEven(OmegaImageList1.TileHeightOf(TGameFont::ImageName(font)) *
                                  kNarrationRatio);
  const int height = (lines - 1) * kNarrationLineGap + glyph;
  const int top = std::max(kBarTop, kBarTop + (kBarBottom - kBarTop - height) / 2);
  StoryNarration->StartColored((kScreenWidth - widest) / 2, top, kNarrationRed, kNarrationGreen,
                               kNarrationBlue, wrapped);
}

void TFormMain::SkipStory() {
  // Both ways out go through the strips' end, so the menu is reached exactly once.
  if (Scene() == gsOpeningStory)
    ComicStrips->Skip();
  else if (Scene() == gsEndingStory)
    EndingStrips->Skip();
}

void TFormMain::StoryFinished() {
  if (Scene() != gsOpeningStory && Scene() != gsEndingStory) return;
  VoicePlayer->StopAll();
  MusicBox->SetVolume(CurrentSave.MusicOn ? CurrentSave.MusicVolume : 0);
  SwitchScene(gsMenu);
}
