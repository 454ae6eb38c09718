// The pictures in front of table rows, loaded once per kind of picture, so that filling or
// redrawing a large table reads no picture file per row.
#pragma once

#include "lang/JovReference.h"

#include <functional>
#include <map>
#include <string>

class JovImage;
class JovImageIcon;

class PictureCache {
public:
    // Shown for an item whose own picture cannot be loaded.
    static constexpr const char* noPicture = "images/noicon.bmp";

    // The picture kept under kind; on first use loaded with load (an icon owned by the caller),
    // or noPicture when that one is empty. Null when neither file loads.
    JovImage* imageFor(const std::string& kind, const std::function<JovImageIcon*()>& load);

private:
    std::map<std::string, JovReference<JovImageIcon>> icons;
};
