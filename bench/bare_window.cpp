// SPDX-License-Identifier: MIT
// The floor for start-up: a Qt main window with one label, the same size as
// Zentrova's, built in the same tree with the same flags. scripts/bench.sh
// compares the program's start-up time and memory with this window's.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto *label = new QLabel(QStringLiteral("Zentrova"), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    // Zentrova's main window: 507 by 377 pixels of content under a menu bar.
    window.resize(507, 396);
    window.show();
    return QApplication::exec();
}
