#include "core/Application.h"
#include "dowsing/DowsingGridModel.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/MDIDowsingForm1.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "support/DowsingSeed.h"
#include "support/DowsingTestFile.h"
#include "support/DowsingWorld.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <memory>

using namespace Qt::StringLiterals;

class tst_frmDowsingAllRecord : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void grid_followsChangesHereAndElsewhere();

    void grid_listsEveryRowInTableOrderUnderItsCaptions();
    void grid_readsLazily();
    void gridModel_keepsTheModelContract();
    void grid_isReadOnly();
    void emptyTable_saysSoOnceAndDisablesTheGrid();
    void doubleClick_opensTheCurrentRowOnTheSheet_data();
    void doubleClick_opensTheCurrentRowOnTheSheet();
    void doubleClickAnywhere_opensTheCurrentRow_data();
    void doubleClickAnywhere_opensTheCurrentRow();
    void openingAnotherRecord_replacesTheSheetText();
    void unbrokenNote_wrapsAnywhereOnTheSheet();
    void unreadableFile_isSaidNeverShownEmpty_data();
    void unreadableFile_isSaidNeverShownEmpty();
    void pageThatFailed_isNotReadAgainUntilTheUserActs();
    void sheetBack_showsTheSameHiddenGrid();
    void gridBack_showsWizardAndNextOpeningReadsAfresh();
    void datesAreMonthDayYear_whateverTheLocale();
    void recordNumbersBeyond16Bits_open();
    void closingFrame_withGridHiddenBehindSheet_unloadsBoth();
    void jumpToTheEnd_ofATableWithGaps_opensItsLastRecord();

  private:
    frmDowsingAllRecord* openGrid();

    std::unique_ptr<DowsingWorld> env;
    frmDowsingAllRecord* grid = nullptr;
};

void tst_frmDowsingAllRecord::init() {
    env = std::make_unique<DowsingWorld>();
    QVERIFY(env->ready);
    grid = nullptr;
}

void tst_frmDowsingAllRecord::cleanup() {
    grid = nullptr;
    env.reset();
}

void tst_frmDowsingAllRecord::grid_followsChangesHereAndElsewhere() {
    QVERIFY(SeedRecords(env->path(), 3));
    QVERIFY(openGrid());
    grid->recordsGrid()->setCurrentIndex(grid->model()->index(2, 0));
    // Added by this program (another window), then by another program: rows appear without reopening.
    QVERIFY(env->addNamed({QStringLiteral("FOURTH")}));
    QCOMPARE(grid->model()->rowCount(), 4);
    QCOMPARE(grid->model()->index(3, 1).data().toString(), QStringLiteral("FOURTH"));
    QCOMPARE(grid->recordsGrid()->currentIndex().row(), 2);
    QVERIFY(env->exec(QStringLiteral("DELETE FROM Details WHERE IdNumber = 1")));
    QTRY_COMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("CUSTOMER 2"));
    QVERIFY(env->boxes.shown().isEmpty());
}

frmDowsingAllRecord* tst_frmDowsingAllRecord::openGrid() {
    grid = env->grid();
    return grid;
}

void tst_frmDowsingAllRecord::grid_listsEveryRowInTableOrderUnderItsCaptions() {
    QVERIFY(SeedRecords(env->path(), 300));
    QVERIFY(openGrid());
    QVERIFY(!Windows::Loaded<frmDowsingMain>()->isVisible());
    QVERIFY(grid->subWindow()->isVisible());
    QCOMPARE(grid->subWindow()->pos(), QPoint(0, 0));
    QCOMPARE(Control<QLabel>(grid, "DataGridCaption")->text(), QStringLiteral("Dowsing Records"));
    const QStringList captions = {
        u"Date"_s,     u"Name"_s,          u"Address"_s,         u"City"_s,         u"State"_s,           u"Pin"_s,
        u"Phone No"_s, u"Email Address"_s, u"Time Of Dowsing"_s, u"Dowsing Tool"_s, u"Item Of Dowsing"_s, u"Location"_s,
        u"Notes"_s,    u"IdNumber"_s};
    QStringList shown;
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        shown << grid->model()->headerData(c, Qt::Horizontal).toString();
    }
    QCOMPARE(shown, captions);
    QCOMPARE(grid->model()->rowCount(), 300);
    QCOMPARE(grid->recordsGrid()->currentIndex().row(), 0);
    // Rows in the table's order, the last one as well as the first, across the pages the grid reads.
    for (int row : {0, 127, 128, 299}) {
        const DowsingRecord expected = SeedRecord(row + 1);
        QCOMPARE(grid->model()->index(row, 1).data().toString(), expected.Name);
        QCOMPARE(grid->model()->index(row, 8).data().toString(), expected.Time_Dowsing_Occured);
        QCOMPARE(grid->model()->index(row, 13).data().toString(), QString::number(row + 1));
    }
    QVERIFY(env->boxes.shown().isEmpty());
}

void tst_frmDowsingAllRecord::gridModel_keepsTheModelContract() {
    QVERIFY(SeedRecords(env->path(), DowsingGridModel::PageSize * 2 + 5));
    DowsingStore store(env->path());
    QVERIFY(store.open());
    DowsingGridModel model(store);
    QVERIFY(model.reload());
    // The tester walks every index the model offers and fails the test at the first broken promise.
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), DowsingGridModel::PageSize * 2 + 5);
    QCOMPARE(model.index(model.rowCount() - 1, 1).data().toString(),
             QStringLiteral("CUSTOMER %1").arg(model.rowCount()));
    QVERIFY(!model.index(model.rowCount(), 0).isValid());
}

void tst_frmDowsingAllRecord::grid_readsLazily() {
    QVERIFY(SeedRecords(env->path(), 2000));
    QVERIFY(openGrid());
    QCoreApplication::processEvents();
    // Only what the screen shows has been read.
    QVERIFY(grid->model()->pagesRead() <= 1);
    grid->recordsGrid()->scrollToBottom();
    QCOMPARE(grid->model()->index(1999, 1).data().toString(), QStringLiteral("CUSTOMER 2000"));
    QVERIFY(grid->model()->pagesRead() <= 3);
}

void tst_frmDowsingAllRecord::grid_isReadOnly() {
    QVERIFY(SeedRecords(env->path(), 3));
    QVERIFY(openGrid());
    const QList<QVariantList> before = env->rows();
    const QModelIndex name = grid->model()->index(1, 1);
    QVERIFY(!(grid->model()->flags(name) & Qt::ItemIsEditable));
    QVERIFY(!grid->model()->setData(name, QStringLiteral("CHANGED")));
    grid->recordsGrid()->setCurrentIndex(name);
    grid->recordsGrid()->setFocus();
    QTest::keyClick(grid->recordsGrid(), Qt::Key_F2);
    QTest::keyClicks(grid->recordsGrid(), QStringLiteral("xyz"));
    QTest::keyClick(grid->recordsGrid(), Qt::Key_Delete);
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(name.data().toString(), QStringLiteral("CUSTOMER 2"));
    QCOMPARE(env->rows(), before);
    QVERIFY(!Control<QAction>(grid, "mnuPrint")->isEnabled());
}

void tst_frmDowsingAllRecord::emptyTable_saysSoOnceAndDisablesTheGrid() {
    env->boxes.answer(MsgResult::Ok);
    QVERIFY(openGrid());
    QCOMPARE(env->boxes.texts(), QStringList{QStringLiteral("There Is No Record !")});
    QCOMPARE(env->boxes.shown().first().icon, MsgIcon::Information);
    QCOMPARE(env->boxes.shown().first().buttons, MsgButtons::Ok);
    QVERIFY(grid->isVisible());
    QVERIFY(!grid->recordsGrid()->isEnabled());
    grid->openCurrentRecord();
    QVERIFY(!Windows::IsLoaded<frmDowsingSave>());
    QVERIFY(grid->isVisible());
    QCOMPARE(env->boxes.shown().size(), 1);
}

void tst_frmDowsingAllRecord::doubleClick_opensTheCurrentRowOnTheSheet_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("paragraph");
    QTest::newRow("item Oil") << u"Oil"_s << u"Dowsin Item :- Oil"_s;
    QTest::newRow("item empty") << u""_s << u"Dowsing Item :- This data has not been entered"_s;
}

void tst_frmDowsingAllRecord::doubleClick_opensTheCurrentRowOnTheSheet() {
    QFETCH(QString, item);
    QFETCH(QString, paragraph);
    QVERIFY(SeedRecords(env->path(), 3));
    QVERIFY(env->exec(QStringLiteral("UPDATE Details SET Item_Dowsing_For = '%1', Address = '', Date = '2006-03-07', "
                                     "Time_Dowsing_Occured = '13:05' WHERE IdNumber = 2")
                          .arg(item)));
    QVERIFY(openGrid());
    DowsingWorld::doubleClickRow(grid, 1);

    auto* sheet = Windows::Loaded<frmDowsingSave>();
    QVERIFY(sheet);
    QVERIFY(!grid->isVisible());
    QVERIFY(Windows::IsLoaded<frmDowsingAllRecord>());
    QVERIFY(sheet->subWindow()->isVisible());
    QCOMPARE(sheet->subWindow()->pos(), QPoint(0, 0));
    const QStringList paragraphs = sheet->sheetText()->toPlainText().split(QStringLiteral("\n\n"));
    QCOMPARE(paragraphs.size(), 14);
    QCOMPARE(paragraphs[0], QStringLiteral("Date :- 3/7/2006"));
    QCOMPARE(paragraphs[1], QStringLiteral("Name :- CUSTOMER 2"));
    QCOMPARE(paragraphs[2], QStringLiteral("Address :- This data has not been entered"));
    QCOMPARE(paragraphs[10], paragraph);
    // Bold, in the sheet's own font, from first letter to last.
    QTextCursor all(sheet->sheetText()->document());
    all.select(QTextCursor::Document);
    QVERIFY(all.charFormat().fontWeight() >= QFont::Bold);
    for (QTextBlock b = sheet->sheetText()->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QVERIFY(it.fragment().charFormat().fontWeight() >= QFont::Bold);
        }
    }
    QCOMPARE(sheet->shownRow(), 1);
    QCOMPARE(sheet->shownRecord().IdNumber, 2);
}

void tst_frmDowsingAllRecord::doubleClickAnywhere_opensTheCurrentRow_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("below the last row") << "below";
    QTest::newRow("record selector") << "selector";
    QTest::newRow("column captions") << "captions";
}

void tst_frmDowsingAllRecord::doubleClickAnywhere_opensTheCurrentRow() {
    QFETCH(QString, where);
    QVERIFY(SeedRecords(env->path(), 3));
    QVERIFY(openGrid());
    // The user moves the arrow down to the chosen row, then double-clicks the grid.
    grid->recordsGrid()->setFocus();
    QTest::keyClick(grid->recordsGrid(), Qt::Key_Down);
    QTest::keyClick(grid->recordsGrid(), Qt::Key_Down);
    QCOMPARE(grid->recordsGrid()->currentIndex().row(), 2);
    QWidget* target = nullptr;
    QPoint at;
    if (where == QLatin1String("below")) {
        target = grid->recordsGrid()->viewport();
        const QRect last = grid->recordsGrid()->visualRect(grid->model()->index(2, 1));
        at = QPoint(last.center().x(), last.bottom() + 20);
        QVERIFY(!grid->recordsGrid()->indexAt(at).isValid());
    } else if (where == QLatin1String("selector")) {
        QHeaderView* selector = grid->recordsGrid()->verticalHeader();
        target = selector->viewport();
        at = QPoint(selector->width() / 2, selector->sectionViewportPosition(2) + selector->sectionSize(2) / 2);
    } else {
        QHeaderView* captions = grid->recordsGrid()->horizontalHeader();
        target = captions->viewport();
        at = QPoint(captions->sectionViewportPosition(1) + 10, captions->height() / 2);
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    auto* sheet = Windows::Loaded<frmDowsingSave>();
    QVERIFY(sheet);
    QVERIFY(!grid->isVisible());
    QCOMPARE(sheet->shownRow(), 2);
    QCOMPARE(sheet->shownRecord().IdNumber, 3);
    QVERIFY(sheet->sheetText()->toPlainText().contains(QStringLiteral("Name :- CUSTOMER 3\n")));
}

void tst_frmDowsingAllRecord::unbrokenNote_wrapsAnywhereOnTheSheet() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(env->exec(
        QStringLiteral("UPDATE Details SET Notes = replace(hex(zeroblob(10000)), '0', 'q') WHERE IdNumber = 1")));
    QVERIFY(openGrid());
    DowsingWorld::doubleClickRow(grid, 0);
    auto* sheet = Windows::Loaded<frmDowsingSave>();
    QVERIFY(sheet->sheetText()->toPlainText().contains(QString(20000, QLatin1Char('q'))));
    QCOMPARE(sheet->sheetText()->wordWrapMode(), QTextOption::WrapAnywhere);
    QTest::mouseClick(Control(sheet, "cmdBack"), Qt::LeftButton);
    DowsingWorld::doubleClickRow(grid, 1);
    QCOMPARE(sheet->sheetText()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void tst_frmDowsingAllRecord::unreadableFile_isSaidNeverShownEmpty_data() {
    FileTrouble::AddRows({u"lock"_s, u"truncate"_s});
}

void tst_frmDowsingAllRecord::unreadableFile_isSaidNeverShownEmpty() {
    QFETCH(QString, trouble);
    QFETCH(QString, cause);
    QVERIFY(SeedRecords(env->path(), 300));
    QVERIFY(env->wizard());
    DowsingTestFile other(env->path());
    const bool lock = trouble == QLatin1String("lock");
    QVERIFY(FileTrouble::Cause(trouble, env->path(), other));
    if (lock) {
        // The user closes the other program while the box is up, then chooses Retry.
        env->boxes.onShow([&other](const MessageRequest&) { other.exec(QStringLiteral("ROLLBACK")); });
        env->boxes.answer(MsgResult::Retry);
    } else {
        env->boxes.answer(MsgResult::Ok);
    }
    QVERIFY(openGrid());
    QCOMPARE(env->boxes.shown().size(), 1);
    const MessageRequest box = env->boxes.shown().first();
    QVERIFY2(box.text.contains(cause), qPrintable(box.text));
    QVERIFY(box.text.contains(QDir::toNativeSeparators(env->path())));
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.buttons, lock ? MsgButtons::RetryCancel : MsgButtons::Ok);
    if (lock) {
        QCOMPARE(grid->model()->rowCount(), 300);
        QVERIFY(grid->recordsGrid()->isEnabled());
    } else {
        QVERIFY(!grid->recordsGrid()->isEnabled());
    }
}

void tst_frmDowsingAllRecord::pageThatFailed_isNotReadAgainUntilTheUserActs() {
    QVERIFY(SeedRecords(env->path(), 300));
    QVERIFY(openGrid());
    QCoreApplication::processEvents();
    DowsingTestFile other(env->path());
    QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    env->boxes.answer(MsgResult::Cancel);
    grid->recordsGrid()->setFocus();
    QTest::keyClick(grid->recordsGrid(), Qt::Key_End, Qt::ControlModifier);
    grid->recordsGrid()->viewport()->repaint();
    QTRY_COMPARE(env->boxes.shown().size(), 1);
    QCOMPARE(env->boxes.shown().first().buttons, MsgButtons::RetryCancel);
    QVERIFY(env->boxes.texts().first().contains(QStringLiteral("in use by another program")));
    // Repaints do not ask the file again, and so neither wait nor say it again.
    const int pages = grid->model()->pagesRead();
    for (int i = 0; i < 3; ++i) {
        grid->recordsGrid()->viewport()->repaint();
        QCoreApplication::processEvents();
    }
    QCOMPARE(env->boxes.shown().size(), 1);
    QCOMPARE(grid->model()->pagesRead(), pages);
    // Once the other program lets go, opening the row reads it.
    QVERIFY(other.exec(QStringLiteral("ROLLBACK")));
    DowsingWorld::doubleClickRow(grid, 299);
    auto* sheet = Windows::Loaded<frmDowsingSave>();
    QVERIFY(sheet && sheet->sheetText()->toPlainText().contains(QStringLiteral("CUSTOMER 300")));
}

void tst_frmDowsingAllRecord::openingAnotherRecord_replacesTheSheetText() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(env->exec(QStringLiteral("UPDATE Details SET Notes = 'line one' || char(13) || char(10) || 'line two' "
                                     "WHERE IdNumber = 1")));
    QVERIFY(openGrid());
    DowsingWorld::doubleClickRow(grid, 0);
    auto* sheet = Windows::Loaded<frmDowsingSave>();
    QVERIFY(sheet->sheetText()->toPlainText().contains(QStringLiteral("Notes :- line one\nline two\n\n")));
    QTest::mouseClick(Control(sheet, "cmdBack"), Qt::LeftButton);
    DowsingWorld::doubleClickRow(grid, 1);
    QCOMPARE(sheet->sheetText()->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
             DowsingSheetText(SeedRecord(2)));
}

void tst_frmDowsingAllRecord::sheetBack_showsTheSameHiddenGrid() {
    QVERIFY(SeedRecords(env->path(), 400));
    QVERIFY(openGrid());
    DowsingWorld::doubleClickRow(grid, 300);
    auto* sheet = Windows::Loaded<frmDowsingSave>();
    QPointer<frmDowsingAllRecord> hidden = grid;
    // A record added meanwhile shows only once the grid reads the file again.
    QVERIFY(env->exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('LATE')")));
    const int pages = grid->model()->pagesRead();

    QTest::mouseClick(Control(sheet, "cmdBack"), Qt::LeftButton);
    QVERIFY(!sheet->subWindow()->isVisible());
    QVERIFY(Windows::IsLoaded<frmDowsingSave>());
    QCOMPARE(Windows::Loaded<frmDowsingAllRecord>(), hidden.data());
    QVERIFY(grid->subWindow()->isVisible());
    QCOMPARE(grid->subWindow()->pos(), QPoint(0, 0));
    QCOMPARE(grid->model()->rowCount(), 400);
    QCOMPARE(grid->recordsGrid()->currentIndex().row(), 300);
    QCoreApplication::processEvents();
    QCOMPARE(grid->model()->pagesRead(), pages);
}

void tst_frmDowsingAllRecord::gridBack_showsWizardAndNextOpeningReadsAfresh() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(openGrid());
    QPointer<frmDowsingAllRecord> first = grid;
    QVERIFY(env->exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('LATE')")));
    // The File menu's Back does what the button does.
    Control<QAction>(grid, "mnuBack")->trigger();
    QVERIFY(!Windows::IsLoaded<frmDowsingAllRecord>());
    QVERIFY(Windows::Loaded<frmDowsingMain>()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    QVERIFY(openGrid());
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->model()->index(2, 1).data().toString(), QStringLiteral("LATE"));
    QTest::mouseClick(Control(grid, "cmdBack"), Qt::LeftButton);
    QVERIFY(!Windows::IsLoaded<frmDowsingAllRecord>());
    QCOMPARE(env->shell.launcherShown, 0);
}

void tst_frmDowsingAllRecord::datesAreMonthDayYear_whateverTheLocale() {
    QVERIFY(SeedRecords(env->path(), 1));
    QVERIFY(env->exec(QStringLiteral("UPDATE Details SET Date = '2006-12-31'")));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(openGrid());
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("12/31/2006"));
    QLocale::setDefault(before);
}

void tst_frmDowsingAllRecord::recordNumbersBeyond16Bits_open() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(env->exec(QStringLiteral("UPDATE Details SET IdNumber = 5000000000 WHERE IdNumber = 2")));
    QVERIFY(openGrid());
    QCOMPARE(grid->model()->index(1, 13).data().toString(), QStringLiteral("5000000000"));
    DowsingWorld::doubleClickRow(grid, 1);
    QCOMPARE(Windows::Loaded<frmDowsingSave>()->shownRecord().IdNumber, 5'000'000'000LL);
    QVERIFY(Windows::Loaded<frmDowsingSave>()->sheetText()->toPlainText().contains(QStringLiteral("CUSTOMER 2")));
}

void tst_frmDowsingAllRecord::closingFrame_withGridHiddenBehindSheet_unloadsBoth() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(openGrid());
    DowsingWorld::doubleClickRow(grid, 0);
    QPointer<frmDowsingAllRecord> hiddenGrid = grid;
    QPointer<frmDowsingSave> sheet = Windows::Loaded<frmDowsingSave>();
    QVERIFY(Windows::Loaded<MDIDowsingForm1>()->close());
    QVERIFY(!Windows::IsLoaded<frmDowsingAllRecord>());
    QVERIFY(!Windows::IsLoaded<frmDowsingSave>());
    QVERIFY(!Windows::IsLoaded<frmDowsingMain>());
    QCOMPARE(env->shell.launcherShown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(hiddenGrid.isNull());
    QVERIFY(sheet.isNull());

    // The next opening reads the table afresh.
    QVERIFY(env->exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('LATE')")));
    QVERIFY(openGrid());
    QCOMPARE(grid->model()->rowCount(), 3);
}

void tst_frmDowsingAllRecord::jumpToTheEnd_ofATableWithGaps_opensItsLastRecord() {
    QVERIFY(SeedRecords(env->path(), 700));
    QVERIFY(env->exec(QStringLiteral("DELETE FROM Details WHERE IdNumber % 9 = 0")));
    const int rows = 700 - 700 / 9;
    QVERIFY(openGrid());
    QCOMPARE(grid->model()->rowCount(), rows);
    grid->recordsGrid()->setFocus();
    QTest::keyClick(grid->recordsGrid(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->recordsGrid()->currentIndex().row(), rows - 1);
    QCOMPARE(grid->model()->index(rows - 1, 13).data().toString(), QStringLiteral("700"));
    // Read back from the end: the rows before it line up with the table, wherever its gaps are.
    for (int row : {rows - 2, rows - 129, 300, 0}) {
        const qint64 number = grid->model()->index(row, 13).data().toLongLong();
        QCOMPARE(number, qint64(row + row / 8 + 1));
        QCOMPARE(grid->model()->index(row, 1).data().toString(), QStringLiteral("CUSTOMER %1").arg(number));
    }
    grid->openCurrentRecord();
    QCOMPARE(Windows::Loaded<frmDowsingSave>()->shownRow(), rows - 1);
    QCOMPARE(Windows::Loaded<frmDowsingSave>()->shownRecord().IdNumber, 700);
}

QTEST_MAIN(tst_frmDowsingAllRecord)
#include "tst_frmDowsingAllRecord.moc"
