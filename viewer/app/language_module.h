// A loaded language module: a resource-only shared object holding compiled translations.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace grafyon {

// Symbols every language module defines: the bytes of its compiled Qt translation file
// and their count.
inline constexpr char LANGUAGE_MODULE_DATA_SYMBOL[] = "GrafyonLanguageQm";
inline constexpr char LANGUAGE_MODULE_SIZE_SYMBOL[] = "GrafyonLanguageQmSize";
// A larger module is not taken: no translation table comes near it.
inline constexpr std::uint64_t LANGUAGE_MODULE_MAX_DATA = 64u << 20;

// Owns the module handle; the translation bytes stay valid while the object lives.
class LanguageModule {
public:
    LanguageModule() = default;
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // False (and nothing loaded) when the file is no loadable module or lacks the symbols.
    bool Load(const std::string& path);
    void Unload();
    bool IsLoaded() const { return m_handle != nullptr; }
    const std::string& Path() const { return m_path; }
    std::span<const std::uint8_t> TranslationData() const { return m_data; }

private:
    void* m_handle = nullptr;
    std::string m_path;
    std::span<const std::uint8_t> m_data;
};

}  // namespace grafyon
