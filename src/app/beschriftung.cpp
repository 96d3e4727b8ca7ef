#include "app/beschriftung.h"

#include "app/schriftwahl.h"

#include <QEvent>

Beschriftung::Beschriftung(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Beschriftung::setAutoSize(bool an)
{
    autoSize_ = an;
    anpassen();
}

void Beschriftung::setRahmen(bool an)
{
    setFrameStyle(an ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
    anpassen();
}

void Beschriftung::setSchriften(const QList<QFont> &schriften)
{
    schriften_ = schriften;
    einpassen();
}

void Beschriftung::setCaption(const QString &text)
{
    // The same caption again changes nothing: fitting a face is the dearest part of a caption.
    if (text == this->text())
        return;
    setText(text);
    einpassen();
}

void Beschriftung::einpassen()
{
    if (!schriften_.isEmpty())
        setFont(passendeSchrift(schriften_, {text()}, contentsRect().size()));
    anpassen();
}

void Beschriftung::changeEvent(QEvent *ereignis)
{
    QLabel::changeEvent(ereignis);
    // A new font changes the room the caption needs.
    if (ereignis->type() == QEvent::FontChange)
        anpassen();
}

void Beschriftung::anpassen()
{
    if (!autoSize_)
        return;
    if (wordWrap()) {
        // Word wrap keeps the width and lets the label grow (or shrink) downwards.
        resize(width(), qMax(heightForWidth(width()), 1));
    } else {
        resize(sizeHint());
    }
}
