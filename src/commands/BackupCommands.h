#pragma once

#include <QString>

class QWidget;

// Tools > Back Up Data… and Tools > Restore…, shared by every tool that keeps data.
namespace BackupCommands {

void BackUpData(QWidget* parent);
void Restore(QWidget* parent);
// At start-up, before any tool opens a file: a restore that was cut off is finished or undone, and the user told which.
void FinishInterruptedRestore();

QString BackUpCaption();
QString RestoreCaption();
QString BackUpTitle();
QString RestoreTitle();

QString BackupMade(const QString& folder);
QString BackupFailed(const QString& reason);
QString ConfirmRestore(const QString& folder);
QString Restored(const QString& folder, const QString& aside);
QString RestoreRefused(const QString& reason);
QString RestoreNotDone(const QString& reason);
QString RestoreFailed(const QString& reason, const QString& aside, bool undone);
QString RestoreCutOff(const QString& folder, const QString& aside, const QString& reason, bool finished, bool undone);

} // namespace BackupCommands
