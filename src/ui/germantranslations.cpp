#include "ui/germantranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace germantranslations {

QString install(QCoreApplication& app) {
  const QLocale german(QLocale::German, QLocale::Germany);
  QLocale::setDefault(german);
  // "qt_de" bundles qtbase_de and the other modules' catalogues.
  for (const QString& name : {QStringLiteral("qt_de"), QStringLiteral("qtbase_de")}) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(translator);
      return translator->filePath();
    }
    delete translator;
  }
  return QString();
}

}  // namespace germantranslations
