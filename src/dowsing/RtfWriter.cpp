#include "dowsing/RtfWriter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

namespace {
void appendText(QByteArray& out, const QString& text) {
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator || c == u'\n' || c == QChar::ParagraphSeparator) {
            // A line break inside a paragraph is a paragraph mark in the file too; the sheet knows no other kind.
            out += "\\par\n";
        } else if (c == u'\r' || c < 0x20 || c == 0x7f) {
            // A CR is half of a CR LF pair whose LF makes the mark (alone it ends no line anywhere else either);
            // other control characters have no place in a sheet.
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            // \uN takes a signed 16-bit number; characters beyond the basic plane arrive here as their two
            // surrogate halves, which is how RTF readers expect them. "?" stands in for readers without Unicode,
            // written as a hex escape: some readers skip a whole word after \uN where they should skip one letter.
            out += "\\u" + QByteArray::number(static_cast<qint16>(c)) + "\\'3f";
        }
    }
}
} // namespace

QByteArray DocumentToRtf(const QTextDocument& document, const QString& fontFamily, qreal pointSize) {
    QString family = fontFamily;
    family.remove(QLatin1Char(';')); // it would end the font's entry in the table
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    appendText(out, family);
    out += ";}}\n\\viewkind4\\pard\\f0\\fs" + QByteArray::number(std::lround(pointSize * 2)) + ' ';
    bool bold = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            out += "\\par\n";
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            const bool fragmentBold = fragment.charFormat().fontWeight() >= QFont::Bold;
            if (fragmentBold != bold) {
                out += fragmentBold ? "\\b " : "\\b0 ";
                bold = fragmentBold;
            }
            appendText(out, fragment.text());
        }
    }
    // Blocks are joined by paragraph marks, so the file holds exactly the sheet's line breaks.
    out += "}\n";
    return out;
}
