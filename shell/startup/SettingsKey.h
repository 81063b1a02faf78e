#pragma once
// The main window's own housekeeping commands: deleting the shortcuts and the
// settings key of this course version.
namespace vyr {

// "unshort": asks, then deletes the shortcut "vyr englisch" from the desktop
// and from the programs folder.
void DeleteShortcuts();
// "unregistry": asks, then deletes "Software\vyr\vyr englisch\5" with all
// users' settings below it, and reports the outcome.
void DeleteSettingsKey();

}  // namespace vyr
