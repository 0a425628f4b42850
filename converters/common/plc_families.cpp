#include "converters/common/plc_families.h"

#include <array>
#include <span>

namespace conv {

namespace {

using sim::Area;
using enum IndexRule;

// Mitsubishi FX: inputs and outputs are numbered in octal, everything else in decimal. Step relays
// have no area of their own and share L; timer and counter current values have TT and CC.
constexpr std::array<PlcRegister, 9> kMitsubishiFx = {{
    {"X", Area::X, Octal},
    {"Y", Area::Y, Octal},
    {"M", Area::M, Decimal},
    {"S", Area::L, Decimal},
    {"T", Area::T, Decimal},
    {"C", Area::C, Decimal},
    {"D", Area::D, Decimal},
    {"T*", Area::TT, Decimal},
    {"C*", Area::CC, Decimal},
}};

// FX3U adds the 32-bit counter current values, kept apart in N.
constexpr std::array<PlcRegister, 10> kMitsubishiFx3u = {{
    {"X", Area::X, Octal},
    {"Y", Area::Y, Octal},
    {"M", Area::M, Decimal},
    {"S", Area::L, Decimal},
    {"T", Area::T, Decimal},
    {"C", Area::C, Decimal},
    {"D", Area::D, Decimal},
    {"T*", Area::TT, Decimal},
    {"C*", Area::CC, Decimal},
    {"CV32", Area::N, Decimal},
}};

// Modbus: the four tables of the protocol, plus single bits of the two register tables written as
// word.bit. Those bits need a bit area of their own (a part's bit condition and a bit switch work
// only on bit areas), so they are not the same storage as the registers they are part of.
constexpr std::array<PlcRegister, 6> kModbusWordBit = {{
    {"0x", Area::M, Decimal},
    {"1x", Area::X, Decimal},
    {"3x", Area::EM, Decimal},
    {"4x", Area::D, Decimal},
    {"3x_Bit", Area::Y, WordBit16},
    {"4x_Bit", Area::L, WordBit16},
}};

// The same registers where the design tool writes every address, bits included, as one decimal number.
constexpr std::array<PlcRegister, 6> kModbusDecimal = {{
    {"0x", Area::M, Decimal},
    {"1x", Area::X, Decimal},
    {"3x", Area::EM, Decimal},
    {"4x", Area::D, Decimal},
    {"3x_Bit", Area::Y, Decimal},
    {"4x_Bit", Area::L, Decimal},
}};

// Omron CPM: relay areas are addressed as word.bit ("10.05" is bit 5 of word 10). Each relay area
// takes a bit area of its own; the timer/counter flags share one numbering, so they take T alone.
// IR read as whole words has its own word area, apart from the IR bits.
constexpr std::array<PlcRegister, 8> kOmronCpm = {{
    {"IR", Area::Y, WordBit16},
    {"HR", Area::M, WordBit16},
    {"AR", Area::L, WordBit16},
    {"LR", Area::X, WordBit16},
    {"TC", Area::T, Decimal},
    {"DM", Area::D, Decimal},
    {"TC*", Area::TT, Decimal},
    {"IR_W", Area::EM, Decimal},
}};

constexpr std::array<PlcRegister, 3> kPanel = {{
    {"LB", Area::LB, Decimal},
    {"LW", Area::LW, Decimal},
    {"RWI", Area::RWI, Decimal},
}};

constexpr int kAnyModel = -1;

struct PlcFamily {
    int protocol;
    int model;  // kAnyModel matches every model not matched by an earlier row
    std::span<const PlcRegister> registers;
};

// First matching row wins, so a protocol's specific models come before its kAnyModel row.
constexpr std::array<PlcFamily, 10> kFamilies = {{
    {0, 0, kMitsubishiFx},
    {0, 1, kMitsubishiFx},
    {0, 2, kMitsubishiFx3u},
    {33, 0, kMitsubishiFx},
    {33, 1, kMitsubishiFx},
    {33, 2, kMitsubishiFx3u},
    {19, 0, kModbusWordBit},
    {19, kAnyModel, kModbusDecimal},
    {18, kAnyModel, kModbusDecimal},
    {2, 0, kOmronCpm},
}};

const PlcRegister* FindIn(std::span<const PlcRegister> registers, std::string_view name) {
    for (const PlcRegister& reg : registers) {
        if (reg.name == name) return &reg;
    }
    return nullptr;
}

}  // namespace

const PlcRegister* FindRegister(int protocol, int model, std::string_view name) {
    if (const PlcRegister* panel = FindIn(kPanel, name)) return panel;
    for (const PlcFamily& family : kFamilies) {
        if (family.protocol == protocol && (family.model == model || family.model == kAnyModel)) {
            return FindIn(family.registers, name);
        }
    }
    return nullptr;
}

}  // namespace conv
