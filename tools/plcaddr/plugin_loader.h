#pragma once
// Loads one address-text plug-in at run time and finds its export, the way the design tool does.
// The libraries are looked for in the folder named by PLCADDR_PLUGIN_DIR, or else in the folder of
// the running program (the run folder, where the build puts them).

#include <string>

class PluginLibrary {
  public:
    PluginLibrary() = default;
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    ~PluginLibrary();

    // Opens "<name>.so" and resolves the export `name`; on failure returns null and sets `error`.
    void* Open(const std::string& name, std::string& error);

  private:
    void* m_handle = nullptr;
};

// The folder the plug-ins are loaded from.
std::string PluginFolder();
