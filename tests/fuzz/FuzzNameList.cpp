// "Players.dat": any file must give a list of names that can be shown and turned into
// save-file names, and the list must survive its own round trip.
#include "FuzzTarget.h"
#include "profiles/TNameList.h"

namespace {
bool Typable(const std::string& name) {
  return name.empty() || TNameList::IsValidName(name);
}

std::string Record(const std::vector<std::string>& slots, const std::string& current) {
  std::string r(TNameList::RecordSize, '\0');
  for (std::size_t i = 0; i < slots.size(); ++i) {
    r[17 * i] = static_cast<char>(slots[i].size());
    r.replace(17 * i + 1, slots[i].size(), slots[i]);
  }
  r[102] = static_cast<char>(current.size());
  r.replace(103, current.size(), current);
  return r;
}
}  // namespace

std::vector<std::string> FuzzSeeds() {
  return {
      "",
      Record({}, ""),
      Record({"ANNA", "BO", "CARL 2"}, "BO"),
      Record({"A", "B", "C", "D", "E", "F"}, "F"),
      Record({"", "GAP BEFORE"}, "NOBODY"),
      Record({"SIXTEEN LETTERS!"}, "lower case") + "trailing bytes",
      std::string(TNameList::RecordSize - 1, 'X'),
  };
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file = FuzzScratchFolder() + "Players.dat";
  FuzzWriteFile(file, data, size);

  TNameList list;
  list.FileName = file;
  list.Load();
  for (int i = 1; i <= TNameList::SlotCount; ++i) FUZZ_CHECK(Typable(list.Name(i)));
  FUZZ_CHECK(Typable(list.CurrentName()));

  // What is read is what would be written back.
  TNameList copy;
  copy.DecodeRecord(list.EncodeRecord());
  for (int i = 1; i <= TNameList::SlotCount; ++i) FUZZ_CHECK(copy.Name(i) == list.Name(i));
  FUZZ_CHECK(copy.CurrentName() == list.CurrentName());

  // Start-up drops some names (here: those whose first letter is odd) and selects.
  list.OnSaveFileExistenceQuestion = [](TNameList&, const std::string& name, bool& exists) {
    exists = name.empty() || name[0] % 2 == 0;
  };
  list.Startup();
  FUZZ_CHECK(list.Selected() >= 1 && list.Selected() <= TNameList::SlotCount);
  bool packed = true, seenEmpty = false;
  for (int i = 1; i <= TNameList::SlotCount; ++i) {
    if (list.Name(i).empty()) seenEmpty = true;
    else if (seenEmpty) packed = false;
  }
  FUZZ_CHECK(packed);
  FUZZ_CHECK(list.CurrentName() == list.Name(list.Selected()) ||
             (list.IsEmpty() && list.CurrentName().empty()));
  for (int row = 0; row < 8; ++row) {
    int y = row * list.VertGap + 5;
    int at = list.IndexAt(10, y);
    FUZZ_CHECK(at >= 1 && at <= TNameList::SlotCount);
    list.MouseDown(10, y, true);
    FUZZ_CHECK(list.Selected() >= 1 && list.Selected() <= TNameList::SlotCount);
  }
  return 0;
}
