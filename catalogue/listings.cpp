#include "catalogue/listings.h"

#include "catalogue/iontableinfo.h"

namespace {

constexpr QLatin1String LineEnd("\r\n");

QString chargePart(ChargeLayout layout, const QString &charges) {
    switch (layout) {
    case ChargeLayout::PlusWhole:
        return QLatin1Char('+') + charges;
    case ChargeLayout::MinusWhole:
        return QLatin1Char('-') + charges;
    case ChargeLayout::PlusEachDigit: {
        QString part;
        part.reserve(charges.size() * 3);
        for (const QChar digit : charges)
            part += QStringLiteral(" +") + digit;
        return part;
    }
    case ChargeLayout::Omitted:
        break;
    }
    return {};
}

} // namespace

QString listingHeading(IonTable table) {
    return QString::fromLatin1(ionTableInfo(table).displayText).toUpper() + LineEnd;
}

QString listingRow(IonTable table, const IonEntry &entry) {
    const IonTableInfo &info = ionTableInfo(table);
    return entry.Name.leftJustified(info.nameWidth) +
           entry.Formula.leftJustified(info.formulaWidth) +
           chargePart(info.chargeLayout, entry.Charges) + LineEnd;
}

void startListingSection(ListingTexts &listings, IonTable table) {
    const IonTableInfo &info = ionTableInfo(table);
    QString &listing = listings.*info.listing;
    if (info.startsListing)
        listing = listingHeading(table);
    else
        listing += LineEnd + listingHeading(table);
}

void appendListingRow(ListingTexts &listings, IonTable table, const IonEntry &entry) {
    listings.*ionTableInfo(table).listing += listingRow(table, entry);
}
