#include "data/ServerConnection.h"

#include "data/Log.h"
#include "data/ServerWorker.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMutex>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QThread>
#include <QTimer>
#include <map>

#if defined(Q_OS_WIN)
#include <windows.h>
#include <winsock2.h>
#else
#include <dlfcn.h>
#include <sys/socket.h>
#endif

const QString ServerDriver::Name = QStringLiteral("VELLORAN_PSQL");

namespace {

const QString InnerDriver = QStringLiteral("QPSQL");

// A page of rows brought over from the connection's thread at a time: a whole table read for a backup never sits
// there and here at once.
constexpr int ChunkRows = 4096;

int& defaultBound() {
    static int milliseconds = ServerDriver::DefaultBoundMs;
    return milliseconds;
}

std::function<void(bool)>& waitIndicator() {
    static std::function<void(bool)> indicator;
    return indicator;
}

// The two functions of libpq this needs, found in the copy Qt's driver has loaded: linking libpq into the program
// would load it and its twenty libraries at every start, for users who never open a shared database.
struct LibPq {
    int (*status)(const void* connection) = nullptr; // PQstatus; 0 is CONNECTION_OK
    int (*socket)(const void* connection) = nullptr; // PQsocket

    static const LibPq& loaded() {
        static const LibPq functions = [] {
            LibPq found;
#if defined(Q_OS_WIN)
            if (HMODULE library = GetModuleHandleW(L"libpq.dll")) {
                found.status = reinterpret_cast<int (*)(const void*)>(GetProcAddress(library, "PQstatus"));
                found.socket = reinterpret_cast<int (*)(const void*)>(GetProcAddress(library, "PQsocket"));
            }
#else
            for (const char* name : {"libpq.so.5", "libpq.so"}) {
                if (void* library = dlopen(name, RTLD_LAZY | RTLD_NOLOAD)) {
                    found.status = reinterpret_cast<int (*)(const void*)>(dlsym(library, "PQstatus"));
                    found.socket = reinterpret_cast<int (*)(const void*)>(dlsym(library, "PQsocket"));
                    break;
                }
            }
#endif
            return found;
        }();
        return functions;
    }
};

// libpq's connection behind an open connection of Qt's driver, or nothing.
const void* connectionOf(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    // Qt names the type after libpq's struct.
    if (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0) {
        return nullptr;
    }
    return *static_cast<const void* const*>(handle.constData());
}

void shutSocket(qintptr socket) {
#if defined(Q_OS_WIN)
    ::shutdown(SOCKET(socket), SD_BOTH);
#else
    ::shutdown(int(socket), SHUT_RDWR);
#endif
}

// What a query brought back, carried from the connection's thread to the window's.
struct ExecReply {
    bool ok = false;
    QSqlError error;
    bool select = false;
    QSqlRecord record;
    QList<QList<QVariant>> rows;
    bool more = false;
    int size = -1;
    int affected = -1;
};

struct DriverReply {
    bool ok = false;
    QSqlError error;
};

} // namespace

ServerWorker::ServerWorker(QString name, std::shared_ptr<QAtomicInteger<int>> lost,
                           std::shared_ptr<QAtomicInteger<qintptr>> socket)
    : name_(std::move(name)), lost_(std::move(lost)), socket_(std::move(socket)) {}

QSqlQuery& ServerWorker::query(quint64 id) {
    std::unique_ptr<QSqlQuery>& kept = queries_[id];
    if (!kept) {
        kept = std::make_unique<QSqlQuery>(db());
    }
    return *kept;
}

void ServerWorker::lookAtConnection() {
    const void* connection = connectionOf(db());
    const LibPq& libpq = LibPq::loaded();
    const bool broken = !connection || !libpq.status || libpq.status(connection) != 0;
    // Qt's driver counts a broken connection as not open: whether it was opened is kept here.
    if (broken && outer_ && lost_->fetchAndStoreOrdered(1) == 0) {
        emit lost();
    }
}

void ServerWorker::opened(QSqlDriver* outer) {
    const void* connection = connectionOf(db());
    const LibPq& libpq = LibPq::loaded();
    socket_->storeRelease(connection && libpq.socket ? libpq.socket(connection) : -1);
    lost_->storeRelease(0);
    QObject::connect(db().driver(), &QSqlDriver::notification, outer, &QSqlDriver::notification, Qt::QueuedConnection);
    outer_ = outer;
}

void ServerWorker::listenedTo() {
    // Queued, so that the driver has read what came (and found the connection closed) first.
    for (QSocketNotifier* socket : db().driver()->findChildren<QSocketNotifier*>()) {
        QObject::connect(
            socket, &QSocketNotifier::activated, this, [this] { lookAtConnection(); }, Qt::QueuedConnection);
    }
}

void ServerWorker::closeAll() {
    outer_ = nullptr;
    queries_.clear();
    // Asked of Qt's list of connections only when there is one to let go of: see ~ServerDriver.
    if (added_ && QSqlDatabase::contains(name_)) {
        {
            QSqlDatabase opened = db();
            opened.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    added_ = false;
    socket_->storeRelease(-1);
}

namespace {

// Reads up to a page of a query's rows into the reply.
void readRows(QSqlQuery& query, ExecReply& reply) {
    const int columns = reply.record.count();
    int read = 0;
    while (read < ChunkRows && query.next()) {
        QList<QVariant>& row = reply.rows.emplace_back();
        row.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            row << query.value(i);
        }
        ++read;
    }
    reply.more = read == ChunkRows && query.at() + 1 < query.size();
}

// A query over the connection: each call is carried out by a query of Qt's own driver on the connection's thread,
// and the rows it brings back are read here a page at a time.
class ServerResult : public QSqlResult {
  public:
    explicit ServerResult(const ServerDriver* driver)
        : QSqlResult(driver), driver_(const_cast<ServerDriver*>(driver)), id_(nextId()) {}
    ~ServerResult() override {
        const quint64 id = id_;
        driver_->post([id](ServerWorker& worker) { worker.forget(id); });
    }

  protected:
    QVariant data(int column) override {
        const qint64 row = at() - offset_;
        if (row < 0 || row >= rows_.size() || column < 0 || column >= rows_.at(row).size()) {
            return {};
        }
        return rows_.at(row).at(column);
    }
    bool isNull(int column) override { return data(column).isNull(); }

    bool reset(const QString& sql) override {
        setQuery(sql);
        prepared_.clear();
        return run(sql, false, {});
    }
    bool prepare(const QString& sql) override {
        setQuery(sql);
        prepared_ = sql;
        needsPreparing_ = true;
        return true;
    }
    bool exec() override { return run(prepared_, true, boundValues()); }

    bool fetch(int i) override {
        if (i < 0) {
            return false;
        }
        while (i >= offset_ + rows_.size() && more_) {
            if (!fetchMore()) {
                return false;
            }
        }
        if (i < offset_ || i >= offset_ + rows_.size()) {
            return false;
        }
        setAt(i);
        return true;
    }
    bool fetchFirst() override { return fetch(0); }
    bool fetchLast() override {
        while (more_ && fetchMore()) {
        }
        return fetch(int(offset_ + rows_.size()) - 1);
    }
    int size() override { return size_; }
    int numRowsAffected() override { return affected_; }
    QSqlRecord record() const override { return record_; }
    void detachFromResultSet() override {
        rows_.clear();
        offset_ = 0;
        more_ = false;
        const quint64 id = id_;
        driver_->post([id](ServerWorker& worker) { worker.query(id).finish(); });
    }

  private:
    static quint64 nextId() {
        static QAtomicInteger<quint64> serial;
        return serial.fetchAndAddRelaxed(1);
    }

    bool run(const QString& sql, bool prepared, const QList<QVariant>& values) {
        rows_.clear();
        offset_ = 0;
        more_ = false;
        setActive(false);
        setSelect(false);
        setAt(QSql::BeforeFirstRow);
        auto reply = std::make_shared<ExecReply>();
        const quint64 id = id_;
        const bool preparing = prepared && needsPreparing_;
        const bool answered = driver_->run([reply, id, sql, prepared, preparing, values](ServerWorker& worker) {
            QSqlQuery& query = worker.query(id);
            bool ok = true;
            if (!prepared) {
                ok = query.exec(sql);
            } else {
                if (preparing) {
                    ok = query.prepare(sql);
                }
                if (ok) {
                    for (const QVariant& value : values) {
                        query.addBindValue(value);
                    }
                    ok = query.exec();
                }
            }
            if (!ok) {
                reply->error = query.lastError();
                return;
            }
            reply->ok = true;
            reply->select = query.isSelect();
            reply->record = query.record();
            reply->size = query.size();
            // Not the last key added: Qt's driver asks the server for it with a statement of its own, which fails in
            // a transaction that added none, and takes the transaction with it. Keys come back through RETURNING.
            reply->affected = query.numRowsAffected();
            if (reply->select) {
                readRows(query, *reply);
            }
        });
        if (!answered) {
            setLastError(driver_->silenceError());
            return false;
        }
        if (!reply->ok) {
            // A statement the server could not prepare is prepared again next time.
            needsPreparing_ = needsPreparing_ || preparing;
            setLastError(reply->error);
            return false;
        }
        if (preparing) {
            needsPreparing_ = false;
        }
        record_ = reply->record;
        rows_ = std::move(reply->rows);
        more_ = reply->more;
        size_ = reply->size;
        affected_ = reply->affected;
        setSelect(reply->select);
        setActive(true);
        return true;
    }

    bool fetchMore() {
        auto reply = std::make_shared<ExecReply>();
        reply->record = record_;
        const quint64 id = id_;
        if (!driver_->run([reply, id](ServerWorker& worker) { readRows(worker.query(id), *reply); })) {
            setLastError(driver_->silenceError());
            more_ = false;
            return false;
        }
        // Rows behind a query that only goes forward are not read again.
        if (isForwardOnly()) {
            offset_ += rows_.size();
            rows_ = std::move(reply->rows);
        } else {
            rows_ += reply->rows;
        }
        more_ = reply->more;
        return true;
    }

    ServerDriver* driver_;
    quint64 id_;
    QString prepared_;
    bool needsPreparing_ = false;
    QSqlRecord record_;
    QList<QList<QVariant>> rows_;
    qint64 offset_ = 0;
    bool more_ = false;
    int size_ = -1;
    int affected_ = -1;
};

// One call between the window's thread and the connection's: done once the job has run. The window's thread waits
// for that on the semaphore first, then, when it takes longer, in an event loop that looks for it now and then.
struct Call {
    QSemaphore finished;
    QAtomicInteger<int> done = 0;
};

} // namespace

void ServerDriver::Register() {
    qRegisterMetaType<QSqlDriver::NotificationSource>();
    qRegisterMetaType<ServerJob>();
    if (!QSqlDatabase::isDriverAvailable(Name)) {
        // Qt keeps the maker and deletes it at the program's end; the analyser cannot see that.
        // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
        QSqlDatabase::registerSqlDriver(Name, new QSqlDriverCreator<ServerDriver>);
    }
} // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)

void ServerDriver::SetDefaultBound(int milliseconds) {
    defaultBound() = milliseconds > 0 ? milliseconds : DefaultBoundMs;
}

void ServerDriver::setBound(int milliseconds) {
    boundMs_ = milliseconds > 0 ? milliseconds : defaultBound();
}

void ServerDriver::SetWaitIndicator(std::function<void(bool)> indicator) {
    waitIndicator() = std::move(indicator);
}

ServerDriver::ServerDriver(QObject* parent)
    : QSqlDriver(parent), socket_(std::make_shared<QAtomicInteger<qintptr>>(-1)), boundMs_(defaultBound()) {
    static QAtomicInteger<quint64> serial;
    auto lost = std::make_shared<QAtomicInteger<int>>(0);
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("Velloran server"));
    worker_ =
        new ServerWorker(QStringLiteral("velloran.server.inner.%1").arg(serial.fetchAndAddRelaxed(1)), lost, socket_);
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(this, &ServerDriver::jobPosted, worker_, &ServerWorker::run, Qt::QueuedConnection);
    connect(worker_, &ServerWorker::lost, this, &ServerDriver::connectionLost, Qt::QueuedConnection);
    thread_->start();
    lostFlag_ = std::move(lost);
}

ServerDriver::~ServerDriver() {
    // Qt destroys a driver while it holds the lock of its list of connections, which the connection's thread needs to
    // let go of its own: that was done when this connection was closed, and is left to the thread (not waited for)
    // otherwise.
    const bool closed = !isOpen();
    post([](ServerWorker& worker) {
        worker.closeAll();
        QThread::currentThread()->quit();
    });
    if (closed && thread_->wait(GraceMs)) {
        delete thread_;
        return;
    }
    // A thread still held by a server that never answered ends when it can, and goes with it.
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
}

bool ServerDriver::lost() const {
    return lostFlag_->loadAcquire() != 0;
}

bool ServerDriver::hasFeature(DriverFeature feature) const {
    switch (feature) {
    case Transactions:
    case QuerySize:
    case BLOB:
    case Unicode:
    case PreparedQueries:
    case PositionalPlaceholders:
    case LowPrecisionNumbers:
    case EventNotifications:
        return true;
    case LastInsertId:
    case NamedPlaceholders:
    case BatchOperations:
    case SimpleLocking:
    case FinishQuery:
    case MultipleResultSets:
    case CancelQuery:
        return false;
    }
    return false;
}

void ServerDriver::noteLost() {
    lostFlag_->storeRelease(1);
}

bool ServerDriver::run(const ServerJob& job) {
    if (lost() && cut_) {
        return false;
    }
    auto call = std::make_shared<Call>();
    ++depth_;
    post([job, call](ServerWorker& worker) {
        job(worker);
        worker.lookAtConnection();
        call->done.storeRelease(1);
        call->finished.release();
    });
    bool answered = call->finished.tryAcquire(1, QuietWaitMs);
    if (!answered) {
        // A slow call: windows repaint meanwhile, the user's input waits, and the busy pointer shows in a moment.
        QEventLoop loop;
        QTimer answer;
        connect(&answer, &QTimer::timeout, &loop, [&call, &loop] {
            if (call->done.loadAcquire() != 0) {
                loop.quit();
            }
        });
        answer.start(AnswerLookMs);
        bool pointerShown = false;
        QTimer pointer;
        pointer.setSingleShot(true);
        connect(&pointer, &QTimer::timeout, &loop, [&pointerShown] {
            if (const auto& indicator = waitIndicator()) {
                indicator(true);
                pointerShown = true;
            }
        });
        pointer.start(BusyPointerMs - QuietWaitMs);
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &loop, [this, &deadline, &loop] {
            if (cut_) {
                loop.quit(); // the grace after the cut is over: given up
                return;
            }
            // No answer within the bound: the socket is shut, which ends libpq's wait with a lost connection.
            qCInfo(VelloranDataLog, "the server did not answer within %d ms: the connection is cut", boundMs_);
            cut_ = true;
            noteLost();
            if (const qintptr socket = socket_->loadAcquire(); socket >= 0) {
                shutSocket(socket);
            }
            deadline.start(GraceMs);
        });
        deadline.start(qMax(1, boundMs_ - QuietWaitMs));
        if (call->done.loadAcquire() == 0) {
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (pointerShown) {
            waitIndicator()(false);
        }
        answered = call->finished.tryAcquire(1, 0);
    }
    --depth_;
    return answered && !(cut_ && lost());
}

void ServerDriver::lookAtConnection() {
    if (isOpen()) {
        post([](ServerWorker& worker) { worker.lookAtConnection(); });
    }
}

QSqlError ServerDriver::silenceError() const {
    return QSqlError(QString(),
                     tr("the server did not answer within %1 seconds").arg(QString::number((boundMs_ + 999) / 1000)),
                     QSqlError::ConnectionError, QStringLiteral("08006"));
}

bool ServerDriver::open(const QString& database, const QString& user, const QString& password, const QString& host,
                        int port, const QString& options) {
    auto reply = std::make_shared<DriverReply>();
    QSqlDriver* outer = this;
    cut_ = false;
    lostFlag_->storeRelease(0);
    const bool answered = run([reply, outer, database, user, password, host, port, options](ServerWorker& worker) {
        QSqlDatabase db = QSqlDatabase::addDatabase(InnerDriver, worker.name());
        worker.added();
        db.setDatabaseName(database);
        db.setUserName(user);
        db.setPassword(password);
        db.setHostName(host);
        db.setPort(port);
        db.setConnectOptions(options);
        reply->ok = db.open();
        if (!reply->ok) {
            reply->error = db.lastError();
            db = QSqlDatabase();
            worker.closeAll();
            return;
        }
        worker.opened(outer);
    });
    if (!answered || !reply->ok) {
        setLastError(answered ? reply->error : silenceError());
        setOpenError(true);
        return false;
    }
    setOpen(true);
    setOpenError(false);
    return true;
}

void ServerDriver::close() {
    if (!isOpen()) {
        return;
    }
    run([](ServerWorker& worker) { worker.closeAll(); });
    subscribed_.clear();
    setOpen(false);
    setOpenError(false);
}

QSqlResult* ServerDriver::createResult() const {
    return new ServerResult(this);
}

bool ServerDriver::innerCall(const std::function<bool(QSqlDatabase&)>& call) {
    auto reply = std::make_shared<DriverReply>();
    if (!run([reply, call](ServerWorker& worker) {
            QSqlDatabase db = worker.db();
            reply->ok = call(db);
            reply->error = db.lastError();
        })) {
        setLastError(silenceError());
        return false;
    }
    if (!reply->ok) {
        setLastError(reply->error);
    }
    return reply->ok;
}

bool ServerDriver::beginTransaction() {
    return innerCall([](QSqlDatabase& db) { return db.transaction(); });
}

bool ServerDriver::commitTransaction() {
    return innerCall([](QSqlDatabase& db) { return db.commit(); });
}

bool ServerDriver::rollbackTransaction() {
    return innerCall([](QSqlDatabase& db) { return db.rollback(); });
}

bool ServerDriver::subscribeToNotification(const QString& name) {
    const bool ok = innerCall([name](QSqlDatabase& db) { return db.driver()->subscribeToNotification(name); });
    if (ok) {
        subscribed_ << name;
        post([](ServerWorker& worker) { worker.listenedTo(); });
    }
    return ok;
}

bool ServerDriver::unsubscribeFromNotification(const QString& name) {
    const bool ok = innerCall([name](QSqlDatabase& db) { return db.driver()->unsubscribeFromNotification(name); });
    subscribed_.removeAll(name);
    return ok;
}

QStringList ServerDriver::subscribedToNotifications() const {
    return subscribed_;
}

QString ServerDriver::escapeIdentifier(const QString& identifier, IdentifierType) const {
    if (identifier.startsWith(QLatin1Char('"')) && identifier.endsWith(QLatin1Char('"'))) {
        return identifier;
    }
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}
