#include "gui/shell/zoom_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "gui/shell/window_zoom.h"
#include "settings/zoom.h"

namespace {

constexpr const char* kItemTexts[] = {"&100%", "1&50%", "&200%", "&300%"};  // as ZoomPercents
static_assert(std::size(kItemTexts) == ZoomPercents.size());

constexpr const char* kAppliesAtOnce = "The window changes size at once";
constexpr const char* kTooLarge = "The window would not fit on this screen";

}  // namespace

void AddZoomMenu(QMenu* setup, WindowZoom& zoom) {
    QMenu* menu = setup->addMenu("&Zoom");
    menu->setToolTipsVisible(true);
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < ZoomPercents.size(); ++i) {
        QAction* item = menu->addAction(kItemTexts[i]);
        item->setCheckable(true);
        item->setData(ZoomPercents[i]);
        group->addAction(item);
    }
    menu->addSeparator();
    menu->addAction(kAppliesAtOnce)->setEnabled(false);

    QObject::connect(group, &QActionGroup::triggered, menu,
                     [&zoom](QAction* item) { zoom.Apply(item->data().toInt()); });
    // The screen may have changed since the last look: the window moved.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&zoom, group] {
        for (QAction* item : group->actions()) {
            const int percent = item->data().toInt();
            item->setChecked(percent == zoom.Percent());
            item->setEnabled(percent == zoom.Percent() || zoom.Fits(percent));
            item->setToolTip(item->isEnabled() ? kAppliesAtOnce : kTooLarge);
        }
    });
}
