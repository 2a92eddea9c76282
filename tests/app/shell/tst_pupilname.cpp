#include "app/shell/pupilname.h"

#include <QTest>

class TestPupilName : public QObject
{
    Q_OBJECT

private slots:
    void nameChars_data();
    void nameChars();
    void upperFirstLetter_data();
    void upperFirstLetter();
    void normalised_data();
    void normalised();
    void caption_data();
    void caption();
};

void TestPupilName::nameChars_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("capital А") << QChar(u'А') << true;
    QTest::newRow("small я") << QChar(u'я') << true;
    QTest::newRow("capital Я") << QChar(u'Я') << true;
    QTest::newRow("small а") << QChar(u'а') << true;
    QTest::newRow("blank") << QChar(u' ') << true;
    QTest::newRow("comma") << QChar(u',') << true;
    QTest::newRow("backspace") << QChar(u'\b') << true;
    QTest::newRow("Ё") << QChar(u'Ё') << false;
    QTest::newRow("ё") << QChar(u'ё') << false;
    QTest::newRow("Latin a") << QChar(u'a') << false;
    QTest::newRow("digit") << QChar(u'5') << false;
    QTest::newRow("hyphen") << QChar(u'-') << false;
    QTest::newRow("tab") << QChar(u'\t') << false;
    QTest::newRow("escape") << QChar(u'\x1b') << false;
    QTest::newRow("Ukrainian і") << QChar(u'і') << false;
}

void TestPupilName::nameChars()
{
    QFETCH(QChar, c);
    QFETCH(bool, accepted);
    QCOMPARE(PupilName::isNameChar(c), accepted);
}

void TestPupilName::upperFirstLetter_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<QChar>("expected");
    QTest::newRow("а") << QChar(u'а') << QChar(u'А');
    QTest::newRow("я") << QChar(u'я') << QChar(u'Я');
    QTest::newRow("п") << QChar(u'п') << QChar(u'П');
    QTest::newRow("р") << QChar(u'р') << QChar(u'Р');
    QTest::newRow("capital stays") << QChar(u'Ж') << QChar(u'Ж');
    QTest::newRow("ё stays") << QChar(u'ё') << QChar(u'ё');
    QTest::newRow("comma stays") << QChar(u',') << QChar(u',');
    QTest::newRow("Latin stays") << QChar(u'b') << QChar(u'b');
}

void TestPupilName::upperFirstLetter()
{
    QFETCH(QChar, c);
    QFETCH(QChar, expected);
    QCOMPARE(PupilName::upperFirstLetter(c), expected);
}

void TestPupilName::normalised_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("capitalise");
    QTest::addColumn<QString>("expected");
    QTest::newRow("capital first") << "иванов" << true << "Иванов";
    QTest::newRow("blanks trimmed") << "  петров  " << true << "Петров";
    QTest::newRow("control characters trimmed") << "\t\x01сидоров\r\n" << true << "Сидоров";
    QTest::newRow("inner blanks kept") << " анна мария " << true << "Анна мария";
    QTest::newRow("25 letters cut to 20") << "абвгдежзийклмнопрстуфхцчш" << true << "Абвгдежзийклмнопрсту";
    QTest::newRow("cut after trimming") << "   абвгдежзийклмнопрстуфх" << true << "Абвгдежзийклмнопрсту";
    QTest::newRow("comma first unchanged") << ",петр" << true << ",петр";
    QTest::newRow("blank only") << " " << true << "";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("team not capitalised") << " умники и умницы " << false << "умники и умницы";
    QTest::newRow("team cut to 20") << "Team of the 21st cent" << false << "Team of the 21st cen";
}

void TestPupilName::normalised()
{
    QFETCH(QString, text);
    QFETCH(bool, capitalise);
    QFETCH(QString, expected);
    QCOMPARE(PupilName::normalised(text, capitalise), expected);
}

void TestPupilName::caption_data()
{
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pupil") << "Иванов"
                           << "Пётр"
                           << ""
                           << "\"Шагайка 1.1\" Олимпиадная задача. Ученик (команда) : Иванов Пётр ";
    QTest::newRow("team only") << ""
                               << ""
                               << "Умники"
                               << "\"Шагайка 1.1\" Олимпиадная задача. Ученик (команда) :   Умники";
    QTest::newRow("nothing") << ""
                             << ""
                             << ""
                             << "\"Шагайка 1.1\" Олимпиадная задача. Ученик (команда) :   ";
}

void TestPupilName::caption()
{
    QFETCH(QString, surname);
    QFETCH(QString, firstName);
    QFETCH(QString, team);
    QFETCH(QString, expected);
    QCOMPARE(PupilName::workWindowCaption(surname, firstName, team), expected);
}

QTEST_GUILESS_MAIN(TestPupilName)
#include "tst_pupilname.moc"
