// Table row pictures, loaded once per kind.

#include "app/PictureCache.h"

#include "awt/JovImageIcon.h"

JovImage* PictureCache::imageFor(const std::string& kind,
                                 const std::function<JovImageIcon*()>& load) {
    auto known = icons.find(kind);
    if (known != icons.end()) {
        return known->second->getImage();
    }
    JovReference<JovImageIcon> icon(load());
    if (icon.get() == nullptr || icon->getImage() == nullptr) {
        icon.reset(new JovImageIcon(noPicture));
    }
    JovImage* image = icon->getImage();
    icons.emplace(kind, std::move(icon));
    return image;
}
