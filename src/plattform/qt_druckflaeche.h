#pragma once

// The print surface on a real QPrinter: the system's default printer, or a PDF file with the
// same layout. Positions are kept in twips as doubles and converted to device pixels only when
// a text is drawn, so fractions of the page width never round on the way.

#include "druck/druckflaeche.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

class QtDruckflaeche final : public Druckflaeche
{
public:
    // The system's default printer. Without one, bereit() is false and nothing is printed.
    static std::unique_ptr<QtDruckflaeche>
    standardDrucker(const QString &dokumentName = QStringLiteral("Kalvomat"));
    // A PDF file at pfad (A4, 12 mm free on every side); bereit() is false when the file cannot
    // be written.
    static std::unique_ptr<QtDruckflaeche> pdfDatei(const QString &pfad);
    // Name of the system's default printer; empty when there is none.
    static QString standardDruckerName();

    ~QtDruckflaeche() override;
    QtDruckflaeche(const QtDruckflaeche &) = delete;
    QtDruckflaeche &operator=(const QtDruckflaeche &) = delete;

    bool bereit() const override;
    void setSchriftgroesse(int punkte) override;
    double breite() const override;
    double hoehe() const override;
    double x() const override;
    void setX(double x) override;
    double y() const override;
    double textBreite(const QString &text) const override;
    double textHoehe(const QString &text) const override;
    void drucke(const QString &text) override;
    void zeileEnde() override;
    void neueSeite() override;
    bool dokumentEnde() override;
    QString fehlerGrund() const override;

    // Name of the printer the document goes to; empty for a PDF file.
    QString druckerName() const;

private:
    explicit QtDruckflaeche(std::unique_ptr<QPrinter> drucker);
    // Begins the print job when it has not been begun yet; false when nothing can be drawn.
    bool malerBereit();
    double zeilenHoehe() const;

    std::unique_ptr<QPrinter> m_drucker;
    QPainter m_maler;
    QFont m_schrift;
    // The metrics of m_schrift on the printer, kept with it: every printed text is measured.
    QFontMetricsF m_metrik;
    double m_twipsProPixel = 1.0;
    double m_x = 0.0;
    double m_y = 0.0;
    bool m_bereit = false;
    bool m_beendet = false; // after dokumentEnde nothing begins a second job
    QString m_grund; // why it is not ready, or why the document failed
};
