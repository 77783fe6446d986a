#pragma once

#include <QString>

class QPlainTextEdit;

// Multi-line boxes hold lines ending in a line feed; the program's stored texts end their lines in carriage
// return and line feed, as every text it builds does. These two convert at the box's edge, so that what is
// stored round-trips unchanged through showing and saving.
QString StoredText(const QPlainTextEdit* box);
void ShowStoredText(QPlainTextEdit* box, QString text);
