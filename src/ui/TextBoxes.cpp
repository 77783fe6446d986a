#include "ui/TextBoxes.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

namespace {
// What the box was last given, and the document text it made of it, until the user changes anything.
const char* const kStoredProperty = "velloranStoredText";
const char* const kShownProperty = "velloranShownText";
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
    // The document's own characters: toPlainText() would turn a no-break space into a blank and a line
    // separator (Shift+Return) into a line break, changing what the user typed.
    const QString raw = box->document()->toRawText();
    const QVariant stored = box->property(kStoredProperty);
    if (stored.isValid() && raw == box->property(kShownProperty).toString()) {
        // Shown and untouched: the text goes back exactly as it came, whatever line breaks it had.
        return stored.toString();
    }
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator) {
            text += QStringLiteral("\r\n");
        } else {
            text += c;
        }
    }
    return text;
}

void ShowStoredText(QPlainTextEdit* box, QString text) {
    const QString stored = text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Before the text goes in, so that it is laid out once, in the right mode.
    fitWrap(box, text);
    box->setPlainText(text);
    box->setProperty(kStoredProperty, stored);
    box->setProperty(kShownProperty, box->document()->toRawText());
    // Any change by the user or the program ends the promise to give the text back unchanged.
    QObject::connect(
        box->document(), &QTextDocument::contentsChanged, box,
        [box] {
            box->setProperty(kStoredProperty, QVariant());
            box->setProperty(kShownProperty, QVariant());
        },
        Qt::SingleShotConnection);
}
