// The native static text of a JovLabel. The control wants "\r\n" between lines; its colours come
// from the parent's WM_CTLCOLORSTATIC, which the window procedure hands to this peer. A label with
// a picture is owner-drawn: the parent's WM_DRAWITEM paints it through the label.
#pragma once

#include "awt/windows/JovComponentPeer.h"

class JovLabel;
struct HBRUSH__;

class JovLabelPeer : public JovComponentPeer {
public:
    explicit JovLabelPeer(JovLabel* label);
    ~JovLabelPeer() override;

    void setText(const JovString& text) override;
    // The text's lines as the control shows them, with "\n" between them.
    JovString getText() const override;
    void setAlignment(int alignment);
    // Owner drawing for a picture, the plain text control otherwise.
    void setPictureStyle(bool picture);
    void setForeground(const JovColor& color) override;
    void setBackground(const JovColor& color) override;
    JovDimension getPreferredSize() override;
    std::intptr_t handleControlColor(DeviceContext context) override;

    // text with every "\n" that is not already preceded by "\r" made "\r\n".
    static JovString toControlLines(const JovString& text);

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;

private:
    void replaceContentStyle();
    void replaceBrush();
    JovColor shownBackground() const;

    JovLabel* label;
    HBRUSH__* backgroundBrush;
};
