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
    Evaluator(const PartConfig& config, ValueAccess& access, RegisterSink& sink)
        : m_config(config), m_access(access), m_sink(sink) {}

    void Run(std::initializer_list<Read> reads) {
        for (const Read& read : reads)
            One(read.group, read.formatLine == kBitRead ? kBit : m_config.Number(read.formatLine),
                read.offset);
    }

    // Group `group` with format `format` into `offset`; `indexStep` moves to a later register.
    void One(int group, int format, std::int32_t offset, std::int32_t indexStep = 0) {
        RegisterAddress address = m_access.Resolve(ReadAddressGroup(m_config, group));
        address.index += indexStep;
        m_sink.Value(address, format, offset);
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
        m_sink.Text(m_access.Resolve(ReadAddressGroup(m_config, group)), m_config.Number(lengthLine), offset);
    }

    int Line(int line) const { return m_config.Number(line); }
    ValueAccess& Access() { return m_access; }
    RegisterSink& Sink() { return m_sink; }

  private:
    const PartConfig& m_config;
    ValueAccess& m_access;
    RegisterSink& m_sink;
};

// Reads every register into ValueScratch.
class ReadingSink : public RegisterSink {
  public:
    explicit ReadingSink(ValueAccess& access) : m_access(access) {}
    void Value(const RegisterAddress& address, int format, std::int32_t offset) override {
        m_access.ReadRegister(address, offset, format);
    }
    void Text(const RegisterAddress& address, std::int32_t byteCount, std::int32_t offset) override {
        m_access.CopyWords(address.area, address.index, offset, byteCount);
    }

  private:
    ValueAccess& m_access;
};

// Bit switch: the operated bit, the optional monitor bit (shown instead when configured), control bits.
void EvaluateBitSwitch(Evaluator& e) {
    e.Run({{68, kBitRead, kScratchTouchBit}});
    if (e.Line(66) == 1) e.One(e.Line(67) == 1 ? 68 : 73, kBit, kScratchValue);
    e.Run({{16, kBitRead, kScratchControlA}, {21, kBitRead, kScratchControlB}});
}

// Bit lamp: line 18 names the bit's source, the bit itself or a bit of a 16- or 32-bit word; the word
// is read whole so the lamp can pick any of its bits.
void EvaluateBitLamp(Evaluator& e) {
    enum BitSource { kBitItself = 0, kBitOfWord = 1, kBitOfDoubleWord = 2 };
    switch (e.Line(18)) {
        case kBitItself:
            return e.One(20, kBit, kScratchValue);
        case kBitOfWord:
            return e.One(20, 0, kScratchValue);
        case kBitOfDoubleWord:
            return e.One(20, 1, kScratchValue);
        default:
            return;  // an unknown source shows the lamp OFF
    }
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

void EvaluateAlarms(Evaluator& e, const EvaluationTables& tables) {
    if (const DiscreteAlarmTable* bits = tables.discreteAlarms) {
        const AlarmHead& head = bits->head;
        RegisterAddress first =
            e.Access().Resolve({head.link, head.station, head.registerName, head.addressText});
        for (int i = 0; i < bits->count; ++i) {
            RegisterAddress alarm = first;
            alarm.index += i;
            e.Sink().Value(alarm, kBit, i);
        }
    }
    if (const AnalogAlarmTable* words = tables.analogAlarms) {
        const AlarmHead& head = words->head;
        RegisterAddress alarm =
            e.Access().Resolve({head.link, head.station, head.registerName, head.addressText});
        std::int32_t offset = kScratchAnalogAlarms;
        for (int i = 0; i < words->count; ++i) {
            int format = words->DataFormat(i);
            int width = FormatWidth(format) == 4 ? 4 : 2;
            e.Sink().Value(alarm, format, offset);
            offset += width;
            alarm.index += width / 2;
        }
    }
}

// A register of the project settings as a 16-bit word at `offset`.
void SettingsWord(Evaluator& e, int link, const std::string& name, const std::string& address,
                  std::int32_t offset) {
    e.Sink().Value(e.Access().Resolve({link, 0, name, address}), kFixed16, offset);
}

// The clock transfer registers: each system word entry that names a register, as a 16-bit word.
void EvaluateSystemWords(Evaluator& e, const ProjectSettings& settings) {
    for (size_t i = 0; i < settings.systemWords.size(); ++i) {
        const SystemWordEntry& entry = settings.systemWords[i];
        if (entry.registerName.empty()) continue;
        SettingsWord(e, entry.numbers[0], entry.registerName, entry.addressText,
                     kScratchSystemWords + 2 * static_cast<int>(i));
    }
}

// The PLC's commands to the panel: the first four entries of the second register table, when enabled.
void EvaluateCommandWords(Evaluator& e, const ProjectSettings& settings) {
    for (size_t i = 0; i < 4; ++i) {
        const RegisterEntry& entry = settings.registerTable2[i];
        if (entry.numbers[0] == 0) continue;
        SettingsWord(e, entry.numbers[1], entry.registerName, entry.addressText,
                     kScratchSecondTable + 2 * static_cast<int>(i));
    }
}

}  // namespace

void VisitPartRegisters(int partType, const PartConfig& config, ValueAccess& access,
                        const EvaluationTables& tables, RegisterSink& sink) {
    Evaluator e(config, access, sink);
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
            return EvaluateBitLamp(e);
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
            return EvaluateAlarms(e, tables);
        case 73:
            if (tables.settings) EvaluateSystemWords(e, *tables.settings);
            return;
        case 75:
            if (tables.settings) EvaluateCommandWords(e, *tables.settings);
            return;
        case 78:
            return e.Run({{11, kBitRead, kScratchControlA}});
        default:
            return;
    }
}

void EvaluatePart(int partType, const PartConfig& config, ValueAccess& access,
                  const EvaluationTables& tables) {
    ReadingSink sink(access);
    VisitPartRegisters(partType, config, access, tables, sink);
}

}  // namespace sim
