#include "qt_druckflaeche.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

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
    return flaeche;
}

std::unique_ptr<QtDruckflaeche> QtDruckflaeche::pdfDatei(const QString &pfad)
{
    auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    drucker->setOutputFormat(QPrinter::PdfFormat);
    drucker->setOutputFileName(pfad);
    drucker->setPageSize(QPageSize(QPageSize::A4));
    drucker->setDocName(QStringLiteral("Kalvomat"));
    std::unique_ptr<QtDruckflaeche> flaeche(new QtDruckflaeche(std::move(drucker)));
    // Begun at once, so that a file that cannot be written shows in bereit().
    flaeche->m_bereit = !pfad.isEmpty();
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
    const bool beendet = m_maler.end();
    return beendet && m_drucker->printerState() != QPrinter::Error
        && m_drucker->printerState() != QPrinter::Aborted;
}
