#include "simulator/memory/poll_collection.h"

#include "engine/model/page.h"
#include "simulator/memory/data_format.h"

namespace sim {
namespace {

// Turns each PLC register a part names into a poll entry: one unit for a bit or a 16-bit value, two
// for a 32-bit value, and the words covering a text's bytes.
class PollSink : public RegisterSink {
  public:
    explicit PollSink(PollList& list) : m_list(list) {}

    void Value(const RegisterAddress& address, int format, std::int32_t) override {
        Add(address, FormatWidth(format) == 4 ? 2 : 1, format);
    }
    void Text(const RegisterAddress& address, std::int32_t byteCount, std::int32_t) override {
        if (byteCount > 0) Add(address, (byteCount + 1) / 2, 0);
    }

  private:
    void Add(const RegisterAddress& address, std::int32_t count, int kind) {
        if (address.link != 1 && address.link != 2) return;
        AddPollEntry(m_list,
                     {address.registerName, address.index, address.station, count, address.link, kind});
    }

    PollList& m_list;
};

}  // namespace

void BuildPollList(const engine::Page& page, ValueAccess& access, const EvaluationTables& tables,
                   int protocol, int model, PollList& list) {
    list.Clear();
    PollSink sink(list);
    PartConfig config;
    for (int i = 0; i < page.ObjectCount(); ++i) {
        const engine::DrawObject& part = *page.ObjectAt(i);
        config.Load(part.ConfigText(), PartLineCount(part.TypeCode()));
        VisitPartRegisters(part.TypeCode(), config, access, tables, sink);
    }
    GroupPollList(list, protocol, model);
}

}  // namespace sim
