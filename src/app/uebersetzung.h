#pragma once

// Qt's own texts in the window's dialogs: the file dialogs, the standard buttons of message boxes
// and the question before a file is replaced.

class QCoreApplication;

// Installs Qt's translation for the user's language into app; German where Qt has none for it,
// since every text of the program itself is German. False when no translation could be loaded.
bool qtTexteLaden(QCoreApplication &app);
