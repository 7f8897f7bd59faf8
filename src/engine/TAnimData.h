#pragma once
#include <string>

// A frame sequence written one character per tick: "1".."9" and "A".."Z" pick
// patterns 0.., "-" hides the sprite for that tick. A small value: owners keep it as a
// member (or in arrays of particles) and may copy it.
class TAnimData {
 public:
  static constexpr int Hidden = -999;

  TAnimData() = default;
  TAnimData(const std::string& seq, bool looped) : Looped(looped) { SetSeq(seq); }

  const std::string& GetSeq() const { return Seq; }
  void SetSeq(const std::string& seq);  // upper-cased, cut to 255 characters
  bool Looped = true;

  int Frame();
  void Next();
  bool AtEnd() const;
  bool IsBlank();
  void Restart() { Position = 0; }
  int GetPosition() const { return Position; }

 private:
  std::string Seq = "1";
  int Position = 0;
};
