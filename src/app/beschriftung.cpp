#include "app/beschriftung.h"

#include "app/schriftwahl.h"

#include <QEvent>
#include <QTextLayout>

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

void Beschriftung::setKuerzen(bool an)
{
    kuerzen_ = an;
    zeigen();
}

void Beschriftung::setCaption(const QString &text)
{
    // The same caption again changes nothing: fitting a face is the dearest part of a caption.
    if (text == caption_)
        return;
    caption_ = text;
    einpassen();
}

void Beschriftung::einpassen()
{
    if (!schriften_.isEmpty())
        setFont(passendeSchrift(schriften_, {caption_}, contentsRect().size()));
    zeigen();
    anpassen();
}

void Beschriftung::changeEvent(QEvent *ereignis)
{
    QLabel::changeEvent(ereignis);
    // A new font changes the room the caption needs.
    if (ereignis->type() == QEvent::FontChange) {
        zeigen();
        anpassen();
    }
}

void Beschriftung::resizeEvent(QResizeEvent *ereignis)
{
    QLabel::resizeEvent(ereignis);
    zeigen();
}

bool Beschriftung::event(QEvent *ereignis)
{
    // A tooltip the window sets is kept, to follow the full caption of a shortened one.
    if (ereignis->type() == QEvent::ToolTipChange && !eigenerTipWirdGesetzt_) {
        eigenerTip_ = toolTip();
        zeigen();
    }
    return QLabel::event(ereignis);
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

void Beschriftung::zeigen()
{
    const QString gezeigt = kuerzen_ ? gekuerzt() : caption_;
    if (text() != gezeigt)
        setText(gezeigt);
    if (!kuerzen_)
        return;
    const bool ganz = gezeigt == caption_;
    QString tip = eigenerTip_;
    if (!ganz)
        tip = caption_ + (tip.isEmpty() ? QString() : QStringLiteral("\n\n") + tip);
    if (toolTip() != tip) {
        eigenerTipWirdGesetzt_ = true;
        setToolTip(tip);
        eigenerTipWirdGesetzt_ = false;
    }
    // A label that shows its text whole is read out by it; a name the window gave stays.
    if (accessibleName().isEmpty() || accessibleName() == gesetzterName_) {
        gesetzterName_ = ganz ? QString() : caption_;
        if (accessibleName() != gesetzterName_)
            setAccessibleName(gesetzterName_);
    }
}

QString Beschriftung::gekuerzt() const
{
    const QRect raum = contentsRect();
    const QFontMetrics metrik(font());
    const int breite = raum.width();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    if (breite <= 0 || raum.height() <= 0
        || raum.contains(metrik.boundingRect(raum, flags, caption_)))
        return caption_;
    if (!wordWrap())
        return metrik.elidedText(caption_, Qt::ElideRight, breite);
    // As many whole lines as the height holds, at least one; the last takes the rest of the
    // caption, shortened with "…". A word wider than the label breaks within it.
    const int zeilen = qMax(1, (raum.height() - metrik.height()) / metrik.lineSpacing() + 1);
    QString text = caption_;
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout satz(text, font());
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    satz.setTextOption(umbruch);
    satz.beginLayout();
    QStringList gezeigt;
    for (QTextLine zeile = satz.createLine(); zeile.isValid(); zeile = satz.createLine()) {
        zeile.setLineWidth(breite);
        if (gezeigt.size() + 1 == zeilen) {
            const QString rest = caption_.mid(zeile.textStart()).replace(u'\n', u' ').trimmed();
            gezeigt.append(metrik.elidedText(rest, Qt::ElideRight, breite));
            break;
        }
        gezeigt.append(caption_.mid(zeile.textStart(), zeile.textLength()).trimmed());
    }
    satz.endLayout();
    return gezeigt.join(u'\n');
}
