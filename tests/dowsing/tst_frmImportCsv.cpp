#include "dowsing/DowsingTools.h"
#include "dowsing/MDIDowsingForm1.h"
#include "support/DowsingWorld.h"
#include "support/ImportTestSupport.h"
#include "support/TestServer.h"

#include <QSqlDriver>
#include <QTemporaryDir>

// Records brought in from spreadsheet files through the frame's Tools menu, and taken out again by Undo, in the
// files and in the shared database.
class tst_frmImportCsv : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase_data() { AddPlaceRows(); }
    void init();
    void cleanup();
    void import_storesTheFileWholeOrNothing_data();
    void import_storesTheFileWholeOrNothing();
    void undo_takesOutWhatCameInUnlessChangedSince_data();
    void undo_takesOutWhatCameInUnlessChangedSince();

  private:
    // Every record but its number, a null date as "<none>".
    QList<QStringList> records() const;
    frmImportCsv* open(const QString& file) const;

    // Over the server: the notices another copy of the program hears from another session, and whether the kept
    // count of the records still counts them.
    void listenElsewhere();
    void checkCountOnServer();

    std::unique_ptr<DowsingWorld> w;
    std::unique_ptr<RawDatabase> elsewhere;
    MDIDowsingForm1* frame = nullptr;
    int notices = 0;
};

namespace {
const QStringList kGerman1{
    QStringLiteral("2009-12-24"),  QStringLiteral("Jürgen Weiß"),   QStringLiteral("Hauptstraße 5"),
    QStringLiteral("Köln"),        QStringLiteral("NRW"),           QStringLiteral("50667"),
    QStringLiteral("0221 123"),    QStringLiteral("jw@example.de"), QStringLiteral("10:30 AM"),
    QStringLiteral("Pendel"),      QStringLiteral("Wasser"),        QStringLiteral("Garten"),
    QStringLiteral("„Gut“ – sehr")};
const QStringList kGerman2{QStringLiteral("2010-02-01"),
                           QStringLiteral("Zoë Müller"),
                           {},
                           QStringLiteral("Düsseldorf"),
                           {},
                           {},
                           {},
                           {},
                           {},
                           QStringLiteral("Rute"),
                           QStringLiteral("Gold"),
                           QStringLiteral("Feld"),
                           QStringLiteral("Wasser; stark")};

// Records that try the export's quoting and the import's reading: separators, quotes, line breaks, blanks around
// the text, letters beyond ASCII, no date.
QList<DowsingRecord> awkwardRecords() {
    DowsingRecord first;
    first.Date = QDate(1999, 1, 2);
    first.Name = QStringLiteral("  O'Brien, \"Jr\"  ");
    first.Notes = QStringLiteral("line one\r\nline two;\ttabbed");
    first.Email = QStringLiteral("ob@example.ie");
    DowsingRecord second;
    second.Name = QStringLiteral("Ñandú Çelik");
    second.Location_Dowsing_Occured = QStringLiteral("Zürich");
    return {first, second};
}
} // namespace

void tst_frmImportCsv::init() {
    w = std::make_unique<DowsingWorld>();
    QVERIFY(w->ready);
    if (!PutPlaceOfRowInForce(w->services)) {
        TEST_SERVER_OR_SKIP("the server's rows");
    }
    QVERIFY(w->wizard());
    frame = Windows::Loaded<MDIDowsingForm1>();
    QVERIFY(frame);
}

void tst_frmImportCsv::cleanup() {
    elsewhere.reset();
    w.reset();
    DataSource::closeAll();
}

void tst_frmImportCsv::listenElsewhere() {
    notices = 0;
    if (!RowIsOnServer()) {
        return;
    }
    elsewhere = std::make_unique<RawDatabase>(w->path());
    QSqlDriver* driver = elsewhere->db().driver();
    QVERIFY(driver->subscribeToNotification(QStringLiteral("velloran")));
    connect(driver, &QSqlDriver::notification, this, [this] { ++notices; });
}

void tst_frmImportCsv::checkCountOnServer() {
    if (RowIsOnServer()) {
        QCOMPARE(elsewhere->column(QStringLiteral("SELECT rows FROM velloran_counts WHERE tablename = 'details'")),
                 elsewhere->column(QStringLiteral("SELECT count(*) FROM details")));
    }
}

QList<QStringList> tst_frmImportCsv::records() const {
    QList<QStringList> all;
    for (const QVariantList& row : w->rows()) {
        QStringList texts;
        for (int column = 0; column < 13; ++column) {
            texts << (row.value(column).isNull() ? QStringLiteral("<none>") : row.value(column).toString());
        }
        all << texts;
    }
    return all;
}

frmImportCsv* tst_frmImportCsv::open(const QString& file) const {
    return OpenImportWindow(frame, file);
}

void tst_frmImportCsv::import_storesTheFileWholeOrNothing_data() {
    QTest::addColumn<QString>("file"); // empty: our own export of the records already stored
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<int>("faultsAnswer"); // a MsgResult, or -1 when no question is asked
    QTest::addColumn<bool>("keepStored");
    QTest::addColumn<QStringList>("guessed"); // separator, encoding, dates as the window guessed them
    QTest::addColumn<bool>("storedBoxGuessed");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<int>("copies"); // of the records stored before, after the import
    QTest::addColumn<QList<QStringList>>("added");

    const QStringList badLines{QStringLiteral("Line 3: "), QStringLiteral("Line 4: "), QStringLiteral("Line 5: ")};
    QTest::newRow("semicolon, Windows-1252, German dates, header found")
        << QStringLiteral("import-records-de.csv") << QString() << -1 << false
        << QStringList{QStringLiteral("Semicolon"), QStringLiteral("Windows-1252"), QStringLiteral("d.M.yyyy")} << false
        << QStringList() << 1 << QList<QStringList>{kGerman1, kGerman2};
    QTest::newRow("our export again, stored ones left out: nothing changes")
        << QString() << QString() << -1 << false
        << QStringList{QStringLiteral("Comma"), QStringLiteral("UTF-8"), QStringLiteral("yyyy-MM-dd")} << true
        << QStringList() << 1 << QList<QStringList>();
    QTest::newRow("our export again, stored ones kept: every record twice, byte for byte")
        << QString() << QString() << -1 << true
        << QStringList{QStringLiteral("Comma"), QStringLiteral("UTF-8"), QStringLiteral("yyyy-MM-dd")} << true
        << QStringList() << 2 << QList<QStringList>();
    QTest::newRow("bad lines listed, Stop stores nothing")
        << QStringLiteral("import-bad-lines.csv") << QStringLiteral("UTF-8") << int(MsgResult::No) << false
        << QStringList{QStringLiteral("Comma"), QStringLiteral("Windows-1252"), QStringLiteral("yyyy-MM-dd")} << false
        << badLines << 1 << QList<QStringList>();
    const auto good = [](const char* date, const char* name) {
        QStringList row(13, QString());
        row[0] = QLatin1String(date);
        row[1] = QLatin1String(name);
        row[12] = QStringLiteral("fine");
        return row;
    };
    QTest::newRow("bad lines listed, left out: the others stored")
        << QStringLiteral("import-bad-lines.csv") << QStringLiteral("UTF-8") << int(MsgResult::Yes) << false
        << QStringList{QStringLiteral("Comma"), QStringLiteral("Windows-1252"), QStringLiteral("yyyy-MM-dd")} << false
        << badLines << 1 << QList<QStringList>{good("2020-01-05", "Good One"), good("2020-03-03", "Good Two")};
}

void tst_frmImportCsv::import_storesTheFileWholeOrNothing() {
    QFETCH(QString, file);
    QFETCH(QString, encoding);
    QFETCH(int, faultsAnswer);
    QFETCH(bool, keepStored);
    QFETCH(QStringList, guessed);
    QFETCH(bool, storedBoxGuessed);
    QFETCH(QStringList, problems);
    QFETCH(int, copies);
    QFETCH(QList<QStringList>, added);

    QTemporaryDir folder;
    QString path = CsvTestFile(qPrintable(file));
    if (file.isEmpty()) {
        DowsingStore store(w->path());
        for (const DowsingRecord& record : awkwardRecords()) {
            QVERIFY(store.add(record));
        }
        path = folder.filePath(QStringLiteral("records.csv"));
        QCOMPARE(DowsingTools::WriteCsv(store, path), QString());
    }
    const QList<QStringList> before = records();
    const QByteArray fileBefore = FileHash(w->path());
    listenElsewhere();

    frmImportCsv* window = open(path);
    QVERIFY(window);
    QCOMPARE(Control<QComboBox>(window, "cmbSeparator")->currentText(), guessed.at(0));
    QCOMPARE(Control<QComboBox>(window, "cmbEncoding")->currentText(), guessed.at(1));
    QCOMPARE(Control<QComboBox>(window, "cmbDateForm")->currentData().toString(), guessed.at(2));
    QVERIFY(Control<QCheckBox>(window, "chkHeader")->isChecked());
    QCOMPARE(Control<QCheckBox>(window, "chkLeaveOutStored")->isChecked(), storedBoxGuessed);
    if (!encoding.isEmpty()) {
        QVERIFY(ChooseEntry(Control<QComboBox>(window, "cmbEncoding"), encoding));
    }
    if (keepStored) {
        Control<QCheckBox>(window, "chkLeaveOutStored")->setChecked(false);
    }
    if (faultsAnswer >= 0) {
        w->boxes.answer(MsgResult(faultsAnswer));
    }
    const QString said = PressImport(window);
    QCOMPARE(w->boxes.pending(), 0);

    const QStringList listed = ProblemLines(window);
    QCOMPARE(listed.size(), problems.size());
    for (int i = 0; i < problems.size(); ++i) {
        QVERIFY2(listed.at(i).startsWith(problems.at(i)), qPrintable(listed.at(i)));
    }
    QList<QStringList> expected;
    for (int copy = 0; copy < copies; ++copy) {
        expected << before;
    }
    expected << added;
    QCOMPARE(records(), expected);
    checkCountOnServer();
    if (expected == before) {
        QCOMPARE(FileHash(w->path()), fileBefore);
    } else {
        // Another copy hears of the whole file at once, not of each row.
        if (RowIsOnServer()) {
            QTRY_COMPARE(notices, 1);
        }
        QVERIFY2(said.startsWith(QStringLiteral("Rows added: %1.").arg(expected.size() - before.size())),
                 qPrintable(said));
    }
    CloseImportWindow(window);
}

void tst_frmImportCsv::undo_takesOutWhatCameInUnlessChangedSince_data() {
    QTest::addColumn<int>("changedSince"); // of the imported rows, by another program
    QTest::addColumn<int>("answer");       // a MsgResult, or -1 when nothing is asked
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("undoLeft");

    const QString kept = QStringLiteral("KEPT");
    const QString first = kGerman1.at(1);
    const QString second = kGerman2.at(1);
    QTest::newRow("as imported: all go") << 0 << -1 << QStringList{kept} << false;
    QTest::newRow("one changed, the other removed") << 1 << int(MsgResult::Yes) << QStringList{kept, first} << false;
    QTest::newRow("one changed, the user keeps both")
        << 1 << int(MsgResult::No) << QStringList{kept, first, second} << true;
    QTest::newRow("all changed: nothing to remove, said")
        << 2 << int(MsgResult::Ok) << QStringList{kept, first, second} << false;
}

void tst_frmImportCsv::undo_takesOutWhatCameInUnlessChangedSince() {
    QFETCH(int, changedSince);
    QFETCH(int, answer);
    QFETCH(QStringList, left);
    QFETCH(bool, undoLeft);

    QVERIFY(w->addNamed({QStringLiteral("KEPT")}));
    frmImportCsv* window = open(CsvTestFile("import-records-de.csv"));
    QVERIFY(window);
    PressImport(window);
    CloseImportWindow(window);
    QCOMPARE(records().size(), 3);
    listenElsewhere();
    auto* undo = Control<QAction>(frame, "mnuUndo");
    auto* undoImport = Control<QAction>(frame, "mnuUndoImport");
    QCOMPARE(undo->text(), QStringLiteral("&Undo Import of “import-records-de.csv”"));
    QVERIFY(undoImport->isEnabled());
    QVERIFY(w->exec(QStringLiteral("UPDATE Details SET Notes = 'edited' WHERE IdNumber IN (SELECT IdNumber FROM "
                                   "Details WHERE Name <> 'KEPT' ORDER BY IdNumber LIMIT %1)")
                        .arg(changedSince)));
    if (answer >= 0) {
        w->boxes.answer(MsgResult(answer));
    }
    // Ctrl+Z takes back the latest action, here the import.
    undo->trigger();
    QCOMPARE(w->boxes.pending(), 0);
    QStringList names;
    for (const QStringList& record : records()) {
        names << record.at(1);
    }
    QCOMPARE(names, left);
    checkCountOnServer();
    if (RowIsOnServer()) {
        // The change behind the program's back, and the removal if one was made: one notice each.
        QTRY_COMPARE(notices, changedSince + (names.size() < 3 ? 1 : 0));
    }
    QCOMPARE(undoImport->isEnabled(), undoLeft);
    QCOMPARE(undo->isEnabled(), undoLeft);
}

QTEST_MAIN(tst_frmImportCsv)
#include "tst_frmImportCsv.moc"
