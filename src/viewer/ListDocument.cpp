// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ListDocument.h"

#include <QFile>
#include <QList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <unistd.h>

#include "suite/Errors.h"

namespace teska {

namespace {

constexpr double kPointsPerCm = 72.0 / 2.54;
constexpr double kA4Width = 21.0 * kPointsPerCm;
constexpr double kA4Height = 29.7 * kPointsPerCm;
constexpr double kMargin = 1.5 * kPointsPerCm;
constexpr double kFontPoints = 8.0;
// A fixed-pitch character is 0.6 em wide and a line about 1.17 em high in
// the usual list fonts (Courier New, Liberation Mono, DejaVu Sans Mono);
// the page allows a little more so that a list page never spills over.
constexpr double kCharacterEm = 0.62;
constexpr double kLineEm = 1.25;

// CRC-32 of the zip format (polynomial 0xEDB88320).
std::uint32_t Crc32(const QByteArray& data)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put16(QByteArray& out, std::uint32_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A zip archive as an OpenDocument package needs it: "mimetype" first and
// stored, the other members deflated.
class Package {
public:
    void Add(const QByteArray& name, const QByteArray& data, bool deflate)
    {
        if (data.size() > 0xF0000000LL)
            throw RuntimeError("the list is too long for a document");
        QByteArray stored = data;
        std::uint16_t method = 0;
        if (deflate) {
            // qCompress gives a 4-byte length, the 2-byte zlib header, the
            // raw deflate stream and a 4-byte checksum.
            const QByteArray z = qCompress(data, 6);
            if (z.size() < 10)
                throw RuntimeError("the document cannot be compressed");
            stored = z.mid(6, z.size() - 10);
            method = 8;
        }
        Entry e{name, Crc32(data), static_cast<std::uint32_t>(stored.size()),
            static_cast<std::uint32_t>(data.size()), method, static_cast<std::uint32_t>(m_out.size())};
        Header(m_out, 0x04034b50, e, false);
        m_out.append(name);
        m_out.append(stored);
        m_entries.push_back(e);
    }

    QByteArray Finish()
    {
        const auto start = static_cast<std::uint32_t>(m_out.size());
        for (const Entry& e : m_entries) {
            Header(m_out, 0x02014b50, e, true);
            m_out.append(e.name);
        }
        const auto size = static_cast<std::uint32_t>(m_out.size()) - start;
        Put32(m_out, 0x06054b50);
        Put16(m_out, 0);
        Put16(m_out, 0);
        Put16(m_out, static_cast<std::uint32_t>(m_entries.size()));
        Put16(m_out, static_cast<std::uint32_t>(m_entries.size()));
        Put32(m_out, size);
        Put32(m_out, start);
        Put16(m_out, 0);
        return m_out;
    }

private:
    struct Entry {
        QByteArray name;
        std::uint32_t crc, packed, size;
        std::uint16_t method;
        std::uint32_t offset;
    };

    static void Header(QByteArray& out, std::uint32_t signature, const Entry& e, bool central)
    {
        Put32(out, signature);
        if (central)
            Put16(out, 20); // made by
        Put16(out, 20); // needed
        Put16(out, 0); // flags
        Put16(out, e.method);
        Put16(out, 0); // time 00:00
        Put16(out, (46u << 9) | (1u << 5) | 1u); // 2026-01-01
        Put32(out, e.crc);
        Put32(out, e.packed);
        Put32(out, e.size);
        Put16(out, static_cast<std::uint32_t>(e.name.size()));
        Put16(out, 0); // extra
        if (central) {
            Put16(out, 0); // comment
            Put16(out, 0); // disk
            Put16(out, 0); // internal attributes
            Put32(out, 0); // external attributes
            Put32(out, e.offset);
        }
    }

    QByteArray m_out;
    QList<Entry> m_entries;
};

void AppendEscaped(QByteArray& out, const QString& text)
{
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

// One list line as paragraph content: blanks are kept (a word processor
// joins runs of white space), tabs become tab elements, other control
// characters are left out.
void AppendLine(QByteArray& out, QStringView line)
{
    QString run;
    qsizetype i = 0;
    const auto flush = [&] {
        AppendEscaped(out, run);
        run.clear();
    };
    while (i < line.size()) {
        const QChar c = line[i];
        if (c == ' ') {
            qsizetype n = 0;
            while (i + n < line.size() && line[i + n] == ' ')
                ++n;
            // The first blank after text stays a blank; the others (and
            // every blank at the start) are counted.
            if (i > 0) {
                run += ' ';
                --n;
            }
            flush();
            if (n > 0)
                out += n == 1 ? QByteArray("<text:s/>")
                              : "<text:s text:c=\"" + QByteArray::number(n) + "\"/>";
            i += n + (i > 0 ? 1 : 0);
            continue;
        }
        if (c == '\t') {
            flush();
            out += "<text:tab/>";
        } else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF)
            run += c;
        ++i;
    }
    flush();
}

QByteArray Points(double value)
{
    return QByteArray::number(value, 'f', 2) + "pt";
}

constexpr const char* kNamespaces
    = " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
      " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
      " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
      " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
      " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
      " office:version=\"1.2\"";

QByteArray FontFaces(const ListDocumentStyle& style)
{
    QByteArray out = "<office:font-face-decls><style:font-face style:name=\"ListFont\" svg:font-family=\"'";
    AppendEscaped(out, style.fontFamily);
    out += "'\" style:font-family-generic=\"modern\" style:font-pitch=\"fixed\"/></office:font-face-decls>";
    return out;
}

QByteArray ParagraphStyle(const char* name, bool pageBreak, const ListDocumentStyle& style)
{
    QByteArray out = "<style:style style:name=\"";
    out += name;
    out += "\" style:family=\"paragraph\"><style:paragraph-properties fo:line-height=\"100%\""
           " fo:text-align=\"start\" fo:margin-top=\"0pt\" fo:margin-bottom=\"0pt\"";
    out += style.rightToLeft ? " style:writing-mode=\"rl-tb\"" : " style:writing-mode=\"lr-tb\"";
    if (pageBreak)
        out += " fo:break-before=\"page\"";
    out += "/><style:text-properties style:font-name=\"ListFont\" style:font-name-asian=\"ListFont\""
           " style:font-name-complex=\"ListFont\" fo:font-size=\"8pt\" style:font-size-asian=\"8pt\""
           " style:font-size-complex=\"8pt\" fo:font-weight=\"normal\" style:font-weight-complex=\"normal\""
           " fo:font-style=\"normal\" style:font-style-complex=\"normal\"/></style:style>";
    return out;
}

} // namespace

DocumentPage DocumentPageFor(const ListDocumentStyle& style)
{
    DocumentPage page;
    page.margin = kMargin;
    const double needWidth = std::max(style.charsPerLine, 1) * kCharacterEm * kFontPoints + 2 * kMargin;
    const double needHeight = std::max(style.linesPerPage, 1) * kLineEm * kFontPoints + 2 * kMargin;
    page.width = std::max(kA4Width, needWidth);
    page.height = std::max(kA4Height, needHeight);
    return page;
}

QByteArray ListDocumentBytes(const QString& text, const ListDocumentStyle& style)
{
    const DocumentPage page = DocumentPageFor(style);

    QByteArray styles = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-styles";
    styles += kNamespaces;
    styles += ">" + FontFaces(style) + "<office:automatic-styles><style:page-layout style:name=\"ListPage\">"
        + "<style:page-layout-properties fo:page-width=\"" + Points(page.width) + "\" fo:page-height=\""
        + Points(page.height) + "\" style:print-orientation=\""
        + (page.width > page.height ? "landscape" : "portrait") + "\" fo:margin-left=\"" + Points(page.margin)
        + "\" fo:margin-right=\"" + Points(page.margin) + "\" fo:margin-top=\"" + Points(page.margin)
        + "\" fo:margin-bottom=\"" + Points(page.margin) + "\" style:writing-mode=\""
        + (style.rightToLeft ? "rl-tb" : "lr-tb")
        + "\"/></style:page-layout></office:automatic-styles><office:master-styles>"
          "<style:master-page style:name=\"Standard\" style:page-layout-name=\"ListPage\"/>"
          "</office:master-styles></office:document-styles>\n";

    QByteArray content = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content";
    content += kNamespaces;
    content += ">" + FontFaces(style) + "<office:automatic-styles>" + ParagraphStyle("Line", false, style)
        + ParagraphStyle("PageStart", true, style) + "</office:automatic-styles><office:body><office:text>\n";
    content.reserve(content.size() + text.size() * 3 / 2);
    qsizetype start = 0;
    qsizetype line = 0;
    // The text's last line end closes the last paragraph.
    const qsizetype end = text.endsWith('\n') ? text.size() - 1 : text.size();
    while (start <= end) {
        qsizetype stop = text.indexOf('\n', start);
        if (stop < 0 || stop > end)
            stop = end;
        QStringView view = QStringView(text).mid(start, stop - start);
        if (view.endsWith('\r'))
            view.chop(1);
        const bool pageStart = style.linesPerPage > 0 && line > 0 && line % style.linesPerPage == 0;
        content += pageStart ? "<text:p text:style-name=\"PageStart\">" : "<text:p text:style-name=\"Line\">";
        AppendLine(content, view);
        content += "</text:p>\n";
        ++line;
        start = stop + 1;
        if (stop == end)
            break;
    }
    content += "</office:text></office:body></office:document-content>\n";

    const QByteArray manifest
        = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
          " manifest:version=\"1.2\">"
          "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\""
          " manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
          "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
          "<manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>"
          "</manifest:manifest>\n";
    Package package;
    package.Add("mimetype", "application/vnd.oasis.opendocument.text", false);
    package.Add("META-INF/manifest.xml", manifest, true);
    package.Add("styles.xml", styles, true);
    package.Add("content.xml", content, true);
    return package.Finish();
}

void WriteListDocument(const std::string& path, const QString& text, const ListDocumentStyle& style)
{
    const QByteArray bytes = ListDocumentBytes(text, style);
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw RuntimeError("cannot be written: " + file.errorString().toStdString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw RuntimeError("cannot be written: " + file.errorString().toStdString());
    if (::fsync(file.handle()) != 0)
        throw RuntimeError("cannot be flushed to disk");
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError("cannot be written: " + file.errorString().toStdString());
}

} // namespace teska
