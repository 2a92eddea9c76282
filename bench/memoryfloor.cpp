// The toolkit's floor for resident memory: the same two windows as the desktop program with a task
// open, of the same sizes and with the same kinds of widgets (a title window; over it a modal window
// with a menu bar, a tool bar, a two-line statement, a list of a few rows, a field picture painted
// from an image, a status bar), and nothing of the program. It prints its VmRSS in kB once both
// windows have been on the screen for SETTLE seconds (default 2), then quits.
// Usage: memoryfloor TITLE_WIDTH TITLE_HEIGHT WORK_WIDTH WORK_HEIGHT [FIELD_PIXELS]

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void printResidentKilobytes()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            std::printf("%ld\n", std::strtol(line + 6, nullptr, 10));
    }
    std::fclose(status);
    std::fflush(stdout);
}

class Picture : public QWidget
{
public:
    explicit Picture(int side)
        : m_image(side, side, QImage::Format_RGB32)
    {
        m_image.fill(QColor(212, 208, 200));
        setFixedSize(side, side);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect().topLeft(), m_image, event->rect());
    }

private:
    QImage m_image;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s TITLE_WIDTH TITLE_HEIGHT WORK_WIDTH WORK_HEIGHT [FIELD_PIXELS]\n",
                     argv[0]);
        return 2;
    }
    // As the desktop program sets it up: no shared memory with the X server.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArray("1"));
    QApplication app(argc, argv);
    const QSize titleSize(std::atoi(argv[1]), std::atoi(argv[2]));
    const QSize workSize(std::atoi(argv[3]), std::atoi(argv[4]));
    const int field = argc > 5 ? std::atoi(argv[5]) : 600;
    const int settle = qEnvironmentVariableIsSet("SETTLE") ? qEnvironmentVariableIntValue("SETTLE") : 2;

    QLabel title(QStringLiteral("Олимпиадная задача"));
    title.setAlignment(Qt::AlignCenter);
    title.setFixedSize(titleSize);
    title.move(title.screen()->availableGeometry().center()
               - QPoint(titleSize.width() / 2, titleSize.height() / 2));
    title.show();

    QDialog work(&title);
    auto *menu = new QMenuBar(&work);
    for (const char *item : {"Начать", "Разработка", "Отладка", "Точки", "Размер поля", "Образец"})
        menu->addMenu(QString::fromUtf8(item))->addAction(QStringLiteral("12 x 12"));
    auto *column = new QVBoxLayout(&work);
    column->setMenuBar(menu);
    auto *tools = new QToolBar(&work);
    for (const char *action : {"Медленно", "Средне", "Быстро", "Стоп", "Пауза", "Один шаг"})
        tools->addAction(QString::fromUtf8(action));
    column->addWidget(tools);
    auto *statement = new QPlainTextEdit(
        QStringLiteral(
            "Шагайка стоит в точке А и смотрит направо.\nСоставьте алгоритм, который приводит её в точку Б."),
        &work);
    statement->setMaximumHeight(50);
    column->addWidget(statement);
    auto *row = new QHBoxLayout;
    auto *list = new QListWidget(&work);
    for (const char *line :
         {"АЛГОРИТМ ПУТЬ_0", "Дано: Исполнитель в т.А", "Надо: Исполнитель в т.Б", "НАЧ", "КОН"})
        list->addItem(QString::fromUtf8(line));
    row->addWidget(list);
    row->addWidget(new Picture(field));
    column->addLayout(row);
    auto *status = new QStatusBar(&work);
    status->showMessage(QStringLiteral("На этапе \"Начать\" откроется постановка задачи"));
    column->addWidget(status);
    work.setWindowModality(Qt::ApplicationModal);
    work.setGeometry(QRect(QPoint(0, 0), workSize));

    QTimer::singleShot(500, &work, [&] { work.show(); });
    QTimer::singleShot(500 + settle * 1000, &app, [&] {
        printResidentKilobytes();
        app.quit();
    });
    return app.exec();
}
