#include "app/main_window.h"

#include "app/befundliste.h"
#include "app/befundsuche.h"
#include "app/beschriftung.h"
#include "app/dialoge.h"
#include "app/knopf.h"
#include "app/twips.h"
#include "druck/druckflaeche.h"
#include "plattform/browser.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

QString nichtTooltip()
{
    return QStringLiteral("bei Maustastendruck auf dieses Feld  wird Inhalt vollständig angezeigt");
}

// The window was designed with "MS Sans Serif" and "Arial"; the nearest faces of the system take
// their place, with size, weight and underline kept.
// "MS Sans Serif" is closest to the Arial-like faces; DejaVu Sans is the last resort.
QFont schrift(double punkte, bool fett = false, bool unterstrichen = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    return f;
}

// A text box that shows text the user can select and scroll but not change.
QPlainTextEdit *gesperrtesTextfeld(QWidget *eltern, const QString &text, bool rollbalken)
{
    auto *t = new QPlainTextEdit(eltern);
    t->setReadOnly(true);
    t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    t->setFocusPolicy(Qt::StrongFocus);
    t->setTabChangesFocus(true);
    t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    t->setVerticalScrollBarPolicy(rollbalken ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setPlainText(text);
    return t;
}

// The light background the two text panels have (a light system colour).
void hellerHintergrund(QPlainTextEdit *t)
{
    QPalette p = t->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
    t->setPalette(p);
}

} // namespace

Main::Main(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Kalvomat"));
    setFont(schrift(8.25));
    dialoge_ = std::make_unique<FensterDialoge>(this);
    seitenoeffner_ = std::make_unique<DesktopSeitenoeffner>();
    controlsAnlegen();
    tabReihenfolgeSetzen();
    ereignisseVerbinden();
    // The designed name in the box is the plan's first patient.
    editor_.patientEingeben(Patient->text());
}

Main::~Main() = default;

void Main::setDialoge(std::unique_ptr<Dialoge> dialoge)
{
    dialoge_ = std::move(dialoge);
}

void Main::setDruckerFabrik(std::function<std::unique_ptr<Druckflaeche>()> fabrik)
{
    druckauftrag_.setDruckerFabrik(std::move(fabrik));
}

void Main::setPdfFabrik(std::function<std::unique_ptr<Druckflaeche>(const QString &)> fabrik)
{
    druckauftrag_.setPdfFabrik(std::move(fabrik));
}

void Main::setSeitenoeffner(std::unique_ptr<Seitenoeffner> oeffner)
{
    seitenoeffner_ = std::move(oeffner);
}

void Main::setzeGeometrie(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twRect(left, top, width, height));
}

void Main::setzeTop(QWidget *w, int top)
{
    w->move(w->x(), tw(top));
}
void Main::setzeLeft(QWidget *w, int left)
{
    w->move(tw(left), w->y());
}
void Main::setzeHoehe(QWidget *w, int height)
{
    w->resize(w->width(), tw(height));
}
void Main::setzeBreite(QWidget *w, int width)
{
    w->resize(tw(width), w->height());
}

void Main::controlsAnlegen()
{
    // The client area as designed; the start-up places and sizes the window itself.
    resize(tw(11025), tw(10095));

    auto label = [this](QWidget *eltern, const QString &text, int l, int t, int w, int h) {
        auto *b = new Beschriftung(eltern);
        b->setWordWrap(true);
        setzeGeometrie(b, l, t, w, h);
        b->setCaption(text);
        return b;
    };
    auto knopf = [this](QWidget *eltern, const QString &text, int l, int t, int w, int h) {
        auto *k = new Knopf(text, eltern);
        setzeGeometrie(k, l, t, w, h);
        return k;
    };

    // Finding details, a 2 x 2 grid at the top.
    const int befundGitter[4][4] = {{120, 120, 1215, 855},
                                    {120, 1080, 1215, 855},
                                    {1440, 120, 9105, 855},
                                    {1440, 1080, 9135, 855}};
    for (int i = 0; i < 4; ++i) {
        const auto &g = befundGitter[i];
        lblbefund[i] = label(this, QString(), g[0], g[1], g[2], g[3]);
        lblbefund[i]->setRahmen(true);
    }
    lblbefund[0]->setFont(schrift(13.5, true));
    lblbefund[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblbefund[1]->setFont(schrift(9.75, true));
    lblbefund[2]->setFont(schrift(9.75));
    lblbefund[2]->setToolTip(nichtTooltip());
    lblbefund[3]->setToolTip(nichtTooltip());

    lblNichtzahn =
        label(this, QStringLiteral("am gleichen Zahn nicht abrechenbar:"), 300, 2000, 2655, 195);
    lblNichtzahn->setWordWrap(false);
    lblNichtzahn->setAutoSize(true);
    lblNichtKiefer =
        label(this, QStringLiteral("im gleichen Kiefer nicht abrechenbar:"), 300, 2250, 2625, 195);
    lblNichtKiefer->setWordWrap(false);
    lblNichtKiefer->setAutoSize(true);

    txtnichtz = gesperrtesTextfeld(this, QString(), false);
    setzeGeometrie(txtnichtz, 3100, 1950, 7900, 285);
    txtnichtz->setToolTip(nichtTooltip());
    txtnichtk = gesperrtesTextfeld(this, QString(), false);
    setzeGeometrie(txtnichtk, 3100, 2280, 7900, 285);
    txtnichtk->setToolTip(nichtTooltip());

    FrameVelmar = new QGroupBox(this);
    setzeGeometrie(FrameVelmar, 6000, 2500, 4095, 375);
    lblVelmar = label(FrameVelmar,
                      QStringLiteral("www.kalvomat.de") + QString(13, u' ')
                          + QStringLiteral("Support + Diskussions-Forum"),
                      120, 120, 3705, 195);
    lblVelmar->setWordWrap(false);
    lblVelmar->setFont(schrift(8.25, false, true));
    // The link keeps its designed width inside its frame; the face is wider than the designed one.
    lblVelmar->setKuerzen(true);
    lblVelmar->setCursor(Qt::PointingHandCursor);

    lblvelmarBild = label(this, QStringLiteral("velmar"), 0, 2520, 2895, 855);
    lblvelmarBild->setFont(schrift(17.25, true));
    lblvelmarBild->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Bonus levels, sums and own shares; the start-up places them.
    const int bonusBreite[4] = {855, 795, 795, 585};
    for (int i = 0; i < PlanState::stufen; ++i) {
        bonus[i] = new QRadioButton(QStringLiteral("Option2"), this);
        setzeGeometrie(bonus[i], 0, 0, 200, 195);
        lblBonus[i] = label(this, QString(), 0, 0, bonusBreite[i], 195);
        lblBonus[i]->setWordWrap(false);
        lblBonus[i]->setAutoSize(true);
        lblBonus[i]->setCaption(QString::fromUtf16(bonusName[static_cast<std::size_t>(i)]));
        festsum[i] = label(this, QString(), 0, 0, 0, 0);
        festsum[i]->setWordWrap(false);
        festsum[i]->setAutoSize(true);
        eigenanteil[i] = label(this, QString(), 0, 0, 1935, 255);
    }

    Patient = new QLineEdit(QStringLiteral("Beispiel,Anton"), this);
    setzeGeometrie(Patient, 0, 0, 4095, 285);

    lblEigenanteil = label(this, QStringLiteral("geschätzter Eigenanteil an Regelversorgung :"), 0,
                           0, 1755, 390);
    lblEigenanteil->setAutoSize(true);
    lblEigenanteil->setToolTip(
        QStringLiteral("schätzbar, weil die Festzuschüsse so berechnet sind, dass "
                       "Durchschnitts-Regelversorgung ohne Bonus zu 50% bezuschusst sind"));
    lblsumfest = label(this, QString(), 0, 0, 2220, 240);
    lblsumfest->setWordWrap(false);
    lblsumfest->setFont(schrift(9.75));
    lblsumfest->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblsumfest->setAutoSize(true);
    lblsumfest->setCaption(QStringLiteral("Summen Festzuschüsse:"));

    for (int i = 0; i < 6; ++i) {
        lblhead[i] = label(this, QString(), 0, 0, i < 5 ? 375 : 45, i < 5 ? 255 : 195);
        lblhead[i]->setWordWrap(false);
    }
    // The group labels are as high as their spacing, so that none covers the foot of another; a
    // heading longer than its label ends with "…".
    for (int i = 0; i < Katalog::gruppenAnzahl; ++i) {
        befgr[i] = label(this, QString(), 0, 0, 1215, 330);
        befgr[i]->setAutoFillBackground(true);
        befgr[i]->setKuerzen(true);
    }

    // The plan rows.
    for (int i = 0; i < PlanState::zeilen; ++i) {
        regio[i] = new QLineEdit(this);
        setzeGeometrie(regio[i], 0, 0, 1575, 375);
        erg_befund[i] = label(this, QString(), 0, 0, 1575, 255);
        erg_befund[i]->setAutoFillBackground(true);
        erg_befund[i]->setKuerzen(true);
        erg_anz[i] = label(this, QString(), 0, 0, 375, 375);
        erg_einfach[i] = label(this, QString(), 0, 0, 855, 495);
        erg_befsum[i] = label(this, QString(), 0, 0, 735, 135);
        zeileMarkieren(i, false);
    }
    befwahl = new Befundliste(this);
    befwahl->setSelectionMode(QAbstractItemView::SingleSelection);
    befwahl->setSortingEnabled(false);
    // A classic list box has no side scroller: an entry wider than the list is cut at its edge.
    befwahl->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    befwahl->setTextElideMode(Qt::ElideNone);
    setzeGeometrie(befwahl, 0, 0, 1455, 840);
    befundsuche = new Befundsuche(this);

    // Buttons at the right edge.
    cmdHilfe = knopf(this, QStringLiteral("Hilfe"), 10200, 3720, 615, 1095);
    cmdDrucken = knopf(this, QStringLiteral("Drucken"), 10200, 5080, 615, 1215);
    cmdAufAb = knopf(this, QStringLiteral("  800      X   600"), 10200, 6520, 615, 1215);
    cmdAnmerk = knopf(this, QStringLiteral("Regel"), 10200, 8040, 615, 1095);

    // The panels shown later lie above the plan rows.
    txtHilfe = gesperrtesTextfeld(this, QStringLiteral("Hilfe"), true);
    setzeGeometrie(txtHilfe, 2500, 4720, 8000, 5700);
    txtHilfe->setFont(schrift(9.75));
    hellerHintergrund(txtHilfe);

    txtanmerk = gesperrtesTextfeld(this, QStringLiteral("Anmerkungen\r\n"), true);
    setzeGeometrie(txtanmerk, 360, 2160, 9675, 8220);
    txtanmerk->setFont(schrift(9.75));
    hellerHintergrund(txtanmerk);
    txtanmerk->setVisible(false);

    drkframe = new QGroupBox(QStringLiteral("Drucken"), this);
    setzeGeometrie(drkframe, 4680, 3960, 5295, 6735);
    // A solid frame: the plan rows below do not show between its buttons.
    drkframe->setAutoFillBackground(true);
    for (int i = 0; i < 8; ++i) {
        // The cancel button stands at the top; the seven kinds follow 720 twips apart.
        const int top = i == 7 ? 480 : 1680 + 720 * i;
        cmdDruckwahl[i] =
            knopf(drkframe,
                  i == 7 ? QStringLiteral("Abbrechen")
                         : QString::fromUtf16(berichtsName[static_cast<std::size_t>(i)]),
                  480, top, 1575, 495);
    }
    drkframe->setVisible(false);
    drkframe->setEnabled(false);

    txtHilfe->raise();
    txtanmerk->raise();
    drkframe->raise();

    // Every control is named as designed; an element of a control array with its index.
    const std::pair<QWidget *, const char16_t *> einzeln[] = {{txtanmerk, u"txtanmerk"},
                                                              {cmdAnmerk, u"cmdAnmerk"},
                                                              {txtnichtz, u"txtnichtz"},
                                                              {txtnichtk, u"txtnichtk"},
                                                              {lblNichtzahn, u"lblNichtzahn"},
                                                              {lblNichtKiefer, u"lblNichtKiefer"},
                                                              {FrameVelmar, u"FrameVelmar"},
                                                              {lblVelmar, u"lblVelmar"},
                                                              {lblvelmarBild, u"lblvelmarBild"},
                                                              {drkframe, u"drkframe"},
                                                              {txtHilfe, u"txtHilfe"},
                                                              {cmdDrucken, u"cmdDrucken"},
                                                              {cmdHilfe, u"cmdHilfe"},
                                                              {cmdAufAb, u"cmdAufAb"},
                                                              {Patient, u"Patient"},
                                                              {lblEigenanteil, u"lblEigenanteil"},
                                                              {lblsumfest, u"lblsumfest"},
                                                              {befwahl, u"befwahl(0)"}};
    for (const auto &[w, name] : einzeln)
        w->setObjectName(QString::fromUtf16(name));
    const auto feld = [](const auto &controls, const QString &name) {
        for (std::size_t i = 0; i < controls.size(); ++i)
            controls[i]->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
    };
    feld(lblbefund, QStringLiteral("lblbefund"));
    feld(cmdDruckwahl, QStringLiteral("cmdDruckwahl"));
    feld(bonus, QStringLiteral("bonus"));
    feld(lblBonus, QStringLiteral("lblBonus"));
    feld(regio, QStringLiteral("regio"));
    feld(erg_befund, QStringLiteral("erg_befund"));
    feld(erg_anz, QStringLiteral("erg_anz"));
    feld(erg_einfach, QStringLiteral("erg_einfach"));
    feld(erg_befsum, QStringLiteral("erg_befsum"));
    feld(lblhead, QStringLiteral("lblhead"));
    feld(befgr, QStringLiteral("befgr"));
    feld(festsum, QStringLiteral("festsum"));
    feld(eigenanteil, QStringLiteral("eigenanteil"));
    barrierefreiBenennen();
}

void Main::barrierefreiBenennen()
{
    // What a screen reader speaks. A label that shows data keeps its shown text as its name (a
    // label has no other channel for its text); what it is goes into its description. Inputs,
    // lists and buttons get names that say what they are for. Rows count from 1 here, as a
    // person counts them.
    for (int b = 0; b < PlanState::stufen; ++b) {
        const QString stufe = QString::fromUtf16(bonusName[static_cast<std::size_t>(b)]);
        bonus[b]->setAccessibleName(QStringLiteral("Bonusstufe %1").arg(stufe));
        festsum[b]->setAccessibleDescription(QStringLiteral("Summe Festzuschüsse, %1").arg(stufe));
        eigenanteil[b]->setAccessibleDescription(
            QStringLiteral("Geschätzter Eigenanteil, %1").arg(stufe));
    }
    for (int i = 0; i < PlanState::zeilen; ++i) {
        const QString zeile = QStringLiteral(", Zeile %1").arg(i + 1);
        regio[i]->setAccessibleName(QStringLiteral("Region") + zeile);
        erg_befund[i]->setAccessibleDescription(QStringLiteral("Befund") + zeile);
        erg_anz[i]->setAccessibleDescription(QStringLiteral("Anzahl") + zeile);
        erg_einfach[i]->setAccessibleDescription(QStringLiteral("Einzelbetrag") + zeile);
        erg_befsum[i]->setAccessibleDescription(QStringLiteral("Summe") + zeile);
    }
    for (int k = 0; k < Katalog::gruppenAnzahl; ++k)
        befgr[k]->setAccessibleDescription(QStringLiteral("Befundgruppe %1").arg(k + 1));
    const QString befund[4] = {QStringLiteral("Befundnummer"), QStringLiteral("Befundtext"),
                               QStringLiteral("Befundbeschreibung"),
                               QStringLiteral("Befundhinweis")};
    for (int i = 0; i < 4; ++i)
        lblbefund[i]->setAccessibleDescription(befund[i]);
    befwahl->setAccessibleName(QStringLiteral("Befundauswahl"));
    txtnichtz->setAccessibleName(QStringLiteral("Am gleichen Zahn nicht abrechenbar"));
    txtnichtk->setAccessibleName(QStringLiteral("Im gleichen Kiefer nicht abrechenbar"));
    txtHilfe->setAccessibleName(QStringLiteral("Hilfe"));
    txtanmerk->setAccessibleName(QStringLiteral("Abrechnungsregeln"));
    Patient->setAccessibleName(QStringLiteral("Name des Patienten"));
    cmdHilfe->setAccessibleName(QStringLiteral("Hilfe zeigen oder verbergen"));
    cmdAnmerk->setAccessibleName(QStringLiteral("Abrechnungsregeln zeigen oder verbergen"));
    cmdAufAb->setAccessibleName(
        QStringLiteral("Fenster für kleine Bildschirme nach oben oder unten schieben"));
    cmdDrucken->setAccessibleName(QStringLiteral("Drucken"));
    lblVelmar->setAccessibleName(QStringLiteral("Support-Seite öffnen"));
    druckwahlBeschriften();
}

void Main::tabReihenfolgeSetzen()
{
    std::vector<QWidget *> folge;
    for (auto *r : regio)
        folge.push_back(r);
    folge.push_back(befwahl);
    for (auto *b : bonus)
        folge.push_back(b);
    folge.insert(folge.end(), {Patient, cmdAufAb, cmdHilfe, cmdDrucken, txtHilfe});
    for (auto *k : cmdDruckwahl)
        folge.push_back(k);
    folge.insert(folge.end(), {txtnichtk, txtnichtz, cmdAnmerk, txtanmerk});
    for (std::size_t i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void Main::ereignisseVerbinden()
{
    for (auto *r : regio)
        r->installEventFilter(this);
    befwahl->installEventFilter(this);
    befwahl->viewport()->installEventFilter(this);
    connect(befundsuche, &Befundsuche::gewaehlt, this, &Main::befundsuche_Gewaehlt);
    for (int i = 0; i < PlanState::zeilen; ++i)
        for (auto *l : {erg_befund[i], erg_anz[i], erg_einfach[i], erg_befsum[i]})
            l->installEventFilter(this);
    for (auto *l : lblbefund)
        l->installEventFilter(this);
    for (auto *t : {txtnichtz, txtnichtk}) {
        t->installEventFilter(this);
        t->viewport()->installEventFilter(this);
    }
    lblVelmar->installEventFilter(this);

    // The finding list: a mouse click runs the choice once, also on the entry already selected;
    // a keyboard move runs it once per new selection. A mouse click on another entry changes the
    // current row before the click itself is reported, so those changes are left to the click.
    connect(befwahl, &QListWidget::itemClicked, this, [this] {
        listeMausDruck_ = false;
        befwahl_Click(0);
    });
    connect(static_cast<Befundliste *>(befwahl), &Befundliste::gezogenGewaehlt, this, [this] {
        listeMausDruck_ = false;
        befwahl_Click(0);
    });
    // A keyboard move changes the selection first, then the current row. The list also makes its
    // first entry current (without selecting it) when it gets the focus; that is no choice.
    connect(befwahl, &QListWidget::itemSelectionChanged, this, [this] {
        if (!listeMausDruck_)
            auswahlPerTaste_ = true;
    });
    connect(befwahl, &QListWidget::currentRowChanged, this, [this](int) {
        if (!auswahlPerTaste_)
            return;
        auswahlPerTaste_ = false;
        befwahl_Click(0);
    });

    for (int i = 0; i < 4; ++i)
        connect(bonus[i], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an)
                bonus_Click(i);
        });
    for (int i = 0; i < 8; ++i)
        connect(cmdDruckwahl[i], &QPushButton::clicked, this, [this, i] { cmdDruckwahl_Click(i); });
    connect(cmdDrucken, &QPushButton::clicked, this, &Main::cmdDrucken_Click);
    connect(cmdHilfe, &QPushButton::clicked, this, &Main::cmdHilfe_Click);
    connect(cmdAnmerk, &QPushButton::clicked, this, &Main::cmdAnmerk_Click);
    connect(cmdAufAb, &QPushButton::clicked, this, &Main::cmdAufAb_Click);
    // The name in the box is the patient's name of the plan, letter by letter.
    connect(Patient, &QLineEdit::textChanged, this,
            [this](const QString &name) { editor_.patientEingeben(name); });

    // Ctrl+Q ends the program, as in other desktop programs, on every platform (the platform's
    // own quit key is not Ctrl+Q everywhere); closing asks first for a plan not saved.
    auto *abbrechen = new QShortcut(QKeySequence(Qt::Key_Escape), drkframe);
    abbrechen->setContext(Qt::WidgetWithChildrenShortcut);
    connect(abbrechen, &QShortcut::activated, this, [this] { cmdDruckwahl_Click(7); });
    auto *ende = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(ende, &QShortcut::activated, this, &QWidget::close);
    aktionenAnlegen();
}

namespace {

template<typename T, std::size_t N>
int indexVon(const std::array<T *, N> &feld, const QObject *o)
{
    for (std::size_t i = 0; i < N; ++i)
        if (feld[i] == o)
            return static_cast<int>(i);
    return -1;
}

bool losgelassenDarueber(QObject *o, QEvent *e)
{
    if (e->type() != QEvent::MouseButtonRelease)
        return false;
    auto *w = qobject_cast<QWidget *>(o);
    return w && w->rect().contains(static_cast<QMouseEvent *>(e)->position().toPoint());
}

} // namespace

bool Main::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const auto typ = ereignis->type();
    // Focus that comes and goes with the whole window (another program, a message box) is no
    // focus change inside the window; only the very first one, when the window opens, counts.
    auto fokusZaehlt = [this, ereignis, typ] {
        const auto grund = static_cast<QFocusEvent *>(ereignis)->reason();
        if (grund == Qt::PopupFocusReason)
            return false;
        if (grund == Qt::ActiveWindowFocusReason) {
            if (typ == QEvent::FocusIn && !ersterFokusErhalten_) {
                ersterFokusErhalten_ = true;
                return true;
            }
            return false;
        }
        if (typ == QEvent::FocusIn)
            ersterFokusErhalten_ = true;
        return true;
    };

    if (const int i = indexVon(regio, objekt); i >= 0) {
        if (typ == QEvent::FocusIn && fokusZaehlt())
            regio_GotFocus(i);
        else if (typ == QEvent::FocusOut && fokusZaehlt())
            regio_lostfocus(i);
        else if (losgelassenDarueber(objekt, ereignis))
            regio_Click(i);
        else if (typ == QEvent::KeyPress)
            return regio_KeyDown(i, static_cast<QKeyEvent *>(ereignis));
        return false;
    }
    if (objekt == befwahl) {
        if (typ == QEvent::FocusIn && fokusZaehlt())
            befwahl_GotFocus(0);
        else if (typ == QEvent::KeyPress) {
            listeMausDruck_ = false;
            auswahlPerTaste_ = false;
        }
        return false;
    }
    if (objekt == befwahl->viewport()) {
        if (typ == QEvent::MouseButtonPress || typ == QEvent::MouseButtonDblClick) {
            listeMausDruck_ = true;
            auswahlPerTaste_ = false;
        }
        return false;
    }
    if (const int i = indexVon(lblbefund, objekt); i >= 0) {
        if (typ == QEvent::MouseButtonPress)
            lblbefund_Mousedown(i);
        else if (typ == QEvent::MouseButtonRelease)
            lblbefund_Mouseup(i);
        return false;
    }
    for (QPlainTextEdit *box : {txtnichtz, txtnichtk}) {
        if (objekt != box && objekt != box->viewport())
            continue;
        if (typ == QEvent::MouseButtonPress)
            txtnicht_Mousedown(box);
        else if (typ == QEvent::MouseButtonRelease)
            txtnicht_Mouseup(box);
        else if (typ == QEvent::FocusOut && objekt == box && fokusZaehlt())
            txtnicht_LostFocus(box);
        return false;
    }
    if (objekt == lblVelmar) {
        if (losgelassenDarueber(objekt, ereignis))
            lblVelmar_Click();
        return false;
    }
    // A click on any of a row's result labels makes that row the current one.
    if (losgelassenDarueber(objekt, ereignis)) {
        for (const auto *labels : {&erg_befund, &erg_anz, &erg_einfach, &erg_befsum})
            if (const int i = indexVon(*labels, objekt); i >= 0)
                erg_Click(i);
    }
    return QWidget::eventFilter(objekt, ereignis);
}
