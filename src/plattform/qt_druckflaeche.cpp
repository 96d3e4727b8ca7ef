#include "qt_druckflaeche.h"

#include <QFile>
#include <QLibrary>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <type_traits>

namespace {
constexpr double twipsProZoll = 1440.0;
constexpr int standardSchriftgroesse = 10;

// The report's face is named, never the machine's default sans face, which differs from one
// machine to the next (and with it every text width on the page). Liberation Sans has the widths
// of the face a practice's printer usually sets; the set-up installs it.
QFont standardSchrift()
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSize(standardSchriftgroesse);
    return schrift;
}

// The four CUPS functions a print job asks. CUPS is opened with the first job, not linked: it
// brings some twenty libraries (Kerberos, TLS, Avahi) that every start of the program would
// otherwise load, and Qt's print support opens the same library for the job anyway.
struct Cups
{
    decltype(&cupsGetNamedDest) namedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
};

// Null when the library or one of the functions is missing; then no answer can be read.
const Cups *cups()
{
    static const Cups geladen = [] {
        QLibrary bibliothek(QStringLiteral("cups"), 2);
        const auto holen = [&bibliothek](auto &funktion, const char *name) {
            funktion = reinterpret_cast<std::remove_reference_t<decltype(funktion)>>(
                bibliothek.resolve(name));
        };
        Cups c;
        holen(c.namedDest, "cupsGetNamedDest");
        holen(c.freeDests, "cupsFreeDests");
        holen(c.lastError, "cupsLastError");
        holen(c.lastErrorString, "cupsLastErrorString");
        return c;
    }();
    return geladen.namedDest && geladen.freeDests && geladen.lastError && geladen.lastErrorString
        ? &geladen
        : nullptr;
}

// What CUPS answered to the last request of this thread when it refused it; empty when it did not.
QString cupsAblehnung(const Cups &c)
{
    return c.lastError() > IPP_STATUS_OK_EVENTS_COMPLETE ? QString::fromUtf8(c.lastErrorString())
                                                         : QString();
}
} // namespace

std::unique_ptr<QtDruckflaeche> QtDruckflaeche::standardDrucker(const QString &dokumentName)
{
    // Without a default printer QPrinter quietly takes the first queue there is, or falls back to
    // writing a PDF with no file name, and still calls itself valid; only the name tells.
    const QString name = standardDruckerName();
    auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!name.isEmpty() && drucker->printerName() != name)
        drucker->setPrinterName(name);
    drucker->setDocName(dokumentName);
    std::unique_ptr<QtDruckflaeche> flaeche(new QtDruckflaeche(std::move(drucker)));
    // The job itself is begun with the first thing printed: a surface that is given up before
    // that sends nothing, not even an empty page.
    flaeche->m_bereit = !name.isEmpty() && flaeche->m_drucker->printerName() == name;
    if (name.isEmpty())
        flaeche->m_grund = QStringLiteral("Es ist kein Standarddrucker eingerichtet.");
    else if (!flaeche->m_bereit)
        flaeche->m_grund =
            QStringLiteral("Der Standarddrucker „%1“ ist nicht ansprechbar.").arg(name);
    return flaeche;
}

std::unique_ptr<QtDruckflaeche> QtDruckflaeche::pdfDatei(const QString &pfad)
{
    auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    drucker->setOutputFormat(QPrinter::PdfFormat);
    drucker->setOutputFileName(pfad);
    drucker->setPageSize(QPageSize(QPageSize::A4));
    // A PDF is printed later on whatever printer: at least 10 mm free on every side, more than a
    // printer keeps for itself, so that none cuts anything off. 12 mm, as a face's letters may
    // reach a little above the line the text is set on. The report divides the width within the
    // margins into its columns as it does the printable width of a printer's page.
    drucker->setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    drucker->setDocName(QStringLiteral("Kalvomat"));
    std::unique_ptr<QtDruckflaeche> flaeche(new QtDruckflaeche(std::move(drucker)));
    // QPrinter does not say why it cannot write a file; the system does, asked for the same.
    QFile datei(pfad);
    flaeche->m_bereit = !pfad.isEmpty() && datei.open(QIODevice::WriteOnly);
    if (!pfad.isEmpty() && !flaeche->m_bereit)
        flaeche->m_grund = datei.errorString();
    datei.close();
    // Begun at once, so that a file that cannot be written shows in bereit().
    flaeche->malerBereit();
    return flaeche;
}

QString QtDruckflaeche::standardDruckerName()
{
    return QPrinterInfo::defaultPrinterName();
}

QtDruckflaeche::QtDruckflaeche(std::unique_ptr<QPrinter> drucker)
    : m_drucker(std::move(drucker)), m_schrift(standardSchrift()),
      m_metrik(m_schrift, m_drucker.get())
{
    m_twipsProPixel = twipsProZoll / m_drucker->resolution();
}

QtDruckflaeche::~QtDruckflaeche()
{
    // A document that was begun but never finished still goes out as far as it got: Qt cannot
    // withdraw a print job once begun, and the painter must not outlive its printer.
    if (m_maler.isActive())
        m_maler.end();
}

bool QtDruckflaeche::malerBereit()
{
    if (m_bereit && !m_maler.isActive() && !m_beendet) {
        m_bereit = m_maler.begin(m_drucker.get());
        if (m_bereit)
            m_maler.setFont(m_schrift);
    }
    return m_maler.isActive();
}

bool QtDruckflaeche::bereit() const
{
    return m_bereit;
}

QString QtDruckflaeche::druckerName() const
{
    return m_drucker->printerName();
}

void QtDruckflaeche::setSchriftgroesse(int punkte)
{
    if (punkte <= 0)
        return;
    m_schrift.setPointSize(punkte);
    m_metrik = QFontMetricsF(m_schrift, m_drucker.get());
    if (m_maler.isActive())
        m_maler.setFont(m_schrift);
}

// The printable area; the painter's origin is its top left corner.
double QtDruckflaeche::breite() const
{
    return m_drucker->pageRect(QPrinter::DevicePixel).width() * m_twipsProPixel;
}

double QtDruckflaeche::hoehe() const
{
    return m_drucker->pageRect(QPrinter::DevicePixel).height() * m_twipsProPixel;
}

double QtDruckflaeche::x() const
{
    return m_x;
}

void QtDruckflaeche::setX(double x)
{
    m_x = x;
}

double QtDruckflaeche::y() const
{
    return m_y;
}

// Measured on the printer itself, so the widths are those of the printed text, not of the screen.
double QtDruckflaeche::textBreite(const QString &text) const
{
    return m_metrik.horizontalAdvance(text) * m_twipsProPixel;
}

double QtDruckflaeche::textHoehe(const QString &) const
{
    return zeilenHoehe();
}

double QtDruckflaeche::zeilenHoehe() const
{
    return m_metrik.lineSpacing() * m_twipsProPixel;
}

void QtDruckflaeche::drucke(const QString &text)
{
    if (malerBereit()) {
        const double ascent = m_metrik.ascent();
        m_maler.drawText(QPointF(m_x / m_twipsProPixel, m_y / m_twipsProPixel + ascent), text);
    }
    m_x += textBreite(text);
}

void QtDruckflaeche::zeileEnde()
{
    m_y += zeilenHoehe();
    m_x = 0.0;
}

void QtDruckflaeche::neueSeite()
{
    if (malerBereit())
        m_drucker->newPage();
    m_x = 0.0;
    m_y = 0.0;
}

bool QtDruckflaeche::dokumentEnde()
{
    // A document with nothing on it still comes out, as its one empty page.
    if (!malerBereit())
        return false;
    m_beendet = true;
    // Qt hands the finished job to CUPS and does not look at the answer (a queue that takes no
    // jobs loses it unseen); CUPS keeps it as the answer to this thread's last request. A question
    // to CUPS just before clears what an earlier request left there.
    const Cups *c = m_drucker->outputFormat() == QPrinter::NativeFormat ? cups() : nullptr;
    if (c) {
        cups_dest_t *ziel = c->namedDest(
            CUPS_HTTP_DEFAULT, m_drucker->printerName().toLocal8Bit().constData(), nullptr);
        c->freeDests(ziel ? 1 : 0, ziel);
    }
    const bool beendet = m_maler.end();
    if (c)
        m_grund = cupsAblehnung(*c);
    return beendet && m_grund.isEmpty() && m_drucker->printerState() != QPrinter::Error
        && m_drucker->printerState() != QPrinter::Aborted;
}

QString QtDruckflaeche::fehlerGrund() const
{
    return m_grund;
}
