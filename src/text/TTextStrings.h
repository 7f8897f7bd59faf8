#pragma once
#include <string>
#include <vector>

#include "engine/TComponent.h"

// Every word the game shows, read once from the catalogue files of the text folder.
// Lines are kept as 8-bit bytes, unchanged, so the bitmap fonts see the codes they index by.
class TTextStrings : public TComponent {
 public:
  // One catalogue: lines 1..Count, each cut to Capacity characters.
  class TSlots {
   public:
    TSlots(const char* fileName, int count, int capacity)
        : FileName(fileName), LineCount(count), Capacity(capacity), Lines(count + 1) {}
    // Line n (from 1); an empty string outside 1..Count.
    const std::string& operator[](int n) const;
    int Count() const { return LineCount; }
    int SlotCapacity() const { return Capacity; }
    const char* File() const { return FileName; }
    void Set(int n, const std::string& text);

   private:
    const char* FileName;
    int LineCount;
    int Capacity;
    std::vector<std::string> Lines;  // index 0 unused
  };

  TTextStrings() = default;

  // Reads the ten files in order. False, with a message naming the file and the line,
  // when a file is missing or too short; the game must not start then.
  bool Load(const std::string& folder, std::string& error);

  TSlots GameTexts{"GameTexts.txt", 37, 80};
  TSlots GameConfirms{"GameConfirms.txt", 20, 255};
  TSlots GameComments{"GameComments.txt", 30, 80};
  TSlots StoryNarrations{"StoryNarrations.txt", 10, 255};
  TSlots Credits{"Credits.txt", 34, 80};
  TSlots GameTutorial{"GameTutorial.txt", 30, 255};
  TSlots TutorialInfo{"TutorialInfo.txt", 5, 255};
  TSlots CharacterChats{"CharacterChats.txt", 183, 255};
  TSlots UpgradeNames{"UpgradeNames.txt", 24, 80};
  TSlots UpgradeDescs{"UpgradeDescs.txt", 24, 255};

  // Splits bytes into lines: CR LF, a lone CR or a lone LF ends a line; a last line
  // without an ending still counts, an ending at the very end adds no empty line.
  static std::vector<std::string> SplitLines(const std::string& bytes);
  // Reads a file into lines; false when it cannot be read.
  static bool ReadLines(const std::string& path, std::vector<std::string>& lines);

 private:
  bool LoadFile(const std::string& folder, TSlots& slots, std::string& error);
};
