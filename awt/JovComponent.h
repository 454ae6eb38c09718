// The base of everything shown in a window: geometry, state, looks, listener chains and event
// dispatch. A component is realised on screen by a native peer, created on demand by addNotify and
// deleted by removeNotify; until then every setting is only kept here.
#pragma once

#include "awt/JovColor.h"
#include "awt/JovDimension.h"
#include "awt/JovFont.h"
#include "awt/JovInsets.h"
#include "awt/JovPoint.h"
#include "awt/JovRectangle.h"
#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"

class JovAWTEvent;
class JovAWTEventMulticaster;
class JovBorder;
class JovComponentPeer;
class JovContainer;
class JovFocusEvent;
class JovFocusListener;
class JovGraphics;
class JovKeyEvent;
class JovKeyListener;
class JovMouseEvent;
class JovMouseListener;
class JovMouseMotionListener;

class JovComponent : public JovObject {
public:
    // The largest extent a component asks for.
    static constexpr int MAXIMUM_EXTENT = 32767;

    JovComponent();
    JovComponent(const JovComponent&) = delete;
    JovComponent& operator=(const JovComponent&) = delete;
    ~JovComponent() override;

    // Geometry in the parent's coordinates, in pixels. Every form ends in the four-int setBounds.
    virtual void setBounds(int x, int y, int width, int height);
    void setBounds(const JovRectangle& bounds);
    void setLocation(int x, int y);
    void setLocation(const JovPoint& location);
    void setSize(int width, int height);
    void setSize(const JovDimension& size);
    JovRectangle getBounds() const { return bounds; }
    JovPoint getLocation() const { return JovPoint(bounds.x, bounds.y); }
    JovDimension getSize() const { return JovDimension(bounds.width, bounds.height); }
    int getX() const { return bounds.x; }
    int getY() const { return bounds.y; }
    int getWidth() const { return bounds.width; }
    int getHeight() const { return bounds.height; }
    // In the component's own coordinates.
    virtual bool contains(int x, int y) const;
    virtual JovComponent* getComponentAt(int x, int y);
    // Records where the native window now is without moving it again; true when the size changed.
    bool storeBounds(int x, int y, int width, int height);

    // The explicit preferred size when both parts are above 0, else the peer's, else the minimum.
    virtual JovDimension getPreferredSize();
    // The current size.
    virtual JovDimension getMinimumSize();
    virtual JovDimension getMaximumSize();
    void setPreferredSize(const JovDimension& size);
    bool isPreferredSizeSet() const { return preferredSize.width > 0 && preferredSize.height > 0; }

    virtual void setVisible(bool visible);
    virtual void show();
    virtual void hide();
    bool isVisible() const { return visible; }
    virtual void setEnabled(bool enabled);
    bool isEnabled() const { return enabled; }
    void setFocusable(bool focusable);
    bool isFocusable() const { return focusable; }
    virtual void requestFocus();
    bool isValid() const { return valid; }
    virtual void validate();
    virtual void invalidate();
    // The peer-creation hook: creates the native peer. An override calls the base first; it runs
    // when the native window exists.
    virtual void addNotify();
    virtual void removeNotify();
    bool isDisplayable() const { return displayable; }

    // The background is painted only when it is opaque (alpha above 254).
    virtual void setBackground(const JovColor& color);
    const JovColor& getBackground() const { return background; }
    virtual void setForeground(const JovColor& color);
    const JovColor& getForeground() const { return foreground; }
    virtual void setFont(const JovFont& font);
    const JovFont& getFont() const { return font; }
    // Takes ownership of border and deletes the previous one; null removes the border.
    void setBorder(JovBorder* border);
    JovBorder* getBorder() const { return border; }
    // The native window's insets plus the border's.
    virtual JovInsets getInsets();
    virtual void setToolTipText(const JovString& text);
    const JovString& getToolTipText() const { return toolTipText; }
    void setName(const JovString& name) { this->name = name; }
    const JovString& getName() const { return name; }

    // What the application draws; the graphics colour is the foreground when it is called.
    virtual void paint(JovGraphics& graphics);
    // Background, border, then paint.
    virtual void update(JovGraphics& graphics);
    virtual void repaint();

    // Listeners are not owned; a listener must stay alive while it is registered.
    void addKeyListener(JovKeyListener* listener);
    void removeKeyListener(JovKeyListener* listener);
    void addFocusListener(JovFocusListener* listener);
    void removeFocusListener(JovFocusListener* listener);
    void addMouseListener(JovMouseListener* listener);
    void removeMouseListener(JovMouseListener* listener);
    void addMouseMotionListener(JovMouseMotionListener* listener);
    void removeMouseMotionListener(JovMouseMotionListener* listener);
    // A counted reference on the popup menu widget; null removes it.
    void setPopupMenu(JovComponent* menu);
    JovComponent* getPopupMenu() const { return popupMenu.get(); }
    void removePopupMenu();

    // A mouse press takes the focus first; then processEvent.
    virtual void dispatchEvent(JovAWTEvent& event);
    // Chooses the hook by the id's group; events of other groups go to the peer.
    virtual void processEvent(JovAWTEvent& event);
    virtual void processFocusEvent(JovFocusEvent& event);
    virtual void processMouseEvent(JovMouseEvent& event);
    virtual void processMouseMotionEvent(JovMouseEvent& event);
    virtual void processKeyEvent(JovKeyEvent& event);

    // Not counted: a component is held by its parent, not the other way round.
    JovContainer* getParent() const { return parent; }
    JovComponentPeer* getPeer() const { return peer; }
    // The peer as the kind of peer this component's class makes; null before the peer exists.
    template <class Peer> Peer* getPeerAs() const { return dynamic_cast<Peer*>(peer); }

    JovString toString() const override;

protected:
    // Sets the visible flag alone, for subclasses that show themselves differently.
    void setVisibleFlag(bool isVisible) { visible = isVisible; }

private:
    friend class JovContainer;

    static constexpr int opaqueAlpha = 254;

    JovColor background;
    JovColor foreground;
    bool displayable;
    bool focusable;
    bool enabled;
    JovString name;
    JovContainer* parent;
    JovComponentPeer* peer;
    JovDimension preferredSize;
    JovFont font;
    bool valid;
    bool visible;
    JovRectangle bounds;
    JovAWTEventMulticaster* keyListeners;
    JovAWTEventMulticaster* focusListeners;
    JovAWTEventMulticaster* mouseListeners;
    JovAWTEventMulticaster* mouseMotionListeners;
    JovReference<JovComponent> popupMenu;
    JovString toolTipText;
    JovBorder* border;
};
