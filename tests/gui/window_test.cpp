// The window as built: its widgets, its toolbar, the About box, and how exit ends the program.

#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
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
    void toolbarButtonsShowTheirPictures_data();
    void toolbarButtonsShowTheirPictures();
    void barsAreLight_data();
    void barsAreLight();
    void backgroundAroundTheResultView_data();
    void backgroundAroundTheResultView();
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
    // The background is the picture, at its own size, in every state of the window, with a
    // light colour for what the style fills with the colour alone.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QBrush brush = window->palette().brush(group, QPalette::Window);
        QCOMPARE(brush.style(), Qt::TexturePattern);
        QCOMPARE(brush.texture().size(), QSize(640, 480));
        QVERIFY2(brush.color().lightness() >= 200, qPrintable(brush.color().name()));
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

void WindowTest::toolbarButtonsShowTheirPictures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("path");

    QTest::newRow("search") << 0 << ":/Search.png";
    QTest::newRow("about") << 1 << ":/About.png";
    QTest::newRow("exit") << 2 << ":/Exit.png";
}

void WindowTest::toolbarButtonsShowTheirPictures()
{
    QFETCH(int, index);
    QFETCH(QString, path);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *toolBar = window->findChild<QToolBar *>("mainToolBar");
    QAction *shown = action(index);
    QVERIFY(shown);
    QVERIFY(!shown->icon().isNull());
    const QImage picture = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!picture.isNull(), qPrintable(path + " opens nothing"));
    const QImage icon = shown->icon().pixmap(picture.size()).toImage();
    QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32), picture);

    auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(shown));
    QVERIFY(button);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->icon().cacheKey(), shown->icon().cacheKey());
    QCOMPARE(button->text(), QString());
    // Scaled down to the style's own toolbar size: the program sets none.
    const int side = toolBar->style()->pixelMetric(QStyle::PM_ToolBarIconSize, nullptr, toolBar);
    QCOMPARE(toolBar->iconSize(), QSize(side, side));
}

void WindowTest::barsAreLight_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("toolbar") << "mainToolBar";
    QTest::newRow("status bar") << "statusBar";
}

void WindowTest::barsAreLight()
{
    QFETCH(QString, name);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // Fusion fills the toolbar with the window brush's colour, and the status bar shows the
    // brush itself: dark, a bar would swallow the dark About icon.
    const QImage bar = window->findChild<QWidget *>(name)->grab().toImage();
    QVERIFY(!bar.isNull());
    qsizetype dark = 0;
    for (int y = 0; y < bar.height(); ++y)
        for (int x = 0; x < bar.width(); ++x)
            dark += QColor(bar.pixel(x, y)).lightness() < 80;
    const qsizetype pixels = qsizetype(bar.width()) * bar.height();
    QVERIFY2(dark * 10 < pixels, qPrintable(QString("%1 of %2 pixels are dark").arg(dark).arg(pixels)));
}

void WindowTest::backgroundAroundTheResultView_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<QString>("part");

    QTest::newRow("first size, beside the view") << QSize(536, 403) << "beside";
    QTest::newRow("taller, below the view") << QSize(536, 480) << "below";
    QTest::newRow("larger than the picture, repeated") << QSize(900, 700) << "repeated";
}

void WindowTest::backgroundAroundTheResultView()
{
    QFETCH(QSize, windowSize);
    QFETCH(QString, part);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->resize(windowSize);
    QTRY_COMPARE(window->centralWidget()->width(), windowSize.width());
    QWidget *central = window->centralWidget();
    QWidget *view = window->findChild<QPlainTextEdit *>("ShowAnswer");
    const QRect centralArea(central->mapTo(window.get(), QPoint(0, 0)), central->size());
    const QRect viewArea(view->mapTo(window.get(), QPoint(0, 0)), view->size());
    const QRect pictureArea(0, 0, 640, 480);

    // In window coordinates, as the picture lies from the window's top-left corner, tiled:
    // beside and below within its first copy, repeated outside it.
    QRect compared = centralArea;
    if (part == "beside")
        compared = QRect(QPoint(viewArea.right() + 1, centralArea.top()),
                         centralArea.bottomRight()) & pictureArea;
    else if (part == "below")
        compared = QRect(QPoint(centralArea.left(), viewArea.bottom() + 1),
                         QPoint(viewArea.right(), centralArea.bottom())) & pictureArea;
    QVERIFY(!compared.isEmpty());

    const QImage picture = QImage(":/background.png").convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!picture.isNull(), ":/background.png opens nothing");
    const QImage grab = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grab.size(), windowSize);
    qsizetype inked = 0;
    for (int y = compared.top(); y <= compared.bottom(); ++y)
        for (int x = compared.left(); x <= compared.right(); ++x) {
            if (viewArea.contains(x, y) || (part == "repeated" && pictureArea.contains(x, y)))
                continue;
            const QRgb expected = picture.pixel(x % picture.width(), y % picture.height());
            if (grab.pixel(x, y) != expected)
                QFAIL(qPrintable(QString("at %1,%2 the window shows %3, the picture %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(QColor(grab.pixel(x, y)).name(), QColor(expected).name())));
            inked += expected != qRgb(255, 255, 255);
        }
    // White alone would not tell the picture from a plain window.
    QVERIFY2(inked > 100, qPrintable(QString("only %1 pixels of ink compared").arg(inked)));
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
