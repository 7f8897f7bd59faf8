// The ten catalogue files of the text folder. The input is cut into the ten files at each
// byte 0x1E (record separator), in the order the catalogue reads them.
#include <filesystem>
#include <string_view>

#include "FuzzTarget.h"
#include "text/TTextStrings.h"

namespace {
const char* const Files[] = {"GameTexts.txt",      "GameConfirms.txt", "GameComments.txt",
                             "StoryNarrations.txt", "Credits.txt",     "GameTutorial.txt",
                             "TutorialInfo.txt",    "CharacterChats.txt", "UpgradeNames.txt",
                             "UpgradeDescs.txt"};
const int Counts[] = {37, 20, 30, 10, 34, 30, 5, 183, 24, 24};

std::string Catalogue(const char* ending, int extraLines, bool longLines) {
  std::string all;
  for (int f = 0; f < 10; ++f) {
    if (f) all += '\x1E';
    for (int n = 1; n <= Counts[f] + extraLines; ++n) {
      all += longLines && n % 7 == 0 ? std::string(300, 'W') : "Line " + std::to_string(n);
      all += ending;
    }
  }
  return all;
}
}  // namespace

std::vector<std::string> FuzzSeeds() {
  return {Catalogue("\r\n", 0, false), Catalogue("\n", 2, true), Catalogue("\r", 0, false),
          Catalogue("\r\n", -1, false), "\x1E\x1E\x1E"};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = FuzzScratchFolder() + "Texts/";
  static const bool made = std::filesystem::create_directories(folder);
  FUZZ_CHECK(made || std::filesystem::is_directory(folder));

  std::string_view in(reinterpret_cast<const char*>(data), size);
  for (int f = 0; f < 10; ++f) {
    std::size_t cut = in.find('\x1E');
    std::string_view part = f == 9 || cut == std::string_view::npos ? in : in.substr(0, cut);
    FuzzWriteFile(folder + Files[f], reinterpret_cast<const std::uint8_t*>(part.data()),
                  part.size());
    in = part.size() < in.size() ? in.substr(part.size() + 1) : std::string_view();
  }

  TTextStrings texts;
  std::string error;
  if (!texts.Load(folder, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  const TTextStrings::TSlots* all[] = {
      &texts.GameTexts,    &texts.GameConfirms, &texts.GameComments,   &texts.StoryNarrations,
      &texts.Credits,      &texts.GameTutorial, &texts.TutorialInfo,   &texts.CharacterChats,
      &texts.UpgradeNames, &texts.UpgradeDescs};
  for (const TTextStrings::TSlots* slots : all) {
    for (int n = 0; n <= slots->Count() + 1; ++n) {
      const std::string& line = (*slots)[n];
      FUZZ_CHECK(line.size() <= static_cast<std::size_t>(slots->SlotCapacity()));
      FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
      if (n < 1 || n > slots->Count()) FUZZ_CHECK(line.empty());
    }
  }
  return 0;
}
