#include "app/befundsuche.h"

#include "app/twips.h"
#include "katalog/katalog.h"
#include "katalog/suche.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

Befundsuche::Befundsuche(QWidget *fenster) : QFrame(fenster, Qt::Popup)
{
    setObjectName(QStringLiteral("Befundsuche"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    suchtext_ = new QLineEdit(this);
    suchtext_->setObjectName(QStringLiteral("suchtext"));
    suchtext_->setPlaceholderText(QStringLiteral("Befundnummer oder Text eingeben"));
    suchtext_->setFocusPolicy(Qt::NoFocus);
    suchtext_->setAccessibleName(QStringLiteral("Suchtext"));
    suchliste_ = new QListWidget(this);
    suchliste_->setObjectName(QStringLiteral("suchliste"));
    suchliste_->setSelectionMode(QAbstractItemView::SingleSelection);
    suchliste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    suchliste_->setAccessibleName(QStringLiteral("Gefundene Befunde"));
    suchliste_->setAccessibleDescription(
        QStringLiteral("Tippen sucht nach Nummer oder Text, Pfeiltasten wählen, die Eingabetaste "
                       "übernimmt den Befund in die Zeile, Escape schließt ohne Änderung."));
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(2, 2, 2, 2);
    spalte->setSpacing(2);
    spalte->addWidget(suchtext_);
    spalte->addWidget(suchliste_);
    suchliste_->installEventFilter(this);
    connect(suchtext_, &QLineEdit::textChanged, this, [this] { filtern(-1); });
    connect(suchliste_, &QListWidget::itemClicked, this, &Befundsuche::nehmen);
}

void Befundsuche::oeffnen(const Katalog &katalog, QWidget *box, int zeile, int aktuell)
{
    katalog_ = &katalog;
    setAccessibleName(QStringLiteral("Befundsuche, Zeile %1").arg(zeile + 1));
    {
        const QSignalBlocker still(suchtext_);
        suchtext_->clear();
    }
    filtern(aktuell);
    // As wide as a region box and a finding beside it; below the box, or above it where the
    // window ends first.
    QWidget *fenster = parentWidget();
    resize(tw(4700), tw(3000));
    QPoint oben = box->mapTo(fenster, QPoint(0, box->height()));
    if (oben.y() + height() > fenster->height())
        oben.setY(box->mapTo(fenster, QPoint()).y() - height());
    move(fenster->mapToGlobal(oben));
    show();
    suchliste_->setFocus(Qt::PopupFocusReason);
}

void Befundsuche::filtern(int bevorzugt)
{
    suchliste_->clear();
    const QList<int> treffer = befundeFinden(*katalog_, suchtext_->text());
    for (int i : treffer) {
        const Befund &b = katalog_->befund(i);
        auto *eintrag = new QListWidgetItem(i == 0 ? katalog_->liste().at(0)
                                                   : b.befnr + QStringLiteral("  ") + b.beftext);
        eintrag->setData(Qt::UserRole, i);
        suchliste_->addItem(eintrag);
    }
    // The preferred finding, else the first finding; the clear entry, which stands first, only
    // when nothing else is found, so that Enter never empties a row unasked.
    int wahl = bevorzugt > 0 ? treffer.indexOf(bevorzugt) : -1;
    if (wahl < 0)
        wahl = treffer.size() > 1 && treffer.first() == 0 ? 1 : 0;
    suchliste_->setCurrentRow(wahl);
}

void Befundsuche::nehmen()
{
    const QListWidgetItem *eintrag = suchliste_->currentItem();
    if (!eintrag)
        return;
    const int i = eintrag->data(Qt::UserRole).toInt();
    hide();
    Q_EMIT gewaehlt(i);
}

bool Befundsuche::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt != suchliste_ || ereignis->type() != QEvent::KeyPress)
        return QFrame::eventFilter(objekt, ereignis);
    switch (static_cast<QKeyEvent *>(ereignis)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        nehmen();
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return false; // the list moves its highlight
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true; // the search keeps the focus until it is closed
    default:
        // Letters, digits, Backspace, Home, End, the cursor keys across: the search text.
        QCoreApplication::sendEvent(suchtext_, ereignis);
        return true;
    }
}
