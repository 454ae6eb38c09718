// The window system as the component model sees it: creates and destroys the native peers of
// components, ends the message loop, and answers a few questions about the screen. One realisation
// installs itself as the process's toolkit; without one, components simply stay without peers.
#pragma once

#include "awt/JovDimension.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

#include <functional>

class JovComponent;
class JovComponentPeer;
class JovImage;

class JovToolkit : public JovObject {
public:
    // The process's toolkit, or null before one was created.
    static JovToolkit* getDefaultToolkit();

    virtual JovDimension getScreenSize() const = 0;
    // Dots per inch; this toolkit does not know them and answers -1.
    virtual int getScreenResolution() const = 0;
    // A new image (not yet referenced) from a BMP file, or null when the file cannot be read.
    virtual JovImage* getImage(const JovString& fileName) = 0;
    virtual void beep() = 0;
    // Creates the peer matching component's class on the UI thread, whatever thread asks, and
    // answers it holding one reference for the component; null when no native window could be
    // made. Peers are counted on the UI thread only.
    virtual JovComponentPeer* createPeer(JovComponent* component) = 0;
    // Destroys peer's native window on the UI thread and drops the component's reference there.
    virtual void destroyPeer(JovComponentPeer* peer) = 0;
    // Ends the message loop with exitCode, from any thread.
    virtual void quit(int exitCode) = 0;
    // Runs work on the UI thread after the messages already queued, from any thread; work that
    // is still queued when the message loop ends is dropped.
    virtual void invokeLater(std::function<void()> work) = 0;
    // True when another process already claimed name: the application decides what follows.
    virtual bool isAlreadyRunning(const JovString& name) = 0;
    // The component whose native window has the keyboard focus, or null.
    virtual JovComponent* getFocusOwner() const = 0;

protected:
    static void setDefaultToolkit(JovToolkit* toolkit);
};
