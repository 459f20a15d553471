#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QMessageBox;
class QPalette;
struct MainWindowForm;

// The one window: a toolbar with search, about and exit over a picture background, and
// the view that shows the lines found.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void GetYun();
    void ShowAbout();

private:
    MainWindowForm *Form;
    QAction *SearchAction = nullptr;
    QAction *AboutAction = nullptr;
    QAction *ExitAction = nullptr;
    QMessageBox *AboutBox = nullptr;  // no parent: a window of its own, kept until the program ends
    QString Yun;                      // the rhyme entered last
    QPalette *BackgroundPalette = nullptr;  // kept until the program ends, like the About box
};
