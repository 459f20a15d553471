#pragma once

class QMainWindow;
class QMenuBar;
class QPlainTextEdit;
class QStatusBar;
class QToolBar;
class QWidget;

// The window's widgets, each pointer named after its widget's object name. The widgets
// belong to the window; deleting the form frees only these pointers.
struct MainWindowForm
{
    QWidget *centralWidget = nullptr;
    QPlainTextEdit *ShowAnswer = nullptr;
    QMenuBar *menuBar = nullptr;
    QToolBar *mainToolBar = nullptr;
    QStatusBar *statusBar = nullptr;

    void Setup(QMainWindow *window);
    void Retranslate(QMainWindow *window);
};
