#include "data/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QStringList Files{u"Dowsing.dll"_s, u"diary.dll"_s};

// What a database file starts with, then bytes of its own so that a copy can be told from its source.
QByteArray database(const QString& name) {
    return QByteArray("SQLite format 3", 16) + "tables of " + name.toUtf8();
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}
} // namespace

// A program folder, an installed template folder and a home, all in one temporary folder. Folders listed
// in readOnly are reported as not writable, as a read-only mount or a root-owned folder would be.
struct Machine {
    QTemporaryDir dir;
    QStringList readOnly;
    DataPlaces places;

    Machine() {
        QDir(dir.path()).mkpath(u"usr/bin"_s);
        QDir(dir.path()).mkpath(u"usr/share/velloran"_s);
        places.programFolder = dir.filePath(u"usr/bin"_s);
        places.templateFolder = dir.filePath(u"usr/share/velloran"_s);
        places.userFolder = dir.filePath(u"home/.local/share/velloran"_s);
        places.whyNotWritable = [this](const QString& folder) {
            return readOnly.contains(folder) ? QStringLiteral("Read-only file system") : QString();
        };
    }
    QString program(const QString& name) const { return QDir(places.programFolder).filePath(name); }
    QString user(const QString& name) const { return QDir(places.userFolder).filePath(name); }
    QString shipped(const QString& name) const { return QDir(places.templateFolder).filePath(name); }
};

class tst_DataFolder : public QObject {
    Q_OBJECT

  private slots:
    void choice_data() {
        QTest::addColumn<QStringList>("inProgram");
        QTest::addColumn<bool>("programReadOnly");
        QTest::addColumn<QStringList>("templates");
        QTest::addColumn<QStringList>("usersOwn");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QStringList>("userHasAfter");

        QTest::newRow("writable program folder with both files: portable, home untouched")
            << Files << false << Files << QStringList() << true << QStringList();
        QTest::newRow("read-only program folder: first start seeds the user's folder")
            << Files << true << Files << QStringList() << false << QStringList{u"diary.dll"_s, u"Dowsing.dll"_s};
        QTest::newRow("program folder holds one file only: installed")
            << QStringList{u"Dowsing.dll"_s} << false << Files << QStringList() << false
            << QStringList{u"diary.dll"_s, u"Dowsing.dll"_s};
        QTest::newRow("installed without templates: folder made, nothing invented")
            << QStringList() << true << QStringList() << QStringList() << false << QStringList();
        QTest::newRow("one template missing: only the other is copied")
            << QStringList() << true << QStringList{u"diary.dll"_s} << QStringList() << false
            << QStringList{u"diary.dll"_s};
        QTest::newRow("user's files present: never overwritten")
            << QStringList() << true << Files << Files << false << QStringList{u"diary.dll"_s, u"Dowsing.dll"_s};
        QTest::newRow("user's diary present: only the dowsing file is copied")
            << QStringList() << true << Files << QStringList{u"diary.dll"_s} << false
            << QStringList{u"diary.dll"_s, u"Dowsing.dll"_s};
        QTest::newRow("user's files present, no templates: the user's files are used")
            << QStringList() << true << QStringList() << Files << false
            << QStringList{u"diary.dll"_s, u"Dowsing.dll"_s};
    }
    void choice() {
        QFETCH(QStringList, inProgram);
        QFETCH(bool, programReadOnly);
        QFETCH(QStringList, templates);
        QFETCH(QStringList, usersOwn);
        QFETCH(bool, portable);
        QFETCH(QStringList, userHasAfter);
        Machine m;
        for (const QString& name : inProgram) {
            QVERIFY(write(m.program(name), "program's own " + name.toUtf8()));
        }
        if (programReadOnly) {
            m.readOnly << m.places.programFolder;
        }
        for (const QString& name : templates) {
            QVERIFY(write(m.shipped(name), database(name)));
        }
        if (!usersOwn.isEmpty()) {
            QVERIFY(QDir().mkpath(m.places.userFolder));
        }
        for (const QString& name : usersOwn) {
            QVERIFY(write(m.user(name), "the user's records"));
        }

        const DataFolderChoice choice = ChooseDataFolder(m.places, Files);

        QCOMPARE(choice.problem, QString());
        QCOMPARE(choice.portable, portable);
        QCOMPARE(choice.folder, portable ? m.places.programFolder : m.places.userFolder);
        QCOMPARE(QDir(m.places.userFolder).exists(), !portable);
        QCOMPARE(filesIn(m.places.userFolder), userHasAfter);
        for (const QString& name : userHasAfter) {
            QCOMPARE(read(m.user(name)), usersOwn.contains(name) ? QByteArray("the user's records") : database(name));
        }
        for (const QString& name : inProgram) {
            QCOMPARE(read(m.program(name)), "program's own " + name.toUtf8());
        }
    }

    void folderCannotBeMadeOrWritten_namesFolderAndReason_copiesNothing_data() {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file where a parent folder should be") << "blocked"
                                                                << "Not a directory";
        QTest::newRow("read-only data folder") << "read-only"
                                               << "Read-only file system";
        QTest::newRow("copy cannot be written") << "copy fails"
                                                << "Dowsing.dll cannot be copied there";
    }
    void folderCannotBeMadeOrWritten_namesFolderAndReason_copiesNothing() {
        QFETCH(QString, trouble);
        QFETCH(QString, reason);
        Machine m;
        for (const QString& name : Files) {
            QVERIFY(write(m.shipped(name), database(name)));
        }
        if (trouble == u"blocked"_s) {
            QVERIFY(write(m.dir.filePath(u"home"_s), "a file, not a folder"));
        } else if (trouble == u"read-only"_s) {
            QVERIFY(QDir().mkpath(m.places.userFolder));
            m.readOnly << m.places.userFolder;
        } else {
            // Something in the way of the temporary copy that cannot be cleared, as a full disk would stop it.
            QVERIFY(QDir().mkpath(m.user(u"Dowsing.dll.part/in the way"_s)));
        }
        const DataFolderChoice choice = ChooseDataFolder(m.places, Files);
        QVERIFY2(choice.problem.contains(m.places.userFolder), qPrintable(choice.problem));
        QVERIFY2(choice.problem.contains(reason), qPrintable(choice.problem));
        QVERIFY(!QFile::exists(m.user(u"Dowsing.dll"_s)));
        QVERIFY(!QFile::exists(m.user(u"diary.dll"_s)));
        QCOMPARE(choice.folder, m.places.userFolder);
    }

    // The real test of the system, where the folder's permissions bind (they do not bind the superuser).
    void realReadOnlyProgramFolder_isNotPortable() {
        if (::geteuid() == 0) {
            QSKIP("a folder's permissions do not bind the superuser");
        }
        Machine m;
        m.places.whyNotWritable = nullptr;
        for (const QString& name : Files) {
            QVERIFY(write(m.program(name), database(name)));
            QVERIFY(write(m.shipped(name), database(name)));
        }
        QVERIFY(QFile::setPermissions(m.places.programFolder, QFile::ReadOwner | QFile::ExeOwner));
        const DataFolderChoice choice = ChooseDataFolder(m.places, Files);
        QFile::setPermissions(m.places.programFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!choice.portable);
        QCOMPARE(filesIn(m.places.userFolder), (QStringList{u"diary.dll"_s, u"Dowsing.dll"_s}));
    }

    // An interrupted first start leaves only a part-copy; the next start throws it away and copies again.
    void interruptedCopy_isRedone() {
        Machine m;
        for (const QString& name : Files) {
            QVERIFY(write(m.shipped(name), database(name)));
        }
        QVERIFY(QDir().mkpath(m.places.userFolder));
        QVERIFY(write(m.user(u"Dowsing.dll.part"_s), QByteArray("SQLite format 3", 16) + "half"));
        const DataFolderChoice choice = ChooseDataFolder(m.places, Files);
        QCOMPARE(choice.problem, QString());
        QCOMPARE(filesIn(m.places.userFolder), (QStringList{u"diary.dll"_s, u"Dowsing.dll"_s}));
        QCOMPARE(read(m.user(u"Dowsing.dll"_s)), database(u"Dowsing.dll"_s));
    }

    // The clients' names and addresses in the user's own folder are the user's alone, backups too, also where an
    // earlier version left them open to all; the program's own folder stays as the user has it.
    void userFolder_isTheUsersAlone_data() {
        QTest::addColumn<bool>("portable");
        QTest::newRow("the user's data folder") << false;
        QTest::newRow("the program's own folder") << true;
    }
    void userFolder_isTheUsersAlone() {
        QFETCH(bool, portable);
        Machine m;
        const QString folder = portable ? m.places.programFolder : m.places.userFolder;
        const QString backup = folder + u"/Backups/Automatic backup 2026-12-08 010203"_s;
        QVERIFY(QDir().mkpath(backup));
        const QStringList files{folder + u"/Dowsing.dll"_s, folder + u"/diary.dll"_s, backup + u"/Dowsing.dll"_s};
        for (const QString& path : files) {
            QVERIFY(write(path, database(u"Dowsing.dll"_s)) &&
                    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        }
        QCOMPARE(ChooseDataFolder(m.places, Files).portable, portable);
        for (const QString& path : files + QStringList{folder, backup}) {
            QCOMPARE(bool(QFileInfo(path).permissions() & (QFile::ReadOther | QFile::ExeOther)), portable);
        }
    }

    // A damaged template is never copied: the tool then reports its file missing, as it does without one.
    void damagedTemplate_isNotCopied() {
        Machine m;
        QVERIFY(write(m.shipped(u"Dowsing.dll"_s), "not a database at all"));
        QVERIFY(write(m.shipped(u"diary.dll"_s), QByteArray()));
        const DataFolderChoice choice = ChooseDataFolder(m.places, Files);
        QCOMPARE(choice.problem, QString());
        QCOMPARE(filesIn(m.places.userFolder), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_DataFolder)
#include "tst_DataFolder.moc"
