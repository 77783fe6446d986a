#include "calendar/PaganCalendarTool.h"

#include "calendar/frmPaganMain.h"
#include "ui/Windows.h"

bool ShowPaganCalendarTool() {
    // A browser left hidden behind the month view comes back as it was; otherwise it loads afresh.
    const frmPaganMain* browser = Windows::Show<frmPaganMain>();
    return browser && browser->isVisible();
}
