// "Drucken" when the platform cannot print: a default printer that no longer exists gives the
// German error box; a cancelled print dialog prints nothing and says nothing.
#include "app/GageView.h"
#include "MessageBoxAnswerer.h"
#include "ToolkitTest.h"
#include "awt/JovFrame.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* windowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* deviceValue = "Device";

std::string defaultDevice() {
    char device[512] = {};
    DWORD size = sizeof device;
    RegGetValueA(HKEY_CURRENT_USER, windowsKey, deviceValue, RRF_RT_REG_SZ, nullptr, device, &size);
    return device;
}

void setDefaultDevice(const std::string& device) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, windowsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, deviceValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(device.c_str()),
                   device.size() + 1);
    RegCloseKey(key);
}

} // namespace

class PrintFailureTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        savedDevice = defaultDevice();
        frame = new JovFrame("Etikett drucken");
        view = new GageView();
        frame->add(view, JovString("Center"));
        frame->pack();
        frame->show();
        pumpFor(50);
    }

    void TearDown() override {
        setDefaultDevice(savedDevice);
        frame->dispose();
        ToolkitTest::TearDown();
    }

    std::string savedDevice;
    JovFrame* frame = nullptr;
    GageView* view = nullptr;
};

TEST_F(PrintFailureTest, VanishedDefaultPrinterGivesTheErrorBox) {
    setDefaultDevice("Entfernter Drucker,winspool,FILE:");
    MessageBoxAnswerer error("Druckfehler...", IDOK);
    view->printView();
    ASSERT_TRUE(error.answered());
    EXPECT_NE(error.text().find("Das Etikett wurde nicht gedruckt."), std::string::npos);
}
