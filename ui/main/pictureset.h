// SPDX-License-Identifier: MIT
// One of the built-in picture sets, each picture read on its first use: the
// dice view shows one die face, and the others wait for a cast.
#pragma once

#include "resources/pictures.h"

#include <QPixmap>

#include <array>
#include <optional>

namespace Zentrova {

class PictureSet final
{
public:
    explicit PictureSet(QString (*path)(int position)) : m_path(path) {}

    // Picture n of the set, counted from 1; a null picture outside the set
    // or when its file cannot be read.
    QPixmap at(int position) const;

private:
    QString (*m_path)(int position);
    mutable std::array<std::optional<QPixmap>, Pictures::SetSize> m_read;
};

} // namespace Zentrova
