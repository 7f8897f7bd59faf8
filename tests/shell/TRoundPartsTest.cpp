#include <gtest/gtest.h>

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"
#include "metagame/TBuySlots.h"
#include "shell/TRoundParts.h"
#include "shell/TWidgetMaker.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

namespace {
// The round's room on its own, without a window around it.
struct RoundRoom : TRoundParts {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  TGlobalGameText text;
  TTextStrings texts;
  TBuySlots shop{images};
  RoundRoom() {
    Shop = &shop;
    Create(TWidgetMaker(images, {}), images, text, texts, "Levels/", {0, 236});
    Wire();
  }
  using TRoundParts::AddBonusPoints;
  using TRoundParts::AddPoints;
  using TRoundParts::CreditOwned;
  using TRoundParts::NextGatherMusicTrack;
  using TRoundParts::ResetForLevel;
};
}  // namespace

TEST(RoundParts, ARoundCountsOnlyWhileItIsPlayed) {
  RoundRoom room;
  EXPECT_EQ(room.MannaEnergy->Top, 236 + 408);  // the flask hangs under the tools
  auto count = [&room] {
    room.AddPoints(30);
    room.AddBonusPoints(25);
    room.CreditOwned(elFlower, 2);
  };
  count();  // no level yet
  EXPECT_EQ(room.ScoreCounter->Value(), 0);
  EXPECT_EQ(room.shop.OwnedElements()[elFlower], 0.0f);
  room.RoundInProgress = true;
  count();
  EXPECT_EQ(room.LevelScore, 30);
  EXPECT_EQ(room.BonusPoints, 25);
  EXPECT_EQ(room.ScoreCounter->Value(), 55);
  EXPECT_EQ(room.shop.OwnedElements()[elFlower], 2.0f);
  EXPECT_EQ(room.shop.RoundGains()[elFlower], 2.0f);
  // The next level starts its own score; the total and the purse stay.
  room.LevelFilled = room.RoundEnding = true;
  room.ResetForLevel();
  EXPECT_EQ(room.LevelScore, 0);
  EXPECT_EQ(room.BonusPoints, 0);
  EXPECT_FALSE(room.LevelFilled);
  EXPECT_FALSE(room.RoundEnding);
  EXPECT_EQ(room.ScoreCounter->Value(), 55);
  EXPECT_EQ(room.shop.OwnedElements()[elFlower], 2.0f);
}

TEST(RoundParts, CombosRideTheConveyerOnlyUntilTheRoundEnds) {
  RoundRoom room;
  room.Combos->OnAComboDoneShowing(*room.Combos, 5, {300, 300});
  const int riding = room.CombosConveyer->ActiveCount();
  EXPECT_GT(riding, 0);
  room.RoundEnding = true;
  room.Combos->OnAComboDoneShowing(*room.Combos, 5, {300, 300});
  EXPECT_EQ(room.CombosConveyer->ActiveCount(), riding);
}

TEST(RoundParts, GatheringLevelsTakeTheFourTracksInTurn) {
  RoundRoom room;
  for (TMusicRequest expected :
       {mrMainGame1, mrMainGame2, mrMainGame3, mrMainGame4, mrMainGame1, mrMainGame2})
    EXPECT_EQ(room.NextGatherMusicTrack(), expected);
}
