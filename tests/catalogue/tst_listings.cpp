#include "loadrecorder.h"

#include <QTest>

class ListingsTest : public QObject {
    Q_OBJECT

private slots:
    void listingsAreLaidOutByteForByte_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("help1");
        QTest::addColumn<QString>("help2");
        QTest::addColumn<QString>("helpC1");
        QTest::addColumn<QString>("helpC2");

        QTest::addRow("sections in the usual order")
            << QByteArray(
                   "; ions\r\n[Cations-monovalent]\r\nsodium,Na,1\r\nammonium,NH4,1\r\n"
                   "[Cations-multivalent]\r\niron,Fe,23\r\n[Anions-simple]\r\n"
                   "chloride,Cl,1\r\noxide,O,2\r\n[Anions-polyatomic]\r\nsulfate,SO4,2\r\n"
                   "[Covalent-simple]\r\nphosphorus,P,35\r\n[Covalent-complex]\r\nammonia,NH3")
            << "CATIONS - MONOVALENT\r\n"
               "sodium            Na    +1\r\n"
               "ammonium          NH4   +1\r\n"
               "\r\n"
               "CATIONS - MULITVALENT\r\n"
               "iron              Fe     +2 +3\r\n"
            << "ANIONS - SIMPLE\r\n"
               "chloride             Cl      -1\r\n"
               "oxide                O       -2\r\n"
               "\r\n"
               "ANIONS - POLYATOMIC (OXYANIONS)\r\n"
               "sulfate              SO4     -2\r\n"
            << "COVALENT - POSITIVE OXIDATION NUMBERS\r\n"
               "phosphorus           P        +3 +5\r\n"
            << "COVALENT - COMPLEX COMPOUNDS\r\n"
               "ammonia                  NH3      \r\n";
        QTest::addRow("every anion heading follows an empty line")
            << QByteArray("[Anions-simple]\r\n[Anions-polyatomic]\r\n[Anions-derivative]\r\n"
                          "[Anions-hydrogen]\r\n[Anions-other]\r\nazide,N3,1")
            << QString()
            << "ANIONS - SIMPLE\r\n\r\nANIONS - POLYATOMIC (OXYANIONS)\r\n\r\n"
               "ANIONS - DERIVATIVE OXYANIONS\r\n\r\nANIONS - HYDROGEN+OXYANIONS\r\n\r\n"
               "ANIONS - OTHER\r\nazide                N3      -1\r\n"
            << QString() << QString();
        QTest::addRow("long names and formulas are not cut")
            << QByteArray("[Cations-monovalent]\r\ntetramethylammonium,N(CH3)4,1\r\n"
                          "[Covalent-complex]\r\ndinitrogen tetrafluoride zz,N2F4XYZABC")
            << "CATIONS - MONOVALENT\r\ntetramethylammoniumN(CH3)4+1\r\n"
            << QString() << QString()
            << "COVALENT - COMPLEX COMPOUNDS\r\ndinitrogen tetrafluoride zzN2F4XYZABC\r\n";
        QTest::addRow("multivalent first: the monovalent header replaces it")
            << QByteArray(
                   "[Cations-multivalent]\r\niron,Fe,23\r\n[Cations-monovalent]\r\nsodium,Na,1")
            << "CATIONS - MONOVALENT\r\nsodium            Na    +1\r\n"
            << QString() << QString() << QString();
        QTest::addRow("multivalent alone starts with an empty line")
            << QByteArray("[Cations-multivalent]\r\niron,Fe,23")
            << "\r\nCATIONS - MULITVALENT\r\niron              Fe     +2 +3\r\n"
            << QString() << QString() << QString();
        QTest::addRow("a second covalent header restarts its listing")
            << QByteArray("[Covalent-simple]\r\ncarbon,C,4\r\n[Covalent-complex]\r\nwater,H2O\r\n"
                          "[Covalent-simple]\r\nsulfur,S,46\r\n[Covalent-complex]")
            << QString() << QString()
            << "COVALENT - POSITIVE OXIDATION NUMBERS\r\nsulfur               S        +4 +6\r\n"
            << "COVALENT - COMPLEX COMPOUNDS\r\n";
        QTest::addRow("only comments and blank lines leave every listing empty")
            << QByteArray("; nothing\r\n\r\n   \r\n;[Anions-simple]\r\n") << QString() << QString()
            << QString() << QString();
    }
    void listingsAreLaidOutByteForByte() {
        QFETCH(QByteArray, file);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(file, catalogue, recorder);
        QTEST(catalogue.listings.help1, "help1");
        QTEST(catalogue.listings.help2, "help2");
        QTEST(catalogue.listings.helpC1, "helpC1");
        QTEST(catalogue.listings.helpC2, "helpC2");
    }
};

QTEST_GUILESS_MAIN(ListingsTest)
#include "tst_listings.moc"
