#pragma once
// The compilation list: album names whose tracks are gathered under one
// compilation node instead of their artists, kept in a UTF-16LE text file
// beside the program. Names compare without regard to letter case.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vireo {

class CompilationList {
public:
    const QStringList &Names() const { return m_names; }
    void SetNames(const QStringList &names);
    qsizetype Count() const { return m_names.size(); }

    // Position of the first name equal to album without regard to case; -1 when none.
    int IndexOf(QStringView album) const;
    // Appends the name unless it is already there; false when it was.
    bool Add(const QString &name);
    // Deletes the first entry equal to the name; false when there was none.
    bool Remove(const QString &name);

    // Replaces the list by the file's lines; a missing or unreadable file fails
    // and leaves the list as it was.
    Result Load(const QString &file);
    // Writes the whole list through a temporary file and a rename.
    Result Save(const QString &file) const;

    // The file's lines: encoding from the first bytes (FF FE, FE FF, EF BB BF,
    // else UTF-8 when valid, else the tag code page); lines end at CR, LF,
    // CR LF or U+2028; code 0 ends the text.
    static QStringList Decode(QByteArrayView bytes);
    // UTF-16LE with byte-order mark, every line ended by CR LF.
    static QByteArray Encode(const QStringList &names);

    // The key two names share exactly when they are equal without regard to case.
    static QString FoldKey(QStringView name);

private:
    void reindex();

    QStringList m_names;
    QHash<QString, int> m_first; // folded name -> first position
};

} // namespace vireo
