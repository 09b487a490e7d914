// SPDX-License-Identifier: MIT
// Start-up and casting cost of the main window: building it (fonts, pictures,
// controls) happens before the user sees anything, and a cast answers a
// click. Targets: a window in well under 100 ms, a cast in well under a frame.
#include "recordingplatform.h"

#include "ui/main/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

class BenchMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildWindow()
    {
        Zentrova::Testing::RecordingPlatform platform;
        QBENCHMARK
        {
            Zentrova::MainWindow window(platform);
            QVERIFY(window.findChild<QWidget *>(QStringLiteral("diceView")));
        }
    }

    void castComprehensiveReading()
    {
        Zentrova::Testing::RecordingPlatform platform;
        Zentrova::MainWindow window(platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *comprehensive =
            window.findChild<QAbstractButton *>(QStringLiteral("comprehensiveChoice"));
        auto *castAgain = window.findChild<QAbstractButton *>(QStringLiteral("castAgainButton"));
        QVERIFY(comprehensive && castAgain);
        QBENCHMARK
        {
            comprehensive->click();
            QApplication::processEvents();
            castAgain->click();
        }
    }
};

QTEST_MAIN(BenchMainWindow)
#include "bench_mainwindow.moc"
