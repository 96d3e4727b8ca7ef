#pragma once

// A print surface that hands everything on to another one. Whoever wants to watch a print run
// (a test that keeps the recording after the run, a benchmark that notes every item) derives
// from it and overrides only what it watches.

#include "druck/druckflaeche.h"

class Weiterleitung : public Druckflaeche
{
public:
    explicit Weiterleitung(Druckflaeche &ziel) : ziel_(ziel) { }

    bool bereit() const override { return ziel_.bereit(); }
    void setSchriftgroesse(int punkte) override { ziel_.setSchriftgroesse(punkte); }
    double breite() const override { return ziel_.breite(); }
    double hoehe() const override { return ziel_.hoehe(); }
    double x() const override { return ziel_.x(); }
    void setX(double x) override { ziel_.setX(x); }
    double y() const override { return ziel_.y(); }
    double textBreite(const QString &text) const override { return ziel_.textBreite(text); }
    double textHoehe(const QString &text) const override { return ziel_.textHoehe(text); }
    void drucke(const QString &text) override { ziel_.drucke(text); }
    void zeileEnde() override { ziel_.zeileEnde(); }
    void neueSeite() override { ziel_.neueSeite(); }
    bool dokumentEnde() override { return ziel_.dokumentEnde(); }
    QString fehlerGrund() const override { return ziel_.fehlerGrund(); }

protected:
    Druckflaeche &ziel_;
};
