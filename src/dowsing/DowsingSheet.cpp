#include "dowsing/DowsingSheet.h"

#include <QCoreApplication>
#include <array>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

// The sheet's labels, in column order.
constexpr std::array<const char*, 13> kLabels{
    QT_TRANSLATE_NOOP("DowsingSheet", "Date :- "),         QT_TRANSLATE_NOOP("DowsingSheet", "Name :- "),
    QT_TRANSLATE_NOOP("DowsingSheet", "Address :- "),      QT_TRANSLATE_NOOP("DowsingSheet", "City :- "),
    QT_TRANSLATE_NOOP("DowsingSheet", "State :- "),        QT_TRANSLATE_NOOP("DowsingSheet", "Pin :- "),
    QT_TRANSLATE_NOOP("DowsingSheet", "Phone Number :- "), QT_TRANSLATE_NOOP("DowsingSheet", "Email :- "),
    QT_TRANSLATE_NOOP("DowsingSheet", "Dowsing Time :- "), QT_TRANSLATE_NOOP("DowsingSheet", "Dowsing Tool :- "),
    QT_TRANSLATE_NOOP("DowsingSheet", "Dowsing Item :- "), QT_TRANSLATE_NOOP("DowsingSheet", "Location :- "),
    QT_TRANSLATE_NOOP("DowsingSheet", "Notes :- ")};
// The item's label lost its "g" when it has a value; records printed over the years carry that spelling.
constexpr int kItemColumn = 10;
const char* const kFilledItemLabel = QT_TRANSLATE_NOOP("DowsingSheet", "Dowsin Item :- ");
} // namespace

QString DowsingDateText(const QDate& date) {
    if (!date.isValid()) {
        return QString();
    }
    return QStringLiteral("%1/%2/%3")
        .arg(QString::number(date.month()), QString::number(date.day()), QString::number(date.year()));
}

QString DowsingColumnText(const DowsingRecord& r, int column) {
    switch (column) {
    case 0:
        return DowsingDateText(r.Date);
    case 1:
        return r.Name;
    case 2:
        return r.Address;
    case 3:
        return r.City;
    case 4:
        return r.State;
    case 5:
        return r.Pin;
    case 6:
        return r.Phone_No;
    case 7:
        return r.Email;
    case 8:
        return r.Time_Dowsing_Occured;
    case 9:
        return r.Dowsing_Tool;
    case 10:
        return r.Item_Dowsing_For;
    case 11:
        return r.Location_Dowsing_Occured;
    case 12:
        return r.Notes;
    case 13:
        return QString::number(r.IdNumber);
    default:
        return QString();
    }
}

QList<DowsingSheetParagraph> DowsingSheetParagraphs(const DowsingRecord& record) {
    const QString notEntered = QCoreApplication::translate("DowsingSheet", "This data has not been entered");
    QList<DowsingSheetParagraph> paragraphs;
    for (int column = 0; column < static_cast<int>(kLabels.size()); ++column) {
        const QString value = DowsingColumnText(record, column);
        if (value.isEmpty()) {
            paragraphs.append({QCoreApplication::translate("DowsingSheet", kLabels[column]), notEntered});
        } else {
            const char* label = column == kItemColumn ? kFilledItemLabel : kLabels[column];
            paragraphs.append({QCoreApplication::translate("DowsingSheet", label), value});
        }
    }
    return paragraphs;
}

QString DowsingSheetText(const DowsingRecord& record) {
    QString text;
    for (const DowsingSheetParagraph& paragraph : DowsingSheetParagraphs(record)) {
        text += paragraph.label + paragraph.text + kLineBreak + kLineBreak;
    }
    return text;
}
