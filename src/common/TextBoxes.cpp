#include "common/TextBoxes.h"

#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
// Far longer than any word, far shorter than a run whose layout the user would notice.
constexpr qsizetype kLongestWrappedRun = 1000;

void fitWrap(QPlainTextEdit* box, const QString& text) {
    const QTextOption::WrapMode mode = WrapModeFor(text);
    if (box->wordWrapMode() != mode) {
        box->setWordWrapMode(mode);
    }
}
} // namespace

QTextOption::WrapMode WrapModeFor(const QString& text) {
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWrappedRun) {
            return QTextOption::WrapAnywhere;
        }
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

void FitWrapToText(QTextEdit* box, const QString& text) {
    const QTextOption::WrapMode mode = WrapModeFor(text);
    if (box->wordWrapMode() != mode) {
        box->setWordWrapMode(mode);
    }
}

void KeepWrapFitted(QPlainTextEdit* box) {
    fitWrap(box, box->toPlainText());
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box] { fitWrap(box, box->toPlainText()); });
}

QString StoredText(const QPlainTextEdit* box) {
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void ShowStoredText(QPlainTextEdit* box, QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Before the text goes in, so that it is laid out once, in the right mode.
    fitWrap(box, text);
    box->setPlainText(text);
}
