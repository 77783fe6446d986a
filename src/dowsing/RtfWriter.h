#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a text document as Rich Text Format of our own making: the text, paragraph by paragraph, with its
// bold runs and nothing else. Every character a user typed is written as text, never as an RTF command:
// backslashes and braces are escaped, control characters dropped, and everything beyond ASCII is written as a
// Unicode escape, so the file reads the same in every program and on every code page.
QByteArray DocumentToRtf(const QTextDocument& document, const QString& fontFamily, qreal pointSize);
