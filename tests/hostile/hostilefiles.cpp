#include "hostilefiles.h"

#include "iontableinfo.h"

#include <QFile>

namespace {

// Every table filled to its capacity, an entry and a comment at a time: any further entry
// of the file overflows.
QByteArray fullTables() {
    QByteArray head;
    for (const IonTableInfo &info : IonTables) {
        const QByteArray entry = info.usesCharges ? "ion,X,1\r\n" : "compound,XY\r\n";
        head += QByteArray(info.sectionHeader) + "\r\n";
        for (int row = 0; row < IonCategory::Capacity; ++row)
            head += entry + "; a comment between entries\r\n";
    }
    return head;
}

QByteArray fortyTimes(const QByteArray &line) {
    return line.repeated(IonCategory::Capacity);
}

HostileFile mixed50MB() {
    const QByteArray block =
        "; " + QByteArray(200, 'c') + "\r\nammonia,NH3\r\nwater\r\n[covalent-complex]\r\n";
    return {"mixed 50 MB", fullTables(), block, (qint64(50) << 20) / block.size(), {}};
}

} // namespace

const HostileFile &hostileFile(HostileKind kind) {
    using namespace Qt::StringLiterals;
    static const HostileFile files[] = {
        mixed50MB(),
        // A charge field of ten million digits after a space: numeric, yet not digits only.
        {"10 MB line", "sodium,Na, ", "1", 10'000'000, {}},
        {"NUL bytes",
         "[Cations-monovalent]\r\n" + fortyTimes("sod\0ium,Na,1\r\n"_ba),
         "potassium,K,\0\r\nli\0thium,Li,1\r\n[Cations-\0monovalent]\r\n"_ba,
         100'000,
         {}},
        // In the code page, octal 236 is "ž" and 200 is "€"; neither is valid UTF-8.
        {"Windows-1252",
         "[Cations-multivalent]\r\n" + fortyTimes("\236elezo,Fe,23\r\n"),
         "; 1 kg \200 3, caf\351\r\n\236elezo,Fe,23\r\n[\200]\r\n",
         100'000,
         {}},
        {"million comments", "[Anions-simple]\r\nchloride,Cl,1\r\n", "; a comment\r\n", 1'000'000,
         "oxide,O,x\r\n"},
        {"million invalid headers", "[Anions-simple]\r\nchloride,Cl,1\r\n", "[Anions-Simple]\r\n",
         1'000'000, "oxide,O,2\r\n"},
        {"CR only",
         "[Cations-monovalent]\r" + fortyTimes("sodium,Na,1\r"),
         "; a comment\rsodium,Na,1\r",
         500'000,
         {}},
        // LF CR is two line ends, not one; the last line has none.
        {"mixed line ends",
         "[Cations-monovalent]\r\nsodium,Na,1\rpotassium,K,1\n\n\r\r\nlithium,Li,1\n\r[bad]",
         {},
         0,
         {}},
    };
    return files[int(kind)];
}

bool writeHostileFile(const HostileFile &file, qint64 repetitions, const QString &path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.head) != file.head.size())
        return false;
    // Whole blocks a chunk at a time: a million writes of a line each would take longer
    // than the load they are there to test.
    constexpr qint64 ChunkSize = 1 << 20;
    const qint64 perChunk =
        file.block.isEmpty() ? 1 : qMax(qint64(1), ChunkSize / file.block.size());
    const QByteArray chunk = file.block.repeated(perChunk);
    for (qint64 written = 0; written < repetitions; written += perChunk) {
        const QByteArray part =
            repetitions - written >= perChunk ? chunk : file.block.repeated(repetitions - written);
        if (out.write(part) != part.size())
            return false;
    }
    return out.write(file.tail) == file.tail.size() && out.flush();
}
