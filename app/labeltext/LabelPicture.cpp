// Rendering a menu's label into a picture file through the label view's print drawing.

#include "app/labeltext/LabelPicture.h"

#include "app/GageView.h"
#include "app/Step1Panel.h"
#include "awt/windows/JovPngPrinter.h"
#include "lang/JovReference.h"
#include "util/JovDate.h"

bool LabelPicture::write(const MealComposer& composer, const JovString& path) {
    const JovReference<GageView> view(new GageView());
    view->setSize(GageView::LABEL_WIDTH, GageView::LABEL_HEIGHT);
    view->showComposition(composer);
    view->setMenuType(Step1Panel::INITIAL_MENU_TYPE);
    view->setUseByLine(
        GageView::useByLineFor(JovDate(JovDate().getTime() + Step1Panel::SECONDS_PER_DAY)));
    const bool written = JovPngPrinter::write(
        *view, JovDimension(GageView::LABEL_WIDTH, GageView::LABEL_HEIGHT), PIXELS_PER_INCH, path);
    return written;
}
