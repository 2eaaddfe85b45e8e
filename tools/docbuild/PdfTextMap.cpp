#include "tools/docbuild/PdfTextMap.h"

#include <QChar>
#include <QList>
#include <QString>

namespace velmora::docbuild {
namespace {

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The ideograph a radical is a compatibility form of, or 0.
char16_t ideographOf(char16_t radical)
{
    const bool isRadical =
        (radical >= 0x2E80 && radical <= 0x2EFF) || (radical >= 0x2F00 && radical <= 0x2FDF);
    if (!isRadical)
        return 0;
    const QString ideograph = QChar(radical).decomposition();
    return ideograph.size() == 1 ? ideograph.at(0).unicode() : 0;
}

} // namespace

int MapRadicalsToIdeographs(QByteArray& pdf)
{
    int count = 0;
    qsizetype at = 0;
    while ((at = pdf.indexOf("begincmap", at)) >= 0) {
        const qsizetype end = pdf.indexOf("endcmap", at);
        if (end < 0)
            break;
        bool ranges = false;
        for (qsizetype line = at; line < end;) {
            qsizetype lineEnd = pdf.indexOf('\n', line);
            if (lineEnd < 0 || lineEnd > end)
                lineEnd = end;
            const QByteArray text = pdf.mid(line, lineEnd - line);
            if (text.contains("beginbfrange"))
                ranges = true;
            else if (text.contains("beginbfchar"))
                ranges = false;
            // The "<XXXX>" codes of the line: source codes (glyphs) first, then what they stand for.
            QList<qsizetype> codes;
            for (qsizetype i = line; i + 5 < lineEnd; ++i)
                if (pdf[i] == '<' && pdf[i + 5] == '>' && isHex(pdf[i + 1]) && isHex(pdf[i + 2]) &&
                    isHex(pdf[i + 3]) && isHex(pdf[i + 4]))
                    codes.append(i + 1);
            QList<qsizetype> targets;
            const qsizetype bracket = text.indexOf('[');
            if (!ranges && codes.size() == 2) {
                targets = {codes[1]};
            } else if (ranges && bracket >= 0) {
                for (const qsizetype code : codes)
                    if (code > line + bracket)
                        targets.append(code);
            } else if (ranges && codes.size() == 3 && pdf.mid(codes[0], 4) == pdf.mid(codes[1], 4)) {
                // A plain range maps consecutive glyphs to consecutive characters: only a range of
                // one is safe to rewrite.
                targets = {codes[2]};
            }
            for (const qsizetype code : targets) {
                bool ok = false;
                const auto value = static_cast<char16_t>(pdf.mid(code, 4).toUInt(&ok, 16));
                if (const char16_t ideograph = ok ? ideographOf(value) : 0) {
                    pdf.replace(code, 4, QByteArray::number(ideograph, 16).toUpper().rightJustified(4, '0'));
                    ++count;
                }
            }
            line = lineEnd + 1;
        }
        at = end;
    }
    return count;
}

} // namespace velmora::docbuild
