// File dialogs: GetOpenFileNameA and GetSaveFileNameA with a record like the platform's
// OPENFILENAME, shown as an in-app modal chooser window (the headless backend answers from its
// script instead).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Form;

// Asks before a save replaces an existing file.
inline constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x00000002;

struct OpenFileName {
    // The chooser is centred over this form; nullptr: over the form that has the input.
    Form* hwndOwner = nullptr;
    // Pairs of a description and its patterns, each part ended by a NUL or a '|':
    // "Maps (*.map)|*.map" or "Maps (*.map)\0*.map\0". Patterns within a pair are separated by
    // ';' and match names without regard to letter case; the first pair is the one used. Empty:
    // every file.
    std::string lpstrFilter;
    // In: a proposed file name (up to its first NUL; blanks alone propose none). Out: the full path
    // of the chosen file.
    std::string lpstrFile;
    // Out: the chosen file's name alone.
    std::string lpstrFileTitle;
    // The folder shown first, with "\" or "/" and in any letter case; empty, or a folder that does
    // not exist: the current directory.
    std::string lpstrInitialDir;
    // Added, after a ".", to a name typed without an extension.
    std::string lpstrDefExt;
    // The window's caption; empty: "Open" or "Save As".
    std::string lpstrTitle;
    std::uint32_t Flags = 0;
};

// Both show the chooser modally and answer true when the user chose a file, whose full path is
// then in lpstrFile, and false when the user cancelled (Cancel, Esc or the close box). A name
// typed in the chooser is taken relative to the folder it shows; a folder's name opens that folder.
// An open dialog only accepts a file that exists; a save dialog only a name in a folder that
// exists, and with OFN_OVERWRITEPROMPT asks before it accepts an existing file. In every case the
// program folder is the current directory afterwards.
bool GetOpenFileNameA(OpenFileName* ofn);
bool GetSaveFileNameA(OpenFileName* ofn);

} // namespace platform
