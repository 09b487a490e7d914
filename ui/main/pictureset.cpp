// SPDX-License-Identifier: MIT
#include "ui/main/pictureset.h"

#include "ui/pixmaps.h"

namespace Zentrova {

QPixmap PictureSet::at(int position) const
{
    if (position < 1 || position > Pictures::SetSize)
        return {};
    std::optional<QPixmap> &picture = m_read[position - 1];
    if (!picture)
        picture = Look::picture(m_path(position));
    return *picture;
}

} // namespace Zentrova
