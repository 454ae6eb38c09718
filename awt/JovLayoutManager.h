// The interface through which a container has its children placed. The container calls
// addLayoutComponent and removeLayoutComponent as children come and go, layoutContainer when it
// is validated and preferredLayoutSize when its own preferred size is asked.
#pragma once

#include "awt/JovDimension.h"
#include "lang/JovObject.h"

class JovComponent;
class JovContainer;

class JovLayoutManager : public JovObject {
public:
    // constraints belong to the caller: a manager that keeps them keeps a copy.
    virtual void addLayoutComponent(JovComponent* component, const JovObject* constraints) = 0;
    virtual void removeLayoutComponent(JovComponent* component) = 0;
    virtual void layoutContainer(JovContainer* container) = 0;
    virtual JovDimension preferredLayoutSize(JovContainer* container) = 0;
};
