// SPDX-License-Identifier: MIT
// The about window: program name and version, a description, the offer of a
// fully branded copy and a link to the maker's home page.
#pragma once

#include <QDialog>

namespace Zentrova {

class Platform;

// Modal; the owner shows it with exec(). Closing it only hides it: the owner
// creates one for each showing and disposes of it afterwards.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(Platform &platform, QWidget *parent = nullptr);

private slots:
    void openHomePage();
    void openBrandingDetails();

private:
    Platform &m_platform;
};

} // namespace Zentrova
