#include "mainwindow.h"

#include "failuremessage.h"
#include "filterlocation.h"
#include "filterrun.h"
#include "mainwindowform.h"
#include "resultfile.h"

#include <QAction>
#include <QBrush>
#include <QColor>
#include <QDebug>
#include <QDir>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), Form(new MainWindowForm)
{
    setAutoFillBackground(true);
    Form->Setup(this);

    SearchAction = new QAction(this);
    SearchAction->setIcon(QIcon(":/Search.png"));
    AboutAction = new QAction(this);
    AboutAction->setIcon(QIcon(":/About.png"));
    ExitAction = new QAction(this);
    ExitAction->setIcon(QIcon(":/Exit.png"));
    Form->mainToolBar->addAction(SearchAction);
    Form->mainToolBar->addAction(AboutAction);
    Form->mainToolBar->addAction(ExitAction);

    AboutBox = new QMessageBox;
    // A message box makes itself modal; this one must leave the window usable while it is open.
    AboutBox->setModal(false);

    BackgroundPalette = new QPalette;
    // The colour goes with the picture: the style paints the toolbar and the menu bar in the
    // brush's colour, which a picture alone leaves black.
    BackgroundPalette->setBrush(QPalette::All, QPalette::Window,
                                QBrush(QColor(Qt::white), QPixmap(":/background.png")));
    setPalette(*BackgroundPalette);

    connect(SearchAction, &QAction::triggered, this, &MainWindow::GetYun);
    connect(AboutAction, &QAction::triggered, this, &MainWindow::ShowAbout);
    connect(ExitAction, &QAction::triggered, this, &QWidget::close);
}

MainWindow::~MainWindow()
{
    delete Form;
}

void MainWindow::GetYun()
{
    // A search starts from nothing: neither the last result nor the last failure stays.
    Form->ShowAnswer->clear();
    Form->statusBar->clearMessage();

    bool accepted = false;
    const QString term = QInputDialog::getText(this, tr("查找韵字"), tr("请输入韵脚:"), QLineEdit::Normal,
                                               QString(), &accepted, Qt::WindowFlags());
    // Cancel means no search: nothing runs and the last rhyme stays.
    if (!accepted)
        return;
    Yun = term;
    qDebug() << Yun << Qt::endl;

    const FilterRun run = RunFilter(LocateFilter(), Yun);
    if (!run.Succeeded()) {
        Form->statusBar->showMessage(FilterFailureMessage(run, QDir::currentPath()));
        return;
    }

    const ResultFile result = ReadResultFile("SearchAnswer.txt");
    if (result.Status == ResultFile::State::Missing)
        qDebug() << "error 1" << Qt::endl;
    if (result.Status != ResultFile::State::Read) {
        Form->statusBar->showMessage(ResultFileFailureMessage(result, QDir::currentPath()));
        return;
    }
    // One insertion: line by line is many times slower on a large result, and the cursor
    // ends up at the end all the same.
    Form->ShowAnswer->insertPlainText(result.Text);
}

void MainWindow::ShowAbout()
{
    AboutBox->setText(tr("LirandelV1.0\n作者：Lirandel 开发组\n日期：2026年12月"));
    AboutBox->show();
}
