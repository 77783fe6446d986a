#include "common/WholeFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Writing a file for the user: whole or not at all, and the reason in words the user understands.
class tst_WholeFile : public QObject {
    Q_OBJECT

  private slots:
    void fullDisk_saysTheDiskIsFull();
    void replacesTheOldFileWhole();
    void inPieces_ontoAFullDisk_leavesTheOldFileAndSaysSo();
};

void tst_WholeFile::fullDisk_saysTheDiskIsFull() {
    // The system's device that refuses every write as a full disk does.
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        QSKIP("no /dev/full on this system");
    }
    QCOMPARE(WriteAll(full, QByteArray(70000, 'x')), QStringLiteral("The disk is full."));
}

void tst_WholeFile::replacesTheOldFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.txt"));
    QVERIFY(WriteFileWhole(path, "old").isEmpty());
    const QByteArray sheet(100000, 's');
    QVERIFY(WriteFileWhole(path, sheet).isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), sheet);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.txt")});
}

void tst_WholeFile::inPieces_ontoAFullDisk_leavesTheOldFileAndSaysSo() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.csv"));
    QVERIFY(WriteFileWhole(path, "old").isEmpty());
    // Pieces smaller than the write buffer: the disk says it is full only when the buffer goes out.
    QString failure;
    {
        FileSizeLimit fullDisk(4096);
        QVERIFY(fullDisk.active());
        failure = WriteFileInPieces(path, [](QFileDevice& file) {
            QString why;
            for (int row = 0; why.isEmpty() && row < 100; ++row) {
                why = WriteAll(file, QByteArray(100, 'r'));
            }
            return why;
        });
    }
    QVERIFY(!failure.isEmpty());
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"export.csv"});
}

QTEST_MAIN(tst_WholeFile)
#include "tst_WholeFile.moc"
