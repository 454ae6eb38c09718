// The drawing context handed to paint: a thin layer over a GDI device context. Every coordinate
// passes through the affine transform, so the same painting code draws on the screen (identity)
// and on the printer (a scaling).
#pragma once

#include "awt/JovColor.h"
#include "awt/JovPoint.h"
#include "awt/JovRectangle.h"
#include "awt/geom/JovAffineTransform.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovFont;
class JovImage;

class JovGraphics : public JovObject {
public:
    // An HDC or a GDI object handle, kept opaque so that painting code needs no <windows.h>.
    using Handle = void*;

    // Without a device context the drawing operations do nothing until one is set.
    JovGraphics();
    explicit JovGraphics(Handle deviceContext);
    JovGraphics(const JovGraphics&) = delete;
    JovGraphics& operator=(const JovGraphics&) = delete;
    // Selects the stock objects back into the device context and deletes the pen, brush and
    // font the graphics created; the context itself belongs to whoever gave it.
    ~JovGraphics() override;

    // The previous context gets the stock objects back, so that it can be released or deleted;
    // the new one gets the current pen, brush, font and text colour.
    void setDeviceContext(Handle deviceContext);
    Handle getDeviceContext() const { return deviceContext; }

    void setClip(const JovRectangle& clip) { clipRect = clip; }
    const JovRectangle& getClip() const { return clipRect; }
    void setOrigin(const JovPoint& point) { origin = point; }
    const JovPoint& getOrigin() const { return origin; }

    void setColor(const JovColor& color);
    // Opaque: the device colour has no alpha.
    JovColor getColor() const;
    // size is a cell height in untransformed units; weight goes to the platform unchanged.
    void setFont(const JovString& faceName, int weight, int size);
    void setFont(const JovFont& font);

    void drawRect(double x, double y, double w, double h);
    void fillRect(double x, double y, double w, double h);
    // y is the baseline.
    void drawString(const JovString& text, int x, int y);
    // Stretches the whole image onto the rectangle; null draws nothing.
    void drawImage(const JovImage* image, int x, int y, int w, int h);

    // In untransformed units, so that layouts measured on screen hold on paper: with a font set
    // through setFont they are the same under any scale.
    int stringWidth(const JovString& text) const;
    int stringHeight(const JovString& text) const;

    const JovAffineTransform& getTransform() const { return *transform; }
    void setTransform(const JovAffineTransform& newTransform);

    JovString toString() const override;

private:
    struct Extent {
        int width;
        int height;
    };
    struct DevicePoint {
        int x;
        int y;
    };

    void replacePenAndBrush();
    void selectCurrentObjects();
    void selectStockObjects();
    void deleteCreatedObjects();
    static Handle createFont(const JovString& faceName, int weight, int height);
    Extent textExtent(const JovString& text) const;
    DevicePoint devicePoint(double x, double y) const;

    Handle deviceContext;
    JovRectangle clipRect;
    JovPoint origin;
    unsigned long colorRef;
    JovAffineTransform* transform;
    Handle font;
    // The same font at the untransformed size; only while the transform scales text.
    Handle measuringFont;
    Handle pen;
    Handle brush;
    int penWidth;
    int penStyle;
};
