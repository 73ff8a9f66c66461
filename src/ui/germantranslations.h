#pragma once
// Qt's own texts in German (file dialogs, "Ja"/"Nein"/"Abbrechen", the
// context menus of text fields), whatever language the system runs in.
#include <QString>

class QCoreApplication;

namespace germantranslations {

// Loads Qt's German catalogue from Qt's translations folder (Debian:
// qt6-translations-l10n) and makes German the default locale. Returns the
// file loaded, or an empty text when no catalogue was found; the program
// then runs with Qt's English texts.
QString install(QCoreApplication& app);

}  // namespace germantranslations
