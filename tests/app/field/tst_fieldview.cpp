#include "app/field/fieldview.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

namespace {

// Collects the rectangles of the paint events a widget receives.
class PaintLog : public QObject
{
public:
    QList<QRect> rects;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            rects.append(static_cast<QPaintEvent *>(event)->rect());
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestFieldView : public QObject
{
    Q_OBJECT

private slots:
    void refreshReachesTheScreen_data();
    void refreshReachesTheScreen();
};

void TestFieldView::refreshReachesTheScreen_data()
{
    QTest::addColumn<QRect>("changed");
    QTest::addColumn<bool>("isOneUpdate");

    // A move changes the squares of two cells, the trace between them included.
    QTest::newRow("a step down across many rows") << QRect(120, 10, 60, 110) << true;
    QTest::newRow("a jump to the right") << QRect(240, 300, 110, 60) << true;
    QTest::newRow("the whole field") << QRect(0, 0, 600, 600) << false;
    QTest::newRow("a full-width strip") << QRect(0, 100, 600, 200) << false;
    QTest::newRow("reaching past the view") << QRect(500, 500, 300, 300) << true;
}

void TestFieldView::refreshReachesTheScreen()
{
    QFETCH(QRect, changed);
    QFETCH(bool, isOneUpdate);

    QImage picture(600, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    FieldView view;
    view.setPicture(&picture);
    view.resize(picture.size());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();

    PaintLog log;
    view.installEventFilter(&log);
    view.refresh(changed);
    view.removeEventFilter(&log);

    // All of it is painted before the refresh returns, each part once.
    const QRect area = changed & view.rect();
    QRegion painted;
    for (const QRect &r : std::as_const(log.rects)) {
        QVERIFY(!painted.intersects(r));
        painted += r;
    }
    QCOMPARE(painted, QRegion(area));
    // A small change is one screen update; a large one goes out in parts.
    if (isOneUpdate)
        QCOMPARE(log.rects.size(), 1);
    else
        QVERIFY(log.rects.size() > 1);
}

QTEST_MAIN(TestFieldView)
#include "tst_fieldview.moc"
