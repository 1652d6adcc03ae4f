// Where the controls example puts each control, in client coordinates: the program creates its
// children from this table and tests aim their clicks with it.
#pragma once

#include <array>

#include <commctrl.h>
#include <windows.h>

namespace controls_example {

enum class Kind : unsigned char {
    Label, // a static that only names its neighbour
    Button,
    Static,
    Edit,
    ListBox,
    ComboBox,
    Trackbar,
    Progress,
    Tab,
    UpDown,
    ScrollBar,
};

struct Placement {
    int id;
    Kind kind;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    RECT box;
};

constexpr int ClientWidth = 664, ClientHeight = 476;
// The frame: a fixed size, placed at FramePosition (its outer top left).
constexpr DWORD FrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr POINT FramePosition{60, 60};

// Control identifiers; the status line names them.
constexpr int IdPush = 101, IdDefault = 102, IdCheck = 103, IdThreeState = 104, IdRadioOne = 105,
              IdRadioTwo = 106, IdButtonGroup = 107;
constexpr int IdSingleEdit = 110, IdMultiEdit = 111;
constexpr int IdList = 120;
constexpr int IdDropDown = 130, IdDropList = 131;
constexpr int IdTrackbar = 140, IdProgress = 141;
constexpr int IdTab = 150, IdTabPage = 151;
constexpr int IdUpDown = 160, IdBuddy = 161;
constexpr int IdScrollBar = 180;
constexpr int IdText = 170, IdIcon = 171, IdFrame = 172, IdFramed = 173, IdStaticGroup = 174;
constexpr int IdStatus = 190;
constexpr int IdLabel = -1;

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DWORD Stop = Child | WS_TABSTOP;

// Creation order is tab order. The tab page's text comes before the tab control so it stays
// above it; group boxes come before the buttons they frame, as in a dialog template.
inline constexpr std::array layout{
    Placement{IdButtonGroup,
              Kind::Button,
              "BUTTON",
              "Schaltfl\xE4"
              "chen",
              Child | BS_GROUPBOX,
              0,
              {10, 6, 210, 198}},
    Placement{IdPush,
              Kind::Button,
              "BUTTON",
              "&Dr\xFC"
              "cken",
              Stop | WS_GROUP | BS_PUSHBUTTON,
              0,
              {22, 28, 104, 54}},
    Placement{IdDefault,
              Kind::Button,
              "BUTTON",
              "&Vorgabe",
              Stop | BS_DEFPUSHBUTTON,
              0,
              {116, 28, 198, 54}},
    Placement{IdCheck,
              Kind::Button,
              "BUTTON",
              "&Kontrollk\xE4stchen",
              Stop | BS_AUTOCHECKBOX,
              0,
              {22, 66, 198, 86}},
    Placement{IdThreeState,
              Kind::Button,
              "BUTTON",
              "D&rei Zust\xE4nde",
              Stop | BS_AUTO3STATE,
              0,
              {22, 92, 198, 112}},
    Placement{IdRadioOne,
              Kind::Button,
              "BUTTON",
              "&Option eins",
              Stop | WS_GROUP | BS_AUTORADIOBUTTON,
              0,
              {22, 124, 198, 144}},
    Placement{IdRadioTwo,
              Kind::Button,
              "BUTTON",
              "Option &zwei",
              Child | BS_AUTORADIOBUTTON,
              0,
              {22, 150, 198, 170}},

    Placement{IdStaticGroup,
              Kind::Button,
              "BUTTON",
              "Statische Felder",
              Child | WS_GROUP | BS_GROUPBOX,
              0,
              {10, 208, 210, 322}},
    Placement{IdText,
              Kind::Static,
              "STATIC",
              "Text, links b\xFCndig",
              Child | SS_LEFT,
              0,
              {22, 230, 198, 248}},
    Placement{
        IdIcon, Kind::Static, "STATIC", "", Child | SS_ICON | SS_NOTIFY, 0, {22, 260, 54, 292}},
    Placement{
        IdFramed, Kind::Static, "STATIC", "im Rahmen", Child | SS_CENTER, 0, {76, 274, 190, 292}},
    Placement{IdFrame, Kind::Static, "STATIC", "", Child | SS_ETCHEDFRAME, 0, {70, 258, 198, 310}},

    Placement{IdLabel, Kind::Label, "STATIC", "&Einzeilig:", Child, 0, {232, 8, 432, 24}},
    Placement{IdSingleEdit,
              Kind::Edit,
              "EDIT",
              "",
              Stop | WS_GROUP | ES_AUTOHSCROLL,
              WS_EX_CLIENTEDGE,
              {232, 26, 432, 50}},
    Placement{IdLabel, Kind::Label, "STATIC", "&Mehrzeilig:", Child, 0, {232, 58, 432, 74}},
    Placement{IdMultiEdit,
              Kind::Edit,
              "EDIT",
              "",
              Stop | WS_GROUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
              WS_EX_CLIENTEDGE,
              {232, 76, 432, 150}},
    Placement{IdLabel, Kind::Label, "STATIC", "&Liste:", Child, 0, {232, 158, 432, 174}},
    Placement{IdList,
              Kind::ListBox,
              "LISTBOX",
              "",
              Stop | WS_GROUP | LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE,
              {232, 176, 432, 322}},

    Placement{
        IdLabel, Kind::Label, "STATIC", "&Farbe (Kombinationsfeld):", Child, 0, {444, 8, 654, 24}},
    Placement{IdDropDown,
              Kind::ComboBox,
              "COMBOBOX",
              "",
              Stop | WS_GROUP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL,
              0,
              {444, 26, 654, 170}},
    Placement{
        IdLabel, Kind::Label, "STATIC", "&Wochentag (Auswahlliste):", Child, 0, {444, 58, 654, 74}},
    Placement{IdDropList,
              Kind::ComboBox,
              "COMBOBOX",
              "",
              Stop | WS_GROUP | CBS_DROPDOWNLIST | WS_VSCROLL,
              0,
              {444, 76, 654, 190}},
    Placement{IdLabel,
              Kind::Label,
              "STATIC",
              "&Schieberegler und Fortschritt:",
              Child,
              0,
              {444, 108, 654, 124}},
    Placement{IdTrackbar,
              Kind::Trackbar,
              TRACKBAR_CLASSA,
              "",
              Stop | WS_GROUP | TBS_AUTOTICKS | TBS_HORZ | TBS_BOTTOM,
              0,
              {444, 126, 654, 160}},
    Placement{IdProgress, Kind::Progress, PROGRESS_CLASSA, "", Child, 0, {450, 166, 648, 184}},
    Placement{
        IdLabel, Kind::Label, "STATIC", "&Anzahl (Drehfeld):", Child, 0, {444, 196, 654, 212}},
    Placement{IdBuddy,
              Kind::Edit,
              "EDIT",
              "",
              Stop | WS_GROUP | ES_NUMBER | ES_RIGHT,
              WS_EX_CLIENTEDGE,
              {444, 214, 530, 238}},
    Placement{IdUpDown,
              Kind::UpDown,
              UPDOWN_CLASSA,
              "",
              Child | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS,
              0,
              {530, 214, 548, 238}},
    Placement{IdLabel, Kind::Label, "STATIC", "&Bildlaufleiste:", Child, 0, {444, 246, 654, 262}},
    Placement{IdScrollBar,
              Kind::ScrollBar,
              "SCROLLBAR",
              "",
              Stop | WS_GROUP | SBS_HORZ,
              0,
              {444, 264, 654, 281}},

    Placement{IdTabPage, Kind::Static, "STATIC", "", Child | SS_LEFT, 0, {0, 0, 0, 0}},
    Placement{IdTab,
              Kind::Tab,
              WC_TABCONTROLA,
              "",
              Stop | WS_GROUP | WS_CLIPSIBLINGS | TCS_FOCUSONBUTTONDOWN,
              0,
              {10, 332, 654, 436}},

    Placement{IdStatus,
              Kind::Static,
              "STATIC",
              "Bereit.",
              Child | SS_LEFT | SS_NOPREFIX,
              WS_EX_CLIENTEDGE,
              {10, 446, 654, 468}},
};

// The row of a control, null for an unknown identifier.
constexpr const Placement* placement_of(int id) {
    if (id == IdLabel) return nullptr;
    for (const Placement& p : layout)
        if (p.id == id) return &p;
    return nullptr;
}

// A point inside a control's box, for clicks.
constexpr POINT centre_of(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace controls_example
