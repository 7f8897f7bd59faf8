// A player's ".sav" file: less than one whole record is refused, a longer file is read by
// its first record, and a record read is one the game writes back the same way.
#include "FuzzTarget.h"
#include "profiles/TPlayerSave.h"

std::vector<std::string> FuzzSeeds() {
  TPlayerSave s;
  auto fresh = s.Encode();
  s.Score = 123456;
  s.Stocks = {1.5f, 2.0f, 0.0f, 7.25f, 100.0f};
  s.NextUncompletedIslandIdx = 3;
  s.NextUncompletedLevelIdx = 14;
  s.OpeningStoryTold = true;
  s.SoundOn = s.MusicOn = s.TutorialOn = true;
  s.SoundVolume = 70;
  s.MusicVolume = 50;
  s.RelaxedMode = rmNo;
  s.RestoCustomersServed = 42;
  s.RestoMoney = 999;
  s.Stickers.fill(1);
  auto played = s.Encode();
  std::string a(fresh.begin(), fresh.end()), b(played.begin(), played.end());
  return {a, b, std::string(TPlayerSave::RecordSize, '\xFF'), a.substr(0, 100), b + "x"};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  TPlayerSave save;
  save.Score = 77;
  const TPlayerSave before = save;
  if (!save.Decode(bytes)) {
    FUZZ_CHECK(size < TPlayerSave::RecordSize);
    FUZZ_CHECK(save == before);
    return 0;
  }
  FUZZ_CHECK(size >= TPlayerSave::RecordSize);
  // Whatever follows the first record changes nothing.
  TPlayerSave first;
  FUZZ_CHECK(first.Decode(bytes.substr(0, TPlayerSave::RecordSize)));
  FUZZ_CHECK(first.Encode() == save.Encode());
  FUZZ_CHECK(save.RelaxedMode == rmNotInitialized || save.RelaxedMode == rmYes ||
             save.RelaxedMode == rmNo);
  // Written back and read again, the record is the same bytes (gaps and flags normalised
  // once, then stable). Compared as bytes: a stock may be NaN.
  auto once = save.Encode();
  TPlayerSave again;
  FUZZ_CHECK(again.Decode(std::string(once.begin(), once.end())));
  FUZZ_CHECK(again.Encode() == once);
  return 0;
}
