// A picture loaded from a BMP file; a file that cannot be loaded gives an empty icon. The file is
// read when the picture is first asked for, so an icon asked only for its name costs no reading.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"

class JovImage;

class JovImageIcon : public JovObject {
public:
    // A missing or unreadable file leaves the icon empty, no exception.
    explicit JovImageIcon(const JovString& fileName);
    JovImageIcon(const JovImageIcon&) = delete;
    JovImageIcon& operator=(const JovImageIcon&) = delete;
    ~JovImageIcon() override;

    // The file name exactly as given.
    const JovString& getDescription() const { return description; }
    // The icon keeps the image; null when the file did not load.
    JovImage* getImage() const;
    // 0 when empty.
    int getIconWidth() const;
    int getIconHeight() const;

    JovString toString() const override;

private:
    JovString description;
    mutable bool read;
    mutable JovReference<JovImage> image;
};
