#pragma once

#include "data/DataCatalog.h"

// The two data files as a test below the tools makes them (a Details table, the diary's four sections), described
// to the data room as the tools describe theirs, for the backups and copies it makes of them.
inline void DescribeTestDataFiles() {
    DataCatalog::Describe({QStringLiteral("Dowsing.dll"), {}, {{QStringLiteral("details"), {}, {}}}, {}});
    DataCatalog::File diary{QStringLiteral("diary.dll"), {}, {}, {}};
    for (const QString& table : {QStringLiteral("tblspell"), QStringLiteral("tblincense"), QStringLiteral("tblrecipes"),
                                 QStringLiteral("tblrituals")}) {
        diary.tables.append({table, {}, {}});
    }
    DataCatalog::Describe(diary);
}
