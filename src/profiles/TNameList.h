#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/TComponent.h"

// The players of this installation: six name slots and the current player, kept in
// "Players.dat" (one 358-byte record).
class TNameList : public TComponent {
 public:
  static constexpr int SlotCount = 6;
  static constexpr int MaxNameLength = 16;
  static constexpr std::size_t RecordSize = 358;

  int Left = 0, Top = 0;
  std::string FileName;
  int VertGap = 35;
  int ListWidth = 330;
  // How the shell draws a row, from the row's left and top: the selection bar's corner, and
  // the middle of the name's first letter (the bar's picture centres its bar on that line).
  static constexpr int SelectionX = -13, SelectionY = -10, NameX = 20, NameY = 22;
  // Where the list lies in the player list's window, and how the shell draws the names.
  static constexpr int WindowOffsetX = 68, WindowOffsetY = 80;
  static constexpr int SelectionAlpha = 150;
  static constexpr double NameScale = 0.82, SelectedNameScale = 0.88;
  static constexpr int NameMaxWidth = 328;
  // Asks whether a player still has a save file.
  std::function<void(TNameList& sender, const std::string& name, bool& saveFileExists)>
      OnSaveFileExistenceQuestion;
  // Set to the hand cursor when the mouse is over a name.
  std::function<void()> OnHoverName;
  // Tells where a write failed (the list stays as it is in memory).
  std::function<void(const std::string& message)> OnError;

  void Load();
  void CreateEmpty();
  bool Save();
  void Add(const std::string& name);
  void DeleteSelected();
  void Select(int index);
  bool IsFull() const;
  bool IsEmpty() const;
  bool Contains(const std::string& name) const;
  bool HitTest(int x, int y) const;
  int IndexAt(int x, int y) const;
  void MouseDown(int x, int y, bool leftButton);
  void MouseMove(int x, int y);
  void Startup();
  void Validate();
  void SelectCurrent();

  int Selected() const { return SelectedSlot; }
  const std::string& Name(int slot) const { return Slots[slot - 1]; }
  const std::string& CurrentName() const { return Current; }
  void SetCurrentName(const std::string& name) { Current = name; }

  static std::string Trim(const std::string& s);
  // Only what the name input can type: upper-case letters, digits and spaces, at most 16.
  // Anything else could turn a name into a path.
  static bool IsValidName(const std::string& name);
  std::string EncodeRecord() const;
  void DecodeRecord(const std::string& bytes);

 private:
  std::array<std::string, SlotCount> Slots;
  std::string Current;
  int SelectedSlot = 1;
};
