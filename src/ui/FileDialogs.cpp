#include "ui/FileDialogs.h"

#include "core/Services.h"
#include "ui/MessageBox.h"
#include "ui/Remembered.h"
#include "ui/Windows.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
QString withDefaultSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QLatin1Char('.') + suffix;
}

QString chooseSaveFile(const SaveFileRequest& request, QWidget* parent) {
    const Windows::NestedLoop dialogOpen;
    if (CurrentServices().saveFileChooser) {
        return withDefaultSuffix(CurrentServices().saveFileChooser(request), request.defaultSuffix);
    }
    QFileDialog dialog(parent, request.title, request.startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // Qt's own dialog gives a typed name its default suffix before it asks about overwriting; a native one may
    // ask about "visit" and then let "visit.txt" be replaced silently.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return withDefaultSuffix(dialog.selectedFiles().constFirst(), request.defaultSuffix);
}
} // namespace

QString QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters.append(parts[i].trimmed() + QStringLiteral(" (") +
                       parts[i + 1].simplified().replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

void SetSaveFileChooser(SaveFileChooser chooser) {
    CurrentServices().saveFileChooser = std::move(chooser);
}

QString ChooseSaveFile(const SaveFileRequest& asked, QWidget* parent) {
    SaveFileRequest request = asked;
    if (request.inLastFolder) {
        request.startFolder = Remembered::LastFolder();
    }
    QString path = chooseSaveFile(request, parent);
    if (request.inLastFolder && !path.isEmpty()) {
        Remembered::SetLastFolder(QFileInfo(path).absolutePath());
    }
    return path;
}

void SetPrinterChooser(PrinterChooser chooser) {
    CurrentServices().printerChooser = std::move(chooser);
}

bool ChoosePrinter(QPrinter& printer, const PrintRequest& request, QWidget* parent) {
    const Windows::NestedLoop dialogOpen;
    printer.setPrintRange(request.selectionAvailable ? QPrinter::Selection : QPrinter::AllPages);
    if (CurrentServices().printerChooser) {
        return CurrentServices().printerChooser(printer, request);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, request.selectionAvailable);
    // Qt's own dialog keeps offering its page-number choices ("Pages from ... to", "Pages") whatever the option
    // says; the sheet is printed whole or as its selection only.
    if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"))) {
        for (const char* pageChoice : {"printRange", "from", "label_3", "to", "pagesRadioButton", "pagesLineEdit"}) {
            if (auto* choice = range->findChild<QWidget*>(QLatin1String(pageChoice))) {
                choice->hide();
            }
        }
    }
    return dialog.exec() == QDialog::Accepted;
}

void SetFolderChooser(FolderChooser chooser) {
    CurrentServices().folderChooser = std::move(chooser);
}

QString ChooseFolder(const QString& title, QWidget* parent) {
    const Windows::NestedLoop dialogOpen;
    if (CurrentServices().folderChooser) {
        return CurrentServices().folderChooser(title);
    }
    return QFileDialog::getExistingDirectory(parent, title, Remembered::LastFolder(),
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

void SetOpenFileChooser(OpenFileChooser chooser) {
    CurrentServices().openFileChooser = std::move(chooser);
}

QString ChooseOpenFile(const QString& title, const QString& start, QWidget* parent) {
    const Windows::NestedLoop dialogOpen;
    if (CurrentServices().openFileChooser) {
        return CurrentServices().openFileChooser(title);
    }
    return QFileDialog::getOpenFileName(parent, title, start, {}, nullptr, QFileDialog::DontUseNativeDialog);
}

void SetPrintPreviewer(PrintPreviewer shown) {
    CurrentServices().printPreviewer = std::move(shown);
}

void ShowPrintPreview(const PagePainter& paint, QWidget* parent) {
    const Windows::NestedLoop previewOpen;
    bool said = false;
    const PagePainter sayingPaint = [&](QPrinter* printer) {
        QString why = paint(printer);
        if (!why.isEmpty() && !said) {
            said = true;
            MsgBox(why, MsgButtons::Ok, MsgIcon::Critical, parent);
        }
        return why;
    };
    if (CurrentServices().printPreviewer) {
        CurrentServices().printPreviewer(sayingPaint);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&sayingPaint](QPrinter* p) { sayingPaint(p); });
    dialog.exec();
}
