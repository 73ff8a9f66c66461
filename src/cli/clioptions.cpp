#include "cli/clioptions.h"

#include <QDir>
#include <algorithm>

#include "game/textutil.h"

namespace cli {

std::optional<GameOptions> parseGameOptions(const QStringList& args, QString* error,
                                            const QList<ExtraOption>& extraOptions) {
  GameOptions o;
  o.dir = QDir::currentPath();
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args.at(i);
    auto value = [&](const char* option) -> std::optional<QString> {
      if (i + 1 >= args.size()) {
        *error = QStringLiteral("Zur Option %1 fehlt der Wert.").arg(QLatin1String(option));
        return std::nullopt;
      }
      return args.at(++i);
    };
    // A command's own option wins over a shared one of the same name
    // (ships --typ is the ship type, groups --name the unit name).
    if (const auto extra = std::find_if(extraOptions.begin(), extraOptions.end(),
                                        [&](const ExtraOption& e) { return e.name == a; });
        extra != extraOptions.end()) {
      if (i + extra->values >= args.size()) {
        *error = extra->values == 1 ? QStringLiteral("Zur Option %1 fehlt der Wert.").arg(a)
                                    : QStringLiteral("Zur Option %1 fehlen Werte: sie nimmt %2.").arg(a).arg(extra->values);
        return std::nullopt;
      }
      QStringList values;
      for (int k = 0; k < extra->values; ++k) values << args.at(++i);
      o.extra.insert(a, values);
    } else if (a == QLatin1String("--dir")) {
      const auto v = value("--dir");
      if (!v) return std::nullopt;
      o.dir = *v;
    } else if (a == QLatin1String("--slot")) {
      const auto v = value("--slot");
      if (!v) return std::nullopt;
      const auto n = textutil::strictInt(*v);
      if (!n || *n < 1 || *n > 6) {
        *error = QStringLiteral("Ungültiges Spiel „%1“: erlaubt sind 1 bis 6.").arg(*v);
        return std::nullopt;
      }
      o.slot = *n;
    } else if (a == QLatin1String("--typ")) {
      const auto v = value("--typ");
      if (!v) return std::nullopt;
      if (*v != QLatin1String("Molvanth") && *v != QLatin1String("Quarnel")) {
        *error = QStringLiteral("Unbekannter Spieltyp „%1“: erlaubt sind Molvanth und Quarnel.").arg(*v);
        return std::nullopt;
      }
      o.typ = *v;
    } else if (a == QLatin1String("--name")) {
      const auto v = value("--name");
      if (!v) return std::nullopt;
      o.name = *v;
    } else if (a == QLatin1String("--ja")) {
      o.yes = true;
    } else if (a.startsWith(QLatin1String("--"))) {
      *error = QStringLiteral("Unbekannte Option „%1“.").arg(a);
      return std::nullopt;
    } else {
      o.positional << a;
    }
  }
  return o;
}

}  // namespace cli
