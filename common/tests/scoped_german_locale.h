// Switches the process to a German locale for one test, building it when it is not installed.
#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "test_support.h"

namespace grafyon::test {

// Sets LANG and LC_ALL to de_DE.UTF-8 and the C library's locale from them, as Qt does for
// the application. When the machine lacks the locale, it is compiled with localedef into a
// temporary folder named by LOCPATH. Active() says whether the decimal comma is in force.
class ScopedGermanLocale {
public:
    ScopedGermanLocale() : m_lang("LANG", "de_DE.UTF-8"), m_all("LC_ALL", "de_DE.UTF-8") {
        if (std::setlocale(LC_ALL, "") == nullptr) {
            // The C library looks the locale up under its normalised name.
            const std::string command =
                "localedef -i de_DE -f UTF-8 '" + (m_dir / "de_DE.utf8") + "' >/dev/null 2>&1";
            if (std::system(command.c_str()) == 0) {
                m_locPath.emplace("LOCPATH", m_dir.Path().string());
                std::setlocale(LC_ALL, "");
            }
        }
        char text[16];
        std::snprintf(text, sizeof text, "%g", 10.5);
        m_active = std::string(text) == "10,5";
    }
    ~ScopedGermanLocale() { std::setlocale(LC_ALL, "C"); }
    ScopedGermanLocale(const ScopedGermanLocale&) = delete;
    ScopedGermanLocale& operator=(const ScopedGermanLocale&) = delete;

    bool Active() const { return m_active; }

private:
    TempDir m_dir;
    ScopedEnv m_lang;
    ScopedEnv m_all;
    std::optional<ScopedEnv> m_locPath;
    bool m_active = false;
};

}  // namespace grafyon::test
