#include "ui/Manual.h"

#include "core/Language.h"
#include "ui/MessageBox.h"
#include "ui/Windows.h"
#include "ui/frmManual.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef VELLORAN_MANUAL_FROM_BIN
#define VELLORAN_MANUAL_FROM_BIN "../share/velloran/manual"
#endif

namespace Manual {

namespace {
const QString kContents = QStringLiteral("index.html");

// The manual as installed and as built: beside the program.
QString besideProgram() {
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VELLORAN_MANUAL_FROM_BIN)));
}

bool holdsManual(const QString& folder) {
    return !folder.isEmpty() && QFileInfo::exists(QDir(folder).filePath(kContents));
}
} // namespace

QString Folder() {
    // Beside the program; then wherever the system keeps programs' data.
    QString beside = besideProgram();
    if (holdsManual(beside)) {
        return beside;
    }
    const QString installed = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("velloran/manual"), QStandardPaths::LocateDirectory);
    return holdsManual(installed) ? installed : QString();
}

QString PageFile(const QString& page) {
    const QDir folder(Folder());
    const QString spoken = Language::Spoken();
    if (!spoken.isEmpty()) {
        QString translated = folder.filePath(spoken + QLatin1Char('/') + page);
        if (QFileInfo::exists(translated)) {
            return translated;
        }
    }
    return folder.filePath(page);
}

QString Contents() {
    return kContents;
}

void Show(const QString& page, QWidget* over) {
    if (Folder().isEmpty()) {
        MsgBox(QCoreApplication::translate("Manual", "The manual cannot be shown: its pages are not installed with "
                                                     "the program (%1).")
                   .arg(QDir::toNativeSeparators(besideProgram())),
               MsgButtons::Ok, MsgIcon::Critical, over);
        return;
    }
    frmManual* manual = Windows::Load<frmManual>();
    if (!manual) {
        return;
    }
    manual->ShowPage(page);
    // Over a modal dialog the manual is modal too: otherwise it could not be scrolled until the dialog had gone.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != manual ? Qt::ApplicationModal : Qt::NonModal;
    if (manual->windowModality() != wanted) {
        manual->hide();
        manual->setWindowModality(wanted);
    }
    Windows::Show<frmManual>();
}

QAction* MakeCommand(QWidget* window, std::function<QString()> page) {
    auto* command = new QAction(QCoreApplication::translate("Manual", "Velloran &Manual"), window);
    command->setObjectName(QStringLiteral("mnuManual"));
    command->setShortcut(QKeySequence(Qt::Key_F1));
    command->setShortcutContext(Qt::WindowShortcut);
    window->addAction(command);
    QObject::connect(command, &QAction::triggered, window, [window, page = std::move(page)] { Show(page(), window); });
    return command;
}

} // namespace Manual
