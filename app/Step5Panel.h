// The wizard's second page: the number of standard labels and the advertisement text, which the
// label follows keystroke by keystroke.
#pragma once

#include "awt/JovPanel.h"
#include "awt/event/DocumentListener.h"

class GageView;
class JovTextField;

class Step5Panel : public JovPanel, public DocumentListener {
public:
    explicit Step5Panel(GageView* view);

    // Writing the field is a change like typing: the label follows.
    void setAdvertisementText(const JovString& text);
    const JovString& getAdvertisementText() const;
    JovTextField* getCountField() const { return countField; }
    JovTextField* getAdvertisementField() const { return advertisementField; }

    // The count field takes the focus when the page is first shown.
    void show() override;

    void insertUpdate(DocumentEvent& event) override;
    void removeUpdate(DocumentEvent& event) override;
    void changedUpdate(DocumentEvent& event) override;

    JovString toString() const override;

private:
    void followAdvertisement();

    GageView* view;
    JovTextField* countField;
    JovTextField* advertisementField;
    bool shownBefore = false;
};
