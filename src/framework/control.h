// TMControl, the record of one control of a page: grid placement and the pixel rectangle
// the layout computes from it, texts, state flags and value range. Only the control
// manager creates them; everything else refers to a control by its index.
#pragma once
#include <memory>
#include <string>

#include "framework/color.h"

// Draw types and types the manager itself gives a meaning to.
constexpr int kDrawGroupBegin = 71;      // draw type (and type) of a group-begin marker
constexpr int kDrawGroupEnd = 72;        // draw type (and type) of a group-end marker
constexpr int kDrawCustom = 100000;      // draw types from here on are drawn by the application
constexpr int kTypeCheck = 4;            // check control
constexpr int kTypeCheckAlt = 5;         // check control
constexpr int kTypeThumbList = 7;        // file list with thumbnails
constexpr int kTypeMainHelpTip = 17;     // takes its main page's help text as tip
constexpr int kTypeSubPageTab = 18;      // id = sub page of the current main page
constexpr int kTypeMainPageTab = 19;     // id = main page
constexpr int kTypeNeverLive = 25;       // never becomes the page's live control on declaration
constexpr int kTypeCustomInit = 100000;  // receives MCustomInit when declared
constexpr int kMidiUnset = -9999;

class TMControl {
 public:
  int bPage = 0;
  int nID = 0;
  int nArrayPos = 0;
  int nDrawType = 0;
  int nType = 0;
  int bStyle = 0;
  int bTextStyle = 0;
  int bAlign = 0;
  int bXGrid = 0;
  float bXPos = 0.0f;
  float bXCount = 0.0f;
  int bYGrid = 0;
  float bYPos = 0.0f;
  float bYCount = 0.0f;
  int nX = 0;
  int nY = 0;
  int nWidth = 0;
  int nHeight = 0;
  int nX1 = 0;
  int nY1 = 0;
  int nXMid = 0;
  int nYMid = 0;
  int nDist = 0;
  int nAngle = 0;
  int bIndent = 0;
  int nThumbX = 0;
  int nThumbY = 0;
  int nImage = -1;
  int nImage2 = -1;
  std::shared_ptr<TMColor> Col;  // never set by the manager
  std::string strText;
  std::string strText2;
  std::string strTipText;
  int bCheck = 0;
  int nUser1 = 0;
  int bSelected = 0;
  int bOver = 0;
  int bEnabled = 0;
  int bShown = 0;  // layer bits; visible when > 0 and sharing a bit with its page's layer
  int bLive = 0;
  int bRescan = 0;
  int nMin = 0;
  int nMax = 0;
  int nPos = 0;
  int nRange = 0;
  int Midi = kMidiUnset;
};
