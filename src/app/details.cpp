// The details of the finding chosen last in the list: its number, text and two descriptions in
// the four labels at the top, its exclusions in the two boxes beside them. Pressing the mouse on
// the descriptions or the boxes shows more of them.

#include "app/beschriftung.h"
#include "app/main_window.h"

#include <QPlainTextEdit>

void Main::detailsZeigen()
{
    const Befund &b = editor_.katalog().befund(editor_.gezeigt());
    lblbefund[0]->setCaption(b.befnr);
    lblbefund[1]->setCaption(b.beftext);
    lblbefund[2]->setCaption(b.befinfo1);
    lblbefund[3]->setCaption(b.befinfo2);
    // A box is filled anew only when it shows another text: laying out a long text is the dearest
    // part of a click, and a box shows its text from the start again whenever it loses the focus.
    if (txtnichtz->toPlainText() != b.befnichtz)
        txtnichtz->setPlainText(b.befnichtz);
    if (txtnichtk->toPlainText() != b.befnichtk)
        txtnichtk->setPlainText(b.befnichtk);
}

void Main::lblbefund_Mousedown(int Index)
{
    if (Index < 2)
        return;
    // While pressed, the label shows 1500 twips of its text over whatever lies below it.
    lblbefund[Index]->raise();
    setzeHoehe(lblbefund[Index], 1500);
    if (Index == 3)
        for (QWidget *w :
             {static_cast<QWidget *>(lblNichtzahn), static_cast<QWidget *>(txtnichtz),
              static_cast<QWidget *>(lblNichtKiefer), static_cast<QWidget *>(txtnichtk)})
            w->setVisible(false);
}

void Main::lblbefund_Mouseup(int Index)
{
    if (Index < 2)
        return;
    setzeHoehe(lblbefund[Index], 855);
    if (Index == 3)
        for (QWidget *w :
             {static_cast<QWidget *>(lblNichtzahn), static_cast<QWidget *>(txtnichtz),
              static_cast<QWidget *>(lblNichtKiefer), static_cast<QWidget *>(txtnichtk)})
            w->setVisible(true);
}

// The two exclusion boxes alike: 750 twips high while pressed, 285 again when released, and
// their text back as chosen whenever they lose the focus.
void Main::txtnicht_Mousedown(QPlainTextEdit *box)
{
    box->raise();
    setzeHoehe(box, 750);
}

void Main::txtnicht_Mouseup(QPlainTextEdit *box)
{
    setzeHoehe(box, 285);
}

void Main::txtnicht_LostFocus(QPlainTextEdit *box)
{
    const Befund &b = editor_.katalog().befund(editor_.gezeigt());
    box->setPlainText(box == txtnichtz ? b.befnichtz : b.befnichtk);
}
