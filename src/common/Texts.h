#pragma once

#include <QString>

// Texts shown by more than one window; each window's own texts live with the window.
namespace Texts {
// The doubled ampersand of the old caption is what a user saw as one "&".
inline const QString Cobrand = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link "
    "here. See \"Help\" for details.    Click Here for more info on co-branding.");
inline const QString FullBrand = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.");
inline const QString VersionCaption = QStringLiteral("Velloran v1.30");
} // namespace Texts
