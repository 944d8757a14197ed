#include "loadrecorder.h"

#include <QTest>

class ListingsTest : public QObject {
    Q_OBJECT

private slots:
    // help1, help2, helpC1 and helpC2, byte for byte.
    void listingsAreLaidOutByteForByte_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("listings");
        QTest::addRow("every section in the usual order, long names not cut")
            << QByteArray("; ions\r\n[Cations-monovalent]\r\nsodium,Na,1\r\n"
                          "tetramethylammonium,N(CH3)4,1\r\n[Cations-multivalent]\r\niron,Fe,23\r\n"
                          "[Anions-simple]\r\nchloride,Cl,1\r\n[Anions-polyatomic]\r\n"
                          "sulfate,SO4,2\r\n[Anions-derivative]\r\n[Anions-hydrogen]\r\n"
                          "[Anions-other]\r\nazide,N3,1\r\n[Covalent-simple]\r\nphosphorus,P,35\r\n"
                          "[Covalent-complex]\r\nammonia,NH3")
            << QStringList{
                   "CATIONS - MONOVALENT\r\nsodium            Na    +1\r\n"
                   "tetramethylammoniumN(CH3)4+1\r\n\r\n"
                   "CATIONS - MULITVALENT\r\niron              Fe     +2 +3\r\n",
                   "ANIONS - SIMPLE\r\nchloride             Cl      -1\r\n\r\n"
                   "ANIONS - POLYATOMIC (OXYANIONS)\r\nsulfate              SO4     -2\r\n"
                   "\r\nANIONS - DERIVATIVE OXYANIONS\r\n\r\nANIONS - HYDROGEN+OXYANIONS\r\n"
                   "\r\nANIONS - OTHER\r\nazide                N3      -1\r\n",
                   "COVALENT - POSITIVE OXIDATION NUMBERS\r\n"
                   "phosphorus           P        +3 +5\r\n",
                   "COVALENT - COMPLEX COMPOUNDS\r\nammonia                  NH3      \r\n"};
        QTest::addRow("a header again, or a first header out of order, starts its listing afresh")
            << QByteArray(
                   "[Cations-multivalent]\r\niron,Fe,23\r\n[Covalent-simple]\r\ncarbon,C,4\r\n"
                   "[Covalent-complex]\r\nwater,H2O\r\n[Covalent-simple]\r\nsulfur,S,46\r\n"
                   "[Covalent-complex]")
            << QStringList{"\r\nCATIONS - MULITVALENT\r\niron              Fe     +2 +3\r\n", "",
                           "COVALENT - POSITIVE OXIDATION NUMBERS\r\n"
                           "sulfur               S        +4 +6\r\n",
                           "COVALENT - COMPLEX COMPOUNDS\r\n"};
        QTest::addRow("the monovalent header replaces the multivalent listing before it")
            << QByteArray(
                   "[Cations-multivalent]\r\niron,Fe,23\r\n[Cations-monovalent]\r\nsodium,Na,1")
            << QStringList{"CATIONS - MONOVALENT\r\nsodium            Na    +1\r\n", "", "", ""};
    }
    void listingsAreLaidOutByteForByte() {
        QFETCH(QByteArray, file);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(file, catalogue, recorder);
        const ListingTexts &listings = catalogue.listings;
        QTEST((QStringList{listings.help1, listings.help2, listings.helpC1, listings.helpC2}),
              "listings");
    }
};

QTEST_GUILESS_MAIN(ListingsTest)
#include "tst_listings.moc"
