#include "app/dialoge.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {
const QString planFilter = QStringLiteral("Kalvomat-Pläne (*.kplan);;Alle Dateien (*)");
}

void FensterDialoge::meldung(const QString &text)
{
    // The text can be selected and copied: a message may name a file or folder.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kalvomat"), text, QMessageBox::Ok,
                    fenster_);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
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

QString FensterDialoge::planSpeicherort(const QString &vorschlag)
{
    // The dialog adds the ending to a name typed without one, and asks before it replaces a file
    // of that full name.
    QFileDialog dialog(fenster_, QStringLiteral("Plan speichern"),
                       QDir::current().filePath(vorschlag), planFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("kplan"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
        ? dialog.selectedFiles().constFirst()
        : QString();
}

QString FensterDialoge::planDatei()
{
    return QFileDialog::getOpenFileName(fenster_, QStringLiteral("Plan öffnen"),
                                        QDir::currentPath(), planFilter);
}
