// Component state, peer life cycle, painting order and the dispatch of events to the listener
// chains.

#include "awt/JovComponent.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/JovContainer.h"
#include "awt/JovGraphics.h"
#include "awt/JovToolkit.h"
#include "awt/border/JovBorder.h"
#include "awt/event/JovFocusEvent.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/windows/JovComponentPeer.h"

namespace {

constexpr int transparent = 0;
constexpr int channelMaximum = 255;

} // namespace

JovComponent::JovComponent()
    : background(channelMaximum, channelMaximum, channelMaximum, transparent), foreground(),
      displayable(false), focusable(true), enabled(true), parent(nullptr), peer(nullptr),
      valid(false), visible(true), keyListeners(nullptr), focusListeners(nullptr),
      mouseListeners(nullptr), mouseMotionListeners(nullptr), border(nullptr) {
}

JovComponent::~JovComponent() {
    // A component deleted while shown must not leave a native window pointing at it.
    JovComponent::removeNotify();
    delete border;
    removePopupMenu();
    keyListeners = JovAWTEventMulticaster::remove(keyListeners, nullptr);
    focusListeners = JovAWTEventMulticaster::remove(focusListeners, nullptr);
    mouseListeners = JovAWTEventMulticaster::remove(mouseListeners, nullptr);
    mouseMotionListeners = JovAWTEventMulticaster::remove(mouseMotionListeners, nullptr);
}

void JovComponent::setBounds(int x, int y, int width, int height) {
    bounds = JovRectangle(x, y, width, height);
    if (peer != nullptr) {
        peer->setBounds(x, y, width, height);
    }
    invalidate();
}

void JovComponent::setBounds(const JovRectangle& newBounds) {
    setBounds(newBounds.x, newBounds.y, newBounds.width, newBounds.height);
}

void JovComponent::setLocation(int x, int y) {
    setBounds(x, y, bounds.width, bounds.height);
}

void JovComponent::setLocation(const JovPoint& location) {
    setBounds(location.x, location.y, bounds.width, bounds.height);
}

void JovComponent::setSize(int width, int height) {
    setBounds(bounds.x, bounds.y, width, height);
}

void JovComponent::setSize(const JovDimension& size) {
    setBounds(bounds.x, bounds.y, size.width, size.height);
}

bool JovComponent::contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < bounds.width && y < bounds.height;
}

JovComponent* JovComponent::getComponentAt(int x, int y) {
    return contains(x, y) ? this : nullptr;
}

bool JovComponent::storeBounds(int x, int y, int width, int height) {
    const bool resized = width != bounds.width || height != bounds.height;
    bounds = JovRectangle(x, y, width, height);
    return resized;
}

JovDimension JovComponent::getPreferredSize() {
    if (isPreferredSizeSet()) {
        return preferredSize;
    }
    if (peer != nullptr) {
        return peer->getPreferredSize();
    }
    return getMinimumSize();
}

JovDimension JovComponent::getMinimumSize() {
    return getSize();
}

JovDimension JovComponent::getMaximumSize() {
    return JovDimension(MAXIMUM_EXTENT, MAXIMUM_EXTENT);
}

void JovComponent::setPreferredSize(const JovDimension& size) {
    preferredSize = size;
}

void JovComponent::setVisible(bool shown) {
    if (shown) {
        show();
        return;
    }
    hide();
}

void JovComponent::show() {
    const bool wasHidden = !visible;
    visible = true;
    if (parent == nullptr || !parent->isDisplayable()) {
        return;
    }
    validate();
    if (peer == nullptr) {
        addNotify();
    }
    if (peer != nullptr) {
        peer->setVisible(true);
    }
    // The layout skipped it while it was hidden: it takes its place at once, not at the next
    // resize of the window.
    if (wasHidden) {
        parent->invalidate();
        parent->validate();
    }
}

void JovComponent::hide() {
    visible = false;
    if (peer != nullptr) {
        peer->setVisible(false);
    }
    if (parent != nullptr) {
        parent->invalidate();
    }
}

void JovComponent::setEnabled(bool isEnabled) {
    enabled = isEnabled;
    if (peer != nullptr) {
        peer->setEnabled(isEnabled);
    }
}

void JovComponent::setFocusable(bool isFocusable) {
    focusable = isFocusable;
}

void JovComponent::requestFocus() {
    if (peer != nullptr) {
        peer->requestFocus();
    }
}

void JovComponent::validate() {
    valid = true;
}

void JovComponent::invalidate() {
    valid = false;
    if (parent != nullptr && parent->isValid()) {
        parent->invalidate();
    }
}

void JovComponent::addNotify() {
    if (peer != nullptr) {
        return;
    }
    JovToolkit* toolkit = JovToolkit::getDefaultToolkit();
    if (toolkit == nullptr) {
        return;
    }
    // The toolkit answers the peer with this component's reference already taken.
    peer = toolkit->createPeer(this);
    displayable = peer != nullptr;
}

void JovComponent::removeNotify() {
    if (peer == nullptr) {
        return;
    }
    JovComponentPeer* old = peer;
    peer = nullptr;
    displayable = false;
    // Destroys the window and drops this component's reference on the peer.
    JovToolkit* toolkit = JovToolkit::getDefaultToolkit();
    if (toolkit != nullptr) {
        toolkit->destroyPeer(old);
    }
}

void JovComponent::setBackground(const JovColor& color) {
    background = color;
    if (peer != nullptr) {
        peer->setBackground(color);
    }
}

void JovComponent::setForeground(const JovColor& color) {
    foreground = color;
    if (peer != nullptr) {
        peer->setForeground(color);
    }
}

void JovComponent::setFont(const JovFont& newFont) {
    font = newFont;
    if (peer != nullptr) {
        peer->setFont(newFont);
    }
}

void JovComponent::setBorder(JovBorder* newBorder) {
    if (newBorder == border) {
        return;
    }
    delete border;
    border = newBorder;
}

JovInsets JovComponent::getInsets() {
    JovInsets insets = peer != nullptr ? peer->getInsets() : JovInsets();
    if (border == nullptr) {
        return insets;
    }
    const JovInsets borderInsets = border->getBorderInsets(this);
    return JovInsets(insets.top + borderInsets.top, insets.left + borderInsets.left,
                     insets.bottom + borderInsets.bottom, insets.right + borderInsets.right);
}

void JovComponent::setToolTipText(const JovString& text) {
    toolTipText = text;
    if (peer != nullptr) {
        peer->setToolTipText(text);
    }
}

void JovComponent::paint(JovGraphics&) {
}

void JovComponent::update(JovGraphics& graphics) {
    if (background.getAlpha() > opaqueAlpha) {
        graphics.setColor(background);
        graphics.fillRect(0, 0, bounds.width, bounds.height);
    }
    if (border != nullptr) {
        const JovInsets insets = peer != nullptr ? peer->getInsets() : JovInsets();
        border->paintBorder(this, graphics, insets.left, insets.top,
                            bounds.width - insets.left - insets.right,
                            bounds.height - insets.top - insets.bottom);
    }
    graphics.setColor(foreground);
    paint(graphics);
}

void JovComponent::repaint() {
    if (peer != nullptr) {
        peer->repaint();
    }
}

void JovComponent::addKeyListener(JovKeyListener* listener) {
    keyListeners = JovAWTEventMulticaster::add(keyListeners, listener);
}

void JovComponent::removeKeyListener(JovKeyListener* listener) {
    if (listener != nullptr) {
        keyListeners = JovAWTEventMulticaster::remove(keyListeners, listener);
    }
}

void JovComponent::addFocusListener(JovFocusListener* listener) {
    focusListeners = JovAWTEventMulticaster::add(focusListeners, listener);
}

void JovComponent::removeFocusListener(JovFocusListener* listener) {
    if (listener != nullptr) {
        focusListeners = JovAWTEventMulticaster::remove(focusListeners, listener);
    }
}

void JovComponent::addMouseListener(JovMouseListener* listener) {
    mouseListeners = JovAWTEventMulticaster::add(mouseListeners, listener);
}

void JovComponent::removeMouseListener(JovMouseListener* listener) {
    if (listener != nullptr) {
        mouseListeners = JovAWTEventMulticaster::remove(mouseListeners, listener);
    }
}

void JovComponent::addMouseMotionListener(JovMouseMotionListener* listener) {
    mouseMotionListeners = JovAWTEventMulticaster::add(mouseMotionListeners, listener);
}

void JovComponent::removeMouseMotionListener(JovMouseMotionListener* listener) {
    if (listener != nullptr) {
        mouseMotionListeners = JovAWTEventMulticaster::remove(mouseMotionListeners, listener);
    }
}

void JovComponent::setPopupMenu(JovComponent* menu) {
    popupMenu.reset(menu);
}

void JovComponent::removePopupMenu() {
    popupMenu.reset();
}

void JovComponent::dispatchEvent(JovAWTEvent& event) {
    if (event.getID() == JovMouseEvent::MOUSE_PRESSED) {
        requestFocus();
    }
    processEvent(event);
}

void JovComponent::processEvent(JovAWTEvent& event) {
    const int id = event.getID();
    if ((id & JovAWTEvent::FOCUS_EVENT_GROUP) != 0) {
        if (auto* focusEvent = dynamic_cast<JovFocusEvent*>(&event)) {
            processFocusEvent(*focusEvent);
        }
        return;
    }
    if ((id & JovAWTEvent::MOUSE_EVENT_GROUP) != 0) {
        if (auto* mouseEvent = dynamic_cast<JovMouseEvent*>(&event)) {
            processMouseEvent(*mouseEvent);
        }
        return;
    }
    if ((id & JovAWTEvent::MOUSE_MOTION_EVENT_GROUP) != 0) {
        if (auto* motionEvent = dynamic_cast<JovMouseEvent*>(&event)) {
            processMouseMotionEvent(*motionEvent);
        }
        return;
    }
    if ((id & JovAWTEvent::KEY_EVENT_GROUP) != 0) {
        if (auto* keyEvent = dynamic_cast<JovKeyEvent*>(&event)) {
            processKeyEvent(*keyEvent);
        }
        return;
    }
    if (peer != nullptr) {
        peer->handleEvent(event);
    }
}

void JovComponent::processFocusEvent(JovFocusEvent& event) {
    if (focusListeners != nullptr) {
        switch (event.getID()) {
        case JovFocusEvent::FOCUS_GAINED:
            focusListeners->focusGained(event);
            break;
        case JovFocusEvent::FOCUS_LOST:
            focusListeners->focusLost(event);
            break;
        default:
            break;
        }
    }
    repaint();
}

void JovComponent::processMouseEvent(JovMouseEvent& event) {
    if (mouseListeners == nullptr) {
        return;
    }
    switch (event.getID()) {
    case JovMouseEvent::MOUSE_CLICKED:
        mouseListeners->mouseClicked(event);
        break;
    case JovMouseEvent::MOUSE_ENTERED:
        mouseListeners->mouseEntered(event);
        break;
    case JovMouseEvent::MOUSE_EXITED:
        mouseListeners->mouseExited(event);
        break;
    case JovMouseEvent::MOUSE_PRESSED:
        mouseListeners->mousePressed(event);
        break;
    case JovMouseEvent::MOUSE_RELEASED:
        mouseListeners->mouseReleased(event);
        break;
    default:
        break;
    }
}

void JovComponent::processMouseMotionEvent(JovMouseEvent& event) {
    if (mouseMotionListeners == nullptr) {
        return;
    }
    switch (event.getID()) {
    case JovMouseEvent::MOUSE_MOTION_MOVED:
        mouseMotionListeners->mouseMoved(event);
        break;
    case JovMouseEvent::MOUSE_MOTION_DRAGGED:
        mouseMotionListeners->mouseDragged(event);
        break;
    default:
        break;
    }
}

void JovComponent::processKeyEvent(JovKeyEvent& event) {
    if (keyListeners == nullptr) {
        return;
    }
    switch (event.getID()) {
    case JovKeyEvent::KEY_PRESSED:
        keyListeners->keyPressed(event);
        break;
    case JovKeyEvent::KEY_RELEASED:
        keyListeners->keyReleased(event);
        break;
    case JovKeyEvent::KEY_TYPED:
        keyListeners->keyTyped(event);
        break;
    default:
        break;
    }
}

JovString JovComponent::toString() const {
    return "ool.awt.JovComponent";
}
