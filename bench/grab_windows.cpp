// SPDX-License-Identifier: MIT
// Pictures of the windows as they are drawn, from a fixed seed, for a
// pixel-for-pixel comparison before and after a change to how they are built
// or drawn (ImageMagick: compare -metric AE before.png after.png null:).
// Usage: grab_windows OUTPUT_DIR, in the language LANGUAGE or the locale names.
#include "recordingplatform.h"

#include "app/translations.h"
#include "ui/fonts.h"
#include "ui/linkbutton.h"
#include "ui/main/mainwindow.h"
#include "ui/palette.h"
#include "ui/side/aboutdialog.h"
#include "ui/side/farewellwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

bool save(QWidget &widget, const QString &folder, const QString &name)
{
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (widget.grab().save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

// Links of every alignment and wrapping at widths around their text's.
bool saveLinks(const QString &folder)
{
    const QString texts[] = {
        QStringLiteral("Click Here To Visit Quorvane Softwares"),
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                       "your site. Put your site's name &  link here."),
        QStringLiteral("Two\nlines  and  a   long-unbreakable-word-that-runs-on"),
    };
    QWidget sheet;
    Zentrova::Look::setBackground(&sheet, Qt::black);
    int top = 0;
    int index = 0;
    for (const QString &text : texts) {
        for (const bool underline : {false, true}) {
            for (const bool wrap : {false, true}) {
                for (const Qt::Alignment alignment :
                     {Qt::Alignment(Qt::AlignLeft | Qt::AlignTop), Qt::Alignment(Qt::AlignCenter),
                      Qt::Alignment(Qt::AlignRight | Qt::AlignBottom)}) {
                    int left = 0;
                    int rowHeight = 0;
                    for (const int width : {40, 90, 160, 300}) {
                        auto *link = new Zentrova::LinkButton(text, &sheet);
                        link->setFont(Zentrova::Look::uiFont(8.25 + index % 2, true, underline));
                        Zentrova::Look::setTextColour(link, Qt::white);
                        link->setWordWrap(wrap);
                        link->setAlignment(alignment);
                        const int height =
                            wrap ? link->heightForWidth(width) + 7 : link->sizeHint().height() + 5;
                        link->setGeometry(left, top, width, height);
                        left += width + 4;
                        rowHeight = std::max(rowHeight, height);
                        ++index;
                    }
                    top += rowHeight + 4;
                }
            }
        }
    }
    sheet.resize(620, top);
    sheet.show();
    return QTest::qWaitForWindowExposed(&sheet) && save(sheet, folder, QStringLiteral("links"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Zentrova::installTranslations(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grab_windows OUTPUT_DIR\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool saved = true;

    Zentrova::Testing::RecordingPlatform platform;
    platform.useSeed(20261208);
    {
        Zentrova::MainWindow window(platform);
        window.show();
        window.setBrandBanner(Zentrova::brandBannerFor(platform.random().next()));
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        saved &= save(window, folder, QStringLiteral("main"));
        const auto button = [&window](const char *name) {
            return window.findChild<QAbstractButton *>(QLatin1String(name));
        };
        for (const char *choice : {"planetChoice", "zodiacChoice", "houseChoice"}) {
            button(choice)->click();
            saved &= save(window, folder, QStringLiteral("main-") + QLatin1String(choice));
            button("castAgainButton")->click();
        }
        button("comprehensiveChoice")->click();
        auto *tabs = window.findChild<QTabBar *>(QStringLiteral("readingTabs"));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            saved &= save(window, folder, QStringLiteral("main-comprehensive-%1").arg(tab));
        }
        button("castAgainButton")->click();
        // The focus cue on a link, reached from the keyboard.
        window.findChild<QWidget *>(QStringLiteral("homePageLink"))->setFocus(Qt::TabFocusReason);
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        saved &= save(window, folder, QStringLiteral("main-linkfocus"));
    }
    {
        Zentrova::FarewellWindow farewell(
            platform, Zentrova::FarewellWindow::supportMessageIndex(platform.random().next()));
        farewell.show();
        if (!QTest::qWaitForWindowExposed(&farewell))
            return 1;
        saved &= save(farewell, folder, QStringLiteral("farewell"));
    }
    {
        Zentrova::AboutDialog about(platform);
        about.show();
        if (!QTest::qWaitForWindowExposed(&about))
            return 1;
        saved &= save(about, folder, QStringLiteral("about"));
    }
    saved &= saveLinks(folder);
    return saved ? 0 : 1;
}
