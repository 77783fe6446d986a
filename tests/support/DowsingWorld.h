#pragma once

#include "core/Application.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "support/DowsingTestFile.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QTest>

// A private world for one test of the dowsing windows: a temporary application folder holding a copy of the
// empty Dowsing.dll the build makes (VELLORAN_EMPTY_DOWSING_FILE), scripted boxes and a stand-in shell.
class DowsingWorld : public TestEnvironment {
  public:
    DowsingWorld() : ready(copyIntoAppFolder(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE))) {}

    QString path() const { return ApplicationFile(QStringLiteral("Dowsing.dll")); }
    // The file as it holds its rows now, read past the program.
    QList<QVariantList> rows() const { return DowsingTestFile(path()).rows(); }
    // Changes the file behind the program's back, as another program would.
    bool exec(const QString& sql) const { return DowsingTestFile(path()).exec(sql); }

    // Opens the tool as the launcher does; the wizard, or null when it did not open.
    frmDowsingMain* wizard() const { return ShowDowsingTool() ? Windows::Loaded<frmDowsingMain>() : nullptr; }
    // Opens the tool and its all-records grid from the wizard.
    frmDowsingAllRecord* grid() const {
        frmDowsingMain* w = wizard();
        if (!w) {
            return nullptr;
        }
        QTest::mouseClick(Control(w, "cmdViewAllrecords"), Qt::LeftButton);
        return Windows::Loaded<frmDowsingAllRecord>();
    }

    // Opens the tool, the grid (back from the sheet if the sheet is up) and the given row on the sheet.
    frmDowsingSave* sheet(int row) const {
        if (!Windows::IsLoaded<frmDowsingMain>() && !ShowDowsingTool()) {
            return nullptr;
        }
        auto* grid = Windows::Loaded<frmDowsingAllRecord>();
        if (!grid || !grid->isVisible()) {
            if (auto* sheet = Windows::Loaded<frmDowsingSave>(); sheet && sheet->isVisible()) {
                QTest::mouseClick(Control(sheet, "cmdBack"), Qt::LeftButton);
            } else {
                Windows::Loaded<frmDowsingMain>()->ShowAllRecords();
            }
            grid = Windows::Loaded<frmDowsingAllRecord>();
        }
        if (!grid) {
            return nullptr;
        }
        doubleClickRow(grid, row);
        return Windows::Loaded<frmDowsingSave>();
    }
    // The first click makes the row current, the second opens it, as a user's double click does.
    static void doubleClickRow(frmDowsingAllRecord* grid, int row) {
        grid->recordsGrid()->scrollTo(grid->model()->index(row, 1));
        const QRect cell = grid->recordsGrid()->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->recordsGrid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->recordsGrid()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Adds one record a name through the store, as another window would have.
    bool addNamed(const QStringList& names) const {
        DowsingStore store(path());
        bool added = bool(store.open());
        for (const QString& name : names) {
            DowsingRecord record;
            record.Name = name;
            added = added && store.add(record);
        }
        return added;
    }

    // Presses Add on the wizard's last page and takes the box that follows; the one row the file then holds,
    // or an empty row when the box was not "Record Saved Succesfully !" or the file holds another number.
    QVariantList addAndReadBack(frmDowsingMain* w) {
        boxes.answer(MsgResult::Ok);
        QTest::mouseClick(Control(w, "cmdadd"), Qt::LeftButton);
        const QList<QVariantList> all = rows();
        const bool saved = boxes.texts().value(boxes.texts().size() - 1) == QLatin1String("Record Saved Succesfully !");
        return saved && all.size() == 1 ? all.first() : QVariantList();
    }

    const bool ready;
    RecordingShell shell;
};
