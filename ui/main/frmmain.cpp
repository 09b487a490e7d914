#include "ui/main/frmmain.h"

#include <QCloseEvent>

namespace Zentrova {

FrmMain::FrmMain(Platform &platform, QWidget *parent) : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zentrova v1.0"));
    Form_Load();
}

FrmMain::~FrmMain() = default;

void FrmMain::Form_Load() {}
void FrmMain::CoBrand_Randomize() {}
void FrmMain::Frame1_Click(qint16) {}
void FrmMain::Picture1_Click(qint16) {}
void FrmMain::TS_Click() {}
void FrmMain::Calculate() {}
void FrmMain::cmdBack_Click() {}
void FrmMain::mnuExit_Click()
{
    close();
}
void FrmMain::mnuOnline_Click() {}
void FrmMain::mnuVisit_Click() {}
void FrmMain::mnuUpdate_Click() {}
void FrmMain::mnuAbout_Click() {}
void FrmMain::mnuDonate_Click() {}
void FrmMain::Label14_Click() {}
void FrmMain::lblCobrand_Click() {}
void FrmMain::lblFullBrand_Click() {}
void FrmMain::Form_Unload() {}

void FrmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void FrmMain::loadImageSets() {}
void FrmMain::buildWindow() {}
void FrmMain::buildDiceView() {}
void FrmMain::buildResultView() {}
void FrmMain::buildBrandBand() {}
void FrmMain::buildMenus() {}
void FrmMain::buildTabOrder() {}

} // namespace Zentrova
