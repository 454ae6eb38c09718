// Sets the variables that name the user's language for one test natively and restores them
// afterwards; the Windows build takes the language from the system instead.
#pragma once

#ifndef _WIN32

#include <cstdlib>
#include <optional>
#include <string>

class LanguageEnvironment {
public:
    LanguageEnvironment() {
        for (int i = 0; i < variableCount; ++i) {
            if (const char* value = std::getenv(variables[i])) {
                saved[i] = value;
            }
            unsetenv(variables[i]);
        }
    }
    ~LanguageEnvironment() {
        for (int i = 0; i < variableCount; ++i) {
            if (saved[i]) {
                setenv(variables[i], saved[i]->c_str(), 1);
            } else {
                unsetenv(variables[i]);
            }
        }
    }
    LanguageEnvironment(const LanguageEnvironment&) = delete;
    LanguageEnvironment& operator=(const LanguageEnvironment&) = delete;

    // The user's language as LANG names it, with no stronger variable set.
    void use(const char* setting) { setenv("LANG", setting, 1); }

private:
    static constexpr int variableCount = 3;
    static constexpr const char* variables[variableCount] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> saved[variableCount];
};

#endif
