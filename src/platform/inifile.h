#pragma once
// INI files as the Windows profile functions read them: Windows-1250 text,
// section and key names compared without regard to case (keys may hold
// spaces and dots: "Max. pocet chyb"), values taken as they stand (a
// backslash in "obr\auto.jpg" is an ordinary character), integers from their
// leading digits, defaults for missing or unreadable values.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace flumo {

class IniFile {
public:
    IniFile() = default;

    // Parses Windows-1250 bytes. Lines are "[section]", "key=value" or
    // comments (";"); whitespace around names and values is trimmed.
    static IniFile fromBytes(const QByteArray &bytes);
    // Reads a file by absolute path. A missing or unreadable file gives an
    // empty IniFile and, when error is given, a text saying why.
    static IniFile load(const QString &path, QString *error = nullptr);

    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    QString readString(const QString &section, const QString &key, const QString &def = {}) const;
    // Optional sign and the leading decimal digits ("12abc" reads 12);
    // missing key or no digits at all gives def.
    int readInt(const QString &section, const QString &key, int def) const;
    // 0 is false, any other integer true; missing or unreadable gives def.
    bool readBool(const QString &section, const QString &key, bool def) const;

    // Writing keeps the order of sections and keys; new ones are appended.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInt(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value) { writeInt(section, key, value ? 1 : 0); }

    // Windows-1250 text with CR LF line ends.
    QByteArray toBytes() const;
    bool save(const QString &path, QString *error = nullptr) const;

    // Windows-1250 conversions used by every INI and caption text.
    static QString decode1250(const QByteArray &bytes);
    static QByteArray encode1250(const QString &text);

private:
    struct Entry { QString key; QString value; };
    struct Section { QString name; std::vector<Entry> entries; };
    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);
    std::vector<Section> m_sections;
};

} // namespace flumo
