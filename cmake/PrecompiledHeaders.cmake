# Precompiled headers: the Qt and standard headers nearly every file pulls in
# are parsed once per target instead of once per source file.
#
# Each target makes its own header: the targets differ in their definitions
# and in what they link (widgets, GoogleTest, Google Benchmark), and a
# sanitizer build dir has other flags, so it builds its own as well.

set(ZENDRAL_PCH_STD
  <algorithm> <array> <cmath> <functional> <memory> <optional> <stdexcept> <utility> <vector>)

set(ZENDRAL_PCH_CORE
  ${ZENDRAL_PCH_STD}
  <QByteArray> <QColor> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QImage>
  <QList> <QPainter> <QPoint> <QSet> <QSqlError> <QSqlQuery> <QString> <QStringList>
  <QStringView> <QVariant> <QVector>)

set(ZENDRAL_PCH_WIDGETS
  ${ZENDRAL_PCH_CORE}
  <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QGridLayout> <QGroupBox>
  <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QListWidget> <QMenu> <QPlainTextEdit>
  <QPushButton> <QTabWidget> <QTableWidget> <QTimer> <QToolButton> <QVBoxLayout> <QWidget>)

# zendral_precompile(target core|widgets [extra headers...])
function(zendral_precompile target kind)
  if(kind STREQUAL "widgets")
    set(headers ${ZENDRAL_PCH_WIDGETS})
  else()
    set(headers ${ZENDRAL_PCH_CORE})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers} ${ARGN})
endfunction()
