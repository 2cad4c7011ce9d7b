#pragma once

#include <QSettings>
#include <memory>

// The program's one settings file, shared by every window: on Linux
// $XDG_CONFIG_HOME/Zelvo/Zelvo.conf. QSettings writes it through a temporary
// file and a rename, so a program killed mid-write leaves the old file whole.
//
// Each value is read through a check of its own, since the file is the user's
// to edit: whatever it holds, a window gets a usable value or its default.
namespace Settings {

// A handle on the file; values written through it reach the disk when it is
// destroyed or synced. Cheap enough to make where a value is needed. Values
// QSettings would decode as binary data are first rewritten to read as text.
std::unique_ptr<QSettings> open();

// Tests point the settings at a file of their own; an empty path restores the
// user's file.
void setFileForTesting(const QString &path);

} // namespace Settings
