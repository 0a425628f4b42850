#include "tools/plcaddr/plugin_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>

PluginLibrary::~PluginLibrary() {
    if (m_handle) dlclose(m_handle);
}

void* PluginLibrary::Open(const std::string& name, std::string& error) {
    const std::string path = PluginFolder() + "/" + name + ".so";
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* reason = dlerror();
        error = reason ? reason : "cannot load " + path;
        return nullptr;
    }
    void* entry = dlsym(m_handle, name.c_str());
    if (!entry) error = path + ": no entry point " + name;
    return entry;
}

std::string PluginFolder() {
    if (const char* folder = std::getenv("PLCADDR_PLUGIN_DIR"); folder && *folder) return folder;
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return ".";
    const std::string program(self, static_cast<size_t>(length));
    const size_t slash = program.rfind('/');
    return slash == std::string::npos || slash == 0 ? "/" : program.substr(0, slash);
}
