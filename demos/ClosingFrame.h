// A frame that disposes itself when the user closes it, which ends a demonstration program.
#pragma once

#include "awt/JovFrame.h"

class ClosingFrame : public JovFrame {
public:
    explicit ClosingFrame(const JovString& title) : JovFrame(title) {}

    void processWindowEvent(JovWindowEvent& event) override;

    JovString toString() const override;
};
