#include "common/WholeFile.h"

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

QTEST_MAIN(tst_WholeFile)
#include "tst_WholeFile.moc"
