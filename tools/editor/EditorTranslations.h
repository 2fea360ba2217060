#pragma once

class QCoreApplication;

namespace kelvora {

// The editor's words in the user's language (German, French, Turkish), and Qt's own dialogs' where Qt has them.
void installEditorTranslations(QCoreApplication &app);

} // namespace kelvora
