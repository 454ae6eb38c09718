#include "awt/JovTextComponent.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/event/DocumentEvent.h"
#include "awt/windows/JovTextFieldPeer.h"

JovTextComponent::JovTextComponent(const JovString& text)
    : text(text), editable(true), documentListeners(nullptr) {
}

JovTextComponent::~JovTextComponent() {
    JovAWTEventMulticaster::remove(documentListeners, nullptr);
}

void JovTextComponent::setText(const JovString& newText) {
    text = newText;
    if (getPeer() != nullptr) {
        getPeer()->setText(newText);
    }
}

void JovTextComponent::setEditable(bool isEditable) {
    editable = isEditable;
    if (auto* peer = getPeerAs<JovTextFieldPeer>()) {
        peer->setEditable(isEditable);
    }
}

void JovTextComponent::selectAll() {
    if (auto* peer = getPeerAs<JovTextFieldPeer>()) {
        peer->selectAll();
    }
}

void JovTextComponent::addDocumentListener(DocumentListener* listener) {
    documentListeners = JovAWTEventMulticaster::add(documentListeners, listener);
}

void JovTextComponent::removeDocumentListener(DocumentListener* listener) {
    if (listener != nullptr) {
        documentListeners = JovAWTEventMulticaster::remove(documentListeners, listener);
    }
}

void JovTextComponent::processEvent(JovAWTEvent& event) {
    if (auto* document = dynamic_cast<DocumentEvent*>(&event)) {
        processDocumentEvent(*document);
        return;
    }
    JovComponent::processEvent(event);
}

void JovTextComponent::processDocumentEvent(DocumentEvent& event) {
    text = event.getText();
    if (documentListeners != nullptr) {
        documentListeners->changedUpdate(event);
    }
}

JovString JovTextComponent::textForm(const char* className) const {
    return JovString("ool.awt.") + className + "[,text=" + text + "]";
}
