// The Windows system colours by their GetSysColor index, taken when the value is made.
#pragma once

#include "awt/JovColor.h"
#include "lang/JovString.h"

class JovSystemColor : public JovColor {
public:
    // GetSysColor indexes of the colours the program uses.
    static constexpr int scrollbar = 0;
    static constexpr int desktop = 1;
    static constexpr int activeCaption = 2;
    static constexpr int inactiveCaption = 3;
    static constexpr int menu = 4;
    static constexpr int window = 5;
    static constexpr int windowFrame = 6;
    static constexpr int menuText = 7;
    static constexpr int windowText = 8;
    static constexpr int captionText = 9;
    static constexpr int highlight = 13;
    static constexpr int highlightText = 14;
    // The face of buttons and dialogs.
    static constexpr int control = 15;
    static constexpr int controlShadow = 16;
    static constexpr int grayText = 17;
    static constexpr int controlText = 18;
    static constexpr int info = 24;

    explicit JovSystemColor(int index);
    JovSystemColor(const JovSystemColor& other);
    JovSystemColor& operator=(const JovSystemColor& other);

    int getIndex() const { return index; }

    JovObject* clone() const override { return new JovSystemColor(*this); }
    JovString toString() const override;

private:
    int index;
};
