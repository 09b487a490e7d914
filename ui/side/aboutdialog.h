// The about window: program name and version, a description, the offer of a
// fully branded copy and a link to the maker's home page.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace Zentrova {

class Platform;
class LinkButton;

// Modal; the owner shows it with exec(). Closing it only hides it: the owner
// creates one for each showing and disposes of it afterwards.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(Platform &platform, QWidget *parent = nullptr);

public slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

private:
    Platform &m_platform;

    QPushButton *cmdOK = nullptr;
    QLabel *picIcon = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    LinkButton *lblCoBrand = nullptr;
    QLabel *Label3 = nullptr;
    LinkButton *lblHomePage = nullptr;
    QFrame *Line2 = nullptr;
};

} // namespace Zentrova
