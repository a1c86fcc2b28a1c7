// The few GTK details behind CTemplateDialog that wxWidgets does not offer.
#pragma once

#include <functional>

class wxRadioButton;
class wxStaticBox;
class wxStaticText;

// Text at the top of its box, wrapped at word breaks when it is wider than
// the box, as a template's static text is.
void WrapLikeTemplateStatic(wxStaticText& label);

// Where the caption sits along the top edge: 0 left, 0.5 centre, 1 right.
void AlignGroupCaption(wxStaticBox& box, float position);

// Runs `action` whenever GTK reports a click of the button: a mouse click,
// Space on it, or an arrow key moving the check onto it. GTK also reports a
// click to the button losing the check; that one is not passed on.
void OnRadioClicked(wxRadioButton& button, std::function<void()> action);
