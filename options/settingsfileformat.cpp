// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settingsfileformat.h"

#include <QByteArrayView>
#include <QStringList>
#include <optional>

namespace {

bool isLineBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isValueBlank(char c)
{
    return c == ' ' || c == '\t';
}

int hexDigitValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One logical line of the file: a line end inside quotes or escaped with a
// backslash does not end it, and a ';' outside quotes starts a comment.
struct Line
{
    QByteArrayView text;
    qsizetype equals = -1; // the first '=' outside quotes, relative to text
};

bool nextLine(QByteArrayView data, qsizetype &pos, Line &line)
{
    const qsizetype size = data.size();
    for (;;) {
        while (pos < size && isLineBlank(data[pos]))
            ++pos;
        if (pos >= size)
            return false;
        if (data[pos] != ';')
            break;
        while (pos < size && data[pos] != '\n' && data[pos] != '\r')
            ++pos;
    }
    const qsizetype begin = pos;
    line.equals = -1;
    bool inQuotes = false;
    while (pos < size) {
        const char c = data[pos];
        if (!inQuotes && (c == '\n' || c == '\r' || c == ';'))
            break;
        ++pos;
        if (c == '=' && !inQuotes && line.equals < 0) {
            line.equals = pos - 1 - begin;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '\\' && pos < size) {
            const char escaped = data[pos++];
            if (pos < size &&
                ((escaped == '\n' && data[pos] == '\r') || (escaped == '\r' && data[pos] == '\n')))
                ++pos;
        }
    }
    line.text = data.sliced(begin, pos - begin);
    return true;
}

// Keys and group names: "%XX" and "%UXXXX" stand for one character and a
// backslash for '/'.
QString unescapedKey(QByteArrayView key)
{
    QString result;
    qsizetype i = 0;
    while (i < key.size()) {
        if (key[i] == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (key[i] == '%' && i + 1 < key.size()) {
            const qsizetype first = key[i + 1] == 'U' ? i + 2 : i + 1;
            const qsizetype digits = key[i + 1] == 'U' ? 4 : 2;
            char16_t code = 0;
            bool ok = first + digits <= key.size();
            for (qsizetype d = 0; ok && d < digits; ++d) {
                const int value = hexDigitValue(static_cast<unsigned char>(key[first + d]));
                ok = value >= 0;
                code = static_cast<char16_t>(code * 16 + value);
            }
            if (ok) {
                result += QChar(code);
                i = first + digits;
                continue;
            }
        }
        qsizetype j = i + 1;
        while (j < key.size() && key[j] != '%' && key[j] != '\\')
            ++j;
        result += QString::fromUtf8(key.sliced(i, j - i));
        i = j;
    }
    return result;
}

QByteArray escapedKey(const QString &key)
{
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    QByteArray result;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            result += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            result += static_cast<char>(c);
        } else if (c <= 0xFF) {
            result += '%';
            result += hexDigits[c / 16];
            result += hexDigits[c % 16];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                result += hexDigits[(c >> shift) & 0xF];
        }
    }
    return result;
}

void chopBlanks(QString &text, qsizetype keep)
{
    qsizetype size = text.size();
    while (size > keep &&
           (text[size - 1] == QLatin1Char(' ') || text[size - 1] == QLatin1Char('\t')))
        --size;
    text.truncate(size);
}

char16_t simpleEscape(char c)
{
    switch (c) {
    case 'a':
        return u'\a';
    case 'b':
        return u'\b';
    case 'f':
        return u'\f';
    case 'n':
        return u'\n';
    case 'r':
        return u'\r';
    case 't':
        return u'\t';
    case 'v':
        return u'\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return static_cast<char16_t>(c);
    default:
        return 0;
    }
}

// A value: blanks around it dropped unless quoted or escaped, C escapes,
// UTF-8 text; commas outside quotes make it a list.
QStringList unescapedValue(QByteArrayView raw, bool &isList)
{
    QStringList items;
    QString current;
    isList = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keep = 0; // current[0, keep) is escaped or quoted: never chopped
    qsizetype i = 0;
    const qsizetype size = raw.size();
    const auto skipBlanks = [&] {
        while (i < size && isValueBlank(raw[i]))
            ++i;
    };
    skipBlanks();
    while (i < size) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= size)
                break;
            const char escaped = raw[i++];
            if (const char16_t simple = simpleEscape(escaped)) {
                current += QChar(simple);
            } else if (escaped == 'x' || (escaped >= '0' && escaped <= '7')) {
                // Hex or octal digits, as many as follow, kept to 16 bits.
                const int base = escaped == 'x' ? 16 : 8;
                char16_t code = escaped == 'x' ? 0 : static_cast<char16_t>(escaped - '0');
                bool any = escaped != 'x';
                int digit = 0;
                while (i < size &&
                       (digit = hexDigitValue(static_cast<unsigned char>(raw[i]))) >= 0 &&
                       digit < base) {
                    code = static_cast<char16_t>(code * base + digit);
                    any = true;
                    ++i;
                }
                if (any)
                    current += QChar(code);
            } else if (escaped == '\n' || escaped == '\r') {
                if (i < size && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != escaped)
                    ++i;
            }
            keep = current.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                keep = current.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!quoted)
                chopBlanks(current, keep);
            isList = true;
            items.append(current);
            current.clear();
            quoted = false;
            ++i;
            skipBlanks();
            keep = 0;
        } else {
            qsizetype j = i + 1;
            while (j < size && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
                ++j;
            current += QString::fromUtf8(raw.sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted)
        chopBlanks(current, keep);
    items.append(current);
    return items;
}

// The text a stored value stands for. "@@" escapes a leading '@', and
// "@String(...)" and "@ByteArray(...)" hold texts; the other typed forms
// ("@Variant(...)", "@Rect(...)" and the like) hold no text.
std::optional<QString> plainText(const QString &value)
{
    if (!value.startsWith(QLatin1Char('@')))
        return value;
    if (value.endsWith(QLatin1Char(')'))) {
        if (value.startsWith(QLatin1String("@String(")))
            return value.sliced(8).chopped(1);
        if (value.startsWith(QLatin1String("@ByteArray(")))
            return QString::fromUtf8(value.sliced(11).chopped(1).toLatin1());
        for (const char *typed : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("}) {
            if (value.startsWith(QLatin1String(typed)))
                return std::nullopt;
        }
        if (value == QLatin1String("@Invalid()"))
            return std::nullopt;
    }
    if (value.startsWith(QLatin1String("@@")))
        return value.sliced(1);
    return value;
}

// A list reads as its items joined by ", ", the way it was typed.
std::optional<QString> plainListText(QStringList items)
{
    for (QString &item : items) {
        if (!item.startsWith(QLatin1Char('@')))
            continue;
        if (!item.startsWith(QLatin1String("@@")))
            return std::nullopt;
        item.remove(0, 1);
    }
    return items.join(QStringLiteral(", "));
}

QByteArray escapedValue(const QString &text)
{
    QString value = text;
    if (value.contains(QChar::Null))
        value = QStringLiteral("@String(") + value + QLatin1Char(')');
    else if (value.startsWith(QLatin1Char('@')))
        value.prepend(QLatin1Char('@'));

    QByteArray result;
    bool needsQuotes = false;
    // After a numeric escape a hex digit would be read as part of it.
    bool escapeHexDigit = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeHexDigit && hexDigitValue(c) >= 0) {
            result += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case 0:
            result += "\\0";
            escapeHexDigit = true;
            break;
        case '\a':
            result += "\\a";
            break;
        case '\b':
            result += "\\b";
            break;
        case '\f':
            result += "\\f";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\v':
            result += "\\v";
            break;
        case '"':
        case '\\':
            result += '\\';
            result += static_cast<char>(c);
            break;
        default:
            if (c < 0x80 && c > 0x1F) {
                result += static_cast<char>(c);
            } else if (QChar::isHighSurrogate(c) && i + 1 < value.size() &&
                       value[i + 1].isLowSurrogate()) {
                result += QStringView(value).sliced(i, 2).toUtf8();
                ++i;
            } else if (c > 0x1F && !QChar::isSurrogate(c)) {
                result += QStringView(value).sliced(i, 1).toUtf8();
            } else {
                // Control characters, and halves of a pair that UTF-8 cannot hold.
                result += "\\x" + QByteArray::number(c, 16);
                escapeHexDigit = true;
            }
        }
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}

} // namespace

namespace SettingsFileFormat {

QSettings::Format format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("conf"), &read, &write);
    return registered;
}

bool read(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray data = device.readAll();
    QString group;
    qsizetype pos = 0;
    Line line;
    while (nextLine(data, pos, line)) {
        if (line.text.startsWith('[')) {
            // A header without ']' names the group by the rest of its line.
            qsizetype close = line.text.indexOf(']');
            if (close < 0)
                close = line.text.size();
            const QByteArrayView name = line.text.sliced(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                group.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                group = QString::fromLatin1(name.sliced(1)) + QLatin1Char('/');
            else
                group = unescapedKey(name) + QLatin1Char('/');
            continue;
        }
        if (line.equals < 0)
            continue;
        // Keys as QSettings looks them up: no empty parts between slashes.
        const QString key = (group + unescapedKey(line.text.first(line.equals).trimmed()))
                                .split(QLatin1Char('/'), Qt::SkipEmptyParts)
                                .join(QLatin1Char('/'));
        if (key.isEmpty())
            continue;
        bool isList = false;
        const QStringList items = unescapedValue(line.text.sliced(line.equals + 1), isList);
        const std::optional<QString> text =
            isList ? plainListText(items) : plainText(items.first());
        if (text)
            map.insert(key, *text);
        else
            map.remove(key);
    }
    return true;
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
    // Keys of one group are next to each other in the sorted map, except
    // that keys with no group go first under [General].
    QByteArray general;
    QByteArray groups;
    QString currentGroup;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QByteArray line = escapedKey(slash < 0 ? it.key() : it.key().sliced(slash + 1)) +
                                '=' + escapedValue(it.value().toString()) + '\n';
        if (slash < 0) {
            general += line;
            continue;
        }
        const QString group = it.key().first(slash);
        if (groups.isEmpty() || group != currentGroup) {
            currentGroup = group;
            const bool isGeneral =
                group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0;
            groups += (groups.isEmpty() ? "[" : "\n[") +
                      (isGeneral ? '%' + group.toLatin1() : escapedKey(group)) + "]\n";
        }
        groups += line;
    }
    QByteArray all;
    if (!general.isEmpty())
        all = "[General]\n" + general + (groups.isEmpty() ? "" : "\n");
    all += groups;
    return device.write(all) == all.size();
}

} // namespace SettingsFileFormat
