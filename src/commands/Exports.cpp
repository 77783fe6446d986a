#include "commands/Exports.h"

#include "core/Application.h"
#include "data/WholeFile.h"
#include "ui/FileDialogs.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileDevice>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <algorithm>

namespace Exports {

QString NotDrawn() {
    return QCoreApplication::translate("Exports", "The pages could not be drawn.");
}

QByteArray CsvRecord(const QStringList& fields) {
    QByteArray record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            record += ',';
        }
        QString field = fields.at(i);
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        record += '"' + field.toUtf8() + '"';
    }
    return record + "\r\n";
}

struct PageSheets::Private {
    QPagedPaintDevice* device;
    QPainter painter;
    bool first = true;
};

PageSheets::PageSheets(QPagedPaintDevice* device) : d(new Private{device, {}}) {
    d->painter.begin(device);
}

PageSheets::~PageSheets() {
    if (d->painter.isActive()) {
        d->painter.end();
    }
    delete d;
}

bool PageSheets::isActive() const {
    return d->painter.isActive();
}

void PageSheets::draw(QTextDocument& document) {
    if (!d->painter.isActive()) {
        return;
    }
    // Sized in the device's own units, so that point sizes come out as points on paper.
    const QRectF page(0, 0, d->device->width(), d->device->height());
    document.documentLayout()->setPaintDevice(d->device);
    document.setPageSize(page.size());
    for (int n = 0; n < document.pageCount(); ++n) {
        if (!d->first) {
            d->device->newPage();
        }
        d->first = false;
        d->painter.save();
        d->painter.translate(0, -n * page.height());
        document.drawContents(&d->painter, page.translated(0, n * page.height()));
        d->painter.restore();
    }
}

QString WritePdf(const QString& path, const QString& title, const std::function<QString(QPagedPaintDevice&)>& drawOn) {
    return WriteFileInPieces(path, [&](QFileDevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Velloran"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        return drawOn(pdf);
    });
}

void ToChosenFile(QWidget* parent, const QString& filter, const QString& suffix,
                  const std::function<QString(const QString& path)>& write,
                  const std::function<QString(const QString& path)>& done,
                  const std::function<QString(const QString& path, const QString& why)>& failed) {
    SaveFileRequest request;
    request.title = ApplicationTitle();
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.inLastFolder = true;
    const QString path = ChooseSaveFile(request, parent);
    if (path.isEmpty()) {
        return;
    }
    QString why;
    {
        Look::WaitCursor wait;
        why = write(path);
    }
    if (why.isEmpty()) {
        MsgBox(done(path), MsgButtons::Ok, MsgIcon::Information, parent);
    } else {
        MsgBox(failed(path, why), MsgButtons::Ok, MsgIcon::Critical, parent);
    }
}

QString FoldForSearch(const QString& text) {
    // Most text is plain ASCII, where lower case is the whole of the folding; decomposing it would cost ten times
    // as much for nothing.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        return text.toLower();
    }
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing) {
            folded += c;
        }
    }
    return folded.toCaseFolded();
}

} // namespace Exports
