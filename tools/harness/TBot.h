#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "TBotPlanner.h"
#include "bosses/TBoss.h"
#include "board/TNewToolKind.h"
#include "engine/SharedTypes.h"

class THarness;
class TFormMain;
class TGameButton;

// A player that is a program. It reads what a player sees (the tiles, the gathering panel,
// the flask and the tools) and acts only through mouse events at window pixels, no faster
// than a quick human: one move at a time, on a settled board.
class TBot {
 public:
  struct TOptions {
    std::string Content;  // folder of the game's content; the harness's own folder when empty
    int Island = 1, Level = 1;
    std::uint32_t Seed = 1;
    bool Relaxed = false;
    int ActionFrames = 20;  // at least this many frames between two actions
    // The player is interrupted at random moments: paused from the in-game menu (or by
    // Escape) and resumed, or restarts the level; the tube must run again each time.
    bool Interruptions = false;
  };
  // One game's outcome; Result is won, lost, unfinished or error.
  struct TResult {
    int Island = 0, Level = 0;
    std::uint32_t Seed = 0;
    std::string Result = "error";
    std::string Medal = "none";
    int Seconds = 0, TimeLimit = 0, LevelScore = 0;
    int Moves = 0, Tools = 0, Shuffles = 0;
    double LongestWait = 0;  // seconds the board was not settled enough to play, at most
    int Pauses = 0, Restarts = 0;  // the interruptions made
    // Boss rounds: the creature's energy at the end, and the times it drained the tube.
    bool Boss = false;
    int BossEnergy = 0, Drains = 0;
    std::string Error;
  };

  TBot(THarness& harness, std::uint32_t seed, int actionFrames = 20);

  // Looks at the game after a frame and, when it is time, acts.
  void AfterFrame();
  int Moves() const { return MoveCount; }
  int ToolsUsed() const { return ToolCount; }
  int Shuffles() const { return ShuffleCount; }
  // A tool is on its way from the panel to the board.
  bool Holding() const { return ToolKind != tlNone; }
  double LongestWaitSeconds() const { return LongestWait / 33.0; }

  // Plays one level from its start to its end, in a fresh player folder.
  static TResult Play(const TOptions& options);
  static std::string ToJson(const TResult& r);
  // A click in the middle of a button, between two frames, as a hand makes it.
  static void Press(THarness& harness, const TGameButton& button);
  // Reads a line ToJson wrote; false when it is not one.
  static bool FromJson(const std::string& line, TResult& r);

 private:
  static TResult PlayHere(const TOptions& options);
  bool Settled() const;
  TBotPlanner::TView Look() const;
  void Act();
  void MoveMouse(TPoint p);
  void Click(TPoint p, bool left = true);
  TPoint TileCentre(TPoint tile) const;
  // Boss rounds: what leaving each tile is worth against the creature.
  void LookAtCreature(TBotPlanner::TView& view) const;

  THarness& Harness;
  TFormMain& Game;
  std::mt19937 Random;
  int ActionFrames;
  long Frame = 0, NextAction = 0;
  long WaitStart = -1, LongestWait = 0;
  int MoveCount = 0, ToolCount = 0, ShuffleCount = 0;
  bool WasShuffling = false;
  // A tool on its way: picked at ToolFrame, carried over the board, released on ToolTile.
  TNewToolKind ToolKind = tlNone;
  TPoint ToolTile;
  long ToolFrame = 0;
  // The creature's present phase as seen, and for how many frames.
  TBoss::TBossState SeenState = TBoss::bsWalking;
  TBoss::TAttemptPhase SeenPhase = TBoss::apNone;
  int PhaseFrames = 0;
};
