// SPDX-License-Identifier: MIT
#include "ui/main/readingpage.h"

#include "ui/fonts.h"
#include "ui/main/pictureset.h"
#include "ui/palette.h"
#include "ui/textfit.h"
#include "ui/twips.h"

#include <QLabel>
#include <QScrollArea>

namespace Zentrova {

namespace {

// What a screen reader calls the pictures of each die's page, in the order
// of Table; houses have no picture.
struct PictureNames
{
    const char *halves[2];
    const char *picture;
};
constexpr PictureNames Names[] = {
    {{QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "Planet die, first half"),
      QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "Planet die, second half")},
     QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "Planet picture")},
    {{QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "Zodiac sign die, first half"),
      QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "Zodiac sign die, second half")},
     QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "Zodiac sign picture")},
    {{QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "House die, first half"),
      QT_TRANSLATE_NOOP("Zentrova::ReadingPage", "House die, second half")},
     nullptr},
};

QLabel *textLabel(QWidget *parent, const QString &name, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Look::setTextColour(label, Qt::white);
    return label;
}

} // namespace

ReadingPage::ReadingPage(Table table, const QRect &significanceArea, const QRect &pictureArea,
                         QWidget *parent)
    : QWidget(parent),
      m_name(textLabel(this, QStringLiteral("nameLabel"), Look::uiFont(8.25, true))),
      m_significance(textLabel(this, QStringLiteral("significanceLabel"), Look::windowFont()))
{
    const PictureNames &names = Names[std::size_t(table)];
    Look::setBackground(this, QColor(0x40, 0x00, 0x00));
    Look::place(m_name, 120, 120, 0, 195);
    m_significance->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_significance->setWordWrap(true);
    m_significance->setGeometry(significanceArea);

    for (int half = 0; half < 2; ++half) {
        auto *face = new QLabel(this);
        face->setObjectName(half == 0 ? QStringLiteral("firstHalfDie")
                                      : QStringLiteral("secondHalfDie"));
        face->setAccessibleName(tr(names.halves[half]));
        face->setFrameStyle(QFrame::Box | QFrame::Plain);
        face->setLineWidth(1);
        face->setAlignment(Qt::AlignCenter);
        Look::setBackground(face, Qt::white);
        Look::setTextColour(face, Qt::black);
        Look::place(face, 6345, half == 0 ? 120 : 820, 660, 660);
        m_halves[half] = face;
    }

    if (!pictureArea.isEmpty() && names.picture) {
        m_picture = new QLabel(this);
        m_picture->setObjectName(QStringLiteral("pictureLabel"));
        m_picture->setScaledContents(true);
        m_picture->setAccessibleName(tr(names.picture));
        m_picture->setGeometry(pictureArea);
    }
}

// A missing picture leaves a blank face and the next step runs, as every
// step of a cast ignores its failures.
void ReadingPage::showDie(const DieFace &die, const PictureSet &diceFaces)
{
    for (int half = 0; half < 2; ++half) {
        if (die.shown[half])
            m_halves[half]->setPixmap(diceFaces.at(die.halves[half]));
        else
            m_halves[half]->hide();
    }
}

void ReadingPage::showRow(const QString &name, const QString &significance, const QPixmap &picture)
{
    m_name->setText(name);
    m_name->adjustSize();
    m_significance->setText(significance);
    // A page out of sight is fitted when it shows: the rows set at start and
    // by each cast before its view comes up are measured only once seen.
    m_significanceFitted = false;
    if (isVisible())
        fitSignificance();
    if (m_picture)
        m_picture->setPixmap(picture);
}

void ReadingPage::showEvent(QShowEvent *event)
{
    if (!m_significanceFitted)
        fitSignificance();
    QWidget::showEvent(event);
}

void ReadingPage::fitSignificance()
{
    m_significanceFitted = true;
    if (m_significanceScroll)
        Look::fitText(m_significance, m_significanceScroll->viewport()->size());
    else if (!Look::fitText(m_significance))
        scrollSignificance();
}

void ReadingPage::scrollSignificance()
{
    m_significanceScroll = new QScrollArea(this);
    m_significanceScroll->setObjectName(QStringLiteral("significanceScroll"));
    m_significanceScroll->setFrameShape(QFrame::NoFrame);
    m_significanceScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_significanceScroll->setGeometry(m_significance->geometry());
    m_significanceScroll->setWidgetResizable(true);
    m_significanceScroll->setWidget(m_significance);
    // The page's colour shows through, as behind the label alone.
    m_significance->setAutoFillBackground(false);
    m_significanceScroll->viewport()->setAutoFillBackground(false);
    m_significanceScroll->show();
}

void ReadingPage::resetHalves(const QPixmap &onePip)
{
    for (QLabel *face : m_halves) {
        face->show();
        face->setPixmap(onePip);
    }
}

} // namespace Zentrova
