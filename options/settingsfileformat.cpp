// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/settingsfileformat.h"

#include <QByteArrayView>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace {

// The escapes a value may hold besides \x and hex digits, as written in the
// file and as meant: the writer and the reader share this one table.
constexpr struct
{
    char written;
    char16_t meant;
} escapes[] = {{'0', u'\0'}, {'a', u'\a'}, {'b', u'\b'}, {'f', u'\f'}, {'n', u'\n'},
               {'r', u'\r'}, {'t', u'\t'}, {'v', u'\v'}, {'"', u'"'},  {'\\', u'\\'}};

bool isBlank(char c)
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

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Keys are kept only when made of letters, digits, '_', '-' and '.' between
// slashes, as every key the program uses is: any such key reads back as it
// was written. Empty parts between slashes are dropped, as QSettings does.
std::optional<QString> plainKey(const QString &group, QByteArrayView name)
{
    const QString key = (group + QLatin1Char('/') + QString::fromLatin1(name))
                            .split(QLatin1Char('/'), Qt::SkipEmptyParts)
                            .join(QLatin1Char('/'));
    for (const QChar c : key) {
        if (c.unicode() >= 0x80 || !(c.isLetterOrNumber() || QStringView(u"_-./").contains(c)))
            return std::nullopt;
    }
    return key.isEmpty() ? std::nullopt : std::optional(key);
}

// A value: blanks around it dropped unless quoted or escaped, a ';' outside
// quotes starts a comment, escapes from the table or \x and hex digits, and
// UTF-8 text.
QString unescapedValue(QByteArrayView raw)
{
    QString text;
    qsizetype keep = 0; // text[0, keep) is escaped or quoted: never trimmed
    bool inQuotes = false;
    raw = trimmedBlanks(raw);
    for (qsizetype i = 0; i < raw.size();) {
        const char c = raw[i++];
        if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';' && !inQuotes) {
            break;
        } else if (c == '\\' && i < raw.size()) {
            const char escaped = raw[i++];
            if (escaped == 'x') {
                char16_t code = 0;
                for (int digit = 0; i < raw.size() && (digit = hexDigitValue(raw[i])) >= 0; ++i)
                    code = static_cast<char16_t>(code * 16 + digit);
                text += QChar(code);
            } else {
                const auto *found =
                    std::find_if(std::begin(escapes), std::end(escapes),
                                 [&](const auto &e) { return e.written == escaped; });
                text +=
                    found != std::end(escapes) ? QChar(found->meant) : QChar::fromLatin1(escaped);
            }
            keep = text.size();
        } else {
            qsizetype end = i;
            while (end < raw.size() && raw[end] != '"' && raw[end] != ';' && raw[end] != '\\')
                ++end;
            text += QString::fromUtf8(raw.sliced(i - 1, end - i + 1));
            if (inQuotes)
                keep = text.size();
            i = end;
        }
    }
    qsizetype size = text.size();
    while (size > keep &&
           (text[size - 1] == QLatin1Char(' ') || text[size - 1] == QLatin1Char('\t')))
        --size;
    return text.first(size);
}

// The text a stored value stands for: "@@" escapes a leading '@' and
// "@String(...)" holds a text; any other value starting with '@' is a typed
// value, which holds no text.
std::optional<QString> plainText(const QString &value)
{
    if (value.startsWith(QLatin1String("@@")))
        return value.sliced(1);
    if (value.startsWith(QLatin1String("@String(")) && value.endsWith(QLatin1Char(')')))
        return value.sliced(8).chopped(1);
    if (value.startsWith(QLatin1Char('@')))
        return std::nullopt;
    return value;
}

QByteArray escapedValue(const QString &text)
{
    const QString value = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QByteArray result;
    bool numericEscape = false; // a hex digit after it would be read as part of it
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        const auto *found = std::find_if(std::begin(escapes), std::end(escapes),
                                         [&](const auto &e) { return e.meant == c; });
        if (numericEscape && hexDigitValue(c) >= 0) {
            result += "\\x" + QByteArray::number(c, 16);
        } else if (found != std::end(escapes)) {
            result += '\\';
            result += found->written;
            numericEscape = c == 0;
        } else if (c >= 0x20 && !QChar::isSurrogate(c) && c != QChar::ByteOrderMark) {
            result += QStringView(value).sliced(i, 1).toUtf8();
            numericEscape = false;
        } else if (QChar::isHighSurrogate(c) && i + 1 < value.size() &&
                   value[i + 1].isLowSurrogate()) {
            result += QStringView(value).sliced(i++, 2).toUtf8();
            numericEscape = false;
        } else {
            // Control characters, halves of a pair that UTF-8 cannot hold, and
            // the byte order mark, which UTF-8 decoding drops where a run starts.
            result += "\\x" + QByteArray::number(c, 16);
            numericEscape = true;
        }
    }
    const bool needsQuotes = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char(',')) ||
                             value.contains(QLatin1Char('=')) || result.startsWith(' ') ||
                             result.endsWith(' ');
    return needsQuotes ? '"' + result + '"' : result;
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
    QByteArray data = device.readAll();
    if (data.startsWith("\xef\xbb\xbf")) // a UTF-8 byte order mark, as some editors write
        data.remove(0, 3);
    data.replace('\r', '\n');
    QString group;
    for (const QByteArray &whole : data.split('\n')) {
        const QByteArrayView line = trimmedBlanks(whole);
        if (line.startsWith('[')) {
            // A header without ']' names the group by the rest of its line.
            const qsizetype close = line.indexOf(']');
            const QByteArrayView name =
                trimmedBlanks(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            group = name == "General" ? QString() : QString::fromLatin1(name);
            continue;
        }
        // Comment lines start with ';', which no key holds.
        const qsizetype equals = line.indexOf('=');
        const std::optional<QString> key =
            equals < 0 ? std::nullopt : plainKey(group, trimmedBlanks(line.first(equals)));
        if (!key)
            continue;
        if (const std::optional<QString> text = plainText(unescapedValue(line.sliced(equals + 1))))
            map.insert(*key, *text);
        else
            map.remove(*key);
    }
    return true;
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
    // Keys of no group, or of the group General, go first under [General]
    // with their whole path; the others under their group's header.
    QByteArray general;
    QByteArray groups;
    QString currentGroup;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QString() : it.key().first(slash);
        const bool inGeneral = group.isEmpty() || group == QLatin1String("General");
        const QByteArray line = (inGeneral ? it.key() : it.key().sliced(slash + 1)).toLatin1() +
                                '=' + escapedValue(it.value().toString()) + '\n';
        if (inGeneral) {
            general += line;
            continue;
        }
        if (groups.isEmpty() || group != currentGroup) {
            currentGroup = group;
            groups += (groups.isEmpty() ? "[" : "\n[") + group.toLatin1() + "]\n";
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
