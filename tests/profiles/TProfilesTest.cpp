#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/TAtomicFile.h"
#include "profiles/THighScores.h"
#include "profiles/TNameInput.h"
#include "profiles/TNameList.h"
#include "profiles/TPlayerSave.h"
#include "support/TempDir.h"
#include "text/TGameFont.h"

namespace {
std::string ReadAll(const std::string& path) {
  std::string s;
  TAtomicFile::Read(path, s);
  return s;
}
template <typename T>
void Poke(std::string& b, std::size_t at, T v) {
  std::memcpy(b.data() + at, &v, sizeof(T));
}
}  // namespace

TEST(PlayerSave, AHandBuiltRecordReadsBackFieldByField) {
  std::string b(172, '\xEE');  // gap bytes hold rubbish, which reading ignores
  Poke<std::int32_t>(b, 0, 123456);
  for (int i = 0; i < 5; ++i) Poke<float>(b, 4 + 4 * i, 1.5f * (i + 1));
  for (int i = 0; i < 38; ++i) b[24 + i] = static_cast<char>(i);
  for (int i = 0; i < 20; ++i) b[62 + i] = static_cast<char>(100 + i);
  b[82] = 3;
  Poke<std::int32_t>(b, 84, 11);
  b[88] = 1;
  for (int i = 0; i < 5; ++i) b[89 + i] = static_cast<char>(10 + i);
  for (int i = 0; i < 6; ++i) b[94 + i] = static_cast<char>(20 + i);
  for (int i = 0; i < 5; ++i) b[100 + i] = static_cast<char>(30 + i);
  for (int i = 0; i < 14; ++i) b[105 + i] = static_cast<char>(40 + i);
  for (int i = 0; i < 27; ++i) b[119 + i] = static_cast<char>(60 + i);
  b[146] = 1;
  b[147] = 0;
  b[148] = 1;
  b[149] = 0;
  Poke<std::int32_t>(b, 152, 70);
  Poke<std::int32_t>(b, 156, 50);
  b[160] = 2;
  Poke<std::int32_t>(b, 164, 42);
  Poke<std::int32_t>(b, 168, -7);

  TPlayerSave s;
  ASSERT_TRUE(s.Decode(b));
  EXPECT_EQ(s.Score, 123456);
  EXPECT_FLOAT_EQ(s.Stocks[4], 7.5f);
  EXPECT_EQ(s.Stickers[37], 37);
  EXPECT_EQ(s.ShopSlots[0][0], 100);
  EXPECT_EQ(s.ShopSlots[4][3], 119);
  EXPECT_EQ(s.NextUncompletedIslandIdx, 3);
  EXPECT_EQ(s.NextUncompletedLevelIdx, 11);
  EXPECT_TRUE(s.OpeningStoryTold);
  EXPECT_EQ(s.MapVisited[4], 14);
  EXPECT_EQ(s.MapOpen[5], 25);
  EXPECT_EQ(s.MapChapterCommentShown[0], 30);
  EXPECT_EQ(s.TutorialShown[13], 53);
  EXPECT_EQ(s.ToolTipsShown[26], 86);
  EXPECT_TRUE(s.SoundOn);
  EXPECT_FALSE(s.MusicOn);
  EXPECT_TRUE(s.FullScreen);
  EXPECT_FALSE(s.TutorialOn);
  EXPECT_EQ(s.SoundVolume, 70);
  EXPECT_EQ(s.MusicVolume, 50);
  EXPECT_EQ(s.RelaxedMode, rmNo);
  EXPECT_EQ(s.RestoCustomersServed, 42);
  EXPECT_EQ(s.RestoMoney, -7);

  // Written back, every field lands where it was; the gaps become zero.
  auto out = s.Encode();
  std::string back(out.begin(), out.end());
  for (std::size_t i = 0; i < 172; ++i) {
    bool gap = i == 83 || i == 150 || i == 151 || (i >= 161 && i <= 163);
    if (gap)
      EXPECT_EQ(back[i], 0) << i;
    else
      EXPECT_EQ(back[i], b[i]) << i;
  }
  TPlayerSave again;
  ASSERT_TRUE(again.Decode(back));
  EXPECT_EQ(again, s);

  // A short record is refused and leaves the target alone.
  TPlayerSave untouched;
  untouched.Score = 9;
  EXPECT_FALSE(untouched.Decode(b.substr(0, 171)));
  EXPECT_EQ(untouched.Score, 9);
}

TEST(PlayerSave, AFileLongerThanOneRecordIsReadByItsFirstRecord) {
  TPlayerSave played;
  played.Score = 4321;
  played.NextUncompletedIslandIdx = 4;
  played.NextUncompletedLevelIdx = 9;
  played.RelaxedMode = rmYes;
  auto rec = played.Encode();
  std::string bytes(rec.begin(), rec.end());
  // A copy tool or an older build left bytes behind the record: the progress is still there.
  TPlayerSave read;
  ASSERT_TRUE(read.Decode(bytes + std::string(64, '\xAB')));
  EXPECT_EQ(read, played);
  ASSERT_TRUE(read.Decode(bytes + "\n"));
  EXPECT_EQ(read, played);
}

TEST(NameList, AddSelectDeleteFollowTheSlotRules) {
  TempDir dir;
  TNameList list;
  list.FileName = dir.File("Players.dat");
  list.Load();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(std::filesystem::file_size(list.FileName), 0u);

  list.Add("  wynnet  ");
  EXPECT_EQ(list.Name(1), "WYNNET");
  EXPECT_EQ(list.CurrentName(), "WYNNET");
  EXPECT_EQ(std::filesystem::file_size(list.FileName), 358u);
  EXPECT_TRUE(list.Contains("Wynnet "));
  EXPECT_FALSE(list.Contains("   "));
  list.Add("B");
  list.Add("C");
  list.Add("D");
  list.Select(2);
  list.DeleteSelected();
  EXPECT_EQ(list.Name(2), "C");
  EXPECT_EQ(list.Name(3), "D");
  EXPECT_EQ(list.Name(4), "");
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_EQ(list.CurrentName(), "C");
  list.Select(3);
  list.DeleteSelected();  // the last of three: the one above is selected
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_EQ(list.CurrentName(), "C");

  list.Add("E");
  list.Add("F");
  list.Add("G");
  list.Add("H");
  EXPECT_TRUE(list.IsFull());
  list.Add("SEVENTH");
  EXPECT_FALSE(list.Contains("SEVENTH"));
  list.Select(99);
  EXPECT_EQ(list.Selected(), 6);

  // Deleting everyone also forgets the current name.
  for (int i = 0; i < 6; ++i) list.DeleteSelected();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.CurrentName(), "");
}

TEST(NameList, FileRoundTripStartupAndCraftedNames) {
  TempDir dir;
  {
    TNameList list;
    list.FileName = dir.File("Players.dat");
    list.Load();
    list.Add("ANNA");
    list.Add("BEN");
    list.Add("CARA");
    list.Select(2);
    list.Save();
  }
  TNameList list;
  list.FileName = dir.File("Players.dat");
  list.Load();
  EXPECT_EQ(list.Name(3), "CARA");
  // BEN's save file is gone: he is dropped and the rest move up.
  list.OnSaveFileExistenceQuestion = [](TNameList&, const std::string& n, bool& exists) {
    exists = n != "BEN";
  };
  list.Startup();
  EXPECT_EQ(list.Name(2), "CARA");
  EXPECT_EQ(list.CurrentName(), "ANNA");  // BEN was current; slot 1 takes over
  EXPECT_EQ(list.Selected(), 1);

  // Names that are not typeable never come back from the file, and lengths are cut.
  std::string rec(358, '\0');
  auto put = [&](std::size_t at, const std::string& s, int len) {
    rec[at] = static_cast<char>(len);
    rec.replace(at + 1, s.size(), s);
  };
  put(0, "../../ETC", 9);
  put(17, "GOOD NAME", 9);
  put(34, "ABCDEFGHIJKLMNOPQ", 200);  // length beyond the field: cut to 16
  put(102, "GOOD NAME", 9);
  std::ofstream(dir.File("Crafted.dat"), std::ios::binary) << rec;
  TNameList crafted;
  crafted.FileName = dir.File("Crafted.dat");
  crafted.Load();
  EXPECT_EQ(crafted.Name(1), "");
  EXPECT_EQ(crafted.Name(2), "GOOD NAME");
  EXPECT_EQ(crafted.Name(3), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(crafted.CurrentName(), "GOOD NAME");
  EXPECT_FALSE(TNameList::IsValidName("A/B"));
  EXPECT_FALSE(TNameList::IsValidName("lower"));
}

TEST(NameList, AFileShorterThanARecordIsLeftAloneUntilTheNextSave) {
  TempDir dir;
  std::string path = dir.File("Players.dat");
  std::string cut = std::string("\x04") + "ANNA" + std::string(200, '\0');  // a record cut short
  std::ofstream(path, std::ios::binary) << cut;
  TNameList list;
  list.FileName = path;
  list.Load();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(ReadAll(path), cut);  // start-up reads, it does not write
  list.Startup();
  EXPECT_EQ(ReadAll(path), cut);
  list.Add("BEA");
  EXPECT_EQ(std::filesystem::file_size(path), 358u);
  TNameList reread;
  reread.FileName = path;
  reread.Load();
  EXPECT_EQ(reread.Name(1), "BEA");
}

TEST(NameList, MouseRowsAndHover) {
  TNameList list;
  list.FileName = "/nonexistent-folder/Players.dat";
  list.Add("ONE");
  list.Add("TWO");
  list.Left = 100;
  list.Top = 200;
  EXPECT_EQ(list.IndexAt(150, 210), 1);
  EXPECT_EQ(list.IndexAt(150, 240), 2);
  EXPECT_EQ(list.IndexAt(150, 280), 2);  // an empty row keeps the selection
  EXPECT_FALSE(list.HitTest(500, 210));
  list.MouseDown(150, 210, false);
  EXPECT_EQ(list.Selected(), 2);
  list.MouseDown(150, 210, true);
  EXPECT_EQ(list.Selected(), 1);
  int hovers = 0;
  list.OnHoverName = [&] { ++hovers; };
  list.MouseMove(150, 210);
  list.MouseMove(10, 10);
  EXPECT_EQ(hovers, 1);
}

TEST(NameInput, TypesOnlyNameCharactersAndScrollsLongText) {
  TNameInput in;
  int confirmed = 0;
  in.OnEntryConfirmed = [&](TNameInput&) { ++confirmed; };
  for (char c : std::string("wyn-net 7!")) in.KeyPress(c);
  EXPECT_EQ(in.GetText(), "WYNNET 7");
  in.KeyPress(8);
  EXPECT_EQ(in.GetText(), "WYNNET ");
  in.KeyPress(13);
  EXPECT_EQ(confirmed, 1);
  for (int i = 0; i < 20; ++i) in.KeyPress('X');
  EXPECT_EQ(in.GetText().size(), 16u);
  EXPECT_FALSE(in.AllBlanks());
  in.SetText("   ");
  EXPECT_TRUE(in.AllBlanks());

  // Letters (and the caret) 25.5 pixels wide at 0.85: twelve fit in 327 pixels, so the
  // front is cut until the rest and the caret fit; the cursor blinks every 350 ms.
  in.MeasureText = [](const std::string& t, float scale) { return 30.0f * scale * t.size(); };
  in.SetText("ABCDEFGHIJKLMNOP");
  in.Update();
  EXPECT_EQ(in.GetDisplayText(), "FGHIJKLMNOP|");
  for (int i = 0; i < 11; ++i) in.Update();
  EXPECT_FALSE(in.IsCursorShown());  // the 12th update reaches 360 ms
  EXPECT_EQ(in.GetDisplayText(), "FGHIJKLMNOP");
}

TEST(NameInput, TheEndOfALongNameAndTheCaretAreAlwaysDrawn) {
  // Measured as the shell draws it: the bitmap font at 0.85, cut at 327 pixels.
  TNameInput in;
  in.MeasureText = [](const std::string& t, float scale) {
    return static_cast<float>(TGameFont::TextWidth(TGameFontKind::fkAirstripNormal, t, 0, scale));
  };
  auto drawnWidth = [&] {
    return TGameFont::TextWidth(TGameFontKind::fkAirstripNormal, in.GetDisplayText(), 0, 0.85);
  };
  for (const char* typed : {"WWWWMMMMWWWWMMMM", "WWWWWWWWWWWWWWWW", "MMMMMMMMMMMMMMMM",
                            "AB CD EF GH IJ K", "WYNNET"}) {
    in.SetText("");
    for (const char* c = typed; *c; ++c) in.KeyPress(*c);
    std::string text = in.GetText();
    for (int frame = 0; frame < 30; ++frame) {
      in.Update();
      std::string shown = in.GetDisplayText();
      if (in.IsCursorShown()) {
        ASSERT_EQ(shown.back(), '|') << typed;
        shown.pop_back();
      }
      EXPECT_LE(drawnWidth(), 327) << typed;  // nothing is cut off at the end
      ASSERT_FALSE(shown.empty());
      EXPECT_EQ(text.substr(text.size() - shown.size()), shown) << typed;
    }
  }
  // A name that fits is shown whole; the caret blinking off does not move the letters.
  in.SetText("WWWWMMMMWWWWMMMM");
  in.Update();
  std::string a = in.GetDisplayText();
  for (int i = 0; i < 12; ++i) in.Update();
  std::string b = in.GetDisplayText();
  EXPECT_NE(a.back() == '|', b.back() == '|');
  if (a.back() == '|') a.pop_back();
  if (b.back() == '|') b.pop_back();
  EXPECT_EQ(a, b);
  in.SetText("WYNNET");
  for (int i = 0; i < 24; ++i) in.Update();
  EXPECT_EQ(in.GetDisplayText().substr(0, 6), "WYNNET");
}

TEST(HighScores, MergeRules) {
  THighScores h;
  h.Submit("nobody", 0);
  EXPECT_EQ(h.Name(1), "ANONYMOUS");
  h.Submit("wynnet", 500);
  EXPECT_EQ(h.Name(1), "WYNNET");
  EXPECT_EQ(h.Score(1), 500);
  EXPECT_EQ(h.Name(5), "ANONYMOUS");
  h.Submit("Wynnet", 400);
  EXPECT_EQ(h.Score(1), 500);
  EXPECT_EQ(h.Name(2), "ANONYMOUS");
  h.Submit("BRAM", 500);  // equal: the older stays above
  EXPECT_EQ(h.Name(1), "WYNNET");
  EXPECT_EQ(h.Name(2), "BRAM");
  h.Submit("WYNNET", 600);
  EXPECT_EQ(h.Name(1), "WYNNET");
  EXPECT_EQ(h.Score(1), 600);
  EXPECT_EQ(h.Name(2), "BRAM");
  EXPECT_EQ(h.Name(3), "ANONYMOUS");
  int wynnets = 0;
  for (int i = 1; i <= 5; ++i) wynnets += h.Name(i) == "WYNNET";
  EXPECT_EQ(wynnets, 1);
  EXPECT_EQ(h.ScoreText(1), "600");
  // A player already in the table who rises past others moves up, leaving no hole.
  h.Submit("C", 300);
  h.Submit("D", 200);
  h.Submit("D", 550);
  EXPECT_EQ(h.Name(2), "D");
  EXPECT_EQ(h.Name(3), "BRAM");
  EXPECT_EQ(h.Name(4), "C");
}

TEST(HighScores, FileIsCreatedReadAndWrittenWhole) {
  TempDir dir;
  THighScores h;
  h.NormalModeFileName = dir.File("HighScores.dat");
  std::string err;
  ASSERT_TRUE(h.Load(err)) << err;
  std::string bytes = ReadAll(h.NormalModeFileName);
  ASSERT_EQ(bytes.size(), 1300u);
  EXPECT_EQ(bytes.substr(0, 10), std::string("\x09") + "ANONYMOUS");
  EXPECT_EQ(bytes.substr(1024, 10), std::string("\x09") + "ANONYMOUS");

  h.Submit(std::string(300, 'Q'), 77);
  ASSERT_TRUE(h.Save(err)) << err;
  THighScores again;
  again.NormalModeFileName = h.NormalModeFileName;
  ASSERT_TRUE(again.Load(err));
  EXPECT_EQ(again.Name(1), std::string(255, 'Q'));
  EXPECT_EQ(again.Score(1), 77);

  // A damaged file leaves the default table and says so.
  std::ofstream(dir.File("Short.dat"), std::ios::binary) << "short";
  THighScores damaged;
  damaged.NormalModeFileName = dir.File("Short.dat");
  EXPECT_FALSE(damaged.Load(err));
  EXPECT_EQ(damaged.Name(1), "ANONYMOUS");
}

TEST(AtomicFile, AWriteStoppedBeforeItsRenameLeavesTheOldFile) {
  TempDir dir;
  std::string path = dir.File("Players.dat"), err;
  ASSERT_TRUE(TAtomicFile::Write(path, "old", 3, err));
  TAtomicFile::BeforeRename = [](const std::string&) { return false; };
  EXPECT_FALSE(TAtomicFile::Write(path, "new content", 11, err));
  TAtomicFile::BeforeRename = nullptr;
  EXPECT_EQ(ReadAll(path), "old");
  ASSERT_TRUE(TAtomicFile::Write(path, "new content", 11, err));
  EXPECT_EQ(ReadAll(path), "new content");
  EXPECT_FALSE(TAtomicFile::Write(dir.File("no/such/folder/x"), "a", 1, err));
  EXPECT_FALSE(err.empty());

  // The player list goes through it too.
  TNameList list;
  list.FileName = path;
  list.Load();  // "new content" is too short to be a record: an empty list
  EXPECT_TRUE(list.IsEmpty());
  list.Add("KEEP");
  TAtomicFile::BeforeRename = [](const std::string&) { return false; };
  list.Add("LOST");
  TAtomicFile::BeforeRename = nullptr;
  TNameList reread;
  reread.FileName = path;
  reread.Load();
  EXPECT_EQ(reread.Name(1), "KEEP");
  EXPECT_EQ(reread.Name(2), "");
}
