#include "common/textencoding.h"

#include <QTest>

class TestTextEncoding : public QObject
{
    Q_OBJECT

private slots:
    void everyByteRoundTrips();
    void knownCharacters_data();
    void knownCharacters();
    void outsideWindows1251_data();
    void outsideWindows1251();
    void utf8Detection_data();
    void utf8Detection();
    void decoding_data();
    void decoding();
    void encoding_data();
    void encoding();
};

void TestTextEncoding::everyByteRoundTrips()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = decodeWindows1251(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeWindows1251(text), std::optional<QByteArray>(all));
    QCOMPARE(firstOutsideWindows1251(text), qsizetype(-1));
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, char(byte));
        QCOMPARE(encodeWindows1251(decodeWindows1251(one)), std::optional<QByteArray>(one));
    }
    // 256 different characters: no two bytes share one.
    QSet<QChar> distinct(text.begin(), text.end());
    QCOMPARE(distinct.size(), 256);
    // The whole set is not UTF-8, so it is read back as Windows-1251 and written so.
    QCOMPARE(decodeText(all), text);
    QCOMPARE(encodeText(text).bytes, all);
}

void TestTextEncoding::knownCharacters_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");

    QTest::newRow("A") << 0x41 << 0x41;
    QTest::newRow("А") << 0xC0 << 0x0410;
    QTest::newRow("я") << 0xFF << 0x044F;
    QTest::newRow("Ё") << 0xA8 << 0x0401;
    QTest::newRow("ё") << 0xB8 << 0x0451;
    QTest::newRow("№") << 0xB9 << 0x2116;
    QTest::newRow("euro") << 0x88 << 0x20AC;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("Ђ") << 0x80 << 0x0402;
    QTest::newRow("unassigned 0x98") << 0x98 << 0x0098;
}

void TestTextEncoding::knownCharacters()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QString decoded = decodeWindows1251(QByteArray(1, char(byte)));
    QCOMPARE(decoded.size(), 1);
    QCOMPARE(int(decoded.at(0).unicode()), unicode);
}

void TestTextEncoding::outsideWindows1251_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("first");

    QTest::newRow("Greek") << "Ω" << 0;
    QTest::newRow("Chinese") << "角" << 0;
    QTest::newRow("Latin with diaeresis") << "ï" << 0;
    QTest::newRow("emoji") << "\U0001F600" << 0;
    QTest::newRow("byte-order mark") << QString(QChar(0xFEFF)) << 0;
    QTest::newRow("mixed with Cyrillic") << "ДЕЛАЙ Ω" << 6;
    QTest::newRow("after ё, № and a dash") << "ё№—Ω" << 3;
}

void TestTextEncoding::outsideWindows1251()
{
    QFETCH(QString, text);
    QFETCH(int, first);
    QVERIFY(!encodeWindows1251(text).has_value());
    QCOMPARE(firstOutsideWindows1251(text), qsizetype(first));
    const QByteArray bytes = encodeText(text).bytes;
    QCOMPARE(encodeText(text).encoding, EncodedText::Encoding::Utf8OutsideWindows1251);
    QCOMPARE(bytes, QByteArray("\xef\xbb\xbf") + text.toUtf8());
    QCOMPARE(decodeText(bytes), text);
}

void TestTextEncoding::utf8Detection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");

    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("ASCII only") << QByteArray("ABC 12\r\n") << false;
    QTest::newRow("byte-order mark only") << QByteArray("\xef\xbb\xbf") << true;
    QTest::newRow("byte-order mark and ASCII") << QByteArray("\xef\xbb\xbfZ") << true;
    QTest::newRow("two-byte sequence") << QByteArray("\xd0\xa8\xd0\x90\xd0\x93") << true;
    QTest::newRow("three-byte sequence") << QByteArray("x\xe2\x84\x96") << true;
    QTest::newRow("four-byte sequence") << QByteArray("\xf0\x9f\x98\x80") << true;
    QTest::newRow("Windows-1251 keyword") << QByteArray("\xd8\xc0\xc3") << false;
    QTest::newRow("Windows-1251 skeleton title") << QByteArray("\xc0\xcb\xc3\xce\xd0\xc8\xd2\xcc") << false;
    QTest::newRow("truncated sequence") << QByteArray("ab\xd0") << false;
    QTest::newRow("stray continuation byte") << QByteArray("\x80") << false;
    QTest::newRow("overlong encoding") << QByteArray("\xc0\xaf") << false;
    QTest::newRow("valid then invalid") << QByteArray("\xd0\xa8 \xff") << false;
    QTest::newRow("byte-order mark before Windows-1251") << QByteArray("\xef\xbb\xbf\xd8\xc0\xc3") << false;
}

void TestTextEncoding::utf8Detection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(isUtf8Text(bytes), utf8);
}

void TestTextEncoding::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("Windows-1251") << QByteArray("\xc2\xd1\xa8 \xd8\xc0\xc3") << "ВСЁ ШАГ";
    QTest::newRow("UTF-8") << QByteArray("\xd0\x92\xd0\xa1\xd0\x81") << "ВСЁ";
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xef\xbb\xbf\xd0\x92\xd0\xa1\xd0\x81") << "ВСЁ";
    QTest::newRow("byte-order mark is removed once")
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf") << QString(QChar(0xFEFF));
    QTest::newRow("ASCII") << QByteArray("Z 12") << "Z 12";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("a wrong UTF-8 byte-order mark before Windows-1251")
        << QByteArray("\xef\xbb\xbf\xd8\xc0\xc3 \xc2\xd1\xa8") << "ШАГ ВСЁ";
    QTest::newRow("UTF-16 little-endian with its mark")
        << QByteArray::fromHex("fffe 2804 1004 1304 2000 5a00") << "ШАГ Z";
    QTest::newRow("UTF-16 big-endian with its mark") << QByteArray::fromHex("feff 0428 0031") << "Ш1";
    QTest::newRow("UTF-16 mark removed once")
        << QByteArray::fromHex("fffe fffe 5a00") << QString(QChar(0xFEFF)) + QStringLiteral("Z");
}

void TestTextEncoding::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeText(bytes), text);
}

void TestTextEncoding::encoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Windows-1251") << "ВСЁ ШАГ" << QByteArray("\xc2\xd1\xa8 \xd8\xc0\xc3");
    QTest::newRow("ASCII") << "//x" << QByteArray("//x");
    QTest::newRow("empty") << "" << QByteArray();
    // In Windows-1251 these would form valid UTF-8 and be read back as other letters.
    QTest::newRow("looks like UTF-8") << "Рё" << QByteArray("\xef\xbb\xbf\xd0\xa0\xd1\x91");
    QTest::newRow("looks like a byte-order mark")
        << "п»ї" << QByteArray("\xef\xbb\xbf\xd0\xbf\xc2\xbb\xd1\x97");
    QTest::newRow("a byte-order mark before what is no UTF-8")
        << "п»їШ" << QByteArray("\xef\xbb\xbf\xd0\xbf\xc2\xbb\xd1\x97\xd0\xa8");
    QTest::newRow("looks like a UTF-16 mark") << "яюZ" << QByteArray("\xef\xbb\xbf\xd1\x8f\xd1\x8eZ");
    QTest::newRow("looks like a big-endian UTF-16 mark")
        << "юя" << QByteArray("\xef\xbb\xbf\xd1\x8e\xd1\x8f");
}

void TestTextEncoding::encoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeText(text).bytes, bytes);
    // Every character here has a Windows-1251 code: UTF-8 only where those bytes would mislead.
    QCOMPARE(encodeText(text).encoding,
             bytes.startsWith("\xef\xbb\xbf") ? EncodedText::Encoding::Utf8AmbiguousWindows1251
                                              : EncodedText::Encoding::Windows1251);
    QCOMPARE(decodeText(bytes), text);
}

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "tst_textencoding.moc"
