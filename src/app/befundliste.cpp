#include "app/befundliste.h"

#include <QMouseEvent>

Befundliste::Befundliste(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, [this] { geklickt_ = true; });
}

void Befundliste::mousePressEvent(QMouseEvent *ereignis)
{
    gedruecktAufEintrag_ = itemAt(ereignis->position().toPoint()) != nullptr;
    QListWidget::mousePressEvent(ereignis);
}

void Befundliste::mouseReleaseEvent(QMouseEvent *ereignis)
{
    geklickt_ = false;
    QListWidget::mouseReleaseEvent(ereignis);
    const bool gezogen = gedruecktAufEintrag_ && !geklickt_;
    gedruecktAufEintrag_ = false;
    if (!gezogen)
        return;
    // While dragging, the list moves the highlight, not always the current entry with it.
    const QList<QListWidgetItem *> markiert = selectedItems();
    if (markiert.isEmpty())
        return;
    if (currentItem() != markiert.first())
        setCurrentItem(markiert.first());
    Q_EMIT gezogenGewaehlt();
}
