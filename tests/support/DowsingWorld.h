#pragma once

#include "common/Application.h"
#include "common/Windows.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "support/DowsingTestFile.h"
#include "support/TestSupport.h"

#include <QTest>

// A private world for one test of the dowsing windows: a temporary application folder holding a copy of the
// empty Dowsing.dll the build makes (VELLORAN_EMPTY_DOWSING_FILE), scripted boxes and a stand-in shell.
class DowsingWorld : public TestEnvironment {
  public:
    DowsingWorld() : ready(copyIntoAppFolder(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE))) {}

    QString path() const { return ApplicationFile(QStringLiteral("Dowsing.dll")); }
    // The file as it holds its rows now, read past the program.
    QList<QVariantList> rows() const { return DowsingTestFile(path()).rows(); }

    // Opens the tool as the launcher does; the wizard, or null when it did not open.
    frmDowsingMain* wizard() const { return ShowDowsingTool() ? Windows::Loaded<frmDowsingMain>() : nullptr; }
    // Opens the tool and its all-records grid from the wizard.
    frmDowsingAllRecord* grid() const {
        frmDowsingMain* w = wizard();
        if (!w) {
            return nullptr;
        }
        QTest::mouseClick(w->cmdViewAllrecords, Qt::LeftButton);
        return Windows::Loaded<frmDowsingAllRecord>();
    }

    // Presses Add on the wizard's last page and takes the box that follows; the one row the file then holds,
    // or an empty row when the box was not "Record Saved Succesfully !" or the file holds another number.
    QVariantList addAndReadBack(frmDowsingMain* w) {
        boxes.answer(MsgResult::Ok);
        QTest::mouseClick(w->cmdadd, Qt::LeftButton);
        const QList<QVariantList> all = rows();
        const bool saved = boxes.texts().value(boxes.texts().size() - 1) == QLatin1String("Record Saved Succesfully !");
        return saved && all.size() == 1 ? all.first() : QVariantList();
    }

    const bool ready;
    RecordingShell shell;
};
