#include "platform/inifile.h"
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <limits>
#include <optional>

namespace flumo {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Optional sign followed by at least one decimal digit; anything after the
// digits is ignored. Values beyond the int range saturate.
std::optional<int> leadingInt(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negative = t[i++] == QLatin1Char('-');
    const qsizetype firstDigit = i;
    qint64 value = 0;
    for (; i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (t[i].unicode() - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            value = qint64(std::numeric_limits<int>::max()) + 1;
    }
    if (i == firstDigit)
        return std::nullopt;
    if (negative)
        value = -value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A value enclosed in a matching pair of quotes loses them, as the profile
// reader of the system that wrote these files does.
QString unquote(const QString &value)
{
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString IniFile::decode1250(const QByteArray &bytes)
{
    // ICU provides the code page (checked by the INI tests). The five byte
    // values the code page leaves undefined decode to the C1 controls.
    QStringDecoder decoder("windows-1250");
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

QByteArray IniFile::encode1250(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    Q_ASSERT(encoder.isValid());
    QByteArray out = encoder.encode(text);
    if (!encoder.hasError())
        return out;
    // Characters the code page lacks become "?", one per character, like the
    // system's own conversion; the encoder would write control bytes.
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder one("windows-1250");
        const QByteArray b = one.encode(QStringView(text).mid(i, n));
        out += one.hasError() ? QByteArray("?") : b;
        i += n - 1;
    }
    return out;
}

IniFile IniFile::fromBytes(const QByteArray &bytes)
{
    IniFile ini;
    const QString text = decode1250(bytes);
    Section *current = nullptr;
    for (QStringView raw : QStringView(text).split(QLatin1Char('\n'))) {
        const QString line = raw.toString().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            qsizetype end = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, end < 0 ? -1 : end - 1).trimmed();
            // A repeated section continues the first one of that name; its
            // keys count only where the first did not have them.
            current = ini.findSection(name);
            if (!current) {
                ini.m_sections.push_back({name, {}});
                current = &ini.m_sections.back();
            }
            continue;
        }
        if (!current)
            continue; // keys before the first section belong to none
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (key.isEmpty())
            continue;
        const bool known = std::any_of(current->entries.begin(), current->entries.end(),
                                       [&](const Entry &e) { return sameName(e.key, key); });
        if (!known)
            current->entries.push_back({key, unquote(line.mid(eq + 1).trimmed())});
    }
    return ini;
}

IniFile IniFile::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    if (error)
        error->clear();
    return fromBytes(bytes);
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    for (const Section &s : m_sections)
        if (sameName(s.name, name.trimmed()))
            return &s;
    return nullptr;
}

IniFile::Section *IniFile::findSection(const QString &name)
{
    return const_cast<Section *>(std::as_const(*this).findSection(name));
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    if (!s)
        return false;
    const QString k = key.trimmed();
    return std::any_of(s->entries.begin(), s->entries.end(), [&](const Entry &e) { return sameName(e.key, k); });
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Section &s : m_sections)
        out.append(s.name);
    return out;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    if (const Section *s = findSection(section))
        for (const Entry &e : s->entries)
            out.append(e.key);
    return out;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Section *s = findSection(section);
    if (!s)
        return def;
    const QString k = key.trimmed();
    for (const Entry &e : s->entries)
        if (sameName(e.key, k))
            return e.value;
    return def;
}

int IniFile::readInt(const QString &section, const QString &key, int def) const
{
    if (!hasKey(section, key))
        return def;
    return leadingInt(readString(section, key)).value_or(def);
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    if (!hasKey(section, key))
        return def;
    const std::optional<int> v = leadingInt(readString(section, key));
    return v ? *v != 0 : def;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section *s = findSection(section);
    if (!s) {
        m_sections.push_back({section.trimmed(), {}});
        s = &m_sections.back();
    }
    const QString k = key.trimmed();
    for (Entry &e : s->entries) {
        if (sameName(e.key, k)) {
            e.value = value;
            return;
        }
    }
    s->entries.push_back({k, value});
}

void IniFile::writeInt(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

QByteArray IniFile::toBytes() const
{
    QString text;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0)
            text += QLatin1String("\r\n");
        text += QLatin1Char('[') + m_sections[i].name + QLatin1String("]\r\n");
        for (const Entry &e : m_sections[i].entries)
            text += e.key + QLatin1Char('=') + e.value + QLatin1String("\r\n");
    }
    return encode1250(text);
}

bool IniFile::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes()) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (error)
        error->clear();
    return true;
}

} // namespace flumo
