// SPDX-License-Identifier: MIT
// A line of text that acts as a link: underlined from its font, the pointing
// hand, clicked with the mouse or, once Tab has brought the focus to it, from
// the keyboard. A button to Qt and to screen readers.
#pragma once

#include <QAbstractButton>

class QTextDocument;

namespace Zentrova {

class LinkButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkButton)

public:
    // In a window with a default button Enter belongs to that button, and the
    // link answers Space alone.
    enum class Keys { SpaceOrEnter, SpaceOnly };

    // The text is shown as it is: no markup, and "&" marks no access key.
    explicit LinkButton(const QString &text = {}, QWidget *parent = nullptr,
                        Keys keys = Keys::SpaceOrEnter);

    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wordWrap; }
    int heightForWidth(int width) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The text laid out as a label lays out a focusable text: width -1 gives
    // one line per line of text, or, when wrapping, a width of its choosing.
    void layOut(QTextDocument &document, qreal width) const;
    QSize sizeForWidth(int width) const;

    Keys m_keys;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
};

} // namespace Zentrova
