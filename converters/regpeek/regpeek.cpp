#include "converters/regpeek/regpeek.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "converters/common/plc_families.h"
#include "simulator/memory/data_format.h"

namespace conv {

namespace {

using Bytes = std::array<std::uint8_t, 4>;

// A bit area holds one byte per bit. The bit format gives that bit; a word format packs
// 8 x `width` bits from `index` on, lowest bit first, as a PLC returns a run of bit devices.
bool ReadBits(const std::uint8_t* base, std::int64_t units, std::int64_t index, int format, int width,
              Bytes& out) {
    const std::int64_t bits = format == 7 ? 1 : 8 * width;
    if (index < 0 || index > units - bits) return false;
    if (format == 7) {
        out[0] = base[index] != 0;
        return true;
    }
    for (std::int64_t i = 0; i < bits; ++i) {
        if (base[index + i] != 0) out[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
    }
    return true;
}

// A word area holds 16-bit words low byte first. The bit format gives bit 0 of the word; a word
// format copies its bytes as stored (a 32-bit value spans this word and the next).
bool ReadWords(const std::uint8_t* base, std::int64_t units, std::int64_t index, int format, int width,
               Bytes& out) {
    const std::int64_t words = width == 4 ? 2 : 1;
    if (index < 0 || index > units - words) return false;
    const std::uint8_t* word = base + 2 * index;
    if (format == 7) {
        out[0] = word[0] & 1;
        return true;
    }
    std::memcpy(out.data(), word, static_cast<std::size_t>(width));
    return true;
}

}  // namespace

void Peek(void* const* areaTable, std::string_view registerName, int index, int scratchOffset, int format,
          int protocol, int model) {
    const PlcRegister* reg = FindRegister(protocol, model, registerName);
    const int width = sim::FormatWidth(format);
    if (!areaTable || !reg || width == 0) return;

    auto* scratch = static_cast<std::uint8_t*>(areaTable[static_cast<std::size_t>(sim::Area::ValueScratch)]);
    const std::int64_t scratchSize = sim::Info(sim::Area::ValueScratch).units;
    const auto* base = static_cast<const std::uint8_t*>(areaTable[static_cast<std::size_t>(reg->area)]);
    if (!scratch || !base || scratchOffset < 0 || scratchOffset > scratchSize - width) return;

    // A register outside its area reads as 0 rather than leaving the previous part's value behind.
    Bytes value{};
    const sim::AreaInfo& info = sim::Info(reg->area);
    const bool inside = info.kind == sim::AreaKind::Bit
                            ? ReadBits(base, info.units, index, format, width, value)
                            : ReadWords(base, info.units, index, format, width, value);
    if (!inside) value = Bytes{};
    std::memcpy(scratch + scratchOffset, value.data(), static_cast<std::size_t>(width));
}

}  // namespace conv
