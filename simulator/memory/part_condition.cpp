#include "simulator/memory/part_condition.h"

namespace sim {
namespace {

// Lines of the common display condition.
enum ConditionLine {
    kBitConditionOn = 1,
    kRequiredBit = 2,
    kLevelConditionOn = 3,
    kRequiredLevel = 4,
    kConditionLink = 5,
    kConditionRegister = 8,
    kConditionAddress = 9,
};

}  // namespace

int PartCondition(const PartConfig& config, ValueAccess& access) {
    bool bitCondition = config.Number(kBitConditionOn) == 1;
    bool levelCondition = config.Number(kLevelConditionOn) == 1;
    if (config.Number(kBitConditionOn) == 0 && config.Number(kLevelConditionOn) == 0) return 1;
    if (bitCondition) {
        std::string name(config.Text(kConditionRegister));
        int link = config.Number(kConditionLink);
        auto area = AreaFromName(access.ResolveArea(name, link));
        if (!area || Info(*area).kind != AreaKind::Bit) return 0;
        std::int32_t index = access.ResolveIndex(name, std::string(config.Text(kConditionAddress)), link);
        auto bit = access.Memory().ReadBit(*area, index);
        return bit && bit.value == config.Number(kRequiredBit) ? 1 : 0;
    }
    if (levelCondition) return config.Number(kRequiredLevel) <= access.Memory().UserLevel() ? 1 : 0;
    return 1;
}

}  // namespace sim
