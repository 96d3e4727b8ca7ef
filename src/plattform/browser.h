#pragma once

// Opening the local support page in the user's web browser.

#include <QString>
#include <QUrl>

class Seitenoeffner
{
public:
    virtual ~Seitenoeffner() = default;
    // Hands the page to the browser and returns at once; false when no browser could be started.
    virtual bool oeffnen(const QUrl &adresse) = 0;
};

// Opens pages with the desktop's default browser.
class DesktopSeitenoeffner final : public Seitenoeffner
{
public:
    bool oeffnen(const QUrl &adresse) override;
};

// The support page "linkzuvelmar.html" in the program's folder, as a file URL.
QUrl supportSeite(const QString &programmOrdner);

// True when the local file behind a file URL exists as a plain file.
bool seiteVorhanden(const QUrl &adresse);
