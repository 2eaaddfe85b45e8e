# Qt's headers (and GoogleTest's) are most of what each file of the project compiles: a target
# parses them once into a precompiled header instead of once per file. On two cores this halves a
# full build.
option(VELMORA_PRECOMPILED_HEADERS "Precompile Qt's and GoogleTest's headers" ON)

set(VELMORA_PCH_CORE <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QString>
  <QStringList> <QTimer> <QVariant> <algorithm> <functional> <memory> <optional> <vector>)
set(VELMORA_PCH_GUI ${VELMORA_PCH_CORE} <QColor> <QImage> <QPainter> <QSize>)
set(VELMORA_PCH_WIDGETS ${VELMORA_PCH_GUI} <QAction> <QApplication> <QLabel> <QMainWindow> <QMenu>
  <QMessageBox> <QPushButton> <QWidget>)

# velmora_precompile(<target> CORE|GUI|WIDGETS): the headers of that Qt module set and below.
function(velmora_precompile target level)
  if(NOT VELMORA_PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE ${VELMORA_PCH_${level}})
endfunction()

# The tests share one precompiled header with GoogleTest in it, made by the tests' support library.
function(velmora_precompile_tests support)
  if(NOT VELMORA_PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${support} PRIVATE ${VELMORA_PCH_WIDGETS} <gtest/gtest.h>)
endfunction()

function(velmora_reuse_test_header target support)
  if(NOT VELMORA_PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} REUSE_FROM ${support})
endfunction()
