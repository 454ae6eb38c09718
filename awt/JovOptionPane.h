// German message and question boxes: a component whose peer shows the system message box, modal
// to the top-level window of the component it is shown for.
#pragma once

#include "awt/JovComponent.h"

class JovOptionPane : public JovComponent {
public:
    static constexpr int ERROR_MESSAGE = 1;
    static constexpr int INFORMATION_MESSAGE = 2;
    static constexpr int WARNING_MESSAGE = 3;
    static constexpr int QUESTION_MESSAGE = 4;

    static constexpr int YES_OPTION = 0;
    static constexpr int NO_OPTION = 1;
    static constexpr int CLOSED_OPTION = 2;
    static constexpr int OK_OPTION = 3;
    static constexpr int ABORT_OPTION = 4;

    // parent: a component of the owning window, or null. Not counted: the pane lives only while
    // its box is shown.
    JovOptionPane(const JovString& message, const JovString& title, int messageType,
                  JovComponent* parent);

    // Shows message's text form under title and answers the button pressed as one of the options
    // above; CLOSED_OPTION when no box could be made. Before the toolkit exists (the start-up
    // checks) the box has no owner.
    static int show(JovComponent* parent, const JovObject& message, const JovString& title,
                    int type);

    // Shows this pane's box and waits for the answer.
    int ask();

    const JovString& getMessage() const { return message; }
    const JovString& getTitle() const { return title; }
    int getMessageType() const { return messageType; }
    JovComponent* getParentComponent() const { return parentComponent; }

    JovString toString() const override;

private:
    JovString message;
    JovString title;
    int messageType;
    JovComponent* parentComponent;
};
