#include "core/Texts.h"

#include <QCoreApplication>

namespace Texts {
QString Cobrand() {
    return QCoreApplication::translate(
        "Texts", "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's "
                 "name &  link here. See \"Help\" for details.    Click Here for more info on co-branding.");
}

QString FullBrand() {
    return QCoreApplication::translate("Texts", "Home Business Opportunity. Start your own Internet business and make "
                                                "money online. Get this software fully branded for your website. "
                                                "Click here for more details.");
}

QString VersionCaption() {
    return QStringLiteral("Velloran v1.30");
}
} // namespace Texts
