#pragma once
#include <string>

namespace platform {

// The Wine prefix whose drives and registry stand in for Windows':
// $WINEPREFIX, else ~/.wine.
std::string wine_prefix();

// A program-form path ("C:\games\x.pak", "packs\a") as a native one: every
// backslash becomes a slash, and a leading drive "X:" resolves through the
// prefix's dosdevices/x: link where present, else drive_c for "C:".
// A native path ("/home/...") passes through unchanged.
std::string native_from_program_path(const std::string& path, const std::string& prefix);

}  // namespace platform
