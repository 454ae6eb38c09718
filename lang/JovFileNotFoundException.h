#pragma once
// Thrown when a file or data source to be read does not exist; the message names it.

#include "lang/JovException.h"

class JovFileNotFoundException : public JovException {
public:
    JovFileNotFoundException();
    explicit JovFileNotFoundException(const JovString& message);

    JovObject* clone() const override;

protected:
    JovString className() const override;
};
