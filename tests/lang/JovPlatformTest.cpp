// The platform layer: the shared lock slot, the interlocked counter, file attributes and the
// system language.
#include "lang/JovPlatform.h"
#include "lang/JovString.h"

#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <thread>

TEST(JovPlatformTest, LockSlotIsCreatedOnceAndReused) {
    JovPlatform::RecursiveLock* slot = nullptr;
    JovPlatform::RecursiveLock* first = JovPlatform::lockInSlot(&slot);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(slot, first);
    EXPECT_EQ(JovPlatform::lockInSlot(&slot), first);
    JovPlatform::destroyLock(first);
}

TEST(JovPlatformTest, InterlockedCounterLosesNoUpdates) {
    constexpr int rounds = 100000;
    volatile int counter = 0;
    auto work = [&] {
        for (int i = 0; i < rounds; ++i) {
            JovPlatform::interlockedIncrement(&counter);
        }
    };
    std::thread first(work);
    std::thread second(work);
    first.join();
    second.join();
    EXPECT_EQ(counter, 2 * rounds);
    EXPECT_EQ(JovPlatform::interlockedDecrement(&counter), 2 * rounds - 1);
}

TEST(JovPlatformTest, MissingFileHasAllAttributeBitsSet) {
    EXPECT_EQ(JovPlatform::fileAttributes("no/such/file.txt"), JovPlatform::missingFileAttributes);
}

TEST(JovPlatformTest, FolderIsMarkedAsDirectory) {
    constexpr unsigned int directoryAttribute = 0x10;
    EXPECT_NE(JovPlatform::fileAttributes(".") & directoryAttribute, 0u);
}

TEST(JovPlatformTest, SystemLanguageIsTwoLowerCaseLettersOrEmpty) {
    const JovString language = JovPlatform::systemLanguage();
    if (language.length() == 0) {
        return;
    }
    ASSERT_EQ(language.length(), 2);
    EXPECT_TRUE(std::islower(static_cast<unsigned char>(language.charAt(0))));
    EXPECT_TRUE(std::islower(static_cast<unsigned char>(language.charAt(1))));
}

#ifndef _WIN32
// Natively the language comes from the environment, strongest variable first.
class JovPlatformLanguageTest : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < variableCount; ++i) {
            const char* value = std::getenv(variables[i]);
            saved[i] = value != nullptr ? value : "";
            wasSet[i] = value != nullptr;
            unsetenv(variables[i]);
        }
    }
    void TearDown() override {
        for (int i = 0; i < variableCount; ++i) {
            if (wasSet[i]) {
                setenv(variables[i], saved[i].c_str(), 1);
            } else {
                unsetenv(variables[i]);
            }
        }
    }

private:
    static constexpr int variableCount = 3;
    static constexpr const char* variables[variableCount] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string saved[variableCount];
    bool wasSet[variableCount] = {};
};

TEST_F(JovPlatformLanguageTest, LangGivesItsLanguage) {
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_STREQ(JovPlatform::systemLanguage().chars(), "de");
}

TEST_F(JovPlatformLanguageTest, LcAllWinsOverLang) {
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LC_ALL", "FR_fr", 1);
    EXPECT_STREQ(JovPlatform::systemLanguage().chars(), "fr");
}

TEST_F(JovPlatformLanguageTest, PosixLocaleHasNoLanguage) {
    setenv("LANG", "C.UTF-8", 1);
    EXPECT_STREQ(JovPlatform::systemLanguage().chars(), "");
    setenv("LANG", "POSIX", 1);
    EXPECT_STREQ(JovPlatform::systemLanguage().chars(), "");
}
#endif
