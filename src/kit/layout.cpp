#include "kit/layout.h"

#include "kit/spoken_names.h"
#include "kit/styles.h"

namespace talvera::kit::layout {

using ui::ControlKind;

ui::Control& titledFrame(ui::Form& form, std::string name, const ui::Control* container,
                         ui::Rect place, std::string caption) {
    return form.add({.kind = ControlKind::Frame,
                     .name = std::move(name),
                     .place = place,
                     .text = std::move(caption),
                     .container = container,
                     .font = styles::frameCaption,
                     .foreground = ui::colors::blue,
                     .border = ui::Border::Titled});
}

ui::Control& panel(ui::Form& form, std::string name, const ui::Control* container, ui::Rect place) {
    return form.add({.kind = ControlKind::Frame,
                     .name = std::move(name),
                     .place = place,
                     .container = container,
                     .visible = false});
}

ui::Control& termBox(ui::Form& form, Naming naming, const ui::Control* container, int left, int top,
                     std::string text, int maxLength, const BoxStyle& style) {
    return form.add({.kind = ControlKind::TextBox,
                     .name = std::move(naming.name),
                     .place = {left, top, style.width, boxHeight},
                     .text = std::move(text),
                     .container = container,
                     .font = style.font,
                     .accessibleName = std::move(naming.spoken),
                     .border = style.border,
                     .maxLength = maxLength});
}

ui::Control& resultBox(ui::Form& form, Naming naming, const ui::Control* container, int left,
                       int top, const BoxStyle& style) {
    return form.add({.kind = ControlKind::TextBox,
                     .name = std::move(naming.name),
                     .place = {left, top, style.width, boxHeight},
                     .container = container,
                     .font = style.font,
                     .accessibleName = std::move(naming.spoken),
                     .border = style.border,
                     .readOnly = true,
                     .tabStop = false});
}

ui::Control& fractionBar(ui::Form& form, std::string name, const ui::Control* container, int x1,
                         int x2, int y, int widthPixels) {
    return form.add({.kind = ControlKind::Line,
                     .name = std::move(name),
                     .place = {x1, y, x2 - x1, 0},
                     .container = container,
                     .foreground = ui::colors::blue,
                     .lineWidth = widthPixels});
}

ui::Control& signLabel(ui::Form& form, std::string name, const ui::Control* container,
                       ui::Rect place, std::string sign) {
    return form.add({.kind = ControlKind::Label,
                     .name = std::move(name),
                     .place = place,
                     .text = std::move(sign),
                     .container = container,
                     .font = styles::sign,
                     .foreground = ui::colors::blue,
                     .alignment = ui::Alignment::Center});
}

ui::Control& equalsButton(ui::Form& form, std::string name, std::string_view taskNoun,
                          const ui::Control* container, int left, int top, std::string caption) {
    return form.add({.kind = ControlKind::Button,
                     .name = std::move(name),
                     .place = {left, top, 315, 315},
                     .text = std::move(caption),
                     .container = container,
                     .font = styles::equalsButton,
                     .background = ui::colors::grey,
                     .tooltip = styles::equalsTooltip,
                     .accessibleName = spoken::perform(taskNoun)});
}

void pressOnEnter(const std::vector<ui::Control*>& boxes, ui::Control& button) {
    for (ui::Control* box : boxes) {
        box->setEnterTarget(&button);
    }
}

ui::Control& clearButton(ui::Form& form, std::string name, std::string_view taskNoun,
                         const ui::Control* container, int left, int top, Clearing what) {
    const bool all = what == Clearing::All;
    return form.add(
        {.kind = ControlKind::Button,
         .name = std::move(name),
         .place = {left, top, 315, 195},
         .container = container,
         .tooltip = all ? styles::clearAllTooltip : styles::clearResultTooltip,
         .accessibleName = all ? spoken::clearAll(taskNoun) : spoken::clearResult(taskNoun),
         .picture = all ? styles::clearAllPicture : styles::clearResultPicture});
}

void TabOrder::applyTo(ui::Form& form) const {
    std::vector<const ui::Control*> order = tabbed_;
    order.insert(order.end(), clearing_.begin(), clearing_.end());
    form.setTabOrder(std::move(order));
}

}  // namespace talvera::kit::layout
