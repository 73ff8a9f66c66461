#include "report/sectionmessagetypes.h"

MessagePage messagePageForType(qint64 type) {
  switch (type) {
    case 5281483:
    case 200064037:
    case 577243974:
    case 1549031288:
      return MessagePage::Handel;
    case 430417415:
    case 696898147:
    case 920183152:
    case 1266902937:
    case 1810759497:
      return MessagePage::Ereignisse;
    case 432596433:
    case 458029150:
    case 571284347:
    case 1128215023:
    case 1254350400:
    case 1754489654:
    case 2042128202:
      return MessagePage::Warnungen;
    case 704703128:
    case 1511758069:
    case 1670080073:
    case 1750373495:
    case 2043258366:
    case 2087428775:
      return MessagePage::Produktion;
    case 771334452:
      return MessagePage::EinkommenSummed;
    case 1478912224:
      return MessagePage::Einkommen;
    case 1185902130:
    case 1436762363:
      return MessagePage::Kaempfe;
    case 1242100855:
    case 1423091461:
      return MessagePage::Bewegungen;
    case 180602521:
      return MessagePage::RidingOrBattle;
    default:
      return MessagePage::Botschaften;
  }
}
