// Focus events from real controls: clicking each in turn tells the loser and the gainer once.
#include "WidgetTest.h"
#include "awt/JovButton.h"
#include "awt/JovComboBox.h"
#include "awt/JovTable.h"
#include "awt/JovTextField.h"
#include "awt/JovTree.h"
#include "awt/event/JovFocusListener.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

constexpr int settle = 60;

class FocusRecorder : public JovFocusListener {
public:
    void focusGained(JovFocusEvent& event) override { note("+", event); }
    void focusLost(JovFocusEvent& event) override { note("-", event); }

    Log entries;

private:
    void note(const char* sign, const JovFocusEvent& event) {
        const auto* component = dynamic_cast<const JovComponent*>(event.getSource());
        ASSERT_NE(component, nullptr);
        entries.push_back(sign + std::string(component->getName().chars()));
    }
};

class FocusEventTest : public WidgetTest {
protected:
    // Places component named name in a row of its own and listens to it.
    HWND add(JovComponent* component, const char* name) {
        component->setName(name);
        component->addFocusListener(&recorder);
        HWND window = place(component, 10, nextY, 240, 50);
        nextY += 60;
        return window;
    }

    FocusRecorder recorder;
    int nextY = 10;
};

} // namespace

TEST_F(FocusEventTest, ClickingEachControlInTurnTellsTheLoserAndTheGainerOnce) {
    JovVector names;
    names.addElement("Name");
    const struct {
        const char* name;
        JovComponent* component;
        bool innerEdit;
    } controls[] = {
        {"Feld", new JovTextField, false},     {"Knopf", new JovButton("Neu"), false},
        {"Suche", new JovComboBox, true},      {"Tabelle", new JovTable(JovVector(), names), false},
        {"Baum", new JovTree(nullptr), false},
    };
    std::vector<HWND> targets;
    for (const auto& control : controls) {
        HWND window = add(control.component, control.name);
        targets.push_back(control.innerEdit ? FindWindowExA(window, nullptr, "EDIT", nullptr)
                                            : window);
        ASSERT_NE(targets.back(), nullptr) << control.name;
    }
    SetForegroundWindow(windowOf(frame));
    pumpFor(settle);
    std::string previous;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        recorder.entries.clear();
        click(targets[i], 5, 5);
        Log expected;
        if (!previous.empty()) {
            expected.push_back("-" + previous);
        }
        expected.push_back(std::string("+") + controls[i].name);
        EXPECT_EQ(recorder.entries, expected) << controls[i].name;
        previous = controls[i].name;
    }
    recorder.entries.clear();
    click(targets[2], 5, 5);
    click(targets[2], 5, 5);
    EXPECT_EQ(recorder.entries, (Log{"-Baum", "+Suche"})) << "a second click changes nothing";
}
