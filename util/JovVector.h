#pragma once
// The library's object list: a handle on a shared, growable array of counted references.
// Element operations hold the vector's own lock; bad indexes write an error line instead of
// throwing.

#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"

class JovVector : public JovObject {
public:
    class VectorValue : public JovObject {
    public:
        VectorValue();
        VectorValue(const VectorValue&) = delete;
        VectorValue& operator=(const VectorValue&) = delete;
        ~VectorValue() override;

        JovString toString() const override;

        int size() const { return count; }
        JovObject* at(int index) const { return elements[index].get(); }
        // Takes a reference on element; index must lie in 0..size.
        void insertAt(int index, JovObject* element);
        // Takes a reference on the new element, then releases the old one.
        void replaceAt(int index, JovObject* element);
        // Closes the gap before releasing, so the element's destructor sees a consistent list.
        void removeAt(int index);
        void removeAll();

    private:
        JovReference<JovObject>* elements;
        int count;
        int capacity;
    };

    JovVector();
    // Shares the other's element list.
    JovVector(const JovVector& other) = default;
    JovVector& operator=(const JovVector& other) = default;
    ~JovVector() override = default;

    bool add(JovObject* element);
    void addElement(JovObject* element);
    void addElement(const JovString& text);
    void insertElementAt(JovObject* element, int index);
    JovObject* elementAt(int index) const;
    JovObject* firstElement() const;
    JovObject* lastElement() const;
    void setElementAt(JovObject* element, int index);
    void removeElementAt(int index);
    bool removeElement(const JovObject* element);
    void removeAllElements();
    int indexOf(const JovObject* element) const;
    bool contains(const JovObject* element) const;
    int size() const;
    bool isEmpty() const;

    // A new vector holding a clone of each element.
    JovObject* clone() const override;
    JovString toString() const override;

private:
    JovReference<VectorValue> value;
};
