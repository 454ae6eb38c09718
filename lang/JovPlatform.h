#pragma once
// The one place where the Windows build and the native test build of the class library differ:
// the per-object lock, the interlocked counter, file attributes, stream modes, the user's language
// and country, and locale names.

#include <cstdio>

class JovPlatform {
public:
    // A language or country name as the system reports it (at most eight letters), or empty. Plain
    // characters, because the library's strings are built on this file.
    struct IsoName {
        static constexpr int capacity = 9;
        char letters[capacity] = {};
        const char* chars() const { return letters; }
    };

    // Re-entrant lock: a critical section on Windows, a recursive mutex natively.
    struct RecursiveLock;

    // The Win32 attribute word of a path that does not exist (INVALID_FILE_ATTRIBUTES).
    static constexpr unsigned int missingFileAttributes = 0xFFFFFFFFu;

    JovPlatform() = delete;

    // Returns the lock held in slot, creating it on first use; two threads racing on the first
    // use end up with the same lock.
    static RecursiveLock* lockInSlot(RecursiveLock** slot);
    static void enterLock(RecursiveLock* lock);
    static void leaveLock(RecursiveLock* lock);
    static void destroyLock(RecursiveLock* lock);

    static int interlockedIncrement(volatile int* value);
    static int interlockedDecrement(volatile int* value);

    static unsigned int fileAttributes(const char* path);

    // The library writes "\r\n" itself, so the standard streams must not translate line feeds.
    static void useBinaryMode(FILE* stream);

    // Two lower-case letters of the user's language ("de", "en"), or the empty text.
    static IsoName systemLanguage();
    // Two upper-case letters of the user's country ("DE", "CH"), or the empty text.
    static IsoName systemCountry();

    // The name that selects the German locale in setlocale.
    static const char* germanLocaleName();
};
