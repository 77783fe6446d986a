#include "diary/PaganDiaryTool.h"

#include "common/Application.h"
#include "common/Windows.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryMain.h"

QString DiaryFilePath() {
    return ApplicationFile(QString::fromLatin1(DiaryFileName));
}

bool ShowPaganDiaryTool() {
    return Windows::Show<frmPaganDiaryMain>() != nullptr;
}
