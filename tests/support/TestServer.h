#pragma once

#include "common/Services.h"
#include "common/SharedDatabase.h"

#include <QString>
#include <functional>
#include <optional>
#include <thread>

// The throwaway PostgreSQL server that the test command starts (tests/support/test_server.sh), reached through a
// socket in its folder: the program's user "velloran" with a password, the superuser without.
namespace TestServer {

// False when no test server runs (PostgreSQL is not installed): the tests of the shared database skip.
bool Available();
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

// Runs a store's suite over both places data can live: a global data column "server" with the rows "file" and
// "server" (initTestCase_data), and in init() the services of the row in force, the shared database emptied first.
void AddPlaceRows();
// True when the row running is the server's; QSKIP-worthy false from BackEndOfRow when it has no server.
bool RowIsOnServer();
bool PutPlaceOfRowInForce(Services& services);
