// The small pictures of a list view or tree view: each distinct picture is copied once into a
// native image list, scaled to the list's picture size, and found again by its pixels, so that
// rows refilled with freshly loaded copies of the same pictures do not make the list grow.
#pragma once

#include "lang/JovObject.h"
#include "util/JovVector.h"

#include <cstdint>
#include <unordered_map>

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

    // The list's index of image (or of an equal picture), added on first use; NO_IMAGE for null
    // or when the list could not take it. The list holds a counted reference on every image it
    // took.
    int indexOf(JovImage* image);
    ListHandle getHandle() const { return list; }
    int getImageCount() const { return images.size(); }

    JovString toString() const override;

private:
    int add(JovImage* image, std::uint64_t key);
    // The index of a picture taken before with the same pixels, or NO_IMAGE.
    int indexOfEqual(const JovImage* image, std::uint64_t key) const;

    ListHandle list;
    JovVector images;
    std::unordered_multimap<std::uint64_t, int> indexesByPixels;
};
