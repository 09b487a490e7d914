// SPDX-License-Identifier: MIT
// One page of the result view: the name and significance of the row a die
// selects, the die's two halves and, for planets and zodiac signs, the
// row's picture.
#pragma once

#include "reading/cast.h"
#include "reading/readingtables.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;
class QScrollArea;

namespace Zentrova {

class PictureSet;

class ReadingPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadingPage)

public:
    // The page of the die that reads from table. significanceArea and
    // pictureArea in pixels; an empty pictureArea gives a page without a
    // picture, as for houses.
    ReadingPage(Table table, const QRect &significanceArea, const QRect &pictureArea,
                QWidget *parent = nullptr);

    // Picture n of diceFaces is the face with n pips.
    void showDie(const DieFace &die, const PictureSet &diceFaces);
    void showRow(const QString &name, const QString &significance, const QPixmap &picture = {});
    // Both halves shown again, with one pip.
    void resetHalves(const QPixmap &onePip);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fitSignificance();
    void scrollSignificance();

    QLabel *m_name;
    QLabel *m_significance;
    // Made when a significance does not fit its place even in the smallest
    // readable font: the text then scrolls.
    QScrollArea *m_significanceScroll = nullptr;
    // Whether the significance shown has been fitted to its place.
    bool m_significanceFitted = false;
    std::array<QLabel *, 2> m_halves{};
    QLabel *m_picture = nullptr;
};

} // namespace Zentrova
