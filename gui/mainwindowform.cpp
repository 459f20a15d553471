#include "mainwindowform.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>

void MainWindowForm::Setup(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName("MainWindow");
    window->resize(536, 403);

    // No layout: the result view keeps its place and size, and the background shows around it.
    centralWidget = new QWidget(window);
    centralWidget->setObjectName("centralWidget");
    ShowAnswer = new QPlainTextEdit(centralWidget);
    ShowAnswer->setObjectName("ShowAnswer");
    ShowAnswer->setGeometry(QRect(0, 0, 321, 341));
    window->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(window);
    menuBar->setObjectName("menuBar");
    menuBar->setGeometry(QRect(0, 0, 536, 23));
    window->setMenuBar(menuBar);

    mainToolBar = new QToolBar(window);
    mainToolBar->setObjectName("mainToolBar");
    window->addToolBar(Qt::TopToolBarArea, mainToolBar);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName("statusBar");
    window->setStatusBar(statusBar);

    Retranslate(window);

    QMetaObject::connectSlotsByName(window);
}

void MainWindowForm::Retranslate(QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("MainWindow", "MainWindow", nullptr));
}
