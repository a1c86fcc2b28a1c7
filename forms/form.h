// A dialog as data: each control's kind, id, text and box in dialog units,
// in the order of the template, which is also the tab order. The desktop
// builds wx widgets from it (dialogs/) and the browser builds HTML (web/),
// so that both lay out the same dialog.
#pragma once

#include <span>

// A box in dialog units: a quarter of the dialog font's average character
// width across, an eighth of its height down. Boxes marked "widened" in the
// tables were made just wide enough for their text in the GTK dialog font,
// which sets some texts wider for its unit: every text must show whole.
struct DlgBox {
    int x;
    int y;
    int w;
    int h;
};

enum class DlgControl {
    DefaultButton,  // the dialog's accept button; Enter presses it
    Button,
    Static,         // left-aligned, wraps at word breaks like a template's static
    CentredStatic,  // centred lines, wrapped at word breaks
    Edit,           // single line, bordered, scrolls horizontally, any text, no length limit
    FirstRadio,     // starts a group of radio buttons
    Radio,          // joins the group of the radio button before it
    Group,          // group box, caption (if any) on the left
    GroupCentred,   // group box, caption centred
    GroupRight,     // group box, caption at the right end
    Icon,           // an image at its own size; the box gives only the position
    Picture,        // an image at its own size in a sunken frame at the box's corner;
                    // the box is only the area reserved
    ListBox,        // single selection, unsorted, bordered, no scroll bar; lines in the
                    // order added
};

// The program's pictures that dialogs show (resources/).
enum class FormImage { None, DecimatorDiagram, InterpolatorDiagram, ConverterDiagram, AppIcon };

// The file in resources/ that holds an image; nullptr for None.
const char* ImageFileName(FormImage image);

// The id of controls nobody addresses (labels, group boxes, pictures).
inline constexpr int kNoId = -1;
// The id of every dialog's accept button.
inline constexpr int kAcceptId = 1;

struct DlgItem {
    DlgControl kind;
    int id;
    const char* text;  // label or caption; nullptr for none
    DlgBox box;
    FormImage image = FormImage::None;  // Icon and Picture only
};

struct Form {
    const char* caption;
    int width;  // of the client area, in dialog units
    int height;
    std::span<const DlgItem> items;
};
