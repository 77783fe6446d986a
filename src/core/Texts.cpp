#include "core/Texts.h"

#include <QCoreApplication>

namespace Texts {

QString WithoutOuterBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return first == last ? QStringLiteral("") : text.mid(first, last - first);
}
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
