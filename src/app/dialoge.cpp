#include "app/dialoge.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

void FensterDialoge::meldung(const QString &text)
{
    QMessageBox::warning(fenster_, QStringLiteral("Kalvomat"), text);
}

bool FensterDialoge::frage(const QString &text)
{
    return QMessageBox::question(fenster_, QStringLiteral("Kalvomat"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString FensterDialoge::pdfSpeicherort()
{
    return QFileDialog::getSaveFileName(fenster_, QStringLiteral("Bericht als PDF speichern"),
                                        QDir::current().filePath(QStringLiteral("Kalvomat.pdf")),
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
}
