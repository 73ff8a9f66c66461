#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "game/configfile.h"
#include "dialoganswerer.h"
#include "ui/tform3.h"

namespace {

ConfigFile configWithTypes(const QStringList& types) {
  ConfigFile c(ConfigFile::freshLines(QStringLiteral("/spiele/")));
  for (int slot = 1; slot <= int(types.size()); ++slot) {
    c.setSlotLine(slot, ConfigFile::SlotName, QStringLiteral("Name %1").arg(slot));
    c.setSlotLine(slot, ConfigFile::GameTypeText, types.at(slot - 1));
  }
  return c;
}

TEST(SelectionDialog, TypedSlotsKeepTheirTypeAndOthersLetThePlayerChoose) {
  TForm3 dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Spielwahl"));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  ASSERT_EQ(dialog.groupBoxes.size(), 6);
  EXPECT_EQ(dialog.groupBoxes.at(5)->title(), QStringLiteral("Spiel 6"));

  dialog.fill(configWithTypes({QStringLiteral("Molvanth"), QStringLiteral("Quarnel"), QString(),
                               QStringLiteral("Molvanth "), QStringLiteral("quarnel"), QStringLiteral("Eressea")}));
  const struct {
    QString text;
    bool enabled;
  } expected[] = {{QStringLiteral("Molvanth"), false}, {QStringLiteral("Quarnel"), false}, {QString(), true},
                  {QString(), true},                   {QString(), true},                  {QString(), true}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(dialog.typeBoxes.at(i)->currentText(), expected[i].text) << "slot " << i + 1;
    EXPECT_EQ(dialog.typeBoxes.at(i)->isEnabled(), expected[i].enabled) << "slot " << i + 1;
    EXPECT_EQ(dialog.nameEdits.at(i)->text(), QStringLiteral("Name %1").arg(i + 1));
    EXPECT_EQ(dialog.typeBoxes.at(i)->count(), 2);
  }
}

TEST(SelectionDialog, StartHandsOverNameAndTypeOfItsSlot) {
  TForm3 dialog;
  dialog.fill(configWithTypes({QStringLiteral("Molvanth"), QString()}));
  dialog.show();
  QList<std::tuple<int, QString, QString>> started;
  int abandoned = 0;
  QObject::connect(&dialog, &TForm3::startRequested,
                   [&](int slot, const QString& name, const QString& type) { started.append({slot, name, type}); });
  QObject::connect(&dialog, &TForm3::abandoned, [&] { ++abandoned; });

  dialog.nameEdits.at(1)->setText(QStringLiteral("Mein Quarnel"));
  dialog.typeBoxes.at(1)->setCurrentIndex(1);
  dialog.startButtons.at(1)->click();
  ASSERT_EQ(started.size(), 1);
  EXPECT_EQ(std::get<0>(started.at(0)), 2);
  EXPECT_EQ(std::get<1>(started.at(0)), QStringLiteral("Mein Quarnel"));
  EXPECT_EQ(std::get<2>(started.at(0)), QStringLiteral("Quarnel"));
  EXPECT_FALSE(dialog.isVisible());
  dialog.close();
  EXPECT_EQ(abandoned, 0);  // a started slot is not an abandoned selection
}

TEST(SelectionDialog, StartWithoutAGameTypeSaysToChooseOneAndStaysOpen) {
  TForm3 dialog;
  dialog.fill(configWithTypes({QString()}));
  dialog.show();
  int started = 0;
  QObject::connect(&dialog, &TForm3::startRequested, [&] { ++started; });
  uitest::DialogAnswerer answer;
  dialog.startButtons.at(0)->click();
  EXPECT_EQ(started, 0);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(answer.messages, QStringList{QStringLiteral("Bitte zuerst den Spieltyp wählen: Molvanth oder Quarnel.")});
  // Once a type is chosen the slot starts.
  dialog.typeBoxes.at(0)->setCurrentText(QStringLiteral("Molvanth"));
  dialog.startButtons.at(0)->click();
  EXPECT_EQ(started, 1);
  EXPECT_EQ(answer.messages.size(), 1);
}

TEST(SelectionDialog, ShortOrMissingFileFillsWhatThereIsAndClosingAbandons) {
  TForm3 dialog;
  QStringList lines = configWithTypes({QStringLiteral("Quarnel"), QStringLiteral("Molvanth")}).lines().mid(0, 25);
  dialog.fill(ConfigFile(lines));
  EXPECT_EQ(dialog.typeBoxes.at(0)->currentText(), QStringLiteral("Quarnel"));
  EXPECT_EQ(dialog.nameEdits.at(1)->text(), QStringLiteral("Name 2"));
  EXPECT_TRUE(dialog.typeBoxes.at(1)->currentText().isEmpty());  // line 25 is missing
  EXPECT_TRUE(dialog.typeBoxes.at(1)->isEnabled());
  dialog.fill(ConfigFile());
  EXPECT_TRUE(dialog.nameEdits.at(0)->text().isEmpty());
  EXPECT_TRUE(dialog.typeBoxes.at(0)->isEnabled());

  dialog.show();
  int abandoned = 0;
  QObject::connect(&dialog, &TForm3::abandoned, [&] { ++abandoned; });
  dialog.close();
  EXPECT_EQ(abandoned, 1);
}

}  // namespace
