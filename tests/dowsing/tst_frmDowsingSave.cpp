#include "core/Application.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "support/DowsingSeed.h"
#include "support/DowsingTestFile.h"
#include "support/DowsingWorld.h"
#include "support/TestSupport.h"
#include "ui/FileDialogs.h"
#include "ui/Windows.h"

#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {
const QString kDeleted = QStringLiteral("Record Deleted Succesfully !");
const QString kConfirm = QStringLiteral("Do You Really Want To Delete This Record ?");
const QString kNotFound = QStringLiteral("Sorry The Given Record Is Not Found");
const QString kEdited = QStringLiteral("Record Edited Succesfully !");

// Runs a reader program on a file and returns what it printed; skips the test when the program is missing.
QString runReader(const QString& program, const QStringList& arguments, bool& found) {
    found = !QStandardPaths::findExecutable(program).isEmpty();
    if (!found) {
        return {};
    }
    QProcess reader;
    reader.start(program, arguments);
    reader.waitForFinished(30000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}
} // namespace

namespace {
// Lets this process write files of at most `bytes` bytes while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &before_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit before_{};
};
} // namespace

class tst_frmDowsingSave : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void edit_setsListsAndFieldsAndSwitchesToUpdate();
    void edit_withoutARecord_saysSoAndLeavesTheWizardUsable_data();
    void edit_withoutARecord_saysSoAndLeavesTheWizardUsable();
    void update_afterOpeningAnotherRecord_changesTheEditedOneAndRereadsTheGrid();
    void delete_removesTheShownRecordAndRereadsTheGrid();
    void delete_answeredNo_changesNothing();
    void delete_undoneInTheFrame_bringsTheRecordBackWhole();
    void delete_onEmptyTable_saysSoAndGoesToTheGrid();
    void delete_afterOpeningAnotherRecord_removesTheShownOneOnly();
    void delete_ofRecordGoneMeanwhile_saysSoAndRemovesNothing();
    void delete_thatFails_saysSoAndChangesNothing();
    void delete_ofNumberBeyond16Bits();

    void save_writesRichTextReadBackByARealReader_data();
    void save_writesRichTextReadBackByARealReader();
    void save_cancelled_writesNothing();
    void save_thatFails_isReported_data();
    void save_thatFails_isReported();
    void print_wholeSheetOrSelection_data();
    void print_wholeSheetOrSelection();
    void print_cancelledOrUnwritable_printsNothing_data();
    void print_cancelledOrUnwritable_printsNothing();
    void print_dialogOffersNoPageNumbers_data();
    void print_dialogOffersNoPageNumbers();
    void clipboard_keepsItsContentOverTheSheet();

  private:
    QStringList names() {
        QStringList all;
        for (const QVariantList& row : env->rows()) {
            all << row[1].toString();
        }
        return all;
    }

    std::unique_ptr<DowsingWorld> env;
    std::unique_ptr<QTemporaryDir> out;
    QList<SaveFileRequest> saveRequests;
    QList<PrintRequest> printRequests;
};

void tst_frmDowsingSave::init() {
    env = std::make_unique<DowsingWorld>();
    out = std::make_unique<QTemporaryDir>();
    QVERIFY(env->ready);
    saveRequests.clear();
    printRequests.clear();
    // A dialog nobody scripted is a test fault.
    SetSaveFileChooser([](const SaveFileRequest&) {
        QTest::qFail("unexpected save dialog", __FILE__, __LINE__);
        return QString();
    });
    SetPrinterChooser([](QPrinter&, const PrintRequest&) {
        QTest::qFail("unexpected print dialog", __FILE__, __LINE__);
        return false;
    });
}

void tst_frmDowsingSave::cleanup() {
    SetSaveFileChooser({});
    SetPrinterChooser({});
    env.reset();
    out.reset();
}

void tst_frmDowsingSave::edit_setsListsAndFieldsAndSwitchesToUpdate() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(env->exec(QStringLiteral(
        "UPDATE Details SET Date = '2006-12-31', Time_Dowsing_Occured = '13:05', Address = 'A' || char(13) || "
        "char(10) || 'B', Dowsing_Tool = 'Hazel twig', Item_Dowsing_For = 'Oil' WHERE IdNumber = 2")));
    frmDowsingSave* sheet = env->sheet(1);
    QVERIFY(sheet);
    QTest::mouseClick(Control(sheet, "cmdedit"), Qt::LeftButton);
    auto* w = Windows::Loaded<frmDowsingMain>();
    QVERIFY(w->isVisible());
    QVERIFY(!sheet->isVisible());
    QCOMPARE(Control<QComboBox>(w, "cmbMonth")->currentText(), QStringLiteral("December"));
    QCOMPARE(Control<QComboBox>(w, "cmbDate")->currentText(), QStringLiteral("31"));
    QCOMPARE(Control<QComboBox>(w, "cmbYear")->currentText(), QStringLiteral("2006"));
    QCOMPARE(Control<QComboBox>(w, "cmbHour")->currentText(), QStringLiteral("13"));
    QCOMPARE(Control<QComboBox>(w, "cmbMinute")->currentText(), QStringLiteral("05"));
    QCOMPARE(Control<QComboBox>(w, "cmbAMPM")->currentText(), QStringLiteral("PM"));
    QCOMPARE(Control<QLineEdit>(w, "txtName")->text(), QStringLiteral("CUSTOMER 2"));
    QCOMPARE(Control<QPlainTextEdit>(w, "txtAddress")->toPlainText(), QStringLiteral("A\nB"));
    QCOMPARE(Control<QComboBox>(w, "cmbDowsingTool")->currentText(), QStringLiteral("Hazel twig"));
    QCOMPARE(Control<QComboBox>(w, "cmbItemDowsingFor")->currentText(), QStringLiteral("Oil"));
    QCOMPARE(Control<QPushButton>(w, "cmdadd")->text(), QStringLiteral("&Update"));
    QVERIFY(Control(w, "cmAddNewRecord")->isHidden());
    QVERIFY(!Control<QAction>(w, "mnuAddNewRecor")->isVisible());
    QVERIFY(Control(w, "fraCustomersDetails")->isEnabled() && Control(w, "fraTools")->isEnabled() &&
            Control(w, "fraNotes")->isEnabled());
    QVERIFY(env->boxes.shown().isEmpty());
}

void tst_frmDowsingSave::edit_withoutARecord_saysSoAndLeavesTheWizardUsable_data() {
    QTest::addColumn<QString>("removal");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty table") << "DELETE FROM Details"
                                 << "There Is No Record to Edit";
    QTest::newRow("record removed meanwhile") << "DELETE FROM Details WHERE IdNumber = 1" << kNotFound;
}

void tst_frmDowsingSave::edit_withoutARecord_saysSoAndLeavesTheWizardUsable() {
    QFETCH(QString, removal);
    QFETCH(QString, message);
    QVERIFY(SeedRecords(env->path(), 2));
    frmDowsingSave* sheet = env->sheet(0);
    auto* w = Windows::Loaded<frmDowsingMain>();
    Control<QLineEdit>(w, "txtCity")->setText(QStringLiteral("KEPT"));
    QVERIFY(env->exec(removal));
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(sheet, "cmdedit"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), QStringList{message});
    QCOMPARE(env->boxes.shown().first().icon, MsgIcon::None);
    QVERIFY(w->isVisible());
    QCOMPARE(Control<QLineEdit>(w, "txtCity")->text(), QStringLiteral("KEPT"));
    // Nothing to write back: the wizard stays in Add, with its pages enabled and "Add New Record" offered again.
    QCOMPARE(Control<QPushButton>(w, "cmdadd")->text(), QStringLiteral("&Add"));
    QVERIFY(Control(w, "fraCustomersDetails")->isEnabled() && Control(w, "fraTools")->isEnabled() &&
            Control(w, "fraNotes")->isEnabled());
    QVERIFY(Control(w, "cmAddNewRecord")->isVisibleTo(w));
    QVERIFY(Control<QAction>(w, "mnuAddNewRecor")->isVisible());
    // An entry made now is added, and the wizard goes on to the next one.
    const qsizetype before = names().size();
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(w, "cmdadd"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts().last(), QStringLiteral("Record Saved Succesfully !"));
    QCOMPARE(names().size(), before + 1);
    QTest::mouseClick(Control(w, "cmAddNewRecord"), Qt::LeftButton);
    QVERIFY(Control(w, "fraCustomersDetails")->isEnabled());
}

void tst_frmDowsingSave::update_afterOpeningAnotherRecord_changesTheEditedOneAndRereadsTheGrid() {
    QVERIFY(SeedRecords(env->path(), 3));
    frmDowsingSave* sheet = env->sheet(1);
    QTest::mouseClick(Control(sheet, "cmdedit"), Qt::LeftButton);
    auto* w = Windows::Loaded<frmDowsingMain>();
    // The user looks at another record before pressing Update.
    w->ShowAllRecords();
    QVERIFY(env->sheet(2));
    QCOMPARE(Windows::Loaded<frmDowsingSave>()->shownRecord().IdNumber, 3);
    QTest::mouseClick(Control(sheet, "cmdBack"), Qt::LeftButton);
    QTest::mouseClick(Control(Windows::Loaded<frmDowsingAllRecord>(), "cmdBack"), Qt::LeftButton);
    QVERIFY(w->isVisible());
    Control<QLineEdit>(w, "txtName")->setText(QStringLiteral("EDITED"));
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(w, "cmdadd"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), QStringList{kEdited});
    QCOMPARE(names(), (QStringList{u"CUSTOMER 1"_s, u"EDITED"_s, u"CUSTOMER 3"_s}));
    // The grid comes back read afresh, in place of the wizard.
    auto* grid = Windows::Loaded<frmDowsingAllRecord>();
    QVERIFY(grid && grid->isVisible());
    QVERIFY(!w->isVisible());
    QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("EDITED"));
}

void tst_frmDowsingSave::delete_removesTheShownRecordAndRereadsTheGrid() {
    QVERIFY(SeedRecords(env->path(), 3));
    frmDowsingSave* sheet = env->sheet(1);
    QPointer<frmDowsingAllRecord> oldGrid = Windows::Loaded<frmDowsingAllRecord>();
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), (QStringList{kConfirm, kDeleted}));
    QCOMPARE(env->boxes.shown()[0].buttons, MsgButtons::YesNo);
    QCOMPARE(env->boxes.shown()[0].icon, MsgIcon::None);
    QCOMPARE(env->boxes.shown()[1].icon, MsgIcon::Information);
    QCOMPARE(names(), (QStringList{u"CUSTOMER 1"_s, u"CUSTOMER 3"_s}));
    QVERIFY(!sheet->isVisible());
    auto* grid = Windows::Loaded<frmDowsingAllRecord>();
    QVERIFY(grid && grid->isVisible());
    QVERIFY(grid != oldGrid.data() || oldGrid.isNull());
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->subWindow()->pos(), QPoint(0, 0));
    QVERIFY(!Windows::Loaded<frmDowsingMain>()->isVisible());
}

// A number taken meanwhile is the diary's test: both put rows back the same way.
void tst_frmDowsingSave::delete_undoneInTheFrame_bringsTheRecordBackWhole() {
    QVERIFY(SeedRecords(env->path(), 3));
    const QVariantList record = env->rows().at(1);
    frmDowsingSave* sheet = env->sheet(1);
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    auto* frame = Windows::Loaded<MDIDowsingForm1>();
    auto* undo = Control<QAction>(frame, "mnuUndo");
    QCOMPARE(undo->text(), QStringLiteral("&Undo Deletion of “CUSTOMER 2”"));
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(env->rows().size(), 3);
    QCOMPARE(env->rows().at(1), record);
    QCOMPARE(env->boxes.texts().size(), 2);
    QTRY_COMPARE(Windows::Loaded<frmDowsingAllRecord>()->model()->rowCount(), 3);
    QVERIFY(!undo->isEnabled());

    // A name holding what looks like placeholders is named as typed, even beside the number it comes back under.
    QVERIFY(env->exec(QStringLiteral("UPDATE Details SET Name = 'ANN %2 %L1' WHERE IdNumber = 2")));
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(env->sheet(1), "cmddelete"), Qt::LeftButton);
    QVERIFY(DowsingTestFile(env->path()).insertNumbered(u"USURPER"_s, 2));
    env->boxes.answer(MsgResult::Ok);
    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(env->boxes.texts().last(), QStringLiteral("“ANN %2 %L1” is back as record number 4: another record has "
                                                       "taken its number meanwhile."));
}

void tst_frmDowsingSave::delete_answeredNo_changesNothing() {
    QVERIFY(SeedRecords(env->path(), 2));
    frmDowsingSave* sheet = env->sheet(0);
    const QString text = sheet->sheetText()->toPlainText();
    env->boxes.answer(MsgResult::No);
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), QStringList{kConfirm});
    QCOMPARE(names(), (QStringList{u"CUSTOMER 1"_s, u"CUSTOMER 2"_s}));
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->sheetText()->toPlainText(), text);
}

void tst_frmDowsingSave::delete_onEmptyTable_saysSoAndGoesToTheGrid() {
    QVERIFY(SeedRecords(env->path(), 1));
    frmDowsingSave* sheet = env->sheet(0);
    QVERIFY(env->exec(QStringLiteral("DELETE FROM Details")));
    env->boxes.answer(MsgResult::Ok); // There Is No Record to Delete
    env->boxes.answer(MsgResult::Ok); // the grid, read afresh: There Is No Record !
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(),
             (QStringList{QStringLiteral("There Is No Record to Delete"), QStringLiteral("There Is No Record !")}));
    QCOMPARE(env->boxes.shown().first().icon, MsgIcon::None);
    QVERIFY(!sheet->isVisible());
    QVERIFY(!Windows::Loaded<frmDowsingAllRecord>()->recordsGrid()->isEnabled());
}

void tst_frmDowsingSave::delete_afterOpeningAnotherRecord_removesTheShownOneOnly() {
    QVERIFY(SeedRecords(env->path(), 4));
    QVERIFY(env->sheet(0));
    frmDowsingSave* sheet = env->sheet(3);
    QCOMPARE(Windows::Loaded<frmDowsingSave>()->shownRow(), 3);
    // Another program removed a row before this one, so the shown record no longer stands at row 3.
    QVERIFY(env->exec(QStringLiteral("DELETE FROM Details WHERE IdNumber = 1")));
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), (QStringList{kConfirm, kDeleted}));
    QCOMPARE(names(), (QStringList{u"CUSTOMER 2"_s, u"CUSTOMER 3"_s}));
}

void tst_frmDowsingSave::delete_ofRecordGoneMeanwhile_saysSoAndRemovesNothing() {
    QVERIFY(SeedRecords(env->path(), 3));
    frmDowsingSave* sheet = env->sheet(2);
    QVERIFY(env->exec(QStringLiteral("DELETE FROM Details WHERE IdNumber = 3")));
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), (QStringList{kConfirm, kNotFound}));
    QCOMPARE(names(), (QStringList{u"CUSTOMER 1"_s, u"CUSTOMER 2"_s}));
    QCOMPARE(Windows::Loaded<frmDowsingAllRecord>()->model()->rowCount(), 2);
}

void tst_frmDowsingSave::delete_thatFails_saysSoAndChangesNothing() {
    QVERIFY(SeedRecords(env->path(), 2));
    frmDowsingSave* sheet = env->sheet(0);
    QVERIFY(DowsingTestFile(env->path()).refuseWrites());
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    QCOMPARE(env->boxes.shown().size(), 2);
    QVERIFY(env->boxes.texts()[1].startsWith(QStringLiteral("The record was not deleted.")));
    QVERIFY(env->boxes.texts()[1].contains(QStringLiteral("disk full")));
    QCOMPARE(env->boxes.shown()[1].icon, MsgIcon::Critical);
    QVERIFY(!env->boxes.texts().contains(kDeleted));
    QCOMPARE(names(), (QStringList{u"CUSTOMER 1"_s, u"CUSTOMER 2"_s}));
    QVERIFY(sheet->isVisible());
}

void tst_frmDowsingSave::delete_ofNumberBeyond16Bits() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(env->exec(QStringLiteral("UPDATE Details SET IdNumber = 70000 WHERE IdNumber = 2")));
    frmDowsingSave* sheet = env->sheet(1);
    QCOMPARE(Windows::Loaded<frmDowsingSave>()->shownRecord().IdNumber, 70000);
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(sheet, "cmddelete"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), (QStringList{kConfirm, kDeleted}));
    QCOMPARE(names(), QStringList{u"CUSTOMER 1"_s});
}

void tst_frmDowsingSave::save_writesRichTextReadBackByARealReader_data() {
    QTest::addColumn<QString>("notes");
    QTest::newRow("plain") << "Strong pull";
    QTest::newRow("rtf commands and backslashes") << "{\\rtf1 \\par} C:\\dowse\\ \\b0 \\\\";
    QTest::newRow("unicode") << QString::fromUtf8("Jos\u00e9 \u00fcber \u0416 \u4e2d\u6587 \U0001F600 caf\u00e9");
    QTest::newRow("several lines") << "first\r\nsecond\r\n\r\nfourth";
}

void tst_frmDowsingSave::save_writesRichTextReadBackByARealReader() {
    QFETCH(QString, notes);
    QVERIFY(SeedRecords(env->path(), 1));
    {
        DowsingStore store(env->path());
        QVERIFY(store.open());
        DowsingRecord r = store.find(1).value_or({});
        QCOMPARE(r.IdNumber, 1);
        r.Notes = notes;
        r.Name = QString::fromUtf8("N\u00c4ME {x}");
        QVERIFY(store.change(r));
    }
    frmDowsingSave* sheet = env->sheet(0);
    SetSaveFileChooser([this](const SaveFileRequest& request) {
        saveRequests << request;
        return QDir(out->path()).filePath(QStringLiteral("visit"));
    });
    QTest::mouseClick(Control(sheet, "cmdSave"), Qt::LeftButton);
    QCOMPARE(saveRequests.size(), 1);
    QCOMPARE(saveRequests[0].title, ApplicationTitle());
    QCOMPARE(saveRequests[0].filter, QStringLiteral("Rich Text Format | *.rtf "));
    QCOMPARE(saveRequests[0].defaultSuffix, QStringLiteral("txt"));
    QVERIFY(saveRequests[0].confirmOverwrite);
    QVERIFY(env->boxes.shown().isEmpty());

    const QString file = QDir(out->path()).filePath(QStringLiteral("visit.txt"));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray rtf = written.readAll();
    QVERIFY(rtf.startsWith("{\\rtf1"));
    for (const char c : rtf) {
        QVERIFY2(static_cast<unsigned char>(c) < 0x80, "everything beyond ASCII is escaped");
    }

    bool found = false;
    const QString html = runReader(QStringLiteral("unrtf"), {QStringLiteral("--html"), file}, found);
    if (!found) {
        QSKIP("unrtf is not installed (scripts/install-deps.sh installs it)");
    }
    QTextDocument read;
    read.setHtml(html);
    QString expected = sheet->sheetText()->toPlainText();
    // The reader ends the text with the last paragraph mark.
    QCOMPARE(read.toPlainText().trimmed(), expected.trimmed());
    QVERIFY(html.contains(QStringLiteral("face=\"%1\"").arg(sheet->sheetText()->font().family())));
    for (QTextBlock b = read.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().text().trimmed().isEmpty()) {
                QVERIFY2(it.fragment().charFormat().fontWeight() >= QFont::Bold, qPrintable(it.fragment().text()));
            }
        }
    }
}

void tst_frmDowsingSave::save_cancelled_writesNothing() {
    QVERIFY(SeedRecords(env->path(), 1));
    frmDowsingSave* sheet = env->sheet(0);
    SetSaveFileChooser([this](const SaveFileRequest& request) {
        saveRequests << request;
        return QString();
    });
    QTest::mouseClick(Control(sheet, "cmdSave"), Qt::LeftButton);
    QCOMPARE(saveRequests.size(), 1);
    QVERIFY(env->boxes.shown().isEmpty());
    QVERIFY(QDir(out->path()).isEmpty());
}

void tst_frmDowsingSave::save_thatFails_isReported_data() {
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder gone") << "folder gone"
                                 << "does not exist";
    QTest::newRow("read-only file") << "read-only file"
                                    << "read-only";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "read-only";
    // The disk takes the first bytes and then no more, as a full one does.
    QTest::newRow("disk stops midway") << "disk stops midway"
                                       << "too large";
}

void tst_frmDowsingSave::save_thatFails_isReported() {
    QFETCH(QString, trouble);
    QFETCH(QString, cause);
    QVERIFY(SeedRecords(env->path(), 1));
    frmDowsingSave* sheet = env->sheet(0);
    QString target = QDir(out->path()).filePath(QStringLiteral("visit.rtf"));
    const bool oldFile = trouble == QLatin1String("read-only file") || trouble == QLatin1String("disk stops midway");
    if (trouble == QLatin1String("folder gone")) {
        target = QDir(out->path()).filePath(QStringLiteral("gone/visit.rtf"));
    } else if (oldFile) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        if (trouble == QLatin1String("read-only file")) {
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        }
    } else {
        QVERIFY(QDir(out->path()).mkdir(QStringLiteral("locked")));
        target = QDir(out->path()).filePath(QStringLiteral("locked/visit.rtf"));
        QVERIFY(QFile::setPermissions(QDir(out->path()).filePath(QStringLiteral("locked")),
                                      QFile::ReadOwner | QFile::ExeOwner));
    }
    if (trouble == QLatin1String("read-only folder") && ::geteuid() == 0) {
        QSKIP("a folder's permissions do not bind the superuser");
    }
    SetSaveFileChooser([target](const SaveFileRequest&) { return target; });
    env->boxes.answer(MsgResult::Ok);
    {
        std::optional<FileSizeLimit> limit;
        if (trouble == QLatin1String("disk stops midway")) {
            limit.emplace(100);
        }
        QTest::mouseClick(Control(sheet, "cmdSave"), Qt::LeftButton);
    }
    QCOMPARE(env->boxes.shown().size(), 1);
    QVERIFY(env->boxes.texts().first().startsWith(QStringLiteral("The sheet could not be saved")));
    QVERIFY2(env->boxes.texts().first().contains(cause), qPrintable(env->boxes.texts().first()));
    QCOMPARE(env->boxes.shown().first().icon, MsgIcon::Critical);
    if (oldFile) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    } else {
        QVERIFY(!QFile::exists(target));
    }
    QFile::setPermissions(QFileInfo(target).path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_frmDowsingSave::print_wholeSheetOrSelection_data() {
    QTest::addColumn<bool>("select");
    QTest::newRow("whole sheet") << false;
    QTest::newRow("selection") << true;
}

void tst_frmDowsingSave::print_wholeSheetOrSelection() {
    QFETCH(bool, select);
    QVERIFY(SeedRecords(env->path(), 1));
    frmDowsingSave* sheet = env->sheet(0);
    if (select) {
        // "Name :- CUSTOMER 1", the second paragraph, selected by the user.
        QTextCursor caret(sheet->sheetText()->document()->findBlockByNumber(2));
        caret.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        sheet->sheetText()->setTextCursor(caret);
    }
    const QString pdf = QDir(out->path()).filePath(QStringLiteral("sheet.pdf"));
    SetPrinterChooser([this, pdf](QPrinter& printer, const PrintRequest& request) {
        printRequests << request;
        // The dialog starts with the range it offers; the user keeps it.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QTest::mouseClick(Control(sheet, "cmdPrint"), Qt::LeftButton);
    QCOMPARE(printRequests.size(), 1);
    QCOMPARE(printRequests[0].selectionAvailable, select);
    QVERIFY(QFile::exists(pdf));

    bool found = false;
    const QString text = runReader(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}, found);
    if (!found) {
        QSKIP("pdftotext is not installed (scripts/install-deps.sh installs it)");
    }
    QVERIFY(text.contains(QStringLiteral("Name :- CUSTOMER 1")));
    QCOMPARE(text.contains(QStringLiteral("Date :- ")), !select);
    QCOMPARE(text.contains(QStringLiteral("Notes :- note 1")), !select);
}

void tst_frmDowsingSave::print_cancelledOrUnwritable_printsNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("said");
    QTest::newRow("cancelled") << "sheet.pdf" << false << false;
    // The painter fails in silence; the sheet must not.
    QTest::newRow("into a folder that is not there") << "no such folder/sheet.pdf" << true << true;
}

void tst_frmDowsingSave::print_cancelledOrUnwritable_printsNothing() {
    QFETCH(QString, file);
    QFETCH(bool, accepted);
    QFETCH(bool, said);
    QVERIFY(SeedRecords(env->path(), 1));
    frmDowsingSave* sheet = env->sheet(0);
    const QString pdf = QDir(out->path()).filePath(file);
    SetPrinterChooser([pdf, accepted](QPrinter& printer, const PrintRequest&) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return accepted;
    });
    if (said) {
        env->boxes.answer(MsgResult::Ok);
    }
    QTest::mouseClick(Control(sheet, "cmdPrint"), Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(env->boxes.texts(), said ? QStringList{DowsingSheetMessages::NotPrinted(pdf)} : QStringList());
}

void tst_frmDowsingSave::print_dialogOffersNoPageNumbers_data() {
    QTest::addColumn<bool>("select");
    QTest::newRow("whole sheet") << false;
    QTest::newRow("selection") << true;
}

void tst_frmDowsingSave::print_dialogOffersNoPageNumbers() {
    QFETCH(bool, select);
    QVERIFY(SeedRecords(env->path(), 1));
    frmDowsingSave* sheet = env->sheet(0);
    if (select) {
        sheet->sheetText()->selectAll();
    }
    SetPrinterChooser({}); // the real dialog
    QStringList offered;
    WhenModalShown([&offered](QWidget* dialog) {
        // Opened out, as the user's "Options >>" does, to see every choice of range.
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().startsWith(QStringLiteral("&Options"))) {
                button->click();
            }
        }
        for (QAbstractButton* choice : dialog->findChildren<QRadioButton*>()) {
            if (choice->isVisible() && choice->isEnabled()) {
                offered << choice->text();
            }
        }
        const auto* from = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
        offered << QString::number(from && from->isVisible());
        static_cast<QDialog*>(dialog)->reject();
    });
    QTest::mouseClick(Control(sheet, "cmdPrint"), Qt::LeftButton);
    QCOMPARE(offered,
             select ? (QStringList{u"Print all"_s, u"Selection"_s, u"0"_s}) : (QStringList{u"Print all"_s, u"0"_s}));
}

void tst_frmDowsingSave::clipboard_keepsItsContentOverTheSheet() {
    QVERIFY(SeedRecords(env->path(), 1));
    frmDowsingSave* sheet = env->sheet(0);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied elsewhere"));
    QWidget* area = sheet->sheetText()->viewport();
    for (int x = 5; x < area->width(); x += 40) {
        QTest::mouseMove(area, QPoint(x, 20));
    }
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, 10));
    // Select everything and try to copy and cut it out.
    sheet->sheetText()->selectAll();
    QVERIFY(sheet->sheetText()->textCursor().hasSelection());
    QTest::keyClick(sheet->sheetText(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(sheet->sheetText(), Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(sheet->sheetText(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("copied elsewhere"));
    // Saving and printing still see the whole text.
    QVERIFY(sheet->sheetText()->toPlainText().startsWith(QStringLiteral("Date :- ")));
}

QTEST_MAIN(tst_frmDowsingSave)
#include "tst_frmDowsingSave.moc"
