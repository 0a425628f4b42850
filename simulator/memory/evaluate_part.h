#pragma once
// Reads the registers of the loaded part into ValueScratch at the offsets its handler expects.

#include "simulator/memory/value_access.h"

namespace sim {

struct DiscreteAlarmTable;
struct AnalogAlarmTable;
struct ProjectSettings;

// The project tables some part types read; a missing table reads nothing.
struct EvaluationTables {
    const DiscreteAlarmTable* discreteAlarms = nullptr;
    const AnalogAlarmTable* analogAlarms = nullptr;
    const ProjectSettings* settings = nullptr;
};

// ValueScratch offsets with a fixed meaning.
enum ScratchOffset : std::int32_t {
    kScratchValue = 1,         // the value a part shows (texts start at 0)
    kScratchTouchBit = 99996,  // the bit a button operates
    kScratchControlB = 99997,  // the second control bit of a part
    kScratchControlA = 99998,  // the first control bit of a part
    kScratchXyEnable = 90100,  // XY chart: sampling enable and clear bits
    kScratchXyClear = 90101,
    kScratchXyValues = 90000,
    kScratchTrendEnable = 99000,  // trend chart: sampling enable and clear bits
    kScratchTrendClear = 99001,
    kScratchTrendValues = 99900,
    kScratchAnalogAlarms = 512,   // alarm words follow the alarm bits
    kScratchSecondTable = 88880,  // the PLC's commands to the panel (second register table)
    kScratchSystemWords = 88888,  // the clock transfer registers
};

// Receives each register a part names, with the format and ValueScratch offset it is read into.
class RegisterSink {
  public:
    virtual ~RegisterSink() = default;
    virtual void Value(const RegisterAddress& address, int format, std::int32_t offset) = 0;
    virtual void Text(const RegisterAddress& address, std::int32_t byteCount, std::int32_t offset) = 0;
};

// Walks the registers of the part whose lines are in `config`, by its type, in reading order. The one
// table of which part type reads which registers: EvaluatePart reads them, the poll list collects them.
void VisitPartRegisters(int partType, const PartConfig& config, ValueAccess& access,
                        const EvaluationTables& tables, RegisterSink& sink);

// Evaluates the part whose lines are in `config` as a part of type `partType`. Types that read nothing
// leave ValueScratch as it is.
void EvaluatePart(int partType, const PartConfig& config, ValueAccess& access,
                  const EvaluationTables& tables);

}  // namespace sim
