// An ordered set of pictures addressed by 1-based position, each with an
// optional key that nothing looks up.
#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

namespace Zentrova {

class ImageList final
{
public:
    void add(const QPixmap &picture, const QString &key = {});

    int count() const { return int(m_pictures.size()); }
    // Picture at position 1 to count(); a null picture for any other position.
    QPixmap picture(int position) const;
    QString key(int position) const;

private:
    struct Entry
    {
        QPixmap picture;
        QString key;
    };
    QList<Entry> m_pictures;
};

} // namespace Zentrova
