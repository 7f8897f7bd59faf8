#include "shell/TStoryParts.h"

#include "shell/TWidgetMaker.h"

void TStoryParts::Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
                         TTextStrings& texts, const std::string& imagesFolder,
                         bool isWindows8OrLater) {
  ComicStrips = std::make_unique<TComicStrips>(images, texts);
  EndingStrips = std::make_unique<TEndingComicStrips>(images, texts);
  StoryNarration = std::make_unique<TNarrationText>();
  StoryNarration->OmgImgList = &images;
  StoryDust = std::make_unique<TBounceDustEffect>();
  StoryDust->OmgImgList = &images;
  StoryDust->IsWindows8OrLater = isWindows8OrLater;
  OldMovie = std::make_unique<TOldMovieEffect>();
  OldMovie->OmgImgList = &images;

  ChapterDialog = std::make_unique<TChapterDialog>();
  ChapterDialog->OmgImgList = &images;
  ChapterDialog->GlobGameText = &text;
  ChapterDialog->TextStringsComp = &texts;
  ChapterDialog->Path = imagesFolder;
  ChapterDialog->IsWindows8OrLater = isWindows8OrLater;

  Tutorial = std::make_unique<TWynnetTutorial>();
  Tutorial->OmgImgList = &images;
  Tutorial->GlobGameText = &text;
  Tutorial->TextStringsComp = &texts;
  TutorialCharacter = std::make_unique<TWynnetTutorialCharacter>();
  TutorialCharacter->OmgImgList = &images;
  ToolTip = std::make_unique<TTutorialToolTip>();
  ToolTip->OmgImgList = &images;
  ToolTip->TextStringsComp = &texts;
  if (isWindows8OrLater) {
    Tutorial->AlphaRatioInc = Tutorial->AlphaRatioDec = 0.3f;
    ToolTip->FadeStep = 0.5f;
  }
  TutorialOKButton = make.Button("TutorialOKButton", TutorialOKLeft, TutorialOKTop);
  ToolTipOKButton = make.Button("TutorialOKButton", -999, -999);
  TutorialOKButton->Visible = false;
  ToolTipOKButton->Visible = false;
}

void TStoryParts::LoadStoryTexts() {
  ComicStrips->LoadNarrations();
  EndingStrips->LoadNarrations();
  ChapterDialog->LoadConversations();
  Tutorial->LoadTexts();
  ToolTip->LoadTexts();
}

void TStoryParts::ReadImageSizes() {
  StoryDust->RefreshSizes();
  TutorialOKButton->ReloadSize();
  ToolTipOKButton->ReloadSize();
}

void TStoryParts::ResetForLevel() {
  Tutorial->Reset();
  ToolTip->Reset();
  TutorialCharacter->Reset();
  TutorialOKButton->Visible = false;
  ToolTipOKButton->Visible = false;
}
