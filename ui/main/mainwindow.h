// The main window: the dice view, the result view with its tab strip, the
// link line, the promotional band and the menus.
#pragma once

#include "reading/readingtables.h"
#include "ui/imagelist.h"

#include <QMainWindow>
#include <QPointer>
#include <QtGlobal>

#include <array>

class QCloseEvent;
class QFrame;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace Zentrova {

class Platform;
class ChoiceFrame;
class DiePicture;
class LinkButton;
class TabStrip;

class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // Runs Form_Load before returning.
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The number drawn by chooseBrandBanner, 0 until it has run.
    qint16 coBrandRandomNumber() const { return intCoBrandRandomNumber; }

    const ImageList &diceImages() const { return IMG_Dice; }
    const ImageList &planetImages() const { return IMG_Planet; }
    const ImageList &zodiacSignImages() const { return IMG_ZodiacSigns; }

public slots:
    void Form_Load();
    // Called once by the start-up sequence right after the window is shown.
    void chooseBrandBanner();

    void Frame1_Click(qint16 Index);
    void Picture1_Click(qint16 Index);
    void TS_Click();
    void Calculate();
    void cmdBack_Click();

    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void Label14_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

signals:
    // The window has been closed; the program goes on to its farewell.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadImageSets();
    void buildWindow();
    void buildDiceView();
    void buildResultView();
    void buildBrandBand();
    void buildMenus();
    void buildTabOrder();

    Platform &m_platform;
    ReadingTables m_tables;

    ImageList IMG_Dice;
    ImageList IMG_Planet;
    ImageList IMG_ZodiacSigns;

    qint16 intCoBrandRandomNumber = 0;

    LinkButton *Label14 = nullptr;
    QStackedWidget *m_views = nullptr;
    QFrame *fraMain = nullptr;
    QFrame *fraResult = nullptr;
    QFrame *fraFullBrand = nullptr;
    QStackedWidget *m_brands = nullptr;
    LinkButton *lblCobrand = nullptr;
    LinkButton *lblFullBrand = nullptr;

    std::array<QLabel *, 2> Label1{};
    std::array<ChoiceFrame *, 4> Frame1{};
    std::array<DiePicture *, 6> Picture1{};

    TabStrip *TS = nullptr;
    QStackedWidget *m_pages = nullptr;
    // The choice a keyboard cast came from, for the way back.
    QPointer<QWidget> m_choiceWithFocus;
    QFrame *fraPlanets = nullptr;
    QFrame *fraZodiacSigns = nullptr;
    QFrame *fraHouses = nullptr;
    QPushButton *cmdBack = nullptr;

    QLabel *lblPlanetsName = nullptr;
    QLabel *lblPlanetsSignificance = nullptr;
    QLabel *lblZodiacSignsName = nullptr;
    QLabel *lblZodiacSignsSignificance = nullptr;
    QLabel *lblHousesName = nullptr;
    QLabel *lblHousesSignificance = nullptr;
    std::array<DiePicture *, 2> picDice1{};
    std::array<DiePicture *, 2> picDice2{};
    std::array<DiePicture *, 2> picDice3{};
    QLabel *imgPlanets = nullptr;
    QLabel *picZodiacSign = nullptr;
};

} // namespace Zentrova
