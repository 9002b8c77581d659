#include "gui/shell/panel_input_hook.h"

#include <utility>

namespace {
std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}
}  // namespace

void PanelInputsChanged() {
    if (Handler()) Handler()();
}

void SetPanelInputsChangedHandler(std::function<void()> handler) { Handler() = std::move(handler); }
