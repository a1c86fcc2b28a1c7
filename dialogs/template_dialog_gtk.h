// The few GTK details behind CTemplateDialog that wxWidgets does not offer.
#pragma once

#include <functional>

class wxRadioButton;
class wxFont;
class wxWindow;
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

// The resolution GTK sets text at, in dots per inch: 96 on most desktops,
// more with larger text (GDK_DPI_SCALE, GNOME's "Large Text").
double TextResolution();

// The size in pixels of one line of `text` (UTF-8) in `font` set at
// `resolution` dots per inch.
struct TextSize {
    double width;
    double height;
};
TextSize MeasureText(const wxFont& font, double resolution, const char* text);

// Sets the text of a control, and of every part it is made of, in `family`
// at a size given in points at 96 dots per inch and kept at that size in
// pixels: larger text on the desktop (GDK_DPI_SCALE, GNOME's "Large Text")
// does not change it. It overrides the font wxWidgets gives the control.
void SetTextSizeInPixels(wxWindow& control, const char* family, double pointsAt96);
