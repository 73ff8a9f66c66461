#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "ui/tform10.h"
#include "ui/tform2.h"
#include "ui/tform4.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

namespace {

TEST(Dialogs, CaptionsOfTheDialogs) {
  EXPECT_EQ(TForm2().windowTitle(), QStringLiteral("Einstellungen"));
  EXPECT_EQ(TForm4().windowTitle(), QStringLiteral("Manuelle Regionserfassung"));
  EXPECT_EQ(TForm5().windowTitle(), QStringLiteral("Einlesen der Auswertung läuft ..."));
  EXPECT_EQ(TForm6().windowTitle(), QStringLiteral("Befehlseditor"));
  EXPECT_EQ(TForm7().windowTitle(), QStringLiteral("Molvanth Assistent Info"));
  EXPECT_EQ(TForm8().windowTitle(), QStringLiteral("Zug Checker Ausgabe"));
  EXPECT_EQ(TForm9().windowTitle(), QStringLiteral("Besitztümer"));
  EXPECT_EQ(TForm10().windowTitle(), QStringLiteral("Datenbank entrümpeln"));
}

TEST(Dialogs, AboutBoxGetsItsVersionOnce) {
  TForm7 about;
  EXPECT_EQ(about.productLine(), QStringLiteral("Zendral V"));
  about.appendVersion(QStringLiteral("3.7.16"));
  about.appendVersion(QStringLiteral("3.7.16"));
  EXPECT_EQ(about.productLine(), QStringLiteral("Zendral V3.7.16"));
  about.show();
  about.Button1->click();
  EXPECT_FALSE(about.isVisible());
}

TEST(Dialogs, OptionsDialogCarriesItsValuesAndClosingCancels) {
  TForm2 dialog;
  dialog.setValues({QStringLiteral("/spiele/"), QStringLiteral("/bin/mcheck"), QStringLiteral("3"), QStringLiteral("-4"), QString()});
  const options::Values v = dialog.values();
  EXPECT_EQ(v.programPath, QStringLiteral("/spiele/"));
  EXPECT_EQ(v.checkerPath, QStringLiteral("/bin/mcheck"));
  EXPECT_EQ(v.homeX, QStringLiteral("3"));
  EXPECT_EQ(v.homeY, QStringLiteral("-4"));
  int saves = 0, cancels = 0;
  QObject::connect(&dialog, &TForm2::saveRequested, [&] { ++saves; });
  QObject::connect(&dialog, &TForm2::cancelled, [&] { ++cancels; });
  dialog.Button1->click();
  dialog.Button2->click();
  dialog.show();
  dialog.close();
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(cancels, 2);
}

TEST(ProgressDialog, FieldsBarAndThrottledRepaint) {
  TForm5 progress;
  ImportProgress& p = progress;
  p.setPart(QStringLiteral("Teil"));
  p.setLineText(QStringLiteral("120"));
  p.setUnitText(QStringLiteral("Hans"));
  p.setPercent(140);
  EXPECT_EQ(progress.edit1->text(), QStringLiteral("Teil"));
  EXPECT_EQ(progress.Edit2->text(), QStringLiteral("120"));
  EXPECT_EQ(progress.Edit3->text(), QStringLiteral("Hans"));
  EXPECT_EQ(progress.Gauge1->value(), 100);
  p.setPercent(-3);
  EXPECT_EQ(progress.Gauge1->value(), 0);
  p.setPercent(37);
  progress.reset();
  EXPECT_TRUE(progress.edit1->text().isEmpty());
  EXPECT_EQ(progress.Gauge1->value(), 0);

  // Pending events run at a repaint, but not more often than every 50 ms.
  int ran = 0;
  QTimer::singleShot(0, [&] { ++ran; });
  p.repaint();
  EXPECT_EQ(ran, 1);
  QTimer::singleShot(0, [&] { ++ran; });
  p.repaint();
  EXPECT_EQ(ran, 1);
  QThread::msleep(60);
  p.repaint();
  EXPECT_EQ(ran, 2);

  // A busy import cannot be closed away.
  progress.show();
  progress.setBusy(true);
  progress.close();
  EXPECT_TRUE(progress.isVisible());
  progress.setBusy(false);
  progress.close();
  EXPECT_FALSE(progress.isVisible());
}

TEST(Dialogs, CheckerOutputWindowGeometry) {
  TForm8 out;
  EXPECT_EQ(out.size(), QSize(482, 579));
  EXPECT_EQ(out.Memo1->geometry(), QRect(16, 16, 449, 545));
  EXPECT_EQ(out.Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
}

}  // namespace
