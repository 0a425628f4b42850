// Timer 8's clock transfer and the system words LW4000 to LW4046.

#include "simulator/memory/evaluate_part.h"
#include "simulator/shell/panel/panel.h"
#include "simulator/shell/project/fixed_columns.h"

namespace sim {
namespace {

// The clock transfer entries of the project settings: the system word groups hold, for the upload
// (group 0) and the download (group 1), the trigger kind and the counter value of kind 0; the system
// word entries are the upload trigger word, the upload destination, the download trigger word and the
// download source, each read as a 16-bit word by EvaluatePart(73).
enum ClockEntry { kUploadTrigger = 0, kUploadRegister = 1, kDownloadTrigger = 2, kDownloadRegister = 3 };
enum ClockGroupField { kTriggerKind = 0, kTriggerCount = 1 };
enum TriggerKind { kOnCounter = 0, kOnWordBecomingOne = 1 };
constexpr int kClockWords = 7;  // second, minute, hour, day, month, year, day of week

// Characters of a port record whose numbers LW4031.. report, in word order.
constexpr int kPortSettingColumns[] = {50, 42, 54, 46, 58, 62};
constexpr int kPortNumbersStart = 22;

constexpr std::int32_t kSystemWordBase = 4000;

std::array<std::uint16_t, kClockWords> ClockWords(const LocalTime& t) {
    return {static_cast<std::uint16_t>(t.second),   static_cast<std::uint16_t>(t.minute),
            static_cast<std::uint16_t>(t.hour),     static_cast<std::uint16_t>(t.day),
            static_cast<std::uint16_t>(t.month),    static_cast<std::uint16_t>(t.year),
            static_cast<std::uint16_t>(t.dayOfWeek)};
}

}  // namespace

void Panel::ClockTransfer() {
    const ProjectSettings& settings = m_tables->settings;
    EvaluatePart(73, PartConfig(), *m_access, Evaluation());
    bool directions[2] = {m_online && settings.systemWordFlags[0] == 0, settings.systemWordFlags[1] == 1};
    const ClockEntry triggers[2] = {kUploadTrigger, kDownloadTrigger};
    for (int d = 0; d < 2; ++d) {
        int word = static_cast<int>(m_memory.ScratchValue(kScratchSystemWords + 2 * triggers[d], 0));
        int previous = m_lastClockTrigger[static_cast<size_t>(d)];
        m_lastClockTrigger[static_cast<size_t>(d)] = word;
        if (!directions[d]) continue;
        const auto& group = settings.systemWordGroups[static_cast<size_t>(d)];
        bool fires = group[kTriggerKind] == kOnCounter
                         ? m_clockCounters[static_cast<size_t>(d)] == group[kTriggerCount]
                         : word == 1 && previous != 1;
        if (!fires) continue;
        const SystemWordEntry& entry = settings.systemWords[d == 0 ? kUploadRegister : kDownloadRegister];
        int link = entry.numbers[0];
        RegisterAddress address =
            m_access->Resolve({link, entry.numbers[1], entry.registerName, entry.addressText});
        if (d == 0) {
            auto words = ClockWords(m_host.GetLocalTime());
            for (int k = 0; k < kClockWords; ++k) {
                PlcTarget target{entry.registerName, address.index + k, address.station, link};
                m_access->WriteValue(address.area, address.index + k, words[static_cast<size_t>(k)], 0,
                                     &target);
            }
            continue;
        }
        auto area = AreaFromName(address.area);
        if (!area) continue;
        std::array<int, kClockWords> w{};
        for (int k = 0; k < kClockWords; ++k)
            w[static_cast<size_t>(k)] = m_memory.ReadWord(*area, address.index + k).value;
        // Only the panel's clock moves: the host keeps it as an offset from the workstation's clock.
        m_host.SetLocalTime({w[5], w[4], w[3], w[2], w[1], w[0], 0, w[6]});
    }
}

void Panel::WriteSystemWords() {
    const ProjectSettings& settings = m_tables->settings;
    auto put = [&](int word, std::uint32_t value) {
        m_memory.WriteWord(Area::LW, kSystemWordBase + word, static_cast<std::uint16_t>(value));
    };
    auto put32 = [&](int word, std::uint32_t value) {
        m_memory.WriteDWord(Area::LW, kSystemWordBase + word, value);
    };

    auto clock = ClockWords(m_host.GetLocalTime());
    for (int k = 0; k < kClockWords; ++k) put(k, clock[static_cast<size_t>(k)]);
    int level = m_memory.UserLevel();
    put(7, static_cast<std::uint32_t>(level));
    // Passwords are numbers written as text; level 0 has none.
    auto password = [&](int lvl) -> std::uint32_t {
        if (lvl < 1 || lvl > ProjectSettings::kPasswordCount) return 0;
        return static_cast<std::uint32_t>(DecimalNumber(settings.passwords[static_cast<size_t>(lvl - 1)]));
    };
    put32(8, password(level));
    for (int lvl = 1; lvl <= ProjectSettings::kPasswordCount; ++lvl) put32(10 + 2 * (lvl - 1), password(lvl));
    put(26, static_cast<std::uint32_t>(settings.numbers180[0]));
    put(27, static_cast<std::uint32_t>(settings.scanTime));
    for (int port = 0; port < ProjectSettings::kPortCount; ++port) {
        const PlcLink& link = settings.ports[static_cast<size_t>(port)];
        int first = 31 + 8 * port;
        for (int k = 0; k < 6; ++k) {
            int number = (kPortSettingColumns[k] - kPortNumbersStart) / 4;
            put(first + k, static_cast<std::uint32_t>(link.numbers[static_cast<size_t>(number)]));
        }
        put(first + 6, static_cast<std::uint32_t>(link.protocol));
        put(first + 7, static_cast<std::uint32_t>(link.model));
    }
}

}  // namespace sim
