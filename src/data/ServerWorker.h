#pragma once

#include "data/ServerConnection.h"

#include <QAtomicInteger>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <map>
#include <memory>

// The part of a ServerDriver that lives on the connection's thread and owns everything there: Qt's own connection
// and the queries on it. Only the driver uses it.
class ServerWorker : public QObject {
    Q_OBJECT
  public:
    ServerWorker(QString name, std::shared_ptr<QAtomicInteger<int>> lost,
                 std::shared_ptr<QAtomicInteger<qintptr>> socket);

    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
    const QString& name() const { return name_; }
    // The query of Qt's driver behind a result of the driver's, made at its first use.
    QSqlQuery& query(quint64 id);
    void forget(quint64 id) { queries_.erase(id); }

    void run(const ServerJob& job) { job(*this); }

    // Looks at libpq's connection (after each call, and when its socket stirs): a connection found broken stays lost.
    void lookAtConnection();
    // Qt's connection was added to its list (and must be taken out again).
    void added() { added_ = true; }
    // Qt's connection is open: its socket is kept for cutting, and another session's change is heard on the
    // window's thread, through `outer`.
    void opened(QSqlDriver* outer);
    // Qt's driver listens to the server: what stirs its socket is looked at too.
    void listenedTo();
    void closeAll();

  signals:
    // libpq found the connection broken.
    void lost();

  private:
    QString name_;
    std::shared_ptr<QAtomicInteger<int>> lost_;
    std::shared_ptr<QAtomicInteger<qintptr>> socket_;
    std::map<quint64, std::unique_ptr<QSqlQuery>> queries_;
    QSqlDriver* outer_ = nullptr;
    bool added_ = false;
};
