#include "simulator/memory/converter_binding.h"

#include <dlfcn.h>

#include "converters/include/plc_converters.h"

namespace sim {

ConverterBinding::ConverterBinding(Host& host, std::string folder, Loading loading)
    : m_host(host),
      m_folder(std::move(folder)),
      m_loading(loading),
      m_areamap{conv::kAreamapFile, conv::kConverStrSymbol},
      m_addrmap{conv::kAddrmapFile, conv::kAddrmapSymbol},
      m_regpeek{conv::kRegpeekFile, conv::kValuateSymbol} {}

ConverterBinding::~ConverterBinding() {
    for (Library* library : {&m_areamap, &m_addrmap, &m_regpeek}) {
        if (library->handle) dlclose(library->handle);
    }
}

bool ConverterBinding::Open(const Library& library, void*& handle, void*& entry) const {
    const std::string path = m_folder + "/" + library.file;
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return false;
    entry = dlsym(handle, library.symbol);
    if (entry) return true;
    dlclose(handle);
    handle = nullptr;
    return false;
}

template <typename Fn, typename Call>
bool ConverterBinding::WithEntry(Library& library, Call&& call) {
    if (m_loading == Loading::PerCall) {
        void* handle = nullptr;
        void* entry = nullptr;
        if (!Open(library, handle, entry)) {
            m_host.MessageBox(std::string(kMissingMessage));
            return false;
        }
        call(reinterpret_cast<Fn>(entry));
        dlclose(handle);
        return true;
    }

    void* entry = nullptr;
    {
        std::lock_guard guard(m_mutex);
        // A library missing earlier is looked for again, as the load-per-call mode would.
        if (!library.entry) Open(library, library.handle, library.entry);
        entry = library.entry;
    }
    if (!entry) {
        m_host.MessageBox(std::string(kMissingMessage));
        return false;
    }
    call(reinterpret_cast<Fn>(entry));
    return true;
}

std::string ConverterBinding::ConverStr(const std::string& registerName, int protocol, int model) {
    std::string area(kMissingArea);
    // The returned text lives inside the library: copy it before a per-call release.
    WithEntry<ConverStrFn>(m_areamap, [&](ConverStrFn fn) {
        const char* name = fn(registerName.c_str(), protocol, model);
        area = name ? name : "";
    });
    return area;
}

int ConverterBinding::Addrmap(const std::string& registerName, const std::string& addressText, int protocol,
                              int model) {
    int index = kMissingIndex;
    WithEntry<AddrmapFn>(m_addrmap, [&](AddrmapFn fn) {
        index = fn(registerName.c_str(), addressText.c_str(), protocol, model);
    });
    return index;
}

bool ConverterBinding::Valuate(PanelMemory& memory, const std::string& registerName, std::int32_t index,
                               std::int32_t scratchOffset, int format, int protocol, int model) {
    if (registerName.empty()) return true;
    return WithEntry<ValuateFn>(m_regpeek, [&](ValuateFn fn) {
        fn(memory.BaseTable(), registerName.c_str(), index, scratchOffset, format, protocol, model);
    });
}

}  // namespace sim
