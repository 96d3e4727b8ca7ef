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
    maler.drawItemText(innen, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                       beschriftung.simplified(), QPalette::ButtonText);
}
