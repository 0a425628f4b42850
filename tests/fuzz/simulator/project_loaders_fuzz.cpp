// Feeds arbitrary texts to the project loaders: page 0's settings, the "Lock1" to "Lock4" tables, page
// texts and part configurations, then runs every loader, the start-up part pass, the part lines of
// every object and the poll-list grouping.
//
// Input: three head bytes (flags, protocol, model), then sections separated by NUL bytes: settings,
// Lock1 ConfigText, Lock1 ExtraText, Lock2 ConfigText, Lock4 ConfigText, then any number of sections
// that each start a page ('P' + the page's ConfigText) or add a part to the last page (type code
// byte + ConfigText).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/view.h"
#include "simulator/shell/project/part_config.h"
#include "simulator/shell/project/part_preparation.h"
#include "simulator/shell/project/poll_list.h"
#include "simulator/shell/project/project_tables.h"

namespace {

enum Flags : std::uint8_t {
    kForceRecipeFlag = 1,
    kForceLock3Flag = 2,
    kHasLock1 = 4,
    kHasLock2 = 8,
    kHasLock3 = 16,
    kHasLock4 = 32,
};

constexpr int kMaxPages = 8;
constexpr int kMaxParts = 64;
// Each alarm display makes 610 text cells; a few of them show the list being replaced.
constexpr int kMaxAlarmDisplays = 3;
constexpr int kAlarmDisplay = 32;

std::vector<std::string_view> Sections(std::string_view data) {
    std::vector<std::string_view> sections;
    for (;;) {
        const std::size_t end = data.find('\0');
        sections.push_back(data.substr(0, end));
        if (end == std::string_view::npos) return sections;
        data.remove_prefix(end + 1);
    }
}

std::string_view SectionAt(const std::vector<std::string_view>& sections, std::size_t index) {
    return index < sections.size() ? sections[index] : std::string_view();
}

void PutFlag(std::string& settings, std::size_t column) {
    if (settings.size() < column + 4) settings.resize(column + 4, ' ');
    settings.replace(column, 4, "   1");
}

engine::DrawObject* AddObject(engine::Page& page, std::string name, int type, std::string_view config,
                              std::string_view extra = {}) {
    auto object = std::make_unique<engine::DrawObject>("group");
    object->SetName(std::move(name));
    object->SetTypeCode(type);
    object->SetConfigText(std::string(config));
    object->SetExtraText(std::string(extra));
    return page.AddObject(std::move(object));
}

}  // namespace

// Keeps the reads above from being optimised away.
volatile std::int64_t g_sink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::uint8_t flags = data[0];
    const int protocol = data[1] % 24;
    const int model = data[2] % 4;
    const auto sections = Sections(std::string_view(reinterpret_cast<const char*>(data) + 3, size - 3));

    auto drawing = std::make_unique<engine::Drawing>();
    engine::Page* page0 = drawing->AddPage();
    std::string settings(SectionAt(sections, 0));
    if (flags & kForceRecipeFlag) PutFlag(settings, 1161);
    if (flags & kForceLock3Flag) PutFlag(settings, 1157);
    page0->SetExtraText(settings);
    if (flags & kHasLock1) AddObject(*page0, "Lock1", 0, SectionAt(sections, 1), SectionAt(sections, 2));
    if (flags & kHasLock2) AddObject(*page0, "Lock2", 0, SectionAt(sections, 3));
    if (flags & kHasLock3) AddObject(*page0, "Lock3", 0, "");
    if (flags & kHasLock4) AddObject(*page0, "Lock4", 0, SectionAt(sections, 4));

    engine::Page* page = page0;
    int partCount = 0, alarmDisplays = 0;
    for (std::size_t s = 5; s < sections.size(); ++s) {
        std::string_view section = sections[s];
        if (section.empty()) continue;
        if (section.front() == 'P') {
            if (drawing->PageCount() >= kMaxPages) continue;
            page = drawing->AddPage();
            page->SetConfigText(std::string(section.substr(1)));
        } else if (partCount++ < kMaxParts) {
            int type = static_cast<std::uint8_t>(section.front());
            if (type == kAlarmDisplay && alarmDisplays++ >= kMaxAlarmDisplays) type = 0;
            engine::DrawObject* part = AddObject(*page, "part", type, section.substr(1));
            if (part->TypeCode() == 81) {
                auto timer = std::make_unique<engine::DrawObject>("rect");
                timer->SetName("Timer");
                part->AddChild(std::move(timer));
            }
        }
    }

    std::vector<engine::DrawObject*> parts;
    for (int p = 0; p < drawing->PageCount(); ++p)
        for (int i = 0; i < drawing->PageAt(p)->ObjectCount(); ++i)
            parts.push_back(drawing->PageAt(p)->ObjectAt(i));

    engine::View view;
    view.SetDrawing(std::move(drawing));
    // Kept from run to run, as a reload over an earlier project: every table must be emptied first.
    static const auto tables = std::make_unique<sim::ProjectTables>();
    sim::LoadProjectTables(view, *tables);
    sim::PartRecord current;
    sim::PreparedParts prepared;
    sim::PrepareParts(view, tables->screens, current, prepared);

    // Every group of the recipe table and every name, as LoadRecipe and the recipe parts would.
    std::int64_t sum = 0;
    for (int g = -1; g <= tables->recipes.GroupCount() && g < 10000; ++g) {
        for (std::int32_t word : tables->recipes.GroupWords(g)) sum += word;
        sum += static_cast<std::int64_t>(tables->recipes.GroupName(g).size());
    }
    for (int j = -1; j <= sim::AnalogAlarmTable::kCapacity; ++j)
        for (int n = 0; n <= sim::AnalogAlarmTable::kLevels + 1; ++n)
            sum += tables->analogAlarms.Level(j, n).inUse;

    // Every line of every part, and a poll list built from them. The alarm text cells the pass made
    // are not parts and are left out.
    sim::PollList poll;
    for (engine::DrawObject* part : parts) {
        sim::LoadPartConfig(current, part);
        for (int line = -1; line <= sim::PartConfig::kCapacity; ++line)
            sum += current.config.Number(line) + static_cast<std::int64_t>(current.config.Text(line).size());
        sim::PollEntry entry;
        entry.area = std::string(current.config.Text(3));
        entry.address = current.config.Number(4);
        entry.station = current.config.Number(1);
        entry.count = current.config.Number(2);
        entry.plcNumber = current.config.Number(0);
        entry.kind = part->TypeCode();
        sim::AddPollEntry(poll, entry);
    }
    sim::GroupPollList(poll, protocol, model);
    if (poll.count < 0 || poll.count > sim::PollList::kCapacity) __builtin_trap();
    g_sink = sum;
    return 0;
}
