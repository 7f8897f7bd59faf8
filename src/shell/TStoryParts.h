#pragma once
#include <memory>

#include "effects/TBounceDustEffect.h"
#include "effects/TOldMovieEffect.h"
#include "text/TNarrationText.h"
#include "ui/TChapterDialog.h"
#include "ui/TComicStrips.h"
#include "ui/TEndingComicStrips.h"
#include "ui/TGameButton.h"
#include "ui/TTutorialToolTip.h"
#include "ui/TWynnetTutorial.h"
#include "ui/TWynnetTutorialCharacter.h"

class TGlobalGameText;
class TOmegaImageList;
class TTextStrings;
class TWidgetMaker;

// The story: the opening and ending strips with their narration, film scratches and dust,
// the hub's chapter conversations, and the tutorial with its fairy, pointing tips and their
// OK buttons. When they start and what their ends lead to is the window's.
class TStoryParts {
 public:
  // The narration under the strips, wrapped to this width and centred on the screen.
  static constexpr int NarrationWidth = 920;
  static constexpr int TutorialOKLeft = 640, TutorialOKTop = 427;

  std::unique_ptr<TComicStrips> ComicStrips;
  std::unique_ptr<TEndingComicStrips> EndingStrips;
  std::unique_ptr<TNarrationText> StoryNarration;
  // The sparkle of dust that follows the narration's pen.
  std::unique_ptr<TBounceDustEffect> StoryDust;
  std::unique_ptr<TOldMovieEffect> OldMovie;
  std::unique_ptr<TChapterDialog> ChapterDialog;
  std::unique_ptr<TWynnetTutorial> Tutorial;
  std::unique_ptr<TWynnetTutorialCharacter> TutorialCharacter;
  std::unique_ptr<TTutorialToolTip> ToolTip;
  std::unique_ptr<TGameButton> TutorialOKButton, ToolTipOKButton;

 protected:
  void Create(const TWidgetMaker& make, TOmegaImageList& images, TGlobalGameText& text,
              TTextStrings& texts, const std::string& imagesFolder, bool isWindows8OrLater);
  // The texts come from the catalogue once it has loaded.
  void LoadStoryTexts();
  void ReadImageSizes();
  // A level starts with no page, tip or fairy of the last one.
  void ResetForLevel();
};
