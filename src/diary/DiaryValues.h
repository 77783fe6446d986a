#pragma once

#include <QString>

// The section the user chose last in the chooser, read by the keyword book. Both keep their last values for
// the whole run, across unloads of either window.
inline qint16 CurrentSectionIndex = 0;
inline QString CurrentSectionWord;

// The diary file in the application folder, its path formed at the moment of use.
inline constexpr const char* DiaryFileName = "diary.dll";
QString DiaryFilePath();
