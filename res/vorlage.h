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
// The class library's standard commands for opening, printing and the print preview.
constexpr int ID_FILE_OPEN = 0xE101;
constexpr int ID_FILE_PRINT = 0xE107;
constexpr int ID_FILE_PRINT_PREVIEW = 0xE109;

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
constexpr VorlagenStil SS_GRAYFRAME = 0x0008;
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

// Accelerator flags and virtual keys with Win32's values; letters and digits are their ASCII codes.
constexpr unsigned FVIRTKEY = 0x01;
constexpr unsigned FSHIFT = 0x04;
constexpr unsigned FCONTROL = 0x08;
constexpr unsigned FALT = 0x10;
constexpr int VK_F1 = 0x70;

// One accelerator: key, flags and the command it sends as WM_COMMAND.
struct TastenVorlage {
    int taste;
    unsigned flags;
    int befehl;
};

struct TastenTabelle {
    int id;
    std::span<const TastenVorlage> tasten;
};

// nullptr when the program has no accelerator table of that id.
const TastenTabelle* FindeTastenTabelle(int id);
