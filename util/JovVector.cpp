// Shared-value object list with counted element references and per-vector locking.

#include "util/JovVector.h"

#include "io/JovPrintWriter.h"
#include "lang/JovStringBuffer.h"
#include "lang/JovSynchronized.h"

#include <algorithm>

namespace {

constexpr int initialCapacity = 10;

void reportError(const JovString& line) {
    JovPrintWriter::standardError().println(line);
}

} // namespace

JovVector::VectorValue::VectorValue()
    : elements(new JovReference<JovObject>[initialCapacity]), count(0), capacity(initialCapacity) {
}

JovVector::VectorValue::~VectorValue() {
    removeAll();
    delete[] elements;
}

JovString JovVector::VectorValue::toString() const {
    return "ool.util.JovVector::VectorValue";
}

void JovVector::VectorValue::insertAt(int index, JovObject* element) {
    if (count + 1 > capacity) {
        auto* larger = new JovReference<JovObject>[2 * capacity];
        std::move(elements, elements + count, larger);
        delete[] elements;
        elements = larger;
        capacity *= 2;
    }
    std::move_backward(elements + index, elements + count, elements + count + 1);
    elements[index].reset(element);
    ++count;
}

void JovVector::VectorValue::replaceAt(int index, JovObject* element) {
    elements[index].reset(element);
}

void JovVector::VectorValue::removeAt(int index) {
    const JovReference<JovObject> removed = std::move(elements[index]);
    --count;
    std::move(elements + index + 1, elements + count + 1, elements + index);
}

void JovVector::VectorValue::removeAll() {
    while (count > 0) {
        --count;
        elements[count].reset();
    }
}

JovVector::JovVector() : value(new VectorValue) {
}

bool JovVector::add(JovObject* element) {
    addElement(element);
    return true;
}

void JovVector::addElement(JovObject* element) {
    JovSynchronized guard(this);
    value->insertAt(value->size(), element);
}

void JovVector::addElement(const JovString& text) {
    addElement(new JovString(text));
}

void JovVector::insertElementAt(JovObject* element, int index) {
    JovSynchronized guard(this);
    const int size = value->size();
    const int position = index < 0 ? 0 : (index < size ? index : size);
    value->insertAt(position, element);
}

JovObject* JovVector::elementAt(int index) const {
    JovSynchronized guard(this);
    const int size = value->size();
    if (size == 0) {
        reportError("Error in Vector.elementAt: Vector is empty.");
        return nullptr;
    }
    if (index >= size) {
        reportError(JovString().format("Error in Vector.elementAt: Index %d >= %d.", index, size));
        return value->at(size - 1);
    }
    if (index < 0) {
        reportError(JovString().format("Error in Vector.elementAt: Index %d < %d.", index, size));
        return value->at(0);
    }
    return value->at(index);
}

JovObject* JovVector::firstElement() const {
    JovSynchronized guard(this);
    if (value->size() == 0) {
        reportError("Error in Vector.firstElement: Vector is empty.");
        return nullptr;
    }
    return value->at(0);
}

JovObject* JovVector::lastElement() const {
    JovSynchronized guard(this);
    if (value->size() == 0) {
        reportError("Error in Vector.lastElement: Vector is empty.");
        return nullptr;
    }
    return value->at(value->size() - 1);
}

void JovVector::setElementAt(JovObject* element, int index) {
    JovSynchronized guard(this);
    const int size = value->size();
    if (index >= size) {
        reportError(
            JovString().format("Error in JovVector.setElementAt: Index %d >= %d.", index, size));
        return;
    }
    if (index < 0) {
        reportError(JovString().format("Error in JovVector.setElementAt: Index %d < 0.", index));
        return;
    }
    value->replaceAt(index, element);
}

void JovVector::removeElementAt(int index) {
    JovSynchronized guard(this);
    const int size = value->size();
    if (index >= size) {
        reportError(
            JovString().format("Error in Vector.removeElementAt: Index %d >= %d.", index, size));
        return;
    }
    if (index < 0) {
        reportError(JovString().format("Error in JovVector.removeElementAt: Index %d < 0.", index));
        return;
    }
    value->removeAt(index);
}

bool JovVector::removeElement(const JovObject* element) {
    JovSynchronized guard(this);
    if (element == nullptr) {
        return false;
    }
    for (int i = 0; i < value->size(); ++i) {
        if (element->equals(value->at(i))) {
            value->removeAt(i);
            return true;
        }
    }
    return false;
}

void JovVector::removeAllElements() {
    JovSynchronized guard(this);
    value->removeAll();
}

int JovVector::indexOf(const JovObject* element) const {
    JovSynchronized guard(this);
    if (element == nullptr) {
        return -1;
    }
    for (int i = 0; i < value->size(); ++i) {
        const JovObject* candidate = value->at(i);
        if (candidate != nullptr && *candidate == *element) {
            return i;
        }
    }
    return -1;
}

bool JovVector::contains(const JovObject* element) const {
    return element != nullptr && indexOf(element) >= 0;
}

int JovVector::size() const {
    return value->size();
}

bool JovVector::isEmpty() const {
    return value->size() == 0;
}

JovObject* JovVector::clone() const {
    JovSynchronized guard(this);
    auto* copy = new JovVector;
    for (int i = 0; i < value->size(); ++i) {
        const JovObject* element = value->at(i);
        copy->addElement(element != nullptr ? element->clone() : nullptr);
    }
    return copy;
}

JovString JovVector::toString() const {
    JovSynchronized guard(this);
    JovStringBuffer text;
    text.append("ool.util.JovVector[");
    for (int i = 0; i < value->size(); ++i) {
        if (i > 0) {
            text.append(",");
        }
        const JovObject* element = value->at(i);
        text.append(element != nullptr ? element->toString() : JovString("null"));
    }
    text.append("]");
    return text.toString();
}
