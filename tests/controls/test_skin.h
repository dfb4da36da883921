#pragma once
// A small skin built in code with the geometry of the program's skin for the
// elements the controls bind to ("button", "checkbox", "panel", "groupbox",
// "statuspanel", "stdlabel") plus a vertical element and a masked button.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

#include "skin/data/skin_data.h"

namespace lqtest {

// Colours painted into the test picture, so tests can recognise each piece.
inline const QColor kButtonNormal(210, 220, 240);
inline const QColor kButtonActive(250, 220, 150);
inline const QColor kButtonDown(140, 90, 40);
inline const QColor kButtonDisabled(190, 190, 190);
inline const QColor kButtonBorder(60, 60, 60);
inline const QColor kAltButton(100, 200, 100);  // the button of the second skin
inline const QColor kCheckImage(0, 128, 0);
inline const QColor kUncheckImage(128, 0, 0);
inline const QColor kActiveCheckImage(0, 200, 0);
inline const QColor kActiveUncheckImage(200, 0, 0);
inline const QColor kPanelFrame(40, 80, 120);
inline const QColor kPanelClient(225, 225, 200);
inline const QColor kGroupTop(90, 120, 160);
inline const QColor kGroupClient(235, 235, 235);
inline const QColor kStatusFill(250, 250, 230);
inline const QColor kStatusBorder(0, 0, 90);
inline const QColor kGroupCaption(0x3E, 0x6A, 0xAA);  // 11168318 as 0x00BBGGRR

// The skin.ini text; alternate moves the button to a 26 pixel high element.
std::string TestSkinIni(bool alternate = false);
// Loads the test skin into data (fails the test on error).
void LoadTestSkin(lq::LqSkinData& data, bool alternate = false);
std::unique_ptr<lq::LqSkinData> MakeTestSkin(bool alternate = false);
// The program's own skin, as embedded in the executable.
std::unique_ptr<lq::LqSkinData> MakeProgramSkin();

// The mouse entering (at 5,5) and leaving a widget, as the platform reports it.
void Enter(QWidget* w);
void Leave(QWidget* w);

// Renders a widget (with its children) to an image, as the screen would show it.
QImage Render(QWidget* w);
// Saves an image under docs/ of the source tree when LONGTAIL_DOCS_SCREENSHOTS is set.
void SaveDocImage(const QImage& image, const std::string& name);

}  // namespace lqtest
