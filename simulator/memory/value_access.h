#pragma once
// Value access: resolves address groups to memory cells, reads registers into ValueScratch for the
// part handlers, writes values back, queues PLC writes in online mode and transfers recipe groups.
// Used on the window thread.

#include <array>
#include <cstdint>
#include <string>

#include "simulator/memory/converter_binding.h"
#include "simulator/memory/panel_memory.h"
#include "simulator/memory/register_address.h"
#include "simulator/memory/write_queue.h"

namespace sim {

class RecipeTable;

// The PLC register a value write also goes to in online mode, as the writing part names it.
struct PlcTarget {
    std::string registerName;
    std::int32_t index = 0;
    std::int32_t station = 0;
    std::int32_t link = 0;
};

class ValueAccess {
  public:
    ValueAccess(PanelMemory& memory, ConverterBinding& converters, WriteQueue& queue);

    // The PLC type pair of link 1 or 2 (from the project's port records); link 0 always uses (0, 0).
    void SetPlcType(int link, int protocol, int model);
    // The project's recipes, or nullptr when it has none.
    void SetRecipes(const RecipeTable* recipes) { m_recipes = recipes; }

    PanelMemory& Memory() { return m_memory; }
    WriteQueue& Queue() { return m_queue; }

    // Link 0: "LB", "LW" and "RWI" are themselves, any other name has no area (""). Links 1, 2: the
    // area converter of the link's PLC family.
    std::string ResolveArea(const std::string& registerName, int link);
    // Link 0: the decimal value of the address text. Links 1, 2: the index converter.
    std::int32_t ResolveIndex(const std::string& registerName, const std::string& addressText, int link);
    RegisterAddress Resolve(const AddressGroup& group);

    // Copies the register's value into ValueScratch at `offset` (1, 2 or 4 bytes by format code)
    // through the value reader. An empty register name reads nothing.
    void ReadRegister(const std::string& registerName, std::int32_t index, std::int32_t offset, int format,
                      int link);
    void ReadRegister(const RegisterAddress& address, std::int32_t offset, int format) {
        ReadRegister(address.registerName, address.index, offset, format, address.link);
    }
    // Raw bytes of a word area into ValueScratch; an odd count is raised by one. Only LW, D, TT, CC, N
    // and EM are copied.
    void CopyWords(const std::string& area, std::int32_t wordIndex, std::int32_t offset,
                   std::int32_t byteCount);

    // Formats 0, 2, 4 store the low 16 bits, 1, 3, 5 all 32 (two words). Word areas LW, RWI, D, TT, CC,
    // N, EM only. RWI word 0 selects the recipe group. Online, `target` (when given) also gets the value
    // through the write queue.
    void WriteValue(const std::string& area, std::int32_t index, std::int64_t value, int format,
                    const PlcTarget* target = nullptr);
    void WriteFloat(const std::string& area, std::int32_t index, float value,
                    const PlcTarget* target = nullptr);
    // Online only: one bit write for the PLC.
    void QueueBit(int link, std::int32_t station, const std::string& registerName, std::int32_t index,
                  bool bit);
    // Copies recipe group `group` into RWI1 upwards and makes it the current group.
    void LoadRecipe(std::int32_t group);

    // The bit pattern of the last float stored into RWI.
    std::uint32_t RecipeFloatPattern() const { return m_rwiFloatPattern; }

  private:
    struct PlcType {
        int protocol = 0, model = 0;
    };
    PlcType TypeOf(int link) const;
    void Queue(const PlcTarget& target, std::int32_t count, const std::uint8_t* bytes, std::size_t size);

    PanelMemory& m_memory;
    ConverterBinding& m_converters;
    WriteQueue& m_queue;
    const RecipeTable* m_recipes = nullptr;
    std::array<PlcType, 3> m_plcTypes{};
    std::uint32_t m_rwiFloatPattern = 0;
};

}  // namespace sim
