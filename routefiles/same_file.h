// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// Whether two paths name one file, as the system finds files: the same file
// on the disk however each is spelt (relative or absolute, through ./, ..
// or a doubled separator, a symbolic link; on Windows also in other letter
// case, with backslashes, or by its short 8.3 name, C:\PROGRA~1\...), by the
// file's identity (its device and inode, or volume and file index). Where
// neither exists yet, whether both name the same place, the letter case
// ignored on Windows. Two different files, or a file and a name nothing is
// written at yet, are not one.
//   sameFile("/home/u/航线.csv", "/home/u/./航线.csv")      true
//   sameFile("C:/Users/u/航线.csv", "c:\\users\\u\\航线.CSV")  true on Windows
//   sameFile("/home/u/a.csv", "/home/u/b.csv")               false
bool sameFile(const QString& first, const QString& second);

}  // namespace tarnquil
