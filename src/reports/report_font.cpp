#include "reports/report_font.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QMutex>
#include <QtEndian>
#include <algorithm>
#include <map>
#include <vector>

namespace solario {
namespace {

const QString kInstalledFamily = QStringLiteral("IPAexGothic");
const QString kReportFamily = QStringLiteral("Solario Report Gothic");

// Where the face's file may be: beside the program (an installation carries it), then
// where Debian and Windows put it.
QStringList FontFileCandidates() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("fonts/ipaexg.ttf")),
            QStringLiteral("/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf"),
            QStringLiteral("/usr/share/fonts/truetype/fonts-japanese-gothic.ttf"),
            QDir(QString::fromLocal8Bit(qgetenv("WINDIR")))
                .filePath(QStringLiteral("Fonts/ipaexg.ttf")),
            QDir(QString::fromLocal8Bit(qgetenv("LOCALAPPDATA")))
                .filePath(QStringLiteral("Microsoft/Windows/Fonts/ipaexg.ttf"))};
}

// Big-endian reading with bounds checks: a malformed font gives zeros, never a crash.
struct Reader {
    const QByteArray& data;
    bool ok = true;
    quint32 U32(qsizetype at) {
        if (at < 0 || at + 4 > data.size()) {
            ok = false;
            return 0;
        }
        return qFromBigEndian<quint32>(data.constData() + at);
    }
    quint16 U16(qsizetype at) {
        if (at < 0 || at + 2 > data.size()) {
            ok = false;
            return 0;
        }
        return qFromBigEndian<quint16>(data.constData() + at);
    }
};

void Put16(QByteArray& out, quint16 v) {
    char b[2];
    qToBigEndian(v, b);
    out.append(b, 2);
}

void Put32(QByteArray& out, quint32 v) {
    char b[4];
    qToBigEndian(v, b);
    out.append(b, 4);
}

using CharMap = std::map<char32_t, quint16>;

struct Tables {
    std::map<QByteArray, QByteArray> byTag;
};

bool ReadTables(const QByteArray& font, Tables& tables) {
    Reader r{font};
    const quint32 version = r.U32(0);
    if (version != 0x00010000 && version != 0x74727565) // TrueType outlines only
        return false;
    const int count = r.U16(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 12 + 16 * i;
        const QByteArray tag = font.mid(entry, 4);
        const quint32 offset = r.U32(entry + 8);
        const quint32 length = r.U32(entry + 12);
        if (!r.ok || qsizetype(offset) + qsizetype(length) > font.size())
            return false;
        tables.byTag[tag] = font.mid(offset, length);
    }
    return r.ok && tables.byTag.count("cmap") && tables.byTag.count("head");
}

void ReadFormat12(Reader& r, qsizetype at, CharMap& map) {
    const quint32 groups = r.U32(at + 12);
    for (quint32 g = 0; g < groups && r.ok; ++g) {
        const qsizetype group = at + 16 + 12 * qsizetype(g);
        const quint32 start = r.U32(group), end = r.U32(group + 4), glyph = r.U32(group + 8);
        for (quint32 c = start; c <= end && c <= 0x10FFFF && r.ok; ++c)
            if (glyph + (c - start) != 0)
                map[char32_t(c)] = quint16(glyph + (c - start));
    }
}

void ReadFormat4(Reader& r, qsizetype at, CharMap& map) {
    const int segments = r.U16(at + 6) / 2;
    const qsizetype ends = at + 14, starts = ends + 2 * segments + 2;
    const qsizetype deltas = starts + 2 * segments, ranges = deltas + 2 * segments;
    for (int s = 0; s < segments && r.ok; ++s) {
        const quint16 start = r.U16(starts + 2 * s), end = r.U16(ends + 2 * s);
        const quint16 delta = r.U16(deltas + 2 * s), range = r.U16(ranges + 2 * s);
        for (quint32 c = start; c <= end && c != 0xFFFF && r.ok; ++c) {
            quint16 glyph;
            if (range == 0) {
                glyph = quint16(c + delta);
            } else {
                glyph = r.U16(ranges + 2 * s + range + 2 * (c - start));
                if (glyph != 0)
                    glyph = quint16(glyph + delta);
            }
            if (glyph != 0)
                map[char32_t(c)] = glyph;
        }
    }
}

// The Unicode character map the face offers (its full one when it has both), and its
// variation-sequence subtable as it stands.
bool ReadCharMap(const QByteArray& cmap, CharMap& map, QByteArray& variations) {
    Reader r{cmap};
    const int count = r.U16(2);
    qsizetype full = -1, bmp = -1;
    for (int i = 0; i < count && r.ok; ++i) {
        const quint16 platform = r.U16(4 + 8 * i), encoding = r.U16(6 + 8 * i);
        const qsizetype at = r.U32(8 + 8 * i);
        const quint16 format = r.U16(at);
        if (format == 12 && (platform == 3 && encoding == 10))
            full = at;
        else if (format == 4 && ((platform == 3 && encoding == 1) || platform == 0))
            bmp = at;
        else if (format == 14 && platform == 0 && encoding == 5)
            variations = cmap.mid(at, r.U32(at + 2));
    }
    if (full >= 0)
        ReadFormat12(r, full, map);
    else if (bmp >= 0)
        ReadFormat4(r, bmp, map);
    return r.ok && !map.empty();
}

QByteArray Format4(const CharMap& map) {
    // One segment per run of consecutive code points, its glyphs in the glyph array.
    std::vector<std::pair<quint16, quint16>> runs; // start, end
    std::vector<quint16> glyphs;
    for (const auto& [c, g] : map) {
        if (c >= 0xFFFF)
            break;
        if (!runs.empty() && runs.back().second + 1u == c)
            runs.back().second = quint16(c);
        else
            runs.emplace_back(quint16(c), quint16(c));
        glyphs.push_back(g);
    }
    runs.emplace_back(0xFFFF, 0xFFFF);
    const int segments = int(runs.size());
    int selector = 0;
    while ((2 << selector) <= segments)
        ++selector;
    QByteArray t;
    Put16(t, 4);
    Put16(t, 0); // length, set below
    Put16(t, 0);
    Put16(t, quint16(2 * segments));
    Put16(t, quint16(2 << selector));
    Put16(t, quint16(selector));
    Put16(t, quint16(2 * segments - (2 << selector)));
    for (const auto& run : runs)
        Put16(t, run.second);
    Put16(t, 0);
    for (const auto& run : runs)
        Put16(t, run.first);
    for (int s = 0; s < segments; ++s)
        Put16(t, s + 1 == segments ? 1 : 0); // the last segment maps 0xFFFF to glyph 0
    int index = 0;
    for (int s = 0; s < segments; ++s) {
        if (s + 1 == segments) {
            Put16(t, 0);
            continue;
        }
        Put16(t, quint16(2 * (segments - s) + 2 * index));
        index += runs[size_t(s)].second - runs[size_t(s)].first + 1;
    }
    for (quint16 g : glyphs)
        Put16(t, g);
    if (t.size() > 0xFFFF)
        return QByteArray();
    qToBigEndian(quint16(t.size()), t.data() + 2);
    return t;
}

QByteArray Format12(const CharMap& map) {
    struct Group {
        quint32 start, end, glyph;
    };
    std::vector<Group> groups;
    for (const auto& [c, g] : map) {
        if (!groups.empty() && groups.back().end + 1 == c &&
            groups.back().glyph + (c - groups.back().start) == g)
            groups.back().end = c;
        else
            groups.push_back({c, c, g});
    }
    QByteArray t;
    Put16(t, 12);
    Put16(t, 0);
    Put32(t, quint32(16 + 12 * groups.size()));
    Put32(t, 0);
    Put32(t, quint32(groups.size()));
    for (const Group& g : groups) {
        Put32(t, g.start);
        Put32(t, g.end);
        Put32(t, g.glyph);
    }
    return t;
}

QByteArray CharMapTable(const CharMap& map, const QByteArray& variations) {
    std::vector<std::pair<std::pair<quint16, quint16>, QByteArray>> subtables;
    if (!variations.isEmpty())
        subtables.push_back({{0, 5}, variations});
    const QByteArray bmp = Format4(map);
    if (bmp.isEmpty())
        return QByteArray();
    subtables.push_back({{3, 1}, bmp});
    subtables.push_back({{3, 10}, Format12(map)});
    QByteArray t;
    Put16(t, 0);
    Put16(t, quint16(subtables.size()));
    quint32 offset = quint32(4 + 8 * subtables.size());
    for (const auto& [ids, data] : subtables) {
        Put16(t, ids.first);
        Put16(t, ids.second);
        Put32(t, offset);
        offset += quint32(data.size());
    }
    for (const auto& sub : subtables)
        t.append(sub.second);
    return t;
}

QByteArray NameTable(const QString& family) {
    const std::pair<quint16, QString> names[] = {{1, family},
                                                 {2, QStringLiteral("Regular")},
                                                 {3, family + QStringLiteral(" Regular")},
                                                 {4, family},
                                                 {6, QString(family).remove(u' ')}};
    QByteArray strings;
    QByteArray t;
    Put16(t, 0);
    Put16(t, quint16(std::size(names)));
    Put16(t, quint16(6 + 12 * std::size(names)));
    for (const auto& [id, text] : names) {
        QByteArray utf16;
        for (const QChar c : text)
            Put16(utf16, c.unicode());
        Put16(t, 3);
        Put16(t, 1);
        Put16(t, 0x409);
        Put16(t, id);
        Put16(t, quint16(utf16.size()));
        Put16(t, quint16(strings.size()));
        strings.append(utf16);
    }
    return t + strings;
}

quint32 CheckSum(const QByteArray& data) {
    quint32 sum = 0;
    QByteArray padded = data;
    padded.append(QByteArray((4 - padded.size() % 4) % 4, '\0'));
    for (qsizetype i = 0; i < padded.size(); i += 4)
        sum += qFromBigEndian<quint32>(padded.constData() + i);
    return sum;
}

QByteArray Assemble(Tables& tables) {
    tables.byTag.erase("DSIG"); // a signature over the old tables would no longer hold
    QByteArray& head = tables.byTag["head"];
    if (head.size() < 12)
        return QByteArray();
    qToBigEndian(quint32(0), head.data() + 8);
    const int count = int(tables.byTag.size());
    int selector = 0;
    while ((2 << selector) <= count)
        ++selector;
    QByteArray font;
    Put32(font, 0x00010000);
    Put16(font, quint16(count));
    Put16(font, quint16(16 << selector));
    Put16(font, quint16(selector));
    Put16(font, quint16(16 * count - (16 << selector)));
    quint32 offset = quint32(12 + 16 * count);
    QByteArray body;
    qsizetype headAt = -1;
    for (const auto& [tag, data] : tables.byTag) {
        font.append(tag);
        Put32(font, CheckSum(data));
        Put32(font, offset + quint32(body.size()));
        Put32(font, quint32(data.size()));
        if (tag == "head")
            headAt = offset + body.size();
        body.append(data);
        body.append(QByteArray((4 - body.size() % 4) % 4, '\0'));
    }
    font.append(body);
    qToBigEndian(quint32(0xB1B0AFBA - CheckSum(font)), font.data() + headAt + 8);
    return font;
}

} // namespace

bool IsLookAlike(char32_t c) {
    // The wave dash gives way to the full-width tilde, which Japanese Windows text
    // (and so the data) writes for "～".
    return c == 0x00AD || (c >= 0x02B0 && c <= 0x036F) || (c >= 0x2000 && c <= 0x200A) ||
           (c >= 0x2E80 && c <= 0x2FDF) || c == 0x301C;
}

QByteArray WithoutLookAlikes(const QByteArray& font, const QString& family) {
    Tables tables;
    if (!ReadTables(font, tables))
        return QByteArray();
    CharMap map;
    QByteArray variations;
    if (!ReadCharMap(tables.byTag["cmap"], map, variations))
        return QByteArray();
    std::map<quint16, int> users;
    for (const auto& entry : map)
        ++users[entry.second];
    for (auto it = map.begin(); it != map.end();)
        it = IsLookAlike(it->first) && users[it->second] > 1 ? map.erase(it) : std::next(it);
    const QByteArray cmap = CharMapTable(map, variations);
    if (cmap.isEmpty())
        return QByteArray();
    tables.byTag["cmap"] = cmap;
    tables.byTag["name"] = NameTable(family);
    return Assemble(tables);
}

QString ReportFontFamily() {
    static QMutex mutex;
    static QString family;
    QMutexLocker lock(&mutex);
    if (!family.isEmpty())
        return family;
    family = kInstalledFamily;
    for (const QString& path : FontFileCandidates()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray rewritten = WithoutLookAlikes(file.readAll(), kReportFamily);
        const int id =
            rewritten.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(rewritten);
        if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty()) {
            family = QFontDatabase::applicationFontFamilies(id).first();
            break;
        }
    }
    return family;
}

} // namespace solario
