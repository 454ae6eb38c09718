// The small pictures of a list view or tree view: each distinct library image is copied once into
// a native image list, scaled to the list's picture size, and found again by its image.
#pragma once

#include "lang/JovObject.h"
#include "util/JovVector.h"

struct _IMAGELIST;
class JovImage;

class JovImageList : public JovObject {
public:
    using ListHandle = _IMAGELIST*;

    // The side of one picture in pixels, as the item icons under images/ are drawn.
    static constexpr int PICTURE_SIZE = 16;
    static constexpr int NO_IMAGE = -1;

    JovImageList();
    JovImageList(const JovImageList&) = delete;
    JovImageList& operator=(const JovImageList&) = delete;
    ~JovImageList() override;

    // The list's index of image, added on first use; NO_IMAGE for null or when the list could
    // not take it. The list holds a counted reference on every image it took.
    int indexOf(JovImage* image);
    ListHandle getHandle() const { return list; }
    int getImageCount() const { return images.size(); }

    JovString toString() const override;

private:
    int add(JovImage* image);

    ListHandle list;
    JovVector images;
};
