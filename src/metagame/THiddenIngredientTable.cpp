#include "metagame/THiddenIngredientTable.h"

#include "platform/TFileSystem.h"

namespace {
std::int32_t Int32At(const std::uint8_t* p) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) |
                                   static_cast<std::uint32_t>(p[1]) << 8 |
                                   static_cast<std::uint32_t>(p[2]) << 16 |
                                   static_cast<std::uint32_t>(p[3]) << 24);
}

std::string Which(int record) {
  const int island = record / 16 + 1, slot = record / 4 % 4 + 1, k = record % 4 + 1;
  return "island " + std::to_string(island) + ", dish " + std::to_string(slot) +
         ", ingredient " + std::to_string(k);
}
}  // namespace

THiddenIngredientTable::THiddenIngredientTable() { SetDefaults(); }

void THiddenIngredientTable::SetDefaults() {
  for (int r = 0; r < RecordCount; ++r) {
    const int k = r % PerDish + 1;
    Records[r] = THiddenIngredient{};
    Records[r].Kind = static_cast<std::uint8_t>(k);
    Records[r].X = Records[r].Y = 50 * k;
  }
}

bool THiddenIngredientTable::FromBytes(const std::uint8_t* data, std::size_t size,
                                       std::string& error) {
  if (size < ByteSize) {
    error = "The practice data holds " + std::to_string(size) + " bytes instead of " +
            std::to_string(ByteSize) + "; the built-in hiding places are used.";
    return false;
  }
  std::array<THiddenIngredient, RecordCount> read;
  for (int r = 0; r < RecordCount; ++r) {
    const std::uint8_t* rec = data + r * RecordSize;
    THiddenIngredient& h = read[r];
    h.Kind = rec[0];
    h.X = Int32At(rec + 1);
    h.Y = Int32At(rec + 5);
    // Scale, angle, alpha and the flags are set at every start; the file's are not used.
    if (h.Kind < 1 || h.Kind > 16) {
      error = "The practice data names ingredient " + std::to_string(h.Kind) + " for " +
              Which(r) + "; the built-in hiding places are used.";
      return false;
    }
    if (h.X < 0 || h.X > WindowWidth - SpotSize || h.Y < 0 || h.Y > WindowHeight - SpotSize) {
      error = "The practice data hides " + Which(r) + " outside the window (" +
              std::to_string(h.X) + ", " + std::to_string(h.Y) +
              "); the built-in hiding places are used.";
      return false;
    }
  }
  Records = read;
  return true;
}

bool THiddenIngredientTable::LoadFile(const std::string& path, std::string& error,
                                      bool& missing) {
  missing = !TFileSystem::FileExists(path);
  if (missing) return true;
  std::string bytes;
  if (!TFileSystem::ReadFile(path, bytes)) {
    error = "The practice data " + path + " cannot be read; the built-in hiding places are used.";
    return false;
  }
  return FromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), error);
}
