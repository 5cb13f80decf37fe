// Captions and fonts of the animated screens' buttons.
#include "screens/zones/screen_buttons.h"

#include "shell/application.h"
#include "shell/platform/text_fit.h"

void SetAnimatedScreenButtons(PushButton* start, PushButton* reset, FontSize size) {
    const TextSet& t = *app.texts;
    SetFittingButtonFont(app.menu_button->window, app.page_font, size, {&t.menu_button});
    // Start and Reset stand side by side: one font for both.
    SetFittingButtonsFont({{start->window, {&t.start_caption, &t.continue_caption, &t.pause_caption}},
                           {reset->window, {&t.reset_caption}}},
                          app.page_font, size);
    SetControlCaption(app.menu_button->window, t.menu_button);
    SetControlCaption(start->window, t.start_caption);
    SetControlCaption(reset->window, t.reset_caption);
}
