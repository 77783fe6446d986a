#pragma once

#include <QString>

// The diary file in the application folder, its path formed at the moment of use.
inline constexpr const char* DiaryFileName = "diary.dll";
QString DiaryFilePath();
