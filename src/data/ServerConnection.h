#pragma once

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringList>
#include <functional>
#include <memory>

class QThread;
class ServerWorker;

// A piece of work for the connection's thread.
using ServerJob = std::function<void(ServerWorker&)>;
Q_DECLARE_METATYPE(ServerJob)

// A connection to the shared PostgreSQL database whose every call runs on a thread of its own while the window's
// thread waits for it, within a bound. Qt's own PostgreSQL driver waits inside libpq for as long as a server or a
// network stays silent (a frozen server, a Wi-Fi link gone quiet without closing): the server's statement timeout
// cannot help when the server is the one that stopped, and TCP's timeouts do not see a peer whose system still
// acknowledges. Here a call not answered within the bound has its socket shut, and fails as a lost connection.
//
// While a call waits, the window's thread first just waits (most calls take milliseconds, and nothing else may
// happen meanwhile); a call that takes longer lets windows repaint, with the user's input held until it returns, and
// after half a second shows the busy pointer through the indicator the program sets.
//
// Registered as the Qt SQL driver "VELLORAN_PSQL": a QSqlDatabase of that driver is used as any other, and every
// QSqlQuery on it works as over Qt's own PostgreSQL driver, which does the work on the other thread.
class ServerDriver : public QSqlDriver {
    Q_OBJECT
  public:
    static const QString Name;
    // How long a call may take before the connection is given up: a little more than the server's own statement
    // timeout, so that a slow statement is said by the server and only a silent one is cut here.
    static constexpr int DefaultBoundMs = 10000;
    // How long a call just waits before windows may repaint, and before the busy pointer shows.
    static constexpr int QuietWaitMs = 100;
    static constexpr int BusyPointerMs = 500;
    // How often a slow call's waiting looks whether the answer has come.
    static constexpr int AnswerLookMs = 5;
    // After the socket is shut, how long the other thread has to come back; never reached in practice.
    static constexpr int GraceMs = 2000;

    static void Register();
    // The bound of the connections made from now on; 0 for DefaultBoundMs. Tests shorten it.
    static void SetDefaultBound(int milliseconds);
    // Shows or takes away the busy pointer; nothing until the program sets it (the data layer draws nothing).
    static void SetWaitIndicator(std::function<void(bool waiting)> indicator);

    explicit ServerDriver(QObject* parent = nullptr);
    ~ServerDriver() override;

    bool hasFeature(DriverFeature feature) const override;
    bool open(const QString& database, const QString& user, const QString& password, const QString& host, int port,
              const QString& options) override;
    void close() override;
    QSqlResult* createResult() const override;
    bool beginTransaction() override;
    bool commitTransaction() override;
    bool rollbackTransaction() override;
    bool subscribeToNotification(const QString& name) override;
    bool unsubscribeFromNotification(const QString& name) override;
    QStringList subscribedToNotifications() const override;
    QString escapeIdentifier(const QString& identifier, IdentifierType type) const override;

    // True once the connection is known to be lost: a call failed on it, a call was cut, or the server closed it.
    bool lost() const;
    // True while a call waits for the server: nothing may close the connection under it.
    bool busy() const { return depth_ > 0; }
    // The bound of the calls from now on; 0 for the default. A copy of a whole database takes one longer.
    void setBound(int milliseconds);
    int bound() const { return boundMs_; }

    // Runs `job` on the connection's thread and waits for it within the bound; false when it was cut or given up,
    // with `lastError()` saying so. For the driver's result objects.
    bool run(const ServerJob& job);
    // Has the connection's thread look at libpq's connection, without waiting: says connectionLost() when it is.
    void lookAtConnection();
    // Runs `job` on the connection's thread without waiting: a query's clean-up.
    void post(const ServerJob& job) { emit jobPosted(job); }
    // What a call that was cut or given up says.
    QSqlError silenceError() const;

  signals:
    // The server closed the connection, or a call found it gone.
    void connectionLost();
    // Hands a job to the connection's thread.
    void jobPosted(const ServerJob& job);

  private:
    void noteLost();
    // Runs one call of Qt's own connection on the connection's thread; its error, or the cut's, kept as this driver's.
    bool innerCall(const std::function<bool(QSqlDatabase&)>& call);

    QThread* thread_ = nullptr;
    ServerWorker* worker_ = nullptr;
    // Set by the connection's thread when libpq finds the connection broken, and here when a call is cut.
    std::shared_ptr<QAtomicInteger<int>> lostFlag_;
    // The socket of the connection, for shutting it when a call is not answered within the bound.
    std::shared_ptr<QAtomicInteger<qintptr>> socket_;
    int boundMs_;
    int depth_ = 0;
    bool cut_ = false;
    QStringList subscribed_;
};
