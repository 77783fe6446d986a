#pragma once

#include <QString>

class QPlainTextEdit;

// Multi-line boxes hold paragraphs; the program's stored texts end their lines in carriage return and line feed,
// as every text it builds does. These two convert at the box's edge: typed text is stored as typed (no-break
// spaces and line separators included), and a stored text shown and saved again without a change is stored
// exactly as it was.
QString StoredText(const QPlainTextEdit* box);
void ShowStoredText(QPlainTextEdit* box, QString text);
