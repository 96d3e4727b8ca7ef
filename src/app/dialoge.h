#pragma once

// The few questions and messages the window puts to the user. The window talks to them through
// this interface so that tests can answer in place of a person.

#include <QString>

class QWidget;

class Dialoge
{
public:
    enum class Sichern { speichern, verwerfen, abbrechen };

    virtual ~Dialoge() = default;
    virtual void meldung(const QString &text) = 0;
    virtual bool frage(const QString &text) = 0;
    // A file name to save a report as PDF under, starting from the suggested name; empty when
    // the user cancels.
    virtual QString pdfSpeicherort(const QString &vorschlag) = 0;
    // The file to save the plan in, starting from the suggested name; empty when the user
    // cancels. The questions below answer "cancelled" unless a dialog set overrides them.
    virtual QString planSpeicherort(const QString &vorschlag)
    {
        Q_UNUSED(vorschlag);
        return QString();
    }
    // The plan file to open; empty when the user cancels.
    virtual QString planDatei() { return QString(); }
    // Before the window closes a plan that was not saved: "Speichern", "Verwerfen" or
    // "Abbrechen" (which keeps the window open).
    virtual Sichern vorSchliessen(const QString &text)
    {
        Q_UNUSED(text);
        return Sichern::abbrechen;
    }
};

// Real message boxes and the file dialog, centred on the window.
class FensterDialoge : public Dialoge
{
public:
    explicit FensterDialoge(QWidget *fenster) : fenster_(fenster) { }
    void meldung(const QString &text) override;
    bool frage(const QString &text) override;
    QString pdfSpeicherort(const QString &vorschlag) override;
    QString planSpeicherort(const QString &vorschlag) override;
    QString planDatei() override;
    Sichern vorSchliessen(const QString &text) override;

private:
    QWidget *fenster_;
};
