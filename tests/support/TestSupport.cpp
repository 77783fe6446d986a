#include "support/TestSupport.h"

#include "core/Application.h"
#include "core/Clock.h"
#include "data/DataSource.h"
#include "support/TestServer.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <QXmlStreamReader>
#include <array>

void ReportMissingControl(const QObject* window, const QString& name) {
    QTest::qFail(
        qPrintable(QStringLiteral("%1 has no control %2").arg(window ? window->objectName() : QString(), name)),
        __FILE__, __LINE__);
}

ScriptedMessageBoxes::ScriptedMessageBoxes() {
    SetMessageBoxHandler([this](const MessageRequest& request) { return respond(request); });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    SetMessageBoxHandler({});
}

void ScriptedMessageBoxes::answer(MsgResult result) {
    answers_.push_back(result);
}

void ScriptedMessageBoxes::onShow(std::function<void(const MessageRequest&)> hook) {
    hook_ = std::move(hook);
}

QStringList ScriptedMessageBoxes::texts() const {
    QStringList list;
    for (const MessageRequest& request : shown_) {
        list.append(request.text);
    }
    return list;
}

void ScriptedMessageBoxes::clear() {
    answers_.clear();
    shown_.clear();
}

MsgResult ScriptedMessageBoxes::respond(const MessageRequest& request) {
    shown_.append(request);
    if (hook_) {
        hook_(request);
    }
    if (answers_.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: \"%1\"").arg(request.text)), __FILE__,
                     __LINE__);
        switch (request.buttons) {
        case MsgButtons::YesNo:
            return MsgResult::No;
        case MsgButtons::RetryCancel:
            return MsgResult::Cancel;
        case MsgButtons::TheirsMineNew:
            return MsgResult::KeepTheirs;
        case MsgButtons::NewOrLeaveRemoved:
            return MsgResult::LeaveRemoved;
        case MsgButtons::Ok:
            break;
        }
        return MsgResult::Ok;
    }
    const MsgResult result = answers_.front();
    answers_.pop_front();
    return result;
}

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::open(const QUrl& url) {
    urls.append(url);
}

QStringList UrlRecorder::pageKeys() const {
    QStringList keys;
    for (const QUrl& url : urls) {
        keys.append(QUrlQuery(url).queryItemValue(QStringLiteral("page")));
    }
    return keys;
}

RecordingShell::RecordingShell() {
    SetShellServices(this);
}

RecordingShell::~RecordingShell() {
    SetShellServices(nullptr);
}

TestEnvironment::TestEnvironment() : cacheHome_(qgetenv("XDG_CACHE_HOME")) {
    QDir(dir_.path()).mkpath(QStringLiteral("app"));
    QDir(dir_.path()).mkpath(QStringLiteral("settings"));
    services.applicationFolder = appFolder();
    // The cache (the find window's words index) goes with the test's folder too.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache"))));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder());
}

TestEnvironment::~TestEnvironment() {
    Windows::ResetForTests();
    // Let windows unloaded above be deleted while their world still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The kept connections hold the files of this world open.
    DataSource::closeAll();
    qputenv("XDG_CACHE_HOME", cacheHome_);
}

QString TestEnvironment::appFolder() const {
    return dir_.filePath(QStringLiteral("app"));
}

QString TestEnvironment::settingsFolder() const {
    return dir_.filePath(QStringLiteral("settings"));
}

bool TestEnvironment::copyIntoAppFolder(const QString& source, const QString& name) const {
    const QString target = QDir(appFolder()).filePath(name.isEmpty() ? QFileInfo(source).fileName() : name);
    QFile::remove(target);
    return QFile::copy(source, target) && QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

void WhenModalShown(std::function<void(QWidget*)> action, int timeoutMs) {
    auto* timer = new QTimer;
    auto* elapsed = new QElapsedTimer;
    elapsed->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, action = std::move(action), timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || elapsed->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            if (modal) {
                action(modal);
            }
        }
    });
    timer->start();
}

RawDatabase::RawDatabase(const QString& path) : name_(QStringLiteral("test-raw-%1").arg(quintptr(this))) {
    if (const std::optional<SharedDatabase>& shared = CurrentServices().sharedDatabase) {
        // The shared database in force instead of the file: the same tables, as its superuser, through the test
        // server's own socket however the program reaches it.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
        db.setHostName(qEnvironmentVariable("VELLORAN_TEST_SERVER"));
        db.setPort(TestServer::Port());
        db.setDatabaseName(shared->database);
        db.setUserName(QStringLiteral("postgres"));
        db.open();
        QSqlQuery(db).exec(QStringLiteral("SET client_min_messages = warning"));
        onServer_ = true;
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    db.open();
}

RawDatabase::~RawDatabase() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}

bool RawDatabase::exec(const QString& sql) {
    return QSqlQuery(db()).exec(sql);
}

QStringList RawDatabase::column(const QString& sql, int index) const {
    QStringList out;
    QSqlQuery query(db());
    if (query.exec(sql)) {
        while (query.next()) {
            out << query.value(index).toString();
        }
    }
    return out;
}

QByteArray FileHash(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

std::optional<QList<QStringList>> ReadCsvWithPython(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, strict=True))))\n"),
                  path});
    if (!python.waitForFinished(30000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        return std::nullopt;
    }
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue& field : row.toArray()) {
            fields << field.toString();
        }
        rows << fields;
    }
    return rows;
}

std::optional<QString> RunWithTrouble(const QStringList& operation, const QStringList& strace) {
    QProcess process;
    process.start(QStringLiteral("strace"), strace + QStringList{QStringLiteral(DATA_TROUBLE)} + operation);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() == 137) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QStringList Inject(const QString& call, const QString& path, const QString& what) {
    return {u"-o"_s, u"/dev/null"_s,     u"-P"_s, path,
            u"-e"_s, u"trace="_s + call, u"-e"_s, u"inject="_s + call + u":"_s + what};
}

namespace FileTrouble {
void AddRows(const QStringList& troubles) {
    static const QList<std::array<const char*, 3>> known{
        {"lock", "held by another program", "in use by another program"},
        {"truncate", "cut short", "damaged"},
        {"garbage", "not a database", "damaged"},
        {"remove", "gone", "missing"}};
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("cause");
    for (const auto& [name, row, cause] : known) {
        if (troubles.contains(QLatin1String(name))) {
            QTest::newRow(row) << QString::fromLatin1(name) << QString::fromLatin1(cause);
        }
    }
}

bool Cause(const QString& trouble, const QString& path, RawDatabase& other) {
    if (trouble == QLatin1String("lock")) {
        return other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    if (trouble == QLatin1String("truncate")) {
        return QFile(path).resize(QFile(path).size() / 2);
    }
    if (trouble == QLatin1String("garbage")) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(QByteArray("not a database\n").repeated(1000)) > 0;
    }
    return trouble == QLatin1String("remove") && QFile::remove(path);
}
} // namespace FileTrouble

std::optional<QList<TranslationMessage>> ReadTranslationFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QXmlStreamReader xml(&file);
    QList<TranslationMessage> messages;
    QString context;
    // The text of the element the reader is in, up to its end, with lupdate's <byte> elements as characters.
    const auto text = [&xml] {
        QString read;
        while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
            if (xml.isCharacters()) {
                read += xml.text();
            } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
                read += QChar(xml.attributes().value(QLatin1String("value")).toUInt(nullptr, 16));
            } else if (xml.isEndElement() && xml.name() != QLatin1String("byte")) {
                break;
            }
        }
        return read;
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = text();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = text();
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = text();
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return messages;
}
