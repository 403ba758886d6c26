#include "model/LinkRegler.h"

#include <QTest>

using namespace tavlen;

namespace {

QString soeg(const QString& encoded) {
    return "https://www.google.com/search?q=" + encoded;
}

} // namespace

class TestLinkRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gyldigeLinks_data() {
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<QStringList>("gyldige");
        QTest::newRow("kept as stored")
            << QStringList{" a.dk\t", "b.dk\n"} << QStringList{" a.dk\t", "b.dk\n"};
        QTest::newRow("blank and line breaks only dropped")
            << QStringList{"", "  ", "\n", " \t\r\n", "a.dk"} << QStringList{"a.dk"};
        QTest::newRow("twins kept, in order")
            << QStringList{"b.dk", "a.dk", "b.dk"} << QStringList{"b.dk", "a.dk", "b.dk"};
    }
    void gyldigeLinks() {
        QFETCH(QStringList, links);
        QFETCH(QStringList, gyldige);
        QCOMPARE(links::gyldigeLinks(links), gyldige);
    }

    void linkTekst() { QCOMPARE(links::linkTekst("\n\t a.dk/x y \r\n"), "a.dk/x y"); }

    // The expected address in its fully encoded form; empty when the row opens nothing.
    void adresse_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("adresse");
        QTest::newRow("bare host, spaces around") << "  tavlen.dk \n"
                                                  << "https://tavlen.dk";
        QTest::newRow("http kept") << "http://a.dk/x"
                                   << "http://a.dk/x";
        QTest::newRow("https kept") << "https://a.dk/?q=1&r=2"
                                    << "https://a.dk/?q=1&r=2";
        // Only the exact lower-case prefix counts; Qt then reads "HTTP" as a host.
        QTest::newRow("upper-case HTTP") << "HTTP://x.dk"
                                         << "https://http//x.dk";
        QTest::newRow("space") << "a.dk/b c"
                               << "https://a.dk/b%20c";
        QTest::newRow("percent code encoded again") << "a.dk/x%20y"
                                                    << "https://a.dk/x%2520y";
        QTest::newRow("number sign") << "a.dk/side#top"
                                     << "https://a.dk/side%23top";
        QTest::newRow("letters beyond ASCII") << "a.dk/kø"
                                              << "https://a.dk/k%C3%B8";
        QTest::newRow("plain words are searched") << "hej verden" << soeg("hej%20verden");
        // Nothing reaches the opener with a scheme of its own or without a host.
        QTest::newRow("httpfoo scheme") << "httpfoo:bar" << soeg("httpfoo:bar");
        QTest::newRow("single slash") << "http:/x" << soeg("http:/x");
        QTest::newRow("no host") << "http://" << soeg("http://");
        QTest::newRow("http path")
            << "http:javascript:alert(1)" << soeg("http:javascript:alert(1)");
        QTest::newRow("javascript") << "javascript:alert(1)" << soeg("javascript:alert(1)");
        QTest::newRow("file") << "httpfile:///etc/passwd" << soeg("httpfile:///etc/passwd");
        QTest::newRow("bad port") << "http://a.dk:8x" << soeg("http://a.dk:8x");
        QTest::newRow("blank") << " \n" << soeg("");
    }
    void adresse() {
        QFETCH(QString, link);
        QFETCH(QString, adresse);
        const std::optional<QUrl> url = links::adresse(link);
        QCOMPARE(url ? url->toString(QUrl::FullyEncoded) : QString(), adresse);
    }
};

QTEST_GUILESS_MAIN(TestLinkRegler)
#include "tst_linkregler.moc"
