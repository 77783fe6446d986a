#pragma once

#include <QString>
#include <QTextOption>

class QPlainTextEdit;
class QTextEdit;

// Multi-line boxes hold paragraphs; the program's stored texts end their lines in carriage return and line feed,
// as every text it builds does. These two convert at the box's edge: typed text is stored as typed (no-break
// spaces and line separators included), and a stored text shown and saved again without a change is stored
// exactly as it was.
QString StoredText(const QPlainTextEdit* box);
void ShowStoredText(QPlainTextEdit* box, QString text);

// Word wrap looks ahead to the end of a run for a place to break, so a long run without a blank or line break
// takes time in the square of its length to lay out: a megabyte of it froze a window for minutes. Text with
// such a run wraps anywhere, in linear time; any other text keeps wrapping between words.
QTextOption::WrapMode WrapModeFor(const QString& text);
void FitWrapToText(QTextEdit* box, const QString& text);
// Fits the box's wrapping to its text now and whenever the text changes, typed or pasted.
void KeepWrapFitted(QPlainTextEdit* box);
