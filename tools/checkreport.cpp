#include "tools/checkreport.h"

#include "catalogue/iontableinfo.h"

namespace {

constexpr QLatin1String CrLf("\r\n");

const char *kindName(CompoundKind kind) {
    switch (kind) {
    case CompoundKind::Ionic:
        return "ionic";
    case CompoundKind::SimpleCovalent:
        return "simple";
    case CompoundKind::ComplexCovalent:
        return "complex";
    }
    return "";
}

} // namespace

void CheckReport::message(int line, const Message &message) {
    m_out << line << ": " << message.shownTitle() << ": "
          << QString(message.text).replace(CrLf, QLatin1String("\\n")) << '\n';
}

void CheckReport::warning(int line, const QString &text) {
    m_out << line << ": warning: " << text << '\n';
}

void CheckReport::writeCounts(const IonCatalogue &catalogue) {
    for (const IonTableInfo &info : IonTables)
        m_out << info.name << ": " << catalogue.table(info.table).count() << '\n';
}

void CheckReport::writeListings(const ListingTexts &listings) {
    const std::pair<const char *, QString> sections[] = {{"help1", listings.help1},
                                                         {"help2", listings.help2},
                                                         {"helpC1", listings.helpC1},
                                                         {"helpC2", listings.helpC2}};
    for (const auto &[name, text] : sections)
        m_out << '[' << name << "]\n" << QString(text).replace(CrLf, QLatin1String("\n"));
}

void CheckReport::writeAnswerKey(const QList<AnswerKeyRow> &rows) {
    m_out << "[compounds]\n";
    for (const AnswerKeyRow &row : rows)
        m_out << kindName(row.kind) << '\t' << row.name << '\t' << row.formula << '\n';
}
