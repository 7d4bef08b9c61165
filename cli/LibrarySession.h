#pragma once
// A run of the library from the command line, as the program's start-up and
// shutdown do it: logging on, the store made from the program folder, the
// settings it follows read, both caches loaded; at the end both caches written.
#include "core/library/LibraryStore.h"

#include <QString>

#include <memory>

class LibrarySession {
public:
    LibrarySession();
    ~LibrarySession();

    vireo::TID3TagUseful &store() { return *m_store; }
    // The setting MP3Dir ("" when unset).
    QString musicFolder() const;
    // Writes both caches; false (and the message on stderr) on failure.
    bool finish();

    // The value of a key of the settings file, or defaultValue.
    static QString setting(const QString &section, const QString &key, const QString &defaultValue);
    // A boolean of the settings file: the low byte of its integer is not zero.
    static bool settingBool(const QString &section, const QString &key, bool defaultValue);

private:
    std::unique_ptr<vireo::TID3TagUseful> m_store;
};

// Prints "vireo-cli: " and the message to stderr.
void cliError(const QString &message);
