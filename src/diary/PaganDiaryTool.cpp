#include "diary/PaganDiaryTool.h"

#include "common/Application.h"
#include "common/Windows.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryMain.h"

QString DiaryFilePath() {
    return ApplicationFile(QStringLiteral("diary.dll"));
}

bool ShowPaganDiaryTool() {
    return Windows::Show<frmPaganDiaryMain>() != nullptr;
}
