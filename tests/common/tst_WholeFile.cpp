#include "data/WholeFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The disk as a test wants it, for Qt's writes too (this test exports these): writes to a file past `room` more bytes
// cut short, then refused as on a full disk; syncs that fail.
static qint64 room = -1;
static bool syncFails = false;
extern "C" ssize_t write(int fd, const void* bytes, size_t size) {
    static const auto system = reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
    const ssize_t written = fd <= 2 || room < 0 ? system(fd, bytes, size)
                            : room == 0         ? (errno = ENOSPC, -1)
                                                : system(fd, bytes, std::min(size, size_t(room)));
    room -= fd > 2 && room > 0 ? written : 0;
    return written;
}
extern "C" int fsync(int fd) {
    static const auto system = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return syncFails ? (errno = EIO, -1) : system(fd);
}

// Writing a file for the user: whole or not at all, and the reason in words the user understands.
class tst_WholeFile : public QObject {
    Q_OBJECT

  private slots:
    void fullDisk_saysTheDiskIsFull();
    void replacesTheOldFileWhole();
    void inPieces_ontoAFullDisk_leavesTheOldFileAndSaysSo();
    void troubleOnTheDisk_isSaidAndLeavesTheOldFile_data();
    void troubleOnTheDisk_isSaidAndLeavesTheOldFile();
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
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"export.csv"_s});
}

void tst_WholeFile::troubleOnTheDisk_isSaidAndLeavesTheOldFile_data() {
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("said");
    QTest::newRow("a sync that fails") << false << "Input/output error.";
    QTest::newRow("a full disk") << true << "The disk is full.";
}

void tst_WholeFile::troubleOnTheDisk_isSaidAndLeavesTheOldFile() {
    QFETCH(bool, full);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.csv"));
    QVERIFY(WriteFileWhole(path, "old").isEmpty());
    // 10,000 bytes in pieces onto a disk with room for 5,000.
    room = full ? 5000 : -1;
    syncFails = !full;
    const QString why = WriteFileInPieces(path, [](QFileDevice& file) {
        QString stopped;
        for (int row = 0; stopped.isEmpty() && row < 100; ++row) {
            stopped = WriteAll(file, QByteArray(100, 'r'));
        }
        return stopped;
    });
    room = -1;
    syncFails = false;
    QCOMPARE(why, said);
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"export.csv"_s});
}

QTEST_MAIN(tst_WholeFile)
#include "tst_WholeFile.moc"
