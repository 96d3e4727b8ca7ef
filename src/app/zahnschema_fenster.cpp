// The dental chart dialog of the window: Strg+B or the context menu opens it with the plan's
// chart; every change of the chart goes to the editor, and "In den Plan übernehmen" puts the
// proposal into the plan through the editor, in one step, with a message where the plan differs
// from the proposal.

#include "app/dialoge.h"
#include "app/main_window.h"
#include "app/zahnschema_dialog.h"

void Main::zahnschema_zeigen()
{
    if (!zahnschemaDialog) {
        zahnschemaDialog = new ZahnschemaDialog(this);
        connect(zahnschemaDialog, &ZahnschemaDialog::geaendert, this,
                [this](const Zahnschema &schema) { editor_.zahnschemaEingeben(schema); });
        connect(zahnschemaDialog, &ZahnschemaDialog::uebernehmen, this,
                &Main::vorschlag_uebernehmen);
        // Strg+O and Strg+S work in the dialog too: the chart is kept with the plan.
        zahnschemaDialog->addActions({aktOeffnen, aktSpeichern});
    }
    // The plan's chart: the one typed last, or the one of the plan file opened since.
    zahnschemaDialog->zeigen(editor_.plan().zahnschema, editor_.katalog());
    zahnschemaDialog->show();
    zahnschemaDialog->raise();
    zahnschemaDialog->activateWindow();
}

void Main::vorschlag_uebernehmen()
{
    // A region still being typed in the window counts first, so that its row is not free.
    offeneRegionUebernehmen();
    Uebernahmebericht bericht;
    zeigen(editor_.vorschlagUebernehmen(vorschlagen(editor_.plan().zahnschema), bericht));
    if (const QString text = uebernahmeMeldung(bericht); !text.isEmpty())
        dialoge_->meldung(text);
}
