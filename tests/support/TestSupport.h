#pragma once

#include "core/Services.h"
#include "ui/MessageBox.h"
#include "ui/ShellServices.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

// Answers message boxes from a script and records each one. A box nobody scripted fails the running test.
class ScriptedMessageBoxes {
  public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    // The answer to the next box; boxes with only OK may be scripted with MsgResult::Ok.
    void answer(MsgResult result);
    // Called while a box is up (after it was recorded, before it returns), e.g. to look at the screen.
    void onShow(std::function<void(const MessageRequest&)> hook);
    // Every box shown so far, oldest first.
    const QList<MessageRequest>& shown() const { return shown_; }
    QStringList texts() const;
    int pending() const { return static_cast<int>(answers_.size()); }
    void clear();

  private:
    MsgResult respond(const MessageRequest& request);
    std::deque<MsgResult> answers_;
    QList<MessageRequest> shown_;
    std::function<void(const MessageRequest&)> hook_;
};

// Records every web address the program asks the desktop to open, instead of starting a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    UrlRecorder();
    ~UrlRecorder() override;
    QList<QUrl> urls;
    // The "page" key of each opened address, in order.
    QStringList pageKeys() const;
    void clear() { urls.clear(); }

  public slots:
    void open(const QUrl& url);
};

// Stands in for the application shell in tests of the tools.
class RecordingShell : public ShellServices {
  public:
    RecordingShell();
    ~RecordingShell() override;
    void ShowLauncher() override { ++launcherShown; }
    void ShowAbout(QWidget*) override { ++aboutShown; }
    void EndProgram() override { ++programEnded; }
    int launcherShown = 0;
    int aboutShown = 0;
    int programEnded = 0;
};

// A window's control by its objectName, as a screen reader or a user's script finds it; an element of a control
// array is `name_index`. A control that is not there fails the running test and gives null.
void ReportMissingControl(const QObject* window, const QString& name);
template <class T = QWidget> T* Control(const QObject* window, const QString& name) {
    T* found = window ? window->findChild<T*>(name) : nullptr;
    if (!found) {
        ReportMissingControl(window, name);
    }
    return found;
}
template <class T = QWidget> T* Control(const QObject* window, const char* name) {
    return Control<T>(window, QString::fromLatin1(name));
}
template <class T = QWidget> T* Control(const QObject* window, const char* name, int index) {
    return Control<T>(window, QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index));
}

// A fresh, private world for one test: an empty application folder and per-user settings in a temporary
// folder, scripted message boxes and recorded web pages. Everything goes back on destruction, and every
// window still loaded is unloaded.
class TestEnvironment {
  public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString appFolder() const;
    QString settingsFolder() const;
    // Copies a file into the application folder (a database made by the build, say).
    bool copyIntoAppFolder(const QString& source, const QString& name = QString()) const;

    // The test's own services, in force while it lives; the boxes, choosers, clock and folder below fill them.
    Services services;

  private:
    UseServices inForce_{services};

  public:
    ScriptedMessageBoxes boxes;
    UrlRecorder pages;

  private:
    QTemporaryDir dir_;
    QByteArray cacheHome_;
};

// Runs `action` once the next modal dialog or message box is up (polling the event loop); for the real
// modal boxes that the scripted answerer does not cover, such as the About box.
void WhenModalShown(std::function<void(QWidget*)> action, int timeoutMs = 5000);

// A connection of the test's own to an SQLite file, to look at it past the program, tamper with it or hold a
// lock on it; it never waits for another's lock. With a shared database in force, a session of its own there.
class RawDatabase {
  public:
    explicit RawDatabase(const QString& path);
    bool onServer() const { return onServer_; }
    ~RawDatabase();
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
    bool exec(const QString& sql);
    // One column of every row a query returns.
    QStringList column(const QString& sql, int index = 0) const;

  private:
    QString name_;
    bool onServer_ = false;
};

// The SHA-256 of a file's bytes, to show that a failed change left it exactly as it was.
QByteArray FileHash(const QString& path);

// The rows of a CSV file as a second reader sees them (Python's strict csv module), each a list of fields;
// nothing when the reader failed.
std::optional<QList<QStringList>> ReadCsvWithPython(const QString& path);

// Runs one of the program's file operations (tests/support/data_trouble) in a process of its own under strace with
// `strace` options, to kill it or refuse a call at a chosen moment. What it said (empty for success), or nothing when
// it was killed.
std::optional<QString> RunWithTrouble(const QStringList& operation, const QStringList& strace);
// The strace options that do `what` ("signal=KILL", "error=EROFS", with ":when=n" for the n-th) to `call` on `path`.
QStringList Inject(const QString& call, const QString& path, const QString& what);

// What another program or the disk does to a data file behind the program's back, as data rows name it:
// "lock" (another program holds it), "truncate" (cut short), "garbage" (not a database), "remove" (gone).
namespace FileTrouble {
// Adds the columns "trouble" and "cause" (the word the program's message must hold) and a row for each trouble.
void AddRows(const QStringList& troubles);
// Makes the trouble happen to the file; a lock is held through `other` until it rolls back.
bool Cause(const QString& trouble, const QString& path, RawDatabase& other);
} // namespace FileTrouble

// One message of a translation file (.ts) as lupdate writes it.
struct TranslationMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete", or empty for a finished translation
};
// The messages of a .ts file, carriage returns (which lupdate writes as <byte value="xd"/>) included; nothing when
// the file cannot be read as one.
std::optional<QList<TranslationMessage>> ReadTranslationFile(const QString& path);
