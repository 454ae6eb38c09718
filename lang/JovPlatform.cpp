// Platform primitives of the class library: Win32 calls on Windows, POSIX calls natively.

#include "lang/JovPlatform.h"

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <windows.h>

struct JovPlatform::RecursiveLock {
    CRITICAL_SECTION section;
};

namespace {

JovPlatform::RecursiveLock* publishLock(JovPlatform::RecursiveLock** slot,
                                        JovPlatform::RecursiveLock* fresh) {
    auto* target = reinterpret_cast<PVOID volatile*>(slot);
    return static_cast<JovPlatform::RecursiveLock*>(
        InterlockedCompareExchangePointer(target, fresh, nullptr));
}

// One ISO name of the user's default language id, or the empty text.
JovPlatform::IsoName userLocaleInfo(LCTYPE item) {
    JovPlatform::IsoName name;
    const LCID locale = MAKELCID(GetUserDefaultLangID(), SORT_DEFAULT);
    if (GetLocaleInfoA(locale, item, name.letters, JovPlatform::IsoName::capacity) == 0) {
        return JovPlatform::IsoName();
    }
    return name;
}

} // namespace

JovPlatform::RecursiveLock* JovPlatform::lockInSlot(RecursiveLock** slot) {
    // A plain read for every lock taken; only publishing a fresh lock needs the exchange.
    RecursiveLock* existing = __atomic_load_n(slot, __ATOMIC_ACQUIRE);
    if (existing != nullptr) {
        return existing;
    }
    auto* fresh = new RecursiveLock;
    InitializeCriticalSection(&fresh->section);
    existing = publishLock(slot, fresh);
    if (existing == nullptr) {
        return fresh;
    }
    destroyLock(fresh);
    return existing;
}

void JovPlatform::enterLock(RecursiveLock* lock) {
    EnterCriticalSection(&lock->section);
}

void JovPlatform::leaveLock(RecursiveLock* lock) {
    LeaveCriticalSection(&lock->section);
}

void JovPlatform::destroyLock(RecursiveLock* lock) {
    DeleteCriticalSection(&lock->section);
    delete lock;
}

static_assert(sizeof(LONG) == sizeof(int), "the live-object counter is a 32-bit LONG");

int JovPlatform::interlockedIncrement(volatile int* value) {
    return InterlockedIncrement(reinterpret_cast<volatile LONG*>(value));
}

int JovPlatform::interlockedDecrement(volatile int* value) {
    return InterlockedDecrement(reinterpret_cast<volatile LONG*>(value));
}

unsigned int JovPlatform::fileAttributes(const char* path) {
    return GetFileAttributesA(path);
}

void JovPlatform::useBinaryMode(FILE* stream) {
    fflush(stream);
    _setmode(_fileno(stream), _O_BINARY);
}

JovPlatform::IsoName JovPlatform::systemLanguage() {
    return userLocaleInfo(LOCALE_SISO639LANGNAME);
}

JovPlatform::IsoName JovPlatform::systemCountry() {
    return userLocaleInfo(LOCALE_SISO3166CTRYNAME);
}

const char* JovPlatform::germanLocaleName() {
    return "German";
}

#else

#include <cctype>
#include <cstdlib>
#include <pthread.h>
#include <sys/stat.h>

struct JovPlatform::RecursiveLock {
    pthread_mutex_t mutex;
};

namespace {

constexpr unsigned int readOnlyAttribute = 0x01;
constexpr unsigned int directoryAttribute = 0x10;
constexpr unsigned int normalAttribute = 0x80;
constexpr int languageLetters = 2;
constexpr char countrySeparator = '_';

// The variables that name the message language, strongest first.
constexpr const char* languageVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

const char* languageSetting() {
    for (const char* name : languageVariables) {
        const char* setting = std::getenv(name);
        if (setting != nullptr && setting[0] != '\0') {
            return setting;
        }
    }
    return "";
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// "de", "de_CH.UTF-8", "de_AT@euro": two letters and then no further letter.
bool startsWithLanguage(const char* setting) {
    return isLetter(setting[0]) && isLetter(setting[1]) && !isLetter(setting[2]);
}

// The first two letters of setting in upper or lower case.
JovPlatform::IsoName lettersOf(const char* setting, bool upperCase) {
    JovPlatform::IsoName name;
    for (int i = 0; i < languageLetters; ++i) {
        const auto letter = static_cast<unsigned char>(setting[i]);
        name.letters[i] =
            static_cast<char>(upperCase ? std::toupper(letter) : std::tolower(letter));
    }
    return name;
}

} // namespace

JovPlatform::RecursiveLock* JovPlatform::lockInSlot(RecursiveLock** slot) {
    RecursiveLock* existing = __atomic_load_n(slot, __ATOMIC_ACQUIRE);
    if (existing != nullptr) {
        return existing;
    }
    auto* fresh = new RecursiveLock;
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&fresh->mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
    if (__atomic_compare_exchange_n(slot, &existing, fresh, false, __ATOMIC_ACQ_REL,
                                    __ATOMIC_ACQUIRE)) {
        return fresh;
    }
    destroyLock(fresh);
    return existing;
}

void JovPlatform::enterLock(RecursiveLock* lock) {
    pthread_mutex_lock(&lock->mutex);
}

void JovPlatform::leaveLock(RecursiveLock* lock) {
    pthread_mutex_unlock(&lock->mutex);
}

void JovPlatform::destroyLock(RecursiveLock* lock) {
    pthread_mutex_destroy(&lock->mutex);
    delete lock;
}

int JovPlatform::interlockedIncrement(volatile int* value) {
    return __atomic_add_fetch(value, 1, __ATOMIC_SEQ_CST);
}

int JovPlatform::interlockedDecrement(volatile int* value) {
    return __atomic_sub_fetch(value, 1, __ATOMIC_SEQ_CST);
}

unsigned int JovPlatform::fileAttributes(const char* path) {
    struct stat status;
    if (stat(path, &status) != 0) {
        return missingFileAttributes;
    }
    if (S_ISDIR(status.st_mode)) {
        return directoryAttribute;
    }
    return (status.st_mode & S_IWUSR) != 0 ? normalAttribute : readOnlyAttribute;
}

void JovPlatform::useBinaryMode(FILE*) {
}

JovPlatform::IsoName JovPlatform::systemLanguage() {
    const char* setting = languageSetting();
    if (!startsWithLanguage(setting)) {
        return IsoName();
    }
    return lettersOf(setting, false);
}

JovPlatform::IsoName JovPlatform::systemCountry() {
    const char* setting = languageSetting();
    if (!startsWithLanguage(setting) || setting[languageLetters] != countrySeparator) {
        return IsoName();
    }
    const char* country = setting + languageLetters + 1;
    if (!isLetter(country[0]) || !isLetter(country[1]) || isLetter(country[2])) {
        return IsoName();
    }
    return lettersOf(country, true);
}

const char* JovPlatform::germanLocaleName() {
    return "de_DE.UTF-8";
}

#endif
