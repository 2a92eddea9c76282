#include "app/shell/builtiniconstyle.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <memory>

class TestBuiltInIconStyle : public QObject
{
    Q_OBJECT

private slots:
    // First: every later test asks the base style, which loads the image-format plugins.
    void menuBarLoadsNoImagePlugin_data();
    void menuBarLoadsNoImagePlugin();
    void iconsAsTheBaseStyleDraws_data();
    void iconsAsTheBaseStyleDraws();
    void otherIconsFromTheBaseStyle_data();
    void otherIconsFromTheBaseStyle();
};

namespace {

// Whether a library from Qt's image-format plugin folder is mapped into this process.
bool isImagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("/imageformats/");
}

} // namespace

void TestBuiltInIconStyle::menuBarLoadsNoImagePlugin_data()
{
    QTest::addColumn<QString>("baseStyle");
    QTest::newRow("Fusion") << QStringLiteral("Fusion");
    QTest::newRow("Windows") << QStringLiteral("Windows");
}

void TestBuiltInIconStyle::menuBarLoadsNoImagePlugin()
{
    QFETCH(QString, baseStyle);
    if (!QFile::exists(QStringLiteral("/proc/self/maps")))
        QSKIP("the loaded libraries are listed in /proc only");
    QVERIFY(!isImagePluginLoaded());
    QApplication::setStyle(new BuiltInIconStyle(baseStyle));
    QMenuBar bar;
    bar.addMenu(QStringLiteral("Начать"));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(isImagePluginLoaded(), false);
}

void TestBuiltInIconStyle::iconsAsTheBaseStyleDraws_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QSize>("size");
    const QList<QSize> sizes{QSize(8, 8),   QSize(14, 14), QSize(16, 16),
                             QSize(24, 24), QSize(32, 32), QSize(64, 64)};
    for (const QSize &size : sizes) {
        const QByteArray side = QByteArray::number(size.width());
        QTest::newRow("horizontal, left to right, " + side)
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << int(Qt::LeftToRight) << size;
        QTest::newRow("horizontal, right to left, " + side)
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << int(Qt::RightToLeft) << size;
        QTest::newRow("vertical, " + side)
            << int(QStyle::SP_ToolBarVerticalExtensionButton) << int(Qt::LeftToRight) << size;
    }
}

void TestBuiltInIconStyle::iconsAsTheBaseStyleDraws()
{
    QFETCH(int, icon);
    QFETCH(int, direction);
    QFETCH(QSize, size);
    const BuiltInIconStyle style(QStringLiteral("Fusion"));
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOption option;
    option.direction = Qt::LayoutDirection(direction);
    const auto pixmap = QStyle::StandardPixmap(icon);
    const QIcon ours = style.standardIcon(pixmap, &option);
    const QIcon theirs = base->standardIcon(pixmap, &option);
    QVERIFY(!ours.isNull());
    QCOMPARE(ours.availableSizes(), theirs.availableSizes());
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        const QImage expected = theirs.pixmap(size, 1.0, mode).toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(ours.pixmap(size, 1.0, mode).toImage(), expected);
    }
}

void TestBuiltInIconStyle::otherIconsFromTheBaseStyle_data()
{
    QTest::addColumn<int>("icon");
    QTest::newRow("message box warning") << int(QStyle::SP_MessageBoxWarning);
    QTest::newRow("arrow up") << int(QStyle::SP_ArrowUp);
    QTest::newRow("dialog open") << int(QStyle::SP_DialogOpenButton);
}

void TestBuiltInIconStyle::otherIconsFromTheBaseStyle()
{
    QFETCH(int, icon);
    const BuiltInIconStyle style(QStringLiteral("Fusion"));
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    const auto pixmap = QStyle::StandardPixmap(icon);
    const QImage expected = base->standardIcon(pixmap).pixmap(QSize(32, 32)).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(style.standardIcon(pixmap).pixmap(QSize(32, 32)).toImage(), expected);
}

QTEST_MAIN(TestBuiltInIconStyle)
#include "tst_builtiniconstyle.moc"
