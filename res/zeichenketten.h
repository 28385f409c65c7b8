// The string table: the windows' fixed texts by id (res/resource.h).
#pragma once

// The help command's id; its string is the help text.
constexpr int ID_HELP = 0xE146;

// nullptr when there is no string of that id.
const char* FindeZeichenkette(int id);
