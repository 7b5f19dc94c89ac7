#pragma once

#include <QList>
#include <QWidget>

namespace remitor {

// One element of a form laid out like its paper original: position and size
// in twips, the object name the editor binds by, the text it shows.
struct FormItem {
    enum Kind {
        Caption,  // a label of the form
        Small,    // a small explanatory text
        Title,    // the form's big heading
        Field,    // a one-line text field
        Frame,    // a box around a group
        Button,   // a push button (date pickers, contractor search, second page)
        Check,    // a check box
        Radio,    // an option button; options inside one Frame form a group
        // A named area: the items after it, up to the next Panel, are built
        // inside it (at the form's positions), so that panels laid over one
        // another can be shown one at a time. A Panel without a name ends
        // the panels: what follows is the form's again.
        Panel,
        // The amount of `field` in words, in the document's currency, shown
        // as the amount is typed; not stored (the slips' "С думи").
        Words,
    };
    Kind kind;
    const char *name;
    const char16_t *text;
    int x, y, w, h;
    // An option or check box bound to the record: the field it sets, and the
    // value an option stands for (a check box stores it when ticked, 0 when
    // not). Without a field the box is the window's own.
    const char *field = nullptr;
    int value = 1;
};

// Creates the elements on `parent` in the order given (frames first, so
// that they stay behind what they surround) and fixes the parent's size.
void BuildForm(QWidget *parent, const QList<FormItem> &items, int widthTwips, int heightTwips);

// The form's paper colour and the colour of its captions.
inline const QColor FormPaper{250, 246, 232};
inline const QColor FormInk{0, 51, 102};

}  // namespace remitor
