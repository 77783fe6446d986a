#include "DiaryTestSupport.h"
#include "diary/DiaryKeywordModel.h"
#include "diary/DiaryTools.h"
#include "support/ImportTestSupport.h"

#include <QTemporaryDir>

// A section exported to CSV comes back into another section entry for entry, and Undo takes it out again.
class tst_ImportSection : public QObject {
    Q_OBJECT
  private slots:
    void exportedSection_comesBackWhole_andUndoTakesItOut();
};

void tst_ImportSection::exportedSection_comesBackWhole_andUndoTakesItOut() {
    DiaryWorld w;
    QVERIFY(w.makeDiary());
    DiaryStore store(DiaryFilePath());
    const QList<std::pair<QString, QString>> entries{
        {QStringLiteral("Moon, \"full\""), QStringLiteral("line one\r\nline two;\tand a tab")},
        {QStringLiteral("Brûlé"), QStringLiteral("")},
        {QStringLiteral("Sage"), QStringLiteral("  inner  blanks  kept  ")}};
    for (const auto& [keyword, meaning] : entries) {
        QVERIFY(store.add(DiarySection::Spell, keyword, meaning));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("spells.csv"));
    QCOMPARE(DiaryTools::WriteCsv(store, DiarySection::Spell, path), QString());

    frmPaganDiaryResultBOS* book = frmPaganDiaryResultBOS::ShowSection(DiarySection::Incense);
    QVERIFY(book);
    frmImportCsv* window = OpenImportWindow(book, path);
    QVERIFY(window);
    QCOMPARE(Control<QComboBox>(window, "cmbColumn_0")->currentData().toInt(), 0);
    QCOMPARE(Control<QComboBox>(window, "cmbColumn_1")->currentData().toInt(), 1);
    QCOMPARE(PressImport(window), QStringLiteral("Rows added: 3."));
    CloseImportWindow(window);

    const auto texts = [&store](DiarySection section) {
        QStringList all;
        for (const DiaryEntry& entry : store.entries(section).value_or(QList<DiaryEntry>{})) {
            all << entry.keyword << entry.meaning;
        }
        return all;
    };
    QCOMPARE(texts(DiarySection::Incense), texts(DiarySection::Spell));
    QCOMPARE(book->keywords()->rowCount(), 3);

    Control<QAction>(book, "mnuUndo")->trigger();
    QCOMPARE(texts(DiarySection::Incense), QStringList());
    QCOMPARE(texts(DiarySection::Spell).size(), 6);
    QVERIFY(!Control<QAction>(book, "mnuUndoImport")->isEnabled());
}

QTEST_MAIN(tst_ImportSection)
#include "tst_ImportSection.moc"
