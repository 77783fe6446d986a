#pragma once

#include "core/Services.h"
#include "core/SharedDatabase.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

// The throwaway PostgreSQL server that the test command starts (tests/support/test_server.sh), reached through a
// socket in its folder: the program's user "velloran" with a password, the superuser without.
namespace TestServer {

// False when no test server runs.
bool Available();
// True when one should run: under CI=true, or when PostgreSQL is installed. A test that then finds none fails
// instead of skipping (TEST_SERVER_OR_SKIP).
bool Expected();
// The port it listens on over loopback, and the authority that signed its certificate.
int Port();
QString CaFile();
// The same database reached over TCP on loopback, at `host` (127.0.0.1 unless given), encrypted as `tlsMode` asks.
SharedDatabase OverTcp(SharedDatabase database, const QString& tlsMode = QStringLiteral("disable"),
                       const QString& host = QStringLiteral("127.0.0.1"));
// The server process of the program's session on `database` (application name Velloran), or 0.
qint64 ProgramSessionPid(const QString& database);
// This test program's own database on the server with the program's tables and no rows, as the user velloran.
std::optional<SharedDatabase> Database();
// A database of its own with nothing in it, as a new installation has.
std::optional<SharedDatabase> EmptyDatabase(const QString& name);
// Runs statements on `database` as the superuser, another session than the program's; with `beforeCommit`, calls it
// after them and then commits the transaction they began.
bool AsSuperuser(const QString& database, const QStringList& statements,
                 const std::function<void()>& beforeCommit = {});
// Another session runs `statements` as the superuser in a transaction of its own and commits it `heldMs` later, in a
// thread; returned once the statements ran, so the rows they changed are locked until then.
std::thread CommitLater(const QString& database, const QStringList& statements, int heldMs);
// Stops the server and starts it again, as an administrator might under an open window.
bool Halt();
bool Resume();

} // namespace TestServer

// In a test's init(): without a test server, skips, or fails where one should run.
#define TEST_SERVER_OR_SKIP(why)                                                                                       \
    do {                                                                                                               \
        if (TestServer::Expected()) {                                                                                  \
            QFAIL("no test server runs, though one should: " why);                                                     \
        }                                                                                                              \
        QSKIP("no test server runs (PostgreSQL is not installed): " why);                                              \
    } while (false)

// The tests' proxy in front of the test server, which puts in a network's faults when told to
// (tests/support/fault_proxy.py): a connection cut, the answer to a COMMIT lost, a link gone silent.
class FaultProxy {
  public:
    FaultProxy();
    ~FaultProxy();
    bool running() const { return port_ > 0; }
    // The database reached through the proxy.
    SharedDatabase through(SharedDatabase database) const;
    bool cut() { return tell("cut"); }
    bool loseTheAnswerToTheNextCommit() { return tell("commit"); }
    bool silence() { return tell("silence"); }
    bool pass() { return tell("pass"); }

  private:
    bool tell(const char* command);
    QByteArray readLine();
    struct Process;
    std::unique_ptr<Process> process_;
    int port_ = 0;
};

// Runs a store's suite over both places data can live: a global data column "server" with the rows "file" and
// "server" (initTestCase_data), and in init() the services of the row in force, the shared database emptied first.
void AddPlaceRows();
// True when the row running is the server's; QSKIP-worthy false from BackEndOfRow when it has no server.
bool RowIsOnServer();
bool PutPlaceOfRowInForce(Services& services);
