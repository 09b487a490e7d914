// SPDX-License-Identifier: MIT
// Finds a window's control by its objectName for a test.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace Zentrova::Testing {

// The child of root named name. A missing control ends the test executable
// with its name, so no test goes on to check a null pointer.
template <typename T = QObject> T *findControl(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no %s named \"%s\" under %s", T::staticMetaObject.className(), qPrintable(name),
               qPrintable(root->objectName()));
    return found;
}

} // namespace Zentrova::Testing
