#pragma once

#include <QString>
#include <QUrl>

// The keys of the maker's web pages.
namespace PageKey {
inline const QString HomePage = QStringLiteral("home-page");
inline const QString Help = QStringLiteral("help-web-page");
inline const QString Download = QStringLiteral("download-web-page");
inline const QString Donate = QStringLiteral("donate");
inline const QString Cobrand = QStringLiteral("co-brand");
inline const QString FullyBranded = QStringLiteral("fully-branded");
} // namespace PageKey

// The maker's site address, one build setting (scheme and host, no trailing slash).
QString SiteAddress();
// The site as the forum labels show it to a reader: the host, e.g. "www.velloran.example".
QString MakerWebAddress();
QUrl WebPageAddress(const QString& key);
// Opens the page in the user's browser; a page that cannot be opened is not reported.
void OpenWebPage(const QString& key);
