#pragma once
// The tag code page chosen in the settings file: key TagCodePage in section
// [MP3Param] of the program's vireo.ini (any converter name, e.g. CP1252).
namespace vireo {

// Reads the key and selects that tag code page. No key (or an empty one)
// keeps the current code page; a name the converter does not know is logged
// and ignored. Returns true when a code page was selected.
bool applyTagCodePageSetting();

} // namespace vireo
