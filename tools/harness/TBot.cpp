#include "TBot.h"

#include <SDL_keycode.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "TBossAim.h"
#include "THarness.h"
#include "THarnessScript.h"
#include "shell/TFormMain.h"

namespace {
constexpr int kFramesPerSecond = 33;
// Carrying a tool from the panel to its tile takes a hand this long.
constexpr int kToolCarryFrames = 12;
// After a tool the effects play out before anything else is looked at.
constexpr int kAfterToolFrames = 45;
// A board that never settles is played anyway after this long.
constexpr int kImpatience = 5 * kFramesPerSecond;
// Enough needed elements for each unit of energy a tool spends, or the energy waits.
constexpr double kToolReturn = 0.12;
// Frames from a move's clicks until its elements leave the board (the swap and the shiver),
// between one cascade and the next, and from picking a tool until it strikes or blasts.
constexpr int kMatchDelay = 14;
constexpr int kCascadeDelay = 22;
constexpr int kStrikeDelay = 35;
constexpr int kBlastDelay = 14;

TPlatformEvent Mouse(TPlatformEventKind kind, TPoint p, bool left = true) {
  TPlatformEvent e;
  e.Kind = kind;
  e.X = p.X;
  e.Y = p.Y;
  e.Button = left ? TMouseButton::Left : TMouseButton::Right;
  return e;
}

const char* MedalName(TMedalKind m) {
  switch (m) {
    case mdBronze: return "bronze";
    case mdSilver: return "silver";
    case mdGold: return "gold";
    case mdNone: break;
  }
  return "none";
}

}  // namespace

TBot::TBot(THarness& harness, std::uint32_t seed, int actionFrames)
    : Harness(harness), Game(harness.Form()), Random(seed), ActionFrames(actionFrames) {}

TPoint TBot::TileCentre(TPoint tile) const {
  TPoint p = Game.GameBoard->TileScreenPos(tile);
  return {p.X + 26, p.Y + 26};
}

// The harness window shows the logical screen one to one.
void TBot::MoveMouse(TPoint p) { Harness.Send(Mouse(TPlatformEventKind::MouseMove, p)); }

void TBot::Click(TPoint p, bool left) {
  Harness.Send(Mouse(TPlatformEventKind::MouseMove, p, left));
  Harness.Send(Mouse(TPlatformEventKind::MouseDown, p, left));
  Harness.Send(Mouse(TPlatformEventKind::MouseUp, p, left));
}

bool TBot::Settled() const {
  const TGameBoard& b = *Game.GameBoard;
  for (const auto& column : b.TileStateGrid())
    for (TTileState s : column)
      if (s != tsIdle && s != tsAnchored && s != tsNoTile) return false;
  return !b.Settling() && !b.BlasterWaveActive() && !Game.SwapEffect->Running() &&
         !Game.HammerToolEffect->Active() && !Game.HammerItemEffect->Active() &&
         !Game.HammeredObjects->Active() && !Game.LightningEffect->Active() &&
         !Game.BigBombEffect->Active();
}

TBotPlanner::TView TBot::Look() const {
  TBotPlanner::TView v;
  v.Board = Game.GameBoard->BoardData();
  for (int s = 0; s < TBotPlanner::SlotCount; ++s) v.Needed[s] = Game.ElementGather->Counter(s);
  // What is already on its way to the panel is as good as gathered.
  for (int i = 0; i < TFlowingElements::SlotCount; ++i) {
    const auto& f = Game.FlowingElements->Flight(i);
    if (f.State != TFlowingElements::fsFree) --v.Needed[f.Individual];
  }
  if (Game.NewDiamond->Busy()) --v.Needed[Game.NewDiamond->AcquiredFlowerIdx == 8 ? iePotion2 : iePotion1];
  for (int& n : v.Needed) n = std::max(n, 0);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const auto& frame = Game.LockerFrames->Frame({x, y});
      v.Gold[x - 1][y - 1] = frame.State == TLockerFrames::lfNone ? 0 : frame.Level;
    }
  for (int i = 0; i < TCrawlingSpiders::SlotCount; ++i) {
    const auto& s = Game.Spiders->Spider(i);
    if (s.State <= TCrawlingSpiders::ssMakingWeb && InBoardGrid(s.Tile)) v.Spiders.push_back(s.Tile);
  }
  if (Game.GameObjective == goBossMode) LookAtCreature(v);
  return v;
}

void TBot::LookAtCreature(TBotPlanner::TView& v) const {
  const TBoss* boss = Game.RoundBoss();
  if (!boss) return;
  TBossAim aim(*boss, PhaseFrames);
  aim.Gravity = Game.FallingElements->IsWindows8OrLater ? 3 : 2;
  v.Boss = true;
  int falling = 0, colours = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = v.Board.At(x, y);
      if (t.ObjectKind == okUnused) continue;
      if (t.IsColourElement()) {
        ++colours;
        falling += !TFallingElements::Drifts(t.Element);
      }
      const TPoint p = Game.GameBoard->TileScreenPos({x, y});
      for (int d = 0; d < TBotPlanner::CascadeDepth; ++d)
        v.BossWorth[d][x - 1][y - 1] = static_cast<float>(
            aim.ElementWorth(p.X, p.Y, kMatchDelay + d * kCascadeDelay, TBossAim::lvGrouped));
      v.BossToolWorth[x - 1][y - 1] =
          static_cast<float>(aim.ElementWorth(p.X, p.Y, kStrikeDelay, TBossAim::lvGrouped));
      v.BossBlastWorth[x - 1][y - 1] =
          static_cast<float>(aim.ElementWorth(p.X, p.Y, kBlastDelay, TBossAim::lvBlasted));
    }
  if (colours > 0) v.BossFallShare = static_cast<float>(falling) / static_cast<float>(colours);
}

void TBot::AfterFrame() {
  ++Frame;
  if (Game.Scene() != gsMainGame || !Game.LevelFilled || Game.GamePaused || Game.RoundOver) return;
  if (const TBoss* boss = Game.RoundBoss()) {
    if (boss->GetState() != SeenState || boss->GetAttemptPhase() != SeenPhase) {
      SeenState = boss->GetState();
      SeenPhase = boss->GetAttemptPhase();
      PhaseFrames = 0;
    } else {
      ++PhaseFrames;
    }
  }
  bool shuffling = Game.ShuffleAway->Running();
  if (shuffling && !WasShuffling) ++ShuffleCount;
  WasShuffling = shuffling;

  // A tool in hand: carried over the board, then released on its tile.
  if (ToolKind != tlNone) {
    TCollectorBombTool* tool = Game.Tool(ToolKind);
    if (Frame == ToolFrame + kToolCarryFrames / 2) {
      MoveMouse(TileCentre(ToolTile));
    } else if (Frame >= ToolFrame + kToolCarryFrames) {
      if (tool && tool->Held()) {
        Click(TileCentre(ToolTile));
        // Refused (the tile changed under it): a right click sends it back.
        if (tool->Held())
          Click(TileCentre(ToolTile), false);
        else
          ++ToolCount;
      }
      ToolKind = tlNone;
      NextAction = Frame + kAfterToolFrames;
    }
    return;
  }
  if (Frame < NextAction) return;
  if (!Game.GameBoard->CanDraw || !Game.GameBoard->CanMatch || shuffling) return;
  if (!Settled()) {
    if (WaitStart < 0) WaitStart = Frame;
    LongestWait = std::max(LongestWait, Frame - WaitStart);
    if (Frame - WaitStart < kImpatience) return;
  }
  WaitStart = -1;
  Act();
}

void TBot::Act() {
  TGameBoard& board = *Game.GameBoard;
  // A half-made selection from before would turn the next click into the wrong swap.
  if (board.SelectionActive()) {
    Click(TileCentre(board.SelectedPos()), false);
    NextAction = Frame + 3;
    return;
  }
  TBotPlanner planner(Look());
  std::uniform_real_distribution<double> noise(0.0, 0.25);

  // The best swap on the board.
  std::pair<TPoint, TPoint> bestMove;
  double bestMoveValue = -1;
  for (const auto& m : board.ListMoves()) {
    double v = planner.RateSwap(m.first, m.second);
    if (v < 0) continue;
    v += noise(Random);
    if (v > bestMoveValue) {
      bestMoveValue = v;
      bestMove = m;
    }
  }

  // A tool when it pays for its energy, finishes the level, or the board has no move.
  TBotPlanner::TToolChoice bestTool;
  double bestReturn = 0;
  const double outstanding = planner.OutstandingValue();
  const double full = Game.MannaEnergy->IsFull() ? 0.5 : 1.0;
  for (const auto& t : Game.Tools) {
    if (!t->Available || !t->Accessible || !t->Enabled()) continue;
    TBotPlanner::TToolChoice c = planner.BestToolTarget(t->ToolKind);
    if (c.Value <= 0) continue;
    double cost = std::max(1.0, Game.MannaEnergy->Threshold(TCollectorBombTool::EnergyLevel(t->ToolKind)));
    double ret = c.Value / cost;
    bool worth = ret >= kToolReturn * full || (outstanding > 0 && c.Value >= outstanding) ||
                 (bestMoveValue < 0 && c.Value >= 0.3);
    if (worth && ret > bestReturn) {
      bestReturn = ret;
      bestTool = c;
    }
  }

  if (bestTool.Kind != tlNone && InBoardGrid(bestTool.Tile)) {
    TCollectorBombTool* tool = Game.Tool(bestTool.Kind);
    Click({tool->RectLeft + tool->RectWidth / 2, tool->RectTop + tool->RectHeight / 2});
    if (tool->Held()) {
      ToolKind = bestTool.Kind;
      ToolTile = bestTool.Tile;
      ToolFrame = Frame;
      return;
    }
  }
  if (bestMoveValue < 0) {
    NextAction = Frame + 10;  // nothing to do: look again soon
    return;
  }
  Click(TileCentre(bestMove.first));
  Click(TileCentre(bestMove.second));
  ++MoveCount;
  NextAction = Frame + ActionFrames + static_cast<long>(Random() % 7);
}

TBot::TResult TBot::Play(const TOptions& o) {
  // A fresh player folder for each game, so that no save of an earlier one counts; the
  // previous setting comes back afterwards.
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string previous = old ? old : "";
  char folder[] = "/tmp/wendmoor-bot-XXXXXX";
  const bool scratch = mkdtemp(folder) != nullptr;
  if (scratch) setenv("XDG_DATA_HOME", folder, 1);
  TResult r = PlayHere(o);
  std::error_code ec;
  if (scratch) std::filesystem::remove_all(folder, ec);
  if (old)
    setenv("XDG_DATA_HOME", previous.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  return r;
}

void TBot::Press(THarness& harness, const TGameButton& b) {
  auto send = [&](TPlatformEventKind kind, int x, int y) {
    TPlatformEvent e;
    e.Kind = kind;
    e.X = x;
    e.Y = y;
    e.Button = TMouseButton::Left;
    harness.Send(e);
  };
  const int x = b.Left + b.Width() / 2, y = b.Top + b.Height() / 2;
  send(TPlatformEventKind::MouseMove, x, y);
  send(TPlatformEventKind::MouseDown, x, y);
  send(TPlatformEventKind::MouseUp, x, y);
}

TBot::TResult TBot::PlayHere(const TOptions& o) {
  TResult r;
  r.Island = o.Island;
  r.Level = o.Level;
  r.Seed = o.Seed;
  THarness::TOptions h;
  h.ExeFolder = o.Content;
  h.Seed = o.Seed;
  h.Island = o.Island;
  h.Level = o.Level;
  h.Relaxed = o.Relaxed;
  h.RenderShotsOnly = true;
  THarness harness(h);
  if (!harness.Start(r.Error)) return r;
  TFormMain& game = harness.Form();
  r.TimeLimit = game.TubeTimer->Time;
  r.Boss = game.GameObjective == goBossMode;
  bool absorbing = false;
  auto bot = std::make_unique<TBot>(harness, o.Seed, o.ActionFrames);
  THarnessScript none;
  // Interruptions: the next one's frame, and the tube's seconds when play came back.
  std::mt19937 random(o.Seed * 7919u + 1);
  auto between = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(random); };
  long nextInterruption = o.Interruptions ? between(150, 600) : -1, resumedAt = -1;
  int tubeAtResume = 0;
  bool restart = false;
  // The announcement, the whole tube and the way out; relaxed levels get four tubes.
  const long frames = (static_cast<long>(r.TimeLimit) * (o.Relaxed ? 4 : 1) + 60) * kFramesPerSecond;
  r.Result = "unfinished";
  for (long f = 0; f < frames && !game.Closed(); ++f) {
    harness.Step(none);
    if (const TBoss* boss = game.RoundBoss()) {
      if (boss->IsAbsorbing() && !absorbing) ++r.Drains;
      absorbing = boss->IsAbsorbing();
    }
    if (game.RoundOver && game.Scene() == gsRoundClear) {
      r.Result = "won";
      r.Medal = MedalName(game.ResultMedal->MedalKind());
      break;
    }
    if (game.Scene() == gsTimeUp) {
      r.Result = "lost";
      break;
    }
    if (nextInterruption >= 0) {
      if (game.Scene() == gsInGameMenu && f >= nextInterruption + 30) {
        Press(harness, restart ? *game.InGameRestartButton : *game.InGameResumeButton);
        restart ? ++r.Restarts : ++r.Pauses;
        if (restart) bot = std::make_unique<TBot>(harness, o.Seed + 1, o.ActionFrames);
        resumedAt = f;
        nextInterruption = f + between(200, 700);
        continue;
      }
      if (game.Scene() == gsMainGame && f >= nextInterruption && !bot->Holding()) {
        // A restart now and then, more often a pause; Escape or the menu button.
        restart = r.Restarts == 0 && between(0, 3) == 0;
        if (between(0, 1) == 0) {
          TPlatformEvent escape;
          escape.Kind = TPlatformEventKind::KeyDown;
          escape.Key = SDLK_ESCAPE;
          harness.Send(escape);
        } else {
          Press(harness, *game.InGameMenuButton);
        }
        nextInterruption = f;
        resumedAt = -1;
        continue;
      }
      if (resumedAt >= 0 && game.Scene() == gsMainGame && f == resumedAt + 1)
        tubeAtResume = game.TubeTimer->ElapsedSeconds();
      if (resumedAt >= 0 && game.Scene() == gsMainGame && f == resumedAt + 150) {
        if (!restart && game.TubeTimer->ElapsedSeconds() <= tubeAtResume) {
          r.Result = "error";
          r.Error = "the tube stood still after a pause";
          return r;
        }
        resumedAt = -1;
      }
    }
    bot->AfterFrame();
  }
  r.Seconds = game.TubeTimer->ElapsedSeconds();
  r.LevelScore = game.LevelScore;
  r.Moves = bot->Moves();
  r.Tools = bot->ToolsUsed();
  r.Shuffles = bot->Shuffles();
  r.LongestWait = bot->LongestWaitSeconds();
  if (const TBoss* boss = game.RoundBoss()) r.BossEnergy = boss->CurrentEnergy();
  return r;
}

std::string TBot::ToJson(const TResult& r) {
  char level[16];
  std::snprintf(level, sizeof level, "%d-%02d", r.Island, r.Level);
  std::string error;
  for (char c : r.Error) {
    if (c == '"' || c == '\\') error += '\\';
    error += (c == '\n' || c == '\r') ? ' ' : c;
  }
  char line[512];
  std::snprintf(line, sizeof line,
                "{\"level\":\"%s\",\"seed\":%u,\"result\":\"%s\",\"medal\":\"%s\",\"seconds\":%d,"
                "\"time_limit\":%d,\"level_score\":%d,\"moves\":%d,\"tools\":%d,\"shuffles\":%d,"
                "\"longest_wait\":%.1f",
                level, r.Seed, r.Result.c_str(), r.Medal.c_str(), r.Seconds, r.TimeLimit,
                r.LevelScore, r.Moves, r.Tools, r.Shuffles, r.LongestWait);
  std::string boss;
  if (r.Boss)
    boss = ",\"boss_energy\":" + std::to_string(r.BossEnergy) + ",\"drains\":" + std::to_string(r.Drains);
  return std::string(line) + boss + (error.empty() ? "" : ",\"error\":\"" + error + "\"") + "}";
}

bool TBot::FromJson(const std::string& line, TResult& r) {
  auto text = [&line](const std::string& key, std::string& out) {
    auto at = line.find("\"" + key + "\":\"");
    if (at == std::string::npos) return false;
    at += key.size() + 4;
    auto end = line.find('"', at);
    if (end == std::string::npos) return false;
    out = line.substr(at, end - at);
    return true;
  };
  auto number = [&line](const std::string& key, double& out) {
    auto at = line.find("\"" + key + "\":");
    if (at == std::string::npos) return false;
    char* end = nullptr;
    out = std::strtod(line.c_str() + at + key.size() + 3, &end);
    return end != line.c_str() + at + key.size() + 3;
  };
  std::string level;
  double seed, seconds, limit, score, moves, tools, shuffles, wait;
  if (line.empty() || line[0] != '{' || !text("level", level) || !text("result", r.Result) ||
      !text("medal", r.Medal) || !number("seed", seed) || !number("seconds", seconds) ||
      !number("time_limit", limit) || !number("level_score", score) || !number("moves", moves) ||
      !number("tools", tools) || !number("shuffles", shuffles) || !number("longest_wait", wait) ||
      std::sscanf(level.c_str(), "%d-%d", &r.Island, &r.Level) != 2)
    return false;
  r.Seed = static_cast<std::uint32_t>(seed);
  r.Seconds = static_cast<int>(seconds);
  r.TimeLimit = static_cast<int>(limit);
  r.LevelScore = static_cast<int>(score);
  r.Moves = static_cast<int>(moves);
  r.Tools = static_cast<int>(tools);
  r.Shuffles = static_cast<int>(shuffles);
  r.LongestWait = wait;
  if (!text("error", r.Error)) r.Error.clear();
  double energy = 0, drains = 0;
  r.Boss = number("boss_energy", energy) && number("drains", drains);
  r.BossEnergy = r.Boss ? static_cast<int>(energy) : 0;
  r.Drains = r.Boss ? static_cast<int>(drains) : 0;
  return true;
}
