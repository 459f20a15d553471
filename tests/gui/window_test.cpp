// The window as built: its widgets, its toolbar, the About box, and how exit ends the program.

#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QList<QMessageBox *> MessageBoxes()
{
    QList<QMessageBox *> boxes;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(widget))
            boxes << box;
    return boxes;
}

// Ends an event loop that would otherwise never end, with a status no exit gives.
std::unique_ptr<QTimer> EndLoopAfterTenSeconds()
{
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, [] { QCoreApplication::exit(99); });
    timer->start(10000);
    return timer;
}

}  // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowBeforeStartUp();
    void widgetTree_data();
    void widgetTree();
    void resultViewKeepsItsPlace();
    void barsAreEmpty();
    void toolbarActions();
    void aboutBoxIsOneNonModalWindow();
    void exitEndsTheProgram();
    void openAboutBoxKeepsTheProgramRunning();

private:
    QAction *action(int index) const;
    std::unique_ptr<MainWindow> window;
    QMessageBox *aboutBox = nullptr;  // the one the window made
};

void WindowTest::init()
{
    const QList<QMessageBox *> before = MessageBoxes();
    window = std::make_unique<MainWindow>();
    const QList<QMessageBox *> made = MessageBoxes();
    aboutBox = nullptr;
    for (QMessageBox *box : made)
        if (!before.contains(box)) {
            QVERIFY2(!aboutBox, "the window makes one About box");
            aboutBox = box;
        }
    QVERIFY2(aboutBox, "the window makes its About box at once");
}

void WindowTest::cleanup()
{
    // The About boxes outlive their windows: hide them, or the next exit would not end the loop.
    for (QMessageBox *box : MessageBoxes())
        box->hide();
    window.reset();
}

QAction *WindowTest::action(int index) const
{
    return window->findChild<QToolBar *>("mainToolBar")->actions().value(index);
}

void WindowTest::windowBeforeStartUp()
{
    QCOMPARE(window->objectName(), "MainWindow");
    QCOMPARE(window->size(), QSize(536, 403));
    QCOMPARE(window->windowTitle(), "MainWindow");
    QCOMPARE(window->parentWidget(), nullptr);
    QVERIFY(window->autoFillBackground());
    // The background is the picture, at its own size, in every state of the window.
    const QPixmap background(":/background.png");
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QBrush brush = window->palette().brush(group, QPalette::Window);
        QCOMPARE(brush.style(), background.isNull() ? Qt::NoBrush : Qt::TexturePattern);
        QCOMPARE(brush.texture().size(), background.size());
    }
}

void WindowTest::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");  // before the window is first shown; null: not fixed

    QTest::newRow("central widget") << "centralWidget" << "QWidget" << "MainWindow" << QRect();
    QTest::newRow("result view") << "ShowAnswer" << "QPlainTextEdit" << "centralWidget" << QRect(0, 0, 321, 341);
    QTest::newRow("menu bar") << "menuBar" << "QMenuBar" << "MainWindow" << QRect(0, 0, 536, 23);
    QTest::newRow("toolbar") << "mainToolBar" << "QToolBar" << "MainWindow" << QRect();
    QTest::newRow("status bar") << "statusBar" << "QStatusBar" << "MainWindow" << QRect();
}

void WindowTest::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);

    const QList<QWidget *> found = window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *widget = found.first();
    QCOMPARE(widget->metaObject()->className(), className);
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
    if (!geometry.isNull())
        QCOMPARE(widget->geometry(), geometry);

    // Each has its place in the window, not just a parent.
    QCOMPARE(window->centralWidget(), window->findChild<QWidget *>("centralWidget"));
    QCOMPARE(window->menuBar(), window->findChild<QMenuBar *>("menuBar"));
    QCOMPARE(window->statusBar(), window->findChild<QStatusBar *>("statusBar"));
    QCOMPARE(window->toolBarArea(window->findChild<QToolBar *>("mainToolBar")), Qt::TopToolBarArea);
    QCOMPARE(window->centralWidget()->layout(), nullptr);
}

void WindowTest::resultViewKeepsItsPlace()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->resize(900, 700);
    QTRY_COMPARE(window->centralWidget()->width(), 900);
    QCOMPARE(window->findChild<QPlainTextEdit *>("ShowAnswer")->geometry(), QRect(0, 0, 321, 341));
    QVERIFY(!window->findChild<QPlainTextEdit *>("ShowAnswer")->isReadOnly());
}

void WindowTest::barsAreEmpty()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->findChild<QMenuBar *>("menuBar")->actions(), QList<QAction *>());
    QCOMPARE(window->findChild<QStatusBar *>("statusBar")->currentMessage(), QString());
}

void WindowTest::toolbarActions()
{
    auto *toolBar = window->findChild<QToolBar *>("mainToolBar");
    const QList<QAction *> actions = toolBar->actions();
    QCOMPARE(actions.size(), 3);
    for (QAction *action : actions) {
        QCOMPARE(action->parent(), window.get());
        QCOMPARE(action->text(), QString());
        QCOMPARE(action->toolTip(), QString());
        QCOMPARE(action->statusTip(), QString());
        QCOMPARE(action->shortcuts(), QList<QKeySequence>());
        QCOMPARE(action->objectName(), QString());
        QVERIFY(!action->isCheckable());
        auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(action));
        QVERIFY(button);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    // The order shows in what each does: search asks for a rhyme, about opens the box, exit closes.
    QTimer::singleShot(0, this, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    window->show();
    actions.at(0)->trigger();
    QVERIFY(!aboutBox->isVisible());
    actions.at(1)->trigger();
    QVERIFY(aboutBox->isVisible());
    QVERIFY(window->isVisible());
    actions.at(2)->trigger();
    QVERIFY(!window->isVisible());
}

void WindowTest::aboutBoxIsOneNonModalWindow()
{
    window->show();
    QVERIFY(!aboutBox->isVisible());
    action(1)->trigger();
    QVERIFY(aboutBox->isVisible());
    QCOMPARE(aboutBox->parentWidget(), nullptr);
    QVERIFY(aboutBox->isWindow());
    QVERIFY(!aboutBox->isModal());
    QCOMPARE(aboutBox->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(aboutBox->text(), u"LirandelV1.0\n作者：Lirandel 开发组\n日期：2026年12月"_qs);
    QCOMPARE(aboutBox->windowTitle(), QString());

    // Again, after closing and while open: the same box, never a second one.
    const qsizetype boxes = MessageBoxes().size();
    aboutBox->close();
    action(1)->trigger();
    action(1)->trigger();
    QVERIFY(aboutBox->isVisible());
    QCOMPARE(MessageBoxes().size(), boxes);
    QCOMPARE(aboutBox->text(), u"LirandelV1.0\n作者：Lirandel 开发组\n日期：2026年12月"_qs);
}

void WindowTest::exitEndsTheProgram()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTimer::singleShot(0, action(2), &QAction::trigger);
    const auto watchdog = EndLoopAfterTenSeconds();
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
}

void WindowTest::openAboutBoxKeepsTheProgramRunning()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    bool runningWithoutTheWindow = false;
    QTimer::singleShot(0, this, [this] {
        action(1)->trigger();
        action(2)->trigger();
    });
    // Long enough for a quit that the closed window asked for to have arrived.
    QTimer check;
    check.setSingleShot(true);
    connect(&check, &QTimer::timeout, this, [&] {
        runningWithoutTheWindow = !window->isVisible() && aboutBox->isVisible();
        aboutBox->close();
    });
    check.start(300);
    const auto watchdog = EndLoopAfterTenSeconds();
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(runningWithoutTheWindow);
    QVERIFY(!aboutBox->isVisible());
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
