#pragma once
// What a user does to a component, turned into the model's events. The Qt
// widgets and the script driver both go through these, so a typed text, a
// click or a spin step behaves the same in the window and in a script. Each
// runs as one user action (App::userAction): a conversion error or a failed
// settings write ends it with its message.
#include <string>

namespace tv {

class App;
class Component;

namespace user {

// Replaces the text of an edit, memo or editable combo box (change handler on
// change); a text typed into a combo box selects no item.
void typeText(App& app, Component& c, const std::string& text);
// The most characters a user can type into an edit field (its maximum length,
// or the widget's own limit of 32767 when it has none); 0 for no limit.
int lengthLimit(const Component& c);
// What the field keeps of a typed text: the first lengthLimit characters
// (counted as the widget counts them, in UTF-16 units).
std::string keptText(const Component& c, const std::string& text);
// Enter: key-down and key-press of code 13.
void pressEnter(App& app, Component& c);
// A click: a check box toggles; anything else runs its click handler.
void click(App& app, Component& c);
// Picks an item: a radio group raises its click, a combo box or tab strip its
// change handler, each only when the selection changes.
void pick(App& app, Component& c, int index);
// Moves a track bar (change handler when the position changes).
void slide(App& app, Component& c, int position);
// A spin-button step (+1 or -1): the step request, the new position from the
// bound field's number where it holds one, the field's new text, the click.
void spin(App& app, Component& c, int step);
// Clicks into a field (enter, then click handler) / leaves it (exit handler).
void focus(App& app, Component& c);
void leave(App& app, Component& c);

}  // namespace user
}  // namespace tv
