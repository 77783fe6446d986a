#include "ui/WebPages.h"

#include <QDesktopServices>
#include <QUrlQuery>

QString SiteAddress() {
    QString address = QStringLiteral(VELLORAN_SITE_URL);
    while (address.endsWith(QLatin1Char('/'))) {
        address.chop(1);
    }
    return address;
}

QString MakerWebAddress() {
    const QUrl url(SiteAddress());
    return url.host().isEmpty() ? SiteAddress() : url.host();
}

QUrl WebPageAddress(const QString& key) {
    QUrl url(SiteAddress() + QStringLiteral("/velloran/ssd.php"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("page"), key);
    url.setQuery(query);
    return url;
}

void OpenWebPage(const QString& key) {
    QDesktopServices::openUrl(WebPageAddress(key));
}
