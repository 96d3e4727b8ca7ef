#include "app/knopf.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void Knopf::paintEvent(QPaintEvent *)
{
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString beschriftung = option.text;
    option.text.clear();
    maler.drawControl(QStyle::CE_PushButton, option);
    const QRect innen = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The caption stands whole in the button: where a word is wider than the button, the face
    // is set smaller until it fits.
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const QString text = beschriftung.simplified();
    QFont schrift = font();
    while (schrift.pointSizeF() > 5
           && !innen.contains(QFontMetrics(schrift).boundingRect(innen, flags, text)))
        schrift.setPointSizeF(schrift.pointSizeF() - 0.25);
    maler.setFont(schrift);
    maler.drawItemText(innen, flags, option.palette, isEnabled(), text, QPalette::ButtonText);
}
