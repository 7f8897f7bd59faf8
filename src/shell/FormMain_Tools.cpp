// The player's tools as the level sees them: a used tool spends energy, struck tiles may hit
// the creature, pick-ups fly to the panel with a sound, and the tools are drawn. How the
// tools and their effects reach the board is wired in TBoardParts.
#include "shell/TFormMain.h"

namespace {
// GameComments.txt lines 27..30, in TToolRefusal order.
constexpr int RefusalCommentLine = 27;
}  // namespace

void TFormMain::WireTools() {
  for (auto& tool : Tools)
    tool->OnClick = [this](TCollectorBombTool& s, TPoint tile, TPoint toolPos) {
      SpendToolEnergy(s.ToolKind);
      GameBoard->CancelHint();
      GameBoard->ClearToolHighlight();
      UseTool(s.ToolKind, tile, toolPos);
    };
  for (auto& tool : Tools)
    tool->OnRefusedPress = [this](TCollectorBombTool&, TToolRefusal why) { ToolRefused(why); };
  for (TCarriedTool* tool : CarriedTools())
    tool->OnRefusedPress = [this](TCarriedTool&, TToolRefusal why) { ToolRefused(why); };

  // Struck and falling tiles may hit the island's creature.
  auto monsterCheck = [this](TPoint pos, bool& hitting, bool& absorbing) {
    CheckMonsterHit(pos, hitting, absorbing);
  };
  HammeredObjects->OnMonsterHitCheck = [monsterCheck](THammeredObjectsEffect&, TPoint pos,
                                                      bool& hitting, bool& absorbing) {
    monsterCheck(pos, hitting, absorbing);
  };
  FallingElements->OnMonsterHitCheck = [monsterCheck](TFallingElements&, TPoint pos,
                                                      bool& hitting, bool& absorbing) {
    monsterCheck(pos, hitting, absorbing);
  };

  // The blaster and multi bubbles: a colour wave from the tile, then the colour is cleared.
  GameBoard->OnMultiBubbleClicked = [this](TGameBoard&, TPoint tile, TPoint toolPos, int colour) {
    PlayEffect("Collector");
    Stars->StarsAtTile(tile);
    CollectorEffect->Start(toolPos.X - 4, toolPos.Y, colour);
    GameBoard->StartBlasterWave(tile);
  };

  // The older tools are flown in from pick-ups.
  auto arrive = [this](TCarriedTool& tool) {
    return [this, &tool](TFlowingTool&) {
      PlayEffect("ToolAcquired");
      tool.Acquire();
    };
  };
  FlowingKey->OnArrive = arrive(*MagicKey);
  FlowingBroom->OnArrive = arrive(*Broom);
  FlowingAerosol->OnArrive = arrive(*Aerosol);
}

void TFormMain::ToolRefused(TToolRefusal why) {
  // Round comments hand over to the next step when their waving ends: never cut one short
  // before that.
  const TGameComment::TPhase phase = GameComments->CurrentPhase();
  const bool free = phase == TGameComment::TPhase::Off ||
                    phase == TGameComment::TPhase::FadingOut ||
                    GameComments->CommentType() == TGameCommentType::coCustomText;
  if (!free) return;
  GameComments->ShowComment(TGameCommentType::coCustomText,
                            TextStrings.GameComments[RefusalCommentLine + why]);
}
