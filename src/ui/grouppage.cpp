#include "ui/grouppage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using namespace formhelpers;

GroupPage::GroupPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetGroups"));
  ComboBox1 = named(new QComboBox, "ComboBox1");
  ComboBox1->addItems({QStringLiteral("Alle"), QStringLiteral("Armee"), QStringLiteral("Arbeiter"),
                       QStringLiteral("Händler"), QStringLiteral("Botschafter"), QStringLiteral("Unterhalter"),
                       QStringLiteral("Transporter")});
  DBLookupComboBox1 = named(new QComboBox, "DBLookupComboBox1");
  DBEdit4 = lineEdit("DBEdit4", true);
  Edit18 = lineEdit("Edit18");
  Edit17 = lineEdit("Edit17");
  ComboBox3 = named(new QComboBox, "ComboBox3");
  ComboBox3->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")});
  Edit19 = lineEdit("Edit19");
  Edit20 = lineEdit("Edit20");
  Edit20->setText(QStringLiteral("0"));
  Edit20->setEnabled(false);
  Button2 = named(new QPushButton(QStringLiteral("Bericht")), "Button2");
  StringGrid4 = grid("StringGrid4", 12);
  StringGrid4->setToolTip(QStringLiteral("Rechtsclick um Gruppe zu ändern"));
  Label8 = named(new QLabel(QStringLiteral("Rechtsclick auf das Tabellenfeld Gruppe um die Gruppenzugehörigkeit zu ändern.")),
                 "Label8");
  QFont italic = Label8->font();
  italic.setItalic(true);
  Label8->setFont(italic);

  auto* filters = new QGridLayout;
  filters->addWidget(captioned(QStringLiteral("Gruppe"), ComboBox1), 0, 0);
  filters->addWidget(captioned(QStringLiteral("Partei Name"), DBLookupComboBox1), 0, 1);
  filters->addWidget(DBEdit4, 0, 2, Qt::AlignBottom);
  filters->addWidget(captioned(QStringLiteral("Einheit Nr"), Edit18), 0, 3);
  filters->addWidget(captioned(QStringLiteral("Einheit Name"), Edit17), 0, 4);
  filters->addWidget(captioned(QStringLiteral("Info Datum"), ComboBox3), 0, 5);
  filters->addWidget(Edit19, 0, 6, Qt::AlignBottom);
  filters->addWidget(Edit20, 0, 7, Qt::AlignBottom);
  filters->addWidget(Button2, 0, 8, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(StringGrid4, 1);
  layout->addWidget(Label8);
}
