#pragma once

// What a report is drawn on: the page of the default printer, a PDF file, or the recording
// surface of the tests. Page units are twips; (0, 0) is the top left corner of the printable area.

#include <QString>

class Druckflaeche
{
public:
    virtual ~Druckflaeche() = default;

    // False when the surface could not be opened (no printer); then nothing is drawn.
    virtual bool bereit() const = 0;

    virtual void setSchriftgroesse(int punkte) = 0;
    virtual double breite() const = 0; // W
    virtual double hoehe() const = 0; // H
    virtual double x() const = 0;
    virtual void setX(double x) = 0;
    virtual double y() const = 0;
    virtual double textBreite(const QString &text) const = 0;
    virtual double textHoehe(const QString &text) const = 0;

    // Prints a text at the current position; x moves on by its width, the line stays open.
    virtual void drucke(const QString &text) = 0;
    // Ends the line: y moves down by one line height, x goes back to 0.
    virtual void zeileEnde() = 0;
    virtual void neueSeite() = 0;
    // Finishes the document and hands it on; false when that failed.
    virtual bool dokumentEnde() = 0;
    // Why the surface is not ready or the document failed, as the system put it; empty when it
    // gave no reason.
    virtual QString fehlerGrund() const { return QString(); }
};
