#include "diary/PaganDiaryTool.h"

#include "core/Application.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryMain.h"
#include "ui/Windows.h"

QString DiaryFilePath() {
    return ApplicationFile(QString::fromLatin1(DiaryFileName));
}

bool ShowPaganDiaryTool() {
    return Windows::Show<frmPaganDiaryMain>() != nullptr;
}
