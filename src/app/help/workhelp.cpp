#include "app/help/workhelp.h"

#include "app/help/workhelptopic.h"
#include "app/work/workwindow.h"
#include "help/helppages.h"
#include "helpview/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenuBar>

HelpWindow *attachHelp(WorkWindow &window)
{
    auto *help = new HelpWindow(&window);

    auto *contextHelp = new QAction(QStringLiteral("Справка"), &window);
    contextHelp->setObjectName(QStringLiteral("NHelp"));
    contextHelp->setShortcut(QKeySequence(Qt::Key_F1));
    // The editor's panels are windows of their own: F1 works over them too.
    contextHelp->setShortcutContext(Qt::ApplicationShortcut);
    window.addAction(contextHelp);
    QObject::connect(contextHelp, &QAction::triggered, help, [&window, help] {
        const QWidget *active = QApplication::activeWindow();
        if (!active || active == help || (active != &window && active->parentWidget() != &window))
            return;
        help->openPage(workHelpTopic(window.session(), QApplication::focusWidget(),
                                     QApplication::widgetAt(QCursor::pos())));
    });

    QAction *contents = window.menuBar()->addAction(QStringLiteral("?"));
    contents->setObjectName(QStringLiteral("NMainHelp"));
    contents->setToolTip(QStringLiteral("Справка (F1)"));
    contents->setProperty("accessibleName", QStringLiteral("Справка"));
    QObject::connect(contents, &QAction::triggered, help,
                     [help] { help->openPage(QString::fromLatin1(HelpPages::indexPage)); });
    return help;
}
