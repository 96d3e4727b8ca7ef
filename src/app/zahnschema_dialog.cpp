#include "app/zahnschema_dialog.h"

#include "katalog/katalog.h"
#include "plan/vorschlag_uebernahme.h"
#include "zahnschema/zahnschema_text.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

// The codes a tooth field offers: the list shows "kw – erneuerungsbedürftige Krone", the field
// takes "kw".
class Kuerzelliste : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &eltern = QModelIndex()) const override
    {
        return eltern.isValid() ? 0 : anzahlKuerzel - 1;
    }
    QVariant data(const QModelIndex &index, int rolle) const override
    {
        const auto k = static_cast<Kuerzel>(index.row() + 1);
        if (rolle == Qt::EditRole)
            return kuerzelText(k);
        if (rolle == Qt::DisplayRole)
            return kuerzelText(k) + QStringLiteral(" – ") + kuerzelBedeutung(k);
        return QVariant();
    }
};

const QColor falschFarbe(255, 200, 200);

// The code in a tooth field; an empty field is a sound tooth, a wrong code none.
std::optional<Kuerzel> feldKuerzel(const QLineEdit *feld)
{
    const QString text = feld->text().trimmed();
    return text.isEmpty() ? std::optional<Kuerzel>(Kuerzel::ohne) : kuerzelAusText(text);
}

void markieren(QWidget *w, bool falsch)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base,
               falsch ? falschFarbe : QApplication::palette(w).color(QPalette::Base));
    w->setPalette(p);
}

QString kuerzelListe()
{
    QStringList k;
    for (int i = 1; i < anzahlKuerzel; ++i)
        k << kuerzelText(static_cast<Kuerzel>(i));
    return k.join(QStringLiteral(", "));
}

// The care of a jaw as the choice names it, in the order of Versorgung.
const std::array<QString, 6> &versorgungNamen()
{
    static const std::array<QString, 6> namen {
        QStringLiteral("keine"),        QStringLiteral("Brücke"),
        QStringLiteral("Modellguss"),   QStringLiteral("Kombination (Teleskope)"),
        QStringLiteral("Deckprothese"), QStringLiteral("Interim")};
    return namen;
}

} // namespace

ZahnschemaDialog::ZahnschemaDialog(QWidget *fenster) : QDialog(fenster)
{
    setObjectName(QStringLiteral("zahnschema"));
    setWindowTitle(QStringLiteral("Zahnschema"));
    anlegen();
    tabReihenfolgeSetzen();
}

void ZahnschemaDialog::anlegen()
{
    auto *gitter = new QGridLayout;
    gitter->setHorizontalSpacing(4);
    // One list of codes serves the field in which Down was pressed; typing alone opens nothing,
    // so that Tab always goes on to the next tooth.
    kuerzelWahl_ = new QCompleter(new Kuerzelliste(this), this);
    kuerzelWahl_->setCompletionRole(Qt::EditRole);
    kuerzelWahl_->setCaseSensitivity(Qt::CaseInsensitive);
    kuerzelWahl_->setMaxVisibleItems(anzahlKuerzel);
    connect(kuerzelWahl_, qOverload<const QString &>(&QCompleter::activated), this,
            [this](const QString &k) {
                if (auto *feld = qobject_cast<QLineEdit *>(kuerzelWahl_->widget()))
                    feld->setText(k);
            });
    const int feldBreite = fontMetrics().horizontalAdvance(QStringLiteral("t2ww")) + 12;
    // Columns 0..7 hold the right side of the mouth (18 … 11, 48 … 41), column 8 the midline,
    // columns 9..16 the left side.
    const auto spalte = [](int fdi) {
        const int q = fdi / 10, z = fdi % 10;
        return q == 1 || q == 4 ? 8 - z : 8 + z;
    };
    // The rows: answers of OK, fields of OK, numbers of OK, numbers of UK, fields of UK, answers
    // of UK, as the form has the Befund rows next to the numbers.
    for (int fdi : Zahnschema::alleZaehne()) {
        const bool oben = Zahnschema::kieferVon(fdi) == Kiefer::OK;
        auto *feld = new QLineEdit(this);
        feld->setObjectName(QStringLiteral("zahn(%1)").arg(fdi));
        feld->setAccessibleName(QStringLiteral("Zahn %1").arg(fdi));
        feld->setAlignment(Qt::AlignCenter);
        feld->setMaxLength(6);
        feld->setFixedWidth(feldBreite);
        feld->installEventFilter(this);
        connect(feld, &QLineEdit::textChanged, this, [this, fdi] { zahnGetippt(fdi); });
        auto *nummer = new QLabel(QString::number(fdi), this);
        nummer->setAlignment(Qt::AlignCenter);
        nummer->setBuddy(feld);
        gitter->addWidget(feld, oben ? 1 : 4, spalte(fdi), Qt::AlignHCenter);
        gitter->addWidget(nummer, oben ? 2 : 3, spalte(fdi));
        zahn_[fdi] = feld;
    }
    auto *mitte = new QFrame(this);
    mitte->setFrameShape(QFrame::VLine);
    gitter->addWidget(mitte, 1, 8, 4, 1, Qt::AlignHCenter);
    // The answers stand at the outer end of their quadrant, above OK and below UK.
    for (int q = 1; q <= 4; ++q) {
        auto *angaben = new QVBoxLayout;
        angaben->setSpacing(0);
        for (int fdi : {q * 10 + 8, q * 10 + 7}) {
            const bool acht = fdi % 10 == 8;
            auto *box = new QCheckBox(QStringLiteral("%1 %2").arg(fdi).arg(
                                          acht ? QStringLiteral("nicht als Brückenanker verwendbar")
                                               : QStringLiteral("braucht keinen Ersatz")),
                                      this);
            box->setObjectName(QStringLiteral("%1(%2)").arg(acht ? QStringLiteral("keinAnker")
                                                                 : QStringLiteral("ohneErsatz"),
                                                            QString::number(fdi)));
            box->setToolTip(acht ? QStringLiteral("Der 8er taugt nicht als Anker einer Brücke "
                                                  "für den fehlenden 7er.")
                                 : QStringLiteral("Der fehlende 7er braucht keinen Ersatz, "
                                                  "etwa weil der Gegenzahn fehlt."));
            QSizePolicy halten = box->sizePolicy();
            halten.setRetainSizeWhenHidden(true);
            box->setSizePolicy(halten);
            box->setVisible(false);
            connect(box, &QCheckBox::toggled, this, &ZahnschemaDialog::angabeGeklickt);
            (acht ? keinAnker_ : ohneErsatz_)[fdi] = box;
            angaben->addWidget(box, 0, q == 1 || q == 4 ? Qt::AlignLeft : Qt::AlignRight);
        }
        const bool oben = q <= 2;
        gitter->addLayout(angaben, oben ? 0 : 5, q == 1 || q == 4 ? 0 : 9, 1, 8);
    }
    auto *befund = new QGroupBox(QStringLiteral("Befund (je Zahn das Kürzel des Heil- und "
                                                "Kostenplans; Pfeil ab zeigt die Kürzel)"),
                                 this);
    befund->setLayout(gitter);

    auto *versorgung = new QFormLayout;
    for (int k = 0; k < 2; ++k) {
        const QString kiefer = kieferText(static_cast<Kiefer>(k));
        auto *wahl = new QComboBox(this);
        wahl->setObjectName(QStringLiteral("versorgung(%1)").arg(k));
        for (const QString &name : versorgungNamen())
            wahl->addItem(name);
        wahl->setAccessibleName(QStringLiteral("Geplante Versorgung %1").arg(kiefer));
        connect(wahl, &QComboBox::currentIndexChanged, this, &ZahnschemaDialog::angabeGeklickt);
        versorgung->addRow(QStringLiteral("Geplante Versorgung %1:").arg(kiefer), wahl);
        versorgung_[static_cast<std::size_t>(k)] = wahl;
    }

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("zahnschemaText"));
    text_->setAccessibleName(QStringLiteral("Zahnschema als Text"));
    text_->setTabChangesFocus(true);
    text_->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
    text_->setToolTip(QStringLiteral("Das Zahnschema als Text, wie ihn kalvomat --vorschlag "
                                     "liest: kopieren oder ein Zahnschema einfügen"));
    text_->installEventFilter(this);
    connect(text_, &QPlainTextEdit::textChanged, this, &ZahnschemaDialog::textGetippt);
    auto *textTitel = new QLabel(QStringLiteral("Als &Text (zum Kopieren und Einfügen):"), this);
    textTitel->setBuddy(text_);
    auto *textSpalte = new QVBoxLayout;
    textSpalte->addWidget(textTitel);
    textSpalte->addWidget(text_);
    auto *mittelteil = new QHBoxLayout;
    mittelteil->addLayout(versorgung);
    mittelteil->addSpacing(24);
    mittelteil->addLayout(textSpalte, 1);

    tabelle_ = new QTableWidget(0, 6, this);
    tabelle_->setObjectName(QStringLiteral("vorschlag"));
    tabelle_->setAccessibleName(QStringLiteral("Vorgeschlagene Befunde"));
    tabelle_->setHorizontalHeaderLabels({QStringLiteral("Nr"), QStringLiteral("Befundtext"),
                                         QStringLiteral("Zähne"), QStringLiteral("Anzahl"),
                                         QStringLiteral("Begründung"), QStringLiteral("Prüfen")});
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setTabKeyNavigation(false);
    tabelle_->setWordWrap(true);
    tabelle_->verticalHeader()->setVisible(false);
    tabelle_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView *kopf = tabelle_->horizontalHeader();
    for (int s : {0, 2, 3})
        kopf->setSectionResizeMode(s, QHeaderView::ResizeToContents);
    kopf->setSectionResizeMode(1, QHeaderView::Interactive);
    tabelle_->setColumnWidth(1,
                             fontMetrics().horizontalAdvance(QStringLiteral("Lücke 1 Zahn, "
                                                                            "je Lücke")));
    for (int s : {4, 5})
        kopf->setSectionResizeMode(s, QHeaderView::Stretch);
    tabelle_->setMinimumHeight(fontMetrics().lineSpacing() * 10);
    auto *tabellenTitel = new QLabel(QStringLiteral("&Vorschlag:"), this);
    tabellenTitel->setBuddy(tabelle_);

    hinweise_ = new QPlainTextEdit(this);
    hinweise_->setObjectName(QStringLiteral("hinweise"));
    hinweise_->setAccessibleName(QStringLiteral("Hinweise zum Vorschlag"));
    hinweise_->setReadOnly(true);
    hinweise_->setTabChangesFocus(true);
    hinweise_->setFixedHeight(fontMetrics().lineSpacing() * 5 + 12);

    cmdUebernehmen_ = new QPushButton(QStringLiteral("In den Plan &übernehmen"), this);
    cmdUebernehmen_->setObjectName(QStringLiteral("cmdUebernehmen"));
    cmdSchliessen_ = new QPushButton(QStringLiteral("&Schließen"), this);
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    // Enter in a tooth field presses no button.
    for (QPushButton *k : {cmdUebernehmen_, cmdSchliessen_})
        k->setAutoDefault(false);
    connect(cmdUebernehmen_, &QPushButton::clicked, this, &ZahnschemaDialog::uebernehmen);
    connect(cmdSchliessen_, &QPushButton::clicked, this, &QDialog::close);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdUebernehmen_);
    knoepfe->addWidget(cmdSchliessen_);

    auto *alles = new QVBoxLayout(this);
    alles->addWidget(befund);
    alles->addLayout(mittelteil);
    alles->addWidget(tabellenTitel);
    alles->addWidget(tabelle_, 1);
    alles->addWidget(hinweise_);
    alles->addLayout(knoepfe);
    // Room for a proposal of some ten findings, within the screen.
    const QSize bildschirm = screen()->availableGeometry().size();
    resize(std::min(std::max(sizeHint().width(), 980), bildschirm.width()),
           std::min(820, bildschirm.height()));
}

void ZahnschemaDialog::tabReihenfolgeSetzen()
{
    // Tooth by tooth as on the form, each answer after its tooth; then the care, the text, the
    // table, the notes and the buttons.
    QList<QWidget *> folge;
    for (Kiefer k : {Kiefer::OK, Kiefer::UK})
        for (int fdi : Zahnschema::bogen(k)) {
            folge << zahn_[fdi];
            if (auto a = keinAnker_.find(fdi); a != keinAnker_.end())
                folge << a->second;
            if (auto o = ohneErsatz_.find(fdi); o != ohneErsatz_.end())
                folge << o->second;
        }
    folge << versorgung_[0] << versorgung_[1] << text_ << tabelle_ << hinweise_ << cmdUebernehmen_
          << cmdSchliessen_;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void ZahnschemaDialog::zeigen(const Zahnschema &schema, const Katalog &katalog)
{
    katalog_ = &katalog;
    schema_ = schema;
    felderFuellen(true);
    vorschlagZeigen();
}

void ZahnschemaDialog::felderFuellen(bool auchText)
{
    fuellt_ = true;
    // A field keeps the way the code was typed ("KW"); a wrong code gives way to the chart's.
    for (const auto &[fdi, feld] : zahn_)
        if (feldKuerzel(feld) != schema_.befund(fdi).kuerzel)
            feld->setText(kuerzelText(schema_.befund(fdi).kuerzel));
    for (auto &[fdi, box] : ohneErsatz_)
        box->setChecked(schema_.befund(fdi).ohneErsatz);
    for (auto &[fdi, box] : keinAnker_)
        box->setChecked(schema_.befund(fdi).keinAnker);
    for (int k = 0; k < 2; ++k)
        versorgung_[static_cast<std::size_t>(k)]->setCurrentIndex(
            static_cast<int>(schema_.versorgung(static_cast<Kiefer>(k))));
    if (auchText) {
        text_->setPlainText(zahnschemaText(schema_));
        textFehler_ = false;
        markieren(text_, false);
        text_->setToolTip(QString());
    }
    fuellt_ = false;
    angabenZeigen();
}

void ZahnschemaDialog::angabenZeigen()
{
    for (auto &[fdi, box] : ohneErsatz_)
        box->setVisible(ohneErsatzPasst(fdi, schema_.befund(fdi).kuerzel));
    for (auto &[fdi, box] : keinAnker_)
        box->setVisible(keinAnkerPasst(fdi, schema_.befund(fdi).kuerzel)
                        && zahnart(schema_.befund(fdi - 1).kuerzel) == Zahnart::fehlt);
}

void ZahnschemaDialog::zahnGetippt(int fdi)
{
    QLineEdit *feld = zahn_[fdi];
    const QString text = feld->text().trimmed();
    const std::optional<Kuerzel> k = feldKuerzel(feld);
    markieren(feld, !k);
    const QString zahn = QStringLiteral("Zahn %1").arg(fdi);
    const QString fehler = zahn + QStringLiteral(": „%1“").arg(text);
    fehler_.removeIf([&zahn](const QString &f) { return f.startsWith(zahn + u':'); });
    if (!k) {
        fehler_ << fehler;
        fehler_.sort();
        feld->setToolTip(fehler + QStringLiteral(" ist kein Befundkürzel. Erlaubt sind: ")
                         + kuerzelListe() + QStringLiteral("; leer für einen gesunden Zahn."));
    } else {
        feld->setToolTip(*k == Kuerzel::ohne
                             ? zahn + QStringLiteral(": ohne Eintrag – vorhanden und gesund")
                             : zahn + QStringLiteral(": ") + kuerzelText(*k) + QStringLiteral(" – ")
                                 + kuerzelBedeutung(*k));
    }
    if (fuellt_)
        return;
    if (k) {
        Zahnbefund b = schema_.befund(fdi);
        b.kuerzel = *k;
        schema_.setzen(fdi, b);
    }
    melden();
}

void ZahnschemaDialog::angabeGeklickt()
{
    if (!fuellt_)
        melden();
}

void ZahnschemaDialog::melden()
{
    // The answers and the care as the fields show them; an answer counts only where it applies.
    angabenZeigen();
    for (auto &[fdi, box] : ohneErsatz_) {
        Zahnbefund b = schema_.befund(fdi);
        b.ohneErsatz = box->isChecked() && box->isVisibleTo(this);
        schema_.setzen(fdi, b);
    }
    for (auto &[fdi, box] : keinAnker_) {
        Zahnbefund b = schema_.befund(fdi);
        b.keinAnker = box->isChecked() && box->isVisibleTo(this);
        schema_.setzen(fdi, b);
    }
    for (int k = 0; k < 2; ++k)
        schema_.setzeVersorgung(
            static_cast<Kiefer>(k),
            static_cast<Versorgung>(versorgung_[static_cast<std::size_t>(k)]->currentIndex()));
    if (!text_->hasFocus()) {
        fuellt_ = true;
        text_->setPlainText(zahnschemaText(schema_));
        textFehler_ = false;
        markieren(text_, false);
        text_->setToolTip(QString());
        fuellt_ = false;
    }
    vorschlagZeigen();
    Q_EMIT geaendert(schema_);
}

void ZahnschemaDialog::textGetippt()
{
    if (fuellt_)
        return;
    const GelesenesZahnschema gelesen = zahnschemaLesen(text_->toPlainText());
    textFehler_ = !gelesen.fehler.isEmpty();
    markieren(text_, textFehler_);
    if (textFehler_) {
        QStringList zeilen;
        for (const Lesefehler &f : gelesen.fehler)
            zeilen << alsText(f);
        text_->setToolTip(zeilen.join(u'\n'));
        vorschlagZeigen();
        return;
    }
    text_->setToolTip(QString());
    schema_ = gelesen.schema;
    felderFuellen(false);
    vorschlagZeigen();
    Q_EMIT geaendert(schema_);
}

bool ZahnschemaDialog::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Down (or Alt+Down, F4) in a tooth field lists all codes.
    if (ereignis->type() == QEvent::KeyPress) {
        auto *feld = qobject_cast<QLineEdit *>(objekt);
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (feld && !kuerzelWahl_->popup()->isVisible()
            && (taste->key() == Qt::Key_Down || taste->key() == Qt::Key_F4)) {
            kuerzelWahl_->setWidget(feld);
            kuerzelWahl_->setCompletionPrefix(QString());
            // As wide as the codes with their meaning, not as narrow as the field.
            QAbstractItemView *liste = kuerzelWahl_->popup();
            kuerzelWahl_->complete(QRect(0, 0,
                                         liste->sizeHintForColumn(0) + 2 * liste->frameWidth()
                                             + liste->verticalScrollBar()->sizeHint().width(),
                                         feld->height()));
            return true;
        }
    }
    // Leaving the text, it shows the chart in the canonical form; a text with errors stays for
    // correcting.
    if (objekt == text_ && ereignis->type() == QEvent::FocusOut && !textFehler_)
        felderFuellen(true);
    return QDialog::eventFilter(objekt, ereignis);
}

void ZahnschemaDialog::vorschlagZeigen()
{
    tabelle_->setRowCount(0);
    const bool fehlerfrei = fehler_.isEmpty() && !textFehler_;
    if (!fehlerfrei) {
        hinweise_->setPlainText(
            textFehler_ ? QStringLiteral("Der Text des Zahnschemas ist fehlerhaft (siehe Tooltip "
                                         "des Textfelds); der Vorschlag gilt für das Zahnschema "
                                         "vor der Änderung und wird nicht übernommen.")
                        : QStringLiteral("Kein Vorschlag, solange ein Kürzel falsch ist: ")
                    + fehler_.join(QStringLiteral("; ")) + u'.');
    }
    if (!fehler_.isEmpty()) {
        cmdUebernehmen_->setEnabled(false);
        return;
    }
    const Vorschlag v = vorschlagen(schema_);
    tabelle_->setRowCount(static_cast<int>(v.befunde.size()));
    for (int r = 0; r < v.befunde.size(); ++r) {
        const VorgeschlagenerBefund &b = v.befunde[r];
        const int i = katalog_ ? befundNachNummer(*katalog_, b.nr) : 0;
        const QStringList zellen {b.nr,
                                  i > 0 ? katalog_->befund(i).beftext
                                        : QStringLiteral("nicht im Katalog"),
                                  vorschlagsZaehne(b),
                                  QString::number(b.anzahl),
                                  b.grund,
                                  b.pruefen};
        for (int s = 0; s < zellen.size(); ++s) {
            auto *zelle = new QTableWidgetItem(zellen[s]);
            zelle->setToolTip(zellen[s]);
            if (s == 3)
                zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (i == 0) {
                zelle->setBackground(falschFarbe);
                zelle->setToolTip(QStringLiteral("Befund %1 steht nicht im Befundkatalog "
                                                 "(bef.txt); er wird nicht übernommen.")
                                      .arg(b.nr));
            }
            tabelle_->setItem(r, s, zelle);
        }
    }
    tabelle_->resizeRowsToContents();
    if (fehlerfrei)
        hinweise_->setPlainText(
            ((v.befunde.isEmpty() ? QStringList {QStringLiteral("Kein Befund vorgeschlagen.")}
                                  : QStringList())
             + v.hinweise)
                .join(u'\n'));
    cmdUebernehmen_->setEnabled(fehlerfrei && !v.befunde.isEmpty());
}
