#include "simulator/memory/panel_memory.h"

#include <algorithm>
#include <cstring>

#include "simulator/memory/data_format.h"

namespace sim {

namespace {

// Panel bits that read 1 from start-up on (projects use them as constant "on" contacts).
constexpr std::int32_t kFirstStartupOnBit = 1000;
constexpr std::int32_t kLastStartupOnBit = 1010;

constexpr std::size_t TotalBytes() {
    std::size_t total = 0;
    for (std::size_t i = 0; i < kAreaCount; ++i) total += AreaBytes(static_cast<Area>(i));
    return total;
}

}  // namespace

PanelMemory::PanelMemory() : m_storage(std::make_unique<std::uint8_t[]>(TotalBytes())) {
    std::uint8_t* next = m_storage.get();
    for (std::size_t i = 0; i < kAreaCount; ++i) {
        m_base[i] = next;
        m_baseTable[i] = next;
        next += AreaBytes(static_cast<Area>(i));
    }
    Clear();
}

void PanelMemory::Clear() {
    std::memset(m_storage.get(), 0, TotalBytes());
    for (std::int32_t bit = kFirstStartupOnBit; bit <= kLastStartupOnBit; ++bit)
        WriteBit(Area::LB, bit, true);
}

std::uint8_t* PanelMemory::Span(Area area, std::int64_t byteOffset, std::int64_t count) const {
    const auto size = static_cast<std::int64_t>(AreaBytes(area));
    if (byteOffset < 0 || count < 0 || byteOffset > size || count > size - byteOffset) return nullptr;
    return m_base[static_cast<std::size_t>(area)] + byteOffset;
}

std::uint8_t* PanelMemory::BitAt(Area area, std::int32_t index) const {
    return Info(area).kind == AreaKind::Bit ? Span(area, index, 1) : nullptr;
}

std::uint8_t* PanelMemory::WordsAt(Area area, std::int32_t index, std::int32_t words) const {
    return Info(area).kind == AreaKind::Word ? Span(area, 2 * std::int64_t{index}, 2 * std::int64_t{words})
                                             : nullptr;
}

Checked<std::uint8_t> PanelMemory::ReadBit(Area area, std::int32_t index) const {
    const std::uint8_t* p = BitAt(area, index);
    if (!p) return {};
    return {static_cast<std::uint8_t>(*p != 0), true};
}

bool PanelMemory::WriteBit(Area area, std::int32_t index, bool value) {
    std::uint8_t* p = BitAt(area, index);
    if (!p) return false;
    *p = value ? 1 : 0;
    return true;
}

Checked<std::uint16_t> PanelMemory::ReadWord(Area area, std::int32_t index) const {
    const std::uint8_t* p = WordsAt(area, index, 1);
    if (!p) return {};
    return {static_cast<std::uint16_t>(p[0] | p[1] << 8), true};
}

bool PanelMemory::WriteWord(Area area, std::int32_t index, std::uint16_t value) {
    std::uint8_t* p = WordsAt(area, index, 1);
    if (!p) return false;
    EncodeU16(value, std::span<std::uint8_t, 2>(p, 2));
    return true;
}

Checked<std::uint32_t> PanelMemory::ReadDWord(Area area, std::int32_t index) const {
    const std::uint8_t* p = WordsAt(area, index, 2);
    if (!p) return {};
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | p[i];
    return {value, true};
}

bool PanelMemory::WriteDWord(Area area, std::int32_t index, std::uint32_t value) {
    std::uint8_t* p = WordsAt(area, index, 2);
    if (!p) return false;
    Encode32(value, std::span<std::uint8_t, 4>(p, 4));
    return true;
}

bool PanelMemory::WriteFloat(Area area, std::int32_t index, float value) {
    std::uint8_t* p = WordsAt(area, index, 2);
    if (!p) return false;
    EncodeFloat(value, std::span<std::uint8_t, 4>(p, 4));
    return true;
}

bool PanelMemory::CopyOut(Area area, std::int64_t byteOffset, std::span<std::uint8_t> out) const {
    const std::uint8_t* p = Span(area, byteOffset, static_cast<std::int64_t>(out.size()));
    if (!p) {
        std::fill(out.begin(), out.end(), std::uint8_t{0});
        return false;
    }
    std::copy_n(p, out.size(), out.begin());
    return true;
}

bool PanelMemory::CopyIn(Area area, std::int64_t byteOffset, std::span<const std::uint8_t> in) {
    std::uint8_t* p = Span(area, byteOffset, static_cast<std::int64_t>(in.size()));
    if (!p) return false;
    std::copy(in.begin(), in.end(), p);
    return true;
}

double PanelMemory::ScratchValue(std::int32_t offset, int code) const {
    const int width = FormatWidth(code);
    const std::uint8_t* p = Span(Area::ValueScratch, offset, width);
    if (width == 0 || !p) return 0;
    return DecodeValue(code, std::span<const std::uint8_t>(p, static_cast<std::size_t>(width)));
}

}  // namespace sim
