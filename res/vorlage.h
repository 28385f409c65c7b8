// Dialog templates, string table and icons as data: what a resource script says.
#pragma once

#include <cstdint>
#include <span>

using VorlagenStil = std::uint32_t;

// Standard command ids that templates use for their OK and Cancel buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
// The standard help command; its string is the help text shown for it.
constexpr int ID_HELP = 0xE146;

// Window styles with Win32's values.
constexpr VorlagenStil WS_POPUP = 0x80000000;
constexpr VorlagenStil WS_VISIBLE = 0x10000000;
constexpr VorlagenStil WS_DISABLED = 0x08000000;
constexpr VorlagenStil WS_CAPTION = 0x00C00000;
constexpr VorlagenStil WS_BORDER = 0x00800000;
constexpr VorlagenStil WS_VSCROLL = 0x00200000;
constexpr VorlagenStil WS_SYSMENU = 0x00080000;
constexpr VorlagenStil WS_GROUP = 0x00020000;
constexpr VorlagenStil WS_TABSTOP = 0x00010000;
constexpr VorlagenStil DS_MODALFRAME = 0x0080;
// Extended style: the window gets its own task-bar entry.
constexpr VorlagenStil WS_EX_APPWINDOW = 0x00040000;

constexpr VorlagenStil BS_PUSHBUTTON = 0x0000;
constexpr VorlagenStil BS_DEFPUSHBUTTON = 0x0001;
constexpr VorlagenStil BS_AUTOCHECKBOX = 0x0003;
constexpr VorlagenStil BS_GROUPBOX = 0x0007;
constexpr VorlagenStil BS_AUTORADIOBUTTON = 0x0009;
constexpr VorlagenStil BS_TYPEMASK = 0x000F;
constexpr VorlagenStil BS_MULTILINE = 0x2000;
constexpr VorlagenStil ES_AUTOHSCROLL = 0x0080;
constexpr VorlagenStil ES_READONLY = 0x0800;
constexpr VorlagenStil SS_LEFT = 0x0000;
constexpr VorlagenStil SS_ICON = 0x0003;
constexpr VorlagenStil SS_TYPEMASK = 0x001F;
constexpr VorlagenStil LBS_NOTIFY = 0x0001;
constexpr VorlagenStil LBS_NOINTEGRALHEIGHT = 0x0100;

enum class Steuerklasse { Button, Edit, Static, ListBox };

struct SteuerVorlage {
    int id;
    Steuerklasse klasse;
    // UTF-8; "\n" breaks the line, "&" marks the access key; "#128" names icon 128 (SS_ICON)
    const char* text;
    int x, y, cx, cy;
    VorlagenStil stil;
};

struct DialogVorlage {
    int id;
    const char* titel;
    int x, y, cx, cy;
    const char* schrift; // face name as the template names it
    int punkte;
    VorlagenStil stil;
    VorlagenStil exStil;
    std::span<const SteuerVorlage> steuerelemente; // in tab order
};

// nullptr when the program has no template of that id.
const DialogVorlage* FindeDialogVorlage(int id);

// The string table: nullptr when there is no string of that id.
const char* FindeZeichenkette(int id);

// An icon: its images in the toolkit's resource system, one per size.
struct SymbolVorlage {
    int id;
    std::span<const char* const> bilder;
};

// nullptr when the program has no icon of that id.
const SymbolVorlage* FindeSymbol(int id);
