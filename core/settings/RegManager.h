#pragma once
// The settings store: a catalogue of named entries, each bound to a section,
// a key and a default text, read and written through one filer straight to
// the settings file (nothing is cached).
#include "core/settings/SettingValues.h"
#include "core/platform/Result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;

namespace vireo {

// One catalogue entry.
struct TRegItem {
    QString Name;         // catalogue name, looked up without regard to case
    QString Section;      // section of the settings file
    QString Ident;        // key inside the section
    QString DefaultValue; // what reads give for a key that is not stored
};

// The catalogue, in its fixed order.
class TRegItems {
public:
    TRegItem &Add(TRegItem item);
    qsizetype Count() const { return qsizetype(m_items.size()); }
    const TRegItem &operator[](qsizetype i) const { return m_items[size_t(i)]; }
    TRegItem &operator[](qsizetype i) { return m_items[size_t(i)]; }
    // The first entry whose Name equals name without regard to case, or null.
    const TRegItem *FindItem(QStringView name) const;
    void Clear() { m_items.clear(); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<TRegItem> m_items;
};

// Where a store keeps its values. Only the INI file exists on this
// platform; a store set to the registry reports that it cannot open it.
enum class TRegType { rtReg = 0, rtIni = 1 };

class TRegFiler;

// The store. Messages the user must see (an unknown catalogue name, a store
// without a file name) go to the message handler; by default they are logged.
class TRegManager {
public:
    TRegManager();
    virtual ~TRegManager();
    TRegManager(const TRegManager &) = delete;
    TRegManager &operator=(const TRegManager &) = delete;

    QString IniFileName;
    QString RegDir;
    TRegType RegType = TRegType::rtIni;
    TRegItems RegItems;

    // Looks the entry up and points the one filer at it (or at nothing, with
    // the message "[' name '] is invalid."). Every call returns the same
    // filer, so use it before the next lookup.
    TRegFiler &Filer(QStringView name);

    using MessageHandler = std::function<void(const QString &message)>;
    void setMessageHandler(MessageHandler handler) { m_onMessage = std::move(handler); }
    void showMessage(const QString &message) const;

protected:
    // Makes the filer, on the first lookup. Subclasses may supply another one.
    virtual std::unique_ptr<TRegFiler> CreateFiler();

private:
    std::unique_ptr<TRegFiler> m_filer;
    MessageHandler m_onMessage;
};

// Reads and writes the current entry in the value forms of the settings
// file. Reads without a current entry give false, 0 or empty text and
// writes do nothing. A write that fails returns "<file> に書き込めません".
class TRegFiler {
public:
    explicit TRegFiler(TRegManager &store) : m_store(store) {}
    virtual ~TRegFiler() = default;

    void setCurrent(const TRegItem *item) { m_current = item; }
    const TRegItem *current() const { return m_current; }

    virtual QString ReadString(const QString &section, const QString &ident, const QString &defaultValue);
    virtual Result WriteString(const QString &section, const QString &ident, const QString &value);
    virtual bool ReadBool();
    virtual Result WriteBool(bool value);
    virtual int32_t ReadInteger();
    virtual Result WriteInteger(int32_t value);
    virtual QString ReadText();
    virtual Result WriteText(const QString &value);
    // Each of the five font keys defaults to the font's current value; a
    // size that is not a positive number and a colour that is not a colour
    // keep the current value, a style or character set that is not a
    // number becomes 0.
    virtual void ReadFont(FontValue &font);
    virtual Result WriteFont(const FontValue &font);
    // Ident + "_ItemCount" and Ident + "_Item" + i.
    virtual void ReadStrings(QStringList &list);
    virtual Result WriteStrings(const QStringList &list);
    // Ident + "_c" lines of 64 hexadecimal digits in Ident + "_d" + i.
    // ReadStream writes the block into the device at its position;
    // WriteStream stores the device's whole contents.
    virtual void ReadStream(QIODevice &stream);
    virtual Result WriteStream(QIODevice &stream);
    Result DeleteKey(const QString &section, const QString &ident);

    // Colours go through the text form: a name or "$" and hexadecimal
    // digits. A stored text that is not a colour gives the entry's default
    // (and a log line) instead of stopping the caller.
    ColorValue ReadColor();
    Result WriteColor(ColorValue value);

protected:
    TRegManager &store() { return m_store; }

private:
    // The file of one access, or empty (after the message) when the store cannot be reached.
    bool openAccess(QString &file);

    TRegManager &m_store;
    const TRegItem *m_current = nullptr;
};

} // namespace vireo
