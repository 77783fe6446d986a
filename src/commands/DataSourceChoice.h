#pragma once

#include "core/SharedDatabase.h"

#include <QString>
#include <optional>

class QMenu;
class QWidget;

// Where the records and the diary live for this run, and the commands that change it.
namespace DataSourceChoice {

// At start-up: `--database` (an address, or "files"), else VELLORAN_DATABASE, else the user's saved choice. A shared
// database's password comes from the address, the secret store or the user; its tables are made or brought up to date
// after asking. The choice is in force (Services::sharedDatabase) when this returns.
void ChooseAtStart(const QString& commandLine);

// The password kept for a database in the desktop's secret store; nothing when none is kept or no store answers.
std::optional<QString> ReadPassword(const SharedDatabase& database);
// False when no secret store took it: the program then asks at each start.
bool KeepPassword(const SharedDatabase& database);

// Connects to the shared database in force and makes its tables, after asking, when it is empty (or brings older
// ones up to date); says what stands in the way, with Retry while trying again may help. True when it can be used.
bool PrepareSharedDatabase(QWidget* parent);

// Puts a choice in force for the rest of the run: every window that shows data is closed first, so that none goes on
// showing the other place's.
void UseFromNowOn(const std::optional<SharedDatabase>& database);

// "Data Source…" and "Copy Local Files to the Shared Database…", added to a Tools menu.
void AddMenuItems(QMenu* menu, QWidget* parent);

QString Caption();
QString CopyCaption();

} // namespace DataSourceChoice
