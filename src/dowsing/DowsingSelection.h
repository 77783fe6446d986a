#pragma once

#include <QString>
#include <QtGlobal>

// The record the user last opened from the all-records grid, handed to the
// record sheet and the wizard. Numbers are 64-bit: a table may hold more
// records than a 16-bit number can count.
struct DowsingSelection {
    qint64 SelectedRowIndex = 0;
    qint64 SelectedRecordId = 0;
    QString SelectedDateText;
    QString SelectedTimeText;
};

// The one selection of the program; each value keeps its last setting for the run.
DowsingSelection& CurrentDowsingSelection();
