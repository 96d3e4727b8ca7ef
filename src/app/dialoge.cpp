#include "app/dialoge.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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

QString FensterDialoge::pdfSpeicherort(const QString &vorschlag)
{
    return QFileDialog::getSaveFileName(fenster_, QStringLiteral("Bericht als PDF speichern"),
                                        QDir::current().filePath(vorschlag),
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

Dialoge::Sichern FensterDialoge::vorSchliessen(const QString &text)
{
    // Buttons named in German whatever translations are at hand; Escape and the box's close
    // button cancel, Enter saves.
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kalvomat"), text, QMessageBox::NoButton,
                    fenster_);
    QPushButton *speichern = box.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
    QPushButton *verwerfen =
        box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton *abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(speichern);
    box.setEscapeButton(abbrechen);
    box.exec();
    return box.clickedButton() == speichern ? Sichern::speichern
        : box.clickedButton() == verwerfen  ? Sichern::verwerfen
                                            : Sichern::abbrechen;
}

QString FensterDialoge::planDatei()
{
    return QFileDialog::getOpenFileName(fenster_, QStringLiteral("Plan öffnen"),
                                        QDir::currentPath(), planFilter);
}
