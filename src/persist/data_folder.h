// The "Change Data Folder" window (TForm4): the player browses the file system for another
// save folder, may make a new folder, and on OK the options file and the ranking files are
// copied there and KRN10.INI names it as the save folder. Saved games stay where they are.
//
// The places list (DriveComboBox1) holds the file system's root and the home folder; the
// folder tree (DirectoryListBox1) shows the chosen folder's path from the root down, each
// level indented, then the folders inside it one level deeper; the file list (FileListBox1)
// the files in the chosen folder.
#pragma once

#include "state/game_fwd.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace persist {

// A folder written as the window shows it: absolute, without "." or ".." steps and without a
// closing "/" (but "/" itself).
std::string plainFolder(const std::string& folder);

// One row of the folder tree: its folder and the text shown.
struct FolderRow {
    std::string folder;
    std::string text;
};
// The tree of a chosen folder: the folders from "/" down to it, then the folders inside it in
// name order.
std::vector<FolderRow> folderTree(const std::string& chosen);

// The names of the files in a folder, in name order (empty when it cannot be read).
std::vector<std::string> filesIn(const std::string& folder);

// Copy every data file that exists in one folder to another, each written whole. The error
// text of the first file that cannot be read or written, or nothing.
std::optional<std::string> copyDataFiles(const std::string& from, const std::string& to);

// K6Click: "&Change Data Spot" opens the window on the current save folder.
void K6Click(game::Game& game);

// DriveComboBox1Change: a place was chosen; the tree shows it.
void DriveComboBox1Change(game::Game& game, int row);

// DirectoryListBox1Change: a folder was chosen in the tree; the field, the tree and the file
// list follow it.
void DirectoryListBox1Change(game::Game& game, int row);

// Button3Click: "Make Directory" asks for a folder (the chosen one with "/" to start from; a
// name alone is made inside the chosen folder), makes it and chooses it.
void makeDirectoryClick(game::Game& game);

// Button1Click: "OK" copies the data files to the chosen folder, writes KRN10.INI with it as
// the save folder and closes the window. A folder that cannot be written, or a file that
// cannot be copied, is told in a message box, and nothing changes.
void dataFolderOkClick(game::Game& game);

// Button2Click ("Cancel") and closing the window: close without changes.
void dataFolderCancel(game::Game& game);

} // namespace persist
