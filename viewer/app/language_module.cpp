// Loading and unloading a language module with dlopen.
#include "language_module.h"

#include <dlfcn.h>

namespace grafyon {

LanguageModule::~LanguageModule() {
    Unload();
}

bool LanguageModule::Load(const std::string& path) {
    Unload();
    // RTLD_LOCAL: the module's symbols must not satisfy anybody else's look-ups.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return false;
    const auto* data =
        static_cast<const std::uint8_t*>(::dlsym(handle, LANGUAGE_MODULE_DATA_SYMBOL));
    const auto* size =
        static_cast<const std::uint64_t*>(::dlsym(handle, LANGUAGE_MODULE_SIZE_SYMBOL));
    if (data == nullptr || size == nullptr || *size == 0 || *size > LANGUAGE_MODULE_MAX_DATA) {
        ::dlclose(handle);
        return false;
    }
    m_handle = handle;
    m_path = path;
    m_data = std::span(data, static_cast<std::size_t>(*size));
    return true;
}

void LanguageModule::Unload() {
    if (m_handle == nullptr)
        return;
    m_data = {};
    m_path.clear();
    ::dlclose(m_handle);
    m_handle = nullptr;
}

}  // namespace grafyon
