#include "inifile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const int IniFile::MaxSize;

namespace {

bool isLineBreak(char ch)
{
    return ch == '\n' || ch == '\r';
}

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// One logical line of an INI file, split as QSettings splits them: a line break inside
// quotes or after a backslash continues the line, and an unquoted ';' ends it (the rest of
// the physical line is a comment). Returns false at the end of the data.
bool readLine(const QByteArray &data, int &pos, int &lineStart, int &lineLen, int &equalsPos)
{
    const int size = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < size && (isBlank(data.at(lineStart)) || isLineBreak(data.at(lineStart))))
        ++lineStart;

    int i = lineStart;
    while (i < size) {
        const char ch = data.at(i++);
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (isLineBreak(ch)) {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char escaped = data.at(i++);
                if (i < size) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == lineStart + 1) {
                while (i < size && !isLineBreak(data.at(i)))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

// Where the physical line holding `pos` ends, after its line break.
int lineEndAfter(const QByteArray &data, int pos)
{
    const int size = data.size();
    while (pos < size && !isLineBreak(data.at(pos)))
        ++pos;
    if (pos < size && data.at(pos) == '\r')
        ++pos;
    else if (pos < size)
        return pos + 1;
    if (pos < size && data.at(pos) == '\n')
        ++pos;
    return pos;
}

QString toText(const QByteArray &data, int from, int to, bool utf8)
{
    return utf8 ? QString::fromUtf8(data.constData() + from, to - from)
                : QString::fromLatin1(data.constData() + from, to - from);
}

int digitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 16;
}

// QSettings' "@@" stands for a text that begins with '@'.
QString withoutAtEscape(const QString &text)
{
    return text.startsWith(QLatin1String("@@")) ? text.mid(1) : text;
}

bool isSerialised(const QString &text)
{
    static const char *const forms[] = {"@ByteArray(", "@Variant(", "@Rect(", "@Size(", "@Point(",
        "@Invalid(", "@String(", "@DateTime("};
    if (!text.startsWith(QLatin1Char('@')) || !text.endsWith(QLatin1Char(')')))
        return false;
    for (const char *form : forms) {
        if (text.startsWith(QLatin1String(form)))
            return true;
    }
    return false;
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        m_data = file.read(MaxSize + 1);
        if (m_data.size() > MaxSize) {
            qWarning() << "IniFile::IniFile too large to be a settings file:" << path;
            m_readable = false;
            m_data.clear();
        }
    }
    m_original = m_data;
    parse();
}

void IniFile::parse()
{
    m_entries.clear();
    m_sections.clear();
    int pos = 0;
    // QSettings takes a file that starts with a UTF-8 byte order mark for UTF-8 throughout.
    m_utf8 = m_data.startsWith("\xef\xbb\xbf");
    if (m_utf8)
        pos = 3;
    Section general = {QByteArray(), pos};
    m_sections.append(general);

    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = -1;
    while (readLine(m_data, pos, lineStart, lineLen, equalsPos)) {
        const int end = lineStart + lineLen;
        if (m_data.at(lineStart) == '[') {
            int close = m_data.indexOf(']', lineStart);
            if (close < 0 || close >= end)
                close = end;
            Section section = {m_data.mid(lineStart + 1, close - lineStart - 1).trimmed(),
                lineEndAfter(m_data, end)};
            m_sections.append(section);
            continue;
        }
        if (equalsPos < 0)
            continue;
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && isBlank(m_data.at(keyEnd - 1)))
            --keyEnd;
        int valueStart = equalsPos + 1;
        while (valueStart < end && isBlank(m_data.at(valueStart)))
            ++valueStart;
        int valueEnd = end;
        while (valueEnd > valueStart && isBlank(m_data.at(valueEnd - 1)))
            --valueEnd;
        Entry entry = {m_sections.last().name, m_data.mid(lineStart, keyEnd - lineStart),
            valueStart, valueEnd, lineEndAfter(m_data, end)};
        m_entries.append(entry);
        m_sections.last().contentEnd = entry.lineEnd;
    }
}

// Like QSettings, the last of several keys of one name counts, also across sections of one
// name.
const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    const QByteArray sectionName = section.toLatin1();
    const QByteArray keyName = key.toLatin1();
    for (int i = m_entries.size() - 1; i >= 0; --i) {
        const Entry &entry = m_entries.at(i);
        if (entry.key == keyName && entry.section == sectionName)
            return &entry;
    }
    return nullptr;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return find(section, key) != nullptr;
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    const Entry *entry = find(section, key);
    if (!entry)
        return fallback;
    const QString text = decoded(m_data, entry->valueStart, entry->valueEnd, m_utf8);
    if (isSerialised(text)) {
        qWarning() << "IniFile::value serialised value read as text:" << m_path << section << key;
    }
    return text;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &text)
{
    setEncoded(section, key, encoded(text, m_utf8));
}

void IniFile::setValue(const QString &section, const QString &key, bool on)
{
    setEncoded(section, key, on ? QByteArray("true") : QByteArray("false"));
}

void IniFile::setValue(const QString &section, const QString &key, int number)
{
    setEncoded(section, key, QByteArray::number(number));
}

// New lines follow the file's own line breaks.
QByteArray IniFile::lineBreak() const
{
    const int at = m_data.indexOf('\n');
    return at > 0 && m_data.at(at - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

void IniFile::setEncoded(const QString &section, const QString &key, const QByteArray &value)
{
    insert(section, key, value);
    parse();
    // A file that ends inside quotes or after a backslash swallows what is added to it; such
    // a file is not written rather than written without the value.
    const Entry *entry = find(section, key);
    if (!entry || m_data.mid(entry->valueStart, entry->valueEnd - entry->valueStart) != value) {
        qWarning() << "IniFile::setValue the file cannot take" << section << key << m_path;
        m_editFailed = true;
    }
}

void IniFile::insert(const QString &section, const QString &key, const QByteArray &value)
{
    if (const Entry *entry = find(section, key)) {
        m_data.replace(entry->valueStart, entry->valueEnd - entry->valueStart, value);
        return;
    }
    const QByteArray sectionName = section.toLatin1();
    const QByteArray line = key.toLatin1() + '=' + value + lineBreak();
    const bool endsOpen = !m_data.isEmpty() && !isLineBreak(m_data.at(m_data.size() - 1));
    int at = -1;
    for (int i = m_sections.size() - 1; i >= 0 && at < 0; --i) {
        if (m_sections.at(i).name == sectionName && !sectionName.isEmpty())
            at = m_sections.at(i).contentEnd;
    }
    if (at >= 0) {
        m_data.insert(at, (at == m_data.size() && endsOpen ? lineBreak() : QByteArray()) + line);
    } else {
        if (endsOpen)
            m_data += lineBreak();
        if (!m_data.isEmpty())
            m_data += lineBreak();
        m_data += '[' + sectionName + ']' + lineBreak() + line;
    }
}

bool IniFile::save()
{
    if (!m_readable || m_editFailed) {
        qWarning() << "IniFile::save not a settings file this can edit, left alone:" << m_path;
        return false;
    }
    return !isModified() || write(m_data);
}

bool IniFile::restore()
{
    return !isModified() || write(m_original);
}

bool IniFile::write(const QByteArray &data) const
{
    // A link is followed, so that the link itself stays.
    const QFileInfo info(m_path);
    QString target = info.absoluteFilePath();
    if (info.isSymLink()) {
        target = info.canonicalFilePath();
        if (target.isEmpty())
            target = QDir(info.absolutePath()).absoluteFilePath(info.symLinkTarget());
    }
    const QFileInfo targetInfo(target);
    const QByteArray nativeTarget = QFile::encodeName(target);
    struct stat old;
    const bool existed = ::stat(nativeTarget.constData(), &old) == 0;
    if ((existed && (!S_ISREG(old.st_mode) || ::access(nativeTarget.constData(), W_OK) != 0))
        || !QDir().mkpath(targetInfo.absolutePath())) {
        qWarning() << "IniFile::write cannot write" << target;
        return false;
    }

    QTemporaryFile temporary(targetInfo.absolutePath() + QLatin1String("/.") + targetInfo.fileName()
        + QLatin1String(".XXXXXX"));
    if (!temporary.open()) {
        qWarning() << "IniFile::write no room for a new copy of" << target;
        return false;
    }
    const int fd = temporary.handle();
    mode_t mode = 0;
    if (existed) {
        mode = old.st_mode & 07777;
        // Without the right to give the file away, the group at least stays.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0)
            qWarning() << "IniFile::write cannot keep the owner of" << target;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written = temporary.write(data) == data.size() && temporary.flush()
        && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0
        && ::rename(QFile::encodeName(temporary.fileName()).constData(), nativeTarget.constData())
            == 0;
    if (!written) {
        qWarning() << "IniFile::write failed, left as it was:" << target;
        return false;
    }
    temporary.setAutoRemove(false);
    const int folder = ::open(QFile::encodeName(targetInfo.absolutePath()).constData(), O_RDONLY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

// QSettings' INI form of a QString value: a leading '@' doubled, control and (without a
// byte order mark) non-ASCII characters escaped, quotes where ';', ',', '=' or an outer space
// would be misread.
QByteArray IniFile::encoded(const QString &text, bool utf8)
{
    const QString value = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QByteArray result;
    result.reserve(value.size() * 3 / 2);
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (int i = 0; i < value.size(); ++i) {
        const uint ch = value.at(i).unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        const bool hexDigit
            = (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
        if (escapeNextIfDigit && hexDigit) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            result += "\\0";
            escapeNextIfDigit = true;
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
            result += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !utf8)) {
                result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (utf8) {
                result += QString(value.at(i)).toUtf8();
            } else {
                result += char(ch);
            }
        }
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}

// The text QSettings reads from an INI value, as a QString or a list of them (joined by
// commas here), without turning '@'-forms into other types: "@@" stands for '@', and any
// other form is kept as the text it is.
QString IniFile::decoded(const QByteArray &data, int from, int to, bool utf8)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
        {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'}, {'?', '?'}, {'\'', '\''}, {'\\', '\\'}};
    QStringList items;
    QString current;
    bool inQuotes = false;
    bool quoted = false;
    bool isList = false;
    const auto chopTrailingBlanks = [&current]() {
        int n = current.size();
        while (n > 0
            && (current.at(n - 1) == QLatin1Char(' ') || current.at(n - 1) == QLatin1Char('\t')))
            --n;
        current.truncate(n);
    };
    const auto skipBlanks = [&]() {
        while (from < to && isBlank(data.at(from)))
            ++from;
    };

    skipBlanks();
    while (from < to) {
        const char ch = data.at(from);
        if (ch == '\\') {
            if (++from >= to)
                break;
            const char code = data.at(from++);
            bool known = false;
            for (const auto &escape : escapes) {
                if (code == escape[0]) {
                    current += QLatin1Char(escape[1]);
                    known = true;
                    break;
                }
            }
            if (known)
                continue;
            if (code == 'x' || (code >= '0' && code <= '7')) {
                const int base = code == 'x' ? 16 : 8;
                uint number = code == 'x' ? 0 : uint(code - '0');
                int digits = 0;
                for (int digit; from < to && (digit = digitValue(data.at(from))) < base; ++from) {
                    number = (number * base + uint(digit)) & 0xffff;
                    ++digits;
                }
                if (code == 'x' && digits == 0)
                    continue;
                current += QChar(ushort(number));
            } else if (isLineBreak(code) && from < to && isLineBreak(data.at(from))
                && data.at(from) != code) {
                ++from;
            }
            continue;
        }
        if (ch == '"') {
            ++from;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
            continue;
        }
        if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks();
            isList = true;
            items.append(current);
            current.clear();
            quoted = false;
            ++from;
            skipBlanks();
            continue;
        }
        int run = from + 1;
        while (run < to && data.at(run) != '\\' && data.at(run) != '"' && data.at(run) != ',')
            ++run;
        current += toText(data, from, run, utf8);
        from = run;
    }
    if (!quoted)
        chopTrailingBlanks();
    if (!isList)
        return withoutAtEscape(current);
    items.append(current);
    for (QString &item : items)
        item = withoutAtEscape(item);
    return items.join(QLatin1String(","));
}
