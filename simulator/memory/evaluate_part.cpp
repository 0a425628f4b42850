#include "simulator/memory/evaluate_part.h"

#include <algorithm>

#include "simulator/memory/data_format.h"
#include "simulator/shell/project/analog_alarm_table.h"
#include "simulator/shell/project/discrete_alarm_table.h"
#include "simulator/shell/project/project_settings.h"

namespace sim {
namespace {

constexpr int kBit = 7;
constexpr int kFixed16 = 0;  // 16-bit words of the system tables

// One register read of a part: the address group at `group`, the format from line `formatLine` (or
// kBit for a bit), into ValueScratch at `offset`.
struct Read {
    int group;
    int formatLine;  // a line number, or kBitRead
    std::int32_t offset;
};
constexpr int kBitRead = -1;

class Evaluator {
  public:
    Evaluator(const PartConfig& config, ValueAccess& access) : m_config(config), m_access(access) {}

    void Run(std::initializer_list<Read> reads) {
        for (const Read& read : reads)
            One(read.group, read.formatLine == kBitRead ? kBit : m_config.Number(read.formatLine),
                read.offset);
    }

    // Reads group `group` with format `format` into `offset`; `step` further registers follow.
    void One(int group, int format, std::int32_t offset, std::int32_t indexStep = 0) {
        RegisterAddress address = m_access.Resolve(ReadAddressGroup(m_config, group));
        m_access.ReadRegister(address.registerName, address.index + indexStep, offset, format, address.link);
    }

    // `count` consecutive values of one format from group `group`, packed from `offset`.
    void Consecutive(int group, int format, std::int32_t offset, int count) {
        int width = std::max(2, FormatWidth(format));
        for (int i = 0; i < count; ++i) One(group, format, offset + i * width, i * (width / 2));
    }

    // A bit read when line `selector` is 0, otherwise a value in the format it names.
    void BitOrValue(int group, int selector, std::int32_t offset) {
        int format = m_config.Number(selector);
        One(group, format == 0 ? kBit : format, offset);
    }

    void CopyText(int group, int lengthLine, std::int32_t offset) {
        RegisterAddress address = m_access.Resolve(ReadAddressGroup(m_config, group));
        m_access.CopyWords(address.area, address.index, offset, m_config.Number(lengthLine));
    }

    int Line(int line) const { return m_config.Number(line); }

  private:
    const PartConfig& m_config;
    ValueAccess& m_access;
};

// Bit switch: the operated bit, the optional monitor bit (shown instead when configured), control bits.
void EvaluateBitSwitch(Evaluator& e) {
    e.Run({{68, kBitRead, kScratchTouchBit}});
    if (e.Line(66) == 1) e.One(e.Line(67) == 1 ? 68 : 73, kBit, kScratchValue);
    e.Run({{16, kBitRead, kScratchControlA}, {21, kBitRead, kScratchControlB}});
}

void EvaluateNumericInput(Evaluator& e) {
    e.Run({{19, 15, 13}});
    if (e.Line(24) == 1) e.Run({{25, 15, kScratchValue}});
    e.Run({{42, 15, 5}, {47, 15, 9}, {53, kBitRead, kScratchControlA}, {62, kBitRead, kScratchControlB}});
}

void EvaluateAsciiInput(Evaluator& e) {
    e.CopyText(34, 44, 0);
    // The monitor address, when configured, is what the part shows.
    if (e.Line(45) == 1 && e.Line(46) == 1) e.CopyText(39, 44, 0);
    e.Run({{16, kBitRead, kScratchControlA}, {21, kBitRead, kScratchControlB}});
}

// Dynamic shapes and graphics moves: consecutive values of width 2 (line value 0) or 4 (line value 1).
void EvaluateShapeValues(Evaluator& e, int group, int widthLine, int count) {
    int width = e.Line(widthLine);
    if (width != 0 && width != 1) return;
    e.Consecutive(group, width == 0 ? 0 : 3, kScratchValue, count);
}

// Charts: the sampling-enable and clear bits, and N pen values (XY charts: an X and a Y per pen).
void EvaluateChart(Evaluator& e, std::int32_t enable, std::int32_t clear, std::int32_t values, int perPen) {
    e.Run({{45, kBitRead, enable}});
    int pens = std::clamp(e.Line(55), 0, 8);
    e.Consecutive(50, e.Line(44), values, pens * perPen);
    e.Run({{62, kBitRead, clear}});
}

void EvaluateAlarms(ValueAccess& access, const EvaluationTables& tables) {
    if (const DiscreteAlarmTable* bits = tables.discreteAlarms) {
        const AlarmHead& head = bits->head;
        RegisterAddress first =
            access.Resolve({head.link, head.station, head.registerName, head.addressText});
        for (int i = 0; i < bits->count; ++i)
            access.ReadRegister(first.registerName, first.index + i, i, kBit, first.link);
    }
    if (const AnalogAlarmTable* words = tables.analogAlarms) {
        const AlarmHead& head = words->head;
        RegisterAddress first =
            access.Resolve({head.link, head.station, head.registerName, head.addressText});
        std::int32_t offset = kScratchAnalogAlarms, index = first.index;
        for (int i = 0; i < words->count; ++i) {
            int format = words->DataFormat(i);
            int width = FormatWidth(format) == 4 ? 4 : 2;
            access.ReadRegister(first.registerName, index, offset, format, first.link);
            offset += width;
            index += width / 2;
        }
    }
}

// The clock transfer registers: each system word entry that names a register, as a 16-bit word.
void EvaluateSystemWords(ValueAccess& access, const ProjectSettings& settings) {
    for (size_t i = 0; i < settings.systemWords.size(); ++i) {
        const SystemWordEntry& entry = settings.systemWords[i];
        if (entry.registerName.empty()) continue;
        int link = entry.numbers[0];
        std::int32_t index = access.ResolveIndex(entry.registerName, entry.addressText, link);
        access.ReadRegister(entry.registerName, index, kScratchSystemWords + 2 * static_cast<int>(i),
                            kFixed16, link);
    }
}

// The PLC's commands to the panel: the first four entries of the second register table, when enabled.
void EvaluateCommandWords(ValueAccess& access, const ProjectSettings& settings) {
    for (size_t i = 0; i < 4; ++i) {
        const RegisterEntry& entry = settings.registerTable2[i];
        if (entry.numbers[0] == 0) continue;
        int link = entry.numbers[1];
        std::int32_t index = access.ResolveIndex(entry.registerName, entry.addressText, link);
        access.ReadRegister(entry.registerName, index, kScratchSecondTable + 2 * static_cast<int>(i),
                            kFixed16, link);
    }
}

}  // namespace

void EvaluatePart(int partType, const PartConfig& config, ValueAccess& access,
                  const EvaluationTables& tables) {
    Evaluator e(config, access);
    switch (partType) {
        case 1:
            return EvaluateBitSwitch(e);
        case 2:
            return e.Run({{52, 42, kScratchValue},
                          {16, kBitRead, kScratchControlA},
                          {21, kBitRead, kScratchControlB}});
        case 3:
        case 4:
            return e.Run({{16, kBitRead, kScratchControlA}, {21, kBitRead, kScratchControlB}});
        case 6:
            return e.Run({{525, 523, kScratchValue},
                          {531, 523, 5},
                          {542, kBitRead, kScratchControlA},
                          {547, kBitRead, kScratchControlB}});
        case 7:
            return e.Run({{17, 16, kScratchValue}});
        case 12:
            return EvaluateNumericInput(e);
        case 13:
            return EvaluateAsciiInput(e);
        case 14:
            return e.BitOrValue(20, 18, kScratchValue);
        case 15:
            return e.Run({{525, 523, kScratchValue}});
        case 16:
            return e.Run({{16, 14, kScratchValue}});
        case 17:
            return e.CopyText(16, 21, 0);
        case 19:
            return e.Run({{18, 15, kScratchValue}});
        case 23:
            return EvaluateShapeValues(e, 13, 12, 3);
        case 24:
            return EvaluateShapeValues(e, 13, 12, 4);
        case 26:
            return e.BitOrValue(15, 10, kScratchValue);
        case 27:
            return EvaluateShapeValues(e, 525, 523, 3);
        case 28:
            return e.Run({{12, 11, kScratchValue}});
        case 30:
            return EvaluateChart(e, kScratchXyEnable, kScratchXyClear, kScratchXyValues, 2);
        case 31:
            return EvaluateChart(e, kScratchTrendEnable, kScratchTrendClear, kScratchTrendValues, 1);
        case 32:
        case 33:
            return EvaluateAlarms(access, tables);
        case 73:
            if (tables.settings) EvaluateSystemWords(access, *tables.settings);
            return;
        case 75:
            if (tables.settings) EvaluateCommandWords(access, *tables.settings);
            return;
        case 78:
            return e.Run({{11, kBitRead, kScratchControlA}});
        default:
            return;
    }
}

}  // namespace sim
