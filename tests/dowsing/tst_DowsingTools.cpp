#include "commands/BackupCommands.h"
#include "core/Application.h"
#include "data/DataBackup.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTools.h"
#include "dowsing/MDIDowsingForm1.h"
#include "support/DowsingSeed.h"
#include "support/DowsingTestFile.h"
#include "support/TestSupport.h"
#include "ui/FileDialogs.h"
#include "ui/Windows.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <memory>

// Exports, print previews and backups, driven from the dowsing frame's Tools menu.
class tst_DowsingTools : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void csvExport_readsBackThroughACsvReader();
    void pdfExport_holdsOneSheetPerPage();
    void exportIntoAFolderThatCannotBeWritten_saysSoAndLeavesNoFile_data();
    void exportIntoAFolderThatCannotBeWritten_saysSoAndLeavesNoFile();
    void printPreview_drawsEverySheet();
    void printPreview_ofAFileThatCannotBeRead_saysWhyInsteadOfBlankPages_data();
    void printPreview_ofAFileThatCannotBeRead_saysWhyInsteadOfBlankPages();
    void backUpAndRestore_fromTheMenu();
    void restoreOfADamagedBackup_isRefusedAndChangesNothing();

  private:
    QString path() const { return ApplicationFile(QStringLiteral("Dowsing.dll")); }
    QString out(const QString& name) const { return QDir(env->settingsFolder()).filePath(name); }
    void trigger(const QString& item);
    QList<DowsingRecord> awkwardRecords();

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<RecordingShell> shell;
    QString chosen;
};

void tst_DowsingTools::init() {
    env = std::make_unique<TestEnvironment>();
    shell = std::make_unique<RecordingShell>();
    QVERIFY(env->copyIntoAppFolder(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE)));
    chosen.clear();
    SetSaveFileChooser([this](const SaveFileRequest&) { return chosen; });
    SetFolderChooser([this](const QString&) { return chosen; });
}

void tst_DowsingTools::cleanup() {
    Windows::ResetForTests();
    SetSaveFileChooser({});
    SetFolderChooser({});
    SetPrintPreviewer({});
    shell.reset();
    env.reset();
}

void tst_DowsingTools::trigger(const QString& item) {
    MDIDowsingForm1* frame = Windows::Show<MDIDowsingForm1>();
    QVERIFY(frame);
    QAction* action = frame->findChild<QAction*>(item);
    QVERIFY2(action, qPrintable(item));
    action->trigger();
}

QList<DowsingRecord> tst_DowsingTools::awkwardRecords() {
    QList<DowsingRecord> records;
    DowsingRecord a;
    a.Date = QDate(2006, 3, 7);
    a.Name = QStringLiteral("Smith, John \"Jack\"");
    a.Address = QStringLiteral("1 Mill Lane\r\nLower Slaughter");
    a.City = QStringLiteral("Zürich");
    a.Notes = QStringLiteral("line one\r\nline two, with \"quotes\"\r\n");
    a.Time_Dowsing_Occured = QStringLiteral("07:45");
    records << a;
    DowsingRecord b; // no date, every text empty
    records << b;
    DowsingRecord c;
    c.Date = QDate(2012, 12, 31);
    c.Name = QStringLiteral("Ελένη Παππά");
    c.Item_Dowsing_For = QStringLiteral("Oil");
    records << c;
    DowsingStore store(path());
    if (store.open()) {
        for (DowsingRecord& r : records) {
            r.IdNumber = store.add(r).value_or(-1);
        }
    }
    return records;
}

void tst_DowsingTools::csvExport_readsBackThroughACsvReader() {
    const QList<DowsingRecord> records = awkwardRecords();
    chosen = out(QStringLiteral("records.csv"));
    env->boxes.answer(MsgResult::Ok);
    trigger(QStringLiteral("mnuExportCsv"));
    QCOMPARE(env->boxes.shown().last().icon, MsgIcon::Information);

    QFile file(chosen);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\"Date\",\"Name\",\"Address\""));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 4 + 3); // four records, and three line breaks inside fields

    const std::optional<QList<QStringList>> rows = ReadCsvWithPython(chosen);
    QVERIFY(rows);
    QCOMPARE(rows->size(), records.size() + 1);
    const QStringList& header = rows->at(0);
    QCOMPARE(header.size(), 14);
    QCOMPARE(header.first(), QStringLiteral("Date"));
    QCOMPARE(header.last(), QStringLiteral("IdNumber"));
    for (int i = 0; i < records.size(); ++i) {
        const QStringList& row = rows->at(i + 1);
        const DowsingRecord& r = records.at(i);
        QCOMPARE(row.at(0), r.Date.isValid() ? r.Date.toString(Qt::ISODate) : QString());
        for (int column = 1; column < 14; ++column) {
            QCOMPARE(row.at(column), DowsingColumnText(r, column));
        }
    }
}

void tst_DowsingTools::pdfExport_holdsOneSheetPerPage() {
    const QList<DowsingRecord> records = awkwardRecords();
    chosen = out(QStringLiteral("records.pdf"));
    env->boxes.answer(MsgResult::Ok);
    trigger(QStringLiteral("mnuExportPdf"));
    QCOMPARE(env->boxes.shown().last().icon, MsgIcon::Information);

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), chosen, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    QCOMPARE(pages.size() - 1, records.size()); // pdftotext ends every page with a form feed
    QVERIFY(pages.at(0).contains(QStringLiteral("Name :- Smith, John \"Jack\"")));
    QVERIFY(pages.at(0).contains(QStringLiteral("Date :- 3/7/2006")));
    QVERIFY(pages.at(1).contains(QStringLiteral("Name :- This data has not been entered")));
    QVERIFY(pages.at(2).contains(QStringLiteral("Dowsin Item :- Oil")));
    QVERIFY(pages.at(2).contains(QStringLiteral("Ελένη Παππά")));
}

void tst_DowsingTools::exportIntoAFolderThatCannotBeWritten_saysSoAndLeavesNoFile_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("CSV") << "mnuExportCsv";
    QTest::newRow("PDF") << "mnuExportPdf";
}

void tst_DowsingTools::exportIntoAFolderThatCannotBeWritten_saysSoAndLeavesNoFile() {
    QFETCH(QString, item);
    QVERIFY(SeedRecords(path(), 3));
    // A "folder" that is a file: no one, root included, can write into it.
    const QString folder = out(QStringLiteral("not-a-folder"));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    chosen = QDir(folder).filePath(QStringLiteral("records.out"));
    env->boxes.answer(MsgResult::Ok);
    trigger(item);
    QCOMPARE(env->boxes.shown().size(), 1);
    QCOMPARE(env->boxes.shown().last().icon, MsgIcon::Critical);
    QVERIFY(env->boxes.shown().last().text.startsWith(QStringLiteral("The records could not be exported")));
    QCOMPARE(QDir(env->settingsFolder()).entryList({QStringLiteral("*records*")}, QDir::AllEntries | QDir::Hidden),
             QStringList());
}

void tst_DowsingTools::printPreview_drawsEverySheet() {
    QVERIFY(SeedRecords(path(), 4));
    int pages = 0;
    SetPrintPreviewer([&pages, this](const PagePainter& paint) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out(QStringLiteral("preview.pdf")));
        paint(&printer);
        QProcess info;
        info.start(QStringLiteral("pdftotext"), {out(QStringLiteral("preview.pdf")), QStringLiteral("-")});
        info.waitForFinished(30000);
        pages = int(info.readAllStandardOutput().count('\f'));
    });
    trigger(QStringLiteral("mnuPreviewRecords"));
    QCOMPARE(pages, 4);
}

void tst_DowsingTools::printPreview_ofAFileThatCannotBeRead_saysWhyInsteadOfBlankPages_data() {
    FileTrouble::AddRows({u"lock"_s, u"truncate"_s});
}

void tst_DowsingTools::printPreview_ofAFileThatCannotBeRead_saysWhyInsteadOfBlankPages() {
    QFETCH(QString, trouble);
    QFETCH(QString, cause);
    QVERIFY(SeedRecords(path(), 300));
    bool previewed = false;
    SetPrintPreviewer([&previewed](const PagePainter&) { previewed = true; });
    QVERIFY(Windows::Show<MDIDowsingForm1>());
    DowsingTestFile other(path());
    QVERIFY(FileTrouble::Cause(trouble, path(), other));
    env->boxes.answer(trouble == QLatin1String("lock") ? MsgResult::Cancel : MsgResult::Ok);
    trigger(QStringLiteral("mnuPreviewRecords"));
    QCOMPARE(env->boxes.shown().size(), 1);
    QVERIFY2(env->boxes.shown().first().text.contains(cause), qPrintable(env->boxes.shown().first().text));
    QVERIFY(!previewed);
    if (trouble == QLatin1String("lock")) {
        QVERIFY(other.exec(QStringLiteral("ROLLBACK")));
    }
}

void tst_DowsingTools::backUpAndRestore_fromTheMenu() {
    QVERIFY(SeedRecords(path(), 10));
    chosen = out(QStringLiteral("backups"));
    QVERIFY(QDir().mkpath(chosen));
    env->boxes.answer(MsgResult::Ok);
    trigger(QStringLiteral("mnuBackUp"));
    QCOMPARE(env->boxes.shown().last().icon, MsgIcon::Information);
    const QStringList made = QDir(chosen).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(made.size(), 1);

    QVERIFY(SeedRecords(path(), 5));
    chosen = QDir(chosen).filePath(made.first());
    env->boxes.answer(MsgResult::Yes);
    env->boxes.answer(MsgResult::Ok);
    trigger(QStringLiteral("mnuRestore"));
    QVERIFY(env->boxes.shown().at(1).noByDefault); // Return keeps the records as they are
    QCOMPARE(env->boxes.shown().last().icon, MsgIcon::Information);
    QCOMPARE(DowsingTestFile(path()).rows().size(), 10);
}

void tst_DowsingTools::restoreOfADamagedBackup_isRefusedAndChangesNothing() {
    QVERIFY(SeedRecords(path(), 10));
    chosen = out(QStringLiteral("backup"));
    QVERIFY(DataBackup::Make(ApplicationFolder(), chosen, QDateTime::currentDateTime()).ok);
    chosen = QDir(chosen).filePath(QDir(chosen).entryList(QDir::Dirs | QDir::NoDotAndDotDot).first());
    QFile copy(QDir(chosen).filePath(QStringLiteral("Dowsing.dll")));
    QVERIFY(copy.resize(copy.size() - 1000));
    const QList<QVariantList> before = DowsingTestFile(path()).rows();
    env->boxes.answer(MsgResult::Ok);
    trigger(QStringLiteral("mnuRestore"));
    QCOMPARE(env->boxes.shown().size(), 1);
    QCOMPARE(env->boxes.shown().last().icon, MsgIcon::Critical);
    QVERIFY(env->boxes.shown().last().text.startsWith(QStringLiteral("This backup cannot be restored")));
    QCOMPARE(DowsingTestFile(path()).rows(), before);
}

QTEST_MAIN(tst_DowsingTools)
#include "tst_DowsingTools.moc"
