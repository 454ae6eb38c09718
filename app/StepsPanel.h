// The label wizard: the pages "Menü" and "Anzahl Etiketten/Werbetext" beside the "Vorschau"
// toggle, which shows the preview window, and "Drucken", which prints the label.
#pragma once

#include "awt/JovPanel.h"
#include "awt/event/JovActionListener.h"

class JovButton;
class JovToggleButton;
class PreviewDialog;
class Step1Panel;
class Step5Panel;
class TabbedPane;

class StepsPanel : public JovPanel, public JovActionListener {
public:
    // Both pages write into the preview dialog's label view; the dialog learns of the toggle.
    explicit StepsPanel(PreviewDialog* previewDialog);

    void setAdvertisementText(const JovString& text);
    const JovString& getAdvertisementText() const;

    // "preview" shows or hides the preview; "print" prints the label.
    void actionPerformed(JovActionEvent& event) override;

    TabbedPane* getTabbedPane() const { return tabbedPane; }
    Step1Panel* getStep1Panel() const { return step1; }
    Step5Panel* getStep5Panel() const { return step5; }
    JovToggleButton* getPreviewToggle() const { return previewToggle; }
    JovButton* getPrintButton() const { return printButton; }

    JovString toString() const override;

private:
    JovPanel* makeButtons();

    PreviewDialog* previewDialog;
    TabbedPane* tabbedPane;
    Step1Panel* step1;
    Step5Panel* step5;
    JovToggleButton* previewToggle;
    JovButton* printButton;
};
