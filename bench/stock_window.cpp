// SPDX-License-Identifier: MIT
// What Zentrova's first view costs to show, with no program behind it: its
// texts in its fonts, its menu bar, its die picture and icon, laid out the
// same way, all from stock Qt widgets (labels, frames, a menu bar). No
// settings, no lock, no reminder, no links, no result view. bench/startup.sh
// times it next to the program and the bare window: the program can hardly
// start faster than the content it has to draw.
#include "resources/pictures.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/pixmaps.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

namespace {

using namespace Zentrova;

QLabel *label(QWidget *parent, const QString &text, bool underline = false)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Look::uiFont(8.25, true, underline));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame *frame(QWidget *parent, const QString &caption, int left, int width)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    Look::setBackground(frame, QColor(0xff, 0x80, 0x80));
    Look::setTextColour(frame, Qt::black);
    Look::place(frame, left, 1680, width, 1000);
    Look::place(label(frame, caption), 60, 0, width - 120, 195);
    return frame;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Stock window"));
    window.setWindowIcon(Look::programIcon());
    window.setFont(Look::windowFont());
    // The program's menu bar keeps the desktop's menu font, not the window's.
    QFont menuFont = QApplication::font(window.menuBar());
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    window.menuBar()->setFont(menuFont);
    for (const QString &title :
         {QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("&Donate")})
        window.menuBar()->addMenu(title)->addAction(QStringLiteral("Entry"));

    auto *client = new QWidget;
    client->setFixedSize(Look::px(7605), Look::px(5655));
    Look::setBackground(client, Qt::black);
    Look::setTextColour(client, Qt::white);
    window.setCentralWidget(client);

    Look::place(label(client,
                      QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click Here "
                                     "To Visit www.quorvane.example Now."),
                      true),
                1207, 30, 5190, 435);
    auto *view = new QWidget(client);
    Look::setBackground(view, QColor(0x40, 0, 0));
    Look::place(view, 45, 480, 7550, 4300);
    Look::place(label(view, QStringLiteral("Zentrova shows you how the different dice patterns "
                                           "relate to the twelve signs of the zodiac, planets "
                                           "and houses. Click here to get your reading now!")),
                862, 240, 5880, 615);
    Look::place(label(view, QStringLiteral("Click on the Dice for An Zentrova Reading")), 1695,
                1215, 4215, 195);
    const QPixmap die = Look::picture(Pictures::dice(1));
    const auto addDie = [&die](QWidget *parent, int left) {
        auto *face = new QLabel(parent);
        face->setPixmap(die);
        Look::place(face, left, 240, 660, 660);
    };
    addDie(frame(view, QStringLiteral("Planet"), 2222, 1000), 180);
    addDie(frame(view, QStringLiteral("Zodiac"), 3302, 1000), 180);
    addDie(frame(view, QStringLiteral("House"), 4382, 1000), 180);
    QFrame *comprehensive = frame(view, QStringLiteral("Comprehensive"), 2220, 3165);
    comprehensive->move(comprehensive->x(), Look::px(2760));
    for (const int left : {180, 1252, 2325})
        addDie(comprehensive, left);

    auto *band = new QFrame(client);
    band->setFrameStyle(QFrame::Box | QFrame::Plain);
    Look::place(band, 45, 4785, 7550, 855);
    Look::place(label(band,
                      QStringLiteral("Co-brand this software for your site.  Increase "
                                     "loyalty and traffic to your site. Put your site's "
                                     "name &  link here. See \"Help\" for details. Click "
                                     "Here for more info on co-branding."),
                      true),
                120, 165, 7305, 615);

    window.show();
    return QApplication::exec();
}
