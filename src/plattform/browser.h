#pragma once

// Opening the local support page in the user's web browser.

#include <QProcessEnvironment>
#include <QString>
#include <QUrl>

#include <utility>

class Seitenoeffner
{
public:
    virtual ~Seitenoeffner() = default;
    // Hands the page to the browser and returns at once; false when no browser could be started.
    virtual bool oeffnen(const QUrl &adresse) = 0;
};

// Opens pages with the desktop's default browser, found in the environment umgebung.
class DesktopSeitenoeffner final : public Seitenoeffner
{
public:
    explicit DesktopSeitenoeffner(
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment())
        : umgebung_(std::move(umgebung))
    {
    }
    // False also when no program is there that shows web pages.
    bool oeffnen(const QUrl &adresse) override;

private:
    QProcessEnvironment umgebung_;
};

// Whether a program is there that shows web pages, looked for as xdg-open looks: a program the
// user names in BROWSER, the browsers it knows by name, the desktop's program for HTML pages.
bool browserVorhanden(const QProcessEnvironment &umgebung);

// The support page "linkzuvelmar.html" in the program's folder, as a file URL.
QUrl supportSeite(const QString &programmOrdner);

// True when the local file behind a file URL exists as a plain file.
bool seiteVorhanden(const QUrl &adresse);
