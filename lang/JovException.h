#pragma once
// Root of the exceptions the library throws by value.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovException : public JovObject {
public:
    JovException();
    explicit JovException(const JovString& message);

    JovString getMessage() const;
    JovString toString() const override;
    // The run-time class name, ": " and the message: the line written when an exception is
    // caught and reported.
    JovString longText() const;
    JovObject* clone() const override;

protected:
    virtual JovString className() const;

private:
    JovString message;
};
