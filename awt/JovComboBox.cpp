#include "awt/JovComboBox.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/event/DocumentEvent.h"
#include "awt/windows/JovComponentPeer.h"

JovComboBox::JovComboBox() : documentListeners(nullptr) {
    setSize(INITIAL_WIDTH, INITIAL_HEIGHT);
}

JovComboBox::~JovComboBox() {
    JovAWTEventMulticaster::remove(documentListeners, nullptr);
}

void JovComboBox::setText(const JovString& newText) {
    text = newText;
    if (getPeer() != nullptr) {
        getPeer()->setText(newText);
    }
}

JovString JovComboBox::getText() const {
    // Choosing from the list changes the edit field without a text-change notification.
    return getPeer() != nullptr ? getPeer()->getText() : text;
}

void JovComboBox::removeNotify() {
    text = getText();
    JovChoice::removeNotify();
}

void JovComboBox::addDocumentListener(DocumentListener* listener) {
    documentListeners = JovAWTEventMulticaster::add(documentListeners, listener);
}

void JovComboBox::removeDocumentListener(DocumentListener* listener) {
    if (listener != nullptr) {
        documentListeners = JovAWTEventMulticaster::remove(documentListeners, listener);
    }
}

void JovComboBox::processEvent(JovAWTEvent& event) {
    auto* document = dynamic_cast<DocumentEvent*>(&event);
    if (document == nullptr) {
        JovChoice::processEvent(event);
        return;
    }
    text = document->getText();
    if (documentListeners != nullptr) {
        documentListeners->changedUpdate(*document);
    }
}

JovString JovComboBox::toString() const {
    return JovString("ool.awt.JovComboBox[,text=") + getText() + "]";
}
