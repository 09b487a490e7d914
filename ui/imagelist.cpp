#include "ui/imagelist.h"

namespace Zentrova {

void ImageList::add(const QPixmap &picture, const QString &key)
{
    m_pictures.append({picture, key});
}

QPixmap ImageList::picture(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_pictures.at(position - 1).picture;
}

QString ImageList::key(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_pictures.at(position - 1).key;
}

} // namespace Zentrova
