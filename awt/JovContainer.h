// A component holding other components. The children vector holds each child's reference count,
// so a container owns its children: removing a child from its last container deletes it. A layout
// manager, when set, places the children whenever the container is validated.
#pragma once

#include "awt/JovComponent.h"
#include "lang/JovReference.h"
#include "util/JovVector.h"

class JovLayoutManager;

class JovContainer : public JovComponent {
public:
    JovContainer();
    ~JovContainer() override;

    // Appends component and answers it.
    JovComponent* add(JovComponent* component);
    // Inserts component at index (-1: at the end) and hands constraints to the layout manager. A
    // component that has another parent moves here. Null, the container itself or one of its
    // ancestors is refused with an error line.
    void add(JovComponent* component, const JovObject* constraints, int index = -1);
    void add(JovComponent* component, const JovObject& constraints, int index = -1);
    // Takes component's peer down and drops the container's reference, which usually deletes it.
    virtual void remove(JovComponent* component);
    void remove(int index);
    void removeAll();
    int getComponentCount() const { return children.size(); }
    // Null when index is out of range.
    JovComponent* getComponent(int index) const;
    bool isAncestorOf(const JovComponent* component) const;

    // A counted reference on layout; null leaves the children where they are put.
    void setLayout(JovLayoutManager* layout);
    JovLayoutManager* getLayout() const { return layout.get(); }
    virtual void doLayout();

    // The first visible child containing the point, else this container when it contains it.
    JovComponent* getComponentAt(int x, int y) override;
    // An explicit preferred size first, then the layout manager's, then the component rule.
    JovDimension getPreferredSize() override;
    // Lays the children out, then validates each of them.
    void validate() override;
    // Creates the container's peer before its children's, since theirs live inside it.
    void addNotify() override;
    void removeNotify() override;

    JovString toString() const override;

private:
    bool refusesChild(const JovComponent* component) const;
    void detachFromParent(JovComponent* component);

    JovVector children;
    JovReference<JovLayoutManager> layout;
};
