#include "metagame/TSlotPriceFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

bool TSlotPriceFile::Decode(const std::string& bytes, TTable& prices, std::string& error) {
  if (bytes.size() < ByteSize) {
    error = "it holds " + std::to_string(bytes.size()) + " bytes instead of " +
            std::to_string(ByteSize);
    return false;
  }
  TTable read{};
  std::size_t at = 0;
  for (int island = 1; island <= IslandCount; ++island)
    for (int slot = 1; slot <= SlotCount; ++slot)
      for (float& amount : read[island - 1][slot - 1].Amount) {
        const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        at += 4;
        // Little-endian on disk whatever the machine.
        const std::uint32_t bits = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                   std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
        std::memcpy(&amount, &bits, 4);
        if (!std::isfinite(amount) || amount < 0) {
          error = "the price of dish " + std::to_string(slot) + " of island " +
                  std::to_string(island) + " is not a usable number";
          return false;
        }
      }
  prices = read;
  return true;
}

bool TSlotPriceFile::Read(const std::string& path, TTable& prices, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "it is missing";
    return false;
  }
  std::string bytes(ByteSize, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount() > 0 ? in.gcount() : 0));
  return Decode(bytes, prices, error);
}
