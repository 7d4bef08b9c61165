#pragma once
// Path helpers with "/" as the only separator, the one path-identity rule,
// and the program folder where settings, caches and logs live.
#include <QString>
#include <QStringView>

namespace vireo {

// The folder part of a path including its final "/" ("" when there is none).
QString extractFilePath(QStringView path);
// The folder part without the final "/" (but "/" stays "/").
QString extractFileDir(QStringView path);
// The name after the last "/".
QString extractFileName(QStringView path);
// The extension with its dot (".mp3"), "" when the name has none.
QString extractFileExt(QStringView path);
QString changeFileExt(QStringView path, QStringView ext);
QString includeTrailingSlash(QStringView folder);
QString excludeTrailingSlash(QStringView folder);

// Two paths name the same file: exact comparison, as the file system does.
inline bool samePath(QStringView a, QStringView b) { return a == b; }

// The program folder, with a final "/": $VIREO_HOME; else the executable's
// folder when a vireo.ini is there; else $XDG_CONFIG_HOME/vireo/. Asking
// for it creates nothing; the folder is made when a file is first written there.
QString programFolder();
// Makes the program folder when path lies directly in it and it is missing
// (the writers of settings, caches, logs and the lock call this first).
void makeProgramFolderFor(const QString &path);
// programFolder() + "vireo" + ext, for ext ".ini", ".3dt", ".2dt", ".cpi".
QString programPath(QStringView ext);
// Tests and tools may fix the folder explicitly; an empty text restores the rule above.
void setProgramFolder(const QString &folder);

} // namespace vireo
