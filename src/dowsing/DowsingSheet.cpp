#include "dowsing/DowsingSheet.h"

#include <array>

namespace {
const QString kNotEntered = QStringLiteral("This data has not been entered");
const QString kLineBreak = QStringLiteral("\r\n");

struct Labels {
    const char* empty;
    const char* filled;
};

// The item's label lost its "g" when it has a value; records printed over the years carry that spelling.
constexpr std::array<Labels, 13> kLabels{{
    {"Date :- ", "Date :- "},
    {"Name :- ", "Name :- "},
    {"Address :- ", "Address :- "},
    {"City :- ", "City :- "},
    {"State :- ", "State :- "},
    {"Pin :- ", "Pin :- "},
    {"Phone Number :- ", "Phone Number :- "},
    {"Email :- ", "Email :- "},
    {"Dowsing Time :- ", "Dowsing Time :- "},
    {"Dowsing Tool :- ", "Dowsing Tool :- "},
    {"Dowsing Item :- ", "Dowsin Item :- "},
    {"Location :- ", "Location :- "},
    {"Notes :- ", "Notes :- "},
}};
} // namespace

QString DowsingDateText(const QDate& date) {
    if (!date.isValid()) {
        return QString();
    }
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
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
    QList<DowsingSheetParagraph> paragraphs;
    for (int column = 0; column < static_cast<int>(kLabels.size()); ++column) {
        const QString value = DowsingColumnText(record, column);
        if (value.isEmpty()) {
            paragraphs.append({QString::fromLatin1(kLabels[column].empty), kNotEntered});
        } else {
            paragraphs.append({QString::fromLatin1(kLabels[column].filled), value});
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
