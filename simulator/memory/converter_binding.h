#pragma once
// Run-time binding of the three converter libraries (Areamap.dll, Addrmap.dll, Regpeek.dll) from the
// working folder.
//
// A library that cannot be loaded, or that lacks its export, counts as missing: its entry point is
// never called, the message box below is shown at that call (every call, not once), and the call
// yields its fallback. Loaded libraries are kept for the run by default; PerCall loads and releases
// the library around every call, which gives the same results and exists to measure the difference.
//
// Thread-safe: the window thread resolves and reads registers while the exchange thread converts area
// names of PLC replies.

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "simulator/memory/panel_memory.h"
#include "simulator/shell/host.h"

namespace sim {

class ConverterBinding {
  public:
    enum class Loading { Cached, PerCall };

    static constexpr std::string_view kMissingMessage =
        "Missing files, please re-install the Korvane software!";
    // Fallbacks of a missing library: a one-character area that matches no area name, and index 1.
    static constexpr std::string_view kMissingArea = "?";
    static constexpr int kMissingIndex = 1;

    // `folder` holds the libraries; "." is the working folder.
    explicit ConverterBinding(Host& host, std::string folder = ".", Loading loading = Loading::Cached);
    ~ConverterBinding();
    ConverterBinding(const ConverterBinding&) = delete;
    ConverterBinding& operator=(const ConverterBinding&) = delete;

    // Areamap.dll: the panel area of a PLC register; "" for a register the family does not have.
    std::string ConverStr(const std::string& registerName, int protocol, int model);

    // Addrmap.dll: the register's index within its area; conv::kNoIndex (-1) when none.
    int Addrmap(const std::string& registerName, const std::string& addressText, int protocol, int model);

    // Regpeek.dll: copies the register's value into ValueScratch at `scratchOffset`. An empty register
    // name reads nothing and loads nothing. Returns false when the library is missing (nothing read).
    bool Valuate(PanelMemory& memory, const std::string& registerName, std::int32_t index,
                 std::int32_t scratchOffset, int format, int protocol, int model);

  private:
    struct Library {
        const char* file;
        const char* symbol;
        void* handle = nullptr;
        void* entry = nullptr;
    };

    // Runs `call` with the library's entry point, loading the library as the mode says. Reports a
    // missing library and returns false without running `call`.
    template <typename Fn, typename Call>
    bool WithEntry(Library& library, Call&& call);

    bool Open(const Library& library, void*& handle, void*& entry) const;

    Host& m_host;
    const std::string m_folder;
    const Loading m_loading;
    std::mutex m_mutex;  // guards the cached handles and entries
    Library m_areamap;
    Library m_addrmap;
    Library m_regpeek;
};

}  // namespace sim
